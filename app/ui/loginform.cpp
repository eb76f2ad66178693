#include "app/ui/loginform.h"

#include "app/loginformlogic.h"
#include "core/appstate.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/skinnedwindow.h"
#include "skin/ui/textboxxp.h"

#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QTimer>

namespace lexarion {

LoginForm::LoginForm(AppState& app, WindowHooks* hooks, QWidget* parent)
    : QWidget(parent), app_(app), client_(new QWidget(this)),
      skin_(new SkinnedWindow(this, client_, {.maxButton = false, .minButton = true}, hooks)),
      userTextBox_(new TextBoxXP(client_)), loginButton_(new ButtonXP(client_)),
      quitButton_(new ButtonXP(client_)) {
    setObjectName(QStringLiteral("LoginForm"));
    setWindowTitle(QStringLiteral("Lexarion用户登陆"));
    setAttribute(Qt::WA_DeleteOnClose);
    client_->resize(300, 100);

    auto* label = new QLabel(QStringLiteral("用户名:"), client_);
    label->setGeometry(24, 20, 60, 24);
    userTextBox_->setObjectName(QStringLiteral("UserTextBox"));
    userTextBox_->setGeometry(88, 18, 188, 26);
    loginButton_->setObjectName(QStringLiteral("ButtonXP1"));
    loginButton_->SetCaption(QStringLiteral("进入"));
    loginButton_->move(88, 60);
    quitButton_->setObjectName(QStringLiteral("ButtonXP2"));
    quitButton_->SetCaption(QStringLiteral("退出"));
    quitButton_->move(190, 60);

    userTextBox_->SetText(LastUserName(app_));
    // The skin applied is the skin of the user named in the box, before any check.
    app_.currentUser = userTextBox_->Text();
    skin_->Load(app_);

    connect(loginButton_, &ButtonXP::Click, this, &LoginForm::DoLogin);
    connect(quitButton_, &ButtonXP::Click, this, &QWidget::close);
    connect(userTextBox_, &TextBoxXP::KeyPress, this, [this](int& keyAscii) {
        if (keyAscii == 13) {
            keyAscii = 0;
            // After the key event has finished: the login may close this window.
            QTimer::singleShot(0, this, &LoginForm::DoLogin);
        }
    });
}

bool LoginForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        userTextBox_->setFocus();
        userTextBox_->SetSelStart(0);
        userTextBox_->SetSelLength(int(userTextBox_->Text().size()));
    }
    return QWidget::event(event);
}

void LoginForm::DoLogin() {
    const QString name = userTextBox_->Text();
    const LoginResult result = LogInUser(app_, name);
    if (result != LoginResult::LoggedIn) {
        const QString message =
            result == LoginResult::InvalidName
                ? InvalidUserNameMessage.toString()
                : UserFolderErrorMessage.arg(QDir::toNativeSeparators(UserFolderPath(app_, name)));
        ShowProgramMessage(app_, message, QStringLiteral("错误"), MessageIcon::Error);
        userTextBox_->setFocus();
        return;
    }
    skin_->Unload();
    hide();
    emit LoggedIn();
    close();
}

LoginForm::~LoginForm() {
    skin_->Unload();
}

} // namespace lexarion
