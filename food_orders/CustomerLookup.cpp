#include "food_orders/CustomerLookup.h"

#include "core/SqlLiteral.h"
#include "core/theDBworks.h"
#include "reservations/CustomerStore.h"

namespace CustomerLookup {

CustomerNames ReadCustomer(const QString& customerNumber) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_customers WHERE cUniqueNo=") +
                              SqlLiteral::Text(customerNumber.trimmed()));
    const Recordset& row = theDBworks::DBRecordset();
    return {row.Text(QStringLiteral("cTitle")), row.Text(QStringLiteral("cFirstName")),
            row.Text(QStringLiteral("cLastName"))};
}

// The same search as the customer list's.
void OpenCustomersMatching(const QString& searchText) {
    theDBworks::OpenRecordset(CustomerStore::BookingsMatching(searchText));
}

} // namespace CustomerLookup
