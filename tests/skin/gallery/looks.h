#pragma once

// Putting gallery specimens in their looks. Every specimen is put in its look by the events a
// user's pointer and keyboard would send it, delivered to the specimen alone, so that all of
// them show their look at the same time (on screen only one control can be under the pointer
// or hold the focus). The events are sent when the page is first shown, after the controls
// have laid themselves out (and taken the skin) for showing.

#include <QPointF>
#include <QString>
#include <QWidget>
#include <functional>

namespace lexarion::gallery {

// A widget holding `specimen` at its top-left corner, as large as it, that runs `putInLook`
// once, when it is first shown (a parent is shown after its children).
QWidget* HoldInLook(QWidget* specimen, std::function<void()> putInLook);

// The events, at `at` in the target's own coordinates.
void SendEnter(QWidget* target, QPointF at);
void SendMove(QWidget* target, QPointF at);
void SendPress(QWidget* target, QPointF at);
void SendFocusIn(QWidget* target, Qt::FocusReason reason = Qt::OtherFocusReason);

// The captions of the common looks.
QString NormalCaption();
QString OverCaption();
QString PressedCaption();
QString FocusedCaption();
QString DisabledCaption();

} // namespace lexarion::gallery
