#pragma once

#include <QList>
#include <QString>

class QTextDocument;

// What the bill of one order shows, as the order details window shows it at that moment.
struct FoodBill {
    struct Item {
        QString name;
        QString price; // as the list shows it
    };
    QString title;
    QString firstName;
    QString lastName;
    QString customerId; // order sign and customer number
    QString orderId;    // as the orders list shows it, order sign included
    QList<Item> items;
    // The boxes' texts: amounts in the currency format, the percent in the number format.
    QString total;
    QString percent;
    QString tax;
    QString amountWithTax;
};

// One line of the bill. A line with a label holds one tab, which carries what follows it to
// the line's column: the customer's details stand after the labels, the amounts end at one
// right edge, as on a printed bill.
struct BillLine {
    enum class Column { None, Details, Amount };
    QString text;
    Column column = Column::None;
};

// Where the columns stand, in twips from the left margin: the details begin at the first, the
// amounts end at the second (the right end of the dash line in the bill's design font).
constexpr int kBillDetailsTwips = 3600;
constexpr int kBillAmountsTwips = 6480;

QList<BillLine> BillLines(const FoodBill& bill);
// The bill's lines, each ended by a carriage return and line feed but the last.
QString BillText(const FoodBill& bill);
// Puts the bill into the document, one paragraph to a line, each with its column's tab stop.
void WriteBill(QTextDocument& document, const FoodBill& bill);
