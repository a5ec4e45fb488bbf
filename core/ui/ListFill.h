#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

class ExtLV;
class ListItem;
class Recordset;

// One column of a list that shows rows of a query: its header, the sample text whose width
// the column takes (an empty sample gives the hidden column that holds a row's key), and how
// its cell is made from a record.
struct ListColumn {
    QString header;
    QString widthSample;
    std::function<QString(const Recordset&)> cell;
    // Money, counts and identifiers: the column widens to show each of them whole.
    bool whole = false;
};
using ListColumns = QList<ListColumn>;

// Cells made from one field of the record.
ListColumn TextColumn(const QString& header, const QString& widthSample, const QString& field);
// Counts and identifiers, shown whole.
ListColumn WholeTextColumn(const QString& header, const QString& widthSample, const QString& field);
// A stored text in which "!*!" stands for an apostrophe, as it is shown: with the apostrophe.
QString ShownStoredText(QString stored);
// A column of such texts.
ListColumn StoredTextColumn(const QString& header, const QString& widthSample,
                            const QString& field);
// An amount in the system's currency format, shown whole.
ListColumn MoneyColumn(const QString& header, const QString& widthSample, const QString& field);
// A date in the program's date format (core/ui/DateText.h).
ListColumn DateColumn(const QString& header, const QString& widthSample, const QString& field);

// A value each row keeps beside its cells (ListItem::Value), made from the record: what the
// windows read back of a row, by its name, whatever the columns show.
struct RowValue {
    QString name;
    std::function<QVariant(const Recordset&)> value;
};
using RowValues = QList<RowValue>;

// The record's field as the database gave it, under the field's name: a key, say.
RowValue FieldValue(const QString& field);
// The record's amount as the row shows it (Currency::AsShown), under the field's name: what a
// window adds up or takes away is what the user sees.
RowValue MoneyValue(const QString& field);

// Adds the columns' headers at their widths.
void AddColumns(ExtLV& list, const ListColumns& columns);
// Adds one row, its cells made by the columns and its values by `values` from the record;
// returns it.
ListItem AddListRow(ExtLV& list, const ListColumns& columns, const Recordset& record,
                    const RowValues& values = {});
// Empties the list, then adds a row per record of the shared recordset that a list shows (a
// record whose first column is empty is skipped), its cells made by the columns and its values
// by `values`; `eachRow` may finish each row (a picture, say).
void FillFromRecordset(ExtLV& list, const ListColumns& columns, const RowValues& values = {},
                       const std::function<void(ListItem&, const Recordset&)>& eachRow = {});
// The same from a query that the list runs itself, reading each record once without keeping
// the query's rows: for lists of many thousand rows. Throws as theDBworks::OpenRecordset does.
void FillFromQuery(ExtLV& list, const ListColumns& columns, const QString& sql,
                   const RowValues& values = {},
                   const std::function<void(ListItem&, const Recordset&)>& eachRow = {});
