#include "food_orders/FoodOrderStore.h"

#include "core/ErrorReport.h"
#include "core/RevenueStore.h"
#include "core/RuntimeErrors.h"
#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

#include <algorithm>
#include <optional>

namespace {

using SqlLiteral::Date;
using SqlLiteral::Money;
using SqlLiteral::Text;

QString orderInsert(const FoodOrder& order) {
    const QChar comma = QLatin1Char(',');
    return QStringLiteral("INSERT INTO tbl_FoodOrders(OrderNo, FoodOrderID, CustomerTitle, "
                          "CustomerFName, CustomreLName, TotalPrice, Status, Dateline) VALUES (") +
           Text(order.customerNumber) + comma + Text(order.orderId) + comma + Text(order.title) +
           comma + Text(order.firstName) + comma + Text(order.lastName) + comma +
           Money(order.total) + comma + Text(order.status) + comma + Date(order.date) +
           QLatin1Char(')');
}

bool createItemTable(const QString& orderId) {
    return theDBworks::ExecuteCreateSQL(
        QStringLiteral("CREATE TABLE ") + FoodOrderStore::ItemTableName(orderId) +
        QStringLiteral(" ( ID AUTOINCREMENT PRIMARY KEY,FoodItem VARCHAR(225) NOT NULL, Price "
                       "Currency NOT NULL)"));
}

bool dropItemTable(const QString& orderId) {
    return theDBworks::ExecuteDeleteSQL(QStringLiteral("DROP TABLE ") +
                                        FoodOrderStore::ItemTableName(orderId));
}

// An order whose table is already gone still goes.
bool dropItemTableIfAny(const QString& orderId) {
    return !theDBworks::TableExists(FoodOrderStore::ItemTableName(orderId)) ||
           dropItemTable(orderId);
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

// The stored row of the order; nothing when another desk has removed it.
std::optional<FoodOrder> readOrderRow(const QString& orderId) {
    FoodOrderStore::OpenOrder(orderId);
    const Recordset& row = theDBworks::DBRecordset();
    if (row.AtEOF())
        return std::nullopt;
    FoodOrder order;
    order.customerNumber = row.Text(QStringLiteral("OrderNo"));
    order.orderId = orderId;
    order.title = row.Text(QStringLiteral("CustomerTitle"));
    order.firstName = row.Text(QStringLiteral("CustomerFName"));
    order.lastName = row.Text(QStringLiteral("CustomreLName"));
    order.total = row.Money(QStringLiteral("TotalPrice"));
    order.status = row.Text(QStringLiteral("Status"));
    order.date = row.Date(QStringLiteral("Dateline"));
    return order;
}

// Runs a unit of work that follows a table change made outside it (MariaDB commits those by
// itself); when the unit does not run, `undo` puts the table back as it was.
bool afterTableChange(const std::function<bool()>& work, const std::function<void()>& undo) {
    bool done = false;
    try {
        done = theDBworks::RunInTransaction(work);
    } catch (...) {
        IgnoreErrors(undo);
        throw;
    }
    if (!done)
        IgnoreErrors(undo);
    return done;
}

} // namespace

namespace FoodOrderStore {

QString ItemTableName(const QString& orderId) {
    // The number becomes part of a statement's table name: only digits may.
    const bool digits =
        !orderId.isEmpty() && std::all_of(orderId.begin(), orderId.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
    if (!digits)
        throw RuntimeError::InvalidCall();
    return QStringLiteral("tbl_FoodOrder_") + orderId;
}

void OpenCustomerOrders(const QString& customerNumber) {
    theDBworks::OpenRecordset(
        QStringLiteral("SELECT * FROM tbl_customers as customertbl LEFT JOIN tbl_FoodOrders as "
                       "foodtbl ON  customertbl.cUniqueNo = foodtbl.OrderNo  WHERE cUniqueNo = ") +
        Text(customerNumber));
}

void OpenOrderItems(const QString& orderId) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM  ") + ItemTableName(orderId));
}

void OpenOrder(const QString& orderId) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM  tbl_FoodOrders WHERE FoodOrderID = ") +
                              Text(orderId));
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
    if (theDBworks::TableChangesJoinUnitOfWork())
        return theDBworks::RunInTransaction(
            [&] { return createItemTable(order.orderId) && insertOrderAndLines(order); });
    if (!createItemTable(order.orderId))
        return false;
    return afterTableChange([&] { return insertOrderAndLines(order); },
                            [&] { dropItemTable(order.orderId); });
}

bool RemoveOrder(const QString& orderId) {
    if (theDBworks::TableChangesJoinUnitOfWork())
        return theDBworks::RunInTransaction(
            [&] { return dropItemTableIfAny(orderId) && deleteOrderRow(orderId); });
    // The row goes first: when the table then will not go, the row is put back.
    const std::optional<FoodOrder> kept = readOrderRow(orderId);
    if (kept && !deleteOrderRow(orderId))
        return false;
    if (dropItemTableIfAny(orderId))
        return true;
    if (kept)
        theDBworks::ExecuteInsertSQL(orderInsert(*kept));
    return false;
}

} // namespace FoodOrderStore
