#pragma once

#include <QDateEdit>

class QKeyEvent;

// A date box in the program's date format, with a calendar to pick from. Its date follows the
// typing, but a typed date counts as entered only once it is complete: DateComplete follows a
// date picked from the calendar, stepped with the arrow keys or the wheel, or set by the
// program at once, and a typed one when the typing ends (Enter, or the focus leaving the box).
// A click chooses the part it is made in, as Tab chooses the first, so that what is typed
// replaces it; a separator typed after a part that is already whole ("12" of a month) only
// ends that part. So "12/14/2026" is typed as it is written.
class DatePicker final : public QDateEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DatePicker)

public:
    explicit DatePicker(QWidget* parent = nullptr);

    // Ends the typing now, as leaving the box does: the date shown is the date entered.
    void CompleteTyping();

signals:
    void DateComplete();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void dateShown();
    void typingEnded();

    bool typing_ = false;
    bool typedDatePending_ = false;
    // The last digit filled its part and moved on to the next.
    bool partFilled_ = false;
};
