#include "core/ui/DatePicker.h"

#include "core/ui/DateText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace {

bool stepsTheDate(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown;
}

bool isDigit(const QString& typed) {
    return typed.size() == 1 && typed.at(0).isDigit();
}

// What a user types between the parts of a date: "/", ".", "-", a blank.
bool isSeparator(const QString& typed) {
    return typed.size() == 1 && typed.at(0).isPrint() && !typed.at(0).isLetterOrNumber();
}

} // namespace

DatePicker::DatePicker(QWidget* parent)
    : QDateEdit(parent) {
    setCalendarPopup(true);
    setDisplayFormat(ProgramDateFormat());
    connect(this, &QDateEdit::dateChanged, this, &DatePicker::dateShown);
    connect(this, &QAbstractSpinBox::editingFinished, this, &DatePicker::typingEnded);
    lineEdit()->installEventFilter(this);
}

void DatePicker::CompleteTyping() {
    interpretText();
    typingEnded();
}

void DatePicker::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (partFilled_ && isSeparator(typed)) {
        partFilled_ = false;
        event->accept();
        return;
    }
    const int part = currentSectionIndex();
    {
        const QScopedValueRollback typing(typing_, !stepsTheDate(event->key()));
        QDateEdit::keyPressEvent(event);
    }
    partFilled_ = isDigit(typed) && currentSectionIndex() != part;
}

// A click in the text, once it has put the cursor there, chooses the part it was made in.
bool DatePicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease) {
        partFilled_ = false;
        // A drag has chosen its own text.
        if (!lineEdit()->hasSelectedText() && currentSection() != NoSection)
            setSelectedSection(currentSection());
    }
    return QDateEdit::eventFilter(watched, event);
}

void DatePicker::dateShown() {
    if (typing_) {
        typedDatePending_ = true;
        return;
    }
    typedDatePending_ = false;
    emit DateComplete();
}

void DatePicker::typingEnded() {
    partFilled_ = false;
    if (!typedDatePending_)
        return;
    typedDatePending_ = false;
    emit DateComplete();
}
