#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QUrl;

// Everything the program hands to the desktop: web pages, the help page, other programs.
// Tests switch it to a record so that nothing is launched.
namespace Shell {

// Opens the address with the desktop's handler for it (browser, help viewer); false when the
// desktop has none.
bool OpenUrl(const QUrl& url);
// Starts the program on its own, not waiting for it; false when it cannot start.
bool StartProgram(const QString& program, const QStringList& args = {});

enum class FileOpening { Opened, Missing, NoOpener };
// Opens a file of the program's own with the desktop's handler for its kind. The desktop's
// opener runs on its own, so the program does not wait for it; when it then finds no program
// for the file, `noProgram` is called.
FileOpening OpenFile(const QString& path, std::function<void()> noProgram = {});

// What the user is told when nothing on this computer opens what was asked for.
QString NoProgramOpensIt();

// What a test sees of each request.
struct Request {
    QString kind;   // "url" or "program"
    QString target; // the address, or the program
    QStringList arguments;
};

namespace Testing {
// From now on requests are recorded instead of carried out. A URL then counts as opened; a
// program counts as started when it could be found. A missing file is never handed over.
void Enable();
// Requests go to the desktop again, so that a test can see what the program does where no
// handler exists.
void Disable();
bool IsEnabled();
void Reset();
const QList<Request>& Record();
// The desktop's openers started that have not ended yet.
int OpenersRunning();
} // namespace Testing

} // namespace Shell
