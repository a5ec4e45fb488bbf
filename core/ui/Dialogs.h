#pragma once

#include <QColor>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QDialog;

// Every message box, question, input box, file and colour dialog of the program goes through
// here, so that tests can answer them from a script and nothing blocks.
namespace Dialogs {

enum class Icon { None, Information, Warning, Critical, Question };

// The title of a message box that has none of its own.
QString ProgramTitle();

// A notice with an OK button.
void Message(const QString& text, Icon icon = Icon::Information, const QString& title = {});
// A Yes/No question with the information icon and No as the default button; true on Yes.
bool AskYesNo(const QString& text, const QString& title = {});
// A line of text; nothing when cancelled.
std::optional<QString> InputText(const QString& prompt, const QString& title,
                                 const QString& initial = {});

struct FileRequest {
    QString title;
    QString filter;        // Qt form: "Excel Workbook (*.xlsx)"
    QString defaultSuffix; // without the dot
    QString initialPath;   // folder, or folder and name
    bool overwritePrompt = true;
};
struct FileChoice {
    QString path;   // empty when cancelled
    QString filter; // the one of the request's filters chosen
};
FileChoice SaveFile(const FileRequest& request);
// The chosen path; empty when cancelled.
QString SaveFileName(const FileRequest& request);
QString OpenFileName(const FileRequest& request);
std::optional<QColor> ChooseColor(const QColor& initial, const QString& title = {});

// Runs a window that the program opens modal and returns its result code.
int RunModal(QDialog& dialog);

// What a test sees of each dialog the program showed.
struct Shown {
    QString kind; // "message", "question", "input", "save", "open", "color", "modal"
    Icon icon = Icon::None;
    QString title;
    QString text; // message text, prompt, filter, or the modal window's object name
    QString defaultSuffix;
    QString initialPath;
};

namespace Testing {
// From now on every dialog is recorded and answered from the script the test queued. A
// question, input, file or colour dialog or modal window that nobody answered is a fault (it
// then answers No, cancels or returns Rejected at once, so nothing blocks); so is an answer
// still queued when the script is reset.
void Enable();
bool IsEnabled();
// Until the next Reset, file dialogs are the real ones, which list their folder as the user
// sees it; the test closes them itself.
void ShowRealFileDialogs();
// Where faults go; the test kit fails the running test. Without a handler they are printed.
void OnScriptFault(std::function<void(const QString& fault)> handler);
// Throws the script and the record away; answers left unused are a fault.
void Reset();
const QList<Shown>& Record();
void AnswerNextQuestion(bool yes);
// An empty path cancels the dialog; an empty filter is the first, on which the dialog opens.
void AnswerNextFile(const QString& path, const QString& filter = {});
void AnswerNextInput(std::optional<QString> text);
void AnswerNextColor(std::optional<QColor> color);
// The handler runs inside the modal loop and must close the window.
void HandleNextModal(std::function<void(QDialog&)> handler);
// The next modal window is closed at once, as the user closing it would.
void CloseNextModal();
// The step runs while the next message box is on screen, before the user presses OK.
void DuringNextMessage(std::function<void()> step);
} // namespace Testing

} // namespace Dialogs
