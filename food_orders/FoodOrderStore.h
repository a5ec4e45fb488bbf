#pragma once

#include "core/Currency.h"
#include "food_orders/CustomerLookup.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// One line of an order: the item by name, at its price when ordered.
struct FoodOrderLine {
    QString item;
    Currency price;
};

// One food and beverage order charged to a customer (a stay of tbl_customers).
struct FoodOrder {
    QString customerNumber; // cUniqueNo, without the order sign
    QString orderId;        // FoodOrderNumber
    QString title;
    QString firstName;
    QString lastName;
    Currency total;
    QString status;
    QDate date; // the day it counts in the revenue
    QList<FoodOrderLine> lines;
};

// The statements of tbl_FoodOrders and of each order's own item table tbl_FoodOrder_<number>.
namespace FoodOrderStore {

QString ItemTableName(const QString& orderId);

// One row of a customer joined with its orders; every value is empty in the one row of a
// customer without orders.
struct CustomerOrderRow {
    QString orderId; // FoodOrderID
    QDate date;      // Dateline
    QString status;
    QString customerNumber; // OrderNo
};
struct CustomerOrders {
    std::optional<CustomerLookup::CustomerNames> names; // none when the customer is not found
    QList<CustomerOrderRow> rows;
};
// The customer's names and a row for each of its orders.
CustomerOrders ReadCustomerOrders(const QString& customerNumber);
// The lines of the order's item table, in the database's order. A removal of the order that
// was cut short is finished first, so that an order is read whole or not at all.
struct OrderLinesRead {
    enum class State {
        Read,
        BeingRemoved, // at another desk, now: nothing is read
        Removed,      // the order is no longer there
    };
    State state = State::Read;
    QList<FoodOrderLine> lines;
};
OrderLinesRead OrderLines(const QString& orderId);
// The order's total; throws DatabaseError when there is no such order.
Currency OrderTotal(const QString& orderId);

bool OrderExists(const QString& orderId);
// Whether any order is charged to the customer.
bool HasOrders(const QString& customerNumber);
// What the customer owes for food: the totals of its orders that are not paid.
Currency UnpaidTotal(const QString& customerNumber);

// Saves the order as one unit of work: its row, its item table with one row per line, and the
// day's revenue; false, with nothing kept, when a statement failed (it reports itself).
bool SaveOrder(const FoodOrder& order);
// Removes the order's row and its item table, both or neither; the revenue keeps the order.
// A desk removing the same order is waited for. A removal cut short by a server gone away is
// finished by the next save or removal.
bool RemoveOrder(const QString& orderId);
// Finishes what saves and removals cut short left behind: an empty item table without its
// order row goes, items set aside for a removal go or come back. Run at start.
void FinishUnfinishedTableChanges();

} // namespace FoodOrderStore
