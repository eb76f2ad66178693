#include "wordlist/mydict.h"

#include "core/appstate.h"
#include "core/settings.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>

namespace lexarion {

namespace {

QString BookName() {
    return QString::fromUtf16(MyDictFileName);
}

} // namespace

QString MyDictPath(const AppState& app) {
    return UserFilePath(app, BookName());
}

bool IsMyDictLoaded(const AppState& app) {
    const QString dicts = ProgramFilePath(app, QStringLiteral("Dicts/"));
    const QString named = dicts + ReadSetting(app, setting::DictionaryFile);
    return named.compare(dicts + BookName(), Qt::CaseInsensitive) == 0;
}

void AddToMyDict(AppState& app) {
    if (IsMyDictLoaded(app)) {
        ShowProgramMessage(app, u"你现在所用的词库就是 "_qs + BookName() + u" 呀,不用再加了."_qs,
                           u"信息"_qs, MessageIcon::Information);
        return;
    }
    if (app.wordList.IsValidPosition(app.currentWordIndex))
        AppendToMyDict(app, app.wordList.Item(app.currentWordIndex));
}

bool AppendToMyDict(AppState& app, const QString& line) {
    const QString path = MyDictPath(app);
    if (AppendLineToTextFile(path, line))
        return true;
    // Otherwise the word would seem added and be missing when the book is opened.
    ShowProgramMessage(app, MyDictWriteErrorMessage.arg(QDir::toNativeSeparators(path)), u"错误"_qs,
                       MessageIcon::Error);
    return false;
}

void DeleteFromMyDict(AppState& app) {
    if (!IsMyDictLoaded(app)) {
        ShowProgramMessage(app, u"你现在所用的词库不是 "_qs + BookName() + u",你不能删除."_qs,
                           u"信息"_qs, MessageIcon::Information);
        return;
    }
    app.wordList.RemoveAt(app.currentWordIndex);
}

bool SaveMyDict(const AppState& app) {
    if (!IsMyDictLoaded(app))
        return true;
    const QString path = MyDictPath(app);
    if (app.loadedWordListPath.isEmpty() || QFileInfo(app.loadedWordListPath) != QFileInfo(path))
        return true;
    return RewriteTextFile(path, app.wordList.Lines());
}

} // namespace lexarion
