#pragma once

// The console: a background picture with ten picture buttons and the version label. Closing
// it ends the program through the shutdown sequence.

#include "app/controlformlogic.h"

#include <QWidget>
#include <array>
#include <functional>

class QLabel;

namespace lexarion {

class AppState;
class SkinnedWindow;
class WindowHooks;

class ControlForm : public QWidget {
    Q_OBJECT
public:
    // `runCommand(c)` runs the command of a pressed button; `canHideToTray()` tells whether a tray
    // icon is there to bring the console back.
    ControlForm(AppState& app, WindowHooks* hooks, std::function<void(Command)> runCommand,
                std::function<bool()> canHideToTray, QWidget* parent = nullptr);
    ~ControlForm() override;

    // The frame, the hooks and the skin; a skin chosen in the settings takes effect at once
    // through Skin().ApplyUserSkin.
    SkinnedWindow& Skin() const { return *skin_; }

    const ConsoleButtons& Buttons() const { return buttons_; }
    QWidget* BackImage() const { return backImage_; }
    QWidget* ButtonImage(int index) const { return buttonImages_[size_t(index)]; }
    QLabel* VersionLabel() const { return versionLabel_; }

    // Brings the console back from the tray or the task bar.
    void ShowNormal();

signals:
    // The console is closing: the shutdown sequence runs now.
    void Closing();
    void OpenTextEffect();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The background and the buttons: the skin's own pictures where its folder has them.
    void LoadPictures(const QString& skinFolder);
    void ShowLooks();
    void Run(int index);

    AppState& app_;
    std::function<void(Command)> runCommand_;
    std::function<bool()> canHideToTray_;
    ConsoleButtons buttons_;
    QWidget* backImage_;
    std::array<QWidget*, ConsoleButtonCount> buttonImages_{};
    QLabel* versionLabel_;
    SkinnedWindow* skin_;
    bool closing_ = false;
};

} // namespace lexarion
