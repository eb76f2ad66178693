#include "platform/systemtrayicon.h"

#include <QCursor>
#include <QSystemTrayIcon>

namespace lexarion {

SystemTrayIcon::SystemTrayIcon() = default;
SystemTrayIcon::~SystemTrayIcon() {
    Remove();
}

bool SystemTrayIcon::Add(const QIcon& icon, const QString& tip, Notify notify) {
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    icon_ = std::make_unique<QSystemTrayIcon>(icon);
    icon_->setToolTip(tip);
    QObject::connect(icon_.get(), &QSystemTrayIcon::activated,
                     [notify](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::DoubleClick)
                             notify(TrayLeftDoubleClick, QCursor::pos());
                         else if (reason == QSystemTrayIcon::Context)
                             notify(TrayRightButtonUp, QCursor::pos());
                     });
    icon_->show();
    return true;
}

void SystemTrayIcon::Remove() {
    if (icon_) {
        icon_->hide();
        icon_.reset();
    }
}

} // namespace lexarion
