#pragma once

#include "administration/AdminRoomsPage.h"
#include "administration/AdminUsersPage.h"
#include "administration/frmAdminArea.h"
#include "core/frmErrorReport.h"
#include "core/theDBworks.h"
#include "tests/support/AdminStatements.h"
#include "tests/support/AdminSteps.h"
#include "tests/support/MainWindowFixture.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTabWidget>

// The administration window, opened by the main window's command, over a fresh database on
// which the administrator "admin" (password "pw", every privilege) is logged in through the
// login window, unless the test class starts with nobody logged in.
class AdminWindowFixture : public MainWindowFixture {
    Q_OBJECT

protected:
    QString startProgram() override {
        QString error = MainWindowFixture::startProgram();
        if (error.isEmpty() && startsLoggedIn())
            error = logInAsAdministrator();
        return error;
    }

    // A test of the first login, or of a login that cannot happen, starts with no account and
    // nobody logged in.
    virtual bool startsLoggedIn() const { return true; }

    frmAdminArea* OpenAdmin(const std::source_location& where = std::source_location::current()) {
        triggerAction(QStringLiteral("mnuAdministration"), where);
        // Laid out, so that its lists' rows are where a click finds them.
        QApplication::processEvents();
        frmAdminArea* form = LoadedInstance<frmAdminArea>();
        if (!form)
            TestSupport::FailAt(QStringLiteral("the administration window did not open"), where);
        return form;
    }

    // The program stopped and started again on the same folder and database.
    void StartAgain() {
        delete main.data();
        theDBworks::CloseConnection();
        main = new mainFrm();
        main->show();
    }

    static AdminRoomsPage* Rooms() { return LoadedInstance<frmAdminArea>()->RoomsPage; }
    static AdminUsersPage* Users() { return LoadedInstance<frmAdminArea>()->UsersPage; }

    // Types the room into the rooms page and presses "&Add Room".
    static void AddRoomOnPage(const QString& id, const QString& description, const QString& type,
                              const QString& price) {
        AdminRoomsPage* page = Rooms();
        page->txtRoomID->setText(id);
        page->txtRoomDesc->setText(description);
        page->comboRoomType->setEditText(type);
        page->txtRoomPrice->setText(price);
        QTest::mouseClick(page->cmdAddRoom, Qt::LeftButton);
    }

    // Rooms as the rooms page makes them, each {identifier, description, type, tariff}; the
    // error text, or empty.
    static QString AddRooms(const QList<QStringList>& rooms) {
        for (const QStringList& room : rooms) {
            const QString error =
                AdminStatements::AddRoom(room.at(0), room.at(1), room.at(2), room.at(3));
            if (!error.isEmpty())
                return error;
        }
        return {};
    }

    // One booking in the room's own table; the error text, or empty.
    QString BookRoom(const QString& roomId) const {
        return db->Run(QStringLiteral("INSERT INTO room_%1 (RoomNameID, cUniqueID, CheckInDate, "
                                      "CheckOutDate, RoomBookedDate) VALUES ('%1', 'JSABCDEF', "
                                      "#2026-12-10#, #2026-12-12#, #2026-12-10#)")
                           .arg(roomId));
    }

    // The log rows the window wrote, as "text|user|key": the login's own rows left out.
    QStringList LogRows() const {
        QStringList rows = LogRowsOf(*db);
        rows.removeIf(
            [](const QString& row) { return row.endsWith(QLatin1String("|LoginLogout")); });
        return rows;
    }

    bool TableExists(const QString& table) const {
        return db->Run(QStringLiteral("SELECT COUNT(*) FROM [") + table + QLatin1Char(']'))
            .isEmpty();
    }

    // The validation balloon the administration window shows now.
    static TestSupport::Balloon
    ShownBalloon(const std::source_location& where = std::source_location::current()) {
        return TestSupport::ShownBalloon(LoadedInstance<frmAdminArea>(), where);
    }

    // What the error report window shows, line breaks as "\n"; empty while it is not open.
    static QString ReportShown() {
        const frmErrorReport* report = frmErrorReport::Instance();
        return report ? report->txtError->toPlainText().replace(QStringLiteral("\r\n"),
                                                                QStringLiteral("\n"))
                      : QString();
    }

private:
    QString logInAsAdministrator() {
        const QString error =
            db->AddUser(QStringLiteral("admin"), QStringLiteral("pw"), QStringLiteral("1,1,1,1,1"));
        if (!error.isEmpty())
            return error;
        triggerAction(QStringLiteral("mnuLoginLogOut"));
        TypeLogin(QStringLiteral("admin"), QStringLiteral("pw"));
        if (!GlobalLogin::IsLoggedIn ||
            TestSupport::LastMessage() != QLatin1String("You are logged in as admin"))
            return QStringLiteral("the administrator could not log in: ") +
                   TestSupport::Messages().join(QLatin1Char('\n'));
        // What the login showed belongs to the login, not to the window under test.
        Dialogs::Testing::Reset();
        return {};
    }
};
