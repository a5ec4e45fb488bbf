#pragma once

#include "core/AppPaths.h"
#include "core/CIniFile.h"
#include "core/Clock.h"
#include "core/ui/ExtLV.h"
#include "reservations/frmBooking.h"
#include "tests/support/AdminStatements.h"
#include "tests/support/MainWindowFixture.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QRadioButton>

// A logged-in desk on a fixed day, with rooms and room taxes made as the administration
// pages make them, and the booking window open through its menu command.
struct BookingWindowFixture : MainWindowFixture {
    static inline const QDate kToday{2026, 12, 10};

    QString StartWithRooms() {
        const QString error = Start();
        if (!error.isEmpty())
            return error;
        Clock::SetFixedNow(QDateTime(kToday, QTime(10, 0)));
        if (!AdminStatements::AddRoom(QStringLiteral("101"), QStringLiteral("Garden view"),
                                      QStringLiteral("Twin Bed"), QStringLiteral("80")) ||
            !AdminStatements::AddRoom(QStringLiteral("102"), QStringLiteral("Suite"),
                                      QStringLiteral("Double Bed"), QStringLiteral("1500")) ||
            !AdminStatements::AddRoom(QStringLiteral("103"), QStringLiteral("Small"),
                                      QStringLiteral("Single Bed"), QStringLiteral("99.99")))
            return QStringLiteral("rooms not made");
        return AddUser(QStringLiteral("admin"), QStringLiteral("pw"), QStringLiteral("1,1,1,1,1"));
    }

    // Logs in as the admin, through the login window.
    void LogIn() {
        Action(QStringLiteral("mnuLoginLogOut"))->trigger();
        TypeLogin(QStringLiteral("admin"), QStringLiteral("pw"));
    }

    static void StoreWindowState(const QString& state) {
        WriteConfigValue(QStringLiteral("bokpos"), QStringLiteral("bokState"), state);
    }

    frmBooking* OpenBooking() {
        StoreWindowState(QStringLiteral("0"));
        Action(QStringLiteral("mnuBooking"))->trigger();
        return LoadedInstance<frmBooking>();
    }

    // Moves the room with this identifier from the available list to the booking.
    static void AddRoom(frmBooking* form, const QString& roomId) {
        ListItemsCollection& rooms = form->ListView1->ListItems();
        for (int i = 1; i <= rooms.Count(); ++i)
            if (rooms.Item(i).Text() == roomId)
                rooms.Item(i).Selected(true);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
    }

    static void SetDays(frmBooking* form, int days) {
        form->dtDepature->setDate(form->dtArrival->date().addDays(days));
    }
};
