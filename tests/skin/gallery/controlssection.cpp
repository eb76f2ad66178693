// The push button, check box, option button, text box and group frame, each in its normal,
// pointer-over, pressed, focused and disabled look.

#include "gallery/gallerypage.h"
#include "gallery/gallerysections.h"
#include "gallery/looks.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/checkboxxp.h"
#include "skin/ui/framexp.h"
#include "skin/ui/radioboxxp.h"
#include "skin/ui/textboxxp.h"

#include <QLineEdit>
#include <functional>

namespace lexarion::gallery {

namespace {

enum class Look { Normal, Over, Pressed, Focused, Disabled };
constexpr Look Looks[] = {Look::Normal, Look::Over, Look::Pressed, Look::Focused, Look::Disabled};

QString LookCaption(Look look) {
    switch (look) {
    case Look::Normal:
        return NormalCaption();
    case Look::Over:
        return OverCaption();
    case Look::Pressed:
        return PressedCaption();
    case Look::Focused:
        return FocusedCaption();
    case Look::Disabled:
        return DisabledCaption();
    }
    return {};
}

// Sends `target` what the pointer and keyboard would for `look`; `control` is the skinned
// control (for a text box its inner box is the target).
void SendLook(QWidget* control, QWidget* target, Look look) {
    const QPointF inside(6, target->height() / 2.0);
    switch (look) {
    case Look::Normal:
        break;
    case Look::Over:
        SendEnter(target, inside);
        break;
    case Look::Pressed:
        SendEnter(target, inside);
        // A press also brings the focus.
        SendFocusIn(target, Qt::MouseFocusReason);
        SendPress(target, inside);
        break;
    case Look::Focused:
        SendFocusIn(target);
        break;
    case Look::Disabled:
        if (auto* box = qobject_cast<TextBoxXP*>(control))
            box->SetEnabled(false);
        else
            control->setEnabled(false);
        break;
    }
}

// One row: a control made by `make` in each look.
void AddLookRow(GalleryPage& page, const QString& caption,
                const std::function<QWidget*(QWidget*)>& make) {
    QList<Specimen> specimens;
    for (const Look look : Looks) {
        QWidget* control = make(page.Canvas());
        QWidget* target = control;
        if (auto* box = qobject_cast<TextBoxXP*>(control))
            target = box->ControlXP();
        QWidget* holder = HoldInLook(control, [=] { SendLook(control, target, look); });
        specimens.append({holder, LookCaption(look)});
    }
    page.AddRow(caption, specimens);
}

template <class Toggle>
std::function<QWidget*(QWidget*)> MakeToggle(const char* caption, bool value) {
    return [=](QWidget* parent) {
        auto* toggle = new Toggle(parent);
        toggle->resize(112, 20);
        toggle->SetCaption(QString::fromUtf8(caption));
        toggle->SetValue(value);
        return toggle;
    };
}

} // namespace

void AddControlsSection(GalleryPage& page) {
    page.AddHeading(QString::fromUtf8("按钮、复选框、单选按钮"));
    AddLookRow(page, QStringLiteral("ButtonXP"), [](QWidget* parent) {
        auto* button = new ButtonXP(parent);
        button->SetCaption(QString::fromUtf8("确定"));
        return button;
    });
    AddLookRow(page, QStringLiteral("CheckBoxXP"), MakeToggle<CheckBoxXP>("朗读单词", false));
    AddLookRow(page, QString::fromUtf8("CheckBoxXP 已选"),
               MakeToggle<CheckBoxXP>("延迟解释", true));
    AddLookRow(page, QStringLiteral("RadioBoxXP"), MakeToggle<RadioBoxXP>("顺序播放", false));
    AddLookRow(page, QString::fromUtf8("RadioBoxXP 已选"),
               MakeToggle<RadioBoxXP>("随机播放", true));

    page.AddHeading(QString::fromUtf8("文本框、分组框"));
    AddLookRow(page, QStringLiteral("TextBoxXP"), [](QWidget* parent) {
        auto* box = new TextBoxXP(parent);
        box->resize(112, 22);
        box->SetText(QString::fromUtf8("abandon 放弃"));
        return box;
    });
    auto frame = [](const char* caption, bool border) {
        auto* frame = new FrameXP;
        frame->setFixedSize(150, 56);
        frame->SetCaption(QString::fromUtf8(caption));
        frame->SetShowBorder(border);
        auto* inside = new RadioBoxXP(frame);
        inside->setGeometry(10, 26, 120, 20);
        inside->SetCaption(QString::fromUtf8("每组十个"));
        inside->SetValue(true);
        return Specimen{frame, QString::fromUtf8(border ? "有边框" : "无边框")};
    };
    page.AddRow(QStringLiteral("FrameXP"),
                {frame("显示设置", true), frame("", true), frame("朗读设置", false)});
}

} // namespace lexarion::gallery
