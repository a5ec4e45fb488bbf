#include "core/ui/NoteBox.h"

#include "core/ui/FormControls.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextDocumentFragment>

#include <algorithm>

namespace {

qsizetype utf8Size(const QString& text) {
    return text.toUtf8().size();
}

// The bytes one character takes in UTF-8, given its code point.
qsizetype utf8Width(char32_t codePoint) {
    return codePoint < 0x80 ? 1 : codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4;
}

// The longest start of `text` that takes at most `maxBytes` bytes of UTF-8, its line breaks
// written as the box holds them ("\n"), with no half of a character and no NUL kept.
QString fittingNote(const QString& text, qsizetype maxBytes) {
    // No character takes less than one byte, nor a line break less than two units of "\r\n".
    QString lines = text.left(2 * maxBytes + 2);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QString kept;
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QChar unit = lines.at(i);
        const bool pair =
            unit.isHighSurrogate() && i + 1 < lines.size() && lines.at(i + 1).isLowSurrogate();
        // Half of a character, or a NUL, is nothing a note can store: it is left out.
        if ((unit.isSurrogate() && !pair) || unit.isNull())
            continue;
        const char32_t codePoint =
            pair ? QChar::surrogateToUcs4(unit, lines.at(i + 1)) : char32_t(unit.unicode());
        bytes += utf8Width(codePoint);
        if (bytes > maxBytes)
            break;
        kept += unit;
        if (pair)
            kept += lines.at(++i);
    }
    return kept;
}

class NoteBox final : public QPlainTextEdit {
public:
    NoteBox(QWidget* parent, int maxBytes)
        : QPlainTextEdit(parent)
        , maxBytes_(maxBytes) {}

protected:
    void insertFromMimeData(const QMimeData* source) override {
        if (!source->hasText())
            return;
        QMimeData fitting;
        fitting.setText(fittingNote(source->text(), room()));
        QPlainTextEdit::insertFromMimeData(&fitting);
    }

    void keyPressEvent(QKeyEvent* event) override {
        // Enter adds one line break; any other printable key its text.
        const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        const QString added = lineBreak ? QStringLiteral("\n") : event->text();
        const bool adds = !added.isEmpty() && (lineBreak || added.at(0).isPrint());
        if (adds && utf8Size(added) > room()) {
            event->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }

    void inputMethodEvent(QInputMethodEvent* event) override {
        if (!event->commitString().isEmpty())
            event->setCommitString(fittingNote(event->commitString(), room()),
                                   event->replacementStart(), event->replacementLength());
        QPlainTextEdit::inputMethodEvent(event);
    }

private:
    // The bytes still free once what is selected, which an insertion replaces, is gone.
    qsizetype room() const {
        const qsizetype held = utf8Size(toPlainText());
        const qsizetype replaced = utf8Size(textCursor().selection().toPlainText());
        return std::max<qsizetype>(0, maxBytes_ - held + replaced);
    }

    int maxBytes_;
};

} // namespace

QPlainTextEdit* NewNoteBox(QWidget* parent, const QString& name, int maxBytes) {
    return Named(new NoteBox(parent, maxBytes), name);
}
