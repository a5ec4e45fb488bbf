#include "food_orders/FoodOrderNumber.h"

#include "core/theDBworks.h"
#include "food_orders/FoodOrderStore.h"
#include "food_orders/FoodOrderTables.h"

#include <QRandomGenerator>

namespace {

constexpr int kParts = 6;
constexpr int kLowest = 9;
constexpr int kSpread = 100; // 9 to 108

QRandomGenerator& generator() {
    static QRandomGenerator random = QRandomGenerator::securelySeeded();
    return random;
}

bool isTaken(const QString& number) {
    return FoodOrderStore::OrderExists(number) ||
           theDBworks::TableExists(FoodOrderStore::ItemTableName(number)) ||
           theDBworks::TableExists(FoodOrderTables::AsideTable(number));
}

} // namespace

namespace FoodOrderNumber {

QString RandomNumber() {
    QString number;
    for (int i = 0; i < kParts; ++i)
        number += QString::number(kLowest + int(generator().bounded(kSpread)));
    return number;
}

QString NewNumber(const std::function<QString()>& draw) {
    QString number;
    do
        number = draw();
    while (isTaken(number));
    return number;
}

} // namespace FoodOrderNumber
