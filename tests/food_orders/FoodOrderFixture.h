#pragma once

#include "administration/FoodCatalogueStore.h"
#include "core/Clock.h"
#include "core/theDBworks.h"
#include "core/ui/ExtLV.h"
#include "food_orders/frmFoodingBook.h"
#include "reservations/BookingStore.h"
#include "tests/support/MainWindowFixture.h"

#include <QComboBox>
#include <QTreeWidget>

// A logged-in desk on a fixed day with a small catalogue and two booked stays.
struct FoodOrderFixture : MainWindowFixture {
    static inline const QDate kToday{2026, 12, 10};

    // Customer numbers of the two stays.
    QString ann;
    QString bob;

    QString StartDesk() {
        const QString error = Start();
        if (!error.isEmpty())
            return error;
        Clock::SetFixedNow(QDateTime(kToday, QTime(10, 0)));
        const bool catalogue =
            FoodCatalogueStore::AddCategory(QStringLiteral("Drinks")) &&
            FoodCatalogueStore::AddCategory(QStringLiteral("Meals")) &&
            FoodCatalogueStore::AddItem(QStringLiteral("Tea"), money("2.5"), QStringLiteral("hot"),
                                        1) &&
            FoodCatalogueStore::AddItem(QStringLiteral("Pasta"), money("12.75"),
                                        QStringLiteral("with cheese"), 2) &&
            FoodCatalogueStore::AddItem(QStringLiteral("Coffee"), money("3"), QString(), 1);
        if (!catalogue)
            return QStringLiteral("catalogue not made");
        ann = Book(QStringLiteral("Mrs."), QStringLiteral("Ann"), QStringLiteral("Lee"));
        bob = Book(QStringLiteral("Mr."), QStringLiteral("Bob"), QStringLiteral("Stone"));
        if (ann.isEmpty() || bob.isEmpty())
            return QStringLiteral("stays not booked");
        const QString user =
            AddUser(QStringLiteral("admin"), QStringLiteral("pw"), QStringLiteral("1,1,1,1,1"));
        if (!user.isEmpty())
            return user;
        Action(QStringLiteral("mnuLoginLogOut"))->trigger();
        TypeLogin(QStringLiteral("admin"), QStringLiteral("pw"));
        if (!GlobalLogin::IsLoggedIn)
            return QStringLiteral("not logged in");
        Dialogs::Testing::Reset();
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

    static QStringList Rows(ExtLV* list, int columns) {
        QStringList rows;
        for (int i = 1; i <= list->ListItems().Count(); ++i) {
            const ListItem item = list->ListItems().Item(i);
            QString row = item.Text();
            for (int column = 1; column < columns; ++column)
                row += QLatin1Char('|') + item.SubItems(column);
            rows << row;
        }
        return rows;
    }

    static QStringList Messages() {
        QStringList texts;
        for (const Dialogs::Shown& shown : Dialogs::Testing::Record())
            texts << shown.text;
        return texts;
    }
};
