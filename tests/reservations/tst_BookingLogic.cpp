#include "core/Errors.h"
#include "reservations/BookingStore.h"
#include "reservations/BookingTariff.h"
#include "reservations/CustomerNumber.h"
#include "reservations/RoomPrices.h"
#include "tests/support/DataTest.h"

#include <QRegularExpression>
#include <QTest>

namespace {
const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

Currency money(const char* text) {
    return Currency::FromText(QString::fromLatin1(text), QLocale::c());
}
} // namespace

// The tariff arithmetic, the customer number's letters and the stored room prices.
class TestBookingLogic : public TestSupport::ProgramTest {
    Q_OBJECT

private slots:
    void tariffSteps_data() {
        QTest::addColumn<Currency>("rate");
        QTest::addColumn<Currency>("tariff");
        QTest::addColumn<int>("days");
        QTest::addColumn<bool>("adding");
        QTest::addColumn<Currency>("expected");
        QTest::newRow("99.99 for 3 days")
            << Currency() << money("99.99") << 3 << true << money("299.97");
        QTest::newRow("second room")
            << money("299.97") << money("95.5") << 2 << true << money("490.97");
        QTest::newRow("removed with more days falls below zero")
            << money("80") << money("80") << 3 << false << money("-160");
        QTest::newRow("zero nights") << Currency() << money("80") << 0 << true << Currency();
    }
    void tariffSteps() {
        QFETCH(Currency, rate);
        QFETCH(Currency, tariff);
        QFETCH(int, days);
        QFETCH(bool, adding);
        QFETCH(Currency, expected);
        QCOMPARE(BookingTariff::MoveRoom(rate, tariff, days, adding), expected);
    }

    void taxAndDue() {
        QCOMPARE(BookingTariff::PercentFunction(money("5") + money("7.5"), money("200")),
                 money("25"));
        QCOMPARE(BookingTariff::PercentFunction(Currency(), money("200")), Currency());
        QCOMPARE(BookingTariff::Due(money("225"), money("300")), money("-75"));
        QCOMPARE(BookingTariff::Due(money("225"), money("25")), money("200"));
        QCOMPARE(BookingTariff::Due(money("-160"), money("0")), Currency());
    }

    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("plain") << "3" << 3;
        QTest::newRow("trailing text") << "12 days" << 12;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("negative") << "-2" << -2;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(int, number);
        QCOMPARE(BookingTariff::LeadingNumber(text), number);
    }

    // What a room table's whole-number RoomNameID column holds on every back end.
    void bookableRoomIds_data() {
        QTest::addColumn<QString>("roomId");
        QTest::addColumn<bool>("bookable");
        QTest::newRow("number") << "101" << true;
        QTest::newRow("leading zero") << "007" << true;
        QTest::newRow("largest INT") << "2147483647" << true;
        QTest::newRow("beyond INT") << "2147483648" << false;
        QTest::newRow("letter") << "1A" << false;
        QTest::newRow("sign") << "-1" << false;
        QTest::newRow("blank inside") << "10 1" << false;
        QTest::newRow("other digits") << "\u0967\u0966\u0967" << false;
        QTest::newRow("empty") << "" << false;
    }
    void bookableRoomIds() {
        QFETCH(QString, roomId);
        QFETCH(bool, bookable);
        QCOMPARE(BookingStore::IsBookableRoomId(roomId), bookable);
    }

    void randomLettersAreSixFromAToY() {
        const QRegularExpression form(QStringLiteral("^[A-Y]{6}$"));
        QSet<QString> seen;
        for (int i = 0; i < 500; ++i) {
            const QString letters = CustomerNumber::RandomLetters();
            QVERIFY2(form.match(letters).hasMatch(), qPrintable(letters));
            seen.insert(letters);
        }
        QVERIFY(seen.size() > 490);
    }

    void roomPricesPairBackWithTheirRooms_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("amounts");
        QTest::newRow("plain") << kUs << QStringList{"80", "95.5"};
        QTest::newRow("thousands separator") << kUs << QStringList{"1500", "80", "12345.6"};
        QTest::newRow("decimal comma") << kGerman << QStringList{"1500", "80", "0.5"};
        QTest::newRow("one room") << kUs << QStringList{"2000"};
    }
    void roomPricesPairBackWithTheirRooms() {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, amounts);
        QStringList tariffs;
        for (const QString& amount : amounts)
            tariffs << Currency::FromText(amount, QLocale::c()).Format(locale);
        const QString stored = RoomPrices::Join(tariffs);
        QCOMPARE(RoomPrices::Split(stored, int(tariffs.size()), locale), tariffs);
    }

    void roomPricesThatDoNotFitGiveNothing() {
        QCOMPARE(RoomPrices::Split(QStringLiteral("$80.00"), 2, kUs), QStringList());
        QCOMPARE(RoomPrices::Split(QStringLiteral("$80.00,$1"), 2, kUs), QStringList());
    }
};

STAYMARK_DATA_TEST_MAIN(TestBookingLogic)
#include "tst_BookingLogic.moc"
