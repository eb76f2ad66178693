// The help window: the help pages of the program folder shown in the program's own window,
// moving between pages with back and forward, links out of the pages handed to the system.

#include "app/ui/helpform.h"
#include "core/appstate.h"
#include "platform/urlopener.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/windowhooks.h"
#include "support/tempprogramfolder.h"

#include <QPointer>
#include <QTextBrowser>
#include <QtTest>

using namespace lexarion;
using lexarion::testing::TempProgramFolder;

namespace {

class RecordingOpener : public UrlOpener {
public:
    QStringList opened;
    bool Open(const QString& address) override {
        opened << address;
        return true;
    }
};

} // namespace

class HelpFormTest : public QObject {
    Q_OBJECT
private slots:
    void showsThePagesAndFollowsTheirLinks();
    void saysSoWhenTheHelpIsMissing();
};

void HelpFormTest::showsThePagesAndFollowsTheirLinks() {
    TempProgramFolder folder;
    folder.Write("help/index.html", "<html><body><h1>Index</h1><a href=\"more.html\">more</a>"
                                    "<a href=\"https://example.org/\">site</a></body></html>");
    folder.Write("help/more.html", "<html><body><h1>More</h1></body></html>");
    AppState app(folder.Path());
    WindowHooks hooks;
    RecordingOpener opener;
    QPointer<HelpForm> form = new HelpForm(app, &hooks, &opener);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QCOMPARE(form->windowTitle(), u"Lexarion - [帮助]"_qs);
    QVERIFY(hooks.IsHooked(form));
    QTextBrowser* browser = form->Browser();
    QVERIFY(browser->toPlainText().contains("Index"));
    QVERIFY(!form->BackButton()->Enabled());

    emit browser->anchorClicked(QUrl("more.html"));
    QVERIFY(browser->toPlainText().contains("More"));
    QVERIFY(form->BackButton()->Enabled());
    emit form->BackButton()->Click();
    QVERIFY(browser->toPlainText().contains("Index"));
    QVERIFY(form->ForwardButton()->Enabled());

    emit browser->anchorClicked(QUrl("https://example.org/"));
    QCOMPARE(opener.opened, QStringList{"https://example.org/"});
    QVERIFY(browser->toPlainText().contains("Index"));

    emit form->CloseButton()->Click();
    QTRY_VERIFY(!form);
    QVERIFY(hooks.HookedWindows().isEmpty());
}

void HelpFormTest::saysSoWhenTheHelpIsMissing() {
    TempProgramFolder folder;
    AppState app(folder.Path());
    HelpForm form(app, nullptr, nullptr);
    form.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(form.Browser()->toPlainText(), MissingHelpText.toString());
}

QTEST_MAIN(HelpFormTest)
#include "helpform_test.moc"
