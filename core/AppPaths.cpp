#include "core/AppPaths.h"

#include <QCoreApplication>

namespace {
QString& overriddenFolder() {
    static QString folder;
    return folder;
}
} // namespace

namespace AppPaths {

QString ProgramFolder() {
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return QCoreApplication::applicationDirPath();
}

void SetProgramFolder(const QString& folder) {
    overriddenFolder() = folder;
}

QString ConfigIniPath() {
    return ProgramFolder() + QStringLiteral("/config.ini");
}

} // namespace AppPaths
