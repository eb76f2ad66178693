#pragma once

// Saves a picture of a window as `name` into the folder named by LEXARION_GRAB_FOLDER, so that
// a test run can show what the windows look like; does nothing when the variable is not set.

#include <QString>
#include <QWidget>

namespace lexarion::testing {

inline void SaveGrab(QWidget* widget, const QString& name) {
    const QString folder = qEnvironmentVariable("LEXARION_GRAB_FOLDER");
    if (!folder.isEmpty())
        widget->grab().save(folder + u'/' + name);
}

} // namespace lexarion::testing
