#include "skin/ui/buttonxp.h"

#include "skin/twips.h"
#include "skin/ui/picturebox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainterPath>

namespace lexarion {

namespace {

// The width and height of the ellipses that round off the button's corners, in pixels.
constexpr int CornerEllipse = 5;

QRegion RoundedRegion(const QSize& size) {
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)), CornerEllipse / 2.0,
                        CornerEllipse / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}

// The code a typed character reports, 0 for a key that types none.
int CharacterCode(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty())
        return 0;
    return static_cast<int>(text.toUcs4().value(0));
}

} // namespace

ButtonXP::ButtonXP(QWidget* parent)
    : ClickableWithStates(PushButtonStates(), QStringLiteral("ButtonXP"),
                          {QStringLiteral("Button.bmp"), ButtonCellCount, SkinKey::ButtonForeColor,
                           SkinKey::ButtonFocusForeColor},
                          parent) {
    CaptionLabel().setAlignment(Qt::AlignCenter);
    Layout();
    ShowLook(true);
}

TwipsSize ButtonXP::FaceTwips() const {
    return ButtonFaceSize(CellTwips());
}

void ButtonXP::Layout() {
    const TwipsSize face = FaceTwips();
    const QSize size = TwipsSizeToPixels(face.width, face.height);
    Picture().setGeometry(QRect(QPoint(0, 0), size));
    setFixedSize(size);
    states_.Layout();
    setMask(RoundedRegion(size));
    CentreCaption();
}

void ButtonXP::CentreCaption() {
    CaptionLabel().setGeometry(ButtonCaptionRect(FaceTwips(), CaptionTextTwips()).ToPixels());
}

void ButtonXP::LayOutCaption() {
    CentreCaption();
}

QRect ButtonXP::FocusRectangle() const {
    return ButtonFocusRect(FaceTwips()).EdgesToPixels();
}

void ButtonXP::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        states_.SpaceDown();
        ShowLook();
    }
    if (const int code = CharacterCode(*event); code != 0)
        emit KeyPress(code);
    if (event->key() != Qt::Key_Space)
        QWidget::keyPressEvent(event);
}

void ButtonXP::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (event->isAutoRepeat())
        return;
    const ClickEvents events = states_.SpaceUp();
    ShowLook();
    Raise(events);
}

} // namespace lexarion
