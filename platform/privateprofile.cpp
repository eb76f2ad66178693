#include "platform/privateprofile.h"

#include "platform/textcodec.h"
#include "platform/textfile.h"

#include <QFileInfo>
#include <vector>

namespace lexarion {

namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QStringView TrimBlanks(QStringView s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.sliced(b, e - b);
}

QStringView StripQuotes(QStringView s) {
    if (s.size() >= 2 && (s.front() == u'"' || s.front() == u'\'') && s.back() == s.front())
        return s.sliced(1, s.size() - 2);
    return s;
}

enum class LineKind { Other, Section, Key };

struct ProfileLine {
    qsizetype begin = 0;  // offset of the line's text in the file
    qsizetype length = 0; // without the line ending
    qsizetype next = 0;   // offset of the following line
    LineKind kind = LineKind::Other;
    QString name;         // section or key name, trimmed
    QString value;        // key value, trimmed and unquoted
    qsizetype keyEnd = 0; // in the decoded line: where the key name (untrimmed) ends
};

struct ProfileFile {
    QByteArray bytes;
    TextEncoding encoding = TextEncoding::Gb18030;
    qsizetype bodyStart = 0; // after a byte-order mark
    std::vector<ProfileLine> lines;
};

ProfileLine ParseLine(QStringView text) {
    ProfileLine line;
    const QStringView t = TrimBlanks(text);
    if (t.isEmpty() || t.front() == u';')
        return line;
    if (t.front() == u'[') {
        const qsizetype close = t.indexOf(u']');
        line.kind = LineKind::Section;
        line.name = TrimBlanks(t.sliced(1, (close < 0 ? t.size() : close) - 1)).toString();
        return line;
    }
    line.kind = LineKind::Key;
    const qsizetype eq = text.indexOf(u'=');
    if (eq < 0) {
        line.name = t.toString();
        line.keyEnd = text.size();
        return line;
    }
    line.name = TrimBlanks(text.first(eq)).toString();
    line.value = StripQuotes(TrimBlanks(text.sliced(eq + 1))).toString();
    line.keyEnd = eq;
    return line;
}

ProfileFile ParseProfile(QByteArray bytes) {
    ProfileFile file;
    file.bytes = std::move(bytes);
    file.encoding = DetectEncoding(file.bytes);
    if (file.encoding == TextEncoding::Utf8Bom)
        file.bodyStart = 3;
    const TextEncoding lineEncoding =
        file.encoding == TextEncoding::Gb18030 ? TextEncoding::Gb18030 : TextEncoding::Utf8;
    const QByteArrayView body = QByteArrayView(file.bytes).sliced(file.bodyStart);
    const char* base = file.bytes.constData();
    ForEachLine(body, [&](QByteArrayView raw) {
        ProfileLine line = ParseLine(DecodeText(raw, lineEncoding));
        line.begin = raw.data() - base;
        line.length = raw.size();
        qsizetype next = line.begin + line.length;
        const qsizetype size = file.bytes.size();
        if (next < size && file.bytes[next] == '\r') {
            ++next;
            if (next < size && file.bytes[next] == '\n')
                ++next;
        } else if (next < size && file.bytes[next] == '\n') {
            ++next;
        }
        line.next = next;
        file.lines.push_back(std::move(line));
    });
    return file;
}

bool NameMatches(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index of the first section header named `section`, or -1.
qsizetype FindSection(const ProfileFile& file, const QString& section) {
    for (size_t i = 0; i < file.lines.size(); ++i) {
        if (file.lines[i].kind == LineKind::Section && NameMatches(file.lines[i].name, section))
            return qsizetype(i);
    }
    return -1;
}

// Index of the first key line named `key` in the section starting at `header`, or -1.
qsizetype FindKey(const ProfileFile& file, qsizetype header, const QString& key) {
    for (size_t i = size_t(header) + 1; i < file.lines.size(); ++i) {
        const ProfileLine& line = file.lines[i];
        if (line.kind == LineKind::Section)
            break;
        if (line.kind == LineKind::Key && NameMatches(line.name, key))
            return qsizetype(i);
    }
    return -1;
}

QString CutToBuffer(const QString& text) {
    return TruncateToAnsiBytes(text, ProfileBufferSize - 1);
}

QString WithoutLineBreaks(QString text) {
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

} // namespace

std::optional<QString> GetPrivateProfileValue(const QString& section, const QString& key,
                                              const QString& file) {
    const std::optional<QByteArray> bytes = ReadFileBytes(file);
    if (!bytes)
        return std::nullopt;
    const ProfileFile profile = ParseProfile(*bytes);
    const qsizetype header = FindSection(profile, section);
    if (header < 0)
        return std::nullopt;
    const qsizetype k = FindKey(profile, header, key);
    if (k < 0)
        return std::nullopt;
    return CutToBuffer(profile.lines[size_t(k)].value);
}

QString GetPrivateProfileString(const QString& section, const QString& key,
                                const QString& defaultValue, const QString& file) {
    const std::optional<QString> value = GetPrivateProfileValue(section, key, file);
    if (value && !value->isEmpty())
        return *value;
    // Like the platform call, the default has its trailing blanks removed.
    QString def = defaultValue;
    while (!def.isEmpty() && IsBlank(def.back()))
        def.chop(1);
    return CutToBuffer(def);
}

bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& file) {
    const QString cleanValue = WithoutLineBreaks(value);
    std::optional<QByteArray> bytes = ReadFileBytes(file);
    if (!bytes) {
        if (QFileInfo::exists(file))
            return false; // present but unreadable: never replace what we could not read
        bytes = QByteArray();
    }
    const ProfileFile profile = ParseProfile(*bytes);
    const TextEncoding enc =
        profile.encoding == TextEncoding::Gb18030 ? TextEncoding::Gb18030 : TextEncoding::Utf8;
    const QByteArray& old = profile.bytes;

    QByteArray out;
    const qsizetype header = FindSection(profile, section);
    const qsizetype k = header >= 0 ? FindKey(profile, header, key) : -1;
    if (k >= 0) {
        // Replace the value, keeping the key as it is spelt in the file.
        const ProfileLine& line = profile.lines[size_t(k)];
        const QString text = DecodeText(QByteArrayView(old).sliced(line.begin, line.length), enc);
        const QString keyPart = TrimBlanks(QStringView(text).first(line.keyEnd)).toString();
        out = old.left(line.begin);
        out += EncodeText(QString(keyPart + u'=' + cleanValue), enc);
        out += old.mid(line.begin + line.length);
    } else if (header >= 0) {
        // Append the key after the section's last non-blank line.
        size_t last = size_t(header);
        for (size_t i = last + 1; i < profile.lines.size(); ++i) {
            if (profile.lines[i].kind == LineKind::Section)
                break;
            const QByteArrayView raw =
                QByteArrayView(old).sliced(profile.lines[i].begin, profile.lines[i].length);
            if (!raw.trimmed().isEmpty())
                last = i;
        }
        const ProfileLine& after = profile.lines[last];
        qsizetype insertAt = after.next;
        out = old.left(insertAt);
        if (insertAt == after.begin + after.length)
            out += "\r\n"; // the section's last line had no line ending
        out += EncodeText(QString(key + u'=' + cleanValue), enc);
        out += "\r\n";
        out += old.mid(insertAt);
    } else {
        out = old;
        if (out.isEmpty() && profile.encoding == TextEncoding::Utf8Bom)
            out = "\xEF\xBB\xBF";
        if (!out.isEmpty() && !out.endsWith('\n') && !out.endsWith('\r') &&
            out.size() > profile.bodyStart)
            out += "\r\n";
        out += EncodeText(QString(u'[' + section + u']'), enc);
        out += "\r\n";
        out += EncodeText(QString(key + u'=' + cleanValue), enc);
        out += "\r\n";
    }
    return WriteFileAtomically(file, out);
}

} // namespace lexarion
