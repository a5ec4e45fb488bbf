#pragma once

#include "reservations/BookingRecord.h"

#include <QDate>

namespace BookingStore {

// Saves the booking as one unit of work: its customer row, one row per room in that room's
// table, the day's revenue and the log row. Draws the customer number first. False, with
// nothing stored, when a statement failed (the failing statement reports itself); failing
// queries throw.
bool SaveBooking(BookingRecord& booking, const QDate& today);

} // namespace BookingStore
