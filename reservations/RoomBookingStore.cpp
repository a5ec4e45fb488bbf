#include "reservations/RoomBookingStore.h"

#include "administration/RoomStore.h"
#include "core/RuntimeErrors.h"
#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

namespace {

// The room's identifier becomes part of a statement's table name: only a whole number may.
QString roomTableName(const QString& roomId) {
    const QString id = roomId.trimmed();
    if (!RoomStore::IsWholeNumberId(id))
        throw RuntimeError::InvalidCall();
    return QStringLiteral("room_") + id;
}

QString roomTable(const QString& roomId) {
    return QLatin1Char('[') + roomTableName(roomId) + QLatin1Char(']');
}

bool holdsBooking(const QString& table, const QString& uniqueNo) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT ID FROM ") + table +
                              QStringLiteral(" WHERE cUniqueID = ") + SqlLiteral::Text(uniqueNo));
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
    // A room whose table is gone was removed by the administrator, with its bookings; any
    // other failure to read the table fails the unit of work.
    if (!theDBworks::TableExists(roomTableName(roomId)))
        return true;
    const QString table = roomTable(roomId);
    if (!holdsBooking(table, uniqueNo))
        return true;
    return theDBworks::ExecuteDeleteSQL(QStringLiteral("DELETE FROM ") + table +
                                        QStringLiteral(" WHERE cUniqueID = ") +
                                        SqlLiteral::Text(uniqueNo));
}

} // namespace RoomBookingStore
