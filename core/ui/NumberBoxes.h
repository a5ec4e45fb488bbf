#pragma once

#include <QString>
#include <QWidget>

#include <initializer_list>
#include <optional>

class CBalloonToolTip;
class QLineEdit;

// Boxes that must hold a number before a form can use them: an amount of money, or a count
// within the range its column holds.
struct NumberBox {
    QWidget* box = nullptr; // a text box or an editable combo box
    QString name;           // the box's caption without its colon: "Advance", "No. of Adults"
    bool count = false;
    int lowest = 0;
    int highest = 0;
};

NumberBox MoneyBox(QWidget* box, const QString& name);
NumberBox CountBox(QWidget* box, const QString& name, int lowest, int highest);

// The count a box holds: a whole number of ASCII digits within the range; nothing otherwise.
std::optional<int> CountIn(const QString& text, int lowest, int highest);

// What a price or tariff box holds: one amount of money, not below zero (a negative price
// would lower every booking and order that takes it).
enum class PriceText { Accepted, NotMoney, Negative };
PriceText CheckPrice(const QString& text);
// The balloon text that refuses a negative price: "Please Enter Tariff of 0 or more!".
QString NegativePriceText(const QString& name);

// The first box that does not hold its number gets the form's error balloon, titled with the
// box's name, and the focus unless it is to stay where the user moved it; true when every box
// holds what it should. A money box holds one amount (Currency::ParseOneAmount).
enum class FocusOnRefusal { Move, Stay };
bool NumbersAccepted(CBalloonToolTip& tip, std::initializer_list<NumberBox> boxes,
                     FocusOnRefusal focus = FocusOnRefusal::Move);

// A box for an amount of money: a click that brings the focus into it selects the amount it
// shows, as Tab does, so that what is typed next replaces the amount instead of joining it.
void SelectAmountOnClick(QLineEdit* box);
