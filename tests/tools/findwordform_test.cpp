// The lookup window over a small dictionary and index: what typing, Enter, the list, the
// buttons and an input method do to the list and the fields; its load and its close.

#include "core/appstate.h"
#include "core/settings.h"
#include "lookupfixture.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/formxp.h"
#include "skin/ui/listboxxp.h"
#include "skin/ui/skincolor.h"
#include "skin/ui/skinnedwindow.h"
#include "skin/ui/textboxxp.h"
#include "skin/ui/windowhooks.h"
#include "support/recordingpresenter.h"
#include "support/savegrab.h"
#include "support/userfixture.h"
#include "tools/ui/findwordform.h"
#include "wordlist/wordlist.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QtTest>

using namespace lexarion;
using namespace lexarion::testing;

namespace {

const QString Prompt = QString::fromUtf16(LookupPrompt);

// Alice over the small dictionary, with the installation's skins.
struct LookupUser : UserFixture {
    LookupUser() {
        WriteSmallLookupFiles(folder);
        folder.CopySkins(QStringLiteral(LEXARION_SKIN_SOURCE_DIR));
    }
    void UseSkin(const char* skin) const {
        folder.Write("users/Alice/config.ini",
                     QByteArray("[General]\r\nSkinFolder=") + skin + "\r\n");
    }
};

QStringList ListCaptions(const ListBoxXP* list) {
    QStringList captions;
    for (int i = 0; i < list->ListCount(); ++i)
        captions << list->GetListItemCaption(i);
    return captions;
}

// The selected row, -1 when none is.
int SelectedRow(const ListBoxXP* list) {
    for (int i = 0; i < list->ListCount(); ++i)
        if (list->IsItemSelected(i))
            return i;
    return -1;
}

} // namespace

class FindWordFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<LookupUser> user_;
    WindowHooks hooks_;
    QPointer<FindWordForm> form_;

    // Opens the window as the shell does.
    FindWordForm* Open() {
        form_ = new FindWordForm(user_->app, &hooks_);
        if (!form_->Load())
            return nullptr;
        form_->show();
        form_->activateWindow();
        return form_;
    }
    // Types `text` as a user would: ASCII on the keys, Chinese committed by an input method.
    void Type(const QString& text) {
        QLineEdit* edit = form_->KeyWordText()->ControlXP();
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(edit, char(c.unicode()));
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(QString(c));
                QCoreApplication::sendEvent(edit, &commit);
            }
        }
    }
    void Retype(const QString& text) {
        form_->KeyWordText()->ControlXP()->clear();
        Type(text);
    }
    QString Shown() const {
        return form_->WordText()->Text() + u'|' + form_->PronounceText()->Text() + u'|' +
               form_->ExplanationText()->toPlainText();
    }

private slots:
    void init() { user_ = std::make_unique<LookupUser>(); }
    void cleanup() {
        delete form_;
        user_.reset();
    }

    void opensReadyForTyping() {
        QVERIFY(Open());
        QCOMPARE(form_->windowTitle(), QStringLiteral("单词速查"));
        QVERIFY(form_->Skin().Frame()->isVisible());
        QVERIFY(hooks_.IsHooked(form_));
        const TextBoxXP* key = form_->KeyWordText();
        QCOMPARE(key->MaxLength(), 100);
        QCOMPARE(key->ToolTipText(), QStringLiteral("请在这里输入你要查找的英语单词."));
        QCOMPARE(Shown(), u"-|//|"_qs + Prompt);
        QVERIFY(form_->WordText()->Locked());
        QVERIFY(form_->PronounceText()->Locked());
        QVERIFY(form_->ExplanationText()->isReadOnly());
        QCOMPARE(form_->PronounceText()->Fonts().family(),
                 QStringLiteral("Kingsoft Phonetic Plain"));
        QVERIFY(form_->ReadWordButton()->Enabled());
        QVERIFY(!form_->CopyButton()->Enabled());
        QVERIFY(!form_->AddToMyDictButton()->Enabled());
        QVERIFY(form_->CloseButton()->Enabled());
        QCOMPARE(form_->ListBoxXP1()->ListCount(), 0);
        QVERIFY(QTest::qWaitForWindowActive(form_));
        QVERIFY(key->ControlXP()->hasFocus());
    }

    void typing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("buttons");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<int>("selected");
        const QStringList all{"a",    "abandon", "abbey",    "ability",
                              "able", "apple",   "Computer", "zoo"};
        const QString reset = u"-|//|"_qs + Prompt;
        QTest::newRow("capitals") << "ABANDON" << u"abandon|/əˈbændən/|vt. 放弃, 抛弃；n. 放任"_qs
                                  << true << all << 1;
        QTest::newRow("upper-case entry")
            << "computer" << u"Computer|/kəmˈpjuːtə/|n. 电脑"_qs << true << all << 6;
        QTest::newRow("no pronunciation")
            << "abbey" << u"abbey|//|n. 修道院"_qs << true << all << 2;
        QTest::newRow("prefix") << "abi" << reset << false << all << 3;
        QTest::newRow("leading space") << " apple" << reset << false << all << -1;
        QTest::newRow("trailing space") << "apple " << reset << false << all << -1;
        QTest::newRow("after the last word") << "zzz" << reset << false << all << -1;
        QTest::newRow("chinese") << u"放弃"_qs << reset << false
                                 << QStringList{"abandon", "give up", "quit"} << -1;
        QTest::newRow("chinese and ascii")
            << u"苹果 apple"_qs << reset << false << QStringList() << -1;
        QTest::newRow("chinese not indexed") << u"没有"_qs << reset << false << QStringList() << -1;
    }
    void typing() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, buttons);
        QFETCH(QStringList, list);
        QFETCH(int, selected);
        QVERIFY(Open());
        Type(typed);
        QCOMPARE(form_->KeyWordText()->Text(), typed);
        QCOMPARE(Shown(), shown);
        QCOMPARE(form_->CopyButton()->Enabled(), buttons);
        QCOMPARE(form_->AddToMyDictButton()->Enabled(), buttons);
        QCOMPARE(ListCaptions(form_->ListBoxXP1()), list);
        QCOMPARE(SelectedRow(form_->ListBoxXP1()), selected);
        QVERIFY(!form_->LookupBusy());
    }

    void clearingResetsOnlyTheDisplay() {
        QVERIFY(Open());
        Type("apple");
        QVERIFY(form_->CopyButton()->Enabled());
        form_->KeyWordText()->ControlXP()->selectAll();
        QTest::keyClick(form_->KeyWordText()->ControlXP(), Qt::Key_Backspace);
        QCOMPARE(form_->KeyWordText()->Text(), QString());
        QCOMPARE(Shown(), u"-|//|"_qs + Prompt);
        QCOMPARE(form_->ListBoxXP1()->ListCount(), 8);
        QCOMPARE(SelectedRow(form_->ListBoxXP1()), 5);
        QVERIFY(form_->CopyButton()->Enabled());
        QVERIFY(form_->AddToMyDictButton()->Enabled());
        // Adding while the prompt shows adds nothing.
        QTest::mouseClick(form_->AddToMyDictButton(), Qt::LeftButton);
        QVERIFY(!user_->folder.Exists("users/Alice/MyDict.wsl"));
    }

    void enterSearchesForTheSelectedItem() {
        QVERIFY(Open());
        Type("abi");
        QTest::keyClick(form_->KeyWordText()->ControlXP(), Qt::Key_Return);
        QCOMPARE(form_->KeyWordText()->Text(), QStringLiteral("ability"));
        QCOMPARE(form_->KeyWordText()->SelStart(), 7);
        QCOMPARE(Shown(), u"ability|/əˈbɪləti/|n. 能力"_qs);
        QCOMPARE(SelectedRow(form_->ListBoxXP1()), 3);

        // An emptied list gives an empty keyword.
        Retype(u"没有"_qs);
        QTest::keyClick(form_->KeyWordText()->ControlXP(), Qt::Key_Return);
        QCOMPARE(form_->KeyWordText()->Text(), QString());
        QVERIFY(!form_->LookupBusy());
    }

    void selectingAnItemShowsItsEntry() {
        QVERIFY(Open());
        Type(u"放弃"_qs);
        ListBoxXP* list = form_->ListBoxXP1();
        QTest::mouseClick(list, Qt::LeftButton, {}, list->RowRect(0).center());
        QCOMPARE(form_->KeyWordText()->Text(), QStringLiteral("abandon"));
        QCOMPARE(Shown(), u"abandon|/əˈbændən/|vt. 放弃, 抛弃；n. 放任"_qs);
        QVERIFY(form_->AddToMyDictButton()->Enabled());
        // The list stays as the Chinese search left it.
        QCOMPARE(ListCaptions(list), (QStringList{"abandon", "give up", "quit"}));
        QCOMPARE(SelectedRow(list), 0);

        // A listed word the dictionary lacks resets the display.
        QTest::mouseClick(list, Qt::LeftButton, {}, list->RowRect(1).center());
        QCOMPARE(form_->KeyWordText()->Text(), QStringLiteral("give up"));
        QCOMPARE(Shown(), u"-|//|"_qs + Prompt);
        QVERIFY(!form_->AddToMyDictButton()->Enabled());
        QCOMPARE(ListCaptions(list).size(), 3);
    }

    void inputMethodTextSearchesTheIndex() {
        QVERIFY(Open());
        QLineEdit* edit = form_->KeyWordText()->ControlXP();
        QInputMethodEvent composing(QStringLiteral("fang"), {});
        QCoreApplication::sendEvent(edit, &composing);
        QCOMPARE(form_->ListBoxXP1()->ListCount(), 0);
        QInputMethodEvent commit;
        commit.setCommitString(u"放弃"_qs);
        QCoreApplication::sendEvent(edit, &commit);
        QCOMPARE(form_->KeyWordText()->Text(), u"放弃"_qs);
        QCOMPARE(ListCaptions(form_->ListBoxXP1()), (QStringList{"abandon", "give up", "quit"}));

        // Committed text after typed letters: the whole keyword goes to the index.
        edit->clear();
        Type("apple");
        QInputMethodEvent more;
        more.setCommitString(u"苹果"_qs);
        QCoreApplication::sendEvent(edit, &more);
        QCOMPARE(form_->KeyWordText()->Text(), u"apple苹果"_qs);
        QCOMPARE(form_->ListBoxXP1()->ListCount(), 0);
    }

    void copiesKeywordPronunciationAndExplanation() {
        QVERIFY(Open());
        Type("ABLE");
        QTest::mouseClick(form_->CopyButton(), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"ABLE\r\n/ˈeɪbl/\r\nadj. 能够的"_qs);
    }

    void addsToTheBookFileOrTheLoadedBook() {
        QVERIFY(Open());
        Type("abbey");
        QTest::mouseClick(form_->AddToMyDictButton(), Qt::LeftButton);
        Retype("able");
        QTest::mouseClick(form_->AddToMyDictButton(), Qt::LeftButton);
        QCOMPARE(user_->folder.Read("users/Alice/MyDict.wsl"),
                 Gb("abbey#n. 修道院\r\nable#adj. 能够的#/ˈeɪbl/\r\n"));

        // With the book as the loaded list the entry joins the list; the file follows later.
        AppState& app = user_->app;
        WriteSetting(app, "General", "DictionaryFile", "MyDict.wsl");
        QVERIFY(LoadWordList(app, user_->folder.File("users/Alice/MyDict.wsl")));
        Retype("zoo");
        QTest::mouseClick(form_->AddToMyDictButton(), Qt::LeftButton);
        QCOMPARE(app.wordList.Count(), 3);
        QCOMPARE(app.wordList.Item(3), u"zoo#n. 动物园#/zuː/"_qs);
        QCOMPARE(user_->folder.Read("users/Alice/MyDict.wsl").count('\n'), 2);
    }

    void closingReleasesTheFiles() {
        QVERIFY(Open());
        Type("apple");
        QCOMPARE(form_->Lookup().Dictionary().Count(), 8);
        QTest::mouseClick(form_->CloseButton(), Qt::LeftButton);
        QVERIFY(form_);
        QVERIFY(!form_->isVisible());
        QVERIFY(form_->Lookup().Dictionary().IsEmpty());
        QVERIFY(form_->Lookup().ChineseIndex().IsEmpty());
        QVERIFY(!hooks_.IsHooked(form_));
        QTRY_VERIFY(!form_);
    }

    void missingFilesAreCreatedAndReported_data() {
        QTest::addColumn<QString>("missing");
        QTest::newRow("dictionary") << "Dicts/All.wsl";
        QTest::newRow("index") << "Dicts/All_cn.idx";
    }
    void missingFilesAreCreatedAndReported() {
        QFETCH(QString, missing);
        QFile::remove(user_->folder.File(missing));
        RecordingPresenter presenter(user_->app);
        QVERIFY(!Open());
        QCOMPARE(presenter.shown.size(), 1);
        QCOMPARE(presenter.shown[0].text, u"加载速查词库时出错!"_qs);
        QCOMPARE(presenter.shown[0].title, u"错误"_qs);
        QCOMPARE(presenter.shown[0].icon, MessageIcon::Error);
        QVERIFY(!user_->app.dialogShowing);
        QVERIFY(user_->folder.Exists(missing));
        QCOMPARE(user_->folder.Read(missing), QByteArray());
        QTRY_VERIFY(!form_);
        // The next opening works with the empty file.
        QVERIFY(Open());
        Type("apple");
        QCOMPARE(presenter.shown.size(), 1);
    }

    void oneLineDictionary_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("word");
        QTest::newRow("before") << "a"
                                << "-";
        QTest::newRow("equal") << "ONLY"
                               << "only";
        QTest::newRow("after") << "zzz"
                               << "-";
    }
    void oneLineDictionary() {
        QFETCH(QString, typed);
        QFETCH(QString, word);
        user_->folder.Write("Dicts/All.wsl", "only#one\r\n");
        QVERIFY(Open());
        Type(typed);
        QCOMPARE(form_->WordText()->Text(), word);
        QCOMPARE(ListCaptions(form_->ListBoxXP1()), QStringList{"only"});
    }

    void looksRightInBothSkins_data() {
        QTest::addColumn<QString>("skin");
        QTest::newRow("WindowsXP") << "WindowsXP";
        QTest::newRow("Jade") << "Jade";
    }
    void looksRightInBothSkins() {
        QFETCH(QString, skin);
        // A long explanation wraps inside its field and scrolls; nothing is cut off.
        QByteArray long_ = "abandon#";
        for (int i = 0; i < 12; ++i)
            long_ += Gb("vt. 放弃, 抛弃, 离弃；n. 放任, 狂热; ");
        user_->folder.Write("Dicts/All.wsl", long_ + "\r\nzoo#n. 动物园\r\n");
        user_->UseSkin(skin.toLatin1().constData());
        QVERIFY(Open());
        // The explanation field takes the colours the skin gave the text boxes.
        const QString border = ColorFromNumber(form_->WordText()->BorderColor()).name();
        QVERIFY(form_->ExplanationText()->styleSheet().contains(border));
        Type("abandon");
        QPlainTextEdit* explanation = form_->ExplanationText();
        QVERIFY(explanation->verticalScrollBar()->maximum() > 0);
        QTRY_VERIFY(explanation->verticalScrollBar()->isVisible());
        QCOMPARE(explanation->horizontalScrollBar()->maximum(), 0);
        SaveGrab(form_, "lookup-long-" + skin + ".png");
        Retype(u"放弃"_qs);
        SaveGrab(form_, "lookup-chinese-" + skin + ".png");
        // Every control lies inside the window.
        for (QWidget* child : form_->Skin().Client()->findChildren<QWidget*>(
                 QString(), Qt::FindDirectChildrenOnly)) {
            const QRect place = child->geometry().translated(form_->Skin().Client()->pos());
            QVERIFY2(form_->rect().contains(place), qPrintable(child->objectName()));
        }
    }
};

QTEST_MAIN(FindWordFormTest)
#include "findwordform_test.moc"
