#include "administration/frmAdminArea.h"
#include "administration/frmTax.h"
#include "food_orders/frmFoodDetails.h"
#include "tests/reservations/CustomerWindowsFixture.h"

#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>

// Alt and a letter in a child window, pressed as the user presses them: a button of the window
// comes before the main window's menu of the same letter, and the menu bar keeps every letter
// that the window does not claim.
class TestWindowMnemonics : public CustomerWindowsFixture {
    Q_OBJECT

    // The window the row names, opened as the desk opens it.
    QWidget* open(const QString& window) {
        if (window == QLatin1String("booking"))
            return OpenBooking();
        if (window == QLatin1String("tax editor")) {
            triggerAction(QStringLiteral("taxEditor"));
            return LoadedInstance<frmTax>();
        }
        if (window == QLatin1String("administration")) {
            triggerAction(QStringLiteral("mnuAdministration"));
            return LoadedInstance<frmAdminArea>();
        }
        if (window == QLatin1String("customer details")) {
            Book(Stay(QStringLiteral("Mr."), QStringLiteral("John"), QStringLiteral("Smith"),
                      {QStringLiteral("101")}));
            return OpenDetails(OpenCustomerList(), 1);
        }
        if (window == QLatin1String("order details")) {
            frmFoodDetails::ShowForCustomer([] { return QStringLiteral("JSABCDEF"); });
            return LoadedInstance<frmFoodDetails>();
        }
        return nullptr;
    }

    // The window the row names, opened as the desk opens it, and holding the focus once the main
    // window is the active one, so that the user's keys go to it. Null, and the test failed,
    // when it does not.
    QWidget* openedWithFocus(const QString& window,
                             const std::source_location& where = std::source_location::current()) {
        QWidget* form = open(window);
        if (form) {
            form->window()->activateWindow();
            if (QTest::qWaitForWindowActive(form->window()) &&
                form->isAncestorOf(QApplication::focusWidget()))
                return form;
        }
        TestSupport::FailAt(QStringLiteral("the %1 window holds no focus").arg(window), where);
        return nullptr;
    }

private slots:
    void altAndALetterPressesTheWindowsButtonBeforeTheMenu_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<char>("letter");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("question");
        QTest::newRow("booking, Refresh & Reset") << "booking" << 'R' << "Command3"
                                                  << "";
        QTest::newRow("tax editor, OK") << "tax editor" << 'O' << "Command1"
                                        << "";
        QTest::newRow("administration, Remove Room") << "administration" << 'R' << "cmdRemoveRoom"
                                                     << "Remove Selected Room! Are you Sure?";
        QTest::newRow("customer details, Remove Customer")
            << "customer details" << 'R' << "Command3"
            << "You are going to Remove the Selected Customer. \r\nAssociated Booking Scheduled "
               "will also be Removed!\r\nThis action cannot be undone!";
        QTest::newRow("order details, Refresh") << "order details" << 'R' << "Command1"
                                                << "";
    }
    void altAndALetterPressesTheWindowsButtonBeforeTheMenu() {
        QFETCH(QString, window);
        QFETCH(char, letter);
        QFETCH(QString, button);
        QFETCH(QString, question);
        QWidget* form = openedWithFocus(window);
        QVERIFY(form);
        // What the desk showed while the window opened (a booking's "Customer Added") stays in
        // the record; the key press shows the button's question, or nothing.
        const qsizetype shownBefore = TestSupport::Messages().size();
        QSignalSpy pressed(TestSupport::control<QPushButton>(form, button),
                           &QAbstractButton::clicked);
        if (!question.isEmpty())
            Dialogs::Testing::AnswerNextQuestion(false);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(letter), Qt::AltModifier);
        QTRY_COMPARE(pressed.count(), 1);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        QCOMPARE(TestSupport::Messages().mid(shownBefore),
                 question.isEmpty() ? QStringList() : QStringList{question});
    }

    void aLetterNoButtonOfTheWindowClaimsOpensTheMenu_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<char>("letter");
        QTest::addColumn<QString>("menu");
        QTest::newRow("booking, Options") << "booking" << 'O' << "mnuOptions";
        QTest::newRow("tax editor, Records") << "tax editor" << 'R' << "mnuRecords";
        QTest::newRow("administration, Help") << "administration" << 'H' << "mnuHelp";
    }
    void aLetterNoButtonOfTheWindowClaimsOpensTheMenu() {
        QFETCH(QString, window);
        QFETCH(char, letter);
        QFETCH(QString, menu);
        QVERIFY(openedWithFocus(window));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(letter), Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(QApplication::activePopupWidget()->objectName(), menu);
        QApplication::activePopupWidget()->close();
    }
};

STAYMARK_TEST_MAIN(TestWindowMnemonics)
#include "tst_WindowMnemonics.moc"
