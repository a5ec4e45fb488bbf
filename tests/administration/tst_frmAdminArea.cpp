#include "administration/AdminCataloguePage.h"
#include "administration/AdminDatabasePage.h"
#include "administration/AdminHotelPage.h"
#include "core/CIniFile.h"
#include "core/ErrorReport.h"
#include "core/SqlLiteral.h"
#include "core/ui/FormControls.h"
#include "tests/administration/AdminWindowFixture.h"
#include "tests/support/SheetReader.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QTemporaryDir>

// The administration window itself: how it opens, its pages, its load and the room list's
// export.
class TestFrmAdminArea : public AdminWindowFixture {
    Q_OBJECT

    QString idOf(const QString& sql) const {
        Recordset row = db->Query(sql);
        return row.AtEOF() ? QString() : row.Fields(0).toString();
    }

    static QString addFourRooms() {
        return AddRooms({{"101", "Chef's room", "Twin Bed", "1500"},
                         {"102", "Sea view", "Double Bed", "80.5"},
                         {"103", "", "Single Bed", "60"},
                         {"104", "Attic", "Single Bed", "45"}});
    }

    // A category with its items, each {name, price, note}, as another desk stored them.
    QString storeCategory(const QString& name, const QList<QStringList>& items) {
        QString error = db->Run(QStringLiteral("INSERT INTO tbl_foodCat(catName) VALUES(") +
                                SqlLiteral::Text(name) + QLatin1Char(')'));
        const QString category =
            idOf(QStringLiteral("SELECT MAX(ID) FROM tbl_foodCat WHERE catName = ") +
                 SqlLiteral::Text(name));
        for (const QStringList& item : items)
            if (error.isEmpty())
                error = db->Run(QStringLiteral("INSERT INTO tbl_FoodItem(ItemName, ItemPrice, "
                                               "ItemNote, ItemCat) VALUES(") +
                                SqlLiteral::Text(item.at(0)) + QLatin1Char(',') + item.at(1) +
                                QLatin1Char(',') + SqlLiteral::Text(item.at(2)) + QLatin1Char(',') +
                                category + QLatin1Char(')'));
        return error;
    }

private slots:
    void opensOnceFromTheMenuAndTheToolbar() {
        frmAdminArea* form = OpenAdmin();
        QVERIFY(form);
        const QList<QMdiSubWindow*> children = main->MdiArea->subWindowList();
        QCOMPARE(children.size(), 1);
        QCOMPARE(children.first()->widget(), form);
        QCOMPARE(children.first()->windowTitle(), QStringLiteral("Administration"));
        QCOMPARE(children.first()->size(), TwipsSize(9450, 7755));

        triggerAction(QStringLiteral("mnuAdministration"));
        triggerAction(QStringLiteral("toolAdmin"));
        QCOMPARE(main->MdiArea->subWindowList().size(), 1);
        QCOMPARE(LoadedInstance<frmAdminArea>(), form);

        // Closed, it is made afresh by the next command.
        children.first()->close();
        QTRY_VERIFY(!LoadedInstance<frmAdminArea>());
        triggerAction(QStringLiteral("toolAdmin"));
        QVERIFY(LoadedInstance<frmAdminArea>());
        VERIFY_NOTHING_SHOWN();
    }

    void loadShowsThePagesAndFillsTheLists() {
        VERIFY_RAN(AdminStatements::AddRoom("101", "Chef's room", "Twin Bed", "1500"));
        VERIFY_RAN(db->AddUser("clerk", "pw", "0,0,0,1,0"));
        frmAdminArea* form = OpenAdmin();
        QVERIFY(form);
        QCOMPARE(form->SSTab1->parentWidget(), form->PicInner);
        const QStringList captions{"Rooms", " Food && Beverage", "Database Settings",
                                   "User Accounts", "Other Settings"};
        QCOMPARE(form->SSTab1->count(), captions.size());
        for (int page = 0; page < captions.size(); ++page)
            QCOMPARE(form->SSTab1->tabText(page), captions[page]);
        QCOMPARE(form->SSTab1->widget(0), form->RoomsPage);
        QVERIFY(qobject_cast<AdminCataloguePage*>(form->SSTab1->widget(1)));
        QVERIFY(qobject_cast<AdminDatabasePage*>(form->SSTab1->widget(2)));
        QCOMPARE(form->SSTab1->widget(3), form->UsersPage);
        QVERIFY(qobject_cast<AdminHotelPage*>(form->SSTab1->widget(4)));
        const std::pair<int, const char*> frames[] = {
            {0, "Add / Remove Rooms"}, {3, "Add Account"}, {3, "Users Settings"}};
        for (const auto& [page, title] : frames) {
            QStringList titles;
            for (const QGroupBox* frame : form->SSTab1->widget(page)->findChildren<QGroupBox*>())
                titles << frame->title();
            QVERIFY2(titles.contains(QLatin1String(title)), title);
        }

        ExtLV* rooms = form->RoomsPage->listRoomView;
        QCOMPARE(HeadersOf(rooms),
                 (QStringList{"Room ID", "Descripton", "Room Type", "Tariff", ""}));
        QCOMPARE(rooms->header()->sectionSize(4), 0);
        const QString roomKey = idOf(QStringLiteral("SELECT RoomID FROM tbl_Rooms"));
        QCOMPARE(RowsOf(rooms, 5), QStringList{"101|Chef's room|Twin Bed|$1,500.00|" + roomKey});

        ExtLV* users = form->UsersPage->UserList;
        QCOMPARE(HeadersOf(users),
                 (QStringList{"User Name", "Settings", "Room View", "Tax View|Edit",
                              "Customer View|Edit", "View Report", ""}));
        QCOMPARE(users->header()->sectionSize(6), 0);
        const QString adminId = idOf(QStringLiteral("SELECT ID FROM tbl_users WHERE cusername = "
                                                    "'admin'"));
        const QString clerkId = idOf(QStringLiteral("SELECT ID FROM tbl_users WHERE cusername = "
                                                    "'clerk'"));
        QCOMPARE(RowsOf(users, 7), (QStringList{"admin|Yes|Yes|Yes|Yes|Yes|" + adminId,
                                                "clerk|No|No|No|No|Yes|" + clerkId}));

        QComboBox* types = form->RoomsPage->comboRoomType;
        QCOMPARE(types->count(), 3);
        QCOMPARE(types->itemText(0), QStringLiteral("Twin Bed"));
        QCOMPARE(types->itemText(1), QStringLiteral("Single Bed"));
        QCOMPARE(types->itemText(2), QStringLiteral("Double Bed"));
        QCOMPARE(types->currentText(), QStringLiteral("Twin Bed"));
        QVERIFY(!form->RoomsPage->ProgressBar1->isVisible());
        VERIFY_NOTHING_SHOWN();
        QVERIFY(ErrMsg.isEmpty());
    }

    void theHostedPagesLoadWithTheWindow() {
        VERIFY_RAN(storeCategory("Starters", {{"Soup", "4.5", "hot"}, {"Salad", "3.25", ""}}));
        VERIFY_RAN(storeCategory("Drinks", {{"Cola", "2", "can"}}));
        VERIFY_RAN(db->Run("UPDATE tbl_HotelInfo SET HotelName = 'Grand Hotel', HotelPhoneNo = "
                           "'555 0100', HotelFaxNo = '555 0101', HotelAddress = '1 Quay Street', "
                           "AddOrderSign = 1"));
        // The page shows the connection the program runs on, not what config.ini says since.
        const bool server = db->Which() == TestSupport::Backend::MariaDB;
        const QString file = ReadConfigValue("settings", "db");
        const QString database = ReadConfigValue("settings", "SQLDBname");
        for (const char* key : {"db", "SQLhost", "SQLDBname"})
            WriteConfigValue("settings", QLatin1String(key), "/elsewhere");
        WriteConfigValue("settings", "UseSQL", server ? "0" : "1");
        frmAdminArea* form = OpenAdmin();
        QVERIFY(form);

        AdminCataloguePage* catalogue = form->CataloguePage;
        QCOMPARE(form->SSTab1->widget(1), catalogue);
        QCOMPARE(RowsOf(catalogue->ItemCatLV, 1), (QStringList{"Starters", "Drinks"}));
        QVERIFY(catalogue->ItemCatLV->ListItems().Item(1).Selected());
        QCOMPARE(RowsOf(catalogue->FoodLV, 3), (QStringList{"Soup|$4.50|hot", "Salad|$3.25|"}));
        QCOMPARE(HeadersOf(catalogue->FoodLV),
                 (QStringList{"Item Name", "Item Price", "Item Note", ""}));

        AdminDatabasePage* settings = form->DatabasePage;
        QCOMPARE(form->SSTab1->widget(2), settings);
        QCOMPARE(settings->UseMySQL->isChecked(), server);
        const QStringList shown{settings->txtDBpath->text(),      settings->txtDBpass->text(),
                                settings->txtSQLHost->text(),     settings->txtSQLDBName->text(),
                                settings->txtSQLUserName->text(), settings->txtSQLPassWord->text()};
        const QStringList inUse = server ? QStringList{"",
                                                       "",
                                                       TestSupport::ServerHost(),
                                                       database,
                                                       TestSupport::ServerUser(),
                                                       TestSupport::ServerPassword()}
                                         : QStringList{file, "513097", "", "", "", ""};
        QCOMPARE(shown, inUse);

        AdminHotelPage* hotel = form->HotelPage;
        QCOMPARE(form->SSTab1->widget(4), hotel);
        QCOMPARE((QStringList{hotel->txtHotelName->text(), hotel->txtHotelPhone->text(),
                              hotel->txtHotelFax->text(), hotel->txtHotelAddress->text()}),
                 (QStringList{"Grand Hotel", "555 0100", "555 0101", "1 Quay Street"}));
        QVERIFY(hotel->AddOrderSign->isChecked());
        VERIFY_NOTHING_SHOWN();
        QVERIFY(!frmErrorReport::Instance());
    }

    void aListThatFailsIsReportedAndTheOthersStillLoad() {
        VERIFY_RAN(db->Run(QStringLiteral("DROP TABLE tbl_Rooms")));
        frmAdminArea* form = OpenAdmin();
        QVERIFY(form);
        const QString report = ReportShown();
        QVERIFY2(report.startsWith(QStringLiteral("Error Code : ADM0016\n")), qPrintable(report));
        QVERIFY2(report.endsWith(QStringLiteral("-----SQL QUERY WAS----\nSELECT * FROM tbl_Rooms")),
                 qPrintable(report));
        QCOMPARE(form->RoomsPage->listRoomView->ListItems().Count(), 0);
        QCOMPARE(form->UsersPage->UserList->ListItems().Count(), 1);
    }

    void exportWritesTheRoomListShowingItsProgress_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain name") << "Room List"
                                    << "Room List.xlsx";
        QTest::newRow("ending in capitals") << "rooms.XLSX"
                                            << "rooms.XLSX";
        QTest::newRow("another ending") << "rooms.xls"
                                        << "rooms.xls.xlsx";
    }
    void exportWritesTheRoomListShowingItsProgress() {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        VERIFY_RAN(addFourRooms());
        QTemporaryDir folder;
        frmAdminArea* form = OpenAdmin();
        QProgressBar* bar = form->RoomsPage->ProgressBar1;
        QList<int> values;
        QList<bool> busy;
        connect(bar, &QProgressBar::valueChanged, this, [&](int value) {
            values << value;
            busy << (QApplication::overrideCursor() &&
                     QApplication::overrideCursor()->shape() == Qt::WaitCursor);
        });
        Dialogs::Testing::AnswerNextFile(folder.filePath(chosen));
        ChooseFromMenu(form->RoomsPage->listRoomView, form->RoomsPage->AGPopUp1, "101",
                       "mnuExportToExcel");

        const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().kind, QStringLiteral("save"));
        QCOMPARE(shown.first().title, QStringLiteral("Export to"));
        QCOMPARE(shown.first().initialPath, QDir::current().filePath(QStringLiteral("Room List")));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{written});
        const SheetReader::Sheet sheet = SheetReader::ReadFirstSheet(folder.filePath(written));
        QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
        QCOMPARE(sheet.rows.size(), 5);
        QCOMPARE(sheet.rows[0], (QStringList{"Room ID", "Descripton", "Room Type", "Tariff"}));
        QCOMPARE(sheet.rows[1], (QStringList{"101", "Chef's room", "Twin Bed", "$1,500.00"}));

        // Reset, then one step per row written, under the busy pointer; hidden at the end.
        QCOMPARE(values, (QList<int>{0, 250, 500, 750, 1000}));
        QCOMPARE(busy, (QList<bool>{false, true, true, true, true}));
        QCOMPARE(bar->value(), 1000);
        QVERIFY(!bar->isVisible());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(ErrMsg.isEmpty());
    }

    void aCancelledExportWritesNothing() {
        VERIFY_RAN(addFourRooms());
        frmAdminArea* form = OpenAdmin();
        const QStringList before = QDir::current().entryList(QDir::Files);
        Dialogs::Testing::AnswerNextFile(QString());
        ChooseFromMenu(form->RoomsPage->listRoomView, form->RoomsPage->AGPopUp1, "102",
                       "mnuExportToExcel");
        QCOMPARE(Dialogs::Testing::Record().size(), 1);
        QCOMPARE(QDir::current().entryList(QDir::Files), before);
        // Nothing was exported: the bar stays as the menu left it.
        QVERIFY(form->RoomsPage->ProgressBar1->isVisible());
        QCOMPARE(form->RoomsPage->ProgressBar1->value(), 0);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // Enter in a page's box presses the page's button, as a click does; the key goes no further
    // than the box, so the balloon the button raises stays on screen.
    void enterInABoxPressesItsPagesButton_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("typed"); // "box=text", typed over each box in this order
        QTest::addColumn<QString>("enterIn");
        QTest::addColumn<QString>("balloon");
        QTest::newRow("account") << 3 << QStringList{"txtUserName=clerk"} << "txtUserName"
                                 << "Please enter User Password";
        QTest::newRow("room") << 0
                              << QStringList{"txtRoomID=301", "txtRoomDesc=Sea view",
                                             "txtRoomPrice=abc"}
                              << "txtRoomDesc"
                              << "Invalid Tariff";
        QTest::newRow("category") << 1 << QStringList{"itmCat="} << "itmCat"
                                  << "Enter Category name";
        QTest::newRow("item") << 1 << QStringList{"itmPrice=4"} << "itmPrice"
                              << "Item Name";
    }
    void enterInABoxPressesItsPagesButton() {
        QFETCH(int, tab);
        QFETCH(QStringList, typed);
        QFETCH(QString, enterIn);
        QFETCH(QString, balloon);
        frmAdminArea* form = OpenAdmin();
        form->SSTab1->setCurrentIndex(tab);
        for (const QString& entry : typed) {
            auto* box = TestSupport::control<QLineEdit>(form, entry.section('=', 0, 0));
            QTest::mouseClick(box, Qt::LeftButton);
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClicks(box, entry.section('=', 1));
        }
        if (tab == 0)
            form->RoomsPage->comboRoomType->setEditText(QStringLiteral("Twin Bed"));
        auto* box = TestSupport::control<QLineEdit>(form, enterIn);
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(TestSupport::ShownBalloon(form).title, balloon);
        VERIFY_NOTHING_SHOWN();
    }

    void aFileThatCannotBeWrittenIsReportedUnderTheExportsCode() {
        VERIFY_RAN(addFourRooms());
        QTemporaryDir folder;
        frmAdminArea* form = OpenAdmin();
        Dialogs::Testing::AnswerNextFile(folder.filePath(QStringLiteral("gone/rooms")));
        ChooseFromMenu(form->RoomsPage->listRoomView, form->RoomsPage->AGPopUp1, "101",
                       "mnuExportToExcel");
        const QString report = ReportShown();
        QVERIFY2(report.startsWith(QStringLiteral("Error Code : ADM0002\nPath/File access error")),
                 qPrintable(report));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }
};

STAYMARK_TEST_MAIN(TestFrmAdminArea)
#include "tst_frmAdminArea.moc"
