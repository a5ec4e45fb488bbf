#pragma once

#include <QString>

// One running Staymark per installation. The lock is a file beside the program holding the
// owner's process id, so a run that crashed does not leave it stuck.
namespace SingleInstance {

// Takes the lock for this run; false when another running instance holds it.
bool Acquire();
void Release();
QString LockFilePath();

} // namespace SingleInstance
