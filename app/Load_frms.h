#pragma once

// The program's start and the checks it makes before the first login.
namespace Load_frms {

// Marks the user logged out and shows the main window; false when another instance runs
// and this one is to end.
bool Main();
// Nothing to prepare on this platform; kept so that start-up reads as it always has.
bool InitCommonCtrls();

} // namespace Load_frms
