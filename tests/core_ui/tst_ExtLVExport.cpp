#include "core/ui/ExtLV.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/SheetReader.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestExtLVExport : public TestSupport::ProgramTest {
    Q_OBJECT

    QTemporaryDir folder;
    ExtLV* list = nullptr;

    // The rooms page's list: four shown columns and the hidden room key.
    void addRoomColumns() {
        list->ColumnHeaders().Add(QStringLiteral("Room ID"), QStringLiteral("Abbrdrev36535653"));
        list->ColumnHeaders().Add(QStringLiteral("Descripton"), QStringLiteral("Algorithms5636"));
        list->ColumnHeaders().Add(QStringLiteral("Room Type"), QStringLiteral("Ready-to-Run"));
        list->ColumnHeaders().Add(QStringLiteral("Tariff"), QStringLiteral("Ready-to-Run Visual "));
        list->ColumnHeaders().Add(QString(), QString());
    }
    void addRow(const QStringList& cells) {
        ListItem item = list->ListItems().Add(cells.first());
        for (int column = 1; column < cells.size(); ++column)
            item.SubItems(column, cells[column]);
    }
    QString path(const QString& name) const { return folder.filePath(name); }

    void initTest() override {
        QVERIFY(folder.isValid());
        list = new ExtLV;
        addRoomColumns();
    }
    void cleanupTest() override {
        delete list;
        list = nullptr;
    }

private slots:
    void everyRowIsWrittenAsTextUnderTheHeaders() {
        addRow({"007", "Sea view, 2nd floor", "Twin Bed", "$1,500.00", "31"});
        addRow({"101", "Guest's \"quiet\" <room> & bath", "Single Bed", "", "32"});
        addRow({"1e3", "Zoë's suite — 日本", "Double Bed", "$0.50", "33"});
        addRow({"0012", "  blanks kept  ", "", "=1+1", "34"});
        // Written at once, before the view was told of the rows.
        const QString file = path(QStringLiteral("Room List.xlsx"));
        QVERIFY(list->Export(file, true));

        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.read(2), QByteArray("PK"));
        const SheetReader::Sheet sheet = SheetReader::ReadFirstSheet(file);
        QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
        const QList<QStringList> expected = {
            {"Room ID", "Descripton", "Room Type", "Tariff"},
            {"007", "Sea view, 2nd floor", "Twin Bed", "$1,500.00"},
            {"101", "Guest's \"quiet\" <room> & bath", "Single Bed", ""},
            {"1e3", "Zoë's suite — 日本", "Double Bed", "$0.50"},
            {"0012", "  blanks kept  ", "", "=1+1"},
        };
        QCOMPARE(sheet.rows, expected);
        QCOMPARE(sheet.nonTextCells, QStringList());
    }

    void anEmptyListWritesItsHeaderRow() {
        const QString file = path(QStringLiteral("empty.xlsx"));
        QVERIFY(list->Export(file));
        const SheetReader::Sheet sheet = SheetReader::ReadFirstSheet(file);
        QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
        QCOMPARE(sheet.rows,
                 QList<QStringList>({{"Room ID", "Descripton", "Room Type", "Tariff"}}));
    }

    void anExistingFileIsReplaced() {
        const QString file = path(QStringLiteral("old.xlsx"));
        QFile old(file);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older, longer file that is not a workbook at all ......................");
        old.close();
        addRow({"201", "", "Twin Bed", "$10.00", "1"});
        QVERIFY(list->Export(file));
        const SheetReader::Sheet sheet = SheetReader::ReadFirstSheet(file);
        QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
        QCOMPARE(sheet.rows.size(), 2);
        QCOMPARE(sheet.rows[1].first(), QStringLiteral("201"));
    }

    void aNoteLongerThanACellHoldsIsCutToFit() {
        const QString note(40000, QLatin1Char('n'));
        addRow({"301", note, "Twin Bed", "$10.00", "1"});
        const QString file = path(QStringLiteral("long.xlsx"));
        QVERIFY(list->Export(file));
        const SheetReader::Sheet sheet = SheetReader::ReadFirstSheet(file);
        QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
        QCOMPARE(sheet.rows[1][1].size(), 32767);
        QCOMPARE(sheet.rows[1][2], QStringLiteral("Twin Bed"));
    }

    void progressCountsTheRowsAsTheyAreWritten() {
        for (const char* id : {"501", "502", "503"})
            addRow({QString::fromLatin1(id), "", "Twin Bed", "$10.00", "1"});
        const QString file = path(QStringLiteral("progress.xlsx"));
        QList<QPair<int, int>> told;
        QVERIFY(list->Export(file, true, [&](int rowsWritten, int rowCount) {
            told.append({rowsWritten, rowCount});
        }));
        QCOMPARE(told, (QList<QPair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
    }

    void aFileThatCannotBeWrittenIsNotReportedAsWritten() {
        addRow({"401", "", "Twin Bed", "$10.00", "1"});
        const QString file = path(QStringLiteral("no such folder/list.xlsx"));
        QVERIFY(!list->Export(file));
        QVERIFY(!QFile::exists(file));
    }
};

STAYMARK_TEST_MAIN(TestExtLVExport)
#include "tst_ExtLVExport.moc"
