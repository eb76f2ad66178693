#include "platform/desktopurlopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace lexarion {

bool DesktopUrlOpener::Open(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace lexarion
