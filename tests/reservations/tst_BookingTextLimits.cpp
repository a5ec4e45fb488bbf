#include "core/Errors.h"
#include "core/GlobalLogin.h"
#include "core/theDBworks.h"
#include "reservations/BookingStore.h"
#include "tests/reservations/BookingWindowFixture.h"

#include <QLineEdit>
#include <QTest>

using TestSupport::LastMessage;
using TestSupport::PasteInto;

namespace {

const QString kEmoji = QStringLiteral("\U0001F600");
const QString kTitle = QString(254, QLatin1Char('a')) + kEmoji;
// Text that would become part of the statement if the title's literal lost its closing quote.
const QString kFirstName =
    QStringLiteral(", cAddress = (SELECT cpassword FROM tbl_users ORDER BY ID LIMIT 1), cDue = 0 "
                   "WHERE 1=1 --");

} // namespace

// A text at the limit of its box, whole characters that take two UTF-16 units among them,
// is stored as typed or refused; it never changes a statement.
class TestBookingTextLimits : public BookingWindowFixture {
    Q_OBJECT

    // Every row of the tables a booking must leave alone.
    QStringList untouchedRows() {
        QStringList rows;
        for (const char* table : {"tbl_users", "tbl_Rooms", "tbl_HotelInfo"}) {
            Recordset set = db->Query(
                QStringLiteral("SELECT * FROM %1 ORDER BY ID").arg(QString::fromLatin1(table)));
            ForEachRow(set, [&rows](const Recordset& row) {
                QStringList cells;
                for (int i = 0; i < row.ColumnNames().size(); ++i)
                    cells << row.Fields(i).toString();
                rows << cells.join(QLatin1Char('|'));
            });
        }
        return rows;
    }

private slots:
    void aTitleFullOfWholeCharactersIsStoredAsTyped() {
        LogIn();
        QVERIFY(GlobalLogin::IsLoggedIn);
        frmBooking* form = OpenBooking();
        QVERIFY(form);
        const QStringList before = untouchedRows();

        form->comboTitle->lineEdit()->clear();
        form->comboTitle->lineEdit()->insert(kTitle);
        form->txtFName->clear();
        form->txtFName->insert(kFirstName);
        form->txtLName->setText(QStringLiteral("Lee"));
        form->comboStatus->setCurrentText(QStringLiteral("Confirmed"));
        AddRoom(form, QStringLiteral("101"));
        QCOMPARE(form->comboTitle->currentText(), kTitle);
        QTest::mouseClick(form->Command5, Qt::LeftButton);

        QCOMPARE(LastMessage(), QStringLiteral("Customer details has been added to the Record"));
        Recordset customer = db->Query(QStringLiteral("SELECT * FROM tbl_customers"));
        QCOMPARE(customer.RecordCount(), 1);
        QCOMPARE(customer.Text(QStringLiteral("cTitle")), kTitle);
        QCOMPARE(customer.Text(QStringLiteral("cFirstName")), kFirstName);
        // No address typed: the booking's own word for none.
        QCOMPARE(customer.Text(QStringLiteral("cAddress")), QStringLiteral("N/A"));
        QCOMPARE(customer.Money(QStringLiteral("cDue")), Currency::FromUnits(800000));
        QCOMPARE(untouchedRows(), before);
    }

    // The note box holds what the server's TEXT column holds, 65535 bytes of UTF-8, cut at a
    // whole character, so both back ends store the same note; a key typed after a paste adds
    // only what still fits, and line breaks are kept as the box shows them.
    void aPastedNoteIsHeldToWhatTheServerStores_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("held");
        const QString line = QStringLiteral("Late arrival, cot in room 101\r\n");
        const QString shownLine = QStringLiteral("Late arrival, cot in room 101\n");
        // 10 MB, as a paste from a log file.
        QTest::newRow("ten megabytes of lines") << line.repeated(10 * 1024 * 1024 / line.size())
                                                << shownLine.repeated(2260).left(65535);
        QTest::newRow("emoji") << kEmoji.repeated(20000) << kEmoji.repeated(16383) + "x";
        QTest::newRow("umlauts") << QStringLiteral("\u00fc").repeated(40000)
                                 << QStringLiteral("\u00fc").repeated(32767) + "x";
        QTest::newRow("half an emoji and a NUL left out")
            << QStringLiteral("Cot") + kEmoji.at(0) + QChar(0) + QStringLiteral(" please")
            << QStringLiteral("Cot pleasex");
        QTest::newRow("a note that fits") << QStringLiteral("Late arrival.\r\nTwo cots.\r")
                                          << QStringLiteral("Late arrival.\nTwo cots.\nx");
    }
    void aPastedNoteIsHeldToWhatTheServerStores() {
        QFETCH(QString, pasted);
        QFETCH(QString, held);
        LogIn();
        frmBooking* form = OpenBooking();
        QVERIFY(form);
        form->txtFName->setText(QStringLiteral("Ann"));
        form->txtLName->setText(QStringLiteral("Lee"));
        form->comboStatus->setCurrentText(QStringLiteral("Confirmed"));
        AddRoom(form, QStringLiteral("101"));
        PasteInto(form->txtAdditionalNote, pasted);
        QTest::keyClicks(form->txtAdditionalNote, QStringLiteral("x"));
        QCOMPARE(form->txtAdditionalNote->toPlainText().size(), held.size());
        QCOMPARE(form->txtAdditionalNote->toPlainText(), held);
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QCOMPARE(LastMessage(), QStringLiteral("Customer details has been added to the Record"));
        QCOMPARE(db->Query(QStringLiteral("SELECT cAdditionalNote FROM tbl_customers"))
                     .Text(QStringLiteral("cAdditionalNote")),
                 held);
    }

    void aTextHoldingHalfACharacterIsRefusedBeforeAnythingIsWritten_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("firstName");
        QTest::newRow("first half of an emoji")
            << QString(254, QLatin1Char('a')) + kEmoji.at(0) << kFirstName;
        QTest::newRow("NUL") << QStringLiteral("Mr.") + QChar(0) << QStringLiteral("Ann");
    }
    void aTextHoldingHalfACharacterIsRefusedBeforeAnythingIsWritten() {
        QFETCH(QString, title);
        QFETCH(QString, firstName);
        GlobalLogin::LoggedUserName = QStringLiteral("admin");
        const QStringList before = untouchedRows();
        BookingRecord booking;
        booking.title = title;
        booking.firstName = firstName;
        booking.lastName = QStringLiteral("Lee");
        booking.arrival = kToday;
        booking.departure = kToday.addDays(1);
        booking.days = 1;
        booking.roomIds = QStringList{QStringLiteral("101")};
        booking.roomPrices = QStringList{QStringLiteral("$80.00")};
        booking.status = QStringLiteral("Confirmed");
        QVERIFY_THROWS_EXCEPTION(StaymarkError, BookingStore::SaveBooking(booking, kToday));
        QVERIFY(!theDBworks::InTransaction());
        for (const char* table : {"tbl_customers", "room_101", "tbl_revenueStats", "tbl_logTable"})
            QCOMPARE(db->Count(QString::fromLatin1(table)), 0);
        QCOMPARE(untouchedRows(), before);
    }
};

STAYMARK_TEST_MAIN(TestBookingTextLimits)
#include "tst_BookingTextLimits.moc"
