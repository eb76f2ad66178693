#pragma once

// The eight hot-key slots of the word window: the combination each stores in section
// "RememberSetting" ("HotKey0" to "HotKey7", key code + 256 × modifier mask, see
// platform/virtualkey.h), their registration with the system while the word window is open,
// and the command a pressed hot key runs. The key names shown by the hot-key capture box.

#include <QString>
#include <array>
#include <optional>

class QObject;

namespace lexarion {

class AppState;
class HotKeys;

inline constexpr int HotKeySlotCount = 8;

// The word window's commands a hot key can give, in slot order.
enum class HotKeyCommand {
    StartPlay,
    ReadAgain,
    AddToMyDict,
    DeleteFromMyDict,
    PreWord,
    NextWord,
    PreviousGroup,
    NextGroup,
};

HotKeyCommand SlotCommand(int slot);
// The slot's label in the display settings dialog ("播放/暂停" ...).
QString SlotLabel(int slot);

// A key code (virtual-key code, 0 = none) with its modifier mask.
struct KeyCombination {
    int keyCode = 0;
    int shift = 0;
    bool operator==(const KeyCombination&) const = default;
};

// The stored form of a combination: key code + 256 × mask ("624" for Ctrl+F1).
int StoredHotKeyValue(KeyCombination combination);
// A stored value read back: its number rounded to a whole number c, then the mask c / 256 and
// the key c mod 256; nothing when the value is empty or not above 0.
std::optional<KeyCombination> ParseStoredHotKey(const QString& value);

// "Shift", "Ctrl", "Alt" for the bits of `shift`, in this order, joined with " + ".
QString ModifierNames(int shift);
// The name of a key the capture box accepts; empty for any other key.
QString KeyName(int keyCode);
// a + " + " + b; b alone when a is empty; "无" when both are.
QString JoinKeyNames(const QString& a, const QString& b);

// The registration state of the eight slots for one window.
class HotKeySlots {
public:
    HotKeySlots(const AppState& app, HotKeys& system, QObject* window);

    // Every slot first becomes unregistered with id 0. Then, when "HotKeyEnabled" is exactly
    // 1, each stored combination is registered with id slot + 1; one the system refuses stays
    // unregistered and the others still register.
    void RegisterAll();
    // Releases the registered slots; their ids stay until the next RegisterAll.
    void UnregisterAll();
    // The command of the first slot whose id is `id` (taken as a byte); none for id 0 or an id
    // no slot has.
    std::optional<HotKeyCommand> CommandOf(int id) const;

    int Id(int slot) const { return slots_[slot].id; }
    bool Registered(int slot) const { return slots_[slot].registered; }

private:
    struct Slot {
        int id = 0;
        bool registered = false;
    };

    const AppState& app_;
    HotKeys& system_;
    QObject* window_;
    std::array<Slot, HotKeySlotCount> slots_{};
};

} // namespace lexarion
