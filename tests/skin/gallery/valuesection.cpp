// The slider and the up-down spinner. The slider in its normal look, with the pointer over its
// thumb, with the focus and disabled; the spinner (beside the text box it steps, as the
// reminder editor has it) in its normal look, with either arrow held and disabled. The spinner
// has no look of its own for the pointer or the focus, and neither control changes its look
// when disabled.

#include "gallery/gallerypage.h"
#include "gallery/gallerysections.h"
#include "gallery/looks.h"
#include "skin/ui/picturebox.h"
#include "skin/ui/sliderxp.h"
#include "skin/ui/textboxxp.h"
#include "skin/ui/updownxp.h"

namespace lexarion::gallery {

namespace {

enum class SliderLook { Normal, Over, Focused, Disabled };

Specimen Slider(QWidget* parent, SliderLook look, const QString& caption) {
    auto* slider = new SliderXP(parent);
    slider->resize(140, 28);
    slider->SetMax(100);
    return {HoldInLook(slider,
                       [slider, look] {
                           slider->SetValue(35);
                           switch (look) {
                           case SliderLook::Normal:
                               break;
                           case SliderLook::Over: {
                               QWidget* thumb = slider->Thumb();
                               SendEnter(thumb, thumb->rect().center());
                               SendMove(thumb, thumb->rect().center());
                               break;
                           }
                           case SliderLook::Focused:
                               SendFocusIn(slider);
                               break;
                           case SliderLook::Disabled:
                               slider->setEnabled(false);
                               break;
                           }
                       }),
            caption};
}

enum class SpinLook { Normal, UpHeld, DownHeld, Disabled };

// A spinner of 0 to 10 beside the box showing its value. An arrow is held at the limit it
// steps to, so that the held arrow's repeat has nowhere to go.
Specimen Spinner(QWidget* parent, SpinLook look, const QString& caption) {
    auto* pair = new QWidget(parent);
    auto* box = new TextBoxXP(pair);
    box->setGeometry(0, 0, 44, 22);
    auto* spinner = new UpDownXP(pair);
    spinner->setGeometry(45, 0, 15, 22);
    pair->resize(60, 22);
    QObject::connect(spinner, &UpDownXP::Change, box,
                     [box, spinner] { box->SetText(QString::number(spinner->Value())); });
    return {HoldInLook(pair,
                       [spinner, look] {
                           spinner->SetValue(look == SpinLook::UpHeld ? 10 : 5);
                           switch (look) {
                           case SpinLook::Normal:
                               break;
                           case SpinLook::UpHeld:
                               SendPress(spinner, spinner->UpArrowRect().center());
                               break;
                           case SpinLook::DownHeld:
                               spinner->SetValue(0);
                               SendPress(spinner, spinner->DownArrowRect().center());
                               break;
                           case SpinLook::Disabled:
                               spinner->SetEnabled(false);
                               break;
                           }
                       }),
            caption};
}

} // namespace

void AddValueSection(GalleryPage& page) {
    page.AddHeading(QString::fromUtf8("滑块、微调按钮"));
    QWidget* canvas = page.Canvas();
    page.AddRow(QStringLiteral("SliderXP"),
                {Slider(canvas, SliderLook::Normal, NormalCaption()),
                 Slider(canvas, SliderLook::Over, QString::fromUtf8("悬停在滑块上")),
                 Slider(canvas, SliderLook::Focused, FocusedCaption()),
                 Slider(canvas, SliderLook::Disabled, DisabledCaption())});
    page.AddRow(QStringLiteral("UpDownXP"),
                {Spinner(canvas, SpinLook::Normal, NormalCaption()),
                 Spinner(canvas, SpinLook::UpHeld, QString::fromUtf8("按住上箭头")),
                 Spinner(canvas, SpinLook::DownHeld, QString::fromUtf8("按住下箭头")),
                 Spinner(canvas, SpinLook::Disabled, DisabledCaption())});
}

} // namespace lexarion::gallery
