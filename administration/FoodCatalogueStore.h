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
void OpenItem(qint64 itemId);

// True when the insert ran; a refusal reports itself.
bool AddCategory(const QString& name);
bool AddItem(const QString& name, const Currency& price, const QString& note, qint64 categoryId);

} // namespace FoodCatalogueStore
