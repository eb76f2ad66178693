#pragma once

// What the display settings dialog changes outside itself: the open word window (fonts,
// colours, background, layout, word timer, display mode, hot keys) and the two menus of the
// hidden owner window. The shell gives the dialog one; each call is one independent step of
// the dialog's Apply.

#include <QColor>
#include <QFont>
#include <QString>

namespace lexarion {

class RememberSettingHost {
public:
    virtual ~RememberSettingHost() = default;

    // The word window.
    virtual void Repaint() = 0;
    // The word label takes the font; the pronunciation label its size.
    virtual void SetWordFont(const QFont& font) = 0;
    // The word and the pronunciation.
    virtual void SetWordColor(const QColor& color) = 0;
    virtual void SetExplanationFont(const QFont& font) = 0;
    virtual void SetExplanationColor(const QColor& color) = 0;
    // Loads a picture file into the window's picture holder; false when it cannot be read.
    virtual bool LoadBackPicture(const QString& path) = 0;
    // Composes the background from the held picture: 0 tile, 1 centre, 2 stretch.
    virtual void SetBackPicture(int style) = 0;
    // No background picture; the plain colour shows.
    virtual void RemoveBackPicture() = 0;
    virtual void SetBackColor(const QColor& color) = 0;
    virtual void PrintWord() = 0;
    // Places the shown labels again by the stored "SplitDisplay".
    virtual void RefreshLayout() = 0;
    virtual void SetWordInterval(int milliseconds) = 0;
    // Switches the display mode and stores it.
    virtual void SetFullScreen(bool on) = 0;
    virtual void RegAllHotKey() = 0;
    virtual void UnRegAllHotKey() = 0;

    // The hidden owner window: the top item of the tray menu, and the check marks of the
    // memorization menu's order items.
    virtual void SetTrayMenuEnabled(bool enabled) = 0;
    virtual void CheckDirectionItems(int direction) = 0;
};

} // namespace lexarion
