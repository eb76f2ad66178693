#include "app/ui/helpform.h"

#include "app/shellservices.h"
#include "core/appstate.h"
#include "core/settings.h"
#include "platform/textfile.h"
#include "platform/urlopener.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/skinnedwindow.h"

#include <QTextBrowser>

namespace lexarion {

HelpForm::HelpForm(AppState& app, WindowHooks* hooks, UrlOpener* opener, QWidget* parent)
    : QWidget(parent, Qt::Window), app_(app), opener_(opener) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Lexarion - [帮助]"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* client = new QWidget(this);
    client->resize(720, 540);
    skin_ = new SkinnedWindow(this, client, {.maxButton = false, .minButton = true}, hooks);

    browser_ = new QTextBrowser(client);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setGeometry(10, 10, 700, 480);
    browser_->setOpenLinks(false);
    const auto button = [client](const char* name, const QString& caption, int x) {
        auto* b = new ButtonXP(client);
        b->setObjectName(QString::fromLatin1(name));
        b->SetCaption(caption);
        b->move(x, 504);
        return b;
    };
    backButton_ = button("BackButton", QStringLiteral("后退"), 10);
    forwardButton_ = button("ForwardButton", QStringLiteral("前进"), 94);
    homeButton_ = button("HomeButton", QStringLiteral("目录"), 178);
    closeButton_ = button("CloseButton", QStringLiteral("关闭"), 636);

    const QString index = ProgramFilePath(app, QStringLiteral("help/index.html"));
    if (IsOrdinaryFile(index))
        browser_->setSource(QUrl::fromLocalFile(index));
    else
        browser_->setPlainText(MissingHelpText.toString());

    const auto showHistory = [this] {
        backButton_->SetEnabled(browser_->isBackwardAvailable());
        forwardButton_->SetEnabled(browser_->isForwardAvailable());
    };
    showHistory();
    connect(browser_, &QTextBrowser::historyChanged, this, showHistory);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpForm::OpenLink);
    connect(backButton_, &ButtonXP::Click, browser_, &QTextBrowser::backward);
    connect(forwardButton_, &ButtonXP::Click, browser_, &QTextBrowser::forward);
    connect(homeButton_, &ButtonXP::Click, browser_, &QTextBrowser::home);
    connect(closeButton_, &ButtonXP::Click, this, &QWidget::close);
    skin_->Load(app);
}

HelpForm::~HelpForm() {
    skin_->Unload();
}

void HelpForm::OpenLink(const QUrl& url) {
    // The pages and their anchors are shown here; the rest of the web is the browser's.
    const QUrl target = browser_->source().resolved(url);
    if (target.isLocalFile() || target.scheme().isEmpty()) {
        browser_->setSource(target);
        return;
    }
    if (opener_)
        OpenInBrowser(app_, target.toString(), *opener_);
}

} // namespace lexarion
