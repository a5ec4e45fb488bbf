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
    QList<Dialogs::Shown> record;
    QQueue<bool> questions;
    QQueue<QString> files;
    QQueue<std::optional<QString>> inputs;
    QQueue<std::optional<QColor>> colors;
    QQueue<std::function<void(QDialog&)>> modals;
};

Script& script() {
    static Script s;
    return s;
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

template <typename T> T takeOr(QQueue<T>& queue, T fallback) {
    return queue.isEmpty() ? fallback : queue.dequeue();
}

} // namespace

namespace Dialogs {

QString ProgramTitle() {
    return QStringLiteral("Staymark");
}

void Message(const QString& text, Icon icon, const QString& title) {
    if (script().enabled) {
        record(QStringLiteral("message"), icon, titleOrProgram(title), text);
        return;
    }
    QMessageBox box(boxIcon(icon), titleOrProgram(title), displayText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool AskYesNo(const QString& text, const QString& title) {
    if (script().enabled) {
        record(QStringLiteral("question"), Icon::Information, titleOrProgram(title), text);
        return takeOr(script().questions, false);
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
        return takeOr(script().inputs, std::optional<QString>());
    }
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), titleOrProgram(title),
                                               prompt, QLineEdit::Normal, initial, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

QString SaveFileName(const FileRequest& request) {
    if (script().enabled) {
        record(QStringLiteral("save"), Icon::None, request.title, request.filter, &request);
        return takeOr(script().files, QString());
    }
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.initialPath,
                       request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString OpenFileName(const FileRequest& request) {
    if (script().enabled) {
        record(QStringLiteral("open"), Icon::None, request.title, request.filter, &request);
        return takeOr(script().files, QString());
    }
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), request.title,
                                        request.initialPath, request.filter);
}

std::optional<QColor> ChooseColor(const QColor& initial, const QString& title) {
    if (script().enabled) {
        record(QStringLiteral("color"), Icon::None, title, initial.name());
        return takeOr(script().colors, std::optional<QColor>());
    }
    const QColor chosen = QColorDialog::getColor(initial, QApplication::activeWindow(), title);
    return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
}

int RunModal(QDialog& dialog) {
    if (script().enabled) {
        record(QStringLiteral("modal"), Icon::None, dialog.windowTitle(), dialog.objectName());
        if (script().modals.isEmpty())
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

void Reset() {
    const bool enabled = script().enabled;
    script() = Script();
    script().enabled = enabled;
}

const QList<Shown>& Record() {
    return script().record;
}
void AnswerNextQuestion(bool yes) {
    script().questions.enqueue(yes);
}
void AnswerNextFile(const QString& path) {
    script().files.enqueue(path);
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

} // namespace Testing

} // namespace Dialogs
