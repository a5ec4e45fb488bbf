#pragma once

#include <QList>
#include <QString>

class FormBalloon;
class QWidget;

// Boxes whose text goes into a statement as a number: an amount of money, or a count within the
// range its column holds. A box that holds something else is answered at the box, before
// anything is written.
struct NumberBox {
    QWidget* box = nullptr; // a QLineEdit, or a QComboBox that takes typed text
    QString title;          // the balloon's title: the box's name as its caption reads
    bool money = false;
    qint64 lowest = 0; // the range of a count
    qint64 highest = 0;
};

// What an integer column holds.
constexpr qint64 kIntColumnMax = 2147483647;

NumberBox MoneyBox(QWidget* box, const QString& title);
// A whole number from 0 to `highest`.
NumberBox CountBox(QWidget* box, const QString& title, qint64 highest = kIntColumnMax);

// The box's text holds its kind of number.
bool HoldsNumber(const NumberBox& box);

// The first box that does not hold its number gets the form's error balloon, titled with the
// box's name, and the focus; false then. True when every box holds its number.
bool NumberBoxesAccepted(FormBalloon& balloon, const QList<NumberBox>& boxes);
