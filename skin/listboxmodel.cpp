#include "skin/listboxmodel.h"

#include <climits>

namespace lexarion {

void ListBoxModel::SetListIndex(qint64 index) {
    if (!IsValid(index))
        return;
    const int i = static_cast<int>(index);
    if (i != listIndex_ && IsValid(listIndex_)) {
        items_[listIndex_].ItemSelected = false;
        view_.DrawRow(listIndex_, false);
    }
    items_[i].ItemSelected = true;
    if (qint64(i) >= qint64(topIndex_) + visibleRows_ || i <= topIndex_)
        SetTopIndex(i);
    view_.DrawRow(i, true);
    listIndex_ = i;
    view_.RaiseItemSelected();
}

void ListBoxModel::SetTopIndex(qint64 index) {
    if (!IsValid(index) || index == topIndex_)
        return;
    topIndex_ = static_cast<int>(index);
    view_.Redraw();
    view_.SetScrollValue(topIndex_);
}

void ListBoxModel::AddListItem(const QString& caption, const QString& key, qint64 after) {
    ListItemClass item{caption, key, false};
    if (after < 0 || after >= ListCount())
        items_.push_back(std::move(item));
    else
        items_.insert(items_.begin() + after, std::move(item));
}

void ListBoxModel::RemoveListItem(qint64 index) {
    if (!IsValid(index))
        return;
    if (index == 0) {
        items_.erase(items_.begin());
        // The selected item moved up one place with the others; following it lets the new
        // selection clear its flag, so no second row stays drawn selected.
        if (listIndex_ > 0)
            --listIndex_;
        SetListIndex(0);
    } else {
        SetListIndex(0);
        items_.erase(items_.begin() + index);
    }
    // The selection may have pointed past the end of the shortened list.
    if (!IsValid(listIndex_))
        listIndex_ = 0;
    if (topIndex_ >= ListCount())
        topIndex_ = ListCount() > 0 ? ListCount() - 1 : 0;
    view_.Redraw();
}

QString ListBoxModel::GetListItemCaption(qint64 index) const {
    return IsValid(index) ? items_[index].ItemCaption : QString();
}

QString ListBoxModel::GetListItemKey(qint64 index) const {
    return IsValid(index) ? items_[index].Key : QString();
}

bool ListBoxModel::IsItemSelected(qint64 index) const {
    return IsValid(index) && items_[index].ItemSelected;
}

void ListBoxModel::ClearListBox() {
    items_.clear();
    topIndex_ = 0;
    listIndex_ = 0;
}

void ListBoxModel::SetListCaption(qint64 index, const QString& caption) {
    if (!IsValid(index))
        return;
    items_[index].ItemCaption = caption;
    view_.DrawRow(static_cast<int>(index), index == listIndex_);
}

int ListBoxModel::FindString(qint64 start, const QString& text) const {
    for (qint64 i = start < 0 ? 0 : start; i < ListCount(); ++i) {
        if (items_[i].ItemCaption.startsWith(text, Qt::CaseInsensitive))
            return static_cast<int>(i);
    }
    return -1;
}

void ListBoxModel::KeyDown(int keyCode) {
    const qint64 rows = visibleRows_;
    if (keyCode >= int(ListKey::LetterA) && keyCode <= int(ListKey::LetterZ)) {
        const QString letter{QChar(keyCode)};
        int found = FindString(qint64(listIndex_) + 1, letter);
        if (found < 0)
            found = FindString(0, letter);
        if (found >= 0)
            SetListIndex(found);
        return;
    }
    switch (static_cast<ListKey>(keyCode)) {
    case ListKey::Up:
        SetListIndex(qint64(listIndex_) - 1);
        break;
    case ListKey::Down:
        SetListIndex(qint64(listIndex_) + 1);
        break;
    case ListKey::PageUp: {
        const qint64 target = topIndex_ - rows;
        SetListIndex(target < 0 ? 0 : target);
        break;
    }
    case ListKey::PageDown: {
        const qint64 target = topIndex_ + rows;
        SetListIndex(target > ListCount() - 1 ? ListCount() - 1 : target);
        break;
    }
    case ListKey::Home:
        SetListIndex(0);
        break;
    case ListKey::End:
        SetListIndex(ListCount() - 1);
        break;
    default:
        break;
    }
}

int ListBoxModel::HitTest(double x, double y, double width, double itemHeight) const {
    if (x < 0 || x > width || itemHeight <= 0)
        return -1;
    for (int k = 0; k <= visibleRows_; ++k) {
        if (itemHeight * k <= y && y <= itemHeight * (k + 1))
            return static_cast<int>(qMin<qint64>(qint64(topIndex_) + k, INT_MAX));
    }
    return -1;
}

} // namespace lexarion
