#include "administration/frmAdminArea.h"
#include "core/AppPaths.h"
#include "core/CIniFile.h"
#include "core/ui/ExtLV.h"
#include "core/ui/WindowPlacement.h"
#include "core/ui/frmScroll.h"
#include "food_orders/frmCustomerSearch.h"
#include "food_orders/frmFoodTxtView.h"
#include "food_orders/frmFoodingBook.h"
#include "reports/frmLog.h"
#include "reservations/frmBooking.h"
#include "reservations/frmCustomerDetails.h"
#include "reservations/frmCustomers.h"
#include "reservations/frmRoomList.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/ShownCell.h"
#include "tests/support/TestFonts.h"

#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

// The child windows as the user opens them, each returning its form.
struct Opener {
    const char* name;
    QWidget* (*open)();
};

template <typename Form> QWidget* byDefaultInstance() {
    Form::ShowWindow();
    return LoadedInstance<Form>();
}

QWidget* customerDetails() {
    return frmCustomerDetails::ShowWindow(QStringLiteral("1"));
}

QWidget* textView() {
    frmFoodTxtView::ShowBill(FoodBill{});
    return LoadedInstance<frmFoodTxtView>();
}

QWidget* orderEntry() {
    return frmFoodingBook::ShowWindow();
}

const Opener kOpeners[] = {
    {"booking", &byDefaultInstance<frmBooking>},
    {"customer list", &byDefaultInstance<frmCustomers>},
    {"customer details", &customerDetails},
    {"text view", &textView},
    {"room schedule", &byDefaultInstance<frmRoomList>},
    {"administration", &byDefaultInstance<frmAdminArea>},
    {"log viewer", &byDefaultInstance<frmLog>},
    {"order entry", &orderEntry},
};

// The lists and notes of a window that a maximised window gives its room to.
struct Growing {
    const char* name;
    int opener;
    QStringList controls;
};

const Growing kGrowing[] = {
    {"booking", 0, {"ListView1", "ListView2", "txtAdditionalNote"}},
    {"customer details", 2, {"ListView1", "txtNote"}},
    {"room schedule", 4, {"listRoomView"}},
    {"administration", 5, {"listRoomView"}},
    {"log viewer", 6, {"logList"}},
    {"order entry", 7, {"TreeView1", "FoodLV"}},
};

QMdiSubWindow* frameOf(const QWidget* form) {
    return form ? qobject_cast<QMdiSubWindow*>(form->parentWidget()) : nullptr;
}

QString describe(const QRect& place) {
    return QStringLiteral("%1,%2 %3x%4")
        .arg(place.x())
        .arg(place.y())
        .arg(place.width())
        .arg(place.height());
}

// The windows that keep their placement in config.ini; opener -1 is the main window.
struct Placed {
    const char* name;
    const char* section;
    int opener;
};

const Placed kPlaced[] = {
    {"main window", "pos", -1},
    {"booking", "bokpos", 0},
    {"customer list", "cuspos", 1},
    {"customer details", "CusD", 2},
};

// config.ini as it lies on disk.
struct ConfigOnDisk {
    QByteArray bytes;
    QDateTime modified;
    bool operator==(const ConfigOnDisk&) const = default;
};

ConfigOnDisk configOnDisk() {
    QFile file(AppPaths::ConfigIniPath());
    file.open(QIODevice::ReadOnly);
    return {file.readAll(), QFileInfo(file).lastModified()};
}

// Counts the writes of config.ini from now on: each one either moves a finished file into its
// place or closes the file after writing it.
class ConfigWrites final {
    Q_DISABLE_COPY_MOVE(ConfigWrites)

public:
    ConfigWrites()
        : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        inotify_add_watch(fd_, QFile::encodeName(AppPaths::ProgramFolder()).constData(),
                          IN_MOVED_TO | IN_CLOSE_WRITE);
    }
    ~ConfigWrites() { ::close(fd_); }

    int Count() {
        alignas(inotify_event) char buffer[4096];
        ssize_t size = 0;
        while ((size = ::read(fd_, buffer, sizeof buffer)) > 0) {
            for (const char* at = buffer; at < buffer + size;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if (event->len > 0 && qstrcmp(event->name, "config.ini") == 0)
                    ++count_;
                at += sizeof(inotify_event) + event->len;
            }
        }
        return count_;
    }

private:
    int fd_;
    int count_ = 0;
};

// One data row per entry of the table, named after the entry, holding its index.
template <typename Entry, std::size_t N>
void addRowPerEntry(const char* column, const Entry (&table)[N]) {
    QTest::addColumn<int>(column);
    for (int i = 0; i < int(N); ++i)
        QTest::addRow("%s", table[i].name) << i;
}

QString storedPlace(const char* section) {
    QStringList values;
    for (const char* key : {"Left", "Top", "Width", "Height"})
        values << ReadConfigValue(QString::fromLatin1(section), QString::fromLatin1(key));
    return values.join(QLatin1Char(','));
}

} // namespace

class TestWindowPlacement : public MainWindowFixture {
    Q_OBJECT

    QRect workspace() const { return main->MdiArea->viewport()->rect(); }
    QRect screenArea() const { return main->screen()->availableGeometry(); }

    void initTest() override {
        using namespace GlobalLogin;
        PrivModifySettings = PrivRoomList = PrivModifyTax = PrivCustomerViewEdit = PrivViewReport =
            1;
        IsLoggedIn = true;
        LoggedUserName = QStringLiteral("admin");
        // The booking the customer details window shows.
        VERIFY_RAN(db->Run(QStringLiteral("INSERT INTO tbl_customers (ID, cFirstName, cUniqueNo) "
                                          "VALUES (1, 'Ann', 'AAAAAAAA')")));
        QVERIFY(QTest::qWaitForWindowExposed(main));
    }

    // What the user sees of every child window: a maximised one fills the workspace and is the
    // active one, named in the main window's caption; a normal one shows its frame wholly
    // inside the workspace. Never both.
    void verifyStatesAgreeWithGeometry(
        const std::source_location& where = std::source_location::current()) {
        const QList<QMdiSubWindow*> children = main->MdiArea->subWindowList();
        for (const QMdiSubWindow* child : children) {
            if (!child->isVisible() || child->isMinimized())
                continue;
            const QString seen = child->windowTitle() + QStringLiteral(" at ") +
                                 describe(child->geometry()) + QStringLiteral(" in ") +
                                 describe(workspace());
            if (child->isMaximized()) {
                if (child->geometry() != workspace())
                    TestSupport::FailAt(QStringLiteral("maximised ") + seen, where);
            } else if (!workspace().contains(child->geometry())) {
                TestSupport::FailAt(QStringLiteral("normal ") + seen, where);
            }
        }
        const QMdiSubWindow* active = main->MdiArea->activeSubWindow();
        const bool named = main->windowTitle().contains(QStringLiteral(" - ["));
        if (active && active->isMaximized() != named)
            TestSupport::FailAt(QStringLiteral("caption \"%1\" with \"%2\" %3")
                                    .arg(main->windowTitle(), active->windowTitle(),
                                         active->isMaximized() ? "maximised" : "normal"),
                                where);
    }

    // Whether the user sees a cell's text whole: not elided, and not cut by the list's edges.
    static bool shownWhole(ExtLV* list, int row, int column) {
        const ListItem item = list->ListItems().Item(row);
        const QString text = column == 0 ? item.Text() : item.SubItems(column);
        const QRect cell = list->visualRect(list->model()->index(row - 1, column));
        return TestSupport::ShownCellText(list, row, column) == text && cell.left() >= 0 &&
               cell.right() < list->viewport()->width();
    }

    // The window the user moves: the main window itself, or a child window's frame.
    QWidget* openPlaced(const Placed& placed) {
        if (placed.opener >= 0)
            return frameOf(kOpeners[placed.opener].open());
        if (!main) {
            main = new mainFrm();
            main->show();
        }
        return main;
    }

private slots:
    void movingWritesNothingAndClosingWritesThePlacementOnce_data() {
        addRowPerEntry("row", kPlaced);
    }

    void movingWritesNothingAndClosingWritesThePlacementOnce() {
        QFETCH(int, row);
        const Placed& placed = kPlaced[row];
        const QRect place = placed.opener < 0 ? QRect(30, 40, 800, 600) : QRect(20, 10, 520, 380);
        const ConfigOnDisk before = configOnDisk();
        ConfigWrites writes;
        QPointer<QWidget> window = openPlaced(placed);
        QVERIFY(window);
        window->move(place.topLeft() + QPoint(15, 15));
        window->resize(place.size() + QSize(40, 30));
        window->setGeometry(place);
        QCoreApplication::processEvents();
        QVERIFY2(configOnDisk() == before, "config.ini changed while the window moved");
        QCOMPARE(writes.Count(), 0);

        window->close();
        QTRY_VERIFY(!window);
        QCOMPARE(writes.Count(), 1);
        QCOMPARE(storedPlace(placed.section), QStringLiteral("%1,%2,%3,%4")
                                                  .arg(place.x())
                                                  .arg(place.y())
                                                  .arg(place.width())
                                                  .arg(place.height()));
        window = openPlaced(placed);
        QVERIFY(window);
        QCOMPARE(window->geometry(), place);
    }

    void windowOpensMaximisedBesideAMaximisedOne_data() { addRowPerEntry("opener", kOpeners); }

    void windowOpensMaximisedBesideAMaximisedOne() {
        QFETCH(int, opener);
        // The schedule is the neighbour, except when the schedule itself opens.
        const Opener& neighbourOpener =
            kOpeners[QLatin1String(kOpeners[opener].name) == QLatin1String("room schedule") ? 1
                                                                                            : 4];
        QMdiSubWindow* neighbour = frameOf(neighbourOpener.open());
        QVERIFY(neighbour);
        neighbour->showMaximized();
        verifyStatesAgreeWithGeometry();

        QMdiSubWindow* opened = frameOf(kOpeners[opener].open());
        QVERIFY(opened);
        QCOMPARE(main->MdiArea->activeSubWindow(), opened);
        QVERIFY(opened->isMaximized());
        verifyStatesAgreeWithGeometry();

        // Restored, it shows its frame at the place it opened for, inside the workspace.
        opened->showNormal();
        QVERIFY(!opened->isMaximized());
        verifyStatesAgreeWithGeometry();
    }

    // The other way round: a booking window stored maximised opens beside normal ones.
    void windowStoredMaximisedOpensBesideNormalOnes() {
        CIniFile bokpos = ConfigIni(QStringLiteral("bokpos"));
        bokpos.WriteValues({{QStringLiteral("Left"), QStringLiteral("10")},
                            {QStringLiteral("Top"), QStringLiteral("20")},
                            {QStringLiteral("Width"), QStringLiteral("500")},
                            {QStringLiteral("Height"), QStringLiteral("400")},
                            {QStringLiteral("bokState"), QStringLiteral("2")}});
        QMdiSubWindow* schedule = frameOf(byDefaultInstance<frmRoomList>());
        QVERIFY(schedule && !schedule->isMaximized());
        QMdiSubWindow* booking = frameOf(byDefaultInstance<frmBooking>());
        QVERIFY(booking && booking->isMaximized());
        verifyStatesAgreeWithGeometry();
        // Brought forward again, neither changes its state.
        main->MdiArea->setActiveSubWindow(schedule);
        byDefaultInstance<frmBooking>();
        QVERIFY(booking->isMaximized());
        verifyStatesAgreeWithGeometry();
        // Maximised, it keeps its stored place to come back to, and so does the file.
        QCOMPARE(ReadConfigValue(QStringLiteral("bokpos"), QStringLiteral("Width")),
                 QStringLiteral("500"));
        booking->showNormal();
        QCOMPARE(booking->geometry(), QRect(10, 20, 500, 400));
        verifyStatesAgreeWithGeometry();
    }

    // With nothing stored every window opens showing its whole content where the workspace
    // has room for it, wholly inside the workspace.
    void firstOpeningShowsTheWholeWindow_data() { addRowPerEntry("opener", kOpeners); }

    void firstOpeningShowsTheWholeWindow() {
        QFETCH(int, opener);
        QWidget* form = kOpeners[opener].open();
        QMdiSubWindow* window = frameOf(form);
        QVERIFY(window && !window->isMaximized() && !window->isMinimized());
        QVERIFY2(workspace().contains(window->geometry()),
                 qPrintable(describe(window->geometry()) + QStringLiteral(" in ") +
                            describe(workspace())));
        const QSize whole = window->sizeHint();
        const bool room =
            whole.width() <= workspace().width() && whole.height() <= workspace().height();
        if (auto* scrolled = qobject_cast<ScrollableWindow*>(form)) {
            // Where the workspace has room, nothing needs scrolling.
            if (room) {
                QVERIFY2(!scrolled->HBar->isVisible() && !scrolled->VBar->isVisible(),
                         qPrintable(describe(window->geometry())));
            } else {
                // Where it has not, the window takes all of it along a side that is short, and
                // shows the whole content along the other.
                const QSize space = workspace().size();
                if (whole.width() > space.width())
                    QCOMPARE(window->width(), space.width());
                else
                    QVERIFY(window->width() >= whole.width());
                if (whole.height() > space.height())
                    QCOMPARE(window->height(), space.height());
                else
                    QVERIFY(window->height() >= whole.height());
            }
        } else if (room) {
            QVERIFY(window->width() >= whole.width() && window->height() >= whole.height());
        }
    }

    // At 1366 x 768 the main window, opened for the first time, has room for the whole booking
    // form, from its title to its Submit button, without a scroll bar: with the default font of
    // each common desktop that is installed.
    void bookingFormFitsTheFirstMainWindowOnAWideScreen_data() {
        QTest::addColumn<QFont>("font");
        for (const QFont& font : TestSupport::InstalledDesktopFonts())
            QTest::addRow("%s", qPrintable(TestSupport::FontName(font))) << font;
    }

    void bookingFormFitsTheFirstMainWindowOnAWideScreen() {
        QFETCH(QFont, font);
        if (screenArea().width() < 1366)
            QSKIP("a narrower screen has no room for the whole form");
        const auto usual = qScopeGuard([] { TestSupport::UseFont(TestSupport::TestFont()); });
        TestSupport::UseFont(font);
        delete main.data();
        main = new mainFrm();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        frmBooking* form = static_cast<frmBooking*>(byDefaultInstance<frmBooking>());
        QVERIFY(form);
        const QRect visible = workspace().intersected(QRect(
            form->PicOuter->mapTo(main->MdiArea->viewport(), QPoint()), form->PicOuter->size()));
        for (QWidget* control :
             {static_cast<QWidget*>(form->comboTitle), static_cast<QWidget*>(form->ListView2),
              static_cast<QWidget*>(form->txtAdditionalNote),
              static_cast<QWidget*>(form->Command5)}) {
            const QRect place(control->mapTo(main->MdiArea->viewport(), QPoint()), control->size());
            QVERIFY2(visible.contains(place),
                     qPrintable(control->objectName() + QStringLiteral(" at ") + describe(place) +
                                QStringLiteral(" in ") + describe(visible)));
        }
        QVERIFY(!form->HBar->isVisible() && !form->VBar->isVisible());
    }

    // However the Window menu arranges the child windows, each shows its frame inside the
    // workspace, and a window too small for its content scrolls to the far corner of it; in a
    // right-to-left language the cascade starts at the right edge.
    void arrangedWindowsScrollToEveryControl_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("cascade") << QStringLiteral("mnuCascade") << Qt::LeftToRight;
        QTest::newRow("cascade right to left") << QStringLiteral("mnuCascade") << Qt::RightToLeft;
        QTest::newRow("tile horizontal") << QStringLiteral("mnuTileHorizontal") << Qt::LeftToRight;
        QTest::newRow("tile vertical") << QStringLiteral("mnuTileVertical") << Qt::LeftToRight;
    }

    void arrangedWindowsScrollToEveryControl() {
        QFETCH(QString, command);
        QFETCH(Qt::LayoutDirection, direction);
        QApplication::setLayoutDirection(direction);
        const auto usual = qScopeGuard([] { QApplication::setLayoutDirection(Qt::LeftToRight); });
        // A main window too small for most of them.
        main->resize(800, 560);
        QList<ScrollableWindow*> scrolled;
        for (const Opener& opener : kOpeners) {
            if (auto* form = qobject_cast<ScrollableWindow*>(opener.open()))
                scrolled.append(form);
        }
        QVERIFY(triggerAction(command));
        verifyStatesAgreeWithGeometry();
        for (ScrollableWindow* form : std::as_const(scrolled)) {
            const QRect viewport = form->PicOuter->contentsRect();
            form->HBar->setValue(form->HBar->maximum());
            form->VBar->setValue(form->VBar->maximum());
            const QRect farEnd = form->PicInner->geometry();
            QVERIFY2(farEnd.right() <= viewport.right() && farEnd.bottom() <= viewport.bottom(),
                     qPrintable(form->windowTitle() + QStringLiteral(": content ") +
                                describe(farEnd) + QStringLiteral(" in ") + describe(viewport)));
            form->HBar->setValue(0);
            form->VBar->setValue(0);
            QCOMPARE(form->PicInner->pos(), viewport.topLeft());
        }
    }

    // Maximised, a window gives the room it gains to its lists and notes, not to empty space
    // beside its design.
    void maximisedWindowGrowsItsListsAndNotes_data() { addRowPerEntry("row", kGrowing); }

    void maximisedWindowGrowsItsListsAndNotes() {
        QFETCH(int, row);
        const Growing& growing = kGrowing[row];
        if (screenArea().width() < 1366)
            QSKIP("a narrower screen leaves a maximised window little more room");
        QWidget* form = kOpeners[growing.opener].open();
        QMdiSubWindow* window = frameOf(form);
        QVERIFY(window);
        QHash<QString, QSize> normal;
        for (const QString& name : growing.controls)
            normal.insert(name, TestSupport::control<QWidget>(form, name)->size());
        window->showMaximized();
        QCoreApplication::processEvents();
        for (const QString& name : growing.controls) {
            const QSize maximised = TestSupport::control<QWidget>(form, name)->size();
            QVERIFY2(maximised.width() > normal[name].width() &&
                         maximised.height() > normal[name].height(),
                     qPrintable(QStringLiteral("%1 %2x%3 maximised, %4x%5 normal")
                                    .arg(name)
                                    .arg(maximised.width())
                                    .arg(maximised.height())
                                    .arg(normal[name].width())
                                    .arg(normal[name].height())));
        }
    }

    // What a list cuts short at the window's design size it shows whole when maximised: the
    // log's texts, an item's note, every privilege column of the user list.
    void maximisedWindowShowsWhatItsListsCut() {
        if (screenArea().width() < 1366)
            QSKIP("a narrower screen leaves a maximised window little more room");
        const QString logText =
            QStringLiteral("User Logged Out/Terminated Program : administrator of the front desk");
        QVERIFY(GlobalLogin::WriteLog(logText, QStringLiteral("LoginLogout")));
        const QString note =
            QStringLiteral("Served with steamed rice, green salad and two sauces of choice");
        VERIFY_RAN(db->Run(QStringLiteral("INSERT INTO tbl_foodCat (ID, catName) VALUES (1, "
                                          "'Mains')")));
        VERIFY_RAN(db->Run(QStringLiteral("INSERT INTO tbl_FoodItem (ItemName, ItemPrice, "
                                          "ItemNote, ItemCat) VALUES ('Curry', 12, '%1', 1)")
                               .arg(note)));
        auto* log = TestSupport::control<ExtLV>(byDefaultInstance<frmLog>(), "logList");
        QWidget* admin = byDefaultInstance<frmAdminArea>();
        auto* items = TestSupport::control<ExtLV>(admin, "FoodLV");
        auto* users = TestSupport::control<ExtLV>(admin, "UserList");
        QCOMPARE(log->ListItems().Item(1).Text(), logText);
        QCOMPARE(items->ListItems().Item(1).SubItems(2), note);
        QVERIFY(!shownWhole(log, 1, 0));
        TestSupport::control<QTabWidget>(admin, "SSTab1")->setCurrentIndex(1);
        QVERIFY(!shownWhole(items, 1, 2));

        frameOf(LoadedInstance<frmLog>())->showMaximized();
        QVERIFY(shownWhole(log, 1, 0));
        main->MdiArea->setActiveSubWindow(frameOf(admin));
        QVERIFY(frameOf(admin)->isMaximized());
        QCoreApplication::processEvents();
        QVERIFY(shownWhole(items, 1, 2));
        TestSupport::control<QTabWidget>(admin, "SSTab1")->setCurrentIndex(3);
        QCoreApplication::processEvents();
        const QHeaderView* header = users->header();
        for (int column = 0; column < header->count(); ++column) {
            if (header->isSectionHidden(column))
                continue;
            QVERIFY2(header->sectionViewportPosition(column) + header->sectionSize(column) <=
                         users->viewport()->width(),
                     qPrintable(users->model()->headerData(column, Qt::Horizontal).toString()));
        }
    }

    // A window brought back from maximised or minimised comes back wholly inside the
    // workspace, even where the workspace has become smaller in between.
    void restoredWindowComesBackInsideTheWorkspace_data() {
        QTest::addColumn<bool>("minimised");
        QTest::newRow("from maximised") << false;
        QTest::newRow("from minimised") << true;
    }

    void restoredWindowComesBackInsideTheWorkspace() {
        QFETCH(bool, minimised);
        QMdiSubWindow* list = frameOf(byDefaultInstance<frmCustomers>());
        QVERIFY(list);
        list->move(workspace().width() - list->width(), workspace().height() - list->height());
        if (minimised)
            list->showMinimized();
        else
            list->showMaximized();
        main->resize(main->size() - QSize(240, 160));
        QCoreApplication::processEvents();
        list->showNormal();
        QVERIFY2(workspace().contains(list->geometry()),
                 qPrintable(describe(list->geometry()) + QStringLiteral(" in ") +
                            describe(workspace())));
        verifyStatesAgreeWithGeometry();
    }

    // The main window and the customer search, which are windows of their own, open wholly
    // on the screen, their frames included.
    void windowsOfTheirOwnOpenWhollyOnTheScreen() {
        QVERIFY2(screenArea().contains(main->frameGeometry()),
                 qPrintable(describe(main->frameGeometry())));
        frmCustomerSearch::ShowWindow();
        frmCustomerSearch* search = LoadedInstance<frmCustomerSearch>();
        QVERIFY(search && QTest::qWaitForWindowExposed(search));
        QVERIFY2(screenArea().contains(search->frameGeometry()),
                 qPrintable(describe(search->frameGeometry())));
        // It stands over the main window, not in a corner of the screen.
        QVERIFY(main->frameGeometry().contains(search->frameGeometry().center()));
    }

    // A place stored on a larger screen is kept where it fits and moved back where it does not.
    void storedPlaceIsBroughtBackOntoASmallerScreen() {
        const QRect screen = screenArea();
        CIniFile pos = ConfigIni(QStringLiteral("pos"));
        pos.WriteValues({{QStringLiteral("Left"), QString::number(screen.width() - 200)},
                         {QStringLiteral("Top"), QString::number(screen.height() - 100)},
                         {QStringLiteral("Width"), QStringLiteral("1200")},
                         {QStringLiteral("Height"), QStringLiteral("700")}});
        CIniFile cuspos = ConfigIni(QStringLiteral("cuspos"));
        cuspos.WriteValues({{QStringLiteral("Left"), QStringLiteral("900")},
                            {QStringLiteral("Top"), QStringLiteral("500")},
                            {QStringLiteral("Width"), QStringLiteral("640")},
                            {QStringLiteral("Height"), QStringLiteral("480")}});
        delete main.data();
        main = new mainFrm();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QVERIFY2(screen.contains(main->frameGeometry()),
                 qPrintable(describe(main->frameGeometry())));
        if (screen.width() >= 1300)
            QCOMPARE(main->size(), QSize(1200, 700));
        QMdiSubWindow* list = frameOf(byDefaultInstance<frmCustomers>());
        QVERIFY(list);
        QVERIFY2(workspace().contains(list->geometry()), qPrintable(describe(list->geometry())));
        QCOMPARE(list->size(), QSize(640, 480).boundedTo(workspace().size()));
    }
};

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestSupport::PrepareProcess();
    TestWindowPlacement test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_WindowPlacement.moc"
