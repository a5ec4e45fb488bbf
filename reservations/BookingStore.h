#pragma once

#include "reservations/BookingRecord.h"

#include <QDate>

namespace BookingStore {

// A room's own table keeps its identifier in a whole-number column: only an identifier of
// digits that such a column holds can be booked.
bool IsBookableRoomId(const QString& roomId);

// Saves the booking as one unit of work: its customer row, one row per room in that room's
// table, the day's revenue and the log row. Draws the customer number first. False, with
// nothing stored, when a statement failed (the failing statement reports itself); failing
// queries throw.
bool SaveBooking(BookingRecord& booking, const QDate& today);

} // namespace BookingStore
