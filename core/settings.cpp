#include "core/settings.h"

#include "core/appstate.h"
#include "platform/privateprofile.h"
#include "platform/textfile.h"

namespace lexarion {

QString& AddBackslash(QString& path) {
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

QString AddBackslash(const QString& path) {
    QString copy = path;
    return AddBackslash(copy);
}

QString TrimAtNull(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

QString ProgramFilePath(const AppState& app, const QString& relative) {
    return ResolveCaseInsensitive(AddBackslash(app.ProgramFolder()), relative);
}

QString UserFilePath(const AppState& app, const QString& name) {
    return ProgramFilePath(app, QStringLiteral("users/") + app.currentUser + u'/' + name);
}

QString UserSettingsFile(const AppState& app) {
    return UserFilePath(app, QStringLiteral("config.ini"));
}

QString GlobalSettingsFile(const AppState& app) {
    return ProgramFilePath(app, QStringLiteral("config.ini"));
}

QString ReadSettingFile(const QString& section, const QString& key, const QString& defaultValue,
                        const QString& file) {
    QString value = GetPrivateProfileString(section, key, defaultValue, file);
    if (value.isEmpty())
        return defaultValue; // an empty value is read as zero characters: the default applies
    while (!value.isEmpty() && value.back() == u' ')
        value.chop(1);
    return TrimAtNull(value);
}

QString ReadSetting(const AppState& app, const QString& section, const QString& key,
                    const QString& defaultValue, QString& file) {
    if (file.isEmpty())
        file = UserSettingsFile(app);
    return ReadSettingFile(section, key, defaultValue, file);
}

QString ReadSetting(const AppState& app, const QString& section, const QString& key,
                    const QString& defaultValue) {
    QString file;
    return ReadSetting(app, section, key, defaultValue, file);
}

void WriteSetting(const AppState& app, const QString& section, const QString& key,
                  const QString& value, QString& file) {
    if (file.isEmpty())
        file = UserSettingsFile(app);
    WritePrivateProfileString(section, key, value, file);
}

void WriteSetting(const AppState& app, const QString& section, const QString& key,
                  const QString& value) {
    QString file;
    WriteSetting(app, section, key, value, file);
}

QString ReadSetting(const AppState& app, const SettingKey& key) {
    Q_ASSERT(!key.sitesDiffer);
    return ReadSetting(app, key.section.toString(), key.key.toString(),
                       key.defaultValue.toString());
}

QString ReadSetting(const AppState& app, const SettingKey& key, const QString& siteDefault) {
    return ReadSetting(app, key.section.toString(), key.key.toString(), siteDefault);
}

QString ReadSetting(const AppState& app, const NumberedSettingKey& key, int number) {
    return ReadSetting(app, key.section.toString(), key.prefix.toString() + QString::number(number),
                       key.defaultValue.toString());
}

void WriteSetting(const AppState& app, const SettingKey& key, const QString& value) {
    WriteSetting(app, key.section.toString(), key.key.toString(), value);
}

void WriteSetting(const AppState& app, const NumberedSettingKey& key, int number,
                  const QString& value) {
    WriteSetting(app, key.section.toString(), key.prefix.toString() + QString::number(number),
                 value);
}

} // namespace lexarion
