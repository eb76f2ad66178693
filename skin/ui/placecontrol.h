#pragma once

// Controls made in code: each gets the object name by which tests and style sheets find it, and
// the place the window's layout gives it.

#include "skin/ui/buttonxp.h"

#include <QLabel>
#include <QRect>

namespace lexarion {

inline QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

// A skinned control with a caption (button, check box, option, frame).
template <typename Control>
Control* PlaceCaptioned(Control* control, const QString& name, const QString& caption,
                        QRect geometry) {
    control->setObjectName(name);
    control->SetCaption(caption);
    control->setGeometry(geometry);
    return control;
}

// A button keeps the size of its skin's pictures; only its corner is placed.
inline ButtonXP* PlaceButton(QWidget* parent, const char* name, const QString& caption,
                             QPoint topLeft) {
    auto* button = new ButtonXP(parent);
    button->setObjectName(QLatin1String(name));
    button->SetCaption(caption);
    button->move(topLeft);
    return button;
}

} // namespace lexarion
