#include "core/ui/Dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QQueue>
#include <QTimer>

namespace {

struct Script {
    bool enabled = false;
    bool realFileDialogs = false;
    QList<Dialogs::Shown> record;
    QQueue<bool> questions;
    QQueue<Dialogs::FileChoice> files;
    QQueue<std::optional<QString>> inputs;
    QQueue<std::optional<QColor>> colors;
    QQueue<std::function<void(QDialog&)>> modals;
    QQueue<std::function<void()>> duringMessages;
};

std::function<void(const QString&)>& faultHandler() {
    static std::function<void(const QString&)> handler;
    return handler;
}

void fault(const QString& what) {
    if (faultHandler())
        faultHandler()(what);
    else
        qWarning("%s", qUtf8Printable(what));
}

Script& script() {
    static Script s;
    return s;
}

// Whether a file dialog is answered from the script.
bool scriptedFiles() {
    return script().enabled && !script().realFileDialogs;
}

QString titleOrProgram(const QString& title) {
    return title.isEmpty() ? Dialogs::ProgramTitle() : title;
}

void record(const QString& kind, Dialogs::Icon icon, const QString& title, const QString& text,
            const Dialogs::FileRequest* request = nullptr) {
    Dialogs::Shown shown{kind, icon, title, text, {}, {}};
    if (request) {
        shown.defaultSuffix = request->defaultSuffix;
        shown.initialPath = request->initialPath;
    }
    script().record.append(shown);
}

QMessageBox::Icon boxIcon(Dialogs::Icon icon) {
    switch (icon) {
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Warning:
        return QMessageBox::Warning;
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Message texts keep the Windows line breaks in the program; the box shows plain ones.
QString displayText(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Whether the test queued an answer for the dialog just recorded. Without one the dialog answers
// as if dismissed, and the test is at fault for a dialog it did not expect.
template <typename T> bool answered(const QQueue<T>& queue) {
    if (!queue.isEmpty())
        return true;
    const Dialogs::Shown& shown = script().record.last();
    fault(QStringLiteral("Nobody answered the %1 \"%2\" (%3)")
              .arg(shown.kind, shown.title, shown.text));
    return false;
}

QStringList unusedAnswers(const Script& s) {
    QStringList unused;
    const auto note = [&](qsizetype count, const char* what) {
        if (count > 0)
            unused << QStringLiteral("%1 %2").arg(count).arg(QLatin1String(what));
    };
    note(s.questions.size(), "question answer(s)");
    note(s.files.size(), "file answer(s)");
    note(s.inputs.size(), "input answer(s)");
    note(s.colors.size(), "colour answer(s)");
    note(s.modals.size(), "modal window handler(s)");
    note(s.duringMessages.size(), "step(s) for a message");
    return unused;
}

} // namespace

namespace Dialogs {

QString ProgramTitle() {
    return QStringLiteral("Staymark");
}

void Message(const QString& text, Icon icon, const QString& title) {
    if (script().enabled) {
        record(QStringLiteral("message"), icon, titleOrProgram(title), text);
        if (!script().duringMessages.isEmpty())
            script().duringMessages.dequeue()();
        return;
    }
    QMessageBox box(boxIcon(icon), titleOrProgram(title), displayText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool AskYesNo(const QString& text, const QString& title) {
    if (script().enabled) {
        record(QStringLiteral("question"), Icon::Information, titleOrProgram(title), text);
        return answered(script().questions) && script().questions.dequeue();
    }
    QMessageBox box(QMessageBox::Information, titleOrProgram(title), displayText(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> InputText(const QString& prompt, const QString& title,
                                 const QString& initial) {
    if (script().enabled) {
        record(QStringLiteral("input"), Icon::None, titleOrProgram(title), prompt);
        if (!answered(script().inputs))
            return std::nullopt;
        return script().inputs.dequeue();
    }
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), titleOrProgram(title),
                                               prompt, QLineEdit::Normal, initial, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

FileChoice SaveFile(const FileRequest& request) {
    if (scriptedFiles()) {
        record(QStringLiteral("save"), Icon::None, request.title, request.filter, &request);
        if (!answered(script().files))
            return {};
        FileChoice choice = script().files.dequeue();
        if (choice.filter.isEmpty())
            choice.filter = request.filter.section(QStringLiteral(";;"), 0, 0);
        return choice;
    }
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.initialPath,
                       request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return {dialog.selectedFiles().value(0), dialog.selectedNameFilter()};
}

QString SaveFileName(const FileRequest& request) {
    return SaveFile(request).path;
}

QString OpenFileName(const FileRequest& request) {
    if (scriptedFiles()) {
        record(QStringLiteral("open"), Icon::None, request.title, request.filter, &request);
        return answered(script().files) ? script().files.dequeue().path : QString();
    }
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), request.title,
                                        request.initialPath, request.filter);
}

std::optional<QColor> ChooseColor(const QColor& initial, const QString& title) {
    if (script().enabled) {
        record(QStringLiteral("color"), Icon::None, title, initial.name());
        if (!answered(script().colors))
            return std::nullopt;
        return script().colors.dequeue();
    }
    const QColor chosen = QColorDialog::getColor(initial, QApplication::activeWindow(), title);
    return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
}

int RunModal(QDialog& dialog) {
    if (script().enabled) {
        record(QStringLiteral("modal"), Icon::None, dialog.windowTitle(), dialog.objectName());
        if (!answered(script().modals))
            return QDialog::Rejected;
        std::function<void(QDialog&)> handler = script().modals.dequeue();
        QTimer::singleShot(0, &dialog, [&dialog, handler] { handler(dialog); });
    }
    return dialog.exec();
}

namespace Testing {

void Enable() {
    script().enabled = true;
}
bool IsEnabled() {
    return script().enabled;
}

void ShowRealFileDialogs() {
    script().realFileDialogs = true;
}

void OnScriptFault(std::function<void(const QString& fault)> handler) {
    faultHandler() = std::move(handler);
}

void Reset() {
    const QStringList unused = unusedAnswers(script());
    const bool enabled = script().enabled;
    script() = Script();
    script().enabled = enabled;
    if (!unused.isEmpty())
        fault(QStringLiteral("Queued but never asked for: ") + unused.join(QStringLiteral(", ")));
}

const QList<Shown>& Record() {
    return script().record;
}
void AnswerNextQuestion(bool yes) {
    script().questions.enqueue(yes);
}
void AnswerNextFile(const QString& path, const QString& filter) {
    script().files.enqueue({path, filter});
}
void AnswerNextInput(std::optional<QString> text) {
    script().inputs.enqueue(std::move(text));
}
void AnswerNextColor(std::optional<QColor> color) {
    script().colors.enqueue(color);
}
void HandleNextModal(std::function<void(QDialog&)> handler) {
    script().modals.enqueue(std::move(handler));
}
void CloseNextModal() {
    HandleNextModal([](QDialog& dialog) { dialog.reject(); });
}
void DuringNextMessage(std::function<void()> step) {
    script().duringMessages.enqueue(std::move(step));
}

} // namespace Testing

} // namespace Dialogs
