#pragma once

// The display settings dialog's view of the running program: the open word window, reached
// afresh at every step (a step finds none once it has closed and is skipped), and the hidden
// owner window's two menus.

#include "memorize/ui/remembersettinghost.h"

#include <functional>

namespace lexarion {

class IconForm;
class RememberForm;

class WordWindowSettings : public RememberSettingHost {
public:
    WordWindowSettings(std::function<RememberForm*()> wordWindow, std::function<IconForm*()> icon)
        : wordWindow_(std::move(wordWindow)), icon_(std::move(icon)) {}

    void Repaint() override;
    void SetWordFont(const QFont& font) override;
    void SetWordColor(const QColor& color) override;
    void SetExplanationFont(const QFont& font) override;
    void SetExplanationColor(const QColor& color) override;
    bool LoadBackPicture(const QString& path) override;
    void SetBackPicture(int style) override;
    void RemoveBackPicture() override;
    void SetBackColor(const QColor& color) override;
    void PrintWord() override;
    void RefreshLayout() override;
    void SetWordInterval(int milliseconds) override;
    void SetFullScreen(bool on) override;
    void RegAllHotKey() override;
    void UnRegAllHotKey() override;
    void SetTrayMenuEnabled(bool enabled) override;
    void CheckDirectionItems(int direction) override;

private:
    std::function<RememberForm*()> wordWindow_;
    std::function<IconForm*()> icon_;
};

} // namespace lexarion
