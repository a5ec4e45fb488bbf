#include "core/ui/FormControls.h"
#include "tests/support/ProgramTest.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

namespace {

const QString kEmoji = QStringLiteral("\U0001F600");

QString times(const QString& text, int count) {
    return text.repeated(count);
}

QString letters(int count) {
    return QString(count, QLatin1Char('a'));
}

// The way a text gets into the box.
void putIn(QLineEdit* box, const QString& how, const QString& text) {
    if (how == QLatin1String("paste")) {
        QGuiApplication::clipboard()->setText(text);
        box->paste();
    } else if (how == QLatin1String("insert")) {
        box->insert(text);
    } else if (how == QLatin1String("type")) {
        // As an input method or a character picker types it.
        QInputMethodEvent typed;
        typed.setCommitString(text);
        QApplication::sendEvent(box, &typed);
    } else {
        box->setText(text);
    }
}

} // namespace

// The text boxes of the form kit hold whole characters up to their limit, however the text
// comes in: no box ever keeps half of a character.
class TestFormControls : public TestSupport::ProgramTest {
    Q_OBJECT

private slots:
    void boxesCutAtWholeCharacters_data() {
        QTest::addColumn<QString>("control"); // "box" with a limit, or the editable combo
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("after");
        QTest::newRow("130 emoji fit a column of 255")
            << "box" << 255 << "" << 0 << "paste" << times(kEmoji, 130) << times(kEmoji, 130);
        QTest::newRow("300 emoji: the first 255")
            << "box" << 255 << "" << 0 << "paste" << times(kEmoji, 300) << times(kEmoji, 255);
        QTest::newRow("254 letters and an emoji fit")
            << "box" << 255 << "" << 0 << "paste" << letters(254) + kEmoji << letters(254) + kEmoji;
        QTest::newRow("255 letters and an emoji: the emoji is left out")
            << "box" << 255 << "" << 0 << "insert" << letters(255) + kEmoji << letters(255);
        QTest::newRow("set whole")
            << "box" << 255 << "" << 0 << "set" << times(kEmoji, 300) << times(kEmoji, 255);
        QTest::newRow("item name of 225")
            << "box" << 225 << "" << 0 << "paste" << letters(224) + times(kEmoji, 2)
            << letters(224) + kEmoji;
        QTest::newRow("pasted in the middle: the paste is cut, the rest stays")
            << "box" << 10 << "abcdefgh" << 4 << "paste" << times(kEmoji, 3)
            << QStringLiteral("abcd") + times(kEmoji, 2) + QStringLiteral("efgh");
        QTest::newRow("typed into a full box")
            << "box" << 10 << letters(10) << 5 << "type" << kEmoji << letters(10);
        QTest::newRow("typed into the last place") << "box" << 10 << letters(9) << 3 << "type"
                                                   << kEmoji << letters(3) + kEmoji + letters(6);
        QTest::newRow("combo, pasted") << "combo" << 255 << "" << 0 << "paste"
                                       << letters(254) + times(kEmoji, 2) << letters(254) + kEmoji;
        QTest::newRow("combo, inserted in the middle")
            << "combo" << 255 << letters(254) << 100 << "insert" << kEmoji + kEmoji
            << letters(100) + kEmoji + letters(154);
    }
    void boxesCutAtWholeCharacters() {
        QFETCH(QString, control);
        QFETCH(int, limit);
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, how);
        QFETCH(QString, input);
        QFETCH(QString, after);
        QWidget window;
        QLineEdit* box = nullptr;
        if (control == QLatin1String("combo")) {
            QComboBox* combo =
                NewCombo(&window, QStringLiteral("comboTitle"), {QStringLiteral("Mr.")}, true);
            QCOMPARE(limit, kTextColumnLength);
            box = combo->lineEdit();
        } else {
            box = NewTextBox(&window, QStringLiteral("txtName"), {}, limit);
        }
        window.show();
        box->setFocus();
        box->setText(before);
        box->setCursorPosition(cursor);
        putIn(box, how, input);
        QCOMPARE(box->text(), after);
    }
};

STAYMARK_TEST_MAIN(TestFormControls)
#include "tst_FormControls.moc"
