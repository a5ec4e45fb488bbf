#pragma once

#include <QString>

// The statements of each room's own booking table room_<RoomNameID> that read and remove
// bookings.
namespace RoomBookingStore {

// The room's bookings, each with the title and names of the customer who holds it, earliest
// check-out first, into the shared recordset.
void OpenSchedule(const QString& roomId);
// Deletes the booking's rows of the room; true when none is left. A room whose table was
// dropped with the room holds none.
bool DeleteBooking(const QString& roomId, const QString& uniqueNo);

} // namespace RoomBookingStore
