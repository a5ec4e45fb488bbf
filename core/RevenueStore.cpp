#include "core/RevenueStore.h"

#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

namespace {

// The columns a sale of each kind adds to.
struct SaleColumns {
    QString revenue;
    QString count;
};

SaleColumns columnsOf(RevenueStore::Sale sale) {
    if (sale == RevenueStore::Sale::Booking)
        return {QStringLiteral("tBookingRevenue"), QStringLiteral("tBookings")};
    return {QStringLiteral("tFoodDrinkRevenue"), QStringLiteral("tFoodOrders")};
}

QString updateOfDay(const SaleColumns& columns, const QString& amount, const QDate& day) {
    return QStringLiteral("UPDATE tbl_revenueStats SET tRevenue = tRevenue + ") + amount +
           QStringLiteral(", ") + columns.revenue + QStringLiteral(" = ") + columns.revenue +
           QStringLiteral(" + ") + amount + QStringLiteral(", ") + columns.count +
           QStringLiteral(" = ") + columns.count + QStringLiteral(" + 1 WHERE tDate = ") +
           SqlLiteral::Date(day);
}

// The day is written by us, not left to the server's clock, so that the lookup finds the row
// whatever time zone the server keeps.
QString insertOfDay(const SaleColumns& columns, const QString& amount, const QDate& day) {
    return QStringLiteral("INSERT INTO tbl_revenueStats (tDate, tRevenue, ") + columns.revenue +
           QStringLiteral(", ") + columns.count + QStringLiteral(") values(") +
           SqlLiteral::Date(day) + QLatin1Char(',') + amount + QLatin1Char(',') + amount +
           QStringLiteral(",1)");
}

} // namespace

namespace RevenueStore {

bool AddToDay(Sale sale, const Currency& amount, const QDate& day) {
    const SaleColumns columns = columnsOf(sale);
    const QString money = SqlLiteral::Money(amount);
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_revenueStats WHERE tDate =") +
                              SqlLiteral::Date(day) + QLatin1Char(' '));
    if (theDBworks::DBRecordset().RecordCount() >= 1)
        return theDBworks::ExecuteUpdateSQL(updateOfDay(columns, money, day));
    // Another front desk may make the row between the lookup and the insert: then add to it.
    const theDBworks::InsertOutcome inserted =
        theDBworks::ExecuteInsertUnlessKeyTaken(insertOfDay(columns, money, day));
    if (inserted == theDBworks::InsertOutcome::KeyTaken)
        return theDBworks::ExecuteUpdateSQL(updateOfDay(columns, money, day));
    return inserted == theDBworks::InsertOutcome::Ran;
}

} // namespace RevenueStore
