#include "core/ui/Shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

struct Recorder {
    bool enabled = false;
    QList<Shell::Request> record;
};

Recorder& recorder() {
    static Recorder r;
    return r;
}

bool canStart(const QString& program) {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

int& openersRunning() {
    static int running = 0;
    return running;
}

// The desktop's opener, left to run: it hands the file to the program the desktop has for its
// kind, and says by its exit status whether it found one (xdg-open: 0 opened, 3 no program or
// tool found, 4 opening failed).
void runOpener(const QString& opener, const QUrl& url, std::function<void()> noProgram) {
    auto* process = new QProcess(QCoreApplication::instance());
    ++openersRunning();
    const auto ended = [process, noProgram](bool opened) {
        --openersRunning();
        process->deleteLater();
        // An opener still running when the program ends is stopped: that tells nothing.
        if (!opened && noProgram && !QCoreApplication::closingDown())
            noProgram();
    };
    QObject::connect(process, &QProcess::finished, process,
                     [ended](int code, QProcess::ExitStatus status) {
                         ended(status == QProcess::NormalExit && code == 0);
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [ended](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             ended(false);
                     });
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(opener, {url.toString()});
}

} // namespace

namespace Shell {

bool OpenUrl(const QUrl& url) {
    if (recorder().enabled) {
        recorder().record.append({QStringLiteral("url"), url.toString(), {}});
        return url.isValid();
    }
    return QDesktopServices::openUrl(url);
}

bool StartProgram(const QString& program, const QStringList& args) {
    if (recorder().enabled) {
        recorder().record.append({QStringLiteral("program"), program, args});
        return canStart(program);
    }
    return QProcess::startDetached(program, args);
}

FileOpening OpenFile(const QString& path, std::function<void()> noProgram) {
    if (!QFileInfo(path).isFile())
        return FileOpening::Missing;
    const QUrl url = QUrl::fromLocalFile(path);
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (recorder().enabled || opener.isEmpty())
        return OpenUrl(url) ? FileOpening::Opened : FileOpening::NoOpener;
    runOpener(opener, url, std::move(noProgram));
    return FileOpening::Opened;
}

QString NoProgramOpensIt() {
    return QStringLiteral("No program on this computer opens it.");
}

namespace Testing {

void Enable() {
    recorder().enabled = true;
}
void Disable() {
    recorder().enabled = false;
}
bool IsEnabled() {
    return recorder().enabled;
}
void Reset() {
    recorder().record.clear();
}
const QList<Request>& Record() {
    return recorder().record;
}
int OpenersRunning() {
    return openersRunning();
}

} // namespace Testing

} // namespace Shell
