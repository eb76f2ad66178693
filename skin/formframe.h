#pragma once

// The window frame's rules, without any window: where the pieces go (in twips, from the cell
// sizes of the strips and the frame's inner size), which title buttons show which cell, how a
// title button follows the mouse, and the window state changes. FormXP puts the results on
// screen.

#include "skin/twips.h"

#include <QRect>
#include <QSizeF>
#include <array>
#include <optional>

namespace lexarion {

// Cells of the eight frame strips.
enum class FrameCell { Active = 1, Inactive = 2 };
// Cells of the four title button strips.
enum class TitleButtonCell { Normal = 1, Pressed = 2, Hover = 3, Inactive = 4, Disabled = 5 };

// 0 normal, 1 minimized, 2 maximized.
enum class FormWindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// Title text placement: any code other than these three hides the text.
enum class TitleAlignment { Left = 0, Right = 1, Centre = 2 };

// The pieces of the frame, in the order they are laid out.
enum class FramePiece {
    LeftTop,
    Top,
    RightTop,
    Left,
    Right,
    Bottom,
    LeftBottom,
    RightBottom,
    CloseButton,
    MaxButton,
    NormalButton,
    MinButton,
    Icon,
    Title,
};
inline constexpr int FramePieceCount = 14;
inline constexpr int FrameStripCount = 12; // every piece but the icon and the title text

inline constexpr double FrameIconTwips = 240; // 16 pixels
inline constexpr double TitleButtonRightMargin = 100;
inline constexpr double TitleButtonGap = 50;
inline constexpr double TitleIconLeft = 100;
inline constexpr double TitleTextGap = 50;

// What the layout needs to know, all lengths in twips.
struct FrameMetrics {
    double innerWidth = 0;  // SW
    double innerHeight = 0; // SH
    // The cell size of each strip, indexed by FramePiece (LeftTop .. MinButton).
    std::array<QSizeF, FrameStripCount> cells{};
    QSizeF titleText;  // the caption's extent in the title font
    int alignment = 0; // "TitleAlignment"

    QSizeF Cell(FramePiece piece) const { return cells[static_cast<std::size_t>(piece)]; }
    void SetCell(FramePiece piece, QSizeF size) { cells[static_cast<std::size_t>(piece)] = size; }
};

struct FrameLayout {
    std::array<TwipsRect, FramePieceCount> pieces{};
    // Shown for the three alignments, hidden for any other code.
    bool titleVisible = true;
    TwipsRect client;

    const TwipsRect& Piece(FramePiece piece) const {
        return pieces[static_cast<std::size_t>(piece)];
    }
};

FrameLayout LayOutFrame(const FrameMetrics& metrics);

// The look of one title button.
struct TitleButtonLook {
    bool visible = true;
    bool enabled = true;
    TitleButtonCell cell = TitleButtonCell::Normal;
    friend bool operator==(const TitleButtonLook&, const TitleButtonLook&) = default;
};

struct TitleButtonsLook {
    TitleButtonLook close;
    TitleButtonLook max;
    TitleButtonLook normal{false, true, TitleButtonCell::Normal};
    TitleButtonLook min;
    friend bool operator==(const TitleButtonsLook&, const TitleButtonsLook&) = default;
};

// The title buttons for `MaxButton`, `MinButton`, the window state and activation. While the
// window is minimized the buttons keep the visibility of `previous`. An inactive window shows
// every title button in its inactive cell, a disabled one too.
TitleButtonsLook ResolveTitleButtons(bool maxButton, bool minButton, FormWindowState state,
                                     bool active, const TitleButtonsLook& previous);

// How the title buttons follow the mouse. The pressed and hover flags are shared by the four
// buttons. Each call returns the cell the button then shows, or nothing when it keeps its cell.
class TitleButtonTracker {
public:
    TitleButtonCell Press();
    std::optional<TitleButtonCell> Move(bool inside, bool windowActive);
    TitleButtonCell Release();
    // The frame is laid out anew: no button counts as pressed.
    void ClearPressed() { pressed_ = false; }

    bool Pressed() const { return pressed_; }
    bool Hovering() const { return hovering_; }

private:
    bool pressed_ = false;
    bool hovering_ = false;
};

// The window rectangle of a maximized window over the work area (twips): the work area,
// 50 twips wider so the right border lies just off it.
TwipsRect MaximizedWindowRect(const TwipsRect& workArea);

// The window state change a double-click on the title bar asks for; nothing when the window
// cannot be maximized or is minimized.
std::optional<FormWindowState> TitleDoubleClickState(bool maxButton, FormWindowState state);

// Where a window dragged by the frame itself goes (where the window manager offers no move or
// size loop of its own): moved by `delta` when `edges` is empty, else the named edges follow it,
// never making the window smaller than `minimum`.
QRect DraggedWindowGeometry(const QRect& start, const QPoint& delta, Qt::Edges edges,
                            const QSize& minimum);

} // namespace lexarion
