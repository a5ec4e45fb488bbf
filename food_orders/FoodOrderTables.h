#pragma once

#include <QString>

// Each order's own item table, tbl_FoodOrder_<number>. MariaDB commits a table change by
// itself, outside the unit of work that fills or empties the table, so a desk that stops in
// between (a server gone, a program killed) leaves a change half done; these routines finish it
// the next time. A desk that changes an order's tables holds the order's claim
// (ProgramTables::Claim), under the order's number.
namespace FoodOrderTables {

// tbl_FoodOrder_<number>; the number becomes part of a statement's table name, so anything but
// digits is refused.
QString ItemTable(const QString& orderId);
// Where a removal keeps the order's items until the order's row is known to be gone.
QString AsideTable(const QString& orderId);

// Drops the order's item table when it is empty and the order has no row: what a save that
// did not end leaves. The caller holds the order's claim.
bool DropIfStray(const QString& orderId);
// A table set aside by a removal: dropped when the order's row is gone, put back when it is
// still there. True when the order is wholly gone. The caller holds the order's claim.
bool FinishRemoval(const QString& orderId);

// Sets the order's items aside for its removal (true when it has none to set aside), and puts
// them back under the order's own name.
bool SetAside(const QString& orderId);
bool PutBack(const QString& orderId);

// Finishes every change left half done, on every order no other desk is changing now.
void FinishUnfinished();

// Where an order's items stand when they are about to be read. A removal that a desk or its
// server stopping cut short is finished first: the items come back under the order's own name
// while its row is there, and go when it is gone.
enum class Items {
    InPlace,
    BeingRemoved, // another desk is removing the order, or finishing its removal, now
    OrderGone,
};
Items PlaceItems(const QString& orderId);

} // namespace FoodOrderTables
