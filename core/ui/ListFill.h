#pragma once

#include <QList>
#include <QString>

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

// Adds the columns' headers at their widths.
void AddColumns(ExtLV& list, const ListColumns& columns);
// Adds one row, its cells made by the columns from the record; returns it.
ListItem AddListRow(ExtLV& list, const ListColumns& columns, const Recordset& record);
// Empties the list, then adds a row per record of the shared recordset that a list shows (a
// record whose first column is empty is skipped), its cells made by the columns; `eachRow`
// may finish each row (a picture, say).
void FillFromRecordset(ExtLV& list, const ListColumns& columns,
                       const std::function<void(ListItem&, const Recordset&)>& eachRow = {});
// The same from a query that the list runs itself, reading each record once without keeping
// the query's rows: for lists of many thousand rows. Throws as theDBworks::OpenRecordset does.
void FillFromQuery(ExtLV& list, const ListColumns& columns, const QString& sql,
                   const std::function<void(ListItem&, const Recordset&)>& eachRow = {});
