#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Reads a written workbook back the way a spreadsheet program would: the file is a zip, its
// first sheet an XML part, unpacked here with unzip.
namespace SheetReader {

struct Sheet {
    QString error;            // empty when the sheet was read
    QList<QStringList> rows;  // cell texts by row and column; every row as wide as the widest
    QStringList nonTextCells; // references of cells not stored as text, such as "B2"
};

Sheet ReadFirstSheet(const QString& path);

} // namespace SheetReader
