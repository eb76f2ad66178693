#include "skin/ui/formcontrols.h"

#include "skin/ui/skincolor.h"

#include <QVariant>
#include <QWidget>

namespace lexarion {

namespace {

constexpr char PieceProperty[] = "lexarionSkinPiece";
constexpr char TagProperty[] = "lexarionTag";

void CollectControls(QWidget* parent, QList<QWidget*>& controls) {
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow() || IsSkinPiece(widget))
            continue;
        controls.append(widget);
        CollectControls(widget, controls);
    }
}

} // namespace

void MarkSkinPiece(QWidget* piece) {
    piece->setProperty(PieceProperty, true);
}

bool IsSkinPiece(const QWidget* widget) {
    return widget->property(PieceProperty).toBool();
}

QList<QWidget*> FormControls(QWidget* form) {
    QList<QWidget*> controls;
    if (form != nullptr)
        CollectControls(form, controls);
    return controls;
}

QWidget* ControlContainer(const QWidget* control) {
    QWidget* parent = control->parentWidget();
    while (parent != nullptr && !parent->isWindow() && IsSkinPiece(parent))
        parent = parent->parentWidget();
    return parent;
}

QWidget* ControlForm(const QWidget* control) {
    return control->window();
}

QString ControlTag(const QWidget* control) {
    return control->property(TagProperty).toString();
}

void SetControlTag(QWidget* control, const QString& tag) {
    control->setProperty(TagProperty, tag);
}

void SetWidgetBackColor(QWidget* widget, qint32 color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ColorFromNumber(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetWidgetForeColor(QWidget* widget, qint32 color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, ColorFromNumber(color));
    widget->setPalette(palette);
}

qint32 WidgetBackColor(const QWidget* widget) {
    return NumberFromColor(widget->palette().color(QPalette::Window));
}

qint32 WidgetForeColor(const QWidget* widget) {
    return NumberFromColor(widget->palette().color(QPalette::WindowText));
}

qint32 FormBackColor(const QWidget* form) {
    return WidgetBackColor(form);
}
qint32 FormForeColor(const QWidget* form) {
    return WidgetForeColor(form);
}
void SetFormBackColor(QWidget* form, qint32 color) {
    SetWidgetBackColor(form, color);
}
void SetFormForeColor(QWidget* form, qint32 color) {
    SetWidgetForeColor(form, color);
}

qint32 ContainerBackColor(const QWidget* control) {
    const QWidget* container = ControlContainer(control);
    return WidgetBackColor(container != nullptr ? container : control);
}

qint32 ContainerForeColor(const QWidget* control) {
    const QWidget* container = ControlContainer(control);
    return WidgetForeColor(container != nullptr ? container : control);
}

} // namespace lexarion
