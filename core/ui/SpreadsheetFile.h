#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace SpreadsheetFile {

// Gives the text of one cell of the rows below the header row.
using CellText = std::function<QString(int row, int column)>;
// Told after each row below the header row, with the number of such rows written so far.
using RowsWritten = std::function<void(int rowsWritten)>;

// Writes a workbook with one sheet: the header row, then `rowCount` rows of `headers.size()`
// cells each, every cell as text, so "007" stays "007". True when the file was written.
bool WriteTextSheet(const QString& path, const QStringList& headers, int rowCount,
                    const CellText& cell, const RowsWritten& rowsWritten = {});

} // namespace SpreadsheetFile
