#pragma once

#include <QString>

// Rooms and taxes made with the statements the administration pages send, for tests that need
// a hotel with rooms.
namespace AdminStatements {

// The rooms page: the room's booking table, then its row.
bool AddRoom(const QString& roomId, const QString& description, const QString& roomType,
             const QString& price);
// The tax editor: category 1 room tax, 2 food and beverage tax.
bool AddTax(const QString& name, const QString& rate, int category);

} // namespace AdminStatements
