#include "food_orders/FoodOrderTables.h"

#include "core/ProgramTables.h"
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
    const QStringList names = ProgramTables::NamesBeginningWith(QStringLiteral("tbl_FoodOrder"));
    const QStringList strays = withoutOrderRow(numbersOf(names, kItemPrefix));
    for (const QString& number : strays) {
        const ProgramTables::Claim claim(number, ProgramTables::Claim::Wait::No);
        if (claim.Held())
            DropIfStray(number);
    }
    for (const QString& number : numbersOf(names, kAsidePrefix)) {
        const ProgramTables::Claim claim(number, ProgramTables::Claim::Wait::No);
        if (claim.Held())
            FinishRemoval(number);
    }
}

Items PlaceItems(const QString& orderId) {
    if (theDBworks::TableExists(ItemTable(orderId)))
        return Items::InPlace;
    if (theDBworks::TableChangesJoinUnitOfWork() || !theDBworks::TableExists(AsideTable(orderId)))
        return orderRowExists(orderId) ? Items::InPlace : Items::OrderGone;
    const ProgramTables::Claim claim(orderId, ProgramTables::Claim::Wait::No);
    if (!claim.Held())
        return Items::BeingRemoved;
    return FinishRemoval(orderId) ? Items::OrderGone : Items::InPlace;
}

} // namespace FoodOrderTables
