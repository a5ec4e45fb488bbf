#pragma once

#include "core/ui/Dialogs.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <functional>
#include <memory>
#include <source_location>

class ExtLV;

// Checked helpers for tests that drive the program's windows as a user does: they fail the
// test with a clear message, at the caller's line, where a window is not as the test expects,
// and never leave it to crash on a missing control or hang in a modal loop.
namespace TestSupport {

// Records a failure of the running test at the caller's line; the test goes on.
void FailAt(const QString& message, const std::source_location& where);

// Fails the test for a control the window lacks, and gives the parent of a stand-in for it:
// the caller's next step then reads an empty control instead of a null pointer. Stand-ins
// are swept away with the test's windows.
QWidget* MissingControl(const QObject* window, const char* type, const QString& name,
                        const std::source_location& where);

// The child control of this type and object name; a missing one fails the test.
template <typename Control>
Control* control(const QObject* window, const QString& name,
                 const std::source_location& where = std::source_location::current()) {
    if (window)
        if (auto* found = window->findChild<Control*>(name))
            return found;
    return new Control(MissingControl(window, Control::staticMetaObject.className(), name, where));
}

template <typename Control>
Control* control(const QObject& window, const QString& name,
                 const std::source_location& where = std::source_location::current()) {
    return control<Control>(&window, name, where);
}

// What the user sees of a window's validation balloon.
struct Balloon {
    bool shown = false;
    QString title;
    QString text;
    int icon = 0;
    // The field the balloon points at.
    QPointer<QWidget> target;

    QString TargetName() const { return target ? target->objectName() : QString(); }
};

// The validation balloon the window shows now; `shown` is false while it shows none, and two
// at once fail the test.
Balloon ShownBalloon(const QWidget* window,
                     const std::source_location& where = std::source_location::current());

// Each row of a list as the user reads it: its first visibleColumns cells joined by "|".
QStringList RowsOf(ExtLV* list, int visibleColumns);

// Pastes the text into the box as the user does: through the clipboard and Ctrl+V.
void PasteInto(QWidget* box, const QString& text);

// The text of everything the dialogs module showed so far, in order (message texts, prompts,
// file filters, the object names of modal windows), and the last of them.
QStringList Messages();
QString LastMessage();
// How often the window of this object name was opened modal.
int TimesOpenedModal(const QString& windowName);

// Closes what a test left open: modal windows, then every top-level window, so that the next
// test starts without them.
void SweepWindows();

// Steps a test runs inside the modal loop of the next window the program opens modal through
// the dialogs module, once it is shown as the user meets it. A window the steps leave open is
// rejected after them, so a failed check inside never leaves the loop running.
template <typename Window> class ModalSteps {
public:
    explicit ModalSteps(std::function<void(Window&)> steps,
                        const std::source_location& where = std::source_location::current())
        : state_(std::make_shared<State>()) {
        Dialogs::Testing::HandleNextModal(
            [state = state_, steps = std::move(steps), where](QDialog& dialog) {
                auto* window = qobject_cast<Window*>(&dialog);
                if (!window) {
                    FailAt(QStringLiteral("the program opened \"%1\" modal, not a %2")
                               .arg(dialog.objectName(),
                                    QLatin1String(Window::staticMetaObject.className())),
                           where);
                    dialog.reject();
                    return;
                }
                if (!QTest::qWaitForWindowExposed(window))
                    FailAt(QStringLiteral("the modal window was never shown"), where);
                state->ran = true;
                steps(*window);
                state->closedByTheSteps = !window->isVisible();
                if (window->isVisible())
                    window->reject();
            });
    }

    // Whether the window opened and the steps ran in it.
    bool Ran() const { return state_->ran; }
    // Whether the steps closed the window themselves.
    bool ClosedByTheSteps() const { return state_->closedByTheSteps; }

private:
    struct State {
        bool ran = false;
        bool closedByTheSteps = false;
    };
    std::shared_ptr<State> state_;
};

} // namespace TestSupport

// Fails, listing what was shown, when the program showed any message or dialog so far: a
// refused statement's box then names the server's own message.
#define VERIFY_NOTHING_SHOWN()                                                                     \
    QVERIFY2(Dialogs::Testing::Record().isEmpty(),                                                 \
             qPrintable(TestSupport::Messages().join(QLatin1Char('\n'))))
