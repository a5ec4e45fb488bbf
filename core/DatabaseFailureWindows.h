#pragma once

// Gives the database layer its windows: the message box for a refused statement, the database
// locate tool for a connection that failed, the messages for a record another desk holds and
// for a file that can only be read, and the waiting pointer; and every layer its error report
// window. Installed once at start-up.
void InstallDatabaseFailureWindows();
