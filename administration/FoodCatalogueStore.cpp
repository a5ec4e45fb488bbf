#include "administration/FoodCatalogueStore.h"

#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

namespace {

QString withoutApostrophes(QString text) {
    return text.remove(QLatin1Char('\''));
}

} // namespace

namespace FoodCatalogueStore {

void OpenCategories() {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_foodCat"));
}

void OpenItems() {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_FoodItem"));
}

void OpenItemsOf(qint64 categoryId) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_FoodItem WHERE ItemCat = ") +
                              SqlLiteral::Number(categoryId));
}

void OpenItem(qint64 itemId) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_FoodItem WHERE ID = ") +
                              SqlLiteral::Number(itemId));
}

bool AddCategory(const QString& name) {
    return theDBworks::ExecuteInsertSQL(QStringLiteral("INSERT INTO tbl_foodCat(catName) VALUES(") +
                                        SqlLiteral::Text(withoutApostrophes(name)) +
                                        QLatin1Char(')'));
}

bool AddItem(const QString& name, const Currency& price, const QString& note, qint64 categoryId) {
    return theDBworks::ExecuteInsertSQL(
        QStringLiteral("INSERT INTO tbl_FoodItem(ItemName, ItemPrice, ItemNote, ItemCat) VALUES(") +
        SqlLiteral::Text(withoutApostrophes(name)) + QLatin1Char(',') + SqlLiteral::Money(price) +
        QLatin1Char(',') + SqlLiteral::Text(withoutApostrophes(note)) + QStringLiteral(", ") +
        SqlLiteral::Number(categoryId) + QLatin1Char(')'));
}

} // namespace FoodCatalogueStore
