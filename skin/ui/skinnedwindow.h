#pragma once

// What every skinned window of the program does with its frame: the window frame FormXP1 lies
// beneath the window's controls, the window is hooked from its load to its unload so that its
// activation reaches the frame, and it takes the user's skin when it loads. The controls lie
// on one client widget, kept at the frame's client origin; the window has a fixed size, exactly
// that of the client widget with the frame around it, whatever the skin's frame pieces measure.

#include <QObject>
#include <QPointer>

class QWidget;

namespace lexarion {

class AppState;
class FormXP;
class WindowHooks;

struct FrameButtons {
    bool maxButton = false;
    bool minButton = false;
};

class SkinnedWindow : public QObject {
    Q_OBJECT
public:
    // Makes the frame of `form` (a top-level window drawn without a system frame whose title
    // is its caption) round `client`, a child of `form`.
    SkinnedWindow(QWidget* form, QWidget* client, FrameButtons buttons, WindowHooks* hooks);

    FormXP* Frame() const { return frame_; }
    QWidget* Client() const { return client_; }

    // The window's load: HookWindow, then the user's skin (ApplySkin) and the window fitted
    // round its client; a window without an owner is placed in the middle of the screen.
    void Load(const AppState& app);
    // The user's skin applied again, for a skin chosen while the window is open.
    void ApplyUserSkin(const AppState& app);
    // The window's unload: UnhookWindow; harmless when it is unhooked already.
    void Unload();

signals:
    // A skin has just been applied to the window (at its load, or a skin chosen later), so
    // that a window with pictures of its own can take the skin's.
    void SkinApplied(const QString& folderPath);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fit();

    QWidget* form_;
    QWidget* client_;
    FormXP* frame_;
    QPointer<WindowHooks> hooks_;
    bool fitting_ = false;
};

} // namespace lexarion
