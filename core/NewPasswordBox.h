#pragma once

#include <QString>

class FormBalloon;
class QLineEdit;
class QWidget;

// What tbl_users.cpassword holds: the enciphered password as hexadecimal text.
constexpr int kPasswordColumnLength = 255;
// The longest password, in UTF-8 bytes, whose cipher text fits that column: eight-byte blocks,
// one more than the text fills, two digits a byte.
constexpr int kLongestPasswordBytes = (kPasswordColumnLength / 16) * 8 - 1;

// A box for a password that is to be stored: it shows "*" for each character and holds no
// more than, once enciphered, fits the column, however many bytes its characters take.
QLineEdit* NewPasswordBox(QWidget* parent, const QString& name, FormBalloon& balloon,
                          const QString& toolTip = {});
// Makes a box hold no more than that, from now on. A typed or pasted text that would not fit,
// or that holds a line break or a tab, is refused whole, never cut, and the form's balloon at
// the box says why, naming the most a password may hold: the password stored is always the
// one the box shows, and one the user can type.
void HoldStorablePassword(QLineEdit* box, FormBalloon& balloon);
