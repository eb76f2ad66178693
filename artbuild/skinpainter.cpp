// Paints the bitmaps and writes the parameter files of the skins that come with Lexarion.
//
//     lexskinpainter <palette folder> <folder>
//
// writes <folder>/WindowsXP/, <folder>/Jade/ and <folder>/BuiltIn/ from the palettes
// <palette folder>/WindowsXP.ini and Jade.ini. Every picture is drawn from a handful of colours
// per skin, so the two skins share their shapes and differ in colour and detail. The output is
// deterministic: painting uses no fonts and no system state.

#include "platform/privateprofile.h"
#include "platform/textcodec.h"
#include "platform/textfile.h"
#include "skin/skinparameters.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

using lexarion::EncodeLines;
using lexarion::TextEncoding;
using lexarion::WriteFileAtomically;

// ---------------------------------------------------------------------------------------------
// The colours of one skin.

struct TitleLook {
    QColor top;       // gradient at the top of the title bar
    QColor middle;    // gradient in the middle
    QColor bottom;    // gradient at the bottom
    QColor highlight; // the bright line just inside the outer edge
    QColor outer;     // the outermost line of the whole frame
    QColor border;    // the body of the side and bottom borders
    QColor inner;     // the line next to the client area
};

struct SkinLook {
    QString name;
    TitleLook active;
    TitleLook inactive;
    QColor formBack;

    // Title buttons.
    QColor closeFace;
    QColor captionFace;
    QColor glyph;
    bool roundTitleButtons = true;

    // Push button.
    QColor buttonBorder;
    QColor buttonTop;
    QColor buttonBottom;
    QColor buttonHot;
    QColor buttonHotInner;
    QColor buttonDisabledBorder;
    QColor buttonDisabledFace;
    double buttonRadius = 3;

    // Check box and option button marks.
    QColor markBorder;
    QColor markTop;
    QColor markBottom;
    QColor markCheck;
    QColor markHot;
    QColor markDisabledBorder;
    QColor markDisabledFace;
    QColor markDisabledCheck;

    // Tab pages, slider, scroll bar.
    QColor panelEdge;
    QColor panelLight;
    QColor panelShadow;
    QColor tabFace;
    QColor tabAccent;
    QColor thumbBorder;
    QColor thumbTop;
    QColor thumbBottom;
    QColor thumbHot;
    QColor trackDark;
    QColor trackLight;

    // The parameter file: section, key, value, in the file's order.
    QStringList description;
    QList<std::array<QString, 3>> parameters;
};

QString ColorNumber(const QColor& color) {
    return QString::number(color.red() + 256 * color.green() + 65536 * color.blue());
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// ---------------------------------------------------------------------------------------------
// Pictures and strips.

QImage NewPicture(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// A strip of `cells` cells of `cellWidth` x `cellHeight`, cell i painted by paint(painter, i)
// with the painter's origin at the cell's top-left corner (cells counted from 1).
QImage Strip(int cells, int cellWidth, int cellHeight, const QColor& fill,
             const std::function<void(QPainter&, int)>& paint) {
    QImage image = NewPicture(cells * cellWidth, cellHeight, fill);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int cell = 1; cell <= cells; ++cell) {
        painter.save();
        painter.translate((cell - 1) * cellWidth, 0);
        painter.setClipRect(0, 0, cellWidth, cellHeight);
        paint(painter, cell);
        painter.restore();
    }
    return image;
}

const TitleLook& LookFor(const SkinLook& skin, bool active) {
    return active ? skin.active : skin.inactive;
}

// ---------------------------------------------------------------------------------------------
// Window frame. The title bar is 30 pixels high, the side and bottom borders 4 pixels thick:
// outer line, two of border colour, inner line.

constexpr int TitleHeight = 30;
constexpr int BorderWidth = 4;

void FillTitle(QPainter& p, const TitleLook& look, int width) {
    QLinearGradient gradient(0, 0, 0, TitleHeight);
    gradient.setColorAt(0.0, look.top);
    gradient.setColorAt(0.45, look.middle);
    gradient.setColorAt(1.0, look.bottom);
    p.fillRect(0, 0, width, TitleHeight, gradient);
    p.fillRect(0, 0, width, 1, look.outer);
    p.fillRect(0, 1, width, 1, look.highlight);
    p.fillRect(0, TitleHeight - 1, width, 1, look.inner);
}

QColor SideColumn(const TitleLook& look, int column) { // column 0 is the outer edge
    switch (column) {
    case 0:
        return look.outer;
    case BorderWidth - 1:
        return look.inner;
    default:
        return look.border;
    }
}

QImage TitleLeft(const SkinLook& skin, bool mirrored) {
    return Strip(2, 6, TitleHeight, skin.formBack, [&](QPainter& p, int cell) {
        const TitleLook& look = LookFor(skin, cell == 1);
        FillTitle(p, look, 6);
        const int outerX = mirrored ? 5 : 0;
        const int lightX = mirrored ? 4 : 1;
        p.fillRect(outerX, 0, 1, TitleHeight, look.outer);
        p.fillRect(lightX, 1, 1, TitleHeight - 2, look.highlight);
    });
}

QImage TitleMiddle(const SkinLook& skin) {
    return Strip(2, 20, TitleHeight, skin.formBack,
                 [&](QPainter& p, int cell) { FillTitle(p, LookFor(skin, cell == 1), 20); });
}

QImage SideBorder(const SkinLook& skin, bool right) {
    return Strip(2, BorderWidth, 20, skin.formBack, [&](QPainter& p, int cell) {
        const TitleLook& look = LookFor(skin, cell == 1);
        for (int column = 0; column < BorderWidth; ++column) {
            const int x = right ? BorderWidth - 1 - column : column;
            p.fillRect(x, 0, 1, 20, SideColumn(look, column));
        }
    });
}

QImage BottomBorder(const SkinLook& skin) {
    return Strip(2, 20, BorderWidth, skin.formBack, [&](QPainter& p, int cell) {
        const TitleLook& look = LookFor(skin, cell == 1);
        for (int row = 0; row < BorderWidth; ++row)
            p.fillRect(0, BorderWidth - 1 - row, 20, 1, SideColumn(look, row));
    });
}

// The 8 x 8 bottom corners continue the side border above them and the bottom border beside;
// their inner quarter is the window's background.
QImage BottomCorner(const SkinLook& skin, bool right) {
    return Strip(2, 8, 8, skin.formBack, [&](QPainter& p, int cell) {
        const TitleLook& look = LookFor(skin, cell == 1);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                const int fromSide = right ? 7 - x : x; // distance from the outer side
                const int fromBottom = 7 - y;
                QColor color;
                // Inside both borders the corner shows the window's background, not a square
                // of border colour.
                if (fromSide >= BorderWidth && fromBottom >= BorderWidth)
                    color = skin.formBack;
                else if (fromBottom < BorderWidth && fromSide >= BorderWidth - 1 - fromBottom &&
                         fromSide >= BorderWidth)
                    color = SideColumn(look, fromBottom);
                else if (fromSide < BorderWidth && fromBottom >= BorderWidth)
                    color = SideColumn(look, fromSide);
                else
                    color = SideColumn(look, std::min(fromSide, fromBottom));
                p.fillRect(x, y, 1, 1, color);
            }
        }
    });
}

// ---------------------------------------------------------------------------------------------
// Title buttons: 21 x 21 cells on the title bar (whose slice they repeat as their background).
// Cells: 1 normal, 2 pressed, 3 mouse over, 4 window inactive, 5 disabled.

enum class Glyph { Close, Maximize, Restore, Minimize };

void DrawGlyph(QPainter& p, Glyph glyph, const QColor& color, QPointF offset) {
    p.save();
    p.translate(offset);
    p.setBrush(Qt::NoBrush);
    QPen pen(color, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    switch (glyph) {
    case Glyph::Close:
        pen.setWidthF(2.2);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        p.drawLine(QPointF(6.5, 6.5), QPointF(14.5, 14.5));
        p.drawLine(QPointF(14.5, 6.5), QPointF(6.5, 14.5));
        break;
    case Glyph::Maximize:
        pen.setWidthF(1.0);
        p.setPen(pen);
        p.drawRect(QRectF(5.5, 5.5, 10, 10));
        p.fillRect(QRectF(5, 5, 11, 2.5), color);
        break;
    case Glyph::Restore:
        pen.setWidthF(1.0);
        p.setPen(pen);
        p.drawRect(QRectF(8.5, 4.5, 8, 7));
        p.fillRect(QRectF(8, 4, 9, 2), color);
        p.fillRect(QRectF(4, 8, 9, 9), Qt::transparent);
        p.drawRect(QRectF(4.5, 9.5, 8, 7));
        p.fillRect(QRectF(4, 9, 9, 2), color);
        break;
    case Glyph::Minimize:
        p.fillRect(QRectF(6, 13, 7, 2.5), color);
        break;
    }
    p.restore();
}

QImage TitleButton(const SkinLook& skin, Glyph glyph) {
    constexpr int size = 21;
    // Centred on the title bar; the slice of the bar behind the button, whole pixels.
    constexpr int top = (TitleHeight - size) / 2;
    return Strip(5, size, size, skin.formBack, [&](QPainter& p, int cell) {
        const bool active = cell != 4;
        const TitleLook& title = LookFor(skin, active);
        p.save();
        p.translate(0, -top);
        FillTitle(p, title, size);
        p.restore();

        QColor face = glyph == Glyph::Close ? skin.closeFace : skin.captionFace;
        QColor glyphColor = skin.glyph;
        switch (cell) {
        case 2:
            face = face.darker(135);
            break;
        case 3:
            face = face.lighter(125);
            break;
        case 4:
            face = Mix(face, title.middle, 0.55);
            glyphColor = Mix(skin.glyph, title.middle, 0.35);
            break;
        case 5: {
            // Greyed: the face loses its colour, the glyph almost fades into it.
            const int grey = qGray(face.rgb());
            face = Mix(QColor(grey, grey, grey), title.middle, 0.3);
            glyphColor = Mix(QColor(Qt::white), face, 0.55);
            break;
        }
        default:
            break;
        }
        const QRectF body(0.5, 0.5, size - 1, size - 1);
        const double radius = skin.roundTitleButtons ? 3.5 : 0.0;
        QLinearGradient gradient(0, 0, 0, size);
        gradient.setColorAt(0, cell == 2 ? face.darker(110) : face.lighter(135));
        gradient.setColorAt(0.5, face);
        gradient.setColorAt(1, cell == 2 ? face.lighter(120) : face.darker(115));
        p.setPen(
            QPen(cell >= 4 ? Mix(QColor(Qt::white), title.middle, 0.5) : QColor(Qt::white), 1.0));
        p.setBrush(gradient);
        p.drawRoundedRect(body, radius, radius);
        const QPointF offset = cell == 2 ? QPointF(0.5, 0.5) : QPointF(0, 0);
        DrawGlyph(p, glyph, glyphColor, offset);
    });
}

// ---------------------------------------------------------------------------------------------
// Push button: 65 x 25 cells, 1 normal, 2 pressed, 3 mouse over, 4 disabled. The control is
// cut to 5 x 5 pixel round corners, so the corners show the form's colour.

QImage PushButton(const SkinLook& skin) {
    return Strip(4, 65, 25, skin.formBack, [&](QPainter& p, int cell) {
        const QRectF body(0.5, 0.5, 64, 24);
        const double r = skin.buttonRadius;
        QLinearGradient face(0, 0, 0, 25);
        QColor border = skin.buttonBorder;
        switch (cell) {
        case 2:
            face.setColorAt(0, skin.buttonBottom.darker(112));
            face.setColorAt(0.2, skin.buttonBottom.darker(105));
            face.setColorAt(1, skin.buttonTop);
            break;
        case 4:
            face.setColorAt(0, skin.buttonDisabledFace);
            face.setColorAt(1, skin.buttonDisabledFace);
            border = skin.buttonDisabledBorder;
            break;
        default:
            face.setColorAt(0, skin.buttonTop);
            face.setColorAt(0.6, Mix(skin.buttonTop, skin.buttonBottom, 0.45));
            face.setColorAt(1, skin.buttonBottom);
            break;
        }
        p.setPen(QPen(border, 1.0));
        p.setBrush(face);
        p.drawRoundedRect(body, r, r);
        if (cell == 3) {
            // The warm ring of a button under the mouse.
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(skin.buttonHot, 1.0));
            p.drawRoundedRect(QRectF(1.5, 1.5, 62, 22), r - 1, r - 1);
            p.setPen(QPen(skin.buttonHotInner, 1.0));
            p.drawRoundedRect(QRectF(2.5, 2.5, 60, 20), r - 1.5, r - 1.5);
        } else if (cell == 1) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
            p.drawLine(QPointF(2.5, 1.5), QPointF(62.5, 1.5));
        }
    });
}

// ---------------------------------------------------------------------------------------------
// Check box and option button marks: 13 x 13 cells, 1 off, 2 on, 3 off under the mouse, 4 on
// under the mouse, 5 off disabled, 6 on disabled.

struct MarkState {
    bool on;
    bool hot;
    bool disabled;
};

MarkState MarkStateOf(int cell) {
    return {cell % 2 == 0, cell == 3 || cell == 4, cell >= 5};
}

void MarkFace(QPainter& p, const SkinLook& skin, const MarkState& state,
              const std::function<void(const QRectF&)>& shape) {
    QLinearGradient face(0, 0, 13, 13);
    face.setColorAt(0, state.disabled ? skin.markDisabledFace : skin.markTop);
    face.setColorAt(1, state.disabled ? skin.markDisabledFace : skin.markBottom);
    p.setPen(QPen(state.disabled ? skin.markDisabledBorder : skin.markBorder, 1.0));
    p.setBrush(face);
    shape(QRectF(0.5, 0.5, 12, 12));
    if (state.hot) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(skin.markHot, 2.0));
        shape(QRectF(2, 2, 9, 9));
    }
}

QImage CheckMarks(const SkinLook& skin) {
    return Strip(6, 13, 13, skin.formBack, [&](QPainter& p, int cell) {
        const MarkState state = MarkStateOf(cell);
        p.setRenderHint(QPainter::Antialiasing, false);
        MarkFace(p, skin, state,
                 [&](const QRectF& r) { p.drawRect(r.adjusted(-0.5, -0.5, -0.5, -0.5)); });
        if (state.on) {
            p.setRenderHint(QPainter::Antialiasing, true);
            QPen pen(state.disabled ? skin.markDisabledCheck : skin.markCheck, 2.0, Qt::SolidLine,
                     Qt::RoundCap, Qt::RoundJoin);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            const QPointF points[] = {QPointF(3.2, 6.4), QPointF(5.4, 8.8), QPointF(9.8, 3.8)};
            p.drawPolyline(points, 3);
        }
    });
}

// The option button shows its mark through an ellipse that is half a pixel larger than the
// cell and centred half a pixel lower right, so it would cut the cell's top row and left
// column: the circle keeps one pixel clear of the cell's edges.
QImage OptionMarks(const SkinLook& skin) {
    return Strip(6, 13, 13, skin.formBack, [&](QPainter& p, int cell) {
        const MarkState state = MarkStateOf(cell);
        MarkFace(p, skin, state, [&](const QRectF& r) { p.drawEllipse(r.adjusted(1, 1, -1, -1)); });
        if (state.on) {
            const QColor dot = state.disabled ? skin.markDisabledCheck : skin.markCheck;
            QRadialGradient gradient(QPointF(5.8, 5.8), 3.0);
            gradient.setColorAt(0, dot.lighter(160));
            gradient.setColorAt(1, dot);
            p.setPen(Qt::NoPen);
            p.setBrush(gradient);
            p.drawEllipse(QPointF(6.5, 6.5), 2.6, 2.6);
        }
    });
}

// ---------------------------------------------------------------------------------------------
// Tab pages: the face strip (58 x 18 cells, 1 normal, 2 highlighted) and the panel's edges,
// each two pixels thick.

QImage TabFaces(const SkinLook& skin) {
    return Strip(2, 58, 18, skin.formBack, [&](QPainter& p, int cell) {
        const bool high = cell == 2;
        QPainterPath path;
        path.moveTo(0.5, 18);
        path.lineTo(0.5, 3.5);
        path.quadTo(0.5, 0.5, 3.5, 0.5);
        path.lineTo(54.5, 0.5);
        path.quadTo(57.5, 0.5, 57.5, 3.5);
        path.lineTo(57.5, 18);
        QLinearGradient face(0, 0, 0, 18);
        face.setColorAt(0, Qt::white);
        face.setColorAt(1, high ? Qt::white : skin.tabFace);
        p.setPen(QPen(skin.panelEdge, 1.0));
        p.setBrush(face);
        p.drawPath(path);
        if (high) {
            p.setPen(Qt::NoPen);
            p.setBrush(skin.tabAccent);
            p.drawRoundedRect(QRectF(1, 1, 56, 3), 1.5, 1.5);
        } else {
            p.fillRect(0, 16, 58, 1, skin.panelEdge);
            p.fillRect(0, 17, 58, 1, skin.panelLight);
        }
    });
}

QImage PanelEdge(const SkinLook& skin, Qt::Edge edge) {
    const bool horizontal = edge == Qt::TopEdge || edge == Qt::BottomEdge;
    QImage image = NewPicture(horizontal ? 20 : 2, horizontal ? 2 : 20, skin.formBack);
    QPainter p(&image);
    const QColor outer =
        edge == Qt::TopEdge || edge == Qt::LeftEdge ? skin.panelEdge : skin.panelShadow;
    const QColor inner =
        edge == Qt::TopEdge || edge == Qt::LeftEdge ? skin.panelLight : skin.panelEdge;
    switch (edge) {
    case Qt::TopEdge:
        p.fillRect(0, 0, 20, 1, outer);
        p.fillRect(0, 1, 20, 1, inner);
        break;
    case Qt::BottomEdge:
        p.fillRect(0, 0, 20, 1, inner);
        p.fillRect(0, 1, 20, 1, outer);
        break;
    case Qt::LeftEdge:
        p.fillRect(0, 0, 1, 20, outer);
        p.fillRect(1, 0, 1, 20, inner);
        break;
    case Qt::RightEdge:
        p.fillRect(0, 0, 1, 20, inner);
        p.fillRect(1, 0, 1, 20, outer);
        break;
    }
    return image;
}

// ---------------------------------------------------------------------------------------------
// Slider: the thumb (11 x 19 cells, 1 normal, 2 highlighted), a pentagon pointing up whose
// point is 5 pixels high, and the track, a groove 4 pixels high.

QImage SliderThumb(const SkinLook& skin) {
    return Strip(2, 11, 19, skin.formBack, [&](QPainter& p, int cell) {
        QPainterPath path;
        path.moveTo(5.5, 0.5);
        path.lineTo(10.5, 5.5);
        path.lineTo(10.5, 18.5);
        path.lineTo(0.5, 18.5);
        path.lineTo(0.5, 5.5);
        path.closeSubpath();
        QLinearGradient face(0, 0, 11, 0);
        face.setColorAt(0, skin.thumbTop);
        face.setColorAt(1, skin.thumbBottom);
        p.setPen(QPen(cell == 2 ? skin.thumbHot : skin.thumbBorder, 1.0));
        p.setBrush(face);
        p.drawPath(path);
        if (cell == 2) {
            p.setPen(QPen(skin.thumbHot, 1.0));
            p.drawLine(QPointF(2, 17), QPointF(9, 17));
        }
    });
}

QImage SliderTrack(const SkinLook& skin) {
    QImage image = NewPicture(100, 4, skin.formBack);
    QPainter p(&image);
    p.fillRect(0, 0, 100, 1, skin.trackDark);
    p.fillRect(0, 1, 100, 2, Mix(skin.trackDark, skin.trackLight, 0.6));
    p.fillRect(0, 3, 100, 1, skin.trackLight);
    return image;
}

// ---------------------------------------------------------------------------------------------
// Scroll bar and up-down: the thumb (13 x 24 cells, 1 normal, 2 pressed), arrow buttons (15 x
// 16 cells: up, up pressed, down, down pressed), the spinner's arrows (15 x 7 cells, the same).

// The face of the arrow buttons and the scroll bar's thumb, shaded across, darker and the other
// way round while pressed.
QLinearGradient PressFace(const SkinLook& skin, double width, bool pressed) {
    QLinearGradient face(0, 0, width, 0);
    face.setColorAt(0, pressed ? skin.thumbBottom.darker(110) : skin.thumbTop);
    face.setColorAt(1, pressed ? skin.thumbTop.darker(105) : skin.thumbBottom);
    return face;
}

void ArrowButton(QPainter& p, const SkinLook& skin, QSizeF size, bool up, bool pressed,
                 double arrowHalf) {
    p.setPen(QPen(skin.thumbBorder, 1.0));
    p.setBrush(PressFace(skin, size.width(), pressed));
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 2, 2);
    const double cx = size.width() / 2 + (pressed ? 0.5 : 0);
    const double cy = size.height() / 2 + (pressed ? 0.5 : 0);
    const double h = arrowHalf * 0.6;
    QPolygonF arrow;
    if (up)
        arrow << QPointF(cx - arrowHalf, cy + h) << QPointF(cx + arrowHalf, cy + h)
              << QPointF(cx, cy - h);
    else
        arrow << QPointF(cx - arrowHalf, cy - h) << QPointF(cx + arrowHalf, cy - h)
              << QPointF(cx, cy + h);
    p.setPen(Qt::NoPen);
    // A light title glyph would vanish on the light face: the arrow takes the border's colour.
    p.setBrush(skin.glyph.lightness() > 200 ? skin.thumbBorder.darker(130) : skin.glyph);
    p.drawPolygon(arrow);
}

QImage ArrowStrip(const SkinLook& skin, int height, double arrowHalf) {
    return Strip(4, 15, height, skin.formBack, [&](QPainter& p, int cell) {
        ArrowButton(p, skin, QSizeF(15, height), cell <= 2, cell % 2 == 0, arrowHalf);
    });
}

QImage ScrollThumb(const SkinLook& skin) {
    return Strip(2, 13, 24, skin.formBack, [&](QPainter& p, int cell) {
        p.setPen(QPen(skin.thumbBorder, 1.0));
        p.setBrush(PressFace(skin, 13, cell == 2));
        p.drawRoundedRect(QRectF(0.5, 0.5, 12, 23), 2.5, 2.5);
        p.setPen(QPen(skin.thumbBorder.lighter(120), 1.0));
        for (int y = 9; y <= 15; y += 2)
            p.drawLine(QPointF(3.5, y + 0.5), QPointF(9.5, y + 0.5));
    });
}

QImage ScrollTrack(const SkinLook& skin) {
    QImage image = NewPicture(15, 20, Mix(skin.formBack, Qt::white, 0.55));
    QPainter p(&image);
    p.fillRect(0, 0, 1, 20, Mix(skin.formBack, skin.panelShadow, 0.35));
    p.fillRect(14, 0, 1, 20, Mix(skin.formBack, Qt::white, 0.8));
    return image;
}

// ---------------------------------------------------------------------------------------------
// The preview: a small window of the skin with a button, check box and option button.

QImage Cell(const QImage& strip, int cells, int cell) {
    const int width = strip.width() / cells;
    return strip.copy((cell - 1) * width, 0, width, strip.height());
}

QImage Preview(const SkinLook& skin, const QMap<QString, QImage>& pictures, int rounding) {
    constexpr int width = 180;
    constexpr int height = 120;
    QImage image = NewPicture(width, height, QColor(255, 255, 255));
    QPainter p(&image);
    auto piece = [&](const QString& file, int cells, int cell, const QRect& target) {
        p.drawImage(target, Cell(pictures.value(file), cells, cell));
    };
    p.fillRect(0, 0, width, height, skin.formBack);
    piece("Form_LeftTop.bmp", 2, 1, QRect(0, 0, 6, 30));
    piece("Form_Top.bmp", 2, 1, QRect(6, 0, width - 12, 30));
    piece("Form_RightTop.bmp", 2, 1, QRect(width - 6, 0, 6, 30));
    piece("Form_Left.bmp", 2, 1, QRect(0, 30, 4, height - 38));
    piece("Form_Right.bmp", 2, 1, QRect(width - 4, 30, 4, height - 38));
    piece("Form_Bottom.bmp", 2, 1, QRect(8, height - 4, width - 16, 4));
    piece("Form_LeftBottom.bmp", 2, 1, QRect(0, height - 8, 8, 8));
    piece("Form_RightBottom.bmp", 2, 1, QRect(width - 8, height - 8, 8, 8));
    piece("Form_Close.bmp", 5, 1, QRect(width - 28, 4, 21, 21));
    piece("Form_Max.bmp", 5, 1, QRect(width - 52, 4, 21, 21));
    piece("Form_Min.bmp", 5, 1, QRect(width - 76, 4, 21, 21));
    // A title mark instead of text: three bars of the title colour.
    const QColor titleText = Mix(skin.active.middle, Qt::white, 0.85);
    p.fillRect(10, 11, 8, 8, titleText);
    p.fillRect(22, 13, 48, 4, titleText);
    piece("Button.bmp", 4, 1, QRect(18, 44, 65, 25));
    piece("Button.bmp", 4, 3, QRect(96, 44, 65, 25));
    p.fillRect(40, 55, 20, 3, skin.buttonBorder);
    p.fillRect(118, 55, 20, 3, skin.buttonBorder);
    piece("CheckBox.bmp", 6, 2, QRect(18, 82, 13, 13));
    piece("RadioBox.bmp", 6, 2, QRect(96, 82, 13, 13));
    p.fillRect(36, 87, 36, 3, skin.markBorder);
    p.fillRect(114, 87, 36, 3, skin.markBorder);
    p.end();
    if (rounding > 0) {
        // The corners outside the rounded window, as the window mask would leave them.
        QImage shaped = NewPicture(width, height, QColor(255, 255, 255));
        QPainter q(&shaped);
        q.setRenderHint(QPainter::Antialiasing);
        QPainterPath clip;
        clip.addRoundedRect(QRectF(0, 0, width, height + rounding), rounding / 2.0, rounding / 2.0);
        q.setClipPath(clip);
        q.drawImage(0, 0, image);
        return shaped;
    }
    return image;
}

// ---------------------------------------------------------------------------------------------
// Writing a skin.

bool SavePicture(const QString& folder, const QString& file, const QImage& image) {
    const QString path = folder + u'/' + file;
    if (!image.convertToFormat(QImage::Format_RGB888).save(path, "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool WriteParameters(const QString& folder, const SkinLook& skin) {
    QStringList lines;
    QString section;
    for (const auto& [sectionName, key, value] : skin.parameters) {
        if (sectionName != section) {
            if (!lines.isEmpty())
                lines << QString();
            lines << u'[' + sectionName + u']';
            section = sectionName;
        }
        lines << key + u'=' + value;
    }
    return WriteFileAtomically(folder + QStringLiteral("/config.ini"),
                               EncodeLines(lines, TextEncoding::Gb18030));
}

bool WriteSkin(const QString& root, const SkinLook& skin) {
    const QString folder = root + u'/' + skin.name;
    int rounding = 0;
    for (const auto& [section, key, value] : skin.parameters)
        if (section == u"Window" && key == u"RoundRng")
            rounding = value.toInt();
    QDir().mkpath(folder);
    QMap<QString, QImage> pictures;
    pictures["Form_LeftTop.bmp"] = TitleLeft(skin, false);
    pictures["Form_Top.bmp"] = TitleMiddle(skin);
    pictures["Form_RightTop.bmp"] = TitleLeft(skin, true);
    pictures["Form_Left.bmp"] = SideBorder(skin, false);
    pictures["Form_Right.bmp"] = SideBorder(skin, true);
    pictures["Form_Bottom.bmp"] = BottomBorder(skin);
    pictures["Form_LeftBottom.bmp"] = BottomCorner(skin, false);
    pictures["Form_RightBottom.bmp"] = BottomCorner(skin, true);
    pictures["Form_Close.bmp"] = TitleButton(skin, Glyph::Close);
    pictures["Form_Max.bmp"] = TitleButton(skin, Glyph::Maximize);
    pictures["Form_Normal.bmp"] = TitleButton(skin, Glyph::Restore);
    pictures["Form_Min.bmp"] = TitleButton(skin, Glyph::Minimize);
    pictures["Button.bmp"] = PushButton(skin);
    pictures["CheckBox.bmp"] = CheckMarks(skin);
    pictures["RadioBox.bmp"] = OptionMarks(skin);
    pictures["TablePage_Title.bmp"] = TabFaces(skin);
    pictures["TablePage_Left.bmp"] = PanelEdge(skin, Qt::LeftEdge);
    pictures["TablePage_Right.bmp"] = PanelEdge(skin, Qt::RightEdge);
    pictures["TablePage_Top.bmp"] = PanelEdge(skin, Qt::TopEdge);
    pictures["TablePage_Bottom.bmp"] = PanelEdge(skin, Qt::BottomEdge);
    pictures["Slider_Mid.bmp"] = SliderThumb(skin);
    pictures["Slider_Back.bmp"] = SliderTrack(skin);
    pictures["VScrollBar_Mid.bmp"] = ScrollThumb(skin);
    pictures["VScrollBar_UpDown.bmp"] = ArrowStrip(skin, 16, 3.5);
    pictures["UpDown.bmp"] = ArrowStrip(skin, 7, 2.5);
    pictures["PreView.bmp"] = Preview(skin, pictures, rounding);
    bool ok = true;
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it)
        ok = SavePicture(folder, it.key(), it.value()) && ok;
    return WriteParameters(folder, skin) && ok;
}

// ---------------------------------------------------------------------------------------------
// The skins' palettes: one file per skin in palettes/, read with the program's own reader.

// "red,green,blue".
QColor PaletteColor(const QString& file, const char* section, const char* key) {
    const QStringList parts = lexarion::GetPrivateProfileString(QString::fromLatin1(section),
                                                                QString::fromLatin1(key), {}, file)
                                  .split(u',');
    if (parts.size() != 3) {
        std::fprintf(stderr, "%s: [%s] %s is no red,green,blue colour\n", qPrintable(file), section,
                     key);
        std::exit(1);
    }
    return QColor(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
}

TitleLook PaletteTitle(const QString& file, const char* section) {
    const auto c = [&](const char* key) { return PaletteColor(file, section, key); };
    return {c("Top"),   c("Middle"), c("Bottom"), c("Highlight"),
            c("Outer"), c("Border"), c("Inner")};
}

SkinLook LoadLook(const QString& paletteFolder, const QString& name) {
    const QString file = paletteFolder + u'/' + name + QStringLiteral(".ini");
    const auto c = [&](const char* key) { return PaletteColor(file, "Look", key); };
    const auto text = [&](const char* section, const char* key) {
        return lexarion::GetPrivateProfileString(QString::fromLatin1(section),
                                                 QString::fromLatin1(key), {}, file);
    };
    SkinLook s;
    s.name = name;
    s.active = PaletteTitle(file, "ActiveTitle");
    s.inactive = PaletteTitle(file, "InactiveTitle");
    s.formBack = c("FormBack");
    s.closeFace = c("CloseFace");
    s.captionFace = c("CaptionFace");
    s.glyph = c("Glyph");
    s.roundTitleButtons = text("Look", "RoundTitleButtons") == u"1";
    s.buttonBorder = c("ButtonBorder");
    s.buttonTop = c("ButtonTop");
    s.buttonBottom = c("ButtonBottom");
    s.buttonHot = c("ButtonHot");
    s.buttonHotInner = c("ButtonHotInner");
    s.buttonDisabledBorder = c("ButtonDisabledBorder");
    s.buttonDisabledFace = c("ButtonDisabledFace");
    s.buttonRadius = text("Look", "ButtonRadius").toDouble();
    s.markBorder = c("MarkBorder");
    s.markTop = c("MarkTop");
    s.markBottom = c("MarkBottom");
    s.markCheck = c("MarkCheck");
    s.markHot = c("MarkHot");
    s.markDisabledBorder = c("MarkDisabledBorder");
    s.markDisabledFace = c("MarkDisabledFace");
    s.markDisabledCheck = c("MarkDisabledCheck");
    s.panelEdge = c("PanelEdge");
    s.panelLight = c("PanelLight");
    s.panelShadow = c("PanelShadow");
    s.tabFace = c("TabFace");
    s.tabAccent = c("TabAccent");
    s.thumbBorder = c("ThumbBorder");
    s.thumbTop = c("ThumbTop");
    s.thumbBottom = c("ThumbBottom");
    s.thumbHot = c("ThumbHot");
    s.trackDark = c("TrackDark");
    s.trackLight = c("TrackLight");
    // The parameter file holds every key the program reads, in the program's order; colours
    // are written as colour numbers.
    for (const lexarion::SkinKeyInfo& key : lexarion::AllSkinKeys()) {
        const QString section = key.section.toString();
        const QString value =
            key.kind == lexarion::SkinValueKind::Color
                ? ColorNumber(
                      PaletteColor(file, qPrintable(section), qPrintable(key.key.toString())))
                : lexarion::GetPrivateProfileString(section, key.key.toString(), {}, file);
        s.parameters.append({section, key.key.toString(), value});
    }
    return s;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: lexskinpainter <palette folder> <folder>\n");
        return 2;
    }
    const QString palettes = QString::fromLocal8Bit(argv[1]);
    const QString root = QString::fromLocal8Bit(argv[2]);
    const SkinLook windowsXP = LoadLook(palettes, QStringLiteral("WindowsXP"));
    const SkinLook jade = LoadLook(palettes, QStringLiteral("Jade"));
    bool ok = WriteSkin(root, windowsXP) && WriteSkin(root, jade);
    const QString builtIn = root + QStringLiteral("/BuiltIn");
    QDir().mkpath(builtIn);
    ok = SavePicture(builtIn, QStringLiteral("VScrollBar_Track.bmp"), ScrollTrack(windowsXP)) && ok;
    return ok ? 0 : 1;
}
