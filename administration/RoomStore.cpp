#include "administration/RoomStore.h"

#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

namespace {

QString storedText(QString text) {
    return text.replace(QLatin1Char('\''), QStringLiteral("!*!"));
}

QString storedId(QString roomId) {
    return roomId.remove(QLatin1Char('\'')).trimmed();
}

} // namespace

namespace RoomStore {

void OpenRooms() {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_Rooms"));
}

bool CreateBookingTable(const QString& roomId) {
    // The brackets keep any identifier a table name.
    return theDBworks::ExecuteCreateSQL(
        QStringLiteral("CREATE TABLE [room_") + roomId.trimmed() +
        QStringLiteral("] ( ID AUTOINCREMENT PRIMARY KEY, RoomNameID INT NOT NULL, "
                       "cUniqueID VARCHAR(225) NOT NULL, CheckInDate DATETIME, "
                       "CheckOutDate DATETIME, RoomBookedDate DATETIME, RoomNote MEMO NULL)"));
}

bool InsertRoom(const QString& roomId, const QString& description, const QString& roomType,
                const Currency& tariff) {
    const QString comma = QStringLiteral(",");
    return theDBworks::ExecuteInsertSQL(
        QStringLiteral("INSERT INTO tbl_Rooms(roomNameID,Description,RoomType,RoomPrice ) "
                       "values(") +
        SqlLiteral::Text(storedId(roomId)) + comma + SqlLiteral::Text(storedText(description)) +
        comma + SqlLiteral::Text(storedText(roomType)) + comma +
        SqlLiteral::Text(tariff.ToPlainText()) + QLatin1Char(')'));
}

} // namespace RoomStore
