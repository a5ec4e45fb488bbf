#pragma once

class QAbstractButton;
class QLineEdit;

// Enter (Return or the keypad's Enter) in the box presses the button, as a click does, and goes
// no further: the window around the box never sees that key, so a balloon the button shows
// stays on screen.
void PressOnEnter(QLineEdit* box, QAbstractButton* button);
