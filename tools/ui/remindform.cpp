#include "tools/ui/remindform.h"

#include "core/appstate.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/framexp.h"
#include "skin/ui/skinnedwindow.h"

#include <QCloseEvent>
#include <QLabel>

namespace lexarion {

RemindForm::RemindForm(AppState& app, WindowHooks* hooks, QWidget* parent)
    : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("RemindForm"));
    setWindowTitle(QStringLiteral("事情提醒"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    auto* client = new QWidget(this);
    client->resize(380, 232);
    skin_ = new SkinnedWindow(this, client, {}, hooks);

    auto* frame = new FrameXP(client);
    frame->setObjectName(QStringLiteral("FrameXP1"));
    frame->SetCaption(QString());
    frame->setGeometry(12, 8, 356, 176);
    auto* heading = new QLabel(QStringLiteral("事情提醒"), frame);
    heading->setObjectName(QStringLiteral("Label1"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setGeometry(14, 14, 200, 22);
    remindTextLabel_ = new QLabel(frame);
    remindTextLabel_->setObjectName(QStringLiteral("RemindTextLabel"));
    remindTextLabel_->setGeometry(14, 42, 328, 124);
    remindTextLabel_->setWordWrap(true);
    remindTextLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    remindTextLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    previousButton_ = new ButtonXP(client);
    previousButton_->setObjectName(QStringLiteral("ButtonXP2"));
    previousButton_->SetCaption(QStringLiteral("向前"));
    previousButton_->move(130, 196);
    nextButton_ = new ButtonXP(client);
    nextButton_->setObjectName(QStringLiteral("ButtonXP3"));
    nextButton_->SetCaption(QStringLiteral("向后"));
    nextButton_->move(214, 196);
    closeButton_ = new ButtonXP(client);
    closeButton_->setObjectName(QStringLiteral("ButtonXP1"));
    closeButton_->SetCaption(QStringLiteral("关闭"));
    closeButton_->move(298, 196);

    due_.Load(app_);
    skin_->Load(app_);
    ShowCurrent();

    connect(previousButton_, &ButtonXP::Click, this, [this] {
        if (due_.Previous())
            ShowCurrent();
    });
    connect(nextButton_, &ButtonXP::Click, this, [this] {
        if (due_.Next())
            ShowCurrent();
    });
    connect(closeButton_, &ButtonXP::Click, this, &QDialog::close);
}

RemindForm::~RemindForm() {
    skin_->Unload();
}

void RemindForm::BringForward() {
    show();
    raise();
    activateWindow();
}

void RemindForm::ShowCurrent() {
    remindTextLabel_->setText(due_.CurrentText());
}

void RemindForm::Purge() {
    if (purged_)
        return;
    purged_ = true;
    skin_->Unload();
    PurgeDueReminders(app_);
    due_.Clear();
}

void RemindForm::closeEvent(QCloseEvent* event) {
    Purge();
    QDialog::closeEvent(event);
}

void RemindForm::done(int result) {
    // Escape and the window manager's close end here as well.
    Purge();
    QDialog::done(result);
}

} // namespace lexarion
