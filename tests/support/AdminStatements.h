#pragma once

#include <QString>

// Rooms and taxes made as the administration pages make them, for tests that need a hotel
// with rooms. Every test makes them here and nowhere else, so that they always follow the
// program's own statements. Each gives what the program reported when it failed, or empty.
namespace AdminStatements {

// The rooms page: the room's booking table, then its row.
QString AddRoom(const QString& roomId, const QString& description, const QString& roomType,
                const QString& price);
// The tax editor: category 1 room tax, 2 food and beverage tax.
QString AddTax(const QString& name, const QString& rate, int category);

} // namespace AdminStatements
