#include "tools/lookupfile.h"

#include "platform/textfile.h"
#include "wordlist/wordcompare.h"
#include "wordlist/wordentry.h"

#include <cstring>
#include <limits>

namespace lexarion {

namespace {

QByteArrayView WordBytes(QByteArrayView line) {
    const qsizetype hash = line.indexOf('#');
    QByteArrayView word = hash < 0 ? line : line.first(hash);
    while (!word.isEmpty() && word.front() == ' ')
        word = word.sliced(1);
    while (!word.isEmpty() && word.back() == ' ')
        word.chop(1);
    return word;
}

} // namespace

QByteArrayView LookupFile::RawLine(qint32 index) const {
    if (index < 0 || index >= Count())
        return {};
    return QByteArrayView(file_.Bytes().constData() + starts_[size_t(index)],
                          lengths_[size_t(index)]);
}

QString LookupFile::Line(qint32 index) const {
    return DecodeText(RawLine(index), encoding_ == TextEncoding::Gb18030 ? TextEncoding::Gb18030
                                                                         : TextEncoding::Utf8);
}

QString LookupFile::Word(qint32 index) const {
    return DecodeText(WordBytes(RawLine(index)), encoding_ == TextEncoding::Gb18030
                                                     ? TextEncoding::Gb18030
                                                     : TextEncoding::Utf8);
}

QByteArray LookupFile::EncodeKey(const QString& text) const {
    return EncodeText(text, encoding_);
}

int LookupFile::CompareKeyWithWord(const QString& key, const QByteArray& encodedKey,
                                   qint32 index) const {
    const QByteArrayView word = WordBytes(RawLine(index));
    if (IsAscii(encodedKey) && IsAscii(word))
        return CompareAsciiWords(encodedKey, word);
    return CompareWords(key, Word(index));
}

void LookupFile::Clear() {
    file_ = FileContents();
    starts_ = {};
    lengths_ = {};
    encoding_ = TextEncoding::Gb18030;
}

bool LoadLookupFile(const QString& path, LookupFile& target) {
    target.Clear();
    if (!IsOrdinaryFile(path)) {
        CreateEmptyFile(path);
        return false;
    }
    std::optional<FileContents> contents = FileContents::Open(path);
    if (!contents || quint64(contents->Bytes().size()) >= std::numeric_limits<quint32>::max())
        return false;
    target.file_ = std::move(*contents);
    const QByteArray& data = target.file_.Bytes();
    target.encoding_ = DetectEncoding(data);
    qsizetype start = target.encoding_ == TextEncoding::Utf8Bom ? 3 : 0;

    // A rough guess of the line count saves most reallocations.
    const size_t guess = size_t(data.size() / 40 + 16);
    target.starts_.reserve(guess);
    target.lengths_.reserve(guess);
    const char* base = data.constData();
    const char* end = base + data.size();
    const char* p = base + start;
    while (p < end) {
        const char* nl = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
        const char* lineEnd = nl ? nl : end;
        // A lone CR also ends a line; look for one only inside this stretch.
        const char* cr = static_cast<const char*>(std::memchr(p, '\r', size_t(lineEnd - p)));
        const char* next;
        if (cr && cr + 1 < lineEnd) {
            lineEnd = cr;
            next = cr + 1;
        } else {
            if (cr)
                lineEnd = cr; // CR LF, or CR at the very end
            next = nl ? nl + 1 : end;
        }
        const size_t length = size_t(lineEnd - p);
        if (length > 0 && *p != ';' && std::memchr(p, '#', length)) {
            target.starts_.push_back(quint32(p - base));
            target.lengths_.push_back(quint32(length));
        }
        p = next;
    }
    return true;
}

QString EncodeChineseKey(QStringView text) {
    const QByteArray bytes = EncodeAnsi(text);
    QString key;
    key.reserve(bytes.size() * 5);
    auto appendGroup = [&key](int code) {
        const QString digits = QString::number(qint64(code) + 16777215);
        key += QStringView(digits).right(5);
    };
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        if (p[i] < 0x80 || i + 1 >= n) {
            appendGroup(p[i] < 0x80 ? p[i] : qint16(p[i] << 8));
            ++i;
            continue;
        }
        // Double-byte (or one half of a four-byte) character.
        appendGroup(qint16(quint16(p[i] << 8 | p[i + 1])));
        i += 2;
    }
    return key;
}

bool IsAsciiText(QStringView text) {
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

qint32 FindString(const LookupFile& list, qint32 first, qint32 last, const QString& key,
                  bool exact) {
    qint64 lo = qint64(first) + 1;
    qint64 hi = qint64(last) + 1;
    if (hi > list.Count() || lo < 1 || lo > hi)
        return -1;
    const QByteArray encodedKey = list.EncodeKey(key);
    auto compare = [&](qint64 position) {
        return list.CompareKeyWithWord(key, encodedKey, qint32(position - 1));
    };
    if (lo == hi) {
        // One entry: the halving below would never shrink it.
        if (compare(lo) == 0)
            return qint32(lo - 1);
        return exact ? -1 : qint32(lo - 1);
    }
    for (;;) {
        if (hi == lo + 1) {
            if (compare(hi) == 0)
                return qint32(hi - 1);
            // Entry lo has been compared only if it was a midpoint; the first entry of the
            // range never was, and must still be found.
            if (lo == qint64(first) + 1 && compare(lo) == 0)
                return qint32(lo - 1);
            return exact ? -1 : qint32(lo - 1);
        }
        const qint64 mid = lo + (hi - lo) / 2;
        const int c = compare(mid);
        if (c == 0)
            return qint32(mid - 1);
        if (c > 0)
            lo = mid;
        else
            hi = mid;
    }
}

} // namespace lexarion
