// The push button, check box, option button, text box and group frame, each in its normal,
// pointer-over, pressed, focused and disabled look.
//
// Every specimen is put in its look by the events a user's pointer and keyboard would send it,
// delivered to the specimen alone, so that all of them show their look at the same time (on
// screen only one control can be under the pointer or hold the focus). The events are sent when
// the page is first shown, after the controls have laid themselves out for showing.

#include "gallery/gallerypage.h"
#include "gallery/gallerysections.h"
#include "skin/buttonxp.h"
#include "skin/checkboxxp.h"
#include "skin/framexp.h"
#include "skin/radioboxxp.h"
#include "skin/textboxxp.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <functional>

namespace lexarion::gallery {

namespace {

enum class Look { Normal, Over, Pressed, Focused, Disabled };
constexpr Look Looks[] = {Look::Normal, Look::Over, Look::Pressed, Look::Focused, Look::Disabled};

QString LookCaption(Look look) {
    switch (look) {
    case Look::Normal:
        return QString::fromUtf8("正常");
    case Look::Over:
        return QString::fromUtf8("悬停");
    case Look::Pressed:
        return QString::fromUtf8("按下");
    case Look::Focused:
        return QString::fromUtf8("焦点");
    case Look::Disabled:
        return QString::fromUtf8("禁用");
    }
    return {};
}

// Holds one specimen and puts it in its look when first shown (a parent is shown after its
// children, so the specimen has done its own first layout by then).
class LookHolder : public QWidget {
public:
    LookHolder(QWidget* specimen, std::function<void()> putInLook)
        : putInLook_(std::move(putInLook)) {
        specimen->setParent(this);
        specimen->move(0, 0);
        setFixedSize(specimen->size());
    }

protected:
    void showEvent(QShowEvent*) override {
        if (putInLook_)
            std::exchange(putInLook_, nullptr)();
    }

private:
    std::function<void()> putInLook_;
};

// Sends `target` what the pointer and keyboard would for `look`; `control` is the skinned
// control (for a text box its inner box is the target).
void SendLook(QWidget* control, QWidget* target, Look look) {
    const QPointF inside(6, target->height() / 2.0);
    const QPointF global = target->mapToGlobal(inside);
    switch (look) {
    case Look::Normal:
        break;
    case Look::Over:
    case Look::Pressed: {
        QEnterEvent enter(inside, inside, global);
        QApplication::sendEvent(target, &enter);
        if (look == Look::Pressed) {
            // A press also brings the focus.
            QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
            QApplication::sendEvent(target, &focus);
            QMouseEvent press(QEvent::MouseButtonPress, inside, inside, global, Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &press);
        }
        break;
    }
    case Look::Focused: {
        QFocusEvent focus(QEvent::FocusIn, Qt::OtherFocusReason);
        QApplication::sendEvent(target, &focus);
        break;
    }
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
        auto* holder = new LookHolder(control, [=] { SendLook(control, target, look); });
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
