#include "administration/RoomStore.h"

#include "core/GlobalLogin.h"
#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

#include <QRegularExpression>

#include <limits>

namespace {

const QString kLogKey = QStringLiteral("RoomAddedRemove");

QString storedText(QString text) {
    return text.replace(QLatin1Char('\''), QStringLiteral("!*!"));
}

// The brackets keep any identifier a table name.
QString bookingTable(const QString& roomId) {
    return QStringLiteral("[room_") + roomId.trimmed() + QLatin1Char(']');
}

QString whereRoom(qint64 roomKey) {
    return QStringLiteral(" WHERE RoomID =") + SqlLiteral::Number(roomKey);
}

bool renameTable(const QString& from, const QString& to, bool (*execute)(const QString& sql)) {
    return execute(QStringLiteral("ALTER TABLE ") + from + QStringLiteral(" RENAME TO ") + to);
}

bool deleteRoomRow(qint64 roomKey) {
    return theDBworks::ExecuteDeleteSQL(QStringLiteral("DELETE from tbl_Rooms") +
                                        whereRoom(roomKey));
}

bool updateRoomColumn(qint64 roomKey, const QString& column, const QString& literal) {
    return theDBworks::ExecuteUpdateSQL(QStringLiteral("UPDATE tbl_Rooms SET ") + column +
                                        QStringLiteral(" = ") + literal + whereRoom(roomKey));
}

} // namespace

namespace RoomStore {

QString StoredId(const QString& typedId) {
    return QString(typedId).remove(QLatin1Char('\'')).trimmed();
}

bool IsWholeNumberId(const QString& storedId) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(storedId).hasMatch())
        return false;
    bool fits = false;
    const qint64 value = storedId.toLongLong(&fits);
    return fits && value <= std::numeric_limits<qint32>::max();
}

void OpenRooms() {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_Rooms"));
}

void OpenRoomsNamed(const QString& storedId) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_Rooms WHERE RoomNameID = ") +
                              SqlLiteral::Text(storedId));
}

bool IdTakenByAnother(const QString& storedId, qint64 exceptRoomKey) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT RoomID FROM tbl_Rooms WHERE RoomNameID = ") +
                              SqlLiteral::Text(storedId) + QStringLiteral(" AND RoomID <> ") +
                              SqlLiteral::Number(exceptRoomKey));
    return theDBworks::DBRecordset().RecordCount() > 0;
}

int BookingCount(const QString& roomId) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT COUNT(*) AS n FROM ") + bookingTable(roomId));
    return theDBworks::DBRecordset().Fields(0).toInt();
}

bool CreateBookingTable(const QString& roomId) {
    return theDBworks::ExecuteCreateSQL(
        QStringLiteral("CREATE TABLE ") + bookingTable(roomId) +
        QStringLiteral(" ( ID AUTOINCREMENT PRIMARY KEY, RoomNameID INT NOT NULL, "
                       "cUniqueID VARCHAR(225) NOT NULL, CheckInDate DATETIME, "
                       "CheckOutDate DATETIME, RoomBookedDate DATETIME, RoomNote MEMO NULL)"));
}

bool InsertRoom(const QString& roomId, const QString& description, const QString& roomType,
                const Currency& tariff) {
    const QString comma = QStringLiteral(",");
    return theDBworks::ExecuteInsertSQL(
        QStringLiteral("INSERT INTO tbl_Rooms(roomNameID,Description,RoomType,RoomPrice ) "
                       "values(") +
        SqlLiteral::Text(StoredId(roomId)) + comma + SqlLiteral::Text(storedText(description)) +
        comma + SqlLiteral::Text(storedText(roomType)) + comma +
        SqlLiteral::Text(tariff.ToPlainText()) + QLatin1Char(')'));
}

bool AddRoom(const QString& typedId, const QString& description, const QString& roomType,
             const Currency& tariff) {
    const QString table = bookingTable(StoredId(typedId));
    return theDBworks::RunAfterTableChange(
        [&] { return CreateBookingTable(StoredId(typedId)); },
        [&] {
            return InsertRoom(typedId, description, roomType, tariff) &&
                   GlobalLogin::WriteLog(QStringLiteral("Added Room -") + typedId, kLogKey);
        },
        [&] { theDBworks::ExecuteDeleteSQL(QStringLiteral("DROP TABLE ") + table); });
}

bool RemoveRoom(qint64 roomKey, const QString& roomId) {
    // The bookings are set aside under a name of their own until the row and the log row are
    // committed, so that a failure can give them back.
    const QString table = bookingTable(roomId);
    const QString setAside = QStringLiteral("[room_") + roomId.trimmed() +
                             QStringLiteral("_removed_") + QString::number(roomKey) +
                             QLatin1Char(']');
    const bool removed = theDBworks::RunAfterTableChange(
        [&] { return renameTable(table, setAside, theDBworks::ExecuteDeleteSQL); },
        [&] {
            return deleteRoomRow(roomKey) &&
                   GlobalLogin::WriteLog(QStringLiteral("Removed Room ") + roomId, kLogKey);
        },
        [&] { renameTable(setAside, table, theDBworks::ExecuteDeleteSQL); });
    return removed && theDBworks::ExecuteDeleteSQL(QStringLiteral("DROP TABLE ") + setAside);
}

bool UpdateRoom(const RoomChange& change) {
    const auto updates = [&] {
        return updateRoomColumn(change.roomKey, QStringLiteral("RoomNameID"),
                                SqlLiteral::Text(change.newStoredId)) &&
               updateRoomColumn(change.roomKey, QStringLiteral("Description"),
                                SqlLiteral::Text(storedText(change.description))) &&
               updateRoomColumn(change.roomKey, QStringLiteral("RoomPrice"),
                                SqlLiteral::Text(change.tariff.ToPlainText()));
    };
    if (change.newStoredId == change.storedId.trimmed())
        return theDBworks::RunInTransaction(updates);
    const QString from = bookingTable(change.storedId);
    const QString to = bookingTable(change.newStoredId);
    return theDBworks::RunAfterTableChange(
        [&] { return renameTable(from, to, theDBworks::ExecuteUpdateSQL); }, updates,
        [&] { renameTable(to, from, theDBworks::ExecuteUpdateSQL); });
}

} // namespace RoomStore
