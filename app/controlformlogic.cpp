#include "app/controlformlogic.h"

namespace lexarion {

QString ConsoleButtonLabel(int index) {
    static const char* const labels[ConsoleButtonCount] = {
        "单词记忆", "不得不记单词设置", "单词速查",     "每日英语", "提醒功能设置", "通用设置",
        "帮助",     "关于本软件",       "本软件的主页", "退出"};
    return QString::fromUtf8(labels[index]);
}

Command ConsoleButtonCommand(int index) {
    static constexpr std::array<Command, ConsoleButtonCount> commands = {
        Command::OpenRememberForm,
        Command::MustRememberSettings,
        Command::FindWord,
        Command::TipOfDay,
        Command::RemindSettings,
        Command::GeneralSettings,
        Command::Help,
        Command::About,
        Command::HomePage,
        Command::Exit,
    };
    return index >= 0 && index < ConsoleButtonCount ? commands[size_t(index)] : Command::None;
}

QString ConsoleButtonTooltip(int index) {
    if (index == ConsoleButtonCount - 1)
        return QStringLiteral("点击退出");
    return QStringLiteral("点击进入\"") + ConsoleButtonLabel(index) + u'"';
}

void ConsoleButtons::Reset() {
    pressed_ = false;
    focusIndex_ = 0;
    versionClicks_ = 0;
}

void ConsoleButtons::SetButtonLook(int index, ButtonLook look) {
    if (looks_[size_t(index)] == look)
        return;
    looks_[size_t(index)] = look;
    ++lookChanges_;
}

void ConsoleButtons::MoveOverBackground() {
    for (int i = 0; i < ConsoleButtonCount; ++i)
        SetButtonLook(i, ButtonLook::Normal);
}

void ConsoleButtons::MoveOverButton(int index) {
    if (pressed_)
        return;
    for (int i = 0; i < ConsoleButtonCount; ++i)
        SetButtonLook(i, i == index ? ButtonLook::Hover : ButtonLook::Normal);
}

void ConsoleButtons::PressButton(int index) {
    pressed_ = true;
    for (int i = 0; i < ConsoleButtonCount; ++i)
        SetButtonLook(i, i == index ? ButtonLook::Pressed : ButtonLook::Normal);
}

void ConsoleButtons::Release() {
    pressed_ = false;
}

bool ConsoleButtons::Click(bool dialogShowing) {
    pressed_ = false;
    return !dialogShowing;
}

void ConsoleButtons::Tab() {
    focusIndex_ = (focusIndex_ + 1) % ConsoleButtonCount;
    MoveOverButton(focusIndex_);
}

void ConsoleButtons::SpaceDown() {
    PressButton(focusIndex_);
}

bool ConsoleButtons::SpaceUp(bool dialogShowing) {
    const bool run = Click(dialogShowing);
    Release();
    return run;
}

VersionClickResult ConsoleButtons::VersionMouseDown(MouseButton button, KeyModifiers modifiers) {
    if (versionClicks_ <= 10) {
        if (button == MouseButton::Left && modifiers.None())
            ++versionClicks_;
        else
            versionClicks_ = 0;
    }
    if (versionClicks_ > 10) {
        if (button == MouseButton::Right && modifiers.ctrl && !modifiers.shift && !modifiers.alt) {
            versionClicks_ = 0;
            return VersionClickResult::OpenTextEffect;
        }
        return VersionClickResult::TurnRed;
    }
    return VersionClickResult::Counted;
}

} // namespace lexarion
