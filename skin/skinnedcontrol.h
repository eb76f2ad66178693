#pragma once

// What every skinned control offers, so that a form can hand a skin to each of its controls
// without knowing their kinds (ApplySkin), and activation can reach the window frame
// (WindowHooks). A skinned control is a QWidget that also derives from SkinnedControl; the
// window frame derives from SkinnedFrame.

#include <QtGlobal>

class QString;

namespace lexarion {

class SkinnedControl {
public:
    virtual ~SkinnedControl() = default;

    // Takes the skin of `folderPath` (a skin folder path ending with "/"): each bitmap the
    // folder holds replaces the control's picture (one it lacks leaves the picture as it was),
    // each key of the parameter file is read with its reader default; then the control lays
    // itself out and redraws.
    virtual void LoadSkin(const QString& folderPath) = 0;

    // Whether the control's tab stop follows the selected tab page of its window (TablePageXP):
    // so it is for the controls that take the keyboard (push buttons, check boxes, option
    // buttons, lists, scroll bars, sliders, text boxes, up-down spinners, the hot-key box); the
    // window frame, group frames and the pages themselves are left alone.
    virtual bool TabStopFollowsPage() const { return false; }
};

// The window frame: drawn over the whole form, beneath its other controls.
class SkinnedFrame : public SkinnedControl {
public:
    // The form's colours, given to the frame before its LoadSkin.
    virtual void SetBackColor(qint32 color) = 0;
    virtual void SetForeColor(qint32 color) = 0;
    // Switches the frame between the looks of an active and an inactive window.
    virtual void DrawActivateForm(bool active) = 0;
};

} // namespace lexarion
