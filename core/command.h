#pragma once

// The commands a user gives the program: the items of the tray menu and of the memorization
// menu, the console's buttons and the hot keys all name one of these, and the shell carries it
// out in one place.

namespace lexarion {

enum class Command {
    None, // a separator or a submenu's own item

    // The tray menu and the console.
    ShowConsole,
    OpenRememberForm,
    MustRememberSettings,
    FindWord,
    TipOfDay,
    RemindSettings,
    GeneralSettings,
    Help,
    About,
    HomePage,
    Exit,

    // The memorization menu and the hot keys.
    PlayPause,
    Speak,
    ReadAgain,
    PreviousWord,
    NextWord,
    PreviousGroup,
    NextGroup,
    LoadProgress0,
    LoadProgress1,
    LoadProgress2,
    LoadLastProgress,
    SaveProgress0,
    SaveProgress1,
    SaveProgress2,
    AddToMyDict,
    DeleteFromMyDict,
    OrderForward,
    OrderReverse,
    OrderRandom,
    FullScreen,
    RememberSettings,
    CloseRememberForm,
};

// Where a command was given: a few windows open differently from the console than from a menu
// (the reminder editor is modal from the console only; the tip belongs to another owner).
enum class CommandOrigin { Menu, Console, HotKey };

// The slot number of a progress command (0 to 2), or -1 for any other command.
constexpr int ProgressSlotOf(Command command) {
    switch (command) {
    case Command::LoadProgress0:
    case Command::SaveProgress0:
        return 0;
    case Command::LoadProgress1:
    case Command::SaveProgress1:
        return 1;
    case Command::LoadProgress2:
    case Command::SaveProgress2:
        return 2;
    default:
        return -1;
    }
}

// The number of an order command as "Direction" stores it (0 to 2), or -1.
constexpr int DirectionOf(Command command) {
    switch (command) {
    case Command::OrderForward:
        return 0;
    case Command::OrderReverse:
        return 1;
    case Command::OrderRandom:
        return 2;
    default:
        return -1;
    }
}

} // namespace lexarion
