#pragma once

#include <QList>
#include <QString>

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

// The bill as tab-aligned lines, each ended by a carriage return and line feed but the last.
QString BillText(const FoodBill& bill);
