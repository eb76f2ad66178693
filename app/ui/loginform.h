#pragma once

// The first window: the user types a name and logs in ("进入") or quits ("退出").

#include <QWidget>

namespace lexarion {

class AppState;
class ButtonXP;
class SkinnedWindow;
class TextBoxXP;
class WindowHooks;

class LoginForm : public QWidget {
    Q_OBJECT
public:
    LoginForm(AppState& app, WindowHooks* hooks, QWidget* parent = nullptr);
    ~LoginForm() override;

    TextBoxXP* UserTextBox() const { return userTextBox_; }
    ButtonXP* LoginButton() const { return loginButton_; }
    ButtonXP* QuitButton() const { return quitButton_; }
    SkinnedWindow& Skin() const { return *skin_; }

    // Validates the typed name, prepares the user's folder and hands over to the splash.
    void DoLogin();

signals:
    void LoggedIn();

protected:
    bool event(QEvent* event) override;

private:
    AppState& app_;
    QWidget* client_;
    SkinnedWindow* skin_;
    TextBoxXP* userTextBox_;
    ButtonXP* loginButton_;
    ButtonXP* quitButton_;
};

} // namespace lexarion
