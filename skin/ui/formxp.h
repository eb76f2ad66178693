#pragma once

// FormXP: the window frame of a skinned form. It lies over the whole form beneath its other
// controls and draws the title bar (icon, caption, the four title buttons), the borders and
// corners from the window-frame strips of the skin, in the looks of an active and an inactive
// window. It moves the window from the title bar, resizes it from the borders and bottom
// corners, maximizes it to the work area of its screen, and rounds the window's top corners.
//
// Lengths given by the frame (the pieces' places, the client rectangle, mouse positions) are in
// twips; see skin/twips.h.

#include "skin/formframe.h"
#include "skin/skinnedcontrol.h"
#include "skin/ui/pictureclipbox.h"

#include <QFont>
#include <QWidget>
#include <array>
#include <optional>

class QLabel;

namespace lexarion {

class PictureBox;

class FormXP : public QWidget, public SkinnedFrame {
    Q_OBJECT
public:
    // `form` is the window the frame draws: it is made a window without a system frame, and
    // the frame follows its size, caption and icon from then on.
    explicit FormXP(QWidget* form);

    void LoadSkin(const QString& folderPath) override;
    // Lays out and draws the whole frame in the active look.
    void DrawFormXP();
    void DrawActivateForm(bool active) override;

    qint32 BackColor() const { return backColor_; }
    void SetBackColor(qint32 color) override;
    qint32 ForeColor() const { return foreColor_; }
    void SetForeColor(qint32 color) override;

    bool MaxButton() const { return maxButton_; }
    void SetMaxButton(bool on);
    bool MinButton() const { return minButton_; }
    void SetMinButton(bool on);
    bool Resizeable() const { return resizeable_; }
    void SetResizeable(bool on);

    FormWindowState WindowState() const { return windowState_; }
    // Acts: restores, minimizes or maximizes the window, then stores the state.
    void SetWindowState(FormWindowState state);

    bool IsActive() const { return isActive_; }

    // The area inside the borders and below the title bar, in twips.
    qint32 ClientLeft() const { return clientLeft_; }
    qint32 ClientTop() const { return clientTop_; }
    qint32 ClientWidth() const { return clientWidth_; }
    qint32 ClientHeight() const { return clientHeight_; }

    // The pieces: their widgets, their places in twips and the strip cell each shows (0 for the
    // icon and the title text).
    QWidget* Piece(FramePiece piece) const;
    TwipsRect PieceTwips(FramePiece piece) const { return layout_.Piece(piece); }
    int PieceCell(FramePiece piece) const;

    // What the skin set.
    const QFont& TitleFont() const { return titleFont_; }
    int TitleAlignmentCode() const { return titleAlignment_; }
    int RoundRng() const { return roundRng_; }
    qint32 TitleForeColor() const { return titleForeColor_; }
    qint32 TitleFocusForeColor() const { return titleFocusForeColor_; }

signals:
    // The mouse on the frame's own surface (the client area); positions in twips.
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, double x, double y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class DragMode { None, Move, Resize };

    PictureBox* PictureOf(FramePiece piece) const;
    PictureClipBox& StripOf(FramePiece piece);
    void LayOut();
    void ApplyWindowRegion();
    void ApplyTitleButtons();
    void ShowTitleButtonCell(FramePiece button, TitleButtonCell cell);
    void ApplyTitleFont();
    void ApplyCursors();

    bool TitleButtonEvent(FramePiece button, QEvent* event);
    bool TitleBarEvent(QEvent* event);
    bool BorderEvent(FramePiece piece, QEvent* event);
    void ClickTitleButton(FramePiece button);
    void BeginDrag(QMouseEvent* event, Qt::Edges edges);
    bool FollowDrag(QEvent* event);

    void RestoreWindow();
    void MinimizeWindow();
    void MaximizeToWorkArea();
    void NoticeReturnFromMinimized();

    QWidget* form_;
    std::array<PictureClipBox, FrameStripCount> strips_;
    std::array<QWidget*, FramePieceCount> pieces_{};
    QLabel* title_ = nullptr;
    FrameLayout layout_;
    TitleButtonsLook buttons_;
    TitleButtonTracker tracker_;

    qint32 backColor_ = 14215404;
    qint32 foreColor_ = 0;
    bool maxButton_ = true;
    bool minButton_ = true;
    bool resizeable_ = true;
    FormWindowState windowState_ = FormWindowState::Normal;
    bool isActive_ = true;
    qint32 titleForeColor_ = 16777215;
    qint32 titleFocusForeColor_ = 16777215;
    int titleAlignment_ = 0;
    int roundRng_ = 0;
    QFont titleFont_;

    qint32 clientLeft_ = 0;
    qint32 clientTop_ = 0;
    qint32 clientWidth_ = 0;
    qint32 clientHeight_ = 0;

    // Kept while maximized, in twips, to come back to.
    std::optional<TwipsRect> restoreRect_;
    std::optional<bool> restoreResizeable_;
    FormWindowState stateBeforeMinimize_ = FormWindowState::Normal;

    // A move or resize the frame follows itself.
    DragMode drag_ = DragMode::None;
    Qt::Edges dragEdges_;
    QPoint dragStart_;
    QRect dragGeometry_;
};

} // namespace lexarion
