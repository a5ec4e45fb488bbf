#include "core/Errors.h"
#include "core/ui/CDLG.h"
#include "core/ui/Dialogs.h"
#include "core/ui/ExtLV.h"
#include "core/ui/ListExport.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/SheetReader.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestListExport : public TestSupport::ProgramTest {
    Q_OBJECT

    QTemporaryDir folder;
    ExtLV* list = nullptr;

    QStringList filesWritten() const {
        return QDir(folder.path()).entryList(QDir::Files, QDir::Name);
    }

    void initTest() override {
        QVERIFY(folder.isValid());
        for (const QString& name : filesWritten())
            QFile::remove(folder.filePath(name));
        list = new ExtLV;
        list->ColumnHeaders().Add(QStringLiteral("Title"), QStringLiteral("Abbrdreviouii"));
        list->ColumnHeaders().Add(QStringLiteral("First Name"), QStringLiteral("Abbrdrev3653"));
        list->ColumnHeaders().Add(QString(), QString());
        ListItem item = list->ListItems().Add(QStringLiteral("Mr."));
        item.SubItems(1, QStringLiteral("John"));
        item.SubItems(2, QStringLiteral("17"));
    }
    void cleanupTest() override {
        delete list;
        list = nullptr;
    }

private slots:
    void theSaveDialogIsAskedAsTheExportsAskIt() {
        Dialogs::Testing::AnswerNextFile(QString()); // cancelled
        Dialogs::Testing::AnswerNextFile(QString());
        QVERIFY(!ListExport::ExportToExcel(*list, nullptr, QStringLiteral("Customer List")));
        QVERIFY(!ListExport::ExportToExcel(*list, nullptr, QString()));
        const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].kind, QStringLiteral("save"));
        QCOMPARE(shown[0].title, QStringLiteral("Export to"));
        QCOMPARE(shown[0].text, QStringLiteral("*.xlsx (Excel Workbook) (*.xlsx)"));
        QCOMPARE(shown[0].defaultSuffix, QStringLiteral("xlsx"));
        QCOMPARE(shown[0].initialPath, QDir::current().filePath(QStringLiteral("Customer List")));
        // The room schedule gives no name: the dialog opens on the current folder.
        QCOMPARE(shown[1].initialPath, QDir::currentPath());
        QVERIFY(!QFile::exists(QDir::current().filePath(QStringLiteral("Customer List.xlsx"))));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void theChosenNameDecidesTheFile_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain name") << "Customer List"
                                    << "Customer List.xlsx";
        QTest::newRow("ending given") << "rooms.xlsx"
                                      << "rooms.xlsx";
        QTest::newRow("ending in capitals") << "ROOMS.XLSX"
                                            << "ROOMS.XLSX";
        QTest::newRow("ending mixed") << "rooms.xLsX"
                                      << "rooms.xLsX";
        QTest::newRow("the old ending") << "rooms.xls"
                                        << "rooms.xls.xlsx";
        QTest::newRow("dot only") << "rooms."
                                  << "rooms..xlsx";
        QTest::newRow("wildcard") << "*.xlsx"
                                  << "";
        QTest::newRow("wildcard inside") << "ro*ms"
                                         << "";
    }
    void theChosenNameDecidesTheFile() {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        Dialogs::Testing::AnswerNextFile(folder.filePath(chosen));
        QCOMPARE(ListExport::ExportToExcel(*list, nullptr, QStringLiteral("Room List")),
                 !written.isEmpty());
        QCOMPARE(filesWritten(), written.isEmpty() ? QStringList() : QStringList{written});
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        if (written.isEmpty())
            return;
        const SheetReader::Sheet sheet = SheetReader::ReadFirstSheet(folder.filePath(written));
        QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
        QCOMPARE(sheet.rows, QList<QStringList>({{"Title", "First Name"}, {"Mr.", "John"}}));
    }

    void aFileThatCannotBeWrittenIsReported() {
        const QString file = folder.filePath(QStringLiteral("gone/Customer List.xlsx"));
        Dialogs::Testing::AnswerNextFile(file);
        try {
            ListExport::ExportToExcel(*list, nullptr, QStringLiteral("Customer List"));
            QFAIL("the failed export was taken for a written file");
        } catch (const StaymarkError& error) {
            QCOMPARE(error.Number(), 75L);
            QVERIFY(error.Description().contains(QDir::toNativeSeparators(file)));
        }
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void saveDialogGivesBackTheChoice_data() {
        QTest::addColumn<bool>("overwritePrompt");
        QTest::addColumn<long>("flagsIn");
        QTest::addColumn<long>("flagsOut");
        QTest::newRow("prompt, no extra bits") << true << 0L << 6L;
        QTest::newRow("no prompt") << false << 0L << 4L;
        QTest::newRow("hook and template bits dropped") << true << 0x68L << 14L;
    }
    void saveDialogGivesBackTheChoice() {
        QFETCH(bool, overwritePrompt);
        QFETCH(long, flagsIn);
        QFETCH(long, flagsOut);
        CDLG dialog;
        const QString chosen = folder.filePath(QStringLiteral("Room List.xlsx"));
        Dialogs::Testing::AnswerNextFile(chosen);
        QString fileName = QStringLiteral("Room List");
        QString fileTitle;
        long filterIndex = 1;
        long flags = flagsIn;
        QVERIFY(dialog.VBGetSaveFileName(fileName, fileTitle, overwritePrompt,
                                         QStringLiteral("*.xlsx (Excel Workbook)|*.xlsx"),
                                         filterIndex, folder.path(), QStringLiteral("Export to"),
                                         QStringLiteral("*.xlsx"), nullptr, flags));
        QCOMPARE(dialog.APIReturn(), 1L);
        QCOMPARE(fileName, chosen);
        QCOMPARE(fileTitle, QStringLiteral("Room List.xlsx"));
        QCOMPARE(flags, flagsOut);
        QCOMPARE(filterIndex, 1L);
        const Dialogs::Shown& shown = Dialogs::Testing::Record().last();
        QCOMPARE(shown.initialPath, folder.filePath(QStringLiteral("Room List")));
        QCOMPARE(shown.defaultSuffix, QStringLiteral("xlsx"));
    }

    void aCancelledSaveDialogEmptiesTheName() {
        CDLG dialog;
        QString fileName = QStringLiteral("Customer List");
        QString fileTitle = QStringLiteral("Customer List");
        long filterIndex = 1;
        long flags = 0;
        Dialogs::Testing::AnswerNextFile(QString()); // cancelled
        QVERIFY(!dialog.VBGetSaveFileName(
            fileName, fileTitle, true, QStringLiteral("*.xlsx (Excel Workbook)|*.xlsx"),
            filterIndex, QDir::currentPath(), QStringLiteral("Export to"), QStringLiteral("*.xlsx"),
            nullptr, flags));
        QCOMPARE(dialog.APIReturn(), 0L);
        QCOMPARE(dialog.ExtendedError(), 0L);
        QCOMPARE(fileName, QString());
        QCOMPARE(fileTitle, QString());
        QCOMPARE(flags, 0L);
        QCOMPARE(filterIndex, 0L);
    }

    void filtersAreHandedOverInTheDialogsForm_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qtForm");
        QTest::newRow("the exports' filter") << "*.xlsx (Excel Workbook)|*.xlsx"
                                             << "*.xlsx (Excel Workbook) (*.xlsx)";
        QTest::newRow("two pairs") << "Rich Text|*.rtf|All Files|*.*"
                                   << "Rich Text (*.rtf);;All Files (*.*)";
        QTest::newRow("several patterns") << "Pictures|*.bmp;*.png"
                                          << "Pictures (*.bmp *.png)";
        QTest::newRow("a description without pattern is dropped") << "Lonely"
                                                                  << "";
    }
    void filtersAreHandedOverInTheDialogsForm() {
        QFETCH(QString, filter);
        QFETCH(QString, qtForm);
        QCOMPARE(CDLG::QtFilter(filter), qtForm);
    }
};

STAYMARK_TEST_MAIN(TestListExport)
#include "tst_ListExport.moc"
