#include "app/ui/wordwindowsettings.h"

#include "app/ui/iconform.h"
#include "core/command.h"
#include "memorize/ui/rememberform.h"

#include <QAction>
#include <QMenu>

namespace lexarion {

namespace {

// Runs `step` on the open word window; nothing when none is open.
template <typename Step>
void OnWordWindow(const std::function<RememberForm*()>& wordWindow, Step step) {
    if (RememberForm* form = wordWindow ? wordWindow() : nullptr)
        step(*form);
}

} // namespace

void WordWindowSettings::Repaint() {
    OnWordWindow(wordWindow_, [](RememberForm& form) { form.update(); });
}
void WordWindowSettings::SetWordFont(const QFont& font) {
    OnWordWindow(wordWindow_, [&](RememberForm& form) { form.SetWordFont(font); });
}
void WordWindowSettings::SetWordColor(const QColor& color) {
    OnWordWindow(wordWindow_, [&](RememberForm& form) { form.SetWordColor(color); });
}
void WordWindowSettings::SetExplanationFont(const QFont& font) {
    OnWordWindow(wordWindow_, [&](RememberForm& form) { form.SetExplanationFont(font); });
}
void WordWindowSettings::SetExplanationColor(const QColor& color) {
    OnWordWindow(wordWindow_, [&](RememberForm& form) { form.SetExplanationColor(color); });
}
bool WordWindowSettings::LoadBackPicture(const QString& path) {
    bool loaded = false;
    OnWordWindow(wordWindow_, [&](RememberForm& form) { loaded = form.LoadBackPicture(path); });
    return loaded;
}
void WordWindowSettings::SetBackPicture(int style) {
    OnWordWindow(wordWindow_, [&](RememberForm& form) { form.SetBackPicture(style); });
}
void WordWindowSettings::RemoveBackPicture() {
    OnWordWindow(wordWindow_, [](RememberForm& form) { form.RemoveBackPicture(); });
}
void WordWindowSettings::SetBackColor(const QColor& color) {
    OnWordWindow(wordWindow_, [&](RememberForm& form) { form.SetBackColor(color); });
}
void WordWindowSettings::PrintWord() {
    OnWordWindow(wordWindow_, [](RememberForm& form) { form.PrintWord(); });
}
void WordWindowSettings::RefreshLayout() {
    OnWordWindow(wordWindow_, [](RememberForm& form) { form.RefreshLayout(); });
}
void WordWindowSettings::SetWordInterval(int milliseconds) {
    OnWordWindow(wordWindow_, [&](RememberForm& form) { form.SetWordInterval(milliseconds); });
}
void WordWindowSettings::SetFullScreen(bool on) {
    OnWordWindow(wordWindow_, [&](RememberForm& form) { form.SetFullScreen(on); });
}
void WordWindowSettings::RegAllHotKey() {
    OnWordWindow(wordWindow_, [](RememberForm& form) { form.RegAllHotKey(); });
}
void WordWindowSettings::UnRegAllHotKey() {
    OnWordWindow(wordWindow_, [](RememberForm& form) { form.UnRegAllHotKey(); });
}

void WordWindowSettings::SetTrayMenuEnabled(bool enabled) {
    if (IconForm* icon = icon_ ? icon_() : nullptr)
        icon->MainMenu()->setEnabled(enabled);
}

void WordWindowSettings::CheckDirectionItems(int direction) {
    IconForm* icon = icon_ ? icon_() : nullptr;
    if (!icon)
        return;
    for (const Command order : {Command::OrderForward, Command::OrderReverse, Command::OrderRandom})
        if (QAction* item = icon->Item(order))
            item->setChecked(DirectionOf(order) == direction);
}

} // namespace lexarion
