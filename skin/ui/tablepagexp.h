#pragma once

// One page of a tabbed dialog: a face (tab button) with a caption at its own horizontal slot,
// and below it a framed panel that holds the page's controls. The pages of a window lie on top
// of each other; the selected one shows its panel, the others are cut to their faces so the
// page underneath shows through. Selecting a page deselects the window's other pages and gives
// the Tab key to the controls of the selected page only.

#include "skin/skinnedcontrol.h"
#include "skin/ui/captionedxp.h"
#include "skin/ui/pictureclipbox.h"

#include <QWidget>
#include <array>

class QLabel;

namespace lexarion {

class PictureBox;

class TablePageXP : public QWidget, public SkinnedControl, public CaptionedXP {
    Q_OBJECT
public:
    // The cells of "TablePage_Title.bmp".
    enum class FaceCell { Normal = 1, Highlighted = 2 };
    // The panel's edges.
    enum Edge { TopLeftEdge, TopRightEdge, LeftEdge, RightEdge, BottomEdge, EdgeCount };

    explicit TablePageXP(QWidget* parent = nullptr);

    bool Value() const { return value_; }
    void SetValue(bool value);
    qint16 PanelIndex() const { return panelIndex_; }
    void SetPanelIndex(qint16 index);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    qint32 ForeColor() const { return foreColor_; }
    qint32 FocusForeColor() const { return focusForeColor_; }

    void LoadSkin(const QString& folderPath) override;
    // Shows the face for `value` and cuts the page's window to the face alone (not selected)
    // or to the face and the panel (selected).
    void SetControlValuePicture(bool value);

    PictureBox* Face() const { return face_; }
    QLabel* CaptionLabel() const { return label_; }
    FaceCell FaceState() const { return faceCell_; }
    // An edge's geometry in twips: left, top, length along the edge, thickness.
    QRectF EdgeTwips(Edge edge) const { return edgeTwips_[edge]; }
    // The face's left in twips.
    double FaceLeftTwips() const { return faceLeft_; }

signals:
    void Click();
    void MouseOver();
    void MouseOut();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Layout();
    void LayoutTopEdges();
    void PlaceEdge(Edge edge, double left, double top, double width, double height);
    void ShowFaceCell(FaceCell cell);
    // Centres the caption on the face.
    void LayOutCaption() override;
    void UpdateTabOrder();
    void AlignPages();
    void FaceMouse(QEvent* event);
    // The pointer left the face.
    void EndHover();
    void SetCaptionColor(qint32 color);
    double FaceWidth() const { return faceStrip_.CellWidth(); }
    double FaceHeight() const { return faceStrip_.CellHeight(); }

    PictureClipBox faceStrip_{2};
    PictureBox* face_ = nullptr;
    QLabel* label_ = nullptr;
    std::array<PictureBox*, EdgeCount> edges_{};
    std::array<QRectF, EdgeCount> edgeTwips_{};
    // The edges' thickness: their bitmaps' natural size, in twips.
    std::array<double, EdgeCount> thickness_{};
    double faceLeft_ = 0;
    FaceCell faceCell_ = FaceCell::Normal;

    bool value_ = false;
    qint16 panelIndex_ = 0;
    bool enabled_ = true;
    qint32 foreColor_ = 0;
    qint32 focusForeColor_ = 0;
    bool pressed_ = false;
    bool hover_ = false;
    bool focus_ = false;
};

// The page that encloses `control`: the first TablePageXP up its chain of containers, or none
// when the window (or its skinned frame) comes first.
TablePageXP* EnclosingPage(const QWidget* control);

} // namespace lexarion
