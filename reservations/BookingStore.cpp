#include "reservations/BookingStore.h"

#include "core/GlobalLogin.h"
#include "core/RevenueStore.h"
#include "core/SqlLiteral.h"
#include "core/theDBworks.h"
#include "reservations/CustomerNumber.h"
#include "reservations/RoomPrices.h"

namespace {

using SqlLiteral::Date;
using SqlLiteral::Money;
using SqlLiteral::Number;
using SqlLiteral::Text;

QString withoutApostrophes(QString text) {
    return text.remove(QLatin1Char('\''));
}

QString customerInsert(const BookingRecord& b) {
    const QString comma = QStringLiteral(",");
    return QStringLiteral(
               "INSERT INTO tbl_customers (cTitle,cFirstName,cLastName,cAddress,cPhone") +
           QStringLiteral(", cNoOfAdults, cNoOfMinors, cCheckInDate") +
           QStringLiteral(", cCheckOutDate, cNoOfDays, cRoomsRate, cTax") +
           QStringLiteral(
               ", cGrandTotal, cAdvancePaid, cDue, cPaymentMethod, cPaymentMethodDetails") +
           QStringLiteral(
               ", cRoomNameID, cRoomNamePrice, cAdditionalNote, cUniqueNo, cStatus) values (") +
           Text(b.title) + comma + Text(b.firstName) + comma + Text(b.lastName) + comma +
           Text(b.address) + comma + Text(b.phone) + comma + Number(qint64(b.adults)) + comma +
           Number(qint64(b.minors)) + comma + Date(b.arrival) + QStringLiteral(" , ") +
           Date(b.departure) + comma + Number(qint64(b.days)) + comma + Money(b.roomRate) + comma +
           Money(b.tax) + comma + Money(b.grandTotal) + comma + Money(b.advance) + comma +
           Money(b.due) + comma + Text(b.paymentMethod) + comma + Text(b.paymentDetails) + comma +
           Text(b.roomIds.join(comma)) + comma + Text(RoomPrices::Join(b.roomPrices)) + comma +
           Text(b.note) + comma + Text(b.uniqueNo) + comma + Text(b.status) + QLatin1Char(')');
}

// The room's own table is named after it; the brackets keep any identifier a table name.
QString roomInsert(const BookingRecord& b, const QString& roomId, const QDate& today) {
    return QStringLiteral("INSERT INTO [room_") + roomId +
           QStringLiteral(
               "] (RoomNameID, cUniqueID,CheckInDate,CheckOutDate,RoomBookedDate) values(") +
           Text(roomId) + QLatin1Char(',') + Text(b.uniqueNo) + QLatin1Char(',') + Date(b.arrival) +
           QLatin1Char(',') + Date(b.departure) + QLatin1Char(',') + Date(today) + QLatin1Char(')');
}

bool writeBookingLog(const BookingRecord& b) {
    return GlobalLogin::WriteLog(withoutApostrophes(QStringLiteral("New Booking of Customer : ") +
                                                    b.firstName + QLatin1Char(' ') + b.lastName),
                                 QStringLiteral("Bookings"),
                                 withoutApostrophes(GlobalLogin::LoggedUserName));
}

} // namespace

namespace BookingStore {

bool IsBookableRoomId(const QString& roomId) {
    if (roomId.isEmpty())
        return false;
    for (QChar c : roomId)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    bool fits = false;
    roomId.toInt(&fits);
    return fits;
}

bool SaveBooking(BookingRecord& booking, const QDate& today) {
    return theDBworks::RunInTransaction([&] {
        booking.uniqueNo = CustomerNumber::NewNumber(booking.firstName, booking.lastName);
        if (!theDBworks::ExecuteInsertSQL(customerInsert(booking)))
            return false;
        for (const QString& roomId : booking.roomIds)
            if (!theDBworks::ExecuteInsertSQL(roomInsert(booking, roomId, today)))
                return false;
        return RevenueStore::AddToDay(RevenueStore::Sale::Booking, booking.grandTotal, today) &&
               writeBookingLog(booking);
    });
}

} // namespace BookingStore
