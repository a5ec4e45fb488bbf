#include "food_orders/FoodOrderStore.h"

#include "core/ErrorReport.h"
#include "core/ProgramTables.h"
#include "core/RevenueStore.h"
#include "core/SqlLiteral.h"
#include "core/theDBworks.h"
#include "food_orders/FoodOrderTables.h"

#include <optional>

namespace {

using SqlLiteral::Date;
using SqlLiteral::Money;
using SqlLiteral::Text;

// The order's row; with the row's own ID when it is put back as it was.
QString orderInsert(const FoodOrder& order, std::optional<qint64> rowId = std::nullopt) {
    const QChar comma = QLatin1Char(',');
    const QString idColumn = rowId ? QStringLiteral("ID, ") : QString();
    const QString idValue = rowId ? SqlLiteral::Number(*rowId) + comma : QString();
    return QStringLiteral("INSERT INTO tbl_FoodOrders(") + idColumn +
           QStringLiteral("OrderNo, FoodOrderID, CustomerTitle, CustomerFName, CustomreLName, "
                          "TotalPrice, Status, Dateline) VALUES (") +
           idValue + Text(order.customerNumber) + comma + Text(order.orderId) + comma +
           Text(order.title) + comma + Text(order.firstName) + comma + Text(order.lastName) +
           comma + Money(order.total) + comma + Text(order.status) + comma + Date(order.date) +
           QLatin1Char(')');
}

void openOrder(const QString& orderId) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM  tbl_FoodOrders WHERE FoodOrderID = ") +
                              Text(orderId));
}

bool createItemTable(const QString& orderId) {
    return theDBworks::ExecuteCreateSQL(
        QStringLiteral("CREATE TABLE ") + FoodOrderStore::ItemTableName(orderId) +
        QStringLiteral(" ( ID AUTOINCREMENT PRIMARY KEY,FoodItem VARCHAR(225) NOT NULL, Price "
                       "Currency NOT NULL)"));
}

// An order whose table is already gone still goes.
bool dropItemTableIfAny(const QString& orderId) {
    const QString table = FoodOrderStore::ItemTableName(orderId);
    return !theDBworks::TableExists(table) ||
           theDBworks::ExecuteDeleteSQL(QStringLiteral("DROP TABLE ") + table);
}

bool insertLine(const QString& orderId, const FoodOrderLine& line) {
    return theDBworks::ExecuteInsertSQL(
        QStringLiteral("INSERT INTO ") + FoodOrderStore::ItemTableName(orderId) +
        QStringLiteral(" (FoodItem, Price) VALUES (") + Text(line.item) + QStringLiteral(", ") +
        Money(line.price) + QLatin1Char(')'));
}

bool insertOrderAndLines(const FoodOrder& order) {
    if (!theDBworks::ExecuteInsertSQL(orderInsert(order)))
        return false;
    for (const FoodOrderLine& line : order.lines)
        if (!insertLine(order.orderId, line))
            return false;
    return RevenueStore::AddToDay(RevenueStore::Sale::FoodOrder, order.total, order.date);
}

bool deleteOrderRow(const QString& orderId) {
    return theDBworks::ExecuteDeleteSQL(
        QStringLiteral("DELETE FROM tbl_FoodOrders WHERE FoodOrderID =") + Text(orderId));
}

// The stored row of the order with its ID; nothing when another desk has removed it.
struct StoredOrder {
    FoodOrder order;
    qint64 rowId = 0;
};
std::optional<StoredOrder> readOrderRow(const QString& orderId) {
    openOrder(orderId);
    const Recordset& row = theDBworks::DBRecordset();
    if (row.AtEOF())
        return std::nullopt;
    StoredOrder stored;
    FoodOrder& order = stored.order;
    stored.rowId = row.Fields(QStringLiteral("ID")).toLongLong();
    order.customerNumber = row.Text(QStringLiteral("OrderNo"));
    order.orderId = orderId;
    order.title = row.Text(QStringLiteral("CustomerTitle"));
    order.firstName = row.Text(QStringLiteral("CustomerFName"));
    order.lastName = row.Text(QStringLiteral("CustomreLName"));
    order.total = row.Money(QStringLiteral("TotalPrice"));
    order.status = row.Text(QStringLiteral("Status"));
    order.date = row.Date(QStringLiteral("Dateline"));
    return stored;
}

// Runs `work` as a unit of work after a table change that committed by itself; whatever
// becomes of the unit, even an exception, `settle` runs next, on what is stored then.
bool thenSettle(const std::function<bool()>& work, const std::function<void()>& settle) {
    bool done = false;
    try {
        done = theDBworks::RunInTransaction(work);
    } catch (...) {
        IgnoreErrors(settle);
        throw;
    }
    IgnoreErrors(settle);
    return done;
}

// MariaDB: the table is made first; when the unit that fills it does not commit, an empty
// table without its row goes again (and when the server is away, the next save sweeps it).
bool saveWithTableMadeFirst(const FoodOrder& order) {
    const ProgramTables::Claim claim(order.orderId, ProgramTables::Claim::Wait::No);
    if (!createItemTable(order.orderId))
        return false;
    return thenSettle([&] { return insertOrderAndLines(order); },
                      [&] { FoodOrderTables::DropIfStray(order.orderId); });
}

// A table that would not go while the server answered: the order comes back whole, under its
// own ID.
void putBack(const StoredOrder& stored) {
    if (theDBworks::RunInTransaction(
            [&] { return theDBworks::ExecuteInsertSQL(orderInsert(stored.order, stored.rowId)); }))
        FoodOrderTables::PutBack(stored.order.orderId);
}

// MariaDB: the items are set aside, the row goes in a unit of work, and only then the items
// go, or come back when the row stayed. A removal cut short there is finished the next time.
bool removeWithTableSetAside(const QString& orderId) {
    const ProgramTables::Claim claim(orderId, ProgramTables::Claim::Wait::ForAnotherDesk);
    if (!claim.Held())
        return false;
    const std::optional<StoredOrder> kept = readOrderRow(orderId);
    if (!FoodOrderTables::SetAside(orderId))
        return false;
    bool gone = false;
    thenSettle([&] { return deleteOrderRow(orderId); },
               [&] { gone = FoodOrderTables::FinishRemoval(orderId); });
    if (!gone && kept && theDBworks::IsConnected() && !FoodOrderStore::OrderExists(orderId))
        putBack(*kept);
    return gone;
}

} // namespace

namespace FoodOrderStore {

QString ItemTableName(const QString& orderId) {
    return FoodOrderTables::ItemTable(orderId);
}

CustomerOrders ReadCustomerOrders(const QString& customerNumber) {
    theDBworks::OpenRecordset(
        QStringLiteral("SELECT * FROM tbl_customers as customertbl LEFT JOIN tbl_FoodOrders as "
                       "foodtbl ON  customertbl.cUniqueNo = foodtbl.OrderNo  WHERE cUniqueNo = ") +
        Text(customerNumber));
    CustomerOrders read;
    const Recordset& first = theDBworks::DBRecordset();
    if (!first.AtEOF())
        read.names = CustomerLookup::CustomerNames{first.Text(QStringLiteral("cTitle")),
                                                   first.Text(QStringLiteral("cFirstName")),
                                                   first.Text(QStringLiteral("cLastName"))};
    theDBworks::ForEachRecord([&read](const Recordset& row) {
        read.rows.append({row.Text(QStringLiteral("FoodOrderID")),
                          row.Date(QStringLiteral("Dateline")), row.Text(QStringLiteral("Status")),
                          row.Text(QStringLiteral("OrderNo"))});
    });
    return read;
}

OrderLinesRead OrderLines(const QString& orderId) {
    using State = OrderLinesRead::State;
    switch (FoodOrderTables::PlaceItems(orderId)) {
    case FoodOrderTables::Items::BeingRemoved:
        return {State::BeingRemoved, {}};
    case FoodOrderTables::Items::OrderGone:
        return {State::Removed, {}};
    case FoodOrderTables::Items::InPlace:
        break;
    }
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM  ") + ItemTableName(orderId));
    OrderLinesRead read;
    theDBworks::ForEachRecord([&read](const Recordset& item) {
        read.lines.append(
            {item.Text(QStringLiteral("FoodItem")), item.Money(QStringLiteral("Price"))});
    });
    return read;
}

Currency OrderTotal(const QString& orderId) {
    openOrder(orderId);
    return theDBworks::DBRecordset().Money(QStringLiteral("TotalPrice"));
}

bool OrderExists(const QString& orderId) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT ID FROM tbl_FoodOrders WHERE FoodOrderID = ") +
                              Text(orderId));
    return theDBworks::DBRecordset().RecordCount() > 0;
}

bool HasOrders(const QString& customerNumber) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT ID FROM tbl_FoodOrders WHERE OrderNo=") +
                              Text(customerNumber));
    return theDBworks::DBRecordset().RecordCount() >= 1;
}

Currency UnpaidTotal(const QString& customerNumber) {
    theDBworks::OpenRecordset(
        QStringLiteral("SELECT  SUM(TotalPrice) as tPrice FROM tbl_FoodOrders WHERE OrderNo = ") +
        Text(customerNumber) + QStringLiteral(" AND (Status IS NULL OR Status <> 'Paid')"));
    // No order left to pay sums to nothing: the customer owes nothing.
    return theDBworks::DBRecordset().Money(QStringLiteral("tPrice"));
}

bool SaveOrder(const FoodOrder& order) {
    FoodOrderTables::FinishUnfinished();
    if (!theDBworks::TableChangesJoinUnitOfWork())
        return saveWithTableMadeFirst(order);
    return theDBworks::RunInTransaction(
        [&] { return createItemTable(order.orderId) && insertOrderAndLines(order); });
}

bool RemoveOrder(const QString& orderId) {
    FoodOrderTables::FinishUnfinished();
    if (!theDBworks::TableChangesJoinUnitOfWork())
        return removeWithTableSetAside(orderId);
    return theDBworks::RunInTransaction(
        [&] { return dropItemTableIfAny(orderId) && deleteOrderRow(orderId); });
}

void FinishUnfinishedTableChanges() {
    FoodOrderTables::FinishUnfinished();
}

} // namespace FoodOrderStore
