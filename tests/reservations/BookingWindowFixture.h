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

// A desk on a fixed day with three rooms made as the rooms page makes them and an
// administrator's account; tests log in and open the booking window through their commands.
class BookingWindowFixture : public MainWindowFixture {
    Q_OBJECT

protected:
    static inline const QDate kToday{2026, 12, 10};

    QString startProgram() override {
        const QString error = MainWindowFixture::startProgram();
        if (!error.isEmpty())
            return error;
        Clock::SetFixedNow(QDateTime(kToday, QTime(10, 0)));
        const struct {
            const char* id;
            const char* description;
            const char* type;
            const char* price;
        } rooms[] = {{"101", "Garden view", "Twin Bed", "80"},
                     {"102", "Suite", "Double Bed", "1500"},
                     {"103", "Small", "Single Bed", "99.99"}};
        for (const auto& room : rooms) {
            const QString roomError = AdminStatements::AddRoom(
                QString::fromLatin1(room.id), QString::fromLatin1(room.description),
                QString::fromLatin1(room.type), QString::fromLatin1(room.price));
            if (!roomError.isEmpty())
                return roomError;
        }
        return db->AddUser(QStringLiteral("admin"), QStringLiteral("pw"),
                           QStringLiteral("1,1,1,1,1"));
    }

    // Logs in as the admin, through the login window.
    void LogIn() {
        triggerAction(QStringLiteral("mnuLoginLogOut"));
        TypeLogin(QStringLiteral("admin"), QStringLiteral("pw"));
    }

    static void StoreWindowState(const QString& state) {
        WriteConfigValue(QStringLiteral("bokpos"), QStringLiteral("bokState"), state);
    }

    frmBooking* OpenBooking() {
        StoreWindowState(QStringLiteral("0"));
        triggerAction(QStringLiteral("mnuBooking"));
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
