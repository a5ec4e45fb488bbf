#pragma once

#include "administration/FoodCatalogueStore.h"
#include "core/Clock.h"
#include "core/ErrorReport.h"
#include "core/theDBworks.h"
#include "core/ui/ExtLV.h"
#include "food_orders/frmFoodingBook.h"
#include "reservations/BookingStore.h"
#include "tests/support/MainWindowFixture.h"

#include <QComboBox>
#include <QTreeWidget>

// A logged-in desk on a fixed day with a small catalogue and two booked stays.
class FoodOrderFixture : public MainWindowFixture {
    Q_OBJECT

protected:
    static inline const QDate kToday{2026, 12, 10};

    // Customer numbers of the two stays.
    QString ann;
    QString bob;

    QString startProgram() override {
        const QString error = MainWindowFixture::startProgram();
        if (!error.isEmpty())
            return error;
        Clock::SetFixedNow(QDateTime(kToday, QTime(10, 0)));
        if (!makeCatalogue())
            return QStringLiteral("catalogue not made: ") + ErrMsg;
        ann = Book(QStringLiteral("Mrs."), QStringLiteral("Ann"), QStringLiteral("Lee"));
        bob = Book(QStringLiteral("Mr."), QStringLiteral("Bob"), QStringLiteral("Stone"));
        if (ann.isEmpty() || bob.isEmpty())
            return QStringLiteral("stays not booked: ") + ErrMsg;
        const QString user =
            db->AddUser(QStringLiteral("admin"), QStringLiteral("pw"), QStringLiteral("1,1,1,1,1"));
        if (!user.isEmpty())
            return user;
        if (!triggerAction(QStringLiteral("mnuLoginLogOut")))
            return QStringLiteral("no login command");
        TypeLogin(QStringLiteral("admin"), QStringLiteral("pw"));
        if (!GlobalLogin::IsLoggedIn)
            return QStringLiteral("not logged in: ") + TestSupport::LastMessage();
        Dialogs::Testing::Reset(); // the login's own greeting
        return {};
    }

    static Currency money(const char* plain) {
        return Currency::FromText(QString::fromLatin1(plain), QLocale::c());
    }
    static QString shown(const char* plain) { return money(plain).Format(); }

    // A stay booked as the booking window books it; its customer number.
    static QString Book(const QString& title, const QString& first, const QString& last) {
        BookingRecord booking;
        booking.title = title;
        booking.firstName = first;
        booking.lastName = last;
        booking.address = QStringLiteral("N/A");
        booking.phone = QStringLiteral("0");
        booking.arrival = kToday;
        booking.departure = kToday.addDays(1);
        booking.days = 1;
        booking.roomRate = booking.grandTotal = booking.due = money("80");
        booking.paymentMethod = booking.paymentDetails = QStringLiteral("Cash");
        booking.status = QStringLiteral("Checked In");
        return BookingStore::SaveBooking(booking, kToday) ? booking.uniqueNo : QString();
    }

    // Chooses the catalogue node with this text.
    static void SelectNode(frmFoodingBook* form, const QString& text) {
        const QList<QTreeWidgetItem*> found =
            form->TreeView1->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        QVERIFY2(found.size() == 1, qPrintable(text));
        form->TreeView1->setCurrentItem(found.first());
    }

    static void AddItem(frmFoodingBook* form, const QString& text) {
        SelectNode(form, text);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
    }

private:
    // Drinks (Tea, Coffee) and Meals (Pasta), as the catalogue page makes them.
    static bool makeCatalogue() {
        return FoodCatalogueStore::AddCategory(QStringLiteral("Drinks")) &&
               FoodCatalogueStore::AddCategory(QStringLiteral("Meals")) &&
               FoodCatalogueStore::AddItem(QStringLiteral("Tea"), money("2.5"),
                                           QStringLiteral("hot"), 1) &&
               FoodCatalogueStore::AddItem(QStringLiteral("Pasta"), money("12.75"),
                                           QStringLiteral("with cheese"), 2) &&
               FoodCatalogueStore::AddItem(QStringLiteral("Coffee"), money("3"), QString(), 1);
    }
};
