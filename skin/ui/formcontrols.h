#pragma once

// The controls of a form as the skin code sees them. A form's controls are the widgets below
// it, in the form's own order (each container's children in creation order, a container before
// what it holds). A skinned control is one control: the widgets it is made of (its caption
// label, picture areas, inner edit box...) are its pieces, marked with MarkSkinPiece, and are
// not controls of the form. Controls placed inside a container control (a group frame, a tab
// page) are controls of the form.

#include <QList>
#include <QString>

class QWidget;

namespace lexarion {

// Marks `piece` as a private part of the skinned control that made it.
void MarkSkinPiece(QWidget* piece);
bool IsSkinPiece(const QWidget* widget);

// Every control of `form` in the form's order.
QList<QWidget*> FormControls(QWidget* form);

// The control that contains `control`: the nearest widget above it that is not a piece (the
// form itself for a control placed directly on the form).
QWidget* ControlContainer(const QWidget* control);
// The form `control` belongs to: its top-level window.
QWidget* ControlForm(const QWidget* control);

// A control's tag text (empty unless set). ApplySkin lets labels with a tag keep their colour.
QString ControlTag(const QWidget* control);
void SetControlTag(QWidget* control, const QString& tag);

// A form's background and text colours, as colour numbers (held in the form's palette).
qint32 FormBackColor(const QWidget* form);
qint32 FormForeColor(const QWidget* form);
void SetFormBackColor(QWidget* form, qint32 color);
void SetFormForeColor(QWidget* form, qint32 color);
// The background colour of the container of `control` (see ControlContainer).
qint32 ContainerBackColor(const QWidget* control);
qint32 ContainerForeColor(const QWidget* control);

// A widget's own background / text colour in its palette; background set this way is filled.
void SetWidgetBackColor(QWidget* widget, qint32 color);
void SetWidgetForeColor(QWidget* widget, qint32 color);
qint32 WidgetBackColor(const QWidget* widget);
qint32 WidgetForeColor(const QWidget* widget);

} // namespace lexarion
