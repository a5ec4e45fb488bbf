#pragma once

#include <QString>

// The reads of tbl_customers that the food orders make.
namespace CustomerLookup {

// The names of a stay.
struct CustomerNames {
    QString title;
    QString firstName;
    QString lastName;
};

// The names of the stay with this customer number; throws DatabaseError when there is none.
CustomerNames ReadCustomer(const QString& customerNumber);
// Into the shared recordset: the stays whose customer number, first name or last name is the whole
// text, as the database compares with LIKE; "'" and "#" are left out of the text first.
void OpenCustomersMatching(const QString& searchText);

} // namespace CustomerLookup
