#pragma once

#include "core/Currency.h"

#include <QString>

// The statements of the food and beverage catalogue: the categories of tbl_foodCat and their
// items in tbl_FoodItem. Names and notes are stored without apostrophes.
namespace FoodCatalogueStore {

// Into the shared recordset, in the database's order.
void OpenCategories();
void OpenItems();
void OpenItemsOf(qint64 categoryId);

// An item of the catalogue.
struct Item {
    QString name;
    Currency price;
    QString note;
};
// The item with this ID; throws DatabaseError when there is none.
Item ReadItem(qint64 itemId);

// Whether a category, or an item of the category, already holds the name as it would be
// stored (the letter case aside). Each runs its query into the shared recordset.
bool CategoryExists(const QString& name);
bool ItemExists(const QString& name, qint64 categoryId);

// True when the statements ran; a refusal reports itself.
bool AddCategory(const QString& name);
bool AddItem(const QString& name, const Currency& price, const QString& note, qint64 categoryId);
// The category's items and the category itself, in one unit of work: both or neither.
bool RemoveCategory(qint64 categoryId);
bool RemoveItem(qint64 itemId);

} // namespace FoodCatalogueStore
