#include "app/ui/aboutform.h"

#include "app/publisher.h"
#include "core/appstate.h"
#include "core/settings.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/skinnedwindow.h"

#include <QFrame>
#include <QLabel>

namespace lexarion {

AboutForm::AboutForm(AppState& app, WindowHooks* hooks, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("关于本软件"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* client = new QWidget(this);
    client->resize(456, 270);
    skin_ = new SkinnedWindow(this, client, {}, hooks);

    auto* image = new QLabel(client);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(QPixmap(ProgramFilePath(app, QStringLiteral("Pictures/About.bmp"))));
    image->setGeometry(18, 18, 96, 96);

    const auto label = [client](const char* name, const QString& text, int y, int h) {
        auto* l = new QLabel(text, client);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(132, y, 306, h);
        l->setWordWrap(true);
        return l;
    };
    QLabel* title =
        label("TitleLabel", QStringLiteral("软件名称: ") + ProductName.toString(), 20, 22);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    label("VersionLabel", QStringLiteral("版本: ") + ProductVersion.toString(), 44, 22);
    label("RightsLabel", RightsNotice.toString(), 68, 40);
    label("WebSiteLabel", QStringLiteral("详情请访问: ") + HomePageAddress.toString(), 110, 22);
    auto* line = new QFrame(client);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(18, 140, 420, 4);
    auto* warning = label("WarningLabel", TermsOfUseNotice.toString(), 150, 66);
    warning->setGeometry(18, 150, 420, 66);

    auto* ok = new ButtonXP(client);
    ok->setObjectName(QStringLiteral("ButtonXP1"));
    ok->SetCaption(QStringLiteral("确定"));
    ok->move(362, 226);
    connect(ok, &ButtonXP::Click, this, &QDialog::accept);
    skin_->Load(app);
}

AboutForm::~AboutForm() {
    skin_->Unload();
}

} // namespace lexarion
