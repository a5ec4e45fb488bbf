#include "core/ui/SpreadsheetFile.h"

#include <QFile>

#include <xlsxwriter.h>

namespace {

// The longest text a spreadsheet cell holds.
constexpr qsizetype kMaxCellChars = 32767;

QByteArray cellBytes(const QString& text) {
    if (text.size() <= kMaxCellChars)
        return text.toUtf8();
    qsizetype length = kMaxCellChars;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length).toUtf8();
}

bool writeRow(lxw_worksheet* sheet, lxw_row_t row, const QStringList& cells) {
    for (int column = 0; column < cells.size(); ++column) {
        const QByteArray bytes = cellBytes(cells[column]);
        if (worksheet_write_string(sheet, row, lxw_col_t(column), bytes.constData(), nullptr) !=
            LXW_NO_ERROR)
            return false;
    }
    return true;
}

} // namespace

namespace SpreadsheetFile {

bool WriteTextSheet(const QString& path, const QStringList& headers, int rowCount,
                    const CellText& cell, const RowsWritten& rowsWritten) {
    if (path.isEmpty() || qsizetype(rowCount) + 1 > LXW_ROW_MAX || headers.size() > LXW_COL_MAX)
        return false;
    // Rows go straight to a temporary file, so a long list needs little memory.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    const QByteArray fileName = QFile::encodeName(path);
    lxw_workbook* book = workbook_new_opt(fileName.constData(), &options);
    if (!book)
        return false;
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    bool written = sheet && writeRow(sheet, 0, headers);
    QStringList cells;
    for (int row = 0; written && row < rowCount; ++row) {
        cells.clear();
        for (int column = 0; column < headers.size(); ++column)
            cells.append(cell(row, column));
        written = writeRow(sheet, lxw_row_t(row) + 1, cells);
        if (written && rowsWritten)
            rowsWritten(row + 1);
    }
    // Closing writes the file; it also frees the workbook when writing failed.
    const bool closed = workbook_close(book) == LXW_NO_ERROR;
    // A sheet cut short would pass for the whole list.
    if (closed && !written)
        QFile::remove(path);
    return written && closed;
}

} // namespace SpreadsheetFile
