#include "reservations/RoomBookingStore.h"

#include "core/Errors.h"
#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

namespace {

// The brackets keep any identifier a table name.
QString roomTable(const QString& roomId) {
    return QStringLiteral("[room_") + roomId.trimmed() + QLatin1Char(']');
}

// False when the room's table no longer exists: the administrator removed the room.
bool holdsBooking(const QString& table, const QString& uniqueNo) {
    try {
        theDBworks::OpenRecordset(QStringLiteral("SELECT ID FROM ") + table +
                                  QStringLiteral(" WHERE cUniqueID = ") +
                                  SqlLiteral::Text(uniqueNo));
    } catch (const DatabaseError&) {
        return false;
    }
    return theDBworks::DBRecordset().RecordCount() > 0;
}

} // namespace

namespace RoomBookingStore {

void OpenSchedule(const QString& roomId) {
    const QString table = roomTable(roomId);
    // The customer's column on the left, so that the comparison uses its index.
    theDBworks::OpenRecordset(QStringLiteral("SELECT ") + table +
                              QStringLiteral(".*,tbl_customers.cTitle, tbl_customers.cFirstName, "
                                             "tbl_customers.cLastName FROM ") +
                              table +
                              QStringLiteral(", tbl_customers WHERE tbl_customers.cUniqueNo = ") +
                              table + QStringLiteral(".cUniqueID ORDER BY CheckOutDate ASC"));
}

bool DeleteBooking(const QString& roomId, const QString& uniqueNo) {
    const QString table = roomTable(roomId);
    if (!holdsBooking(table, uniqueNo))
        return true;
    return theDBworks::ExecuteDeleteSQL(QStringLiteral("DELETE FROM ") + table +
                                        QStringLiteral(" WHERE cUniqueID = ") +
                                        SqlLiteral::Text(uniqueNo));
}

} // namespace RoomBookingStore
