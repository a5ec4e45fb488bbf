#include "administration/frmAdminArea.h"
#include "core/AppPaths.h"
#include "core/CIniFile.h"
#include "core/ui/ExtLV.h"
#include "core/ui/WindowPlacement.h"
#include "core/ui/frmScroll.h"
#include "food_orders/frmCustomerSearch.h"
#include "food_orders/frmFoodTxtView.h"
#include "reservations/frmBooking.h"
#include "reservations/frmCustomerDetails.h"
#include "reservations/frmCustomers.h"
#include "reservations/frmRoomList.h"
#include "tests/support/MainWindowFixture.h"

#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

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

const Opener kOpeners[] = {
    {"booking", &byDefaultInstance<frmBooking>},
    {"customer list", &byDefaultInstance<frmCustomers>},
    {"customer details", &customerDetails},
    {"text view", &textView},
    {"room schedule", &byDefaultInstance<frmRoomList>},
    {"administration", &byDefaultInstance<frmAdminArea>},
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
                QCOMPARE(window->size(), whole.boundedTo(workspace().size()));
            }
        } else if (room) {
            QVERIFY(window->width() >= whole.width() && window->height() >= whole.height());
        }
    }

    // At 1366 x 768 the main window, opened for the first time, has room for the whole booking
    // form: from its title to its Submit button without a scroll bar.
    void bookingFormFitsTheFirstMainWindowOnAWideScreen() {
        if (screenArea().width() < 1366)
            QSKIP("a narrower screen has no room for the whole form");
        frmBooking* form = static_cast<frmBooking*>(byDefaultInstance<frmBooking>());
        QVERIFY(form);
        const QRect visible = form->PicOuter->rect();
        for (QWidget* control :
             {static_cast<QWidget*>(form->comboTitle), static_cast<QWidget*>(form->ListView2),
              static_cast<QWidget*>(form->Command5)}) {
            const QRect place(control->mapTo(form->PicOuter, QPoint()), control->size());
            QVERIFY2(visible.contains(place), qPrintable(control->objectName()));
        }
        QVERIFY(!form->HBar->isVisible() && !form->VBar->isVisible());
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
