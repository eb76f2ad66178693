// The must-remember test window and its settings dialog as real windows: what they show, the
// keys and buttons, the refused close, the minute timer of the owner window, and both skins.

#include "core/appstate.h"
#include "core/settings.h"
#include "memorize/ui/mustrememberform.h"
#include "memorize/ui/mustremembersettingform.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/checkboxxp.h"
#include "skin/ui/formxp.h"
#include "skin/ui/tablepagexp.h"
#include "skin/ui/textboxxp.h"
#include "support/recordingpresenter.h"
#include "support/recordingspeech.h"
#include "support/savegrab.h"
#include "support/userfixture.h"

#include <QClipboard>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

using namespace lexarion;
using lexarion::testing::Gb;
using lexarion::testing::RecordingPresenter;
using lexarion::testing::SaveGrab;
using lexarion::testing::UserFixture;

namespace {

QLineEdit* Edit(TextBoxXP* box) {
    return box->ControlXP();
}

// Types `text` and Enter into the test's input box.
void Enter(MustRememberForm* form, const QString& text) {
    QTest::keyClicks(Edit(form->InputText()), text);
    QTest::keyClick(Edit(form->InputText()), Qt::Key_Return);
}

QColor ShownColor(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

} // namespace

class MustRememberFormTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensAtTheTopLeftAboveEverything();
    void enterChecksAndMovesOn();
    void escapeAndCloseWaitForTheWord();
    void dontKnowAddsToTheBookAndRequiresRepeats();
    void speakSaysTheWordAsShown();
    void showingAgainBringsTheOpenTestForward();
    void anEmptyListShowsNoTest();
    void releaseClosesWhateverIsLeft();

    void settingsOfAFreshUser();
    void numberBoxesHoldWholeNumbers_data();
    void numberBoxesHoldWholeNumbers();
    void okWritesAndCancelDoesNot();
    void closingWithTheFeatureOnAsksForTheTest_data();
    void closingWithTheFeatureOnAsksForTheTest();

    void bothSkins_data();
    void bothSkins();

private:
    MustRememberForm* Open();

    std::unique_ptr<UserFixture> f_;
    std::unique_ptr<RecordingPresenter> presenter_;
    QPointer<MustRememberForm> form_;
};

void MustRememberFormTest::init() {
    f_ = std::make_unique<UserFixture>();
    presenter_ = std::make_unique<RecordingPresenter>(f_->app);
    for (const char* line : {"Apple#苹果#'æpl", "banana#香蕉"})
        f_->app.wordList.Append(QString::fromUtf8(line));
    WriteSetting(f_->app, u"General"_qs, u"GroupSize"_qs, u"2"_qs);
}

void MustRememberFormTest::cleanup() {
    if (form_)
        form_->Release();
    delete form_;
    presenter_.reset();
    f_.reset();
}

MustRememberForm* MustRememberFormTest::Open() {
    ShowMustRememberForm(f_->app, nullptr, nullptr, form_);
    if (form_) [[maybe_unused]]
        const bool exposed = QTest::qWaitForWindowExposed(form_.data());
    return form_;
}

void MustRememberFormTest::opensAtTheTopLeftAboveEverything() {
    MustRememberForm* form = Open();
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), u"不得不记单词"_qs);
    QCOMPARE(static_cast<QLabel*>(form->findChild<FormXP*>()->Piece(FramePiece::Title))->text(),
             u"不得不记单词"_qs);
    QVERIFY(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(form->pos(), QPoint(0, 0));
    QStringList captions;
    for (const char* name :
         {"WordCaption", "PronounceCaption", "ExplanationCaption", "InputCaption"})
        captions << form->findChild<QLabel*>(QLatin1String(name))->text();
    QCOMPARE(captions,
             (QStringList{u"英文单词:"_qs, u"单词音标:"_qs, u"中文解释:"_qs, u"输入单词:"_qs}));
    QCOMPARE(form->WordLabel()->text(), u"Apple"_qs);
    QCOMPARE(form->PronounceLabel()->text(), u"'æpl"_qs);
    QCOMPARE(form->PronounceLabel()->font().family(), u"Kingsoft Phonetic Plain"_qs);
    QCOMPARE(form->ExplanationLabel()->text(), u"苹果"_qs);
    QCOMPARE(ShownColor(form->MessageLabel()), QColor(255, 0, 0));
    QCOMPARE(form->InputText()->MaxLength(), 50);
    QCOMPARE(form->SpeakButton()->Caption(), u"发音"_qs);
    QVERIFY(!form->ContinueButton()->Enabled());
    QVERIFY(!form->CloseButton()->Enabled());
    QVERIFY(form->DontKnowButton()->Enabled());
    QCOMPARE(f_->app.currentWordIndex, 1);
    form->activateWindow();
    QTRY_VERIFY(Edit(form->InputText())->hasFocus());
}

void MustRememberFormTest::enterChecksAndMovesOn() {
    MustRememberForm* form = Open();
    QGuiApplication::clipboard()->setText(u"Apple"_qs);
    Enter(form, u"Aple"_qs);
    QCOMPARE(form->MessageLabel()->text(),
             u"输入错误!请重新输入.如果你不懂这个单词按“不懂”即可显示答案."_qs);
    QVERIFY(form->InputText()->Text().isEmpty());
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    Enter(form, u"APPLE"_qs);
    QCOMPARE(form->MessageLabel()->text(), u"恭喜!输入正确.按ESC关闭窗口,或按回车继续."_qs);
    QCOMPARE(ShownColor(form->MessageLabel()), QColor(0, 0, 255));
    QVERIFY(form->ContinueButton()->Enabled() && form->CloseButton()->Enabled());
    QVERIFY(!form->DontKnowButton()->Enabled());
    // Enter after a correct word moves on, whatever was typed meanwhile.
    Enter(form, u"xyz"_qs);
    QCOMPARE(form->WordLabel()->text(), u"banana"_qs);
    QCOMPARE(form->PronounceLabel()->text(), u"//"_qs);
    QVERIFY(form->InputText()->Text().isEmpty());
    QVERIFY(!form->CloseButton()->Enabled());
    Enter(form, u"banana"_qs);
    QCOMPARE(form->MessageLabel()->text(), u"恭喜!你已完成当前组所有单词的测试！按ESC关闭窗口."_qs);
    // "继续" as well: back to the group's first word.
    QTest::mouseClick(form->ContinueButton(), Qt::LeftButton);
    QCOMPARE(form->WordLabel()->text(), u"Apple"_qs);
    QVERIFY(Edit(form->InputText())->hasFocus() || !form->isActiveWindow());
}

void MustRememberFormTest::escapeAndCloseWaitForTheWord() {
    MustRememberForm* form = Open();
    QTest::keyClick(Edit(form->InputText()), Qt::Key_Escape);
    QVERIFY(form_ && form->isVisible());
    QVERIFY(presenter_->shown.empty());
    QVERIFY(!form->close());
    QVERIFY(form_ && form->isVisible());
    QCOMPARE(presenter_->shown.size(), size_t(1));
    QCOMPARE(presenter_->shown[0].text, u"请你输入显示的英文单词后再退出."_qs);
    QCOMPARE(presenter_->shown[0].title, u"不能退出"_qs);
    QCOMPARE(presenter_->shown[0].icon, MessageIcon::Information);
    QVERIFY(presenter_->shown[0].dialogShowing);
    QVERIFY(!f_->app.dialogShowing);
    // The frame's close box asks the same way.
    QWidget* closeBox = form->findChild<FormXP*>()->Piece(FramePiece::CloseButton);
    QTest::mouseClick(closeBox, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(form_ && form->isVisible());
    QCOMPARE(presenter_->shown.size(), size_t(2));
    Enter(form, u"apple"_qs);
    QTest::keyClick(Edit(form->InputText()), Qt::Key_Escape);
    QTRY_VERIFY(!form_);
    QCOMPARE(presenter_->shown.size(), size_t(2));
}

void MustRememberFormTest::dontKnowAddsToTheBookAndRequiresRepeats() {
    WriteSetting(f_->app, u"MustRememberSetting"_qs, u"ShowWord"_qs, u"0"_qs);
    MustRememberForm* form = Open();
    QVERIFY(!form->WordLabel()->isVisible());
    QTest::mouseClick(form->DontKnowButton(), Qt::LeftButton);
    QVERIFY(form->WordLabel()->isVisible());
    QCOMPARE(form->MessageLabel()->text(),
             u"因为你不懂这个单词,所以此单词将到你的生词库中,并且你要罚写这个单词 3 次"_qs);
    QCOMPARE(f_->folder.Read("users/Alice/MyDict.wsl"), Gb("Apple#苹果#'æpl\r\n"));
    QVERIFY(form->DontKnowButton()->Enabled());
    Enter(form, u"apple"_qs);
    QCOMPARE(form->MessageLabel()->text(), u"恭喜!本次输入正确.但你还要罚写 2 次,按回车继续."_qs);
    QVERIFY(!form->CloseButton()->Enabled());
    Enter(form, u"apple"_qs);
    Enter(form, u"apple"_qs);
    QVERIFY(form->CloseButton()->Enabled());
    QTest::mouseClick(form->CloseButton(), Qt::LeftButton);
    QTRY_VERIFY(!form_);
}

void MustRememberFormTest::speakSaysTheWordAsShown() {
    WriteSetting(f_->app, u"MustRememberSetting"_qs, u"ShowWord"_qs, u"0"_qs);
    lexarion::testing::RecordingSpeech speech;
    f_->app.speech = &speech;
    MustRememberForm* form = Open();
    QTest::mouseClick(form->SpeakButton(), Qt::LeftButton);
    QCOMPARE(speech.calls.last(), u"Speak Apple"_qs);
    f_->app.speech = nullptr;
}

void MustRememberFormTest::showingAgainBringsTheOpenTestForward() {
    MustRememberForm* first = Open();
    ShowMustRememberForm(f_->app, nullptr, nullptr, form_);
    QCOMPARE(form_.data(), first);
    QCOMPARE(first->WordLabel()->text(), u"Apple"_qs);
    QCOMPARE(f_->app.currentWordIndex, 1);
    // Once closed, the next test is a new window with the next word.
    Enter(first, u"apple"_qs);
    first->close();
    QTRY_VERIFY(!form_);
    QCOMPARE(Open()->WordLabel()->text(), u"banana"_qs);
}

void MustRememberFormTest::anEmptyListShowsNoTest() {
    f_->app.wordList.RemoveAll();
    QVERIFY(!Open());
}

void MustRememberFormTest::releaseClosesWhateverIsLeft() {
    Open()->Release();
    QTRY_VERIFY(!form_);
    QVERIFY(presenter_->shown.empty());
}

void MustRememberFormTest::settingsOfAFreshUser() {
    auto* dialog = new MustRememberSettingForm(f_->app, nullptr);
    QCOMPARE(dialog->windowTitle(), u"Lexarion - [不得不记单词设置]"_qs);
    QCOMPARE(dialog->GeneralPage()->Caption(), u"常规"_qs);
    QCOMPARE(dialog->RulePage()->Caption(), u"规则"_qs);
    QVERIFY(dialog->GeneralPage()->Value());
    QVERIFY(!dialog->EnableCheck()->Value());
    QCOMPARE(dialog->IntervalText()->Text(), u"5"_qs);
    QCOMPARE(dialog->RepeatText()->Text(), u"3"_qs);
    QVERIFY(dialog->ShowWordCheck()->Value() && dialog->ShowExplanationCheck()->Value() &&
            dialog->ShowPronounceCheck()->Value());
    QStringList texts;
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        texts << label->text();
    for (const char* text :
         {"显示间隔(分钟)", "1.输入前显示以下内容.", "2.不懂单词时,罚写该单词.", "罚写次数"})
        QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
    delete dialog;
}

void MustRememberFormTest::numberBoxesHoldWholeNumbers_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("cleared") << QString() << u"1"_qs;
    QTest::newRow("letters") << u"abc"_qs << u"1"_qs;
    QTest::newRow("zero") << u"0"_qs << u"1"_qs;
    QTest::newRow("fraction") << u"2.5"_qs << u"2"_qs;
    QTest::newRow("twelve") << u"12"_qs << u"12"_qs;
}

void MustRememberFormTest::numberBoxesHoldWholeNumbers() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    MustRememberSettingForm dialog(f_->app, nullptr);
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    for (TextBoxXP* box : {dialog.IntervalText(), dialog.RepeatText()}) {
        QLineEdit* edit = Edit(box);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(box->Text(), u"1"_qs);   // at once, after the keystroke
        QTest::keyClicks(edit, u"70"_qs); // the "1" put there is typed over
        QCOMPARE(box->Text(), u"70"_qs);
        // Typed at once, as a paste does.
        edit->selectAll();
        edit->insert(typed);
        QCOMPARE(box->Text(), shown);
    }
}

void MustRememberFormTest::okWritesAndCancelDoesNot() {
    auto read = [this](const char* key) {
        return ReadSetting(f_->app, u"MustRememberSetting"_qs, QLatin1String(key), u"<none>"_qs);
    };
    {
        auto* dialog = new MustRememberSettingForm(f_->app, nullptr);
        QPointer<MustRememberSettingForm> alive(dialog);
        dialog->show();
        QTest::mouseClick(dialog->EnableCheck(), Qt::LeftButton);
        QTest::keyClicks(Edit(dialog->IntervalText()), u"0"_qs); // "50"
        QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
        QTRY_VERIFY(!alive);
        QCOMPARE(read("EnableMustRemember"), u"<none>"_qs);
        QVERIFY(!f_->folder.Exists("users/Alice/config.ini") ||
                !f_->folder.Read("users/Alice/config.ini").contains("MustRemember"));
    }
    auto* dialog = new MustRememberSettingForm(f_->app, nullptr);
    QPointer<MustRememberSettingForm> alive(dialog);
    dialog->show();
    dialog->EnableCheck()->SetValue(true);
    dialog->ShowExplanationCheck()->SetValue(false);
    QTest::keyClicks(Edit(dialog->IntervalText()), u"0"_qs);
    Edit(dialog->RepeatText())->selectAll();
    QTest::keyClicks(Edit(dialog->RepeatText()), u"7"_qs);
    QTest::mouseClick(dialog->OKButton(), Qt::LeftButton);
    QTRY_VERIFY(!alive);
    QCOMPARE(read("EnableMustRemember"), u"1"_qs);
    QCOMPARE(read("ShowInterval"), u"50"_qs);
    QCOMPARE(read("ShowWord"), u"1"_qs);
    QCOMPARE(read("ShowExplanation"), u"0"_qs);
    QCOMPARE(read("ShowPronounce"), u"1"_qs);
    QCOMPARE(read("RepeatTimes"), u"7"_qs);
}

void MustRememberFormTest::closingWithTheFeatureOnAsksForTheTest_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("wanted");
    QTest::newRow("ok, ticked") << u"0"_qs << true << true << true;
    QTest::newRow("ok, unticked") << u"1"_qs << true << true << false;
    QTest::newRow("cancel, already on") << u"1"_qs << false << false << true;
    QTest::newRow("cancel, off") << u"0"_qs << true << false << false;
}

void MustRememberFormTest::closingWithTheFeatureOnAsksForTheTest() {
    QFETCH(QString, stored);
    QFETCH(bool, tick);
    QFETCH(bool, ok);
    QFETCH(bool, wanted);
    WriteSetting(f_->app, u"MustRememberSetting"_qs, u"EnableMustRemember"_qs, stored);
    auto* dialog = new MustRememberSettingForm(f_->app, nullptr);
    QSignalSpy spy(dialog, &MustRememberSettingForm::MustRememberWanted);
    dialog->show();
    if (tick)
        dialog->EnableCheck()->SetValue(!dialog->EnableCheck()->Value());
    QTest::mouseClick(ok ? dialog->OKButton() : dialog->CancelButton(), Qt::LeftButton);
    QCOMPARE(spy.size(), wanted ? 1 : 0);
    // The frame's close box after the dialog has closed asks nothing more.
    dialog->close();
    QCOMPARE(spy.size(), wanted ? 1 : 0);
}

void MustRememberFormTest::bothSkins_data() {
    QTest::addColumn<QString>("skin");
    QTest::newRow("WindowsXP") << u"WindowsXP"_qs;
    QTest::newRow("Jade") << u"Jade"_qs;
}

void MustRememberFormTest::bothSkins() {
    QFETCH(QString, skin);
    f_->folder.CopySkins(QStringLiteral(LEXARION_SKIN_SOURCE_DIR));
    WriteSetting(f_->app, u"General"_qs, u"SkinFolder"_qs, skin);
    f_->app.wordList.RemoveAll();
    f_->app.wordList.Append(QString::fromUtf8("abandon#v. 放弃，抛弃；n. 放任，放纵#ə'bændən"));
    MustRememberForm* form = Open();
    QVERIFY(form);
    // Every control lies inside the window.
    for (QWidget* child : form->findChildren<QWidget*>()) {
        if (!child->isVisible() || child->objectName().isEmpty())
            continue;
        const QRect inWindow(child->mapTo(form, QPoint(0, 0)), child->size());
        QVERIFY2(form->rect().contains(inWindow), qPrintable(child->objectName()));
    }
    SaveGrab(form, u"mustremember-"_qs + skin + u".png"_qs);
    QTest::mouseClick(form->DontKnowButton(), Qt::LeftButton);
    Enter(form, u"abandon"_qs);
    SaveGrab(form, u"mustremember-repeat-"_qs + skin + u".png"_qs);

    auto* dialog = new MustRememberSettingForm(f_->app, nullptr);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    SaveGrab(dialog, u"mustremembersetting-general-"_qs + skin + u".png"_qs);
    dialog->RulePage()->SetValue(true);
    SaveGrab(dialog, u"mustremembersetting-rules-"_qs + skin + u".png"_qs);
    delete dialog;
}

QTEST_MAIN(MustRememberFormTest)
#include "mustrememberform_test.moc"
