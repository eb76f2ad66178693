#include "tools/ui/findwordform.h"

#include "core/appstate.h"
#include "memorize/speech.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/listboxxp.h"
#include "skin/ui/placecontrol.h"
#include "skin/ui/skincolor.h"
#include "skin/ui/skinnedwindow.h"
#include "skin/ui/textboxxp.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>

namespace lexarion {

namespace {

constexpr int KeyAsciiEnter = 13;
constexpr int KeywordMaxLength = 100;
constexpr auto KeywordToolTip = u"请在这里输入你要查找的英语单词.";
// The face the pronunciations are written for; the program installs it at start-up.
constexpr auto PhoneticFace = u"Kingsoft Phonetic Plain";

TextBoxXP* AddField(QWidget* client, const char* name, QRect place) {
    auto* box = new TextBoxXP(client);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(place);
    box->SetLocked(true);
    return box;
}

} // namespace

FindWordForm::FindWordForm(AppState& app, WindowHooks* hooks, QWidget* parent)
    : QWidget(parent, Qt::Window), app_(app) {
    setObjectName(QStringLiteral("FindWordForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* client = new QWidget(this);
    client->resize(500, 330);
    skin_ = new SkinnedWindow(this, client, {}, hooks);

    // Left: the keyword and the list; right: the entry; below: the buttons.
    PlaceLabel(client, "Label1", QStringLiteral("关键字(中/英)"), {12, 8, 200, 20});
    keyWordText_ = new TextBoxXP(client);
    keyWordText_->setObjectName(QStringLiteral("KeyWordText"));
    keyWordText_->setGeometry(12, 30, 200, 22);
    keyWordText_->SetMaxLength(KeywordMaxLength);
    keyWordText_->SetToolTipText(QString::fromUtf16(KeywordToolTip));
    listBox_ = new ListBoxXP(client);
    listBox_->setObjectName(QStringLiteral("ListBoxXP1"));
    listBox_->setGeometry(12, 60, 200, 220);

    PlaceLabel(client, "Label2", QStringLiteral("英文单词:"), {226, 8, 262, 20});
    wordText_ = AddField(client, "WordText", {226, 30, 262, 22});
    PlaceLabel(client, "Label3", QStringLiteral("单词音标："), {226, 58, 262, 20});
    pronounceText_ = AddField(client, "PronounceText", {226, 80, 262, 22});
    QFont phonetic(QString::fromUtf16(PhoneticFace));
    phonetic.setPixelSize(14);
    pronounceText_->SetFonts(phonetic);
    PlaceLabel(client, "Label4", QStringLiteral("中文解释:"), {226, 108, 262, 20});
    explanationText_ = new QPlainTextEdit(client);
    explanationText_->setObjectName(QStringLiteral("ExplanationText"));
    explanationText_->setGeometry(226, 130, 262, 150);
    explanationText_->setReadOnly(true);
    explanationText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    explanationText_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    explanationText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    readWordButton_ = PlaceButton(client, "ReadWordButton", QStringLiteral("发音"), {164, 294});
    copyButton_ = PlaceButton(client, "CopyButton", QStringLiteral("复制"), {248, 294});
    addToMyDictButton_ =
        PlaceButton(client, "AddToMyDictButton", QStringLiteral("生词本"), {332, 294});
    closeButton_ = PlaceButton(client, "CloseButton", QStringLiteral("关闭"), {416, 294});
    copyButton_->SetEnabled(false);
    addToMyDictButton_->SetEnabled(false);

    connect(keyWordText_, &TextBoxXP::Change, this, &FindWordForm::KeyWordChange);
    connect(keyWordText_, &TextBoxXP::KeyPress, this, &FindWordForm::KeyWordKeyPress);
    connect(listBox_, &ListBoxXP::ItemSelected, this, &FindWordForm::ListItemSelected);
    connect(readWordButton_, &ButtonXP::Click, this,
            [this] { SpeakText(app_.speech, keyWordText_->Text()); });
    connect(copyButton_, &ButtonXP::Click, this, &FindWordForm::Copy);
    connect(addToMyDictButton_, &ButtonXP::Click, this, &FindWordForm::AddToMyDict);
    connect(closeButton_, &ButtonXP::Click, this, &QWidget::close);
}

FindWordForm::~FindWordForm() {
    lookup_.Release();
    skin_->Unload();
}

bool FindWordForm::Load() {
    if (!lookup_.Load(app_.ProgramFolder())) {
        ShowProgramMessage(app_, QString::fromUtf16(LookupLoadError), QStringLiteral("错误"),
                           MessageIcon::Error);
        close();
        return false;
    }
    {
        const QScopedValueRollback busy(lookupBusy_, true);
        setWindowTitle(QStringLiteral("单词速查"));
        listFillsShown_ = lookup_.ListFills();
        ShowLookup();
    }
    skin_->Load(app_);
    StyleExplanation();
    keyWordText_->setFocus();
    return true;
}

void FindWordForm::closeEvent(QCloseEvent* event) {
    // The files are released at once, not when the window object goes.
    lookup_.Release();
    skin_->Unload();
    QWidget::closeEvent(event);
}

void FindWordForm::KeyWordChange() {
    if (lookupBusy_)
        return;
    const QScopedValueRollback busy(lookupBusy_, true);
    lookup_.KeywordChanged(keyWordText_->Text());
    ShowLookup();
}

void FindWordForm::KeyWordKeyPress(int& keyAscii) {
    if (keyAscii != KeyAsciiEnter)
        return;
    keyAscii = 0;
    const QScopedValueRollback busy(lookupBusy_, true);
    // The caption at the list's index becomes the keyword, searched as if typed.
    lookup_.EnterPressed();
    keyWordText_->SetText(lookup_.Keyword());
    keyWordText_->SetSelStart(int(lookup_.Keyword().size()));
    ShowLookup();
}

void FindWordForm::ListItemSelected() {
    if (lookupBusy_)
        return;
    const QScopedValueRollback busy(lookupBusy_, true);
    lookup_.ItemSelected(listBox_->ListIndex());
    keyWordText_->SetText(lookup_.Keyword());
    ShowLookup();
}

void FindWordForm::Copy() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(lookup_.CopyText());
}

void FindWordForm::AddToMyDict() {
    lookup_.AddToNewWordBook(app_);
}

void FindWordForm::ShowLookup() {
    if (lookup_.ListFills() != listFillsShown_) {
        listFillsShown_ = lookup_.ListFills();
        FillList();
    }
    const LookupDisplay& display = lookup_.Display();
    wordText_->SetText(display.word);
    pronounceText_->SetText(display.pronounce);
    if (explanationText_->toPlainText() != display.explanation)
        explanationText_->setPlainText(display.explanation);
    copyButton_->SetEnabled(lookup_.CopyEnabled());
    addToMyDictButton_->SetEnabled(lookup_.AddEnabled());
}

void FindWordForm::FillList() {
    listBox_->ClearListBox();
    for (const QString& item : lookup_.ListItems())
        listBox_->AddListItem(item);
    if (lookup_.HasSelection())
        listBox_->SetListIndex(lookup_.ListIndex());
    else
        listBox_->SetTopIndex(lookup_.TopIndex());
    listBox_->RefreshListBox();
}

void FindWordForm::StyleExplanation() {
    // A several-line field of the text boxes' look: their colours and a one-pixel outline.
    const QString style =
        QStringLiteral("QPlainTextEdit { color: %1; background: %2; border: 1px solid %3; }")
            .arg(ColorFromNumber(wordText_->ForeColor()).name(),
                 ColorFromNumber(wordText_->BackColor()).name(),
                 ColorFromNumber(wordText_->BorderColor()).name());
    explanationText_->setStyleSheet(style);
    explanationText_->setFont(wordText_->Fonts());
}

} // namespace lexarion
