#pragma once

#include "core/ui/ExtLV.h"

#include <QHeaderView>
#include <QList>
#include <QString>

namespace TestSupport {

// Lays a filled list out as one more column in front of the others would: a first column of
// that header, empty in every row, and every other header and cell one place on, their widths
// and hidden columns kept. A window that reads a row by a column's position then reads the
// cell beside the one it means.
inline void PutColumnInFront(ExtLV* list, const QString& header) {
    struct Column {
        QString header;
        int width;
    };
    QList<Column> columns;
    for (int column = 0; column < list->ColumnHeaders().Count(); ++column)
        columns.append({list->model()->headerData(column, Qt::Horizontal).toString(),
                        list->isColumnHidden(column) ? 0 : list->header()->sectionSize(column)});
    list->ColumnHeaders().Clear();
    list->ColumnHeaders().AddWithWidth(header, 60);
    for (const Column& column : columns)
        list->ColumnHeaders().AddWithWidth(column.header, column.width);
    for (int i = 1; i <= list->ListItems().Count(); ++i) {
        ListItem row = list->ListItems().Item(i);
        for (auto cell = int(columns.size()); cell >= 1; --cell)
            row.SubItems(cell, cell == 1 ? row.Text() : row.SubItems(cell - 1));
        row.Text(QString());
    }
}

} // namespace TestSupport
