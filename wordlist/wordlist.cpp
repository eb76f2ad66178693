#include "wordlist/wordlist.h"

#include "core/appstate.h"
#include "core/settings.h"
#include "platform/textfile.h"
#include "wordlist/mydict.h"

#include <QFile>
#include <QFileInfo>

namespace lexarion {

bool IsEntryLine(QStringView line) {
    return !line.startsWith(u';') && line.contains(u'#');
}

bool LoadWordList(const QString& path, WordList& list, qint32& currentWordIndex) {
    list.RemoveAll();
    if (!IsOrdinaryFile(path)) {
        CreateEmptyFile(path);
        return false;
    }
    const std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes)
        return false;
    const TextLines text = DecodeLines(*bytes);
    list.Reserve(text.lines.size());
    for (const QString& line : text.lines) {
        if (IsEntryLine(line))
            list.Append(line);
    }
    currentWordIndex = 0;
    return true;
}

bool LoadWordList(AppState& app, const QString& path) {
    const bool ok = LoadWordList(path, app.wordList, app.currentWordIndex);
    app.loadedWordListPath = ok ? QFileInfo(path).absoluteFilePath() : QString();
    return ok;
}

std::optional<QString> ReadWordListDescription(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray head = file.read(4096);
    const qsizetype end = head.indexOf('\n');
    const qsizetype cr = head.indexOf('\r');
    const qsizetype lineEnd = cr >= 0 && (end < 0 || cr < end) ? cr : end;
    if (lineEnd >= 0)
        head.truncate(lineEnd);
    const TextLines text = DecodeLines(head);
    if (text.lines.isEmpty() || !text.lines.first().startsWith(u';'))
        return std::nullopt;
    return text.lines.first().mid(1);
}

QString WordListPathForName(const AppState& app, const QString& name) {
    if (name.compare(MyDictFileName, Qt::CaseInsensitive) == 0)
        return ProgramFilePath(app, QStringLiteral("users/") + app.currentUser + u'/' + name);
    return ProgramFilePath(app, QStringLiteral("Dicts/") + name);
}

} // namespace lexarion
