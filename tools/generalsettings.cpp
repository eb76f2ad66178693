#include "tools/generalsettings.h"

#include "core/appstate.h"
#include "core/settings.h"
#include "platform/numbertext.h"
#include "platform/speechengine.h"
#include "platform/textfile.h"
#include "skin/skinparameters.h"
#include "wordlist/mydict.h"
#include "wordlist/wordlist.h"

#include <QDir>

namespace lexarion {

namespace {

const QString General = QStringLiteral("General");

QString ReadGeneral(const AppState& app, const char* key, const char* defaultValue) {
    return ReadSetting(app, General, QString::fromLatin1(key), QString::fromLatin1(defaultValue));
}

qint32 ReadGeneralNumber(const AppState& app, const char* key, const char* defaultValue) {
    return RoundToInt32(NumberValue(ReadGeneral(app, key, defaultValue))).value_or(0);
}

void WriteGeneral(const AppState& app, const char* key, const QString& value) {
    WriteSetting(app, General, QString::fromLatin1(key), value);
}

void WriteGeneral(const AppState& app, const char* key, qint64 value) {
    WriteGeneral(app, key, QString::number(value));
}

QString Flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QStringList SortedEntries(const QString& folder, const QStringList& filters, QDir::Filters kind) {
    return QDir(folder).entryList(filters, kind | QDir::NoDotAndDotDot,
                                  QDir::Name | QDir::IgnoreCase);
}

} // namespace

QStringList SkinNames(const AppState& app) {
    return SortedEntries(ProgramFilePath(app, QStringLiteral("Skins")), {}, QDir::Dirs);
}

QStringList WordListNames(const AppState& app) {
    QStringList names = SortedEntries(ProgramFilePath(app, QStringLiteral("Dicts")),
                                      {QStringLiteral("*.wsl")}, QDir::Files);
    names.append(QString::fromUtf16(MyDictFileName));
    return names;
}

QString SkinDescription(const AppState& app, const QString& skin) {
    return ReadSettingFile(General, QStringLiteral("Description"), NoSkinDescription.toString(),
                           SkinParameterFile(SkinFolderPath(app, skin)));
}

QString SkinPreviewPath(const AppState& app, const QString& skin) {
    const QString path = SkinFilePath(SkinFolderPath(app, skin), QStringLiteral("PreView.bmp"));
    return IsOrdinaryFile(path) ? path : QString();
}

QString WordListDescription(const AppState& app, const QString& name) {
    if (name.compare(MyDictFileName, Qt::CaseInsensitive) == 0)
        return MyDictDescription.toString();
    if (name.compare(u"All.wsl", Qt::CaseInsensitive) == 0)
        return AllWordsDescription.toString();
    return ReadWordListDescription(ProgramFilePath(app, QStringLiteral("Dicts/") + name))
        .value_or(NoWordListDescription.toString());
}

qint32 GroupCount(qint64 wordCount, qint64 groupSize) {
    if (groupSize <= 0)
        return 0;
    return qint32((wordCount + groupSize - 1) / groupSize);
}

GeneralSettings ReadGeneralSettings(const AppState& app) {
    GeneralSettings s;
    s.skinFolder = ReadGeneral(app, "SkinFolder", "WindowsXP");
    s.dictionaryFile = ReadGeneral(app, "DictionaryFile", "cet-4.wsl");
    s.speakSpeed = ReadGeneralNumber(app, "SpeakSpeed", "170");
    s.speakMode = ReadGeneralNumber(app, "SpeakMode", "1");
    s.showAsGroup = ReadGeneralNumber(app, "ShowAsGroup", "0") != 0;
    s.groupSize = ReadGeneralNumber(app, "GroupSize", "1");
    s.group = ReadGeneralNumber(app, "Group", "1");
    s.lastPlanGroup = ReadGeneralNumber(app, "LastPlanGroup", "0");
    s.runPlan = ReadGeneralNumber(app, "RunPlan", "0") != 0;
    return s;
}

QString WordListPath(const AppState& app, const QString& name) {
    if (name.compare(MyDictFileName, Qt::CaseInsensitive) == 0)
        return MyDictPath(app);
    return ProgramFilePath(app, QStringLiteral("Dicts/") + name);
}

bool SaveGeneralSettings(AppState& app, const GeneralSettings& chosen,
                         const std::function<bool()>& confirmNewList, SpeechEngine* speech) {
    bool loaded = false;
    // Compared with the list start-up loads for a missing setting, so that a user who has never
    // chosen a list is not asked to load the one that is loaded already.
    const QString stored = ReadGeneral(app, "DictionaryFile", "cet-4.wsl");
    if (chosen.dictionaryFile.compare(stored, Qt::CaseInsensitive) != 0 && confirmNewList &&
        confirmNewList()) {
        const QString path = WordListPath(app, chosen.dictionaryFile);
        SaveMyDict(app);
        WriteGeneral(app, "DictionaryFile", chosen.dictionaryFile);
        LoadWordList(app, path);
        WriteGeneral(app, "Group", 1);
        WriteGeneral(app, "GroupSize", 1);
        loaded = true;
    } else {
        WriteGeneral(app, "Group", chosen.group);
        WriteGeneral(app, "GroupSize", chosen.groupSize);
    }

    WriteGeneral(app, "SpeakSpeed", chosen.speakSpeed);
    WriteGeneral(app, "SpeakMode", chosen.speakMode);
    if (speech) {
        if (speech->IsSpeaking())
            speech->Stop();
        speech->SetSpeed(chosen.speakSpeed);
        speech->SetMode(chosen.speakMode);
    }

    WriteGeneral(app, "ShowAsGroup", Flag(chosen.showAsGroup));
    WriteGeneral(app, "LastPlanGroup", chosen.lastPlanGroup);
    WriteGeneral(app, "RunPlan", Flag(chosen.runPlan));
    return loaded;
}

} // namespace lexarion
