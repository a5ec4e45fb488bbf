#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// The windows' controls are found by their names, by the code and by the tests, so each is
// made with its object name.
template <typename Widget>
Widget* Named(Widget* widget, const QString& name, const QString& toolTip = {}) {
    widget->setObjectName(name);
    if (!toolTip.isEmpty())
        widget->setToolTip(toolTip);
    return widget;
}

QLineEdit* NewTextBox(QWidget* parent, const QString& name, const QString& toolTip = {});
QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text);
// A button that Enter elsewhere in the window does not press.
QPushButton* NewButton(QWidget* parent, const QString& name, const QString& caption,
                       const QString& toolTip = {});
