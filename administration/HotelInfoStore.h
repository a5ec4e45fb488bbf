#pragma once

#include <QString>

// The statements of the hotel's own details in tbl_HotelInfo, and the clearing of the removed
// bookings kept in tbl_customers_history.
namespace HotelInfoStore {

struct HotelInfo {
    QString name;
    QString phone;
    QString fax;
    QString address;
    // Customer and order numbers are shown after a "#".
    bool addOrderSign = false;
};

// The row with ID 1; throws DatabaseError when there is none.
HotelInfo ReadHotelInfo();
// Every row of the table takes the details, the texts stored without apostrophes. True when the
// update ran; a refusal reports itself.
bool SaveHotelInfo(const HotelInfo& info);
// Empties the history of removed bookings; true when the delete ran.
bool ClearCustomerHistory();

} // namespace HotelInfoStore
