#include "skin/ui/formxp.h"

#include "platform/windowmoveloop.h"
#include "skin/skinparameters.h"
#include "skin/ui/formcontrols.h"
#include "skin/ui/picturebox.h"
#include "skin/ui/skincolor.h"
#include "skin/ui/skinpicture.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace lexarion {

namespace {

// Chinese brush faces whose Latin letters read badly (the Kai face's are a typewriter face in
// which "l" and "1" look alike). A title set in one of them takes its Latin letters from a
// serif face that sits well beside the brush strokes, and its Chinese from the face itself.
QStringList TitleFaces(const QString& face) {
    static const QStringList poorLatin{QStringLiteral("AR PL UKai"), QStringLiteral("AR PL KaitiM"),
                                       QStringLiteral("隶书"), QStringLiteral("楷体")};
    for (const QString& prefix : poorLatin)
        if (face.startsWith(prefix, Qt::CaseInsensitive))
            return {QStringLiteral("DejaVu Serif"), face};
    return {face};
}

using P = FramePiece;

struct StripInfo {
    P piece;
    const char* file;
    int cells;
    bool stretched;
};

// The twelve strips, indexed by FramePiece.
constexpr std::array<StripInfo, FrameStripCount> Strips{{
    {P::LeftTop, "Form_LeftTop.bmp", 2, false},
    {P::Top, "Form_Top.bmp", 2, true},
    {P::RightTop, "Form_RightTop.bmp", 2, false},
    {P::Left, "Form_Left.bmp", 2, true},
    {P::Right, "Form_Right.bmp", 2, true},
    {P::Bottom, "Form_Bottom.bmp", 2, true},
    {P::LeftBottom, "Form_LeftBottom.bmp", 2, false},
    {P::RightBottom, "Form_RightBottom.bmp", 2, false},
    {P::CloseButton, "Form_Close.bmp", 5, false},
    {P::MaxButton, "Form_Max.bmp", 5, false},
    {P::NormalButton, "Form_Normal.bmp", 5, false},
    {P::MinButton, "Form_Min.bmp", 5, false},
}};

// The order in which a skin's strips are loaded.
constexpr std::array<P, FrameStripCount> LoadOrder{
    P::MinButton, P::MaxButton, P::NormalButton, P::CloseButton, P::Left,       P::Right,
    P::Bottom,    P::LeftTop,   P::Top,          P::RightTop,    P::LeftBottom, P::RightBottom,
};

constexpr std::array<P, 8> FramePieces{P::LeftTop, P::Top,    P::RightTop,   P::Left,
                                       P::Right,   P::Bottom, P::LeftBottom, P::RightBottom};

const char* const TitleButtonTips[] = {"关闭窗口", "最大化窗口", "还原窗口", "最小化窗口"};

constexpr std::size_t Index(P piece) {
    return static_cast<std::size_t>(piece);
}

bool IsTitleButton(P piece) {
    return piece == P::CloseButton || piece == P::MaxButton || piece == P::NormalButton ||
           piece == P::MinButton;
}

bool IsTitleBar(P piece) {
    return piece == P::LeftTop || piece == P::Top || piece == P::RightTop || piece == P::Title;
}

// The edges a border piece resizes; none for the other pieces.
Qt::Edges ResizeEdges(P piece) {
    switch (piece) {
    case P::Left:
        return Qt::LeftEdge;
    case P::Right:
        return Qt::RightEdge;
    case P::Bottom:
        return Qt::BottomEdge;
    case P::LeftBottom:
        return Qt::LeftEdge | Qt::BottomEdge;
    case P::RightBottom:
        return Qt::RightEdge | Qt::BottomEdge;
    default:
        return {};
    }
}

Qt::CursorShape ResizeCursor(P piece) {
    switch (piece) {
    case P::Left:
    case P::Right:
        return Qt::SizeHorCursor;
    case P::Bottom:
        return Qt::SizeVerCursor;
    case P::LeftBottom:
        return Qt::SizeBDiagCursor;
    case P::RightBottom:
        return Qt::SizeFDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

QSizeF CellTwips(const PictureClipBox& strip) {
    return QSizeF(strip.CellWidth(), strip.CellHeight());
}

QRect NonNegative(QRect rect) {
    rect.setWidth(std::max(0, rect.width()));
    rect.setHeight(std::max(0, rect.height()));
    return rect;
}

TwipsRect PixelsToTwipsRect(const QRect& rect) {
    return TwipsRect{double(PixelsToTwips(rect.x())), double(PixelsToTwips(rect.y())),
                     double(PixelsToTwips(rect.width())), double(PixelsToTwips(rect.height()))};
}

} // namespace

FormXP::FormXP(QWidget* form) : QWidget(form), form_(form) {
    if (form_->isWindow())
        form_->setWindowFlag(Qt::FramelessWindowHint, true);
    titleFont_ = font();

    // Borders first, then corners, title bar and buttons, so that each lies above the ones
    // it overlaps.
    for (const StripInfo& info : Strips) {
        PictureClipBox& strip = strips_[Index(info.piece)];
        strip.SetCols(info.cells);
        strip.SetPicture(BuiltInPicture(QString::fromLatin1(info.file)));
    }
    const P creationOrder[] = {P::Left,        P::Right,     P::Bottom,       P::LeftBottom,
                               P::RightBottom, P::Top,       P::LeftTop,      P::RightTop,
                               P::CloseButton, P::MaxButton, P::NormalButton, P::MinButton,
                               P::Icon};
    for (P piece : creationOrder) {
        auto* picture = new PictureBox(this);
        pieces_[Index(piece)] = picture;
        if (Index(piece) < FrameStripCount)
            picture->SetStretch(Strips[Index(piece)].stretched);
    }
    PictureOf(P::Icon)->SetStretch(true);
    title_ = new QLabel(this);
    title_->setTextFormat(Qt::PlainText);
    pieces_[Index(P::Title)] = title_;
    // A long centred caption runs beneath the title buttons, not over them.
    title_->stackUnder(Piece(P::CloseButton));

    for (std::size_t i = 0; i < pieces_.size(); ++i) {
        MarkSkinPiece(pieces_[i]);
        pieces_[i]->installEventFilter(this);
        if (IsTitleButton(P(i))) {
            pieces_[i]->setMouseTracking(true);
            pieces_[i]->setToolTip(QString::fromUtf8(TitleButtonTips[i - Index(P::CloseButton)]));
        }
    }
    form_->installEventFilter(this);
    setGeometry(form_->rect());
    lower();
    DrawActivateForm(true);
    LayOut();
    ApplyCursors();
}

PictureBox* FormXP::PictureOf(FramePiece piece) const {
    return piece == P::Title ? nullptr : static_cast<PictureBox*>(pieces_[Index(piece)]);
}

PictureClipBox& FormXP::StripOf(FramePiece piece) {
    return strips_[Index(piece)];
}

QWidget* FormXP::Piece(FramePiece piece) const {
    return pieces_[Index(piece)];
}

int FormXP::PieceCell(FramePiece piece) const {
    const PictureBox* picture = PictureOf(piece);
    return picture != nullptr ? picture->Cell() : 0;
}

void FormXP::LoadSkin(const QString& folderPath) {
    for (P piece : LoadOrder)
        LoadSkinPicture(StripOf(piece),
                        folderPath + QString::fromLatin1(Strips[Index(piece)].file));

    titleForeColor_ = ReadSkinColor(folderPath, SkinKey::WindowTitleForeColor);
    titleFocusForeColor_ = ReadSkinColor(folderPath, SkinKey::WindowTitleFocusForeColor);
    // Values the frame cannot use leave the present ones.
    if (const auto alignment = ReadSkinCode(folderPath, SkinKey::WindowTitleAlignment))
        titleAlignment_ = *alignment;
    if (const auto rounding = ReadSkinRounding(folderPath, SkinKey::WindowRoundRng))
        roundRng_ = *rounding;
    titleFont_.setFamilies(
        TitleFaces(ReadSkinText(folderPath, SkinKey::WindowTitleFontName, font().family())));
    if (const auto size = ReadSkinFontSize(folderPath, SkinKey::WindowTitleFontSize))
        titleFont_.setPointSizeF(*size);
    titleFont_.setBold(ReadSkinFlag(folderPath, SkinKey::WindowTitleFontBold));
    titleFont_.setItalic(ReadSkinFlag(folderPath, SkinKey::WindowTitleFontItalic));
    ApplyTitleFont();
    DrawFormXP();
}

void FormXP::DrawFormXP() {
    setGeometry(form_->rect());
    lower();
    DrawActivateForm(true);
    tracker_.ClearPressed();
    LayOut();
    // The title text keeps the visibility its alignment gave it.
    for (QWidget* piece : pieces_) {
        if (piece != title_)
            piece->show();
    }
    ApplyTitleButtons();
}

void FormXP::DrawActivateForm(bool active) {
    isActive_ = active;
    const int cell = static_cast<int>(active ? FrameCell::Active : FrameCell::Inactive);
    for (P piece : FramePieces)
        PictureOf(piece)->ShowCell(StripOf(piece), cell);
    ApplyTitleButtons();
    QPalette palette = title_->palette();
    palette.setColor(QPalette::WindowText,
                     ColorFromNumber(active ? titleFocusForeColor_ : titleForeColor_));
    title_->setPalette(palette);
}

void FormXP::SetBackColor(qint32 color) {
    backColor_ = ClampColor(color);
    update();
}

void FormXP::SetForeColor(qint32 color) {
    foreColor_ = ClampColor(color);
    SetWidgetForeColor(this, foreColor_);
}

void FormXP::SetMaxButton(bool on) {
    maxButton_ = on;
    ApplyTitleButtons();
}

void FormXP::SetMinButton(bool on) {
    minButton_ = on;
    ApplyTitleButtons();
}

void FormXP::SetResizeable(bool on) {
    resizeable_ = on;
    ApplyCursors();
}

void FormXP::SetWindowState(FormWindowState state) {
    switch (state) {
    case FormWindowState::Normal:
        RestoreWindow();
        break;
    case FormWindowState::Minimized:
        if (windowState_ != FormWindowState::Minimized)
            stateBeforeMinimize_ = windowState_;
        MinimizeWindow();
        break;
    case FormWindowState::Maximized:
        MaximizeToWorkArea();
        break;
    }
    windowState_ = state;
    ApplyTitleButtons();
}

void FormXP::LayOut() {
    FrameMetrics metrics;
    metrics.innerWidth = PixelsToTwips(width());
    metrics.innerHeight = PixelsToTwips(height());
    for (const StripInfo& info : Strips)
        metrics.SetCell(info.piece, CellTwips(strips_[Index(info.piece)]));
    const QFontMetrics fontMetrics(titleFont_);
    const QString caption = form_->windowTitle();
    metrics.titleText = QSizeF(PixelsToTwips(fontMetrics.horizontalAdvance(caption) + 2),
                               PixelsToTwips(fontMetrics.height()));
    metrics.alignment = titleAlignment_;
    layout_ = LayOutFrame(metrics);

    for (std::size_t i = 0; i < pieces_.size(); ++i)
        pieces_[i]->setGeometry(NonNegative(layout_.pieces[i].ToPixels()));
    title_->setText(caption);
    title_->setVisible(layout_.titleVisible);
    PictureOf(P::Icon)->SetPicture(form_->windowIcon().pixmap(16, 16));

    clientLeft_ = static_cast<qint32>(layout_.client.left);
    clientTop_ = static_cast<qint32>(layout_.client.top);
    clientWidth_ = static_cast<qint32>(layout_.client.width);
    clientHeight_ = static_cast<qint32>(layout_.client.height);
    ApplyWindowRegion();
}

void FormXP::ApplyWindowRegion() {
    if (!form_->isWindow())
        return;
    // A rounded rectangle reaching R pixels below the window, so only its top corners are
    // rounded.
    const int w = form_->width();
    const int h = form_->height();
    const int r = std::min(roundRng_, 2 * std::min(w, h));
    QRegion region(0, 0, w, h);
    if (r > 1) {
        const int half = r / 2;
        region -= QRegion(0, 0, half, half).subtracted(QRegion(0, 0, r, r, QRegion::Ellipse));
        region -=
            QRegion(w - half, 0, half, half).subtracted(QRegion(w - r, 0, r, r, QRegion::Ellipse));
    }
    form_->setMask(region);
}

void FormXP::ApplyTitleButtons() {
    buttons_ = ResolveTitleButtons(maxButton_, minButton_, windowState_, isActive_, buttons_);
    const std::pair<P, const TitleButtonLook*> looks[] = {{P::CloseButton, &buttons_.close},
                                                          {P::MaxButton, &buttons_.max},
                                                          {P::NormalButton, &buttons_.normal},
                                                          {P::MinButton, &buttons_.min}};
    for (const auto& [piece, look] : looks) {
        Piece(piece)->setVisible(look->visible);
        Piece(piece)->setEnabled(look->enabled);
        ShowTitleButtonCell(piece, look->cell);
    }
}

void FormXP::ShowTitleButtonCell(FramePiece button, TitleButtonCell cell) {
    PictureOf(button)->ShowCell(StripOf(button), static_cast<int>(cell));
}

void FormXP::ApplyTitleFont() {
    title_->setFont(titleFont_);
}

void FormXP::ApplyCursors() {
    for (P piece : {P::Left, P::Right, P::Bottom, P::LeftBottom, P::RightBottom}) {
        if (resizeable_)
            Piece(piece)->setCursor(ResizeCursor(piece));
        else
            Piece(piece)->unsetCursor();
    }
}

void FormXP::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ColorFromNumber(backColor_));
}

void FormXP::mousePressEvent(QMouseEvent* event) {
    const QPointF p = event->position() * TwipsPerPixel;
    emit MouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void FormXP::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position() * TwipsPerPixel;
    emit MouseMove(event->buttons(), event->modifiers(), p.x(), p.y());
}

void FormXP::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = event->position() * TwipsPerPixel;
    emit MouseUp(event->button(), event->modifiers(), p.x(), p.y());
}

bool FormXP::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_) {
        switch (event->type()) {
        case QEvent::Resize:
            setGeometry(form_->rect());
            LayOut();
            NoticeReturnFromMinimized();
            break;
        case QEvent::WindowStateChange:
            NoticeReturnFromMinimized();
            break;
        case QEvent::WindowTitleChange:
        case QEvent::WindowIconChange:
            LayOut();
            break;
        default:
            break;
        }
        return false;
    }
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
        if (watched != pieces_[i])
            continue;
        const P piece = P(i);
        if (IsTitleButton(piece))
            return TitleButtonEvent(piece, event);
        if (FollowDrag(event))
            return true;
        if (IsTitleBar(piece))
            return TitleBarEvent(event);
        if (ResizeEdges(piece) != Qt::Edges())
            return BorderEvent(piece, event);
        return false;
    }
    return false;
}

bool FormXP::TitleButtonEvent(FramePiece button, QEvent* event) {
    QWidget* widget = Piece(button);
    auto inside = [widget](const QPointF& p) {
        return p.x() >= 0 && p.x() <= widget->width() && p.y() >= 0 && p.y() <= widget->height();
    };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        ShowTitleButtonCell(button, tracker_.Press());
        return true;
    case QEvent::MouseMove:
        if (auto cell =
                tracker_.Move(inside(static_cast<QMouseEvent*>(event)->position()), isActive_))
            ShowTitleButtonCell(button, *cell);
        return true;
    case QEvent::Leave:
        if (!tracker_.Pressed()) {
            if (auto cell = tracker_.Move(false, isActive_))
                ShowTitleButtonCell(button, *cell);
        }
        return false;
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        const bool click = tracker_.Pressed() && inside(mouse->position());
        ShowTitleButtonCell(button, tracker_.Release());
        if (click)
            ClickTitleButton(button);
        return true;
    }
    default:
        return false;
    }
}

void FormXP::ClickTitleButton(FramePiece button) {
    switch (button) {
    case P::CloseButton:
        form_->close();
        break;
    case P::MaxButton:
        SetWindowState(FormWindowState::Maximized);
        break;
    case P::NormalButton:
        SetWindowState(FormWindowState::Normal);
        break;
    case P::MinButton:
        SetWindowState(FormWindowState::Minimized);
        break;
    default:
        break;
    }
}

bool FormXP::TitleBarEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (const auto state = TitleDoubleClickState(maxButton_, windowState_))
            SetWindowState(*state);
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && windowState_ == FormWindowState::Normal)
            BeginDrag(mouse, {});
        return true;
    }
    return false;
}

bool FormXP::BorderEvent(FramePiece piece, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && windowState_ == FormWindowState::Normal && resizeable_)
        BeginDrag(mouse, ResizeEdges(piece));
    return true;
}

void FormXP::BeginDrag(QMouseEvent* event, Qt::Edges edges) {
    if (!form_->isWindow())
        return;
    const bool started =
        edges == Qt::Edges() ? StartSystemMove(form_) : StartSystemResize(form_, edges);
    if (started)
        return;
    drag_ = edges == Qt::Edges() ? DragMode::Move : DragMode::Resize;
    dragEdges_ = edges;
    dragStart_ = event->globalPosition().toPoint();
    dragGeometry_ = form_->geometry();
}

bool FormXP::FollowDrag(QEvent* event) {
    if (drag_ == DragMode::None)
        return false;
    if (event->type() == QEvent::MouseMove) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QSize minimum(
            TwipsToPixels(StripOf(P::LeftTop).CellWidth() + StripOf(P::RightTop).CellWidth()),
            TwipsToPixels(StripOf(P::LeftTop).CellHeight() + StripOf(P::LeftBottom).CellHeight()));
        form_->setGeometry(
            DraggedWindowGeometry(dragGeometry_, mouse->globalPosition().toPoint() - dragStart_,
                                  dragEdges_, minimum.expandedTo(form_->minimumSize())));
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        drag_ = DragMode::None;
        return true;
    }
    return false;
}

void FormXP::RestoreWindow() {
    // Only a rectangle saved by an earlier maximize is applied: a window that was never
    // maximized keeps its size and place.
    if (restoreRect_) {
        form_->setGeometry(restoreRect_->ToPixels());
        restoreRect_.reset();
    }
    if (restoreResizeable_) {
        SetResizeable(*restoreResizeable_);
        restoreResizeable_.reset();
    }
}

void FormXP::MinimizeWindow() {
    form_->showMinimized();
}

void FormXP::MaximizeToWorkArea() {
    QScreen* screen = form_->screen();
    if (screen == nullptr)
        return;
    // Maximizing again keeps the rectangle to come back to.
    if (windowState_ != FormWindowState::Maximized) {
        restoreRect_ = PixelsToTwipsRect(form_->geometry());
        restoreResizeable_ = resizeable_;
    }
    const TwipsRect workArea = PixelsToTwipsRect(screen->availableGeometry());
    form_->setGeometry(MaximizedWindowRect(workArea).ToPixels());
    SetResizeable(false);
}

void FormXP::NoticeReturnFromMinimized() {
    if (windowState_ != FormWindowState::Minimized || form_->isMinimized())
        return;
    windowState_ = stateBeforeMinimize_;
    ApplyTitleButtons();
}

} // namespace lexarion
