#pragma once

#include "core/Currency.h"

#include <QList>
#include <QString>

// The statements of tbl_Tax: the room taxes (category 1) that the booking tariff adds up and
// the food and beverage taxes (category 2) of the orders.
namespace TaxStore {

constexpr int kRoomTax = 1;
constexpr int kFoodTax = 2;

// Every tax of the category, into the shared recordset.
void OpenTaxes(int category);
// The rates of the category's taxes, in the database's order.
QList<Currency> TaxRates(int category);
// True when the insert ran; a refusal reports itself.
bool AddTax(const QString& name, const Currency& rate, int category);
bool RemoveTax(qint64 id);

} // namespace TaxStore
