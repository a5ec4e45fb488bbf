#pragma once

#include <QIcon>
#include <QList>
#include <QString>

// The program's own pictures: flat SVG drawings in core/ui/icons/, built into the program.
namespace Icons {

enum class Name {
    // The main window's toolbar buttons, in their order.
    NewBooking,
    NewFoodOrder,
    CustomerList,
    RoomSchedule,
    StatsView,
    LogView,
    Administrator,
    // The program's mark: the windows' icon and the about box logo.
    Program,
    // A customer list row's picture, chosen by the customer's title.
    CustomerMan,
    CustomerWoman,
    // A room list row's picture.
    Room,
    // The order entry's catalogue tree: a category node and an item node.
    FoodCategory,
    FoodItem,
    // Picture buttons: add and remove on the catalogue page, modify and cancel in the room editor.
    Add,
    Remove,
    Modify,
    Cancel,
    // The login window's pictures: logging in, and creating the master account.
    Login,
    NewMasterAccount,
    // Message pictures: the balloon's three; the error report window shows Error.
    Information,
    Warning,
    Error,
};

QIcon Get(Name name);

// Every picture's name, in the order above.
QList<Name> All();

// The picture's file name in core/ui/icons/, without its ending ("new_booking").
QString FileName(Name name);

} // namespace Icons
