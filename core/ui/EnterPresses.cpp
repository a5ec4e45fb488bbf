#include "core/ui/EnterPresses.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace {

class EnterPresses final : public QObject {
public:
    EnterPresses(QLineEdit* box, QAbstractButton* button)
        : QObject(box)
        , button_(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key != Qt::Key_Return && key != Qt::Key_Enter) || !button_ || !button_->isEnabled())
            return QObject::eventFilter(watched, event);
        button_->click();
        return true;
    }

private:
    QPointer<QAbstractButton> button_;
};

} // namespace

void PressOnEnter(QLineEdit* box, QAbstractButton* button) {
    box->installEventFilter(new EnterPresses(box, button));
}
