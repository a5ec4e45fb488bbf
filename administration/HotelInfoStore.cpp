#include "administration/HotelInfoStore.h"

#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

namespace {

QString storedText(QString text) {
    return SqlLiteral::Text(text.remove(QLatin1Char('\'')));
}

} // namespace

namespace HotelInfoStore {

HotelInfo ReadHotelInfo() {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_HotelInfo WHERE id=1"));
    const Recordset& row = theDBworks::DBRecordset();
    return {row.Text(QStringLiteral("HotelName")), row.Text(QStringLiteral("HotelPhoneNo")),
            row.Text(QStringLiteral("HotelFaxNo")), row.Text(QStringLiteral("HotelAddress")),
            row.Fields(QStringLiteral("AddOrderSign")).toInt() == 1};
}

bool SaveHotelInfo(const HotelInfo& info) {
    return theDBworks::ExecuteUpdateSQL(
        QStringLiteral("UPDATE tbl_HotelInfo SET HotelName=") + storedText(info.name) +
        QStringLiteral(", HotelPhoneNo = ") + storedText(info.phone) +
        QStringLiteral(", HotelFaxNo = ") + storedText(info.fax) +
        QStringLiteral(", HotelAddress = ") + storedText(info.address) +
        QStringLiteral(", AddOrderSign=") + SqlLiteral::Number(qint64(info.addOrderSign ? 1 : 0)));
}

bool ClearCustomerHistory() {
    return theDBworks::ExecuteDeleteSQL(QStringLiteral("DELETE FROM tbl_customers_history"));
}

} // namespace HotelInfoStore
