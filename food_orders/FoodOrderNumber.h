#pragma once

#include <QString>

#include <functional>

// The number of a food and beverage order: six whole numbers from 9 to 108 written one after
// the other (6 to 18 digits). It names the order's own item table.
namespace FoodOrderNumber {

// Six numbers from a generator seeded once per run.
QString RandomNumber();
// A number that no stored order and no item table holds yet: drawn again on a clash.
QString NewNumber(const std::function<QString()>& draw = RandomNumber);

} // namespace FoodOrderNumber
