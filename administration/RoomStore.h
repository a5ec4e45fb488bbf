#pragma once

#include "core/Currency.h"

#include <QString>

#include <optional>

// The statements of tbl_Rooms and of each room's own booking table room_<RoomNameID>.
namespace RoomStore {

// A room's identifier as stored: trimmed and without apostrophes.
QString StoredId(const QString& typedId);
// The booking tables keep the identifier in an INT column, so only a whole number that fits
// there names a room that can be booked.
bool IsWholeNumberId(const QString& storedId);

// Every room, in the database's order, into the shared recordset.
void OpenRooms();
// A room's row as the room editor shows it.
struct Room {
    qint64 key = 0;      // RoomID
    QString storedId;    // RoomNameID
    QString description; // as stored, with "!*!" for each apostrophe
    Currency tariff;
};

// The first room with this stored identifier, if there is one.
std::optional<Room> FindRoom(const QString& storedId);
// True when a room other than `exceptRoomKey` (its RoomID) has this stored identifier.
bool IdTakenByAnother(const QString& storedId, qint64 exceptRoomKey);

// The room's booking table; true when it was made (a refusal reports itself).
bool CreateBookingTable(const QString& roomId);
// The room's row, in its stored forms: the identifier trimmed and without apostrophes, every
// apostrophe of the description and the type as "!*!", the tariff as plain decimal text.
bool InsertRoom(const QString& roomId, const QString& description, const QString& roomType,
                const Currency& tariff);

// What became of an addition, a removal or a change of a room. A refused statement has
// reported itself; the other answers are the caller's to show.
struct Result {
    enum class Outcome {
        Done,
        IdTaken, // another room has the identifier (another desk may just have added it)
        Booked,  // bookings hold the room's table
        Failed,
    };
    Outcome outcome = Outcome::Failed;
    int bookings = 0; // with Booked: how many
};

// Adds a room as one piece: its booking table, its row and the log row "Added Room -" with the
// identifier as typed, or none of them. An empty booking table of the identifier that no room
// names, left behind by an addition that could not finish, is taken over. A desk adding or
// removing the same room is waited for, so that the desk that comes second finds the room
// there (IdTaken).
Result AddRoom(const QString& typedId, const QString& description, const QString& roomType,
               const Currency& tariff);
// Removes the room `roomKey` (its RoomID) as one piece: its row, the log row and its booking
// table, or none of them; a room whose table holds bookings is not removed. A removal that
// could not finish is finished. A desk removing or adding the same room is waited for. Once the
// row has gone the room is removed, even when its table, set aside, could not be dropped at the
// end: the next start drops it.
Result RemoveRoom(qint64 roomKey, const QString& roomId);
// Finishes the removals that a desk or its server stopping cut short, on every room no other
// desk is changing now: a booking table set aside comes back to a room that is still there, and
// goes with a room that is gone. Run at start.
void FinishUnfinishedRemovals();

// What the room editor changes of one room.
struct RoomChange {
    qint64 roomKey = 0;  // RoomID
    QString storedId;    // as stored before the change
    QString newStoredId; // trimmed, without apostrophes
    QString description; // as typed; stored with "!*!" for each apostrophe
    Currency tariff;
};
// The identifier, the description and the tariff as one piece. A changed identifier renames
// the booking table with it, unless bookings hold the table: they keep the old identifier.
Result UpdateRoom(const RoomChange& change);

} // namespace RoomStore
