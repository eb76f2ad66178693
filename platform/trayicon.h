#pragma once

// The icon in the desktop's notification area. Its notifications are delivered as the mouse
// messages they stand for (platform/traymessages.h).

#include "platform/traymessages.h"

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>

namespace lexarion {

class TrayIcon {
public:
    using Notify = std::function<void(int message, QPoint globalPosition)>;
    virtual ~TrayIcon() = default;
    // Shows the icon; false when no notification area is there to take it.
    virtual bool Add(const QIcon& icon, const QString& tip, Notify notify) = 0;
    virtual void Remove() = 0;
};

} // namespace lexarion
