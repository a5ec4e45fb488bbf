#include "core/ui/ChildMnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QShortcutEvent>
#include <QWidget>

namespace {

// The child window of the workspace that holds the focus, if any.
QWidget* focusedChildWindow() {
    for (QWidget* widget = QApplication::focusWidget(); widget && !widget->isWindow();
         widget = widget->parentWidget())
        if (widget->windowType() == Qt::SubWindow)
            return widget;
    return nullptr;
}

// The one button of the window that the user can press with this key sequence, if there is
// exactly one.
QAbstractButton* onlyButtonFor(QWidget* window, const QKeySequence& keys) {
    QAbstractButton* found = nullptr;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || !button->isEnabled() ||
            QKeySequence::mnemonic(button->text()) != keys)
            continue;
        if (found)
            return nullptr;
        found = button;
    }
    return found;
}

// Qt finds a mnemonic that the menu bar and a child window share ambiguous: it opens the menu
// or only focuses the button, by turns. This filter answers such a key for the child window.
class ChildMnemonicsFirst final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Shortcut)
            return QObject::eventFilter(watched, event);
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        QWidget* window = shortcut->isAmbiguous() ? focusedChildWindow() : nullptr;
        QAbstractButton* button = window ? onlyButtonFor(window, shortcut->key()) : nullptr;
        if (!button)
            return QObject::eventFilter(watched, event);
        button->animateClick();
        return true;
    }
};

} // namespace

void LetChildWindowMnemonicsWin(QObject* owner) {
    qApp->installEventFilter(new ChildMnemonicsFirst(owner));
}
