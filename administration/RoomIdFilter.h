#pragma once

class QLineEdit;

// The filter of the boxes that take a room identifier, run at every key-down before the key
// changes the text: "'", ";" and "?" are taken out, so one just typed goes at the next key.
void FilterRoomIdBox(QLineEdit& box);
