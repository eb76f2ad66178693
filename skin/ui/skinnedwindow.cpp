#include "skin/ui/skinnedwindow.h"

#include "skin/twips.h"
#include "skin/ui/applyskin.h"
#include "skin/ui/formxp.h"
#include "skin/ui/windowhooks.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace lexarion {

SkinnedWindow::SkinnedWindow(QWidget* form, QWidget* client, FrameButtons buttons,
                             WindowHooks* hooks)
    : QObject(form), form_(form), client_(client), frame_(new FormXP(form)), hooks_(hooks) {
    frame_->setObjectName(QStringLiteral("FormXP1"));
    frame_->SetMaxButton(buttons.maxButton);
    frame_->SetMinButton(buttons.minButton);
    frame_->SetResizeable(false);
    form_->installEventFilter(this);
    Fit();
}

void SkinnedWindow::Load(const AppState& app) {
    if (hooks_)
        hooks_->HookWindow(form_);
    ApplyUserSkin(app);
    // A window of its own opens in the middle of the screen; a dialog opens over its owner,
    // kept on the screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QWidget* owner = form_->parentWidget() ? form_->parentWidget()->window() : nullptr;
    const QPoint centre =
        owner && owner->isVisible() ? owner->geometry().center() : available.center();
    QRect place(centre - form_->rect().center(), form_->size());
    place.moveLeft(std::clamp(place.left(), available.left(),
                              std::max(available.left(), available.right() - place.width() + 1)));
    place.moveTop(std::clamp(place.top(), available.top(),
                             std::max(available.top(), available.bottom() - place.height() + 1)));
    form_->move(place.topLeft());
}

void SkinnedWindow::ApplyUserSkin(const AppState& app) {
    ApplySkin(form_, app);
    Fit();
}

void SkinnedWindow::Unload() {
    if (hooks_)
        hooks_->UnhookWindow(form_);
}

bool SkinnedWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_ && event->type() == QEvent::Resize)
        Fit();
    return false;
}

void SkinnedWindow::Fit() {
    if (fitting_)
        return;
    fitting_ = true;
    // The borders and the title bar measure the same at any window size: the window is the
    // client's size plus what the frame laid round its client at its last layout.
    const QRect client = TwipsToPixels(frame_->ClientLeft(), frame_->ClientTop(),
                                       frame_->ClientWidth(), frame_->ClientHeight());
    const QSize margins = frame_->size() - client.size();
    client_->move(client.topLeft());
    const QSize size = client_->size() + margins;
    if (form_->size() != size) {
        form_->setFixedSize(size);
        // A hidden window is not told of its new size before it is shown.
        frame_->DrawFormXP();
    }
    fitting_ = false;
}

} // namespace lexarion
