#include "core/Currency.h"
#include "core/Errors.h"
#include "core/ui/ExtLV.h"
#include "tests/support/ProgramTest.h"

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <functional>

namespace {

// What the window's handlers would see, event by event: the event and the row selected then.
class EventLog : public QObject {
public:
    explicit EventLog(ExtLV& list)
        : list_(list) {
        connect(&list, &ExtLV::MouseDown, this, [this](int button, int shift, int x, int y) {
            lines.append(QStringLiteral("MouseDown %1 %2 at %3").arg(button).arg(shift).arg(row()));
            lastPoint = QPoint(x, y);
        });
        connect(&list, &ExtLV::Click, this,
                [this] { lines.append(QStringLiteral("Click at %1").arg(row())); });
        connect(&list, &ExtLV::DblClick, this,
                [this] { lines.append(QStringLiteral("DblClick at %1").arg(row())); });
        connect(&list, &ExtLV::KeyPress, this,
                [this](int key) { lines.append(QStringLiteral("KeyPress %1").arg(key)); });
        connect(&list, &ExtLV::ColumnClick, this,
                [this](int column) { lines.append(QStringLiteral("ColumnClick %1").arg(column)); });
    }

    QStringList lines;
    QPoint lastPoint;

private:
    // The selected row's position, 0 when none.
    int row() const { return list_.HasSelectedItem() ? list_.SelectedItem().Index() : 0; }

    ExtLV& list_;
};

QIcon colourIcon(Qt::GlobalColor colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

} // namespace

class TestExtLV : public TestSupport::ProgramTest {
    Q_OBJECT

    QWidget* window = nullptr;
    ExtLV* list = nullptr;

    // The booking window's room list: room, type, tariff, and the hidden key.
    void addRoomColumns() {
        list->ColumnHeaders().Add(QStringLiteral("Room(s)"), QStringLiteral("Abbrdrevooo"));
        list->ColumnHeaders().Add(QStringLiteral("Room Type"), QStringLiteral("Ready-to-Run"));
        list->ColumnHeaders().Add(QStringLiteral("Tariff"), QStringLiteral("Ready-to-Run"));
        list->ColumnHeaders().Add(QString(), QString());
    }
    void addRoom(const QString& room, const QString& type, const QString& tariff, int key) {
        ListItem item = list->ListItems().Add(room);
        item.SubItems(1, type);
        item.SubItems(2, tariff);
        item.SubItems(3, QString::number(key));
    }
    void addRooms(int count) {
        for (int i = 1; i <= count; ++i)
            addRoom(QString::number(100 + i), QStringLiteral("Twin Bed"),
                    QStringLiteral("$%1.00").arg(i * 10), i);
        QApplication::processEvents();
    }
    QPoint rowPoint(int index) const {
        return list->visualRect(list->model()->index(index - 1, 0)).center();
    }
    QPoint belowTheRows() const { return QPoint(10, list->viewport()->height() - 3); }
    int numberOfFailure(const std::function<void()>& step) {
        try {
            step();
        } catch (const StaymarkError& error) {
            return int(error.Number());
        }
        return 0;
    }

    void initTest() override {
        window = new QWidget;
        auto* layout = new QVBoxLayout(window);
        list = new ExtLV(window);
        list->setObjectName(QStringLiteral("ListView1"));
        layout->addWidget(list);
        window->resize(500, 400);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        addRoomColumns();
    }
    void cleanupTest() override {
        delete window;
        window = nullptr;
        list = nullptr;
    }

private slots:
    void rowsAreReachedByPositionFromOne() {
        addRoom(QStringLiteral("101"), QStringLiteral("Twin Bed"), QStringLiteral("$10.00"), 7);
        addRoom(QStringLiteral("102"), QStringLiteral("Single Bed"), QStringLiteral("$20.00"), 8);
        addRoom(QStringLiteral("103"), QStringLiteral("Double Bed"), QStringLiteral("$30.00"), 9);
        QCOMPARE(list->ListItems().Count(), 3);
        ListItem second = list->ListItems().Item(2);
        QCOMPARE(second.Index(), 2);
        QCOMPARE(second.Text(), QStringLiteral("102"));
        QCOMPARE(second.SubItems(1), QStringLiteral("Single Bed"));
        QCOMPARE(second.SubItems(3), QStringLiteral("8"));

        list->ListItems().Remove(1);
        QCOMPARE(list->ListItems().Count(), 2);
        QCOMPARE(list->ListItems().Item(1).Text(), QStringLiteral("102"));
        QCOMPARE(list->ListItems().Item(2).SubItems(3), QStringLiteral("9"));
        QApplication::processEvents();
        QCOMPARE(list->model()->rowCount(), 2);
        QCOMPARE(list->model()->index(1, 0).data().toString(), QStringLiteral("103"));

        list->ListItems().Clear();
        QCOMPARE(list->ListItems().Count(), 0);
        QCOMPARE(list->model()->rowCount(), 0);
    }

    void cellsAreKeptWhateverOrderTheyAreSetIn() {
        ListItem item = list->ListItems().Add(QStringLiteral("101"));
        item.SubItems(3, QStringLiteral("42"));
        QCOMPARE(item.SubItems(1), QString());
        item.SubItems(1, QStringLiteral("Twin Bed"));
        item.SubItems(2, QStringLiteral("$1,500.00"));
        item.SubItems(1, QStringLiteral("A much longer room type"));
        item.Text(QStringLiteral("1"));
        QCOMPARE(item.Text(), QStringLiteral("1"));
        QCOMPARE(item.SubItems(1), QStringLiteral("A much longer room type"));
        QCOMPARE(item.SubItems(2), QStringLiteral("$1,500.00"));
        QCOMPARE(item.SubItems(3), QStringLiteral("42"));
        QCOMPARE(item.SubItems(9), QString());
    }

    void aRowAddedWithAllItsCellsKeepsThem() {
        ListItem item =
            list->ListItems().Add(QStringList{"101", "Twin Bed", QString(), "$80.00", "7"});
        QCOMPARE(item.Text(), QStringLiteral("101"));
        QCOMPARE(item.SubItems(1), QStringLiteral("Twin Bed"));
        QCOMPARE(item.SubItems(2), QString());
        QCOMPARE(item.SubItems(4), QStringLiteral("7"));
        item.SubItems(2, QStringLiteral("Garden view"));
        QCOMPARE(item.SubItems(2), QStringLiteral("Garden view"));
        QCOMPARE(item.SubItems(3), QStringLiteral("$80.00"));
        QCOMPARE(item.SubItems(9), QString());
        QCOMPARE(list->ListItems().Add(QStringList()).Text(), QString());
        QCOMPARE(list->ListItems().Count(), 2);
    }

    void changedCellsShowInTheView() {
        addRooms(2);
        list->ListItems().Item(2).SubItems(2, QStringLiteral("$99.99"));
        list->ListItems().Item(1).Text(QStringLiteral("111"));
        QCOMPARE(list->model()->index(1, 2).data().toString(), QStringLiteral("$99.99"));
        QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("111"));
    }

    void rowsAddedInOneGoReachTheViewTogether() {
        QSignalSpy inserted(list->model(), &QAbstractItemModel::rowsInserted);
        for (int i = 0; i < 500; ++i)
            list->ListItems().Add(QString::number(i)).SubItems(1, QStringLiteral("Twin Bed"));
        QCOMPARE(list->ListItems().Count(), 500);
        QCOMPARE(list->ListItems().Item(500).Text(), QStringLiteral("499"));
        QCOMPARE(inserted.count(), 0);
        QApplication::processEvents();
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(list->model()->rowCount(), 500);
        QCOMPARE(list->model()->index(499, 1).data().toString(), QStringLiteral("Twin Bed"));
    }

    void aRowJustAddedCanBeSelectedAtOnce() {
        // The booking window adds its rows and marks the first selected in one handler.
        addRoom(QStringLiteral("101"), QStringLiteral("Twin Bed"), QStringLiteral("$10.00"), 1);
        addRoom(QStringLiteral("102"), QStringLiteral("Twin Bed"), QStringLiteral("$10.00"), 2);
        list->ListItems().Item(2).Selected(true);
        QCOMPARE(list->SelectedItem().Text(), QStringLiteral("102"));
        QCOMPARE(list->SelectedItem().SubItems(3), QStringLiteral("2"));
    }

    void misuseFailsWithTheErrorAHandlerReports() {
        addRooms(2);
        ListItem stale = list->ListItems().Item(2);
        struct Case {
            const char* what;
            std::function<void()> step;
            int number;
        };
        const QList<Case> cases = {
            {"Item(0)", [&] { list->ListItems().Item(0); }, 35600},
            {"Item past the end", [&] { list->ListItems().Item(3); }, 35600},
            {"Remove(0)", [&] { list->ListItems().Remove(0); }, 35600},
            {"SubItems(0)", [&] { stale.SubItems(0); }, 380},
            {"a value the row was not given", [&] { stale.Value(QStringLiteral("RoomID")); }, 380},
            {"a text read as a key",
             [&] {
                 stale.SetValue(QStringLiteral("RoomType"), QStringLiteral("Twin Bed"));
                 stale.Number(QStringLiteral("RoomType"));
             },
             13},
            {"a shown amount read as an amount",
             [&] {
                 stale.SetValue(QStringLiteral("RoomPrice"), QStringLiteral("$20.00"));
                 stale.Money(QStringLiteral("RoomPrice"));
             },
             13},
            {"SelectedItem with none", [&] { list->SelectedItem(); }, 91},
            {"ItemX with none", [&] { list->ItemX(); }, 91},
            {"a handle whose row is gone",
             [&] {
                 list->ListItems().Remove(2);
                 stale.Text();
             },
             35600},
        };
        for (const Case& c : cases)
            QVERIFY2(numberOfFailure(c.step) == c.number, c.what);
    }

    // What a row keeps beside its cells goes with the row, whatever becomes of the columns and
    // of the cells, and a row filled anew keeps only what it is given.
    void valuesStayWithTheirRowWhateverTheColumns() {
        for (int i = 1; i <= 3; ++i) {
            ListItem row = list->ListItems().Add(QString::number(100 + i));
            row.SetValue(QStringLiteral("RoomID"), 10 + i);
            row.SetValue(QStringLiteral("RoomPrice"),
                         QVariant::fromValue(Currency::FromUnits(i * 123456)));
        }
        list->ListItems().Remove(1);
        list->ColumnHeaders().Clear();
        list->ColumnHeaders().Add(QStringLiteral("Floor"), QStringLiteral("Abbr"));
        addRoomColumns();
        ListItem first = list->ListItems().Item(1);
        first.Text(QStringLiteral("13"));
        first.SubItems(4, QStringLiteral("11"));
        QCOMPARE(first.Number(QStringLiteral("RoomID")), 12);
        QCOMPARE(first.Money(QStringLiteral("RoomPrice")), Currency::FromUnits(246912));
        QCOMPARE(list->ListItems().Item(2).Value(QStringLiteral("RoomID")).toInt(), 13);
        QCOMPARE(list->ListItems().Item(2).Money(QStringLiteral("RoomPrice")),
                 Currency::FromUnits(370368));

        list->ListItems().Clear();
        ListItem fresh = list->ListItems().Add(QStringLiteral("101"));
        QCOMPARE(numberOfFailure([&] { fresh.Value(QStringLiteral("RoomID")); }), 380);
    }

    void columnWidthsComeFromTheSampleTexts() {
        QHeaderView* header = list->header();
        QCOMPARE(list->ColumnHeaders().Count(), 4);
        QCOMPARE(header->sectionSize(0), list->fontMetrics().horizontalAdvance("Abbrdrevooo"));
        QCOMPARE(header->sectionSize(1), list->fontMetrics().horizontalAdvance("Ready-to-Run"));
        QVERIFY(!list->isColumnHidden(2));
        QVERIFY(list->isColumnHidden(3));
        list->ColumnHeaders().AddWithWidth(QStringLiteral("Note"), 57);
        QCOMPARE(header->sectionSize(4), 57);
        QCOMPARE(list->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Note"));
    }

    void clearingTheColumnsKeepsTheRows() {
        addRooms(1);
        list->ColumnHeaders().Clear();
        QCOMPARE(list->ColumnHeaders().Count(), 0);
        list->ColumnHeaders().Add(QStringLiteral("Category"), QStringLiteral("Abbrdrevooo"));
        list->ColumnHeaders().Add(QString(), QString());
        QCOMPARE(list->ColumnHeaders().Count(), 2);
        QVERIFY(!list->isColumnHidden(0));
        QVERIFY(list->isColumnHidden(1));
        QCOMPARE(list->ListItems().Item(1).SubItems(1), QStringLiteral("Twin Bed"));
        QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("101"));
    }

    void oneRowIsSelectedAtATime() {
        addRooms(3);
        QVERIFY(!list->HasSelectedItem());
        QCOMPARE(list->SelectedCount(), 0);
        list->ListItems().Item(2).Selected(true);
        QCOMPARE(list->SelectedCount(), 1);
        QCOMPARE(list->SelectedItem().Index(), 2);
        list->ListItems().Item(3).Selected(true);
        QVERIFY(!list->ListItems().Item(2).Selected());
        QVERIFY(list->ListItems().Item(3).Selected());
        list->ListItems().Item(2).Selected(false);
        QCOMPARE(list->SelectedItem().Index(), 3);
        list->ListItems().Item(3).Selected(false);
        QVERIFY(!list->HasSelectedItem());

        list->ListItems().Item(1).Selected(true);
        list->ListItems().Clear();
        QVERIFY(!list->HasSelectedItem());
    }

    void leftPressReportsMouseDownBeforeTheRowIsChosen() {
        addRooms(3);
        EventLog log(*list);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(2));
        QCOMPARE(log.lines, QStringList({"MouseDown 1 0 at 0", "Click at 2"}));
        QCOMPARE(log.lastPoint, list->viewport()->mapTo(list, rowPoint(2)));

        log.lines.clear();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(3));
        QCOMPARE(log.lines, QStringList({"MouseDown 1 0 at 2", "Click at 3"}));

        log.lines.clear();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, rowPoint(1));
        QTest::mouseMove(list->viewport(), rowPoint(2));
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, rowPoint(2));
        QCOMPARE(log.lines, QStringList({"MouseDown 1 0 at 3", "Click at 2"}));
    }

    void mouseDownTellsTheButtonAndShiftKeys_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("expected");
        QTest::newRow("middle") << Qt::MiddleButton << Qt::KeyboardModifiers()
                                << QStringLiteral("MouseDown 4 0");
        QTest::newRow("shift") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier)
                               << QStringLiteral("MouseDown 1 1");
        QTest::newRow("ctrl") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ControlModifier)
                              << QStringLiteral("MouseDown 1 2");
        QTest::newRow("alt") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::AltModifier)
                             << QStringLiteral("MouseDown 1 4");
        QTest::newRow("ctrl shift right")
            << Qt::RightButton << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier)
            << QStringLiteral("MouseDown 2 3");
    }
    void mouseDownTellsTheButtonAndShiftKeys() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, expected);
        addRooms(2);
        EventLog log(*list);
        QTest::mousePress(list->viewport(), button, modifiers, rowPoint(1));
        QTest::mouseRelease(list->viewport(), button, modifiers, rowPoint(1));
        QVERIFY(!log.lines.isEmpty());
        QVERIFY2(log.lines.first().startsWith(expected), qPrintable(log.lines.first()));
    }

    void rightPressChoosesThePressedRowForItsMenu() {
        addRooms(3);
        list->ListItems().Item(1).Selected(true);
        EventLog log(*list);
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, rowPoint(3));
        // The menu opened from MouseDown acts on row 3; a right click is no Click.
        QCOMPARE(log.lines, QStringList({"MouseDown 2 0 at 3"}));
        QCOMPARE(list->SelectedItem().Index(), 3);

        log.lines.clear();
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, belowTheRows());
        QCOMPARE(log.lines, QStringList({"MouseDown 2 0 at 0"}));
    }

    void pressBelowTheRowsIsNoClick() {
        addRooms(2);
        EventLog log(*list);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, belowTheRows());
        QCOMPARE(log.lines, QStringList({"MouseDown 1 0 at 0"}));
    }

    void doubleClickOnARow() {
        addRooms(3);
        EventLog log(*list);
        // The events a real double click brings: press, release, double click, release.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(2));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowPoint(2));
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, rowPoint(2));
        QCOMPARE(log.lines, QStringList({"MouseDown 1 0 at 0", "Click at 2", "DblClick at 2"}));
    }

    void keysMoveTheSelectionAndTypeCharacters() {
        addRooms(3);
        list->setFocus();
        list->ListItems().Item(1).Selected(true);
        EventLog log(*list);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(log.lines, QStringList({"Click at 2"}));
        log.lines.clear();
        QTest::keyClick(list, Qt::Key_A);
        QTest::keyClick(list, Qt::Key_Escape);
        QCOMPARE(log.lines, QStringList({"KeyPress 97", "KeyPress 27"}));
    }

    void enterIsTheListsOwnKey() {
        auto* dialog = new QDialog(window);
        auto* layout = new QVBoxLayout(dialog);
        auto* searchList = new ExtLV(dialog);
        auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
        ok->setDefault(true);
        layout->addWidget(searchList);
        layout->addWidget(ok);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        searchList->setFocus();
        QSignalSpy pressed(ok, &QPushButton::clicked);
        QSignalSpy keys(searchList, &ExtLV::KeyPress);
        QTest::keyClick(searchList, Qt::Key_Return);
        QTest::keyClick(searchList, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(keys.count(), 2);
        QCOMPARE(keys.at(0).at(0).toInt(), 13);
        QCOMPARE(keys.at(1).at(0).toInt(), 13);
        QCOMPARE(pressed.count(), 0);
    }

    void columnClickCountsFromOne() {
        addRooms(1);
        EventLog log(*list);
        QHeaderView* header = list->header();
        const QPoint second(header->sectionViewportPosition(1) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(log.lines, QStringList({"ColumnClick 2"}));
    }

    void smallIconsShowOnTheFirstCell() {
        const QList<QIcon> icons = {colourIcon(Qt::blue), colourIcon(Qt::red)};
        addRooms(4);
        list->ListItems().Item(1).SmallIcon(1);
        list->ListItems().Item(2).SmallIcon(2);
        list->ListItems().Item(4).SmallIcon(3);
        // The customer list attaches its image list after the rows' icons are chosen.
        list->SetSmallIcons(icons);
        auto iconKey = [this](int row, int column) {
            return qvariant_cast<QIcon>(list->model()->index(row, column).data(Qt::DecorationRole))
                .cacheKey();
        };
        QCOMPARE(iconKey(0, 0), icons[0].cacheKey());
        QCOMPARE(iconKey(1, 0), icons[1].cacheKey());
        QVERIFY(list->model()->index(1, 1).data(Qt::DecorationRole).isNull());
        QVERIFY(list->model()->index(2, 0).data(Qt::DecorationRole).isNull());
        QVERIFY(list->model()->index(3, 0).data(Qt::DecorationRole).isNull());
    }

    void editorsOpenJustBelowTheSelectedRow() {
        addRooms(3);
        list->ListItems().Item(2).Selected(true);
        const QRect row = list->visualRect(list->model()->index(1, 0));
        const QPoint expected = list->viewport()->mapToGlobal(row.bottomLeft() + QPoint(0, 1));
        QCOMPARE(list->ItemX(), expected.x());
        QCOMPARE(list->ItemY(), expected.y());
    }

    void viewSwitchesChangeHowRowsArePainted() {
        addRooms(3);
        list->ListItems().Item(1).Selected(true);
        const QRect selectedType = list->visualRect(list->model()->index(0, 1));
        const QRect plainType = list->visualRect(list->model()->index(1, 1));
        auto pixel = [this](const QPoint& at) {
            return list->viewport()->grab().toImage().pixelColor(at);
        };
        // Right of the short texts, where only the cell's background shows.
        const QPoint inCell(plainType.right() - 2, plainType.center().y());
        const QPoint onRowLine(plainType.right() - 2, plainType.bottom());
        const QPoint inSelectedCell(selectedType.right() - 2, selectedType.center().y());

        QCOMPARE(pixel(inSelectedCell), pixel(inCell));
        QCOMPARE(pixel(onRowLine), pixel(inCell));
        list->FullRowSelect(true);
        QVERIFY(pixel(inSelectedCell) != pixel(inCell));
        list->GridLines(true);
        QVERIFY(pixel(onRowLine) != pixel(inCell));
    }
};

STAYMARK_TEST_MAIN(TestExtLV)
#include "tst_ExtLV.moc"
