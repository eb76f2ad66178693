#include "memorize/ui/mustrememberform.h"

#include "core/appstate.h"
#include "memorize/speech.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/formcontrols.h"
#include "skin/ui/framexp.h"
#include "skin/ui/placecontrol.h"
#include "skin/ui/skinnedwindow.h"
#include "skin/ui/textboxxp.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

namespace lexarion {

namespace {

constexpr int ClientWidth = 440;
constexpr int ClientHeight = 296;
constexpr int GroupWidth = 424;
constexpr int GroupHeight = 282;
// Where the shown texts begin, right of their captions.
constexpr int CaptionLeft = 14;
constexpr int CaptionWidth = 72;
constexpr int ValueLeft = 90;
constexpr int ValueWidth = 320;

} // namespace

MustRememberForm::MustRememberForm(AppState& app, WindowHooks* hooks, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint), app_(app), test_(app) {
    setObjectName(QStringLiteral("MustRememberForm"));
    setWindowTitle(MustRememberTitle.toString());
    setAttribute(Qt::WA_DeleteOnClose);
    auto* client = new QWidget(this);
    client->resize(ClientWidth, ClientHeight);
    skin_ = new SkinnedWindow(this, client, {}, hooks);

    group_ = new FrameXP(client);
    group_->setObjectName(QStringLiteral("FrameXP1"));
    group_->SetCaption(MustRememberTitle.toString());
    group_->resize(GroupWidth, GroupHeight);
    CentreGroup();

    PlaceLabel(group_, "WordCaption", QStringLiteral("英文单词:"),
               QRect(CaptionLeft, 30, CaptionWidth, 24));
    PlaceLabel(group_, "PronounceCaption", QStringLiteral("单词音标:"),
               QRect(CaptionLeft, 58, CaptionWidth, 24));
    PlaceLabel(group_, "ExplanationCaption", QStringLiteral("中文解释:"),
               QRect(CaptionLeft, 86, CaptionWidth, 20));
    PlaceLabel(group_, "InputCaption", QStringLiteral("输入单词:"),
               QRect(CaptionLeft, 210, CaptionWidth, 22));

    wordLabel_ = PlaceLabel(group_, "WordLabel", QString(), QRect(ValueLeft, 30, ValueWidth, 24));
    QFont wordFont = wordLabel_->font();
    wordFont.setPixelSize(18);
    wordFont.setBold(true);
    wordLabel_->setFont(wordFont);
    pronounceLabel_ =
        PlaceLabel(group_, "PronounceLabel", QString(), QRect(ValueLeft, 58, ValueWidth, 24));
    QFont phonetic(QStringLiteral("Kingsoft Phonetic Plain"));
    phonetic.setPixelSize(15);
    pronounceLabel_->setFont(phonetic);
    explanationLabel_ =
        PlaceLabel(group_, "ExplanationLabel", QString(), QRect(ValueLeft, 86, ValueWidth, 40));
    explanationLabel_->setWordWrap(true);
    explanationLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    messageLabel_ = PlaceLabel(group_, "MessageLabel", QString(),
                               QRect(CaptionLeft, 130, GroupWidth - 2 * CaptionLeft, 72));
    messageLabel_->setWordWrap(true);
    // The message keeps its red or blue whatever the skin's text colour.
    SetControlTag(messageLabel_, QStringLiteral("MessageLabel"));
    messageLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    inputText_ = new TextBoxXP(group_);
    inputText_->setObjectName(QStringLiteral("InputText"));
    inputText_->setGeometry(ValueLeft, 208, ValueWidth, 24);
    inputText_->SetMaxLength(50);

    constexpr int buttonTop = 244;
    speakButton_ = PlaceButton(group_, "SpeakButton", QStringLiteral("发音"), {58, buttonTop});
    continueButton_ =
        PlaceButton(group_, "ContinueButton", QStringLiteral("继续"), {144, buttonTop});
    closeButton_ = PlaceButton(group_, "CloseButton", QStringLiteral("关闭"), {230, buttonTop});
    dontKnowButton_ =
        PlaceButton(group_, "DontKnowButton", QStringLiteral("不懂"), {316, buttonTop});
    continueButton_->SetEnabled(false);
    closeButton_->SetEnabled(false);

    connect(inputText_, &TextBoxXP::KeyPress, this, &MustRememberForm::InputKeyPress);
    connect(speakButton_, &ButtonXP::Click, this, [this] {
        // The word as it stands, also while it is hidden: hearing it is a hint the user asked for.
        SpeakText(app_.speech, wordLabel_->text());
        FocusInput();
    });
    connect(continueButton_, &ButtonXP::Click, this, [this] {
        Continue();
        FocusInput();
    });
    connect(closeButton_, &ButtonXP::Click, this, &QWidget::close);
    connect(dontKnowButton_, &ButtonXP::Click, this, [this] {
        test_.GiveUp();
        ShowTest();
        FocusInput();
    });

    // The window's load.
    test_.Load();
    ShowTest();
    inputText_->SetText(QString());
    skin_->Load(app_);
    move(0, 0);
}

MustRememberForm::~MustRememberForm() {
    skin_->Unload();
}

void MustRememberForm::Release() {
    released_ = true;
    close();
}

void MustRememberForm::CentreGroup() {
    const QWidget* client = group_->parentWidget();
    group_->move((client->width() - group_->width()) / 2,
                 (client->height() - group_->height()) / 2);
}

void MustRememberForm::ShowTest() {
    wordLabel_->setText(test_.Word());
    pronounceLabel_->setText(test_.Pronounce());
    explanationLabel_->setText(test_.Explanation());
    wordLabel_->setVisible(test_.WordVisible());
    pronounceLabel_->setVisible(test_.PronounceVisible());
    explanationLabel_->setVisible(test_.ExplanationVisible());
    messageLabel_->setText(test_.Message());
    SetWidgetForeColor(messageLabel_, test_.MessageColor());
    UpdateTestButtons();
}

void MustRememberForm::UpdateTestButtons() {
    continueButton_->SetEnabled(test_.CanContinue());
    closeButton_->SetEnabled(test_.CanContinue());
    dontKnowButton_->SetEnabled(test_.CanGiveUp());
}

void MustRememberForm::CheckTypedWord() {
    // A word copied from the window cannot simply be pasted the next time.
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->clear();
    test_.CheckTypedWord(inputText_->Text());
    ShowTest();
}

void MustRememberForm::Continue() {
    test_.Continue();
    ShowTest();
    inputText_->SetText(QString());
}

void MustRememberForm::InputKeyPress(int& keyAscii) {
    if (keyAscii == 13) {
        if (test_.CanContinue()) {
            Continue();
            FocusInput();
        } else {
            CheckTypedWord();
        }
        inputText_->SetText(QString());
        keyAscii = 0;
    } else if (keyAscii == 27) {
        if (closeButton_->Enabled())
            close();
        keyAscii = 0;
    }
}

void MustRememberForm::FocusInput() {
    inputText_->ControlXP()->setFocus();
}

bool MustRememberForm::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate)
        FocusInput();
    return handled;
}

void MustRememberForm::closeEvent(QCloseEvent* event) {
    if (!released_ && !test_.MayClose()) {
        event->ignore();
        ShowProgramMessage(app_, MustRememberCloseRefusal.toString(),
                           MustRememberCloseRefusalTitle.toString(), MessageIcon::Information);
        return;
    }
    QWidget::closeEvent(event);
}

void ShowMustRememberForm(AppState& app, WindowHooks* hooks, QWidget* owner,
                          QPointer<MustRememberForm>& form) {
    if (!form) {
        if (!HasTestWords(app))
            return;
        form = new MustRememberForm(app, hooks, owner);
    }
    form->show();
    form->raise();
    form->activateWindow();
}

} // namespace lexarion
