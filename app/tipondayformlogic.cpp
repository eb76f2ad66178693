#include "app/tipondayformlogic.h"

#include "core/appstate.h"
#include "core/settings.h"
#include "platform/numbertext.h"
#include "platform/textfile.h"

#include <QDir>
#include <limits>

namespace lexarion {

QStringList TipFileNames(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QString ReadTipFile(const QString& path) {
    const std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes)
        return TipReadErrorText.toString();
    QString text;
    for (const QString& line : DecodeLines(*bytes).lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

qint32 WrapTipIndex(qint32 index, qint32 count) {
    if (index < 0)
        return count - 1;
    if (index > count - 1)
        return 0;
    return index;
}

TipBrowser::TipBrowser(const AppState& app) : app_(app) {
    const double stored = NumberValue(ReadSetting(app_, setting::TipIndex));
    // A value beyond the 32-bit range (hand-edited) starts from the beginning.
    index_ = RoundToInt32(stored).value_or(0);
    if (index_ < std::numeric_limits<qint32>::max())
        ++index_;
}

std::optional<QString> TipBrowser::Show() {
    const QString folder = ProgramFilePath(app_, QStringLiteral("Tips"));
    const QStringList files = TipFileNames(folder);
    const qint32 count = qint32(files.size());
    index_ = WrapTipIndex(index_, count);
    if (index_ < 0 || index_ > count - 1)
        return std::nullopt;
    return ReadTipFile(AddBackslash(folder) + files.at(index_));
}

std::optional<QString> TipBrowser::Back() {
    --index_;
    return Show();
}

std::optional<QString> TipBrowser::Forward() {
    if (index_ < std::numeric_limits<qint32>::max())
        ++index_;
    return Show();
}

bool TipBrowser::ShowOnStartChecked() const {
    // The box offers the tip at start-up to a fresh user, who has not been shown it yet.
    return NumberValue(ReadSetting(app_, setting::ShowOnStart, QStringLiteral("1"))) != 0;
}

void TipBrowser::Store(bool showOnStart) const {
    WriteSetting(app_, setting::ShowOnStart,
                 showOnStart ? QStringLiteral("1") : QStringLiteral("0"));
    WriteSetting(app_, setting::TipIndex, QString::number(index_));
}

} // namespace lexarion
