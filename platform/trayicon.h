#pragma once

// The icon in the desktop's notification area. Its notifications are delivered as the mouse
// messages they stand for: 515 for a double click, 517 for a context request (right button).

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

class QSystemTrayIcon;

namespace lexarion {

class TrayIcon {
public:
    using Notify = std::function<void(int message, QPoint globalPosition)>;
    virtual ~TrayIcon() = default;
    // Shows the icon; false when no notification area is there to take it.
    virtual bool Add(const QIcon& icon, const QString& tip, Notify notify) = 0;
    virtual void Remove() = 0;
};

// The notification area through QSystemTrayIcon.
class SystemTrayIcon : public TrayIcon {
public:
    SystemTrayIcon();
    ~SystemTrayIcon() override;
    bool Add(const QIcon& icon, const QString& tip, Notify notify) override;
    void Remove() override;

private:
    std::unique_ptr<QSystemTrayIcon> icon_;
};

} // namespace lexarion
