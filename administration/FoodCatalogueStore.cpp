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

Item ReadItem(qint64 itemId) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_FoodItem WHERE ID = ") +
                              SqlLiteral::Number(itemId));
    const Recordset& row = theDBworks::DBRecordset();
    return {row.Text(QStringLiteral("ItemName")), row.Money(QStringLiteral("ItemPrice")),
            row.Text(QStringLiteral("ItemNote"))};
}

bool CategoryExists(const QString& name) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_foodCat WHERE catName= ") +
                              SqlLiteral::Text(withoutApostrophes(name)));
    return theDBworks::DBRecordset().RecordCount() > 0;
}

bool ItemExists(const QString& name, qint64 categoryId) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT ItemName FROM tbl_FoodItem WHERE ItemName=") +
                              SqlLiteral::Text(withoutApostrophes(name)) +
                              QStringLiteral(" AND ItemCat = ") + SqlLiteral::Number(categoryId));
    return theDBworks::DBRecordset().RecordCount() > 0;
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

bool RemoveCategory(qint64 categoryId) {
    return theDBworks::RunInTransaction([categoryId] {
        return theDBworks::ExecuteDeleteSQL(QStringLiteral("DELETE FROM tbl_FoodItem WHERE "
                                                           "ItemCat = ") +
                                            SqlLiteral::Number(categoryId)) &&
               theDBworks::ExecuteDeleteSQL(QStringLiteral("DELETE FROM tbl_foodCat WHERE ID = ") +
                                            SqlLiteral::Number(categoryId));
    });
}

bool RemoveItem(qint64 itemId) {
    return theDBworks::ExecuteDeleteSQL(QStringLiteral("DELETE FROM tbl_FoodItem WHERE ID = ") +
                                        SqlLiteral::Number(itemId));
}

} // namespace FoodCatalogueStore
