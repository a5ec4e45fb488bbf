// The booking window's Submit: check the fields, fill the empty ones, save the booking, then
// clear the window for the next one.
#include "reservations/frmBooking.h"

#include "core/AppPaths.h"
#include "core/Clock.h"
#include "core/ErrorReport.h"
#include "core/RuntimeErrors.h"
#include "core/ui/Dialogs.h"
#include "core/ui/ExtLV.h"
#include "core/ui/NumberBoxes.h"
#include "core/ui/PlaySound.h"
#include "reservations/BookingRoomRows.h"
#include "reservations/BookingStore.h"
#include "reservations/CustomerNumber.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QString withoutApostrophes(QString text) {
    return text.remove(QLatin1Char('\''));
}

Currency moneyIn(const QLineEdit* box) {
    return Currency::FromText(withoutApostrophes(box->text()));
}

// What the schema's count columns hold.
constexpr int kFewestGuests = 0;
constexpr int kMostGuests = 50;

int countIn(const QComboBox* box) {
    const std::optional<int> count = CountIn(box->currentText(), kFewestGuests, kMostGuests);
    if (!count)
        throw RuntimeError::TypeMismatch();
    return *count;
}

} // namespace

QString frmBooking::getRndNumber() {
    return CustomerNumber::RandomLetters();
}

// "Submit": saves the booking.
void frmBooking::Command5_Click() {
    Command5->setEnabled(false);
    Guarded(QStringLiteral("BOK004"), [this] {
        if (!fieldsValid())
            return;
        writeDefaults();
        if (!numbersValid() || !roomsBookable())
            return;
        BookingRecord booking = readBooking();
        // A statement that failed has reported itself, and nothing of the booking was kept.
        if (!BookingStore::SaveBooking(booking, Clock::Today()))
            return;
        PlaySound::PlayWave(AppPaths::ProgramFolder() + QStringLiteral("/sounds/cashin.wav"),
                            false);
        clearForNextBooking();
        getRoomList();
        Dialogs::Message(QStringLiteral("Customer details has been added to the Record"),
                         Dialogs::Icon::Information, QStringLiteral("Customer Added"));
    });
    Command5->setEnabled(true);
}

bool frmBooking::fieldsValid() {
    struct Check {
        bool failed;
        QLineEdit* target;
        QWidget* placeOn;
        const char* title;
        const char* text;
        QWidget* focus;
    };
    const Check checks[] = {
        {txtFName->text().isEmpty(), txtFName, nullptr, "First Name",
         "Please enter First Name of the Customer!", txtFName},
        {txtLName->text().isEmpty(), txtLName, nullptr, "Last Name",
         "Please enter Last Name of the Customer!", txtLName},
        {comboStatus->currentText() == QLatin1String("Unknown"), Text2, comboStatus,
         "Status Unknown", "Booking Status is Unknown!", comboStatus},
        {ListView2->ListItems().Count() == 0, Text1, nullptr, "No Rooms",
         "Add Room(s) for Customer First!", ListView2},
    };
    for (const Check& check : checks) {
        if (!check.failed)
            continue;
        ShowValidationBalloon(balloon_.Tip(), check.target, QString::fromLatin1(check.title),
                              QString::fromLatin1(check.text), check.placeOn);
        check.focus->setFocus();
        return false;
    }
    return true;
}

void frmBooking::writeDefaults() {
    if (txtAddress->text().isEmpty())
        txtAddress->setText(QStringLiteral("N/A"));
    // Phone, e-mail or whatever the box holds is kept as typed; only nothing becomes "0".
    if (txtPhone->text().isEmpty())
        txtPhone->setText(QStringLiteral("0"));
    for (QComboBox* count : {comboAdults, comboMinors})
        if (count->currentText().isEmpty())
            count->setEditText(QStringLiteral("0"));
    for (QLineEdit* amount : {txtRoomRate, txtTax, txtGrandTotal, txtAdvance, txtDue})
        if (amount->text().isEmpty())
            amount->setText(QStringLiteral("0"));
}

bool frmBooking::numbersValid() {
    return NumbersAccepted(
        balloon_.Tip(),
        {CountBox(comboAdults, QStringLiteral("No. of Adults"), kFewestGuests, kMostGuests),
         CountBox(comboMinors, QStringLiteral("Minors"), kFewestGuests, kMostGuests),
         MoneyBox(txtRoomRate, QStringLiteral("Room(s) Rate")),
         MoneyBox(txtTax, QStringLiteral("Tax(s)")),
         MoneyBox(txtGrandTotal, QStringLiteral("Grand Total")),
         MoneyBox(txtAdvance, QStringLiteral("Advance")), MoneyBox(txtDue, QStringLiteral("Due"))});
}

// A room's own table keeps its identifier in a whole-number column: a room named otherwise
// cannot be booked on every back end, so none is.
bool frmBooking::roomsBookable() {
    for (int i = 1; i <= ListView2->ListItems().Count(); ++i) {
        const QString roomId = BookingRoomOf(ListView2->ListItems().Item(i)).roomId;
        if (BookingStore::IsBookableRoomId(roomId))
            continue;
        Dialogs::Message(QStringLiteral("Room ") + roomId +
                         QStringLiteral(" cannot be booked: its identifier is not a whole "
                                        "number. Take it out of the Added Room(s); the "
                                        "administrator can give the room a number."));
        ListView2->setFocus();
        return false;
    }
    return true;
}

BookingRecord frmBooking::readBooking() const {
    BookingRecord booking;
    booking.title = withoutApostrophes(comboTitle->currentText());
    booking.firstName = withoutApostrophes(txtFName->text());
    booking.lastName = withoutApostrophes(txtLName->text());
    booking.address = withoutApostrophes(txtAddress->text());
    booking.phone = withoutApostrophes(txtPhone->text());
    booking.adults = countIn(comboAdults);
    booking.minors = countIn(comboMinors);
    booking.arrival = dtArrival->date();
    booking.departure = dtDepature->date();
    booking.days = numberOfDays();
    booking.roomRate = moneyIn(txtRoomRate);
    booking.tax = moneyIn(txtTax);
    booking.grandTotal = moneyIn(txtGrandTotal);
    booking.advance = moneyIn(txtAdvance);
    booking.due = moneyIn(txtDue);
    booking.paymentMethod = paymentMethodText();
    booking.paymentDetails = paymentDetailsText();
    for (int i = 1; i <= ListView2->ListItems().Count(); ++i) {
        const BookingRoom room = BookingRoomOf(ListView2->ListItems().Item(i));
        booking.roomIds << room.roomId;
        booking.roomPrices << room.tariff.Format();
    }
    booking.note = withoutApostrophes(txtAdditionalNote->toPlainText());
    booking.status = comboStatus->currentText();
    return booking;
}

void frmBooking::clearForNextBooking() {
    for (QLineEdit* box : {txtFName, txtLName, txtAddress, txtPhone})
        box->clear();
    comboAdults->setCurrentText(QStringLiteral("0"));
    comboMinors->setCurrentText(QStringLiteral("0"));
    showStayFrom(Clock::Today());
    // Emptying the grand total puts "0" back into it, as Refresh & Reset does.
    for (QLineEdit* box : {txtRoomRate, txtTax, txtGrandTotal, txtAdvance, txtDue})
        box->clear();
    txtAdditionalNote->clear();
    // The method stays; the previous guest's cheque or card never reaches the next one.
    showPaymentPrompt();
}
