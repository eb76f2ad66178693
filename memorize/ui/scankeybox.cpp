#include "memorize/ui/scankeybox.h"

#include "memorize/hotkeyslots.h"
#include "skin/ui/textboxxp.h"

#include <QLineEdit>

namespace lexarion {

ScanKeyBox::ScanKeyBox(QWidget* parent) : QWidget(parent), box_(new TextBoxXP(this)) {
    box_->setObjectName(QStringLiteral("ScanKeyText"));
    setFocusProxy(box_);
    // Nothing reaches the box but the keys: no pasting from its menu, no dropped text.
    QLineEdit* edit = box_->ControlXP();
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setAcceptDrops(false);
    connect(box_, &TextBoxXP::KeyDown, this, &ScanKeyBox::KeyDown);
    connect(box_, &TextBoxXP::KeyUp, this, [this](int&, int&) { KeyUp(); });
    connect(box_, &TextBoxXP::KeyPress, this, [](int& keyAscii) { keyAscii = 0; });
    ShowCombination();
}

void ScanKeyBox::SetScanKeyCode(qint16 keyCode) {
    scanKeyCode_ = keyCode;
    ShowCombination();
}

qint16 ScanKeyBox::ScanShift() const {
    if (scanKeyCode_ == 0)
        scanShift_ = 0;
    return scanShift_;
}

bool ScanKeyBox::Enabled() const {
    return box_->Enabled();
}

void ScanKeyBox::SetEnabled(bool enabled) {
    box_->SetEnabled(enabled);
}

QFont ScanKeyBox::Fonts() const {
    return box_->Fonts();
}

void ScanKeyBox::SetFonts(const QFont& font) {
    box_->SetFonts(font);
}

void ScanKeyBox::LoadSkin(const QString& folderPath) {
    box_->LoadSkin(folderPath);
}

void ScanKeyBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    box_->setGeometry(rect());
}

void ScanKeyBox::KeyDown(int& keyCode, int& shift) {
    const int key = keyCode;
    const int mask = shift;
    // The box's own editing keys (Delete, the arrows, pasting) do nothing here.
    keyCode = 0;
    box_->SetText(JoinKeyNames(ModifierNames(mask), KeyName(key)));
    scanShift_ = qint16(ModifierNames(mask).isEmpty() ? 0 : mask);
    SetScanKeyCode(qint16(KeyName(key).isEmpty() ? 0 : key));
}

void ScanKeyBox::KeyUp() {
    if (scanKeyCode_ == 0 && scanShift_ != 0) {
        scanShift_ = 0;
        box_->SetText(QStringLiteral("无"));
    }
    box_->SetSelStart(0);
    box_->SetSelLength(int(box_->Text().size()));
}

void ScanKeyBox::ShowCombination() {
    box_->SetText(JoinKeyNames(ModifierNames(ScanShift()), KeyName(scanKeyCode_)));
}

} // namespace lexarion
