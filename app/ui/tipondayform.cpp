#include "app/ui/tipondayform.h"

#include "app/publisher.h"
#include "core/appstate.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/checkboxxp.h"
#include "skin/ui/framexp.h"
#include "skin/ui/skinnedwindow.h"

#include <QCloseEvent>
#include <QLabel>

namespace lexarion {

TipOnDayForm::TipOnDayForm(AppState& app, WindowHooks* hooks, QWidget* parent)
    : QDialog(parent), tips_(app) {
    setObjectName(QStringLiteral("TipOnDayForm"));
    setWindowTitle(QStringLiteral("Lexarion - [每日英语]"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* client = new QWidget(this);
    client->resize(470, 300);
    skin_ = new SkinnedWindow(this, client, {}, hooks);

    auto* frame = new FrameXP(client);
    frame->setObjectName(QStringLiteral("FrameXP1"));
    frame->SetCaption(QStringLiteral("每日英语"));
    frame->setGeometry(64, 10, 394, 230);
    tipLabel_ = new QLabel(QStringLiteral("这里显示每日英语的内容。"), client);
    tipLabel_->setObjectName(QStringLiteral("TipLabel"));
    tipLabel_->setGeometry(78, 36, 366, 196);
    tipLabel_->setWordWrap(true);
    tipLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tipLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    titleLabel_ = new QLabel(client);
    titleLabel_->setObjectName(QStringLiteral("TitleLabel"));
    QStringList letters;
    for (const QChar c : ProductName)
        letters << QString(c);
    titleLabel_->setText(letters.join(QStringLiteral("\r\n")));
    QFont title(QStringLiteral("隶书"));
    title.setPixelSize(22);
    title.setBold(true);
    titleLabel_->setFont(title);
    titleLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    titleLabel_->setGeometry(12, 14, 40, 226);

    showOnStartCheck_ = new CheckBoxXP(client);
    showOnStartCheck_->setObjectName(QStringLiteral("ShowOnStartCheck"));
    showOnStartCheck_->SetCaption(QStringLiteral("启动时显示"));
    showOnStartCheck_->setGeometry(64, 256, 120, 24);
    backButton_ = new ButtonXP(client);
    backButton_->setObjectName(QStringLiteral("ButtonXP1"));
    backButton_->SetCaption(QStringLiteral("向后"));
    backButton_->move(206, 252);
    forwardButton_ = new ButtonXP(client);
    forwardButton_->setObjectName(QStringLiteral("ButtonXP2"));
    forwardButton_->SetCaption(QStringLiteral("向前"));
    forwardButton_->move(290, 252);
    closeButton_ = new ButtonXP(client);
    closeButton_->setObjectName(QStringLiteral("ButtonXP3"));
    closeButton_->SetCaption(QStringLiteral("关闭"));
    closeButton_->move(374, 252);

    showOnStartCheck_->SetValue(tips_.ShowOnStartChecked());
    Show(tips_.Show());
    skin_->Load(app);

    connect(backButton_, &ButtonXP::Click, this, [this] { Show(tips_.Back()); });
    connect(forwardButton_, &ButtonXP::Click, this, [this] { Show(tips_.Forward()); });
    connect(closeButton_, &ButtonXP::Click, this, &QDialog::close);
}

TipOnDayForm::~TipOnDayForm() {
    skin_->Unload();
}

void TipOnDayForm::Show(const std::optional<QString>& text) {
    if (text)
        tipLabel_->setText(*text);
}

void TipOnDayForm::Store() {
    if (stored_)
        return;
    stored_ = true;
    tips_.Store(showOnStartCheck_->Value());
}

void TipOnDayForm::closeEvent(QCloseEvent* event) {
    Store();
    QDialog::closeEvent(event);
}

void TipOnDayForm::done(int result) {
    // Escape and the window manager's close both end here as well.
    Store();
    QDialog::done(result);
}

} // namespace lexarion
