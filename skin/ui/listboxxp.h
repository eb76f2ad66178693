#pragma once

// The skinned single-selection list: rows drawn by hand in the skin's colours into a cached
// picture, a VScrollBarXP along the right edge that carries the keyboard focus, letter search,
// and a height that snaps to whole rows. The item logic lives in ListBoxModel; this window
// draws the rows the model asks for, and only those.

#include "skin/listboxmodel.h"
#include "skin/skinnedcontrol.h"

#include <QFont>
#include <QPixmap>
#include <QWidget>

namespace lexarion {

class VScrollBarXP;

class ListBoxXP : public QWidget, public SkinnedControl, private ListBoxModel::View {
    Q_OBJECT
public:
    // The seven colours of section "ListBox".
    struct Colors {
        qint32 BackColor = 16777215;
        qint32 BorderColor = 0;
        qint32 FocusBorderColor = 255;
        qint32 ItemForeColor = 0;
        qint32 SelectedItemBackColor = 15651521;
        qint32 SelectedItemBorderColor = 12937777;
        qint32 SelectedItemForeColor = 0;
    };

    explicit ListBoxXP(QWidget* parent = nullptr);
    ~ListBoxXP() override;

    int ListIndex() const { return model_.ListIndex(); }
    void SetListIndex(qint64 index) { model_.SetListIndex(index); }
    int ListCount() const { return model_.ListCount(); }
    int TopIndex() const { return model_.TopIndex(); }
    void SetTopIndex(qint64 index) { model_.SetTopIndex(index); }
    QFont Fonts() const { return font(); }
    void SetFonts(const QFont& font);

    void LoadSkin(const QString& folderPath) override;
    bool TabStopFollowsPage() const override { return true; }

    void AddListItem(const QString& caption, const QString& key = {}, qint64 after = -1);
    void RemoveListItem(qint64 index) { model_.RemoveListItem(index); }
    QString GetListItemCaption(qint64 index) const { return model_.GetListItemCaption(index); }
    void RefreshListBox() { Redraw(); }
    void ClearListBox();
    void SetListCaption(qint64 index, const QString& caption);
    int FindString(qint64 start, const QString& text) const {
        return model_.FindString(start, text);
    }
    bool IsItemSelected(qint64 index) const { return model_.IsItemSelected(index); }

    // Measures, in twips.
    int ItemHeight() const { return itemHeight_; }
    int VisibleRows() const { return model_.VisibleRows(); }
    // The height, in pixels, to which a list showing `rows` whole rows snaps.
    int HeightForRows(qint64 rows) const;
    // The rectangle of visible row `row` (0 at the top), in pixels.
    QRect RowRect(int row) const;
    VScrollBarXP* ScrollBar() const { return scrollBar_; }
    const Colors& SkinColors() const { return colors_; }
    qint32 OutlineColor() const { return outlineColor_; }
    // How many rows have been drawn since the control was made (each row drawn counts once).
    qint64 RowsDrawn() const { return rowsDrawn_; }

signals:
    void ItemSelected();
    void DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // ListBoxModel::View
    void DrawRow(int index, bool selected) override;
    void Redraw() override;
    void SetScrollValue(int value) override;
    void RaiseItemSelected() override { emit ItemSelected(); }

    void Layout();
    void UpdateItemHeight();
    void PaintRows();
    void PaintRow(QPainter& painter, int index, bool selected);
    void SetOutline(qint32 color);
    int HitAt(QPoint point) const;
    int TabColumn();

    ListBoxModel model_{*this};
    VScrollBarXP* scrollBar_ = nullptr;
    Colors colors_;
    qint32 outlineColor_ = 0;
    int itemHeight_ = 0;
    QPixmap canvas_;
    bool dragging_ = false;
    qint64 rowsDrawn_ = 0;
    // Where the text after a TAB starts, in pixels from the caption's left; worked out again
    // after the items or the font changed.
    int tabColumn_ = -1;
};

} // namespace lexarion
