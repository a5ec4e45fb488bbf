#pragma once

#include <QString>

// Where the program keeps its files: config.ini, the embedded database, sounds and help.
namespace AppPaths {

// The folder of the running program, unless a test has pointed it elsewhere.
QString ProgramFolder();

// Tests run each case in a temporary folder of its own.
void SetProgramFolder(const QString& folder);

QString ConfigIniPath();

} // namespace AppPaths
