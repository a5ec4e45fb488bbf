#pragma once

// Gives the database layer its two windows: the message box for a refused statement and the
// database locate tool for a connection that failed. Installed once at start-up.
void InstallDatabaseFailureWindows();
