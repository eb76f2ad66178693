// The list box and the scroll bar: a long list scrolled to its middle with a selected row, with
// and without the focus, a list whose captions hold a TAB shown as a column, and a scroll bar
// at either end and in the middle, with each arrow and the thumb pressed.

#include "gallery/gallerypage.h"
#include "gallery/gallerysections.h"
#include "gallery/looks.h"
#include "skin/ui/listboxxp.h"
#include "skin/ui/vscrollbarxp.h"

#include <array>

namespace lexarion::gallery {

namespace {

struct Word {
    const char* english;
    const char* chinese;
};

constexpr std::array<Word, 12> Words = {{
    {"abandon", "v. 放弃；抛弃"},
    {"ability", "n. 能力；才能"},
    {"abroad", "adv. 在国外"},
    {"absence", "n. 缺席；不在"},
    {"absolute", "adj. 绝对的；完全的"},
    {"absorb", "v. 吸收；吸引"},
    {"abstract", "adj. 抽象的"},
    {"abundant", "adj. 丰富的；充裕的"},
    {"academic", "adj. 学术的"},
    {"accelerate", "v. 加速"},
    {"accent", "n. 口音；重音"},
    {"accept", "v. 接受；认可"},
}};

constexpr int LongListCount = 500;
constexpr int LongListTop = 245;
constexpr int LongListSelected = 250;

constexpr int ListRows = 11;

// Sized to whole rows already, as its holder takes the size it has now.
ListBoxXP* NewList(QWidget* parent, int width) {
    auto* list = new ListBoxXP(parent);
    list->resize(width, list->HeightForRows(ListRows));
    return list;
}

// The long list, scrolled so that the selected row lies in the middle of the rows.
QWidget* LongList(QWidget* parent, bool focused) {
    ListBoxXP* list = NewList(parent, 180);
    for (int i = 0; i < LongListCount; ++i)
        list->AddListItem(QStringLiteral("%1. %2")
                              .arg(i + 1, 3, 10, QChar(u'0'))
                              .arg(QLatin1String(Words[i % Words.size()].english)));
    return HoldInLook(list, [list, focused] {
        list->RefreshListBox();
        list->SetTopIndex(LongListTop);
        list->SetListIndex(LongListSelected);
        if (focused)
            SendFocusIn(list->ScrollBar());
    });
}

QWidget* TabList(QWidget* parent) {
    ListBoxXP* list = NewList(parent, 250);
    for (const Word& word : Words)
        list->AddListItem(QString::fromUtf8(word.english) + u'\t' +
                          QString::fromUtf8(word.chinese));
    return HoldInLook(list, [list] {
        list->RefreshListBox();
        list->SetListIndex(2);
    });
}

enum class BarLook { Top, Middle, Bottom, UpPressed, DownPressed, ThumbPressed };

// A scroll bar of 0 to 100 in `look`. An arrow is pressed at the end it points to, so that the
// held arrow's repeat has nowhere to go.
Specimen ScrollBar(QWidget* parent, BarLook look, const QString& caption) {
    auto* bar = new VScrollBarXP(parent);
    bar->resize(bar->width(), 140);
    bar->SetMax(100);
    bar->SetLargeChange(10);
    return {HoldInLook(bar,
                       [bar, look] {
                           switch (look) {
                           case BarLook::Top:
                               break;
                           case BarLook::Middle:
                               bar->SetValue(50);
                               break;
                           case BarLook::Bottom:
                               bar->SetValue(100);
                               break;
                           case BarLook::UpPressed:
                               SendPress(bar, bar->UpArrowRect().center());
                               break;
                           case BarLook::DownPressed:
                               bar->SetValue(100);
                               SendPress(bar, bar->DownArrowRect().center());
                               break;
                           case BarLook::ThumbPressed:
                               bar->SetValue(50);
                               SendPress(bar, bar->ThumbRect().center());
                               break;
                           }
                       }),
            caption};
}

} // namespace

void AddListSection(GalleryPage& page) {
    page.AddHeading(QString::fromUtf8("列表框、滚动条"));
    QWidget* canvas = page.Canvas();
    page.AddRow(QStringLiteral("ListBoxXP"),
                {{LongList(canvas, false), QString::fromUtf8("500 项，第 251 项选中")},
                 {LongList(canvas, true), FocusedCaption()},
                 {TabList(canvas), QString::fromUtf8("标题含 TAB：对齐成列")}});
    page.AddRow(QStringLiteral("VScrollBarXP"),
                {ScrollBar(canvas, BarLook::Top, QString::fromUtf8("顶端")),
                 ScrollBar(canvas, BarLook::Middle, QString::fromUtf8("中间")),
                 ScrollBar(canvas, BarLook::Bottom, QString::fromUtf8("底端")),
                 ScrollBar(canvas, BarLook::UpPressed, QString::fromUtf8("上箭头按下")),
                 ScrollBar(canvas, BarLook::DownPressed, QString::fromUtf8("下箭头按下")),
                 ScrollBar(canvas, BarLook::ThumbPressed, QString::fromUtf8("滑块按下"))});
}

} // namespace lexarion::gallery
