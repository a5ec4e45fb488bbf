#include "core/ui/Shell.h"

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

FileOpening OpenFile(const QString& path) {
    if (!QFileInfo(path).isFile())
        return FileOpening::Missing;
    return OpenUrl(QUrl::fromLocalFile(path)) ? FileOpening::Opened : FileOpening::NoOpener;
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

} // namespace Testing

} // namespace Shell
