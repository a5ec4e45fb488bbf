#include "core/SqliteFileLocks.h"

#include <sqlite3.h>

#include <cstdarg>
#include <map>
#include <mutex>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

using FileId = std::pair<dev_t, ino_t>;

std::mutex descriptorsGuard;
// One descriptor per file that SQLite has locked, kept open for the run: its locks stay until
// SQLite itself lets go of them.
std::map<FileId, int> lockDescriptors;

// The descriptor through which every lock on fd's file goes; -1 (errno set) when there is none.
int lockDescriptorFor(int fd) {
    struct stat file {};
    if (::fstat(fd, &file) != 0)
        return -1;
    const std::lock_guard<std::mutex> lock(descriptorsGuard);
    int& held = lockDescriptors.try_emplace(FileId(file.st_dev, file.st_ino), -1).first->second;
    // Closed when the program runs another program, whom the locks do not concern.
    if (held < 0)
        held = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    return held;
}

// The open-file-description form of a POSIX lock command, or 0 for another command.
int descriptionLockCommand(int command) {
    switch (command) {
    case F_SETLK:
        return F_OFD_SETLK;
    case F_SETLKW:
        return F_OFD_SETLKW;
    case F_GETLK:
        return F_OFD_GETLK;
    default:
        return 0;
    }
}

// SQLite's fcntl. Every call SQLite makes passes one argument after the command.
int lockingFcntl(int fd, int command, ...) {
    va_list arguments;
    va_start(arguments, command);
    void* argument = va_arg(arguments, void*);
    va_end(arguments);
    const int lockCommand = descriptionLockCommand(command);
    if (lockCommand == 0)
        return ::fcntl(fd, command, argument);
    const int held = lockDescriptorFor(fd);
    if (held < 0)
        return -1;
    auto* range = static_cast<struct flock*>(argument);
    // The kernel asks this of a lock that belongs to a description, not to a process.
    range->l_pid = 0;
    return ::fcntl(held, lockCommand, range);
}

bool install() {
    sqlite3_vfs* vfs = sqlite3_vfs_find("unix");
    if (!vfs || vfs->iVersion < 3 || !vfs->xSetSystemCall)
        return false;
    return vfs->xSetSystemCall(vfs, "fcntl",
                               reinterpret_cast<sqlite3_syscall_ptr>(&lockingFcntl)) == SQLITE_OK;
}

// Before main(), so before any connection of the program, of Qt or of a test opens.
const bool installed = install();

} // namespace

namespace SqliteFileLocks {

bool Installed() {
    return installed;
}

} // namespace SqliteFileLocks
