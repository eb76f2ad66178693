#include "skin/ui/textboxxp.h"

#include "platform/virtualkey.h"
#include "skin/controllayout.h"
#include "skin/twips.h"
#include "skin/ui/formcontrols.h"
#include "skin/ui/skincolor.h"

#include <QEnterEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <limits>

namespace lexarion {

namespace {

constexpr int KeyAsciiBackspace = 8;
constexpr int KeyAsciiEnter = 13;
constexpr int KeyAsciiDelete = 127;
// QLineEdit's own "no limit".
constexpr int UnlimitedLength = std::numeric_limits<qint16>::max();

// The code KeyPress reports for the text of a key, 0 when the key types no character (Delete
// sends a character on some systems, but types none).
int TypedCode(const QString& text) {
    const QList<uint> codes = text.toUcs4();
    if (codes.size() != 1 || codes.front() == KeyAsciiDelete)
        return 0;
    return static_cast<int>(codes.front());
}

// The text a KeyPress code types, empty for a code that is no printable character.
QString PrintableText(int code) {
    if (code <= 0 || code > 0x10FFFF)
        return {};
    const char32_t character = static_cast<char32_t>(code);
    const QString text = QString::fromUcs4(&character, 1);
    return QChar::isPrint(character) ? text : QString();
}

void SetEditColors(QLineEdit* edit, qint32 fore, qint32 back) {
    QPalette palette = edit->palette();
    // Set for every colour group: a disabled box keeps its colours.
    palette.setColor(QPalette::Text, ColorFromNumber(fore));
    palette.setColor(QPalette::Base, ColorFromNumber(back));
    edit->setPalette(palette);
}

} // namespace

// The inner edit box: hands its keys and committed input-method text to the owner's key
// events before it acts on them.
class TextBoxEdit : public QLineEdit {
public:
    TextBoxEdit(TextBoxXP* owner) : QLineEdit(owner), owner_(owner) {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // Types the character a KeyPress handler put in place of the typed one.
    void TypeReplacement(int code);

    TextBoxXP* owner_;
};

void TextBoxEdit::keyPressEvent(QKeyEvent* event) {
    const int virtualKey = VirtualKeyFromQtKey(event->key(), event->modifiers());
    int keyCode = virtualKey;
    int shift = ShiftMaskFromModifiers(event->modifiers());
    emit owner_->KeyDown(keyCode, shift);

    const int typed = TypedCode(event->text());
    if (typed == 0) {
        if (virtualKey != 0 && keyCode == 0)
            event->accept();
        else
            QLineEdit::keyPressEvent(event);
        return;
    }
    int keyAscii = typed;
    emit owner_->KeyPress(keyAscii);
    if (keyAscii == typed)
        QLineEdit::keyPressEvent(event);
    else
        TypeReplacement(keyAscii);
    event->accept();
}

void TextBoxEdit::TypeReplacement(int code) {
    if (code == KeyAsciiBackspace || code == KeyAsciiEnter) {
        const int key = code == KeyAsciiBackspace ? Qt::Key_Backspace : Qt::Key_Return;
        QKeyEvent replacement(QEvent::KeyPress, key, Qt::NoModifier,
                              QString(QChar(static_cast<char16_t>(code))));
        QLineEdit::keyPressEvent(&replacement);
        return;
    }
    const QString text = PrintableText(code);
    if (!text.isEmpty() && !isReadOnly())
        insert(text);
}

void TextBoxEdit::keyReleaseEvent(QKeyEvent* event) {
    int keyCode = VirtualKeyFromQtKey(event->key(), event->modifiers());
    int shift = ShiftMaskFromModifiers(event->modifiers());
    emit owner_->KeyUp(keyCode, shift);
    QLineEdit::keyReleaseEvent(event);
}

void TextBoxEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (commit.isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString kept;
    for (const uint code : commit.toUcs4()) {
        const char32_t character = code;
        int keyAscii = static_cast<int>(code);
        emit owner_->KeyPress(keyAscii);
        kept += keyAscii == static_cast<int>(code) ? QString::fromUcs4(&character, 1)
                                                   : PrintableText(keyAscii);
    }
    if (kept == commit) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

TextBoxXP::TextBoxXP(QWidget* parent) : QWidget(parent), edit_(new TextBoxEdit(this)) {
    MarkSkinPiece(edit_);
    edit_->setFrame(false);
    edit_->setMouseTracking(true);
    edit_->installEventFilter(this);
    setFocusProxy(edit_);
    connect(edit_, &QLineEdit::textChanged, this, [this] { SetText(edit_->text()); });
    SetEditColors(edit_, foreColor_, backColor_);
    Layout();
}

QString TextBoxXP::Text() const {
    return edit_->text();
}

void TextBoxXP::SetText(const QString& text) {
    if (edit_->text() != text)
        edit_->setText(text);
    emit Change();
}

int TextBoxXP::SelStart() const {
    return edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
}

void TextBoxXP::SetSelStart(int start) {
    edit_->setCursorPosition(std::clamp(start, 0, static_cast<int>(edit_->text().size())));
}

int TextBoxXP::SelLength() const {
    return edit_->selectedText().size();
}

void TextBoxXP::SetSelLength(int length) {
    const int start = SelStart();
    const int available = static_cast<int>(edit_->text().size()) - start;
    edit_->setSelection(start, std::clamp(length, 0, available));
}

int TextBoxXP::MaxLength() const {
    return edit_->maxLength() >= UnlimitedLength ? 0 : edit_->maxLength();
}

void TextBoxXP::SetMaxLength(int length) {
    edit_->setMaxLength(length <= 0 || length > UnlimitedLength ? UnlimitedLength : length);
}

bool TextBoxXP::Locked() const {
    return edit_->isReadOnly();
}
void TextBoxXP::SetLocked(bool locked) {
    edit_->setReadOnly(locked);
}
bool TextBoxXP::Enabled() const {
    return edit_->isEnabled();
}
void TextBoxXP::SetEnabled(bool enabled) {
    edit_->setEnabled(enabled);
}
QString TextBoxXP::ToolTipText() const {
    return edit_->toolTip();
}
void TextBoxXP::SetToolTipText(const QString& text) {
    edit_->setToolTip(text);
}
QFont TextBoxXP::Fonts() const {
    return edit_->font();
}
void TextBoxXP::SetFonts(const QFont& font) {
    edit_->setFont(font);
}
QLineEdit* TextBoxXP::ControlXP() const {
    return edit_;
}

void TextBoxXP::LoadSkin(const QString& folderPath) {
    foreColor_ = ReadSkinColor(folderPath, SkinKey::TextBoxForeColor);
    borderColor_ = ReadSkinColor(folderPath, SkinKey::TextBoxBorderColor);
    backColor_ = ReadSkinColor(folderPath, SkinKey::TextBoxBackColor);
    focusForeColor_ = ReadSkinColor(folderPath, SkinKey::TextBoxFocusForeColor);
    focusBorderColor_ = ReadSkinColor(folderPath, SkinKey::TextBoxFocusBorderColor);
    focusBackColor_ = ReadSkinColor(folderPath, SkinKey::TextBoxFocusBackColor);
    Layout();
}

qint32 TextBoxXP::ShownBorderColor() const {
    return states_.Border() == TextBoxLook::Highlighted ? focusBorderColor_ : borderColor_;
}

qint32 TextBoxXP::ShownForeColor() const {
    return states_.Colors() == TextBoxLook::Highlighted ? focusForeColor_ : foreColor_;
}

qint32 TextBoxXP::ShownBackColor() const {
    return states_.Colors() == TextBoxLook::Highlighted ? focusBackColor_ : backColor_;
}

void TextBoxXP::Layout() {
    SetWidgetBackColor(this, ContainerBackColor(this));
    states_.Layout();
    ShowLook();
    const TwipsRect inner = TextBoxInnerRect({static_cast<double>(PixelsToTwips(width())),
                                              static_cast<double>(PixelsToTwips(height()))});
    // A box too small for its inner box keeps the inner box where it was.
    if (inner.width >= 0 && inner.height >= 0)
        edit_->setGeometry(inner.ToPixels());
}

void TextBoxXP::ShowLook() {
    SetEditColors(edit_, ShownForeColor(), ShownBackColor());
    update();
}

void TextBoxXP::Hover(bool inside) {
    const HoverEvents events = states_.Move(inside);
    ShowLook();
    if (events.mouseOver)
        emit MouseOver();
    if (events.mouseOut)
        emit MouseOut();
}

void TextBoxXP::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(ColorFromNumber(ShownBorderColor()));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TextBoxXP::resizeEvent(QResizeEvent*) {
    Layout();
}

bool TextBoxXP::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        states_.FocusIn();
        ShowLook();
        break;
    case QEvent::FocusOut:
        states_.FocusOut();
        ShowLook();
        break;
    case QEvent::Enter:
    case QEvent::MouseMove: {
        // The pointer counts as inside over the whole control, measured from the inner box.
        const QPointF point = event->type() == QEvent::Enter
                                  ? static_cast<QEnterEvent*>(event)->position()
                                  : static_cast<QMouseEvent*>(event)->position();
        Hover(point.x() >= 0 && point.x() <= width() && point.y() >= 0 && point.y() <= height());
        break;
    }
    case QEvent::Leave:
        Hover(false);
        break;
    case QEvent::MouseButtonRelease:
        states_.Release();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lexarion
