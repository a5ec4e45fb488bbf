#pragma once

#include "reservations/BookingRecord.h"

#include <QString>
#include <QStringList>

// The statements of tbl_customers (one row per booking) and of its history table
// tbl_customers_history.
namespace CustomerStore {

// The queries of the customer list, which reads their many rows itself.
// Every booking, in the database's order.
QString AllBookings();
// The bookings whose customer number, first name or last name is the whole text, letters
// compared without regard to case; every character stands for itself, but for "#" (the order
// sign, left out). A text with apostrophes also finds the name as the booking stored it,
// without them.
QString BookingsMatching(const QString& searchText);
// The bookings of one status; the status loses "'" and "#" first.
QString BookingsWithStatus(const QString& status);

// The booking with this ID, into the shared recordset.
void OpenBooking(qint64 id);

enum class Outcome {
    Done,
    Gone,   // the booking no longer exists: nothing was written
    Failed, // a statement was refused and reported itself: nothing was written
};

// Writes the booking's values, every text as typed, with the log row "Customer details
// updated : " and the names, as one unit of work. The rooms and the customer number stay.
Outcome UpdateBooking(qint64 id, const BookingRecord& values);
// Copies the booking whole into the history (its ID kept), deletes its rows of the rooms'
// tables and then the booking, as one unit of work.
Outcome RemoveBooking(qint64 id, const QString& uniqueNo, const QStringList& roomIds);

} // namespace CustomerStore
