#pragma once

#include <QIcon>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

class DatePicker;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The one way the windows build their controls. Each control is made with its object name, so
// that the window's code and its tests find every control by that name. Every window's
// constructor builds its controls, then connects their events, then runs its load.

// What a text column of the database holds; a box that feeds one takes no more.
constexpr int kTextColumnLength = 255;

template <typename Widget>
Widget* Named(Widget* widget, const QString& name, const QString& toolTip = {}) {
    widget->setObjectName(name);
    if (!toolTip.isEmpty())
        widget->setToolTip(toolTip);
    return widget;
}

// Window sizes are given in twips, fifteen to a pixel.
int TwipsToPixels(int twips);
int PixelsToTwips(qreal pixels);
QSize TwipsSize(int widthTwips, int heightTwips);

// A one-line text box that holds at most `maxLength` characters, counted whole as a database
// column counts them: a typed or pasted text that does not fit is cut at a whole character.
QLineEdit* NewTextBox(QWidget* parent, const QString& name, const QString& toolTip = {},
                      int maxLength = kTextColumnLength);
QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text);
// A box of several lines; a read-only one shows a text the user may select and copy.
QPlainTextEdit* NewTextArea(QWidget* parent, const QString& name, bool readOnly = false);
// A button that Enter elsewhere in the window does not press.
QPushButton* NewButton(QWidget* parent, const QString& name, const QString& caption,
                       const QString& toolTip = {});
// A button that shows only a picture.
QPushButton* NewPictureButton(QWidget* parent, const QString& name, const QIcon& picture,
                              const QString& toolTip = {});
QCheckBox* NewCheckBox(QWidget* parent, const QString& name, const QString& caption);
// A list of choices; an editable one also takes typed text, as long as a text column holds.
QComboBox* NewCombo(QWidget* parent, const QString& name, const QStringList& items, bool editable,
                    const QString& toolTip = {});
// Replaces a list's entries and leaves none chosen, without raising its events: the load's own
// choice of an entry then raises them, as a user's would.
void FillUnselected(QComboBox* box, const QStringList& items);
// A date box in the system's short date form, with a calendar to pick from.
DatePicker* NewDatePicker(QWidget* parent, const QString& name, const QString& toolTip = {});
// A captioned frame that groups controls.
QGroupBox* NewFrame(QWidget* parent, const QString& caption, const QString& name = {});
// A picture shown at a square size in pixels.
QLabel* NewPicture(QWidget* parent, const QString& name, const QIcon& picture, int size);
// A field that a window keeps beside a control only so that a balloon can point at it: it
// takes no focus and shows nothing.
QLineEdit* NewAnchor(QWidget* parent, const QString& name);

// The one caption row of the forms: the caption in `column`, the control beside it spanning
// `span` columns. Returns the caption's label.
QLabel* AddCaptionRow(QGridLayout* grid, int row, const QString& caption, QWidget* control,
                      int column = 0, int span = 1);

// "0", "1", ... up to `last`, for count boxes.
QStringList NumbersUpTo(int last);

// A box in use is enabled and white; one not in use is disabled in the colour of a button's
// face. Either way it keeps its text.
void ShowFieldInUse(QLineEdit* box, bool inUse);

// Shows the text unless the box holds it already: setting the same text would still lay the
// box out and signal a change.
void ShowText(QLineEdit* box, const QString& text);
