#include "skin/ui/applyskin.h"

#include "skin/skinnedcontrol.h"
#include "skin/skinparameters.h"
#include "skin/ui/formcontrols.h"

#include <QLabel>

namespace lexarion {

void ApplySkin(QWidget* form, const AppState& app) {
    ApplySkinFolder(form, ActiveSkinFolderPath(app));
}

void ApplySkinFolder(QWidget* form, const QString& folderPath) {
    if (form == nullptr)
        return;
    const QList<QWidget*> controls = FormControls(form);

    // A label's colour lives in its palette, which it would otherwise inherit from the form:
    // a tagged label is given its present colour as its own before the form's changes.
    for (QWidget* control : controls) {
        if (qobject_cast<QLabel*>(control) != nullptr && !ControlTag(control).isEmpty())
            SetWidgetForeColor(control, WidgetForeColor(control));
    }

    const qint32 backColor = ReadSkinColor(folderPath, SkinKey::WindowBackColor);
    const qint32 foreColor = ReadSkinColor(folderPath, SkinKey::WindowForeColor);
    SetFormBackColor(form, backColor);
    SetFormForeColor(form, foreColor);

    for (QWidget* control : controls) {
        if (auto* frame = dynamic_cast<SkinnedFrame*>(control)) {
            frame->SetBackColor(backColor);
            frame->SetForeColor(foreColor);
            frame->LoadSkin(folderPath);
        } else if (auto* skinned = dynamic_cast<SkinnedControl*>(control)) {
            skinned->LoadSkin(folderPath);
        } else if (qobject_cast<QLabel*>(control) != nullptr && ControlTag(control).isEmpty()) {
            SetWidgetForeColor(control, foreColor);
        }
    }
}

} // namespace lexarion
