#include "administration/TaxStore.h"

#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

namespace TaxStore {

void OpenTaxes(int category) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_Tax WHERE TaxCat=") +
                              SqlLiteral::Number(qint64(category)));
}

QList<Currency> TaxRates(int category) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT TaxRate FROM tbl_Tax WHERE TaxCat=") +
                              SqlLiteral::Number(qint64(category)));
    QList<Currency> rates;
    theDBworks::ForEachRecord(
        [&rates](const Recordset& tax) { rates << tax.Money(QStringLiteral("TaxRate")); });
    return rates;
}

bool AddTax(const QString& name, const Currency& rate, int category) {
    return theDBworks::ExecuteInsertSQL(
        QStringLiteral("INSERT INTO tbl_Tax(TaxName,TaxRate,TaxCat ) values(") +
        SqlLiteral::Text(name) + QLatin1Char(',') + SqlLiteral::Text(rate.ToPlainText()) +
        QLatin1Char(',') + SqlLiteral::Number(qint64(category)) + QLatin1Char(')'));
}

bool RemoveTax(qint64 id) {
    return theDBworks::ExecuteDeleteSQL(QStringLiteral("DELETE from tbl_Tax WHERE ID = ") +
                                        SqlLiteral::Number(id));
}

} // namespace TaxStore
