#pragma once

// The tip of the day without its window: the tip files of Tips/, the position shown, paging
// with wrap-around, and the two settings the window keeps.

#include <QString>
#include <QStringList>
#include <optional>

namespace lexarion {

class AppState;

inline constexpr QStringView TipReadErrorText = u"加载本信息时出错!";

// The tip files of `folder`, every file whatever its name, sorted by name.
QStringList TipFileNames(const QString& folder);

// The whole text of a tip file, each line followed by CR LF; the error text when it cannot be
// read.
QString ReadTipFile(const QString& path);

// `index` brought into 0..count-1: below 0 it wraps to the last tip, past the end to the first.
// With no tips at all the result is left out of range, and nothing is shown.
qint32 WrapTipIndex(qint32 index, qint32 count);

// Paging through the tips of the program's Tips/ folder. The folder is read again at each step,
// so tips added or removed meanwhile count.
class TipBrowser {
public:
    // Starts at the tip after the one shown last ("TipIndex" + 1).
    explicit TipBrowser(const AppState& app);

    qint32 Index() const { return index_; }
    // Wraps the position and returns the text of the tip there; nothing with no tips, and the
    // window then leaves its label as it was.
    std::optional<QString> Show();
    std::optional<QString> Back();
    std::optional<QString> Forward();

    // "ShowOnStart" as the window's check box starts (default on).
    bool ShowOnStartChecked() const;
    // Stores the check box and the position, as each closing of the window does.
    void Store(bool showOnStart) const;

private:
    const AppState& app_;
    qint32 index_ = 0;
};

} // namespace lexarion
