#pragma once

#include <QString>

// The reads of tbl_customers that the food orders make, into the shared recordset.
namespace CustomerLookup {

// The stay with this customer number.
void OpenCustomer(const QString& customerNumber);
// The stays whose customer number, first name or last name is the whole text, as the database
// compares with LIKE; "'" and "#" are left out of the text first.
void OpenCustomersMatching(const QString& searchText);

} // namespace CustomerLookup
