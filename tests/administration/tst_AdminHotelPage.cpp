#include "administration/AdminHotelPage.h"
#include "core/ErrorReport.h"
#include "core/WindowNotices.h"
#include "core/frmErrorReport.h"
#include "tests/administration/AdminPageHost.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kSaveQuestion = QStringLiteral("Do you want to save the changes?");
const QString kClearQuestion = QStringLiteral("Do you really want to clear all Customer History? "
                                              "Action can not be undone!");

} // namespace

// The hotel information page on its own: the details with the order sign, and the clearing of
// the customer history.
class TestAdminHotelPage : public QObject {
    Q_OBJECT

    AdminPageHost<AdminHotelPage> host;

    AdminHotelPage* page() const { return host.page; }

    void storeHotelInfo(const QString& values) {
        QCOMPARE(host.db->Run(QStringLiteral("UPDATE tbl_HotelInfo SET ") + values), QString());
    }

    // Each row as "name|phone|fax|address|sign", by ID.
    QStringList storedHotelInfo() {
        QStringList rows;
        Recordset info = host.db->Query(QStringLiteral("SELECT * FROM tbl_HotelInfo ORDER BY ID"));
        for (info.MoveFirst(); !info.AtEOF(); info.MoveNext())
            rows << QStringList{info.Text(QStringLiteral("HotelName")),
                                info.Text(QStringLiteral("HotelPhoneNo")),
                                info.Text(QStringLiteral("HotelFaxNo")),
                                info.Text(QStringLiteral("HotelAddress")),
                                info.Text(QStringLiteral("AddOrderSign"))}
                        .join(QLatin1Char('|'));
        return rows;
    }

    QStringList shownDetails() const {
        return {page()->txtHotelName->text(), page()->txtHotelPhone->text(),
                page()->txtHotelFax->text(), page()->txtHotelAddress->text()};
    }

    void typeDetails(const QStringList& details, bool orderSign) {
        page()->txtHotelName->setText(details.at(0));
        page()->txtHotelPhone->setText(details.at(1));
        page()->txtHotelFax->setText(details.at(2));
        page()->txtHotelAddress->setText(details.at(3));
        if (page()->AddOrderSign->isChecked() != orderSign)
            ClickCheckBox(page()->AddOrderSign);
        QCOMPARE(page()->AddOrderSign->isChecked(), orderSign);
    }

    // Two removed bookings in the history and one booking still held.
    void addHistoryAndABooking() {
        for (const char* row : {"7, 'Ann', 'AMBCDEFG'", "9, 'Bob', 'BKBCDEFG'"})
            QCOMPARE(host.db->Run(QStringLiteral("INSERT INTO tbl_customers_history (ID, "
                                                 "cFirstName, cUniqueNo) VALUES (") +
                                  QLatin1String(row) + QLatin1Char(')')),
                     QString());
        QCOMPARE(host.db->Run(QStringLiteral("INSERT INTO tbl_customers (cFirstName, cUniqueNo) "
                                             "VALUES ('Cy', 'CZBCDEFG')")),
                 QString());
    }

    void press(QPushButton* button, bool yes) {
        Dialogs::Testing::AnswerNextQuestion(yes);
        QTest::mouseClick(button, Qt::LeftButton);
    }

private slots:
    void init() {
        const QString error = host.Start();
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    void cleanup() { host.Stop(); }

    void loadShowsTheHotelInformation_data() {
        QTest::addColumn<int>("storedSign");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("sign") << 1 << true;
        QTest::newRow("no sign") << 0 << false;
        QTest::newRow("-1 is no sign") << -1 << false;
    }
    void loadShowsTheHotelInformation() {
        QFETCH(int, storedSign);
        QFETCH(bool, ticked);
        storeHotelInfo(QStringLiteral("HotelName='Grand Hotel', HotelPhoneNo='555 0100', "
                                      "HotelFaxNo='555 0101', HotelAddress='1 Quay Street', "
                                      "AddOrderSign=") +
                       QString::number(storedSign));
        page()->AddOrderSign->setChecked(!ticked);
        page()->HotelInfoShow();
        QCOMPARE(shownDetails(),
                 (QStringList{"Grand Hotel", "555 0100", "555 0101", "1 Quay Street"}));
        QCOMPARE(page()->AddOrderSign->isChecked(), ticked);
        QCOMPARE(page()->Frame8->title(), QStringLiteral("Hotel Information"));
        QCOMPARE(page()->AddOrderSign->text(),
                 QStringLiteral(" Add '#' character before Order Numbers and IDs?"));
        QCOMPARE(page()->Command9->text(), QStringLiteral("&Save "));
        QCOMPARE(page()->Command8->text(), QStringLiteral("&Clear Customer History"));
        QCOMPARE(page()->Frame9->title(), QString());
        QVERIFY(!frmErrorReport::Instance());
    }

    void loadWithoutTheRowReportsItsCode() {
        QCOMPARE(host.db->Run(QStringLiteral("DELETE FROM tbl_HotelInfo")), QString());
        typeDetails({"before", "before", "before", "before"}, true);
        page()->HotelInfoShow();
        QVERIFY(frmErrorReport::Instance());
        QVERIFY(ErrMsg.startsWith(QStringLiteral("Error Code : ADM0014\r\n")));
        QCOMPARE(shownDetails(), (QStringList{"before", "before", "before", "before"}));
        QVERIFY(page()->AddOrderSign->isChecked());
    }

    void saveStoresTheDetailsAndSetsTheOrderSign_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("orderSign");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("sign");
        QTest::newRow("sign ticked") << QStringList{"Grand", "555 0100", "555 0101", "1 Quay St"}
                                     << true << "Grand|555 0100|555 0101|1 Quay St|1"
                                     << "#";
        QTest::newRow("sign unticked") << QStringList{"Grand", "555 0100", "555 0101", "1 Quay St"}
                                       << false << "Grand|555 0100|555 0101|1 Quay St|0"
                                       << "";
        QTest::newRow("apostrophes removed")
            << QStringList{"Smith's Inn", "5'55", "'", "Miller's Lane"} << false
            << "Smiths Inn|555||Millers Lane|0"
            << "";
        QTest::newRow("empty boxes") << QStringList{"", "", "", ""} << true << "||||1"
                                     << "#";
    }
    void saveStoresTheDetailsAndSetsTheOrderSign() {
        QFETCH(QStringList, typed);
        QFETCH(bool, orderSign);
        QFETCH(QString, stored);
        QFETCH(QString, sign);
        // The save changes every row the table holds.
        QCOMPARE(host.db->Run(QStringLiteral("INSERT INTO tbl_HotelInfo (ID, HotelName, "
                                             "AddOrderSign) VALUES (2, 'Annex', 0)")),
                 QString());
        storeHotelInfo(QStringLiteral("AddOrderSign=") + (orderSign ? "0" : "1"));
        GlobalLogin::OrderSign = orderSign ? QString() : QStringLiteral("#");
        page()->HotelInfoShow();
        QSignalSpy announced(&WindowNotices::Instance(), &WindowNotices::HotelInfoChanged);
        typeDetails(typed, orderSign);
        press(page()->Command9, true);

        QCOMPARE(storedHotelInfo(), (QStringList{stored, stored}));
        QCOMPARE(ShownTexts(), (QStringList{kSaveQuestion, "Hotel Info Successfully Saved!"}));
        const Dialogs::Shown& question = Dialogs::Testing::Record().first();
        QCOMPARE(question.kind, QStringLiteral("question"));
        QCOMPARE(question.title, QStringLiteral("Save Changes"));
        const Dialogs::Shown& notice = Dialogs::Testing::Record().last();
        QCOMPARE(notice.icon, Dialogs::Icon::Information);
        QCOMPARE(notice.title, Dialogs::ProgramTitle());
        QCOMPARE(GlobalLogin::OrderSign, sign);
        QCOMPARE(announced.count(), 1);
        // The boxes show what was typed, not the stored form.
        QCOMPARE(shownDetails(), typed);
    }

    void answeringNoChangesNothing_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("question");
        QTest::newRow("save") << "Command9" << kSaveQuestion;
        QTest::newRow("clear history") << "Command8" << kClearQuestion;
    }
    void answeringNoChangesNothing() {
        QFETCH(QString, button);
        QFETCH(QString, question);
        addHistoryAndABooking();
        page()->HotelInfoShow();
        QSignalSpy announced(&WindowNotices::Instance(), &WindowNotices::HotelInfoChanged);
        typeDetails({"Grand", "1", "2", "3"}, true);
        const QStringList before = storedHotelInfo();
        press(page()->findChild<QPushButton*>(button), false);

        QCOMPARE(ShownTexts(), QStringList{question});
        QCOMPARE(storedHotelInfo(), before);
        QCOMPARE(host.db->Count(QStringLiteral("tbl_customers_history")), 2);
        QCOMPARE(GlobalLogin::OrderSign, QString());
        QCOMPARE(announced.count(), 0);
    }

    void clearingTheHistoryKeepsTheBookings() {
        addHistoryAndABooking();
        press(page()->Command8, true);
        QCOMPARE(host.db->Count(QStringLiteral("tbl_customers_history")), 0);
        QCOMPARE(host.db->Count(QStringLiteral("tbl_customers")), 1);
        QCOMPARE(ShownTexts(), (QStringList{kClearQuestion, "Cleared All Customer History"}));
        const Dialogs::Shown& question = Dialogs::Testing::Record().first();
        QCOMPARE(question.kind, QStringLiteral("question"));
        QCOMPARE(question.title, Dialogs::ProgramTitle());
        QCOMPARE(Dialogs::Testing::Record().last().icon, Dialogs::Icon::Information);
    }

    void aRefusedStatementIsReportedInsteadOfSuccess_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("code");
        QTest::newRow("save") << "Command9"
                              << "tbl_HotelInfo"
                              << "UPDATE" << kSaveQuestion << "DB0004";
        QTest::newRow("clear history") << "Command8"
                                       << "tbl_customers_history"
                                       << "DELETE" << kClearQuestion << "DB0002";
    }
    void aRefusedStatementIsReportedInsteadOfSuccess() {
        QFETCH(QString, button);
        QFETCH(QString, table);
        QFETCH(QString, statement);
        QFETCH(QString, question);
        QFETCH(QString, code);
        addHistoryAndABooking();
        page()->HotelInfoShow();
        typeDetails({"Grand", "1", "2", "3"}, true);
        const QStringList before = storedHotelInfo();
        QCOMPARE(host.Refuse(table, statement), QString());
        QSignalSpy announced(&WindowNotices::Instance(), &WindowNotices::HotelInfoChanged);
        press(page()->findChild<QPushButton*>(button), true);

        QCOMPARE(ShownTexts().size(), 2);
        QCOMPARE(ShownTexts().first(), question);
        QVERIFY(
            ShownTexts().last().startsWith(QStringLiteral("Error Code : ") + code + kLineBreak));
        QCOMPARE(storedHotelInfo(), before);
        QCOMPARE(host.db->Count(QStringLiteral("tbl_customers_history")), 2);
        QCOMPARE(GlobalLogin::OrderSign, QString());
        QCOMPARE(announced.count(), 0);
    }
};

STAYMARK_TEST_MAIN(TestAdminHotelPage)
#include "tst_AdminHotelPage.moc"
