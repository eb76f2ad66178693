#include "skin/formframe.h"

#include <algorithm>

namespace lexarion {

namespace {

TwipsRect At(double left, double top, QSizeF size) {
    return TwipsRect{left, top, size.width(), size.height()};
}

} // namespace

FrameLayout LayOutFrame(const FrameMetrics& m) {
    using P = FramePiece;
    FrameLayout layout;
    auto place = [&layout](P piece, TwipsRect rect) {
        layout.pieces[static_cast<std::size_t>(piece)] = rect;
    };
    const double sw = m.innerWidth;
    const double sh = m.innerHeight;

    // Title bar: the two ends at their cell size, the middle stretched between them.
    const QSizeF leftTop = m.Cell(P::LeftTop);
    const QSizeF rightTop = m.Cell(P::RightTop);
    const double th = leftTop.height();
    place(P::LeftTop, At(0, 0, leftTop));
    place(P::RightTop, {sw - rightTop.width(), 0, rightTop.width(), th});
    place(P::Top, {leftTop.width(), 0, sw - rightTop.width() - leftTop.width(), th});

    // Title buttons from the right: close, maximize (restore in its place), minimize.
    const QSizeF close = m.Cell(P::CloseButton);
    const TwipsRect closeRect =
        At(sw - close.width() - TitleButtonRightMargin, (th - close.height()) / 2, close);
    place(P::CloseButton, closeRect);
    const QSizeF max = m.Cell(P::MaxButton);
    const TwipsRect maxRect = At(closeRect.left - max.width() - TitleButtonGap, closeRect.top, max);
    place(P::MaxButton, maxRect);
    const QSizeF normal = m.Cell(P::NormalButton);
    place(P::NormalButton,
          At(closeRect.left - normal.width() - TitleButtonGap, closeRect.top, normal));
    const QSizeF min = m.Cell(P::MinButton);
    // The minimize button takes the maximize strip's cell size.
    const TwipsRect minRect = At(maxRect.left - min.width() - TitleButtonGap, maxRect.top, max);
    place(P::MinButton, minRect);

    const TwipsRect icon{TitleIconLeft, (th - FrameIconTwips) / 2, FrameIconTwips, FrameIconTwips};
    place(P::Icon, icon);

    const QSizeF text = m.titleText;
    const double textTop = (th - text.height()) / 2;
    switch (m.alignment) {
    case static_cast<int>(TitleAlignment::Left):
        place(P::Title, At(icon.Right() + TitleTextGap, textTop, text));
        break;
    case static_cast<int>(TitleAlignment::Right):
        place(P::Title, At(minRect.left - text.width() - TitleTextGap, textTop, text));
        break;
    case static_cast<int>(TitleAlignment::Centre):
        place(P::Title, At((sw - text.width()) / 2, textTop, text));
        break;
    default:
        place(P::Title, At(0, textTop, text));
        layout.titleVisible = false;
        break;
    }

    // Bottom corners at their cell size; the bottom border from the left corner to the right
    // edge, beneath the right corner.
    const QSizeF leftBottom = m.Cell(P::LeftBottom);
    const QSizeF rightBottom = m.Cell(P::RightBottom);
    const QSizeF bottom = m.Cell(P::Bottom);
    place(P::LeftBottom, At(0, sh - leftBottom.height(), leftBottom));
    place(P::RightBottom, At(sw - rightBottom.width(), sh - rightBottom.height(), rightBottom));
    place(P::Bottom,
          {leftBottom.width(), sh - bottom.height(), sw - leftBottom.width(), bottom.height()});

    // Side borders between the title bar and the bottom corners.
    const QSizeF left = m.Cell(P::Left);
    const QSizeF right = m.Cell(P::Right);
    const double sideHeight = sh - th - leftBottom.height();
    place(P::Left, {0, th, left.width(), sideHeight});
    place(P::Right, {sw - right.width(), th, right.width(), sideHeight});

    layout.client = {left.width(), th, sw - left.width() - right.width(),
                     sh - th - bottom.height()};
    return layout;
}

TitleButtonsLook ResolveTitleButtons(bool maxButton, bool minButton, FormWindowState state,
                                     bool active, const TitleButtonsLook& previous) {
    using C = TitleButtonCell;
    TitleButtonsLook look = previous;
    const C enabledCell = active ? C::Normal : C::Inactive;
    const C disabledCell = active ? C::Disabled : C::Inactive;

    look.close = {true, true, enabledCell};

    std::optional<bool> maxVisible;
    std::optional<bool> normalVisible;
    if (maxButton) {
        look.max.cell = look.normal.cell = enabledCell;
        if (state == FormWindowState::Normal) {
            look.max.enabled = true;
            maxVisible = true;
            normalVisible = false;
        } else if (state == FormWindowState::Maximized) {
            look.normal.enabled = true;
            normalVisible = true;
            maxVisible = false;
        }
    } else {
        look.max.cell = look.normal.cell = disabledCell;
        look.max.enabled = false;
        normalVisible = false;
        maxVisible = minButton;
    }

    std::optional<bool> minVisible;
    if (minButton) {
        look.min.cell = enabledCell;
        look.min.enabled = true;
        minVisible = true;
    } else {
        look.min.cell = disabledCell;
        look.min.enabled = false;
        minVisible = maxButton;
    }

    // A minimized window keeps what it showed.
    if (state != FormWindowState::Minimized) {
        look.max.visible = *maxVisible;
        look.normal.visible = *normalVisible;
        look.min.visible = *minVisible;
    }
    return look;
}

TitleButtonCell TitleButtonTracker::Press() {
    pressed_ = true;
    return TitleButtonCell::Pressed;
}

std::optional<TitleButtonCell> TitleButtonTracker::Move(bool inside, bool windowActive) {
    if (pressed_)
        return inside ? TitleButtonCell::Pressed : TitleButtonCell::Normal;
    if (inside) {
        const bool entered = !hovering_;
        hovering_ = true;
        if (entered && windowActive)
            return TitleButtonCell::Hover;
        return std::nullopt;
    }
    if (!hovering_)
        return std::nullopt;
    hovering_ = false;
    return windowActive ? TitleButtonCell::Normal : TitleButtonCell::Inactive;
}

TitleButtonCell TitleButtonTracker::Release() {
    pressed_ = false;
    hovering_ = false;
    return TitleButtonCell::Normal;
}

TwipsRect MaximizedWindowRect(const TwipsRect& workArea) {
    return {workArea.left, workArea.top, workArea.width + 50, workArea.height};
}

std::optional<FormWindowState> TitleDoubleClickState(bool maxButton, FormWindowState state) {
    if (!maxButton)
        return std::nullopt;
    if (state == FormWindowState::Normal)
        return FormWindowState::Maximized;
    if (state == FormWindowState::Maximized)
        return FormWindowState::Normal;
    return std::nullopt;
}

QRect DraggedWindowGeometry(const QRect& start, const QPoint& delta, Qt::Edges edges,
                            const QSize& minimum) {
    if (edges == Qt::Edges())
        return start.translated(delta);
    QRect rect = start;
    if (edges & Qt::LeftEdge)
        rect.setLeft(std::min(start.left() + delta.x(), start.right() + 1 - minimum.width()));
    if (edges & Qt::RightEdge)
        rect.setRight(std::max(start.right() + delta.x(), start.left() - 1 + minimum.width()));
    if (edges & Qt::TopEdge)
        rect.setTop(std::min(start.top() + delta.y(), start.bottom() + 1 - minimum.height()));
    if (edges & Qt::BottomEdge)
        rect.setBottom(std::max(start.bottom() + delta.y(), start.top() - 1 + minimum.height()));
    return rect;
}

} // namespace lexarion
