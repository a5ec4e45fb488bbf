#pragma once

class QObject;

// Alt and a letter that a button of the active child window and the main window's menu bar
// both claim presses that button, as it does in a window of its own: the window in front of the
// user comes first, and the menu stays one Alt press and the arrow keys away. Installed once for
// the application, for as long as `owner` lives.
void LetChildWindowMnemonicsWin(QObject* owner);
