#pragma once

#include "core/ui/ExtLVValues.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>
#include <QVariant>

#include <cstdint>
#include <deque>

// The rows of one ExtLV. A row keeps all its cells in one string with the end of each cell
// beside it, so a list of many thousand bookings costs little more than its characters.
// Rows added in one go reach the view together: the view is told of them once, when the event
// loop next runs or when anything needs them earlier.
class ExtLVModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExtLVModel)

public:
    explicit ExtLVModel(QObject* parent = nullptr);

    // All rows, those the view has not been told of yet included.
    int RowTotal() const { return int(rows_.size()); }
    int AppendRow(const QString& text);
    // A row with all its cells at once: one string made at its full size.
    int AppendRow(const QStringList& cells);
    void RemoveRow(int row);
    void ClearRows();
    // Cell 0 is the row's text; cells the row never got are empty.
    QString Cell(int row, int cell) const;
    // The same without a copy, valid until the row changes.
    QStringView CellView(int row, int cell) const;
    void SetCell(int row, int cell, const QString& text);
    // A value the row keeps beside its cells under a name: its key, a count or an amount as
    // the program holds it. An invalid QVariant when the row was given none of that name.
    QVariant Value(int row, QStringView name) const;
    void SetValue(int row, const QString& name, const QVariant& value);
    // 1-based index into the small icons; 0 = none.
    void SetIcon(int row, int imageIndex);
    int Icon(int row) const { return rows_[std::size_t(row)].icon; }
    void SetIcons(const QList<QIcon>& icons);

    void AppendColumn(const QString& header);
    void ClearColumns();
    QString Header(int column) const { return headers_.value(column); }

    // Tells the view of every row added since the last time; done before anything that
    // addresses rows through the view.
    void CommitPending();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        QString chars;
        // ends[i] = where cell i stops in chars; a row of a few cells needs no block of its own.
        QVarLengthArray<std::uint32_t, 8> ends;
        std::int16_t icon = 0;
    };

    void scheduleCommit();
    int cellStart(const Row& row, int cell) const;

    // Rows stay where they are as more are added: a long list never moves the ones it has.
    std::deque<Row> rows_;
    int committed_ = 0;
    bool commitScheduled_ = false;
    // The size of the last row, reserved for the next so filling it does not grow it again.
    qsizetype typicalChars_ = 0;
    std::size_t typicalCells_ = 1;
    QStringList headers_;
    ExtLVValues values_;
    QList<QIcon> icons_;
};
