#include "core/CommandGate.h"

#include "core/GlobalLogin.h"

namespace CommandGate {

namespace {

// The privilege flag a command needs; null for those any logged-in user may run.
const int* flagFor(Command command) {
    using namespace GlobalLogin;
    switch (command) {
    case Command::Booking:
    case Command::FoodOrder:
        return nullptr;
    case Command::CustomerList:
    case Command::CustomerHistoryList:
        return &PrivCustomerViewEdit;
    case Command::RoomList:
        return &PrivRoomList;
    case Command::Report:
    case Command::Log:
        return &PrivViewReport;
    case Command::Administration:
        return &PrivModifySettings;
    case Command::TaxEditor:
        return &PrivModifyTax;
    }
    return nullptr;
}

// Whether the flags of the last user to log in grant the command.
bool flagGrants(Command command) {
    const int* flag = flagFor(command);
    return !flag || *flag == 1;
}

} // namespace

Outcome For(Command command) {
    if (!GlobalLogin::IsLoggedIn) {
        // The tax flag outlives a logout; without it the tax editor is refused at once.
        if (command == Command::TaxEditor && !flagGrants(command))
            return Outcome::NoPrivilege;
        return Outcome::LogIn;
    }
    if (!flagGrants(command))
        return command == Command::Log ? Outcome::NoLogPrivilege : Outcome::NoPrivilege;
    return command == Command::CustomerHistoryList ? Outcome::Nothing : Outcome::Open;
}

bool Permits(Command command) {
    return GlobalLogin::IsLoggedIn && flagGrants(command);
}

} // namespace CommandGate
