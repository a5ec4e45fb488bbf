#pragma once

// Which commands of the main window a user may run: logged in or not, and the privilege flag
// each command needs.
namespace CommandGate {

enum class Command {
    Booking,
    FoodOrder,
    CustomerList,
    RoomList,
    CustomerHistoryList,
    Report,
    Log,
    Administration,
    TaxEditor,
};

enum class Outcome {
    Open,           // the command's window
    LogIn,          // the login window
    NoPrivilege,    // the general no-privilege message
    NoLogPrivilege, // the log viewer's own message
    Nothing,        // permitted, and nothing to show
};

// Decides from the login state of GlobalLogin.
Outcome For(Command command);

// Whether a user is logged in who holds the privilege the command needs: what a window's own
// button for the command asks before it opens the command's window.
bool Permits(Command command);

} // namespace CommandGate
