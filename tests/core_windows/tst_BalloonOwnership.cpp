#include "administration/AdminRoomsPage.h"
#include "administration/frmAdminArea.h"
#include "core/ModifyPassword.h"
#include "core/ui/CBalloonToolTip.h"
#include "reservations/frmBooking.h"
#include "tests/support/MainWindowFixture.h"

#include <QMdiArea>
#include <QMdiSubWindow>

using TestSupport::LastMessage;
using TestSupport::ShownBalloon;

namespace {

QRect onScreen(const QWidget* widget) {
    return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}

// Every balloon on the screen now.
QList<const BalloonWindow*> shownBalloons() {
    QList<const BalloonWindow*> shown;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (const auto* balloon = qobject_cast<const BalloonWindow*>(window))
            if (balloon->isVisible())
                shown << balloon;
    return shown;
}

// What takes the booking window away from its balloon.
enum class Road { TaxEditor, CustomerList, Minimised, Closed };

} // namespace

class TestBalloonOwnership : public MainWindowFixture {
    Q_OBJECT

    void initTest() override {
        using namespace GlobalLogin;
        PrivModifySettings = PrivRoomList = PrivModifyTax = PrivCustomerViewEdit = PrivViewReport =
            1;
        IsLoggedIn = true;
        LoggedUserName = QStringLiteral("admin");
        QVERIFY(QTest::qWaitForWindowExposed(main));
    }

    frmBooking* bookingWithFirstNameBalloon() {
        triggerAction(QStringLiteral("mnuBooking"));
        frmBooking* form = LoadedInstance<frmBooking>();
        if (!form)
            return nullptr;
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        const TestSupport::Balloon seen = ShownBalloon(form);
        if (!seen.shown || seen.TargetName() != QLatin1String("txtFName"))
            TestSupport::FailAt(QStringLiteral("no balloon at First Name"),
                                std::source_location::current());
        return form;
    }

private slots:
    void balloonLeavesWithItsWindow_data() {
        QTest::addColumn<Road>("road");
        QTest::newRow("tax editor opened") << Road::TaxEditor;
        QTest::newRow("customer list opened") << Road::CustomerList;
        QTest::newRow("window minimised") << Road::Minimised;
        QTest::newRow("window closed") << Road::Closed;
    }

    void balloonLeavesWithItsWindow() {
        QFETCH(Road, road);
        QPointer<frmBooking> form = bookingWithFirstNameBalloon();
        QVERIFY(form);
        auto* window = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        switch (road) {
        case Road::TaxEditor:
            QTest::mouseClick(form->Command4, Qt::LeftButton);
            QVERIFY(main->MdiArea->activeSubWindow() != window);
            break;
        case Road::CustomerList:
            triggerAction(QStringLiteral("mnuCustomerList"));
            QVERIFY(main->MdiArea->activeSubWindow() != window);
            break;
        case Road::Minimised:
            window->showMinimized();
            break;
        case Road::Closed:
            window->close();
            break;
        }
        QVERIFY(shownBalloons().isEmpty());
        // Coming back to the window, the user finds it as the balloon left it: without one.
        if (form && road != Road::Closed) {
            main->MdiArea->setActiveSubWindow(window);
            QVERIFY(!ShownBalloon(form).shown);
        }
    }

    // The tariff is put right and the room added: its balloon goes with the answer, and while
    // shown it never hid the Add Room button.
    void balloonLeavesWhenItsInputSucceeds() {
        triggerAction(QStringLiteral("mnuAdministration"));
        frmAdminArea* admin = LoadedInstance<frmAdminArea>();
        QVERIFY(admin);
        AdminRoomsPage* rooms = admin->RoomsPage;
        rooms->txtRoomID->setText(QStringLiteral("101"));
        rooms->txtRoomPrice->setText(QStringLiteral("abc"));
        QTest::mouseClick(rooms->cmdAddRoom, Qt::LeftButton);
        const TestSupport::Balloon seen = ShownBalloon(admin);
        QVERIFY(seen.shown);
        QCOMPARE(seen.title, QStringLiteral("Invalid Tariff"));
        const QList<const BalloonWindow*> shown = shownBalloons();
        QCOMPARE(shown.size(), 1);
        QVERIFY(!shown.first()->geometry().intersects(onScreen(rooms->cmdAddRoom)));

        rooms->txtRoomPrice->setText(QStringLiteral("80"));
        QTest::mouseClick(rooms->cmdAddRoom, Qt::LeftButton);
        QCOMPARE(LastMessage(), QStringLiteral("Room 101 Added on the Room List!"));
        QVERIFY(shownBalloons().isEmpty());
    }

    // The password window's balloon stands clear of Modify, and goes when the window loses
    // activation or closes.
    void passwordBalloonLeavesModifyInSight() {
        ModifyPassword::ShowWindow();
        QPointer<ModifyPassword> form = LoadedInstance<ModifyPassword>();
        QVERIFY(form);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->txtUserName->setText(QStringLiteral("admin"));
        form->txtPassWord->setText(QStringLiteral("pw"));
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        const TestSupport::Balloon seen = ShownBalloon(form);
        QVERIFY(seen.shown);
        QCOMPARE(seen.TargetName(), QStringLiteral("txtNewPassWord"));
        const BalloonWindow* balloon = shownBalloons().value(0);
        QVERIFY(balloon);
        QVERIFY(!balloon->geometry().intersects(onScreen(form->Command1)));
        // Its stem still touches the field.
        QVERIFY(
            onScreen(form->txtNewPassWord).adjusted(-1, -1, 1, 1).contains(balloon->StemPoint()));

        // Another program's window comes forward.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(shownBalloons().isEmpty());

        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QVERIFY(ShownBalloon(form).shown);
        form->close();
        QVERIFY(shownBalloons().isEmpty());
    }
};

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestSupport::PrepareProcess();
    TestBalloonOwnership test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_BalloonOwnership.moc"
