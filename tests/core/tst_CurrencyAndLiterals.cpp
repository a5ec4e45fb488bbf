#include "core/Currency.h"
#include "core/Errors.h"
#include "core/SqlLiteral.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QTest>

namespace {
const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);
} // namespace

class TestCurrencyAndLiterals : public QObject {
    Q_OBJECT

private slots:
    void parsesLocaleMoneyAndPlainNumbers_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("units");
        QTest::newRow("plain") << kUs << "99.99" << qint64(999900);
        QTest::newRow("currency text") << kUs << "$1,234.50" << qint64(12345000);
        QTest::newRow("negative in parentheses") << kUs << "($75.00)" << qint64(-750000);
        QTest::newRow("leading minus") << kUs << "-$75.00" << qint64(-750000);
        QTest::newRow("zero") << kUs << "0" << qint64(0);
        QTest::newRow("four decimals kept") << kUs << "0.1234" << qint64(1234);
        QTest::newRow("fifth decimal rounds") << kUs << "0.12345" << qint64(1235);
        QTest::newRow("blanks around") << kUs << "  12  " << qint64(120000);
        QTest::newRow("German currency text") << kGerman << "1.234,50 €" << qint64(12345000);
        QTest::newRow("German plain") << kGerman << "95,5" << qint64(955000);
    }
    void parsesLocaleMoneyAndPlainNumbers() {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(qint64, units);
        const std::optional<Currency> value = Currency::Parse(text, locale);
        QVERIFY(value.has_value());
        QCOMPARE(value->Units(), units);
    }

    void refusesWhatIsNotMoney_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("letters") << "abc";
        QTest::newRow("two points") << "1.2.3";
        QTest::newRow("percent") << "10%";
        QTest::newRow("too large") << "123456789012345678";
    }
    void refusesWhatIsNotMoney() {
        QFETCH(QString, text);
        QVERIFY(!Currency::Parse(text, kUs).has_value());
        QVERIFY_THROWS_EXCEPTION(StaymarkError, Currency::FromText(text, kUs));
    }

    void formatsAndWritesPlainText_data() {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<QString>("formatted");
        QTest::addColumn<QString>("plain");
        QTest::newRow("tariff") << qint64(2999700) << "$299.97"
                                << "299.97";
        QTest::newRow("thousands") << qint64(15000000) << "$1,500.00"
                                   << "1500";
        QTest::newRow("negative due") << qint64(-750000) << "($75.00)"
                                      << "-75";
        QTest::newRow("four places") << qint64(1234) << "$0.12"
                                     << "0.1234";
    }
    void formatsAndWritesPlainText() {
        QFETCH(qint64, units);
        QFETCH(QString, formatted);
        QFETCH(QString, plain);
        const Currency value = Currency::FromUnits(units);
        QCOMPARE(value.Format(kUs), formatted);
        QCOMPARE(value.ToPlainText(), plain);
        QCOMPARE(Currency::FromText(formatted, kUs).Format(kUs), formatted);
    }

    void plainTextIgnoresTheLocale() {
        QLocale::setDefault(kGerman);
        const Currency value = Currency::FromText(QStringLiteral("1.234,5"));
        QCOMPARE(value.ToPlainText(), QStringLiteral("1234.5"));
        QCOMPARE(SqlLiteral::Money(value), QStringLiteral("1234.5"));
        QCOMPARE(SqlLiteral::Number(12.5), QStringLiteral("12.5"));
        QCOMPARE(SqlLiteral::Date(QDate(2026, 3, 4)), QStringLiteral("#2026-03-04#"));
        QLocale::setDefault(kUs);
    }

    void doublesBecomeCurrencyExactly() {
        QCOMPARE(Currency::FromDouble(99.99 * 3).Units(), qint64(2999700));
        QCOMPARE(Currency::FromDouble(200.0 / 100 * 12.5).Units(), qint64(250000));
        QVERIFY_THROWS_EXCEPTION(StaymarkError, Currency::FromDouble(1e300));
    }

    void textLiteralsDoubleApostrophes_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("literal");
        QTest::newRow("apostrophe") << "O'Brien"
                                    << "'O''Brien'";
        QTest::newRow("backslash") << "C:\\new"
                                   << "'C:\\new'";
        QTest::newRow("empty") << ""
                               << "''";
    }
    void textLiteralsDoubleApostrophes() {
        QFETCH(QString, value);
        QFETCH(QString, literal);
        QCOMPARE(SqlLiteral::Text(value), literal);
    }
};

STAYMARK_TEST_MAIN(TestCurrencyAndLiterals)
#include "tst_CurrencyAndLiterals.moc"
