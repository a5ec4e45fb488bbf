#include "core/Currency.h"
#include "core/DefaultInstance.h"
#include "core/ui/AGPopUp.h"
#include "core/ui/Dialogs.h"
#include "food_orders/frmFoodTxtView.h"
#include "tests/support/ProgramTest.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextLayout>
#include <QToolBar>

namespace {

const QString kDashes = QString(81, QLatin1Char('-')) + QLatin1Char(' ');

FoodBill aBill() {
    FoodBill bill;
    bill.title = QStringLiteral("Mrs.");
    bill.firstName = QStringLiteral("Zoë");
    bill.lastName = QStringLiteral("Łukasiewicz");
    bill.customerId = QStringLiteral("#ZLABCDEF");
    bill.orderId = QStringLiteral("#101112131415");
    bill.items = {{QStringLiteral("Tea"), QStringLiteral("$2.50")},
                  {QStringLiteral("Crème brûlée"), QStringLiteral("$4.00")}};
    bill.total = QStringLiteral("$6.50");
    bill.percent = QStringLiteral("10");
    bill.tax = QStringLiteral("$0.65");
    bill.amountWithTax = QStringLiteral("$7.15");
    return bill;
}

// The bill's lines as the editor holds them: one tab before the details and before each amount.
QString expectedText() {
    return QStringLiteral("Customer Name \t: Mrs. Zoë Łukasiewicz\n\n"
                          "Customer ID \t: #ZLABCDEF\n"
                          "Food & Beverages Order No. \t: #101112131415\n\n") +
           kDashes + QStringLiteral("\nTea\t$2.50\nCrème brûlée\t$4.00\n") + kDashes +
           QStringLiteral("\nTotal \t$6.50\nTax \t10%\nTax Amount\t$0.65\nGrand Total \t$7.15");
}

// A saved file as unrtf reads it: its HTML, and the text with tabs and line breaks.
struct ReadBack {
    QString html;
    QString text;
};

ReadBack readBack(const QString& path) {
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (unrtf.isEmpty())
        return {};
    QProcess process;
    process.start(unrtf, {QStringLiteral("--html"), path});
    process.waitForFinished(30000);
    ReadBack back;
    back.html = QString::fromUtf8(process.readAllStandardOutput());
    QString body =
        back.html.section(QStringLiteral("<body>"), 1).section(QStringLiteral("</body>"), 0, 0);
    // unrtf writes a tab as spaces up to the next stop and a line end.
    body.replace(QRegularExpression(QStringLiteral("(&nbsp;)+\n")), QStringLiteral("[TAB]"));
    body.replace(QStringLiteral("<br>"), QStringLiteral("[BR]"));
    // Alignment comes as blocks around the paragraph, which would read as more lines.
    body.remove(QRegularExpression(QStringLiteral("</?(center|div)[^>]*>")));
    body.remove(QLatin1Char('\n'));
    back.text = QTextDocumentFragment::fromHtml(body).toPlainText();
    back.text.replace(QStringLiteral("[TAB]"), QStringLiteral("\t"))
        .replace(QStringLiteral("[BR]"), QStringLiteral("\n"));
    if (back.text.endsWith(QLatin1Char('\n')))
        back.text.chop(1);
    return back;
}

} // namespace

// The bill view: the bill's text, the tool band, formatting, editing, the right-click menu and
// the rich-text file as other programs read it.
class TestFrmFoodTxtView : public TestSupport::ProgramTest {
    Q_OBJECT

    frmFoodTxtView* form = nullptr;

    void selectLine(int line) {
        QTextCursor cursor(form->RichText->document()->findBlockByNumber(line));
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        form->RichText->setTextCursor(cursor);
    }
    QTextCharFormat formatAt(int line, int offset = 1) {
        QTextCursor cursor(form->RichText->document()->findBlockByNumber(line));
        cursor.setPosition(cursor.position() + offset);
        return cursor.charFormat();
    }
    void press(const char* key) { form->Button(QString::fromLatin1(key))->trigger(); }

    void initTest() override {
        frmFoodTxtView::ShowBill(aBill());
        form = LoadedInstance<frmFoodTxtView>();
        QVERIFY(form);
    }
    void cleanupTest() override {
        form = nullptr;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

private slots:

    void billIsTheTabAlignedLinesOfTheOrder() {
        QCOMPARE(form->windowTitle(), QStringLiteral("Food & Beverages Details"));
        QCOMPARE(form->RichText->toPlainText(), expectedText());
        QCOMPARE(BillText(aBill()),
                 QString(expectedText()).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
        // One open bill view stays with its bill.
        FoodBill other = aBill();
        other.firstName = QStringLiteral("Bob");
        frmFoodTxtView::ShowBill(other);
        QCOMPARE(LoadedInstance<frmFoodTxtView>(), form);
        QCOMPARE(form->RichText->toPlainText(), expectedText());
    }

    void amountsPrintInTheSystemsFormats_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("printedPercent");
        QTest::addColumn<QString>("printedTotal"); // empty: the locale's currency text of 6.5
        QTest::newRow("no tax") << "en_US"
                                << "0"
                                << "6.5"
                                << "0%"
                                << "";
        QTest::newRow("fraction, comma locale") << "de_DE"
                                                << "7,5"
                                                << "6,50"
                                                << "7,5%"
                                                << "";
        QTest::newRow("typed over, not money") << "en_US"
                                               << "ten"
                                               << "six"
                                               << "ten%"
                                               << "six";
    }
    void amountsPrintInTheSystemsFormats() {
        QFETCH(QString, locale);
        QFETCH(QString, percent);
        QFETCH(QString, total);
        QFETCH(QString, printedPercent);
        QFETCH(QString, printedTotal);
        QLocale::setDefault(QLocale(locale));
        if (printedTotal.isEmpty())
            printedTotal = Currency::FromText(QStringLiteral("6.5"), QLocale::c()).Format();
        FoodBill bill = aBill();
        bill.percent = percent;
        bill.total = total;
        const QStringList lines = BillText(bill).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.value(9), QStringLiteral("Total \t") + printedTotal);
        QCOMPARE(lines.value(10), QStringLiteral("Tax \t") + printedPercent);
    }

    void toolBandListsEveryFontAndTheSizes() {
        QStringList fonts;
        for (int i = 0; i < form->Combo1->count(); ++i)
            fonts << form->Combo1->itemText(i);
        for (const QString& family : QFontDatabase::families())
            QVERIFY2(fonts.contains(family), qPrintable(family));
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("Arial"));
        QVERIFY(!form->Combo1->isEditable());
        QStringList sizes;
        for (int i = 0; i < form->Combo2->count(); ++i)
            sizes << form->Combo2->itemText(i);
        QCOMPARE(sizes, (QStringList{"8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18",
                                     "19", "20"}));
        QCOMPARE(form->Combo2->currentText(), QStringLiteral("12"));
        QStringList buttons;
        for (QAction* action : form->Toolbar1->actions())
            buttons << action->objectName() + QLatin1Char(':') + action->toolTip();
        QCOMPARE(buttons.mid(0, 6),
                 (QStringList{"boldi:Blod", "italici:Italic", "underlinei:Underline",
                              "alignlefti:Align Left", "aligncenteri:Align Center",
                              "alinerighti:Align Rigt"}));
        QCOMPARE(buttons.size(), 14);
    }

    void boldItalicUnderlineSwitchAndShowPressed_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("bold") << "boldi";
        QTest::newRow("italic") << "italici";
        QTest::newRow("underline") << "underlinei";
    }
    void boldItalicUnderlineSwitchAndShowPressed() {
        QFETCH(QString, key);
        auto isOn = [&](const QTextCharFormat& f) {
            return key == QLatin1String("boldi")     ? f.fontWeight() > QFont::Normal
                   : key == QLatin1String("italici") ? f.fontItalic()
                                                     : f.fontUnderline();
        };
        selectLine(0);
        form->Button(key)->trigger();
        QVERIFY(isOn(formatAt(0)));
        QVERIFY(!isOn(formatAt(2)));
        QVERIFY(form->Button(key)->isChecked());
        form->Button(key)->trigger();
        QVERIFY(!isOn(formatAt(0)));
        QVERIFY(!form->Button(key)->isChecked());
    }

    void alignmentOfTheChosenLines() {
        selectLine(2);
        press("aligncenteri");
        QVERIFY(form->RichText->document()->findBlockByNumber(2).blockFormat().alignment() &
                Qt::AlignHCenter);
        press("alinerighti");
        QVERIFY(form->RichText->document()->findBlockByNumber(2).blockFormat().alignment() &
                Qt::AlignRight);
        press("alignlefti");
        QVERIFY(form->RichText->document()->findBlockByNumber(2).blockFormat().alignment() &
                Qt::AlignLeft);
        QVERIFY(!(form->RichText->document()->findBlockByNumber(0).blockFormat().alignment() &
                  Qt::AlignRight));
    }

    void coloursTakeEffectUnlessCancelledOrBlack() {
        selectLine(2);
        Dialogs::Testing::AnswerNextColor(std::nullopt);
        press("colori");
        Dialogs::Testing::AnswerNextColor(QColor(Qt::black));
        press("colori");
        QCOMPARE(formatAt(2).foreground().style(), Qt::NoBrush);
        Dialogs::Testing::AnswerNextColor(QColor(Qt::red));
        press("colori");
        QCOMPARE(formatAt(2).foreground().color(), QColor(Qt::red));
        const QColor base = form->RichText->palette().color(QPalette::Base);
        Dialogs::Testing::AnswerNextColor(QColor(Qt::black));
        press("backcolori");
        QCOMPARE(form->RichText->palette().color(QPalette::Base), base);
        Dialogs::Testing::AnswerNextColor(QColor(Qt::yellow));
        press("backcolori");
        QCOMPARE(form->RichText->palette().color(QPalette::Base), QColor(Qt::yellow));
        QStringList titles;
        for (const Dialogs::Shown& shown : Dialogs::Testing::Record())
            titles << shown.kind + QLatin1Char(' ') + shown.title;
        QCOMPARE(titles, (QStringList{"color Text Colour", "color Text Colour", "color Text Colour",
                                      "color Background Colour", "color Background Colour"}));
    }

    void fontAndSizeChosenFromTheLists() {
        selectLine(2);
        const int courier = form->Combo1->count() - 1;
        const QString family = form->Combo1->itemText(courier);
        form->Combo1->setCurrentIndex(courier);
        emit form->Combo1->activated(courier);
        QCOMPARE(formatAt(2).fontFamilies().toStringList().value(0), family);
        // A size typed into the box is not applied; one chosen from the list is.
        form->Combo2->lineEdit()->setText(QStringLiteral("19"));
        QTest::keyClick(form->Combo2->lineEdit(), Qt::Key_Return);
        QVERIFY(formatAt(2).fontPointSize() != 19);
        QApplication::setActiveWindow(form);
        form->Combo2->setCurrentIndex(6);
        emit form->Combo2->activated(6);
        QCOMPARE(formatAt(2).fontPointSize(), 14.0);
        QVERIFY(form->Combo2->hasFocus());
    }

    void editingFromTheToolbarAndTheMenu() {
        selectLine(5); // the first dash line
        press("copyi");
        QTextCursor end = form->RichText->textCursor();
        end.movePosition(QTextCursor::End);
        form->RichText->setTextCursor(end);
        press("pastei");
        QVERIFY(form->RichText->toPlainText().endsWith(QStringLiteral("$7.15") + kDashes));
        press("undokey");
        QCOMPARE(form->RichText->toPlainText(), expectedText());
        press("redokey");
        QVERIFY(form->RichText->toPlainText().endsWith(QStringLiteral("$7.15") + kDashes));
        form->popMnu_MenuClick(QStringLiteral("txtMnuUndo"));
        form->popMnu_MenuClick(QStringLiteral("txtMnuRedo"));
        QVERIFY(form->RichText->toPlainText().endsWith(QStringLiteral("$7.15") + kDashes));
        selectLine(6);
        press("cuti");
        QCOMPARE(form->RichText->document()->findBlockByNumber(6).text(), QString());
        form->popMnu_MenuClick(QStringLiteral("txtMnuPaste"));
        QCOMPARE(form->RichText->document()->findBlockByNumber(6).text(),
                 QStringLiteral("Tea\t$2.50"));
    }

    void rightButtonOpensTheMenuAndTabStaysInTheEditor() {
        QApplication::setActiveWindow(form);
        form->RichText->setFocus();
        QTest::mousePress(form->RichText->viewport(), Qt::RightButton, {}, QPoint(30, 10));
        QMenu* menu = form->popMnu->Menu();
        QVERIFY(menu && menu->isVisible());
        QStringList items;
        for (QAction* action : menu->actions())
            items << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(items,
                 (QStringList{"Cut", "Copy", "&Paste", "-", "Undo", "Redo", "-", "&Select All"}));
        for (QAction* action : menu->actions())
            if (action->text() == QLatin1String("&Select All"))
                action->trigger();
        QCOMPARE(form->RichText->textCursor().selectedText().size(),
                 form->RichText->document()->characterCount() - 1);
        QTest::keyClick(form->RichText, Qt::Key_Tab);
        QCOMPARE(form->RichText->toPlainText(), QStringLiteral("\t"));
        QVERIFY(form->RichText->hasFocus());
    }

    void savedBillReadsBackWithItsFormatting() {
        if (QStandardPaths::findExecutable(QStringLiteral("unrtf")).isEmpty())
            QFAIL("unrtf is not installed (scripts/setup.sh installs it for the tests)");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("bill of Zoë"));
        selectLine(0);
        press("boldi");
        selectLine(6);
        Dialogs::Testing::AnswerNextColor(QColor(Qt::red));
        press("colori");
        selectLine(2);
        press("aligncenteri");
        Dialogs::Testing::AnswerNextFile(QString());
        press("savei");
        QVERIFY(QDir(folder.path()).isEmpty());
        Dialogs::Testing::AnswerNextFile(path);
        press("savei");
        const Dialogs::Shown dialog = Dialogs::Testing::Record().last();
        QCOMPARE(dialog.kind, QStringLiteral("save"));
        QCOMPARE(dialog.title, QStringLiteral("Save"));
        QCOMPARE(dialog.text, QStringLiteral("All Files (*.rtf)"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("bill of Zoë.rtf")});

        const ReadBack back = readBack(path + QStringLiteral(".rtf"));
        QCOMPARE(back.text, expectedText());
        QVERIFY2(back.html.contains(QStringLiteral("<b>Customer Name")), qPrintable(back.html));
        QVERIFY(back.html.contains(QStringLiteral("Zo&euml; &#321;ukasiewicz")));
        QVERIFY(back.html.contains(QStringLiteral("Cr&egrave;me br&ucirc;l&eacute;e")));
        QVERIFY(back.html.contains(QStringLiteral("<font color=\"#ff0000\">Tea")));
        QVERIFY(back.html.contains(QStringLiteral("<center>")));
        QVERIFY(back.html.contains(QStringLiteral("<font face=\"Arial\">")));
        QVERIFY(!back.html.contains(QStringLiteral("<b>Customer ID")));
    }

    // On screen the amounts end at one right edge and the details start at one column, whatever
    // the labels and the amounts hold.
    void amountsStandInOneColumnOnScreen() {
        delete form;
        FoodBill bill = aBill();
        bill.items = {{QStringLiteral("Tea"), QStringLiteral("$4.50")},
                      {QStringLiteral("Club sandwich with fries"), QStringLiteral("$12.00")}};
        bill.total = QStringLiteral("$16.50");
        bill.tax = QStringLiteral("$1.65");
        bill.amountWithTax = QStringLiteral("$18.15");
        frmFoodTxtView::ShowBill(bill);
        form = LoadedInstance<frmFoodTxtView>();
        QVERIFY(form);
        form->resize(900, 600);
        QTextDocument* document = form->RichText->document();
        const auto xAt = [document](int line, qsizetype offset) {
            const QTextBlock block = document->findBlockByNumber(line);
            document->documentLayout()->blockBoundingRect(block);
            const QTextLayout* layout = block.layout();
            return layout->position().x() + layout->lineAt(0).cursorToX(int(offset));
        };
        QList<qreal> rightEdges;
        for (const int line : {6, 7, 9, 10, 11, 12})
            rightEdges << xAt(line, document->findBlockByNumber(line).length() - 1);
        for (const qreal edge : rightEdges)
            QCOMPARE(edge, rightEdges.first());
        QList<qreal> detailColumn;
        for (const int line : {0, 2, 3})
            detailColumn << xAt(line, document->findBlockByNumber(line).text().indexOf(u':'));
        for (const qreal x : detailColumn)
            QCOMPARE(x, detailColumn.first());
        QVERIFY(detailColumn.first() < rightEdges.first());
    }

    // The saved file keeps the columns: one tab before each amount, and paragraphs whose tab
    // stop ends the amounts at the right.
    void savedBillKeepsItsColumns() {
        if (QStandardPaths::findExecutable(QStringLiteral("unrtf")).isEmpty())
            QFAIL("unrtf is not installed (scripts/setup.sh installs it for the tests)");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("bill.rtf"));
        Dialogs::Testing::AnswerNextFile(path);
        press("savei");
        const QStringList lines = readBack(path).text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 13);
        for (const int line : {6, 7, 9, 10, 11, 12}) {
            QCOMPARE(lines[line].count(u'\t'), 1);
            QVERIFY2(!lines[line].section(u'\t', 1).isEmpty(), qPrintable(lines[line]));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList stops;
        for (const QByteArray& paragraph : file.readAll().split('\n'))
            if (paragraph.startsWith("\\pard"))
                stops << QString::fromLatin1(paragraph)
                             .section(QStringLiteral("\\plain"), 0, 0)
                             .remove(QRegularExpression(QStringLiteral("^\\\\pard\\\\q[lcrj]")));
        const QString amounts = QStringLiteral("\\tqr\\tx6480");
        const QString details = QStringLiteral("\\tx3600");
        QCOMPARE(stops, (QStringList{details, "", details, details, "", "", amounts, amounts, "",
                                     amounts, amounts, amounts, amounts}));
    }

    // The file is named for what it holds: the filter's ending is added to a name without it.
    void theSavedFileEndsInRtf_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no ending") << "bill1"
                                   << "bill1.rtf";
        QTest::newRow("its ending") << "bill1.rtf"
                                    << "bill1.rtf";
        QTest::newRow("its ending in capitals") << "Bill1.RTF"
                                                << "Bill1.RTF";
        QTest::newRow("another ending") << "bill1.txt"
                                        << "bill1.txt.rtf";
        QTest::newRow("a dot in the folder") << "march.2026/bill1"
                                             << "march.2026/bill1.rtf";
    }
    void theSavedFileEndsInRtf() {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("march.2026")));
        Dialogs::Testing::AnswerNextFile(folder.filePath(typed));
        press("savei");
        QFile file(folder.filePath(saved));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(saved + " was not written"));
        QVERIFY(file.read(5) == "{\\rtf");
        QDirIterator written(folder.path(), QDir::Files, QDirIterator::Subdirectories);
        QVERIFY(written.hasNext());
        written.next();
        QVERIFY2(!written.hasNext(), "more than one file was written");
        // The save dialog, and no message after it.
        QCOMPARE(Dialogs::Testing::Record().size(), 1);
    }

    void aFileThatCannotBeWrittenIsSaid() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("no such folder/bill.rtf"));
        Dialogs::Testing::AnswerNextFile(path);
        press("savei");
        const Dialogs::Shown shown = Dialogs::Testing::Record().last();
        QCOMPARE(shown.kind, QStringLiteral("message"));
        QCOMPARE(shown.icon, Dialogs::Icon::Critical);
        QCOMPARE(shown.text, QStringLiteral("Path/File access error\r\n") + path);
        QVERIFY(!QFile::exists(path));
    }
};

STAYMARK_TEST_MAIN(TestFrmFoodTxtView)
#include "tst_frmFoodTxtView.moc"
