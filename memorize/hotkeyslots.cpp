#include "memorize/hotkeyslots.h"

#include "core/settings.h"
#include "platform/hotkeys.h"
#include "platform/numbertext.h"

#include <QStringList>
#include <limits>

namespace lexarion {

namespace {

struct SlotInfo {
    HotKeyCommand command;
    const char* label;
};

const std::array<SlotInfo, HotKeySlotCount> Slots{{
    {HotKeyCommand::StartPlay, "播放/暂停"},
    {HotKeyCommand::ReadAgain, "再朗读一次"},
    {HotKeyCommand::AddToMyDict, "加入生词本"},
    {HotKeyCommand::DeleteFromMyDict, "删除生词"},
    {HotKeyCommand::PreWord, "上一个"},
    {HotKeyCommand::NextWord, "下一个"},
    {HotKeyCommand::PreviousGroup, "上一组"},
    {HotKeyCommand::NextGroup, "下一组"},
}};

constexpr int ModifierShift = 256;

} // namespace

HotKeyCommand SlotCommand(int slot) {
    return Slots[slot].command;
}

QString SlotLabel(int slot) {
    return QString::fromUtf8(Slots[slot].label);
}

int StoredHotKeyValue(KeyCombination combination) {
    return combination.keyCode + ModifierShift * combination.shift;
}

std::optional<KeyCombination> ParseStoredHotKey(const QString& value) {
    if (value.isEmpty())
        return std::nullopt;
    const double c = RoundHalfEven(NumberValue(value));
    // Beyond any key code with every modifier: no combination the program could have stored.
    if (!(c > 0) || c > double(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    const auto number = qint64(c);
    return KeyCombination{int(number % ModifierShift), int(number / ModifierShift)};
}

QString ModifierNames(int shift) {
    QStringList names;
    if (shift & 1)
        names << QStringLiteral("Shift");
    if (shift & 2)
        names << QStringLiteral("Ctrl");
    if (shift & 4)
        names << QStringLiteral("Alt");
    return names.join(QStringLiteral(" + "));
}

QString KeyName(int keyCode) {
    const QString numPad = QStringLiteral("Num ");
    switch (keyCode) {
    case 33:
        return QStringLiteral("Page Up");
    case 34:
        return QStringLiteral("Page Down");
    case 35:
        return QStringLiteral("End");
    case 36:
        return QStringLiteral("Home");
    case 37:
        return QStringLiteral("Left"); // named like the other three arrows
    case 38:
        return QStringLiteral("Up");
    case 39:
        return QStringLiteral("Right");
    case 40:
        return QStringLiteral("Down");
    case 106:
        return numPad + u'*';
    case 107:
        return numPad + u'+';
    case 108:
        return numPad; // the keypad's separator: its trailing space is all
    case 109:
        return numPad + u'-';
    case 110:
        return numPad + u'.';
    case 111:
        return numPad + u'/';
    default:
        break;
    }
    if ((keyCode >= '0' && keyCode <= '9') || (keyCode >= 'A' && keyCode <= 'Z'))
        return QString(QChar(keyCode));
    if (keyCode >= 96 && keyCode <= 105)
        return numPad + QString::number(keyCode - 96);
    if (keyCode >= 112 && keyCode <= 123)
        return u'F' + QString::number(keyCode - 111);
    return {};
}

QString JoinKeyNames(const QString& a, const QString& b) {
    if (!a.isEmpty())
        return a + QStringLiteral(" + ") + b;
    if (!b.isEmpty())
        return b;
    return QStringLiteral("无");
}

HotKeySlots::HotKeySlots(const AppState& app, HotKeys& system, QObject* window)
    : app_(app), system_(system), window_(window) {}

void HotKeySlots::RegisterAll() {
    slots_.fill(Slot{});
    if (NumberValue(ReadSetting(app_, setting::HotKeyEnabled)) != 1)
        return;
    for (int j = 0; j < HotKeySlotCount; ++j) {
        const std::optional<KeyCombination> combination =
            ParseStoredHotKey(ReadSetting(app_, setting::HotKey, j));
        if (!combination)
            continue;
        if (system_.RegisterHotKey(window_, j + 1, combination->shift, combination->keyCode))
            slots_[j] = Slot{j + 1, true};
    }
}

void HotKeySlots::UnregisterAll() {
    for (Slot& slot : slots_) {
        if (slot.registered)
            system_.UnregisterHotKey(window_, slot.id);
        slot.registered = false;
    }
}

std::optional<HotKeyCommand> HotKeySlots::CommandOf(int id) const {
    const int byte = id & 0xFF;
    for (int j = 0; j < HotKeySlotCount; ++j) {
        if (slots_[j].id == byte && byte != 0)
            return SlotCommand(j);
    }
    return std::nullopt;
}

} // namespace lexarion
