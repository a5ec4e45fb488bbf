#include "core/ErrorReport.h"
#include "core/frmErrorReport.h"
#include "core/ui/AGPopUp.h"
#include "core/ui/ExtLV.h"
#include "reports/frmLog.h"
#include "tests/reports/ReportFixture.h"
#include "tests/support/ListLayouts.h"

#include <QComboBox>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

using TestSupport::RowsOf;

namespace {

// One row of each key, in this order.
struct LogRow {
    const char* text;
    const char* key;
};
const LogRow kRowOfEachKey[] = {
    {"User Logged in : admin", "LoginLogout"},
    {"New Booking of Customer : John Smith", "Bookings"},
    {"Added Room -101", "RoomAddedRemove"},
    {"New Account Created with User Name : desk", "UserAddRemove"},
    {"Database Settings Modified (Use SQL : 1)", "DBChanges"},
    {"Customer details updated : Ann O'Neil", "Bookings"},
};

// Written as the program writes its log rows; what it reported when one failed, or empty.
QString writeRowOfEachKey() {
    for (const LogRow& row : kRowOfEachKey)
        if (!GlobalLogin::WriteLog(QString::fromUtf8(row.text), QString::fromUtf8(row.key),
                                   QStringLiteral("admin")))
            return QStringLiteral("the log row \"%1\" was not written: %2")
                .arg(QString::fromUtf8(row.text), ErrMsg);
    return {};
}

QStringList textsOfKeys(const QStringList& keys) {
    QStringList texts;
    for (const LogRow& row : kRowOfEachKey)
        if (keys.contains(QString::fromUtf8(row.key)))
            texts << QString::fromUtf8(row.text);
    return texts;
}

QStringList allTexts() {
    return textsOfKeys(
        {"LoginLogout", "Bookings", "RoomAddedRemove", "UserAddRemove", "DBChanges"});
}

void clickRow(ExtLV* list, int row, Qt::MouseButton button) {
    const QPoint at = list->visualRect(list->model()->index(row - 1, 0)).center();
    QTest::mouseClick(list->viewport(), button, {}, at);
}

} // namespace

// The log viewer driven through its controls: the list and its columns, the key filter, the
// removal of a row and both clear actions with their questions, and their failures.
class TestFrmLog : public ReportFixture {
    Q_OBJECT

    frmLog* open() { return Open<frmLog>(QStringLiteral("mnuLog")); }

    QStringList storedTexts() {
        QStringList texts;
        Recordset rows = db->Query(QStringLiteral("SELECT LogText FROM tbl_logTable ORDER BY ID"));
        for (rows.MoveFirst(); !rows.AtEOF(); rows.MoveNext())
            texts << rows.Text(QStringLiteral("LogText"));
        return texts;
    }

    // Right-clicks the row and chooses the menu item, answering the question.
    static void chooseFromMenu(frmLog* form, int row, const QString& item, bool yes) {
        clickRow(form->logList, row, Qt::RightButton);
        QMenu* menu = form->AGPopUp1->Menu();
        QVERIFY(menu && menu->isVisible());
        QAction* action = TestSupport::control<QAction>(menu, item);
        Dialogs::Testing::AnswerNextQuestion(yes);
        action->trigger();
        menu->close();
    }

private slots:
    void opensWithEveryRowUnderAllLogs() {
        VERIFY_RAN(writeRowOfEachKey());
        frmLog* form = open();
        QVERIFY(form);
        QCOMPARE(main->MdiArea->subWindowList().size(), 1);
        QCOMPARE(main->MdiArea->subWindowList().first()->windowTitle(),
                 QStringLiteral("Staymark Logs"));
        QCOMPARE(form->Combo1->count(), 5);
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("All Logs"));
        QCOMPARE(form->SelectedLogKey, QStringLiteral("All Logs"));
        QCOMPARE(RowsOf(form->logList, 1), allTexts());
        const QStringList headers{"Log", "User", "Date", "Time", ""};
        for (int column = 0; column < headers.size(); ++column)
            QCOMPARE(form->logList->model()->headerData(column, Qt::Horizontal).toString(),
                     headers.at(column));
        QCOMPARE(form->logList->header()->sectionSize(4), 0);
        const ListItem first = form->logList->ListItems().Item(1);
        QCOMPARE(first.SubItems(1), QStringLiteral("admin"));
        Recordset stored = db->Query(QStringLiteral("SELECT MIN(ID) AS FirstID FROM tbl_logTable"));
        QCOMPARE(first.SubItems(4), stored.Text(QStringLiteral("FirstID")));
        VERIFY_NOTHING_SHOWN();

        // The command again brings the same window forward.
        QVERIFY(triggerAction(QStringLiteral("toolLogView")));
        QCOMPARE(main->MdiArea->subWindowList().size(), 1);
    }

    void emptyLogGivesAnEmptyList() {
        frmLog* form = open();
        QVERIFY(form);
        QCOMPARE(form->logList->ListItems().Count(), 0);
        VERIFY_NOTHING_SHOWN();
        QVERIFY(ErrMsg.isEmpty());
    }

    void dateAndTimeColumns_data() {
        QTest::addColumn<QDateTime>("written");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::newRow("afternoon") << QDateTime(QDate(2024, 3, 7), QTime(15, 40)) << "07-March-2024"
                                   << "03:40PM";
        QTest::newRow("morning") << QDateTime(QDate(2023, 11, 21), QTime(9, 5))
                                 << "21-November-2023"
                                 << "09:05AM";
        QTest::newRow("after midnight")
            << QDateTime(QDate(2024, 1, 1), QTime(0, 10)) << "01-January-2024"
            << "12:10AM";
        QTest::newRow("noon") << QDateTime(QDate(2024, 9, 30), QTime(12, 0)) << "30-September-2024"
                              << "12:00PM";
    }
    void dateAndTimeColumns() {
        QFETCH(QDateTime, written);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QVERIFY2(GlobalLogin::WriteLog(QStringLiteral("User Logged in : admin"),
                                       QStringLiteral("LoginLogout"), QStringLiteral("admin")),
                 qPrintable(ErrMsg));
        // The database fills in the time of a row; this one was written at another time.
        VERIFY_RAN(db->Run(QStringLiteral("UPDATE tbl_logTable SET LogDateLine = #%1#")
                               .arg(written.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))));
        frmLog* form = open();
        QVERIFY(form);
        const ListItem row = form->logList->ListItems().Item(1);
        QCOMPARE(row.SubItems(2), date);
        QCOMPARE(row.SubItems(3), time);
        // The whole date shows, the longest month name too.
        const int shown = form->logList->header()->sectionSize(2);
        QVERIFY(shown > form->logList->fontMetrics().horizontalAdvance(date));
    }

    void filterShowsTheRowsOfItsKey_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("Bookings") << "Bookings"
                                  << "Bookings" << textsOfKeys({"Bookings"});
        QTest::newRow("rooms") << "Room Added Removed"
                               << "RoomAddedRemove" << textsOfKeys({"RoomAddedRemove"});
        QTest::newRow("database") << "Database Changes"
                                  << "DBChanges" << textsOfKeys({"DBChanges"});
        QTest::newRow("log in and out") << "User Log In/Out"
                                        << "LoginLogout" << textsOfKeys({"LoginLogout"});
        QTest::newRow("all again") << "All Logs"
                                   << "All Logs" << allTexts();
    }
    void filterShowsTheRowsOfItsKey() {
        QFETCH(QString, filter);
        QFETCH(QString, key);
        QFETCH(QStringList, texts);
        VERIFY_RAN(writeRowOfEachKey());
        frmLog* form = open();
        QVERIFY(form);
        form->Combo1->setCurrentText(QStringLiteral("Bookings"));
        form->Combo1->setCurrentText(filter);
        QCOMPARE(form->SelectedLogKey, key);
        QCOMPARE(RowsOf(form->logList, 1), texts);
    }

    // With a column put in front of the others every cell stands one place on: the row chosen
    // is still the one removed.
    void removeSelectedDeletesThatRowOnly_data() {
        QTest::addColumn<bool>("columnInFront");
        QTest::newRow("the list as it opens") << false;
        QTest::newRow("a column in front") << true;
    }
    void removeSelectedDeletesThatRowOnly() {
        QFETCH(bool, columnInFront);
        VERIFY_RAN(writeRowOfEachKey());
        frmLog* form = open();
        QVERIFY(form);
        if (columnInFront)
            TestSupport::PutColumnInFront(form->logList, QStringLiteral("Desk"));
        chooseFromMenu(form, 3, QStringLiteral("mnuRemoveLog"), true);
        QCOMPARE(Shown(), QStringList{"question:Remove Selected Log:Remove Selected Log?"});
        QStringList expected = allTexts();
        expected.removeAt(2);
        QCOMPARE(storedTexts(), expected);
        QCOMPARE(RowsOf(form->logList, 1), expected);
        QVERIFY(ErrMsg.isEmpty());
    }

    void clearActions_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("left");
        const QString button = QStringLiteral("question:Clear Log:Clear All Log?");
        const QString menu = QStringLiteral("question:Remove Selected Log:Clear All Log?");
        const QStringList otherKeys =
            textsOfKeys({"LoginLogout", "RoomAddedRemove", "UserAddRemove", "DBChanges"});
        QTest::newRow("button, all logs") << false << "All Logs" << true << button << QStringList();
        QTest::newRow("button, bookings") << false << "Bookings" << true << button << otherKeys;
        QTest::newRow("button, answered no")
            << false << "All Logs" << false << button << allTexts();
        QTest::newRow("menu, all logs") << true << "All Logs" << true << menu << QStringList();
        QTest::newRow("menu, bookings") << true << "Bookings" << true << menu << otherKeys;
        QTest::newRow("menu, answered no") << true << "Bookings" << false << menu << allTexts();
    }
    void clearActions() {
        QFETCH(bool, fromMenu);
        QFETCH(QString, filter);
        QFETCH(bool, yes);
        QFETCH(QString, question);
        QFETCH(QStringList, left);
        VERIFY_RAN(writeRowOfEachKey());
        frmLog* form = open();
        QVERIFY(form);
        form->Combo1->setCurrentText(filter);
        const QStringList listed = RowsOf(form->logList, 1);
        if (fromMenu) {
            chooseFromMenu(form, 1, QStringLiteral("mnuClearLog"), yes);
        } else {
            Dialogs::Testing::AnswerNextQuestion(yes);
            QTest::mouseClick(form->Command1, Qt::LeftButton);
        }
        QCOMPARE(Shown(), QStringList{question});
        QCOMPARE(storedTexts(), left);
        // The list shows what is left of the chosen key; after No it is not even reloaded.
        QStringList shown;
        for (const QString& text : left)
            if (listed.contains(text))
                shown << text;
        QCOMPARE(RowsOf(form->logList, 1), yes ? shown : listed);
    }

    void removingWithoutASelectedRowReportsIt() {
        VERIFY_RAN(writeRowOfEachKey());
        frmLog* form = open();
        QVERIFY(form);
        Dialogs::Testing::AnswerNextQuestion(true);
        form->AGPopUp1_MenuClick(QStringLiteral("mnuRemoveLog"));
        QVERIFY(frmErrorReport::Instance());
        QCOMPARE(ErrMsg, QStringLiteral("Error Code : FRL002\r\nObject variable or With block "
                                        "variable not set"));
        QCOMPARE(storedTexts(), allTexts());
    }

    // The deletions through a query fail into the window's own report; the keyed deletion of
    // the button reports itself and the list is reloaded.
    void refusedDeletions_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("reportWindow");
        QTest::newRow("menu") << true << "All Logs"
                              << "Error Code : FRL003" << true;
        QTest::newRow("button, all logs") << false << "All Logs"
                                          << "Error Code : FRL005" << true;
        QTest::newRow("button, one key") << false << "Bookings"
                                         << "Error Code : DB0002" << false;
    }
    void refusedDeletions() {
        QFETCH(bool, fromMenu);
        QFETCH(QString, filter);
        QFETCH(QString, error);
        QFETCH(bool, reportWindow);
        VERIFY_RAN(writeRowOfEachKey());
        frmLog* form = open();
        QVERIFY(form);
        form->Combo1->setCurrentText(filter);
        const QStringList listed = RowsOf(form->logList, 1);
        VERIFY_RAN(db->RefuseWrites(QStringLiteral("tbl_logTable"), TestSupport::Write::Delete));
        if (fromMenu) {
            chooseFromMenu(form, 1, QStringLiteral("mnuClearLog"), true);
        } else {
            Dialogs::Testing::AnswerNextQuestion(true);
            QTest::mouseClick(form->Command1, Qt::LeftButton);
        }
        QVERIFY2(ErrMsg.startsWith(error), qPrintable(ErrMsg));
        QCOMPARE(bool(frmErrorReport::Instance()), reportWindow);
        const QStringList shown = Shown();
        if (!reportWindow)
            QVERIFY2(!shown.isEmpty() && shown.last().startsWith(QStringLiteral("message:")),
                     qPrintable(shown.join(QLatin1Char('\n'))));
        QCOMPARE(storedTexts(), allTexts());
        QCOMPARE(RowsOf(form->logList, 1), listed);
    }
};

STAYMARK_TEST_MAIN(TestFrmLog)
#include "tst_frmLog.moc"
