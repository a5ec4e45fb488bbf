#pragma once

#include "core/Currency.h"

#include <QString>

// The statements of tbl_Rooms and of each room's own booking table room_<RoomNameID>.
namespace RoomStore {

// Every room, in the database's order, into the shared recordset.
void OpenRooms();
// The room's booking table; true when it was made (a refusal reports itself).
bool CreateBookingTable(const QString& roomId);
// The room's row, in its stored forms: the identifier trimmed and without apostrophes, every
// apostrophe of the description and the type as "!*!", the tariff as plain decimal text.
bool InsertRoom(const QString& roomId, const QString& description, const QString& roomType,
                const Currency& tariff);

} // namespace RoomStore
