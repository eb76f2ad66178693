#pragma once

// The notification area through QSystemTrayIcon.

#include "platform/trayicon.h"

#include <memory>

class QSystemTrayIcon;

namespace lexarion {

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
