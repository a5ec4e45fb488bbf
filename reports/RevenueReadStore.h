#pragma once

#include <QDate>

// The reads of tbl_revenueStats that the revenue chart makes.
namespace RevenueReadStore {

// The day's figures (tRevenue, tBookingRevenue, tFoodDrinkRevenue, tBookings, tFoodOrders)
// into the shared recordset, which holds no row for a day without sales. The date is written
// month first whatever the system's date format. Throws when the query fails.
void OpenDay(const QDate& day);

} // namespace RevenueReadStore
