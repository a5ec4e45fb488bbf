#include "core/Currency.h"
#include "core/Errors.h"
#include "core/SqlLiteral.h"
#include "tests/support/DataTest.h"

#include <QTest>

#include <limits>

namespace {
const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kJapan(QLocale::Japanese, QLocale::Japan);
const QLocale kFrench(QLocale::French, QLocale::France);
const QLocale kIndia(QLocale::English, QLocale::India);
const QLocale kSpain(QLocale::Spanish, QLocale::Spain);
const QLocale kEgypt(QLocale::Arabic, QLocale::Egypt);
constexpr qint64 kLargest = std::numeric_limits<qint64>::max();
constexpr qint64 kSmallest = std::numeric_limits<qint64>::min();

// The decimals the locale's currency shows: the zeros of its text of zero, less the whole one.
int currencyDecimals(const QLocale& locale) {
    return int(locale.toCurrencyString(0.0).count(locale.zeroDigit())) - 1;
}

Currency money(const char* text) {
    return Currency::FromText(QString::fromLatin1(text), QLocale::c());
}
} // namespace

class TestCurrencyAndLiterals : public TestSupport::ProgramTest {
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

    // A text read before reads again as the locale of each reading says: in turns in two
    // locales, in the system's locale as it changes, and after many other texts.
    void theSameTextReadsAsEachLocaleSays() {
        const QString text = QStringLiteral("1,5");
        for (int turn = 0; turn < 3; ++turn) {
            QCOMPARE(Currency::Parse(text, kGerman)->Units(), qint64(15000));
            QCOMPARE(Currency::Parse(text, kUs)->Units(), qint64(150000));
        }
        QLocale::setDefault(kGerman);
        QCOMPARE(Currency::FromText(text).Units(), qint64(15000));
        QLocale::setDefault(kUs);
        QCOMPARE(Currency::FromText(text).Units(), qint64(150000));
        for (qint64 whole = 0; whole < 2000; ++whole)
            QCOMPARE(Currency::FromText(QString::number(whole), kGerman).Units(), whole * 10000);
        QCOMPARE(Currency::Parse(text, kGerman)->Units(), qint64(15000));
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
        QVERIFY(!Currency::ParseOneAmount(text, kUs).has_value());
        QVERIFY_THROWS_EXCEPTION(StaymarkError, Currency::FromText(text, kUs));
    }

    // What a user enters into a money box is read when it is one amount, as Parse reads it.
    void readsOneAmountAsEntered_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("units");
        QTest::newRow("plain") << kUs << "250.50" << qint64(2505000);
        QTest::newRow("four decimals") << kUs << "0.1234" << qint64(1234);
        QTest::newRow("currency text") << kUs << "$1,234.50" << qint64(12345000);
        QTest::newRow("negative in parentheses") << kUs << "($75.00)" << qint64(-750000);
        QTest::newRow("minus before the sign") << kUs << "-$75.00" << qint64(-750000);
        QTest::newRow("blanks around and beside the sign") << kUs << " $ 100 " << qint64(1000000);
        QTest::newRow("a pasted cell's line break") << kUs << "100\n" << qint64(1000000);
        QTest::newRow("German") << kGerman << "1.234,50 €" << qint64(12345000);
        QTest::newRow("German, in the C notation") << kGerman << "1,234.50" << qint64(12345000);
        QTest::newRow("French, grouped with a narrow blank")
            << kFrench << QStringLiteral("1\u202F234,50\u00A0€") << qint64(12345000);
        QTest::newRow("French, grouped with a plain blank")
            << kFrench << "1 234,5" << qint64(12345000);
        QTest::newRow("Indian groups")
            << kIndia << QStringLiteral("₹12,34,567.00") << qint64(12345670000);
        QTest::newRow("Spanish, a first group of four as written")
            << kSpain << "1234.567,50 €" << qint64(12345675000);
        QTest::newRow("Arabic digits")
            << kEgypt << QStringLiteral("\u0661\u0662\u0663\u066B\u0665") << qint64(1235000);
    }
    void readsOneAmountAsEntered() {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(qint64, units);
        const std::optional<Currency> amount = Currency::ParseOneAmount(text, locale);
        QVERIFY(amount.has_value());
        QCOMPARE(amount->Units(), units);
        QCOMPARE(Currency::Parse(text, locale), amount);
    }

    // Text that Parse would read as some other amount than the one meant.
    void refusesWhatIsNotOneAmount_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("an amount typed after the one shown") << kUs << "$0.00100";
        QTest::newRow("more decimals than the currency has") << kUs << "$0.005";
        QTest::newRow("a fifth decimal") << kUs << "0.12345";
        QTest::newRow("digits grouped apart") << kUs << "1,2";
        QTest::newRow("a last group too short") << kUs << "1,00";
        QTest::newRow("a first group too long") << kUs << "1234,567";
        QTest::newRow("Indian groups in English") << kUs << "12,34,567";
        QTest::newRow("a blank inside") << kUs << "100 200";
        QTest::newRow("a line break inside") << kUs << "100\n200";
        QTest::newRow("two currency signs") << kUs << "$100$";
        QTest::newRow("two minus signs") << kUs << "--5";
        QTest::newRow("a sign inside parentheses") << kUs << "(-5)";
        QTest::newRow("an emoji") << kUs << QStringLiteral("100\U0001F4B6");
        QTest::newRow("fifteen to the German reading") << kGerman << "1.5";
        QTest::newRow("French groups too short") << kFrench << "12 34";
    }
    void refusesWhatIsNotOneAmount() {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QVERIFY(!Currency::ParseOneAmount(text, locale).has_value());
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

    // A tie is decided on the exact four-decimal value, away from zero, wherever it is shown.
    void tiesRoundAwayFromZero_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("formatted");
        QTest::addColumn<QString>("rounded");
        QTest::newRow("1.005") << kUs << "1.005"
                               << "$1.01"
                               << "1.01";
        QTest::newRow("2.675") << kUs << "2.675"
                               << "$2.68"
                               << "2.68";
        QTest::newRow("1.115") << kUs << "1.115"
                               << "$1.12"
                               << "1.12";
        QTest::newRow("0.125") << kUs << "0.125"
                               << "$0.13"
                               << "0.13";
        QTest::newRow("0.025") << kUs << "0.025"
                               << "$0.03"
                               << "0.03";
        QTest::newRow("-1.005") << kUs << "-1.005"
                                << "($1.01)"
                                << "-1.01";
        QTest::newRow("below the tie") << kUs << "1.0049"
                                       << "$1.00"
                                       << "1";
        QTest::newRow("carries into the whole") << kUs << "999.995"
                                                << "$1,000.00"
                                                << "1000";
        QTest::newRow("rounds to zero, no sign") << kUs << "-0.004"
                                                 << "$0.00"
                                                 << "0";
        QTest::newRow("German") << kGerman << "2.675"
                                << "2,68\u00a0\u20ac"
                                << "2.68";
    }
    void tiesRoundAwayFromZero() {
        QFETCH(QLocale, locale);
        QFETCH(QString, amount);
        QFETCH(QString, formatted);
        QFETCH(QString, rounded);
        const Currency value = Currency::FromText(amount, QLocale::c());
        QCOMPARE(value.Format(locale), formatted);
        QCOMPARE(value.Rounded(2).ToPlainText(), rounded);
    }

    // Whatever a locale writes, an amount read back is the amount shown: grouped with spaces of
    // any width, in the locale's own digits, signs and bidi marks.
    void everyLocaleReadsBackWhatItWrites_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<Currency>("amount");
        const QList<std::pair<const char*, Currency>> amounts{
            {"0", Currency()},
            {"1234.5", money("1234.5")},
            {"-0.01", money("-0.01")},
            // The largest amount every currency writes whole, whatever its decimals.
            {"largest", money("922337203685477")},
            {"largest with cents", money("922337203685477.58")},
        };
        const QList<QLocale> locales = QLocale::matchingLocales(
            QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        for (const QLocale& locale : locales)
            for (const auto& [name, amount] : amounts)
                // Cents of the largest amount would round beyond it in a currency of none.
                if (currencyDecimals(locale) > 0 || amount.Units() % Currency::kUnitsPerWhole == 0)
                    QTest::addRow("%s %s", qPrintable(locale.bcp47Name()), name)
                        << locale << amount;
    }
    void everyLocaleReadsBackWhatItWrites() {
        QFETCH(QLocale, locale);
        QFETCH(Currency, amount);
        const QString shown = amount.Format(locale);
        const std::optional<Currency> read = Currency::Parse(shown, locale);
        QVERIFY2(read.has_value(), qPrintable(shown));
        QCOMPARE(*read, amount.Rounded(currencyDecimals(locale)));
        // As a money box reads it back.
        QCOMPARE(Currency::ParseOneAmount(shown, locale), read);
    }

    void currencyWithoutDecimalsRoundsToWholeUnits() {
        QCOMPARE(money("2.5").Format(kJapan), QLocale(kJapan).toCurrencyString(3.0));
        QCOMPARE(money("-2.5").Format(kJapan), QLocale(kJapan).toCurrencyString(-3.0));
        QCOMPARE(money("2.4999").Format(kJapan), QLocale(kJapan).toCurrencyString(2.0));
    }

    void percentOfAnAmount_data() {
        QTest::addColumn<Currency>("rate");
        QTest::addColumn<Currency>("amount");
        QTest::addColumn<Currency>("expected");
        QTest::newRow("5 % of 20.10") << money("5") << money("20.10") << money("1.005");
        QTest::newRow("12.5 % of 299.97, a tie in the fifth place")
            << money("12.5") << money("299.97") << money("37.4963");
        QTest::newRow("negative amount") << money("12.5") << money("-299.97") << money("-37.4963");
        QTest::newRow("a rate with four decimals")
            << money("7.0001") << money("100") << money("7.0001");
        QTest::newRow("below the tie") << money("0.0001") << money("0.4999") << Currency();
        QTest::newRow("no tax") << Currency() << money("200") << Currency();
        QTest::newRow("the largest amount")
            << money("100") << Currency::FromUnits(kLargest) << Currency::FromUnits(kLargest);
    }
    void percentOfAnAmount() {
        QFETCH(Currency, rate);
        QFETCH(Currency, amount);
        QFETCH(Currency, expected);
        QCOMPARE(amount.Percent(rate), expected);
    }

    void largestAmountsKeepEveryDigit() {
        const Currency largest = Currency::FromUnits(kLargest);
        const Currency smallest = Currency::FromUnits(kSmallest);
        QCOMPARE(largest.ToPlainText(), QStringLiteral("922337203685477.5807"));
        QCOMPARE(smallest.ToPlainText(), QStringLiteral("-922337203685477.5808"));
        QCOMPARE(largest.Format(kUs), QStringLiteral("$922,337,203,685,477.58"));
        QCOMPARE(smallest.Format(kUs), QStringLiteral("($922,337,203,685,477.58)"));
        QCOMPARE(Currency::FromText(QStringLiteral("922337203685477.5807"), kUs), largest);
        QCOMPARE(Currency::FromText(QStringLiteral("$922,337,203,685,477.58"), kUs),
                 money("922337203685477.58"));
        QVERIFY(!Currency::Parse(QStringLiteral("922337203685477.5808"), kUs));
        QVERIFY_THROWS_EXCEPTION(StaymarkError, largest + Currency::FromUnits(1));
        QVERIFY_THROWS_EXCEPTION(StaymarkError, smallest - Currency::FromUnits(1));
        QVERIFY_THROWS_EXCEPTION(StaymarkError, -smallest);
        QVERIFY_THROWS_EXCEPTION(StaymarkError, largest * 2);
        QVERIFY_THROWS_EXCEPTION(StaymarkError, largest.Rounded(0));
        QVERIFY_THROWS_EXCEPTION(StaymarkError, largest.Percent(money("100.0001")));
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
        // The amount the double was written as decides a tie, not its binary neighbour.
        QCOMPARE(Currency::FromDouble(1.00005).Units(), qint64(10001));
        QCOMPARE(Currency::FromDouble(-2.67505).Units(), qint64(-26751));
        QCOMPARE(Currency::FromDouble(0.1).Units(), qint64(1000));
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
        QTest::newRow("whole emoji")
            << QStringLiteral("a\U0001F600") << QStringLiteral("'a\U0001F600'");
    }
    void textLiteralsDoubleApostrophes() {
        QFETCH(QString, value);
        QFETCH(QString, literal);
        QCOMPARE(SqlLiteral::Text(value), literal);
    }

    void textLiteralsRefuseHalfCharactersAndNul_data() {
        const QChar high(0xD83D);
        const QChar low(0xDE00);
        QTest::addColumn<QString>("value");
        QTest::newRow("first half at the end") << QString(254, QLatin1Char('a')) + high;
        QTest::newRow("first half before a quote") << QString(high) + QStringLiteral("'x");
        QTest::newRow("second half alone") << QStringLiteral("a") + low + QStringLiteral("b");
        QTest::newRow("halves in the wrong order") << QString(low) + high;
        QTest::newRow("NUL") << QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    }
    void textLiteralsRefuseHalfCharactersAndNul() {
        QFETCH(QString, value);
        QVERIFY_THROWS_EXCEPTION(StaymarkError, SqlLiteral::Text(value));
    }
};

STAYMARK_DATA_TEST_MAIN(TestCurrencyAndLiterals)
#include "tst_CurrencyAndLiterals.moc"
