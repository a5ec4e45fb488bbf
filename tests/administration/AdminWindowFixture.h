#pragma once

#include "administration/AdminRoomsPage.h"
#include "administration/AdminUsersPage.h"
#include "administration/frmAdminArea.h"
#include "core/frmErrorReport.h"
#include "core/ui/AGPopUp.h"
#include "core/ui/CBalloonToolTip.h"
#include "core/ui/ExtLV.h"
#include "tests/administration/AdminPageHost.h"
#include "tests/support/MainWindowFixture.h"

#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>

// A fresh database, an administrator logged in through the login window, and the
// administration window opened by the main window's command.
struct AdminWindowFixture : MainWindowFixture {
    QString StartLoggedIn() {
        QString error = Start();
        if (error.isEmpty())
            error =
                AddUser(QStringLiteral("admin"), QStringLiteral("pw"), QStringLiteral("1,1,1,1,1"));
        if (!error.isEmpty())
            return error;
        Action(QStringLiteral("mnuLoginLogOut"))->trigger();
        TypeLogin(QStringLiteral("admin"), QStringLiteral("pw"));
        if (!GlobalLogin::IsLoggedIn)
            return QStringLiteral("the administrator could not log in");
        // What the login showed belongs to the login, not to the window under test.
        Dialogs::Testing::Reset();
        return {};
    }

    frmAdminArea* OpenAdmin() {
        Action(QStringLiteral("mnuAdministration"))->trigger();
        // Laid out, so that its lists' rows are where a click finds them.
        QApplication::processEvents();
        return LoadedInstance<frmAdminArea>();
    }

    AdminRoomsPage* Rooms() const { return LoadedInstance<frmAdminArea>()->RoomsPage; }
    AdminUsersPage* Users() const { return LoadedInstance<frmAdminArea>()->UsersPage; }

    // A control of the window found by its name.
    template <typename Control> static Control* Find(const QString& name) {
        return LoadedInstance<frmAdminArea>()->findChild<Control*>(name);
    }

    // Types the room into the rooms page and presses "&Add Room".
    void AddRoom(const QString& id, const QString& description, const QString& type,
                 const QString& price) const {
        AdminRoomsPage* page = Rooms();
        page->txtRoomID->setText(id);
        page->txtRoomDesc->setText(description);
        page->comboRoomType->setEditText(type);
        page->txtRoomPrice->setText(price);
        QTest::mouseClick(page->cmdAddRoom, Qt::LeftButton);
    }

    // The 1-based position of the row whose first cell holds the text; 0 when none does.
    static int RowOf(ExtLV* list, const QString& text) {
        for (int i = 1; i <= list->ListItems().Count(); ++i)
            if (list->ListItems().Item(i).Text() == text)
                return i;
        return 0;
    }

    // Presses a mouse button on the row whose first cell holds the text.
    static void ClickRow(ExtLV* list, const QString& text, Qt::MouseButton button) {
        const int row = RowOf(list, text);
        QVERIFY2(row > 0, qPrintable(text));
        // Rows filled a moment ago are laid out first.
        QApplication::processEvents();
        const QRect cell = list->visualRect(list->model()->index(row - 1, 0));
        QTest::mouseClick(list->viewport(), button, {}, cell.center());
    }

    // Right-clicks the row and chooses the menu item by its name.
    static void ChooseFromMenu(ExtLV* list, AGPopUp* menu, const QString& row,
                               const QString& item) {
        ClickRow(list, row, Qt::RightButton);
        QMenu* shown = menu->Menu();
        QVERIFY(shown && shown->isVisible());
        QAction* action = shown->findChild<QAction*>(item);
        QVERIFY2(action, qPrintable(item));
        action->trigger();
        shown->close();
    }

    // The columns of each row of a query joined by "|", in the order the query gives them.
    QStringList Stored(const QString& sql, const QStringList& columns) const {
        QStringList rows;
        Recordset found = db->Query(sql);
        for (found.MoveFirst(); !found.AtEOF(); found.MoveNext()) {
            QStringList cells;
            for (const QString& column : columns)
                cells << found.Text(column);
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }

    QStringList LogRows() const {
        return Stored(
            QStringLiteral("SELECT * FROM tbl_logTable WHERE LogKey <> 'LoginLogout' "
                           "ORDER BY ID"),
            {QStringLiteral("LogText"), QStringLiteral("LoggedUser"), QStringLiteral("LogKey")});
    }

    bool TableExists(const QString& table) const {
        return db->Run(QStringLiteral("SELECT COUNT(*) FROM [") + table + QLatin1Char(']'))
            .isEmpty();
    }

    // Makes every statement of this kind on the table fail, on either back end.
    QString Refuse(const QString& table, const QString& statement) const {
        return RefuseOn(*db, table, statement);
    }

    // What the error report window shows, line breaks as "\n"; empty while it is not open.
    static QString ReportShown() {
        const frmErrorReport* report = frmErrorReport::Instance();
        return report ? report->txtError->toPlainText().replace(QStringLiteral("\r\n"),
                                                                QStringLiteral("\n"))
                      : QString();
    }

    static const BalloonWindow* ShownBalloon() {
        const QList<BalloonWindow*> balloons =
            LoadedInstance<frmAdminArea>()->findChildren<BalloonWindow*>();
        for (const BalloonWindow* balloon : balloons)
            if (balloon->isVisible())
                return balloon;
        return nullptr;
    }
};
