#pragma once

#include "BookingWindowFixture.h"

#include "core/SqlLiteral.h"
#include "core/ui/AGPopUp.h"
#include "reservations/BookingStore.h"
#include "reservations/frmCustomerDetails.h"
#include "reservations/frmCustomers.h"
#include "reservations/frmRoomList.h"

#include <QMenu>

// The front desk of BookingWindowFixture, logged in, with bookings saved by the booking
// window's own store, and the customer windows opened through their commands.
class CustomerWindowsFixture : public BookingWindowFixture {
    Q_OBJECT

protected:
    QString startProgram() override {
        const QString error = BookingWindowFixture::startProgram();
        if (!error.isEmpty())
            return error;
        LogIn();
        if (!GlobalLogin::IsLoggedIn)
            return QStringLiteral("not logged in: ") + TestSupport::LastMessage();
        Dialogs::Testing::Reset(); // the login's own greeting
        return {};
    }

    // A stay from today as the booking window submits it: the rooms at their tariffs for the
    // nights, no tax, paid in cash.
    static BookingRecord Stay(const QString& title, const QString& first, const QString& last,
                              const QStringList& rooms, int nights = 3,
                              const QString& status = QStringLiteral("Confirmed")) {
        static const QHash<QString, QString> tariffs{
            {QStringLiteral("101"), QStringLiteral("80")},
            {QStringLiteral("102"), QStringLiteral("1500")},
            {QStringLiteral("103"), QStringLiteral("99.99")}};
        BookingRecord stay;
        stay.title = title;
        stay.firstName = first;
        stay.lastName = last;
        stay.address = QStringLiteral("N/A");
        stay.phone = QStringLiteral("0");
        stay.adults = 2;
        stay.arrival = kToday;
        stay.departure = kToday.addDays(nights);
        stay.days = nights;
        for (const QString& room : rooms) {
            const Currency tariff = Currency::FromText(tariffs.value(room), QLocale::c());
            stay.roomIds << room;
            stay.roomPrices << tariff.Format();
            stay.roomRate += tariff * nights;
        }
        stay.grandTotal = stay.roomRate;
        stay.due = stay.roomRate;
        stay.paymentMethod = QStringLiteral("Cash");
        stay.paymentDetails = QStringLiteral("Cash");
        stay.status = status;
        return stay;
    }

    // Saves the stay; its customer number, or an empty text when it was not saved.
    static QString Book(BookingRecord stay) {
        return BookingStore::SaveBooking(stay, kToday) ? stay.uniqueNo : QString();
    }

    qint64 IdOf(const QString& uniqueNo) {
        Recordset row =
            db->Query(QStringLiteral("SELECT ID FROM tbl_customers WHERE cUniqueNo = ") +
                      SqlLiteral::Text(uniqueNo));
        return row.RecordCount() == 1 ? row.Fields(0).toLongLong() : 0;
    }

    frmCustomers* OpenCustomerList() {
        triggerAction(QStringLiteral("mnuCustomerList"));
        return LoadedInstance<frmCustomers>();
    }

    frmRoomList* OpenRoomSchedule() {
        triggerAction(QStringLiteral("mnuRoomList"));
        return LoadedInstance<frmRoomList>();
    }

    // The cells of one column, row by row; column 0 is the row's text.
    static QStringList Column(ExtLV* list, int column) {
        QStringList cells;
        for (int i = 1; i <= list->ListItems().Count(); ++i) {
            const ListItem row = list->ListItems().Item(i);
            cells << (column == 0 ? row.Text() : row.SubItems(column));
        }
        return cells;
    }

    // Chooses an item of a right-click menu by its name, as the user does; a missing item
    // fails the test.
    static void
    ChooseMenuItem(AGPopUp* menu, const QString& name,
                   const std::source_location& where = std::source_location::current()) {
        TestSupport::control<QAction>(menu->Menu(), name, where)->trigger();
    }

    // The booking of the row (1-based) in a details window of its own, through the list's menu.
    frmCustomerDetails*
    OpenDetails(frmCustomers* list, int row,
                const std::source_location& where = std::source_location::current()) {
        list->customerList->ListItems().Item(row).Selected(true);
        const QList<frmCustomerDetails*> before = main->findChildren<frmCustomerDetails*>();
        ChooseMenuItem(list->AGMyPopUp1, QStringLiteral("mnuCustomerDetail"), where);
        for (frmCustomerDetails* window : main->findChildren<frmCustomerDetails*>())
            if (!before.contains(window))
                return window;
        TestSupport::FailAt(QStringLiteral("no details window opened for row %1").arg(row), where);
        return nullptr;
    }
};
