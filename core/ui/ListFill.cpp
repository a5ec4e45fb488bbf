#include "core/ui/ListFill.h"

#include "core/Recordset.h"
#include "core/theDBworks.h"
#include "core/ui/ExtLV.h"

ListColumn TextColumn(const QString& header, const QString& widthSample, const QString& field) {
    return {header, widthSample, [field](const Recordset& row) { return row.Text(field); }};
}

ListColumn StoredTextColumn(const QString& header, const QString& widthSample,
                            const QString& field) {
    return {header, widthSample, [field](const Recordset& row) {
                return row.Text(field).replace(QStringLiteral("!*!"), QStringLiteral("'"));
            }};
}

ListColumn MoneyColumn(const QString& header, const QString& widthSample, const QString& field) {
    return {header, widthSample,
            [field](const Recordset& row) { return row.Money(field).Format(); }};
}

void AddColumns(ExtLV& list, const ListColumns& columns) {
    for (const ListColumn& column : columns)
        list.ColumnHeaders().Add(column.header, column.widthSample);
}

ListItem AddListRow(ExtLV& list, const ListColumns& columns, const Recordset& record) {
    QStringList cells;
    cells.reserve(columns.size());
    for (const ListColumn& column : columns)
        cells << column.cell(record);
    return list.ListItems().Add(cells);
}

void FillFromRecordset(ExtLV& list, const ListColumns& columns,
                       const std::function<void(ListItem&, const Recordset&)>& eachRow) {
    list.ListItems().Clear();
    theDBworks::ForEachRecord([&](const Recordset& record) {
        ListItem row = AddListRow(list, columns, record);
        if (eachRow)
            eachRow(row, record);
    });
}
