#pragma once

// The first window: the user types a name and logs in ("进入") or quits ("退出").

#include <QWidget>

namespace lexarion {

class AppState;
class ButtonXP;
class TextBoxXP;

class LoginForm : public QWidget {
    Q_OBJECT
public:
    explicit LoginForm(AppState& app, QWidget* parent = nullptr);

    TextBoxXP* UserTextBox() const { return userTextBox_; }

    // Validates the typed name, prepares the user's folder and hands over to the splash.
    void DoLogin();

signals:
    void LoggedIn();

protected:
    bool event(QEvent* event) override;

private:
    AppState& app_;
    TextBoxXP* userTextBox_;
    ButtonXP* loginButton_;
    ButtonXP* quitButton_;
};

} // namespace lexarion
