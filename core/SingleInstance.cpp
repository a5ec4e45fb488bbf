#include "core/SingleInstance.h"

#include "core/AppPaths.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include <memory>

namespace {

std::unique_ptr<QLockFile>& heldLock() {
    static std::unique_ptr<QLockFile> lock;
    return lock;
}

} // namespace

namespace SingleInstance {

QString LockFilePath() {
    return AppPaths::ProgramFolder() + QStringLiteral("/staymark.lock");
}

bool Acquire() {
    if (heldLock())
        return true;
    auto lock = std::make_unique<QLockFile>(LockFilePath());
    // A lock whose owner is gone counts as free at once.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() != QLockFile::PermissionError)
            return false;
        // A program folder the user cannot write to: lock in the user's runtime folder instead.
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        lock = std::make_unique<QLockFile>(runtime + QStringLiteral("/staymark.lock"));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            return false;
    }
    heldLock() = std::move(lock);
    return true;
}

void Release() {
    heldLock().reset();
}

} // namespace SingleInstance
