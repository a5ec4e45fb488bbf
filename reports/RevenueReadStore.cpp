#include "reports/RevenueReadStore.h"

#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

namespace RevenueReadStore {

void OpenDay(const QDate& day) {
    theDBworks::OpenRecordset(
        QStringLiteral("SELECT tRevenue,tBookingRevenue,tFoodDrinkRevenue,tBookings,tFoodOrders  "
                       "FROM tbl_revenueStats WHERE tDate=") +
        SqlLiteral::MonthFirstDate(day));
}

} // namespace RevenueReadStore
