#pragma once

#include "core/Currency.h"
#include "core/ui/ListFill.h"

#include <QString>

class ExtLV;
class ListItem;

// A room on one of the booking window's two lists, as the row keeps it: a room moves between
// the lists and is booked as it was listed, whatever the columns show or where they stand.
struct BookingRoom {
    QString roomId; // as stored in tbl_Rooms
    QString roomType;
    Currency tariff;
};

// The available list's columns and what its rows keep, filled from the records of tbl_Rooms.
const ListColumns& AvailableRoomColumns();
const RowValues& BookingRoomValues();
// The room a row of either list stands for.
BookingRoom BookingRoomOf(const ListItem& row);
// Appends the room to the list: its identifier, its type and its tariff in the currency
// format, with the values BookingRoomOf reads.
void AddBookingRoom(ExtLV& list, const BookingRoom& room);
