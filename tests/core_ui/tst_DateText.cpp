#include "core/ui/DatePicker.h"
#include "core/ui/DateText.h"
#include "core/ui/FormControls.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/ScopedLocale.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {
const QDate kDay(2024, 3, 5);

// A window with a box before and after a picker, as a form has them; the picker shows 12/12/2026.
struct PickerWindow {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLineEdit* before = new QLineEdit(window.get());
    DatePicker* picker = NewDatePicker(window.get(), QStringLiteral("dtDepature"));
    QLineEdit* after = new QLineEdit(window.get());

    PickerWindow() {
        auto* column = new QVBoxLayout(window.get());
        for (QWidget* control : {static_cast<QWidget*>(before), static_cast<QWidget*>(picker),
                                 static_cast<QWidget*>(after)})
            column->addWidget(control);
        picker->setDate(QDate(2026, 12, 12));
        window->show();
        window->activateWindow();
    }

    // Tab from the box before: the picker's first part is chosen, ready for typing.
    void TabIntoThePicker() const {
        before->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(before, Qt::Key_Tab);
    }

    // A click at the start of the picker's text, in its first part.
    void ClickIntoThePicker() const {
        auto* text = picker->findChild<QLineEdit*>();
        QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(3, text->height() / 2));
    }
};
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

    // A date is typed digit by digit as it is written, separators and all, in the language's
    // order; it counts once, when the typing ends.
    void aDateIsTypedAsItIsWritten_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("clicked"); // into the first part, else Tab
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("date");
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("month and day of two digits")
            << us << false << "12/14/2026" << QDate(2026, 12, 14);
        QTest::newRow("a month of one digit") << us << false << "1/5/2027" << QDate(2027, 1, 5);
        QTest::newRow("a day of one digit") << us << false << "12/4/2026" << QDate(2026, 12, 4);
        QTest::newRow("digits only") << us << false << "12142026" << QDate(2026, 12, 14);
        QTest::newRow("clicked into") << us << true << "1/5/2027" << QDate(2027, 1, 5);
        QTest::newRow("German") << german << false << "14.12.2026" << QDate(2026, 12, 14);
        QTest::newRow("German, clicked into")
            << german << true << "14.12.2026" << QDate(2026, 12, 14);
        QTest::newRow("Arabic, Egypt, typed in ASCII digits")
            << QLocale(QLocale::Arabic, QLocale::Egypt) << false << "14/12/2026"
            << QDate(2026, 12, 14);
        QTest::newRow("French, leading zeros") << QLocale(QLocale::French, QLocale::France) << false
                                               << "04/01/2027" << QDate(2027, 1, 4);
    }
    void aDateIsTypedAsItIsWritten() {
        QFETCH(QLocale, locale);
        QFETCH(bool, clicked);
        QFETCH(QString, typed);
        QFETCH(QDate, date);
        const TestSupport::ScopedLocale language(locale);
        const PickerWindow form;
        QVERIFY(QTest::qWaitForWindowActive(form.window.get()));
        QSignalSpy complete(form.picker, &DatePicker::DateComplete);
        if (clicked)
            form.ClickIntoThePicker();
        else
            form.TabIntoThePicker();
        QVERIFY(form.picker->hasFocus());
        QTest::keyClicks(form.picker, typed);
        QCOMPARE(form.picker->date(), date);
        QCOMPARE(complete.count(), 0);
        QTest::keyClick(form.picker, Qt::Key_Tab);
        QVERIFY(form.after->hasFocus());
        QCOMPARE(form.picker->text(), ProgramDateText(date));
        QCOMPARE(complete.count(), 1);
    }

    // However a date is entered, it counts at once when it is whole, or when the typing ends.
    void aDateCountsWhenItIsComplete() {
        const PickerWindow form;
        QVERIFY(QTest::qWaitForWindowActive(form.window.get()));
        QSignalSpy complete(form.picker, &DatePicker::DateComplete);
        form.TabIntoThePicker();
        QTest::keyClick(form.picker, Qt::Key_Down);
        QCOMPARE(form.picker->date(), QDate(2026, 11, 12));
        QCOMPARE(complete.count(), 1);
        QTest::keyClicks(form.picker, QStringLiteral("3"));
        QCOMPARE(complete.count(), 1);
        QTest::keyClick(form.picker, Qt::Key_Return);
        QCOMPARE(form.picker->date(), QDate(2026, 3, 12));
        QCOMPARE(complete.count(), 2);
        // As the calendar sets the date it picks.
        form.picker->setDate(QDate(2026, 3, 20));
        QCOMPARE(complete.count(), 3);
    }

    void anInvalidDateIsShownEmpty() { QVERIFY(ProgramDateText(QDate()).isEmpty()); }
};

STAYMARK_TEST_MAIN(TestDateText)
#include "tst_DateText.moc"
