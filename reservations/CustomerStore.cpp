#include "reservations/CustomerStore.h"

#include "core/GlobalLogin.h"
#include "core/SqlLiteral.h"
#include "core/theDBworks.h"
#include "reservations/RoomBookingStore.h"

namespace {

using SqlLiteral::Date;
using SqlLiteral::Money;
using SqlLiteral::Number;
using SqlLiteral::Text;

const QString kSelectAll = QStringLiteral("SELECT * FROM tbl_customers");

QString byId(qint64 id) {
    return QStringLiteral(" WHERE ID = ") + Number(id);
}

// Every character of a search text stands for itself: LIKE's wildcards and the escape
// character are escaped.
const QString kEscape = QStringLiteral(" ESCAPE '\\'");

QString wholeTextPattern(const QString& text) {
    QString pattern;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    return pattern;
}

// The forms a typed text is stored in: as typed (a customer's update keeps apostrophes) and
// without apostrophes (the booking leaves them out). The order sign "#" is never stored.
QStringList searchedForms(const QString& typed) {
    const QString asTyped = QString(typed).remove(QLatin1Char('#'));
    const QString booked = QString(asTyped).remove(QLatin1Char('\''));
    return asTyped == booked ? QStringList{asTyped} : QStringList{asTyped, booked};
}

bool bookingExists(qint64 id) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT ID FROM tbl_customers") + byId(id));
    return theDBworks::DBRecordset().RecordCount() > 0;
}

QString updateStatement(qint64 id, const BookingRecord& b) {
    return QStringLiteral("UPDATE tbl_customers SET cTitle = ") + Text(b.title) +
           QStringLiteral(",cFirstName =") + Text(b.firstName) + QStringLiteral(",cLastName =") +
           Text(b.lastName) + QStringLiteral(",cAddress =") + Text(b.address) +
           QStringLiteral(",cPhone =") + Text(b.phone) + QStringLiteral(",cNoOfAdults =") +
           Number(qint64(b.adults)) + QStringLiteral(",cNoOfMinors =") + Number(qint64(b.minors)) +
           QStringLiteral(",cCheckInDate =") + Date(b.arrival) +
           QStringLiteral(",cCheckOutDate =") + Date(b.departure) + QStringLiteral(",cNoOfDays =") +
           Number(qint64(b.days)) + QStringLiteral(",cRoomsRate =") + Money(b.roomRate) +
           QStringLiteral(",cTax =") + Money(b.tax) + QStringLiteral(",cGrandTotal =") +
           Money(b.grandTotal) + QStringLiteral(",cAdvancePaid=") + Money(b.advance) +
           QStringLiteral(",cDue =") + Money(b.due) + QStringLiteral(",cPaymentMethod =") +
           Text(b.paymentMethod) + QStringLiteral(",cAdditionalNote =") + Text(b.note) +
           QStringLiteral(",cPaymentMethodDetails=") + Text(b.paymentDetails) +
           QStringLiteral(",cStatus=") + Text(b.status) + QStringLiteral(" WHERE ID=") + Number(id);
}

bool writeUpdateLog(const BookingRecord& b) {
    return GlobalLogin::WriteLog(QStringLiteral("Customer details updated : ") + b.firstName +
                                     QLatin1Char(' ') + b.lastName + QLatin1Char('!'),
                                 QStringLiteral("Bookings"));
}

CustomerStore::Outcome outcomeOf(bool ran, bool gone) {
    using CustomerStore::Outcome;
    return ran ? Outcome::Done : gone ? Outcome::Gone : Outcome::Failed;
}

} // namespace

namespace CustomerStore {

QString AllBookings() {
    return kSelectAll;
}

QString BookingsMatching(const QString& searchText) {
    QString conditions;
    for (const QString& form : searchedForms(searchText)) {
        const QString pattern = Text(wholeTextPattern(form)) + kEscape;
        for (const char* column : {"cUniqueNo", "cFirstName", "cLastName"})
            conditions +=
                (conditions.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" OR ")) +
                QString::fromLatin1(column) + QStringLiteral(" LIKE  ") + pattern;
    }
    return kSelectAll + conditions;
}

QString BookingsWithStatus(const QString& status) {
    return kSelectAll + QStringLiteral(" WHERE cStatus = ") + Text(GlobalLogin::CleanText(status));
}

void OpenBooking(qint64 id) {
    theDBworks::OpenRecordset(kSelectAll + byId(id));
}

Outcome UpdateBooking(qint64 id, const BookingRecord& values) {
    bool gone = false;
    const bool ran = theDBworks::RunInTransaction([&] {
        gone = false;
        // Updated first: from then on the row, if there is one, is this desk's until the end.
        if (!theDBworks::ExecuteUpdateSQL(updateStatement(id, values)))
            return false;
        gone = !bookingExists(id);
        return !gone && writeUpdateLog(values);
    });
    return outcomeOf(ran, gone);
}

Outcome RemoveBooking(qint64 id, const QString& uniqueNo, const QStringList& roomIds) {
    bool gone = false;
    const bool ran = theDBworks::RunInTransaction([&] {
        gone = !bookingExists(id);
        if (gone || !theDBworks::ExecuteInsertSQL(
                        QStringLiteral("INSERT INTO tbl_customers_history SELECT * FROM "
                                       "tbl_customers") +
                        byId(id)))
            return false;
        for (const QString& roomId : roomIds)
            if (!RoomBookingStore::DeleteBooking(roomId, uniqueNo))
                return false;
        return theDBworks::ExecuteDeleteSQL(QStringLiteral("DELETE FROM tbl_customers") + byId(id));
    });
    return outcomeOf(ran, gone);
}

} // namespace CustomerStore
