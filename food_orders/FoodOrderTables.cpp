#include "food_orders/FoodOrderTables.h"

#include "core/ErrorReport.h"
#include "core/RuntimeErrors.h"
#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <algorithm>

namespace {

using SqlLiteral::Text;

const QString kItemPrefix = QStringLiteral("tbl_FoodOrder_");
const QString kAsidePrefix = QStringLiteral("tbl_FoodOrderGone_");

bool onMariaDb() {
    return !theDBworks::TableChangesJoinUnitOfWork();
}

bool allDigits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

QString tableOf(const QString& prefix, const QString& orderId) {
    if (!allDigits(orderId))
        throw RuntimeError::InvalidCall();
    return prefix + orderId;
}

// The lock is the server's, shared by every database on it: the name holds this database's.
QString lockName(const QString& orderId) {
    return QStringLiteral("CONCAT('staymark.', MD5(CONCAT(DATABASE(), '.', ") + Text(orderId) +
           QStringLiteral(")))");
}

bool lockTaken(const QString& orderId) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT GET_LOCK(") + lockName(orderId) +
                              QStringLiteral(", 0) AS taken"));
    return theDBworks::DBRecordset().Fields(QStringLiteral("taken")).toInt() == 1;
}

bool orderRowExists(const QString& orderId) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT ID FROM tbl_FoodOrders WHERE FoodOrderID = ") +
                              Text(orderId));
    return theDBworks::DBRecordset().RecordCount() > 0;
}

bool holdsRows(const QString& table) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT COUNT(*) AS itemcount FROM ") + table);
    return theDBworks::DBRecordset().Fields(QStringLiteral("itemcount")).toLongLong() > 0;
}

bool renameTable(const QString& from, const QString& to) {
    return theDBworks::ExecuteUpdateSQL(QStringLiteral("ALTER TABLE ") + from +
                                        QStringLiteral(" RENAME TO ") + to);
}

bool dropTable(const QString& table) {
    return theDBworks::ExecuteDeleteSQL(QStringLiteral("DROP TABLE ") + table);
}

// The names of the tables that begin like an order's, as the database lists them.
QStringList orderTableNames() {
    const QString pattern = QStringLiteral("'tbl!_FoodOrder%' ESCAPE '!'");
    theDBworks::OpenRecordset(
        onMariaDb() ? QStringLiteral("SELECT table_name AS tname FROM information_schema.tables "
                                     "WHERE table_schema = DATABASE() AND table_name LIKE ") +
                          pattern
                    : QStringLiteral("SELECT name AS tname FROM sqlite_master WHERE type = "
                                     "'table' AND name LIKE ") +
                          pattern);
    QStringList names;
    theDBworks::ForEachRecord(
        [&](const Recordset& row) { names << row.Text(QStringLiteral("tname")); });
    return names;
}

// The numbers of the tables named exactly the prefix and digits, letter case included.
QStringList numbersOf(const QStringList& names, const QString& prefix) {
    const QRegularExpression exact(QLatin1Char('^') + QRegularExpression::escape(prefix) +
                                   QStringLiteral("([0-9]+)$"));
    QStringList numbers;
    for (const QString& name : names) {
        const QRegularExpressionMatch match = exact.match(name);
        if (match.hasMatch())
            numbers << match.captured(1);
    }
    return numbers;
}

// The numbers among these that have no order row; one query for all of them.
QStringList withoutOrderRow(const QStringList& numbers) {
    if (numbers.isEmpty())
        return {};
    QStringList literals;
    for (const QString& number : numbers)
        literals << Text(number);
    theDBworks::OpenRecordset(QStringLiteral("SELECT FoodOrderID FROM tbl_FoodOrders WHERE "
                                             "FoodOrderID IN (") +
                              literals.join(QLatin1Char(',')) + QLatin1Char(')'));
    QSet<QString> ordered;
    theDBworks::ForEachRecord(
        [&](const Recordset& row) { ordered.insert(row.Text(QStringLiteral("FoodOrderID"))); });
    QStringList missing;
    for (const QString& number : numbers)
        if (!ordered.contains(number))
            missing << number;
    return missing;
}

} // namespace

namespace FoodOrderTables {

QString ItemTable(const QString& orderId) {
    return tableOf(kItemPrefix, orderId);
}

QString AsideTable(const QString& orderId) {
    return tableOf(kAsidePrefix, orderId);
}

Claim::Claim(QString orderId)
    : orderId_(std::move(orderId)) {
    held_ = !onMariaDb() || lockTaken(orderId_);
}

Claim::~Claim() {
    // A session that went away took its lock with it.
    if (!onMariaDb() || !held_ || !theDBworks::IsConnected())
        return;
    IgnoreErrors([this] {
        theDBworks::OpenRecordset(QStringLiteral("SELECT RELEASE_LOCK(") + lockName(orderId_) +
                                  QStringLiteral(") AS released"));
    });
}

bool DropIfStray(const QString& orderId) {
    const QString table = ItemTable(orderId);
    if (!theDBworks::IsConnected() || !theDBworks::TableExists(table))
        return false;
    if (orderRowExists(orderId) || holdsRows(table))
        return false;
    return dropTable(table);
}

bool FinishRemoval(const QString& orderId) {
    const QString aside = AsideTable(orderId);
    if (!theDBworks::IsConnected())
        return false;
    if (!theDBworks::TableExists(aside))
        return !orderRowExists(orderId);
    if (!orderRowExists(orderId))
        return dropTable(aside);
    PutBack(orderId);
    return false;
}

bool SetAside(const QString& orderId) {
    const QString table = ItemTable(orderId);
    return !theDBworks::TableExists(table) || renameTable(table, AsideTable(orderId));
}

bool PutBack(const QString& orderId) {
    // Unless a new order has taken the name meanwhile.
    const QString table = ItemTable(orderId);
    return !theDBworks::TableExists(table) && renameTable(AsideTable(orderId), table);
}

void FinishUnfinished() {
    const QStringList names = orderTableNames();
    const QStringList strays = withoutOrderRow(numbersOf(names, kItemPrefix));
    for (const QString& number : strays) {
        const Claim claim(number);
        if (claim.Held())
            DropIfStray(number);
    }
    for (const QString& number : numbersOf(names, kAsidePrefix)) {
        const Claim claim(number);
        if (claim.Held())
            FinishRemoval(number);
    }
}

} // namespace FoodOrderTables
