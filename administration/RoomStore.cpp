#include "administration/RoomStore.h"

#include "core/GlobalLogin.h"
#include "core/ProgramTables.h"
#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

#include <QRegularExpression>
#include <QScopeGuard>
#include <QStringList>

#include <algorithm>
#include <functional>

#include <limits>

namespace {

using Outcome = RoomStore::Result::Outcome;

const QString kLogKey = QStringLiteral("RoomAddedRemove");
// Every column of a room's booking table: a table without them all is not one.
const QStringList kBookingColumns{QStringLiteral("ID"),           QStringLiteral("RoomNameID"),
                                  QStringLiteral("cUniqueID"),    QStringLiteral("CheckInDate"),
                                  QStringLiteral("CheckOutDate"), QStringLiteral("RoomBookedDate"),
                                  QStringLiteral("RoomNote")};

QString storedText(QString text) {
    return text.replace(QLatin1Char('\''), QStringLiteral("!*!"));
}

QString bookingTable(const QString& roomId) {
    return QStringLiteral("room_") + roomId.trimmed();
}

// Where a removal keeps the bookings table until its rows are committed.
QString setAsideTable(const QString& roomId, qint64 roomKey) {
    return bookingTable(roomId) + QStringLiteral("_removed_") + QString::number(roomKey);
}

// The brackets keep any identifier a table name.
QString bracketed(const QString& table) {
    return QLatin1Char('[') + table + QLatin1Char(']');
}

QString whereRoom(qint64 roomKey) {
    return QStringLiteral(" WHERE RoomID =") + SqlLiteral::Number(roomKey);
}

using Execute = bool (*)(const QString& sql);

bool renameTable(const QString& from, const QString& to, Execute execute) {
    return execute(QStringLiteral("ALTER TABLE ") + bracketed(from) +
                   QStringLiteral(" RENAME TO ") + bracketed(to));
}

bool dropTable(const QString& table) {
    return theDBworks::ExecuteDeleteSQL(QStringLiteral("DROP TABLE ") + bracketed(table));
}

bool deleteRoomRow(qint64 roomKey) {
    return theDBworks::ExecuteDeleteSQL(QStringLiteral("DELETE from tbl_Rooms") +
                                        whereRoom(roomKey));
}

bool updateRoomColumn(qint64 roomKey, const QString& column, const QString& literal) {
    return theDBworks::ExecuteUpdateSQL(QStringLiteral("UPDATE tbl_Rooms SET ") + column +
                                        QStringLiteral(" = ") + literal + whereRoom(roomKey));
}

int rowCount(const QString& table) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT COUNT(*) AS n FROM ") + bracketed(table));
    return theDBworks::DBRecordset().Fields(0).toInt();
}

// Whether a room has this stored identifier. Inside a unit of work on MariaDB the read locks
// the rooms it scans, so that another desk adding the same room waits for this one.
bool roomNamed(const QString& storedId) {
    const bool lockingRead =
        theDBworks::InTransaction() && !theDBworks::TableChangesJoinUnitOfWork();
    theDBworks::OpenRecordset(QStringLiteral("SELECT RoomID FROM tbl_Rooms WHERE RoomNameID = ") +
                              SqlLiteral::Text(storedId) +
                              (lockingRead ? QStringLiteral(" FOR UPDATE") : QString()));
    return theDBworks::DBRecordset().RecordCount() > 0;
}

// A room's booking table with no booking in it.
bool isEmptyBookingTable(const QString& table) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM ") + bracketed(table));
    const Recordset& rows = theDBworks::DBRecordset();
    if (rows.RecordCount() > 0)
        return false;
    const QStringList columns = rows.ColumnNames();
    return std::all_of(kBookingColumns.begin(), kBookingColumns.end(), [&](const QString& name) {
        return columns.contains(name, Qt::CaseInsensitive);
    });
}

// Renames a room's booking table unless bookings hold it; `bookings` tells how many. On
// MariaDB the rename commits by itself, so the count runs under a write lock of the table that
// keeps another desk's booking out until the rename is done; on SQLite the unit of work around
// it does that.
bool renameUnlessBooked(const QString& from, const QString& to, int& bookings, Execute execute) {
    // The server's refusal of the rename names the missing table.
    if (!theDBworks::TableExists(from))
        return renameTable(from, to, execute);
    const bool lock = !theDBworks::TableChangesJoinUnitOfWork();
    if (lock &&
        !execute(QStringLiteral("LOCK TABLES ") + bracketed(from) + QStringLiteral(" WRITE")))
        return false;
    const auto unlock = qScopeGuard([&] {
        if (lock && theDBworks::IsConnected())
            execute(QStringLiteral("UNLOCK TABLES"));
    });
    bookings = rowCount(from);
    return bookings == 0 && renameTable(from, to, execute);
}

// A change of a room's table with the rows that go with it, as one piece. On SQLite the table
// change takes part in the unit of work. On MariaDB it commits by itself: it runs first and is
// undone when the rows fail, unless the server is away, which would refuse the undo too. Each
// change is therefore one that a later try of the same action can finish or undo.
bool runTableChange(const std::function<bool()>& tableChange, const std::function<bool()>& rows,
                    const std::function<void()>& undo) {
    if (theDBworks::TableChangesJoinUnitOfWork())
        return theDBworks::RunInTransaction([&] { return tableChange() && rows(); });
    return theDBworks::RunAfterTableChange(tableChange, rows, [&] {
        if (theDBworks::IsConnected())
            undo();
    });
}

bool roomRowExists(qint64 roomKey) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT RoomID FROM tbl_Rooms") + whereRoom(roomKey));
    return theDBworks::DBRecordset().RecordCount() > 0;
}

// A removal cut short after its table was set aside: the table comes back while the room's row
// is there; once the row has gone, the table goes too, unless something was stored in it.
void finishRemoval(const QString& roomId, qint64 roomKey) {
    const QString table = bookingTable(roomId);
    const QString setAside = setAsideTable(roomId, roomKey);
    if (roomRowExists(roomKey)) {
        if (!theDBworks::TableExists(table))
            renameTable(setAside, table, theDBworks::ExecuteDeleteSQL);
    } else if (rowCount(setAside) == 0) {
        dropTable(setAside);
    }
}

RoomStore::Result outcomeOf(bool done, int bookings) {
    if (done)
        return {Outcome::Done, 0};
    return bookings > 0 ? RoomStore::Result{Outcome::Booked, bookings}
                        : RoomStore::Result{Outcome::Failed, 0};
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

std::optional<Room> FindRoom(const QString& storedId) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_Rooms WHERE RoomNameID = ") +
                              SqlLiteral::Text(storedId));
    const Recordset& row = theDBworks::DBRecordset();
    if (row.AtEOF())
        return std::nullopt;
    return Room{row.Fields(QStringLiteral("RoomID")).toLongLong(),
                row.Text(QStringLiteral("RoomNameID")), row.Text(QStringLiteral("Description")),
                row.Money(QStringLiteral("RoomPrice"))};
}

bool IdTakenByAnother(const QString& storedId, qint64 exceptRoomKey) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT RoomID FROM tbl_Rooms WHERE RoomNameID = ") +
                              SqlLiteral::Text(storedId) + QStringLiteral(" AND RoomID <> ") +
                              SqlLiteral::Number(exceptRoomKey));
    return theDBworks::DBRecordset().RecordCount() > 0;
}

bool CreateBookingTable(const QString& roomId) {
    return theDBworks::ExecuteCreateSQL(
        QStringLiteral("CREATE TABLE ") + bracketed(bookingTable(roomId)) +
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

Result AddRoom(const QString& typedId, const QString& description, const QString& roomType,
               const Currency& tariff) {
    const QString storedId = StoredId(typedId);
    const QString table = bookingTable(storedId);
    // A desk adding the same room waits until this one is done, and then finds it there.
    const ProgramTables::Claim claim(table, ProgramTables::Claim::Wait::ForAnotherDesk);
    if (!claim.Held())
        return {Outcome::Failed, 0};
    bool made = false;
    bool taken = false;
    const auto makeOrTakeOverTable = [&] {
        made = false;
        taken = false;
        if (!theDBworks::TableExists(table)) {
            made = true;
            return CreateBookingTable(storedId);
        }
        // Left behind by an addition that could not finish.
        if (isEmptyBookingTable(table))
            return true;
        // In use: another desk's room, or a table that is not a room's, which the server's
        // refusal of the CREATE names.
        taken = roomNamed(storedId);
        return !taken && CreateBookingTable(storedId);
    };
    const auto storeRows = [&] {
        taken = roomNamed(storedId);
        return !taken && InsertRoom(typedId, description, roomType, tariff) &&
               GlobalLogin::WriteLog(QStringLiteral("Added Room -") + typedId, kLogKey);
    };
    const bool added = runTableChange(makeOrTakeOverTable, storeRows, [&] {
        // The table of another desk's room, or one that was there before, stays.
        if (made && !taken)
            dropTable(table);
    });
    if (added)
        return {Outcome::Done, 0};
    return {taken ? Outcome::IdTaken : Outcome::Failed, 0};
}

Result RemoveRoom(qint64 roomKey, const QString& roomId) {
    // The bookings table is set aside under a name of its own until the row and the log row are
    // committed, so that a failure can give it back.
    const QString table = bookingTable(roomId);
    const QString setAside = setAsideTable(roomId, roomKey);
    const ProgramTables::Claim claim(table, ProgramTables::Claim::Wait::ForAnotherDesk);
    if (!claim.Held())
        return {Outcome::Failed, 0};
    int bookings = 0;
    const auto setTableAside = [&] {
        bookings = 0;
        // An earlier removal set it aside and could not finish.
        if (!theDBworks::TableExists(table) && theDBworks::TableExists(setAside))
            return true;
        return renameUnlessBooked(table, setAside, bookings, theDBworks::ExecuteDeleteSQL);
    };
    const bool removed = runTableChange(
        setTableAside,
        [&] {
            return deleteRoomRow(roomKey) &&
                   GlobalLogin::WriteLog(QStringLiteral("Removed Room ") + roomId, kLogKey);
        },
        [&] { renameTable(setAside, table, theDBworks::ExecuteDeleteSQL); });
    // Once the row has gone the room is removed; a table left set aside is dropped at the next
    // start.
    if (removed)
        dropTable(setAside);
    return outcomeOf(removed, bookings);
}

void FinishUnfinishedRemovals() {
    static const QRegularExpression setAsideName(QStringLiteral("^room_(.+)_removed_([0-9]+)$"));
    for (const QString& name : ProgramTables::NamesBeginningWith(QStringLiteral("room_"))) {
        const QRegularExpressionMatch match = setAsideName.match(name);
        if (!match.hasMatch())
            continue;
        const QString roomId = match.captured(1);
        const ProgramTables::Claim claim(bookingTable(roomId), ProgramTables::Claim::Wait::No);
        if (claim.Held())
            finishRemoval(roomId, match.captured(2).toLongLong());
    }
}

Result UpdateRoom(const RoomChange& change) {
    const auto updates = [&] {
        return updateRoomColumn(change.roomKey, QStringLiteral("RoomNameID"),
                                SqlLiteral::Text(change.newStoredId)) &&
               updateRoomColumn(change.roomKey, QStringLiteral("Description"),
                                SqlLiteral::Text(storedText(change.description))) &&
               updateRoomColumn(change.roomKey, QStringLiteral("RoomPrice"),
                                SqlLiteral::Text(change.tariff.ToPlainText()));
    };
    if (change.newStoredId == change.storedId.trimmed())
        return outcomeOf(theDBworks::RunInTransaction(updates), 0);
    const QString from = bookingTable(change.storedId);
    const QString to = bookingTable(change.newStoredId);
    int bookings = 0;
    const bool updated = runTableChange(
        [&] {
            bookings = 0;
            return renameUnlessBooked(from, to, bookings, theDBworks::ExecuteUpdateSQL);
        },
        updates, [&] { renameTable(to, from, theDBworks::ExecuteUpdateSQL); });
    return outcomeOf(updated, bookings);
}

} // namespace RoomStore
