#include "food_orders/CustomerLookup.h"

#include "core/GlobalLogin.h"
#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

namespace CustomerLookup {

void OpenCustomer(const QString& customerNumber) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_customers WHERE cUniqueNo=") +
                              SqlLiteral::Text(customerNumber.trimmed()));
}

void OpenCustomersMatching(const QString& searchText) {
    const QString text = SqlLiteral::Text(GlobalLogin::CleanText(searchText));
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_customers WHERE cUniqueNo LIKE  ") +
                              text + QStringLiteral(" OR cFirstName LIKE  ") + text +
                              QStringLiteral(" OR cLastName LIKE  ") + text);
}

} // namespace CustomerLookup
