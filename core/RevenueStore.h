#pragma once

#include "core/Currency.h"

#include <QDate>

// Today's row of tbl_revenueStats, which every booking and every food order adds to. Several
// front desks may sell at once: the day never gets two rows and no amount is lost.
namespace RevenueStore {

enum class Sale { Booking, FoodOrder };

// Adds the sale's amount to the revenue and to its kind's revenue, and one to its kind's
// count, making the day's row when there is none. True when that ran; a refused statement
// reports itself. Runs inside the caller's unit of work.
bool AddToDay(Sale sale, const Currency& amount, const QDate& day);

} // namespace RevenueStore
