#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

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
    void RemoveRow(int row);
    void ClearRows();
    // Cell 0 is the row's text; cells the row never got are empty.
    QString Cell(int row, int cell) const;
    void SetCell(int row, int cell, const QString& text);
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
        std::vector<std::uint32_t> ends; // ends[i] = where cell i stops in chars
        std::int16_t icon = 0;
    };

    void scheduleCommit();
    int cellStart(const Row& row, int cell) const;

    std::vector<Row> rows_;
    int committed_ = 0;
    bool commitScheduled_ = false;
    // The size of the last row, reserved for the next so filling it does not grow it again.
    qsizetype typicalChars_ = 0;
    std::size_t typicalCells_ = 1;
    QStringList headers_;
    QList<QIcon> icons_;
};
