#include "core/ui/DateText.h"
#include "core/ui/FormControls.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/ScopedLocale.h"

#include <QDateEdit>
#include <QTest>

namespace {
const QDate kDay(2024, 3, 5);
} // namespace

// Dates in lists and pickers keep their four-digit year in every language.
class TestDateText : public TestSupport::ProgramTest {
    Q_OBJECT

private slots:
    void theYearIsWrittenWhole_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("shown");
        QTest::newRow("English, United States")
            << QLocale(QLocale::English, QLocale::UnitedStates) << "3/5/2024";
        QTest::newRow("English, United Kingdom")
            << QLocale(QLocale::English, QLocale::UnitedKingdom) << "05/03/2024";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "05.03.2024";
        QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << "05/03/2024";
        QTest::newRow("Arabic, Egypt")
            << QLocale(QLocale::Arabic, QLocale::Egypt)
            << QStringLiteral("\u0665\u200f/\u0663\u200f/\u0662\u0660\u0662\u0664");
    }
    void theYearIsWrittenWhole() {
        QFETCH(QLocale, locale);
        QFETCH(QString, shown);
        QCOMPARE(ProgramDateText(kDay, locale), shown);
        const TestSupport::ScopedLocale language(locale);
        QDateEdit* picker = NewDatePicker(nullptr, QStringLiteral("dtArrival"), QString());
        picker->setDate(kDay);
        QCOMPARE(picker->text(), shown);
        delete picker;
    }

    void aPickerTakesAFourDigitYearAsTyped() {
        QDateEdit* picker = NewDatePicker(nullptr, QStringLiteral("dtArrival"), QString());
        picker->setDate(kDay);
        picker->setSelectedSection(QDateTimeEdit::YearSection);
        QTest::keyClicks(picker, QStringLiteral("2031"));
        QCOMPARE(picker->date(), QDate(2031, 3, 5));
        QCOMPARE(picker->text(), QStringLiteral("3/5/2031"));
        delete picker;
    }

    void anInvalidDateIsShownEmpty() { QVERIFY(ProgramDateText(QDate()).isEmpty()); }
};

STAYMARK_TEST_MAIN(TestDateText)
#include "tst_DateText.moc"
