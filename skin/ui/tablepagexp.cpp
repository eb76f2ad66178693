#include "skin/ui/tablepagexp.h"

#include "skin/skinparameters.h"
#include "skin/twips.h"
#include "skin/ui/formcontrols.h"
#include "skin/ui/picturebox.h"
#include "skin/ui/skincolor.h"
#include "skin/ui/skinpicture.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRegion>

namespace lexarion {

namespace {

const QString FaceFile = QStringLiteral("TablePage_Title.bmp");
const std::array<QString, TablePageXP::EdgeCount> EdgeFiles = {
    QStringLiteral("TablePage_Top.bmp"),    QStringLiteral("TablePage_Top.bmp"),
    QStringLiteral("TablePage_Left.bmp"),   QStringLiteral("TablePage_Right.bmp"),
    QStringLiteral("TablePage_Bottom.bmp"),
};

// In twips.
constexpr int FaceMargin = 10; // left of the first face
constexpr int FocusInset = 20;
constexpr int ShortestEdge = 1;

const QString DefaultCaption = QStringLiteral("TableBox");

bool TakesPageTabStop(const QWidget* control) {
    const auto* skinned = dynamic_cast<const SkinnedControl*>(control);
    return skinned != nullptr && skinned->TabStopFollowsPage();
}

void SetTabStop(QWidget* widget, bool tabStop) {
    const Qt::FocusPolicy policy = widget->focusPolicy();
    if (policy == Qt::NoFocus && !tabStop)
        return;
    const int bits = tabStop ? (policy | Qt::TabFocus) : (policy & ~Qt::TabFocus);
    widget->setFocusPolicy(Qt::FocusPolicy(bits));
}

QList<TablePageXP*> PagesOf(QWidget* form) {
    QList<TablePageXP*> pages;
    for (QWidget* control : FormControls(form)) {
        if (auto* page = qobject_cast<TablePageXP*>(control))
            pages.append(page);
    }
    return pages;
}

} // namespace

TablePageXP* EnclosingPage(const QWidget* control) {
    for (QWidget* container = ControlContainer(control); container != nullptr;
         container = ControlContainer(container)) {
        if (container->isWindow() || dynamic_cast<SkinnedFrame*>(container) != nullptr)
            return nullptr;
        if (auto* page = qobject_cast<TablePageXP*>(container))
            return page;
    }
    return nullptr;
}

TablePageXP::TablePageXP(QWidget* parent) : QWidget(parent) {
    faceStrip_.SetPicture(BuiltInPicture(FaceFile));
    for (int edge = 0; edge < EdgeCount; ++edge) {
        edges_[edge] = new PictureBox(this);
        MarkSkinPiece(edges_[edge]);
        edges_[edge]->SetPicture(BuiltInPicture(EdgeFiles[edge]));
        edges_[edge]->SetStretch(true);
    }
    face_ = new PictureBox(this);
    MarkSkinPiece(face_);
    face_->setFocusPolicy(Qt::StrongFocus);
    face_->setMouseTracking(true);
    face_->installEventFilter(this);
    label_ = new QLabel(DefaultCaption, face_);
    MarkSkinPiece(label_);
    // The caption's mouse and focus are the face's.
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    label_->setAttribute(Qt::WA_TranslucentBackground);
    SetCaptionLabel(label_);
    SetCaptionColor(foreColor_);
    Layout();
}

void TablePageXP::SetEnabled(bool enabled) {
    enabled_ = enabled;
    face_->setFocusPolicy(enabled ? Qt::StrongFocus : Qt::NoFocus);
}

void TablePageXP::SetPanelIndex(qint16 index) {
    panelIndex_ = index;
    // Without the margin until the next layout.
    faceLeft_ = double(panelIndex_) * FaceWidth();
    face_->move(TwipsToPixels(faceLeft_, 0));
    SetControlValuePicture(value_);
    LayOutCaption();
}

void TablePageXP::SetValue(bool value) {
    if (value) {
        QWidget* form = window();
        for (TablePageXP* page : PagesOf(form)) {
            if (page != this && page->Value())
                page->SetValue(false);
        }
        UpdateTabOrder();
    }
    if (value != value_) {
        value_ = value;
        SetControlValuePicture(value);
        // The chosen page goes on top of the pages sharing its place: a new mask alone leaves
        // the page that went back on an X display.
        if (value)
            raise();
    }
}

void TablePageXP::UpdateTabOrder() {
    for (QWidget* control : FormControls(window())) {
        if (!TakesPageTabStop(control))
            continue;
        const TablePageXP* page = EnclosingPage(control);
        const bool tabStop = page == this || page == nullptr;
        SetTabStop(control, tabStop);
        if (QWidget* proxy = control->focusProxy())
            SetTabStop(proxy, tabStop);
    }
}

void TablePageXP::SetControlValuePicture(bool value) {
    ShowFaceCell(value ? FaceCell::Highlighted : FaceCell::Normal);
    if (value)
        LayoutTopEdges();
    const QRect face = face_->geometry();
    QRegion shape(face);
    if (value)
        shape |= QRegion(TwipsToPixels(0, FaceHeight(), PixelsToTwips(width()),
                                       PixelsToTwips(height()) - FaceHeight()));
    setMask(shape);
}

void TablePageXP::ShowFaceCell(FaceCell cell) {
    faceCell_ = cell;
    face_->ShowCell(faceStrip_, int(cell));
    if (focus_) {
        const double width = PixelsToTwips(face_->width());
        const double height = PixelsToTwips(face_->height());
        face_->SetFocusFrame(QRect(TwipsToPixels(FocusInset, FocusInset),
                                   TwipsToPixels(width - FocusInset, height - FocusInset)));
    } else {
        face_->SetFocusFrame(std::nullopt);
    }
}

void TablePageXP::LayOutCaption() {
    label_->adjustSize();
    label_->move((face_->width() - label_->width()) / 2, (face_->height() - label_->height()) / 2);
    label_->show();
}

void TablePageXP::SetCaptionColor(qint32 color) {
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, ColorFromNumber(color));
    label_->setPalette(palette);
}

void TablePageXP::PlaceEdge(Edge edge, double left, double top, double width, double height) {
    edgeTwips_[edge] = QRectF(left, top, width, height);
    edges_[edge]->setGeometry(TwipsToPixels(left, top, width, height));
}

void TablePageXP::LayoutTopEdges() {
    const double top = FaceHeight();
    const double thickness = thickness_[TopLeftEdge];
    const double faceRight = faceLeft_ + FaceWidth();
    const double rightEdgeLeft = PixelsToTwips(width()) - thickness_[RightEdge];
    PlaceEdge(TopLeftEdge, 0, top, faceLeft_ > 0 ? faceLeft_ : ShortestEdge, thickness);
    const double rightLength = rightEdgeLeft - faceRight;
    PlaceEdge(TopRightEdge, faceRight, top, rightLength > 0 ? rightLength : ShortestEdge,
              thickness);
}

void TablePageXP::Layout() {
    SetWidgetBackColor(this, ContainerBackColor(this));
    thickness_[TopLeftEdge] = PixelsToTwips(edges_[TopLeftEdge]->Picture().height());
    thickness_[TopRightEdge] = thickness_[TopLeftEdge];
    thickness_[BottomEdge] = PixelsToTwips(edges_[BottomEdge]->Picture().height());
    thickness_[LeftEdge] = PixelsToTwips(edges_[LeftEdge]->Picture().width());
    thickness_[RightEdge] = PixelsToTwips(edges_[RightEdge]->Picture().width());

    face_->resize(faceStrip_.CellSize());
    ShowFaceCell(FaceCell::Normal);
    faceLeft_ = FaceWidth() * panelIndex_ + FaceMargin;
    face_->move(TwipsToPixels(faceLeft_, 0));
    LayoutTopEdges();

    const double pageWidth = PixelsToTwips(width());
    const double pageHeight = PixelsToTwips(height());
    PlaceEdge(BottomEdge, 0, pageHeight - thickness_[BottomEdge], pageWidth - thickness_[RightEdge],
              thickness_[BottomEdge]);
    const double sideTop = edgeTwips_[TopLeftEdge].top();
    double sideHeight = pageHeight - sideTop - thickness_[TopLeftEdge];
    if (sideHeight <= 0)
        sideHeight = ShortestEdge;
    PlaceEdge(LeftEdge, 0, sideTop, thickness_[LeftEdge], sideHeight);
    PlaceEdge(RightEdge, pageWidth - thickness_[RightEdge], sideTop, thickness_[RightEdge],
              sideHeight);

    SetControlValuePicture(value_);
    SetCaptionColor(foreColor_);
    SetCaption(Caption());
    SetValue(value_);
}

void TablePageXP::LoadSkin(const QString& folderPath) {
    LoadSkinPicture(faceStrip_, folderPath + FaceFile);
    for (int edge = 0; edge < EdgeCount; ++edge)
        LoadSkinPicture(*edges_[edge], folderPath + EdgeFiles[edge]);
    foreColor_ = ReadSkinColor(folderPath, SkinKey::TabPageForeColor);
    focusForeColor_ = ReadSkinColor(folderPath, SkinKey::TabPageFocusForeColor);
    Layout();
}

void TablePageXP::resizeEvent(QResizeEvent*) {
    Layout();
}

void TablePageXP::showEvent(QShowEvent*) {
    Layout();
    AlignPages();
}

void TablePageXP::AlignPages() {
    const QList<TablePageXP*> pages = PagesOf(window());
    if (pages.isEmpty())
        return;
    const TablePageXP* reference = pages.last();
    for (TablePageXP* page : pages) {
        if (page != reference && page->geometry() != reference->geometry())
            page->setGeometry(reference->geometry());
    }
}

bool TablePageXP::eventFilter(QObject* watched, QEvent* event) {
    if (watched == face_)
        FaceMouse(event);
    return QWidget::eventFilter(watched, event);
}

void TablePageXP::EndHover() {
    if (!value_)
        ShowFaceCell(FaceCell::Normal);
    SetCaptionColor(foreColor_);
    emit MouseOut();
    hover_ = false;
}

void TablePageXP::FaceMouse(QEvent* event) {
    const auto inside = [this](const QMouseEvent* mouse) {
        const QPoint point = mouse->position().toPoint();
        return point.x() >= 0 && point.x() <= face_->width() && point.y() >= 0 &&
               point.y() <= face_->height();
    };
    switch (event->type()) {
    case QEvent::FocusIn:
        focus_ = true;
        ShowFaceCell(value_ ? FaceCell::Highlighted : FaceCell::Normal);
        return;
    case QEvent::FocusOut:
        focus_ = false;
        ShowFaceCell(value_ ? FaceCell::Highlighted : FaceCell::Normal);
        return;
    case QEvent::KeyPress:
        if (enabled_ && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space)
            SetValue(true);
        return;
    default:
        break;
    }
    if (!enabled_)
        return;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        ShowFaceCell(FaceCell::Highlighted);
        pressed_ = true;
        break;
    case QEvent::MouseMove: {
        if (pressed_)
            break;
        const bool in = inside(static_cast<QMouseEvent*>(event));
        if (in && !hover_) {
            ShowFaceCell(FaceCell::Highlighted);
            SetCaptionColor(focusForeColor_);
            emit MouseOver();
            hover_ = true;
        } else if (!in && hover_) {
            EndHover();
        }
        break;
    }
    case QEvent::Leave:
        if (hover_ && !pressed_)
            EndHover();
        break;
    case QEvent::MouseButtonRelease: {
        const bool in = inside(static_cast<QMouseEvent*>(event));
        pressed_ = false;
        hover_ = false;
        SetCaptionColor(foreColor_);
        // The selected page keeps its highlighted face after a click on it.
        ShowFaceCell(value_ ? FaceCell::Highlighted : FaceCell::Normal);
        if (in) {
            if (!value_)
                SetValue(true);
            emit Click();
        }
        break;
    }
    default:
        break;
    }
}

} // namespace lexarion
