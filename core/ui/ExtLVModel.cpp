#include "core/ui/ExtLVModel.h"

#include <QMetaObject>

#include <algorithm>

ExtLVModel::ExtLVModel(QObject* parent)
    : QAbstractTableModel(parent) {}

int ExtLVModel::AppendRow(const QString& text) {
    if (!rows_.empty()) {
        const Row& last = rows_.back();
        typicalChars_ = last.chars.size();
        typicalCells_ = std::size_t(last.ends.size());
    }
    Row row;
    row.chars.reserve(std::max(typicalChars_, text.size()));
    row.chars.append(text);
    row.ends.reserve(qsizetype(typicalCells_));
    row.ends.push_back(std::uint32_t(text.size()));
    rows_.push_back(std::move(row));
    scheduleCommit();
    return RowTotal() - 1;
}

int ExtLVModel::AppendRow(const QStringList& cells) {
    Row row;
    qsizetype length = 0;
    for (const QString& cell : cells)
        length += cell.size();
    row.chars.reserve(length);
    row.ends.reserve(std::max<qsizetype>(cells.size(), 1));
    for (const QString& cell : cells) {
        row.chars.append(cell);
        row.ends.push_back(std::uint32_t(row.chars.size()));
    }
    if (cells.isEmpty())
        row.ends.push_back(0);
    rows_.push_back(std::move(row));
    scheduleCommit();
    return RowTotal() - 1;
}

void ExtLVModel::RemoveRow(int row) {
    CommitPending();
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    values_.RemoveRow(row);
    --committed_;
    endRemoveRows();
}

void ExtLVModel::ClearRows() {
    beginResetModel();
    rows_.clear();
    rows_.shrink_to_fit();
    committed_ = 0;
    values_.Clear();
    typicalChars_ = 0;
    typicalCells_ = 1;
    endResetModel();
}

int ExtLVModel::cellStart(const Row& row, int cell) const {
    return cell == 0 ? 0 : int(row.ends[cell - 1]);
}

QString ExtLVModel::Cell(int row, int cell) const {
    return CellView(row, cell).toString();
}

QStringView ExtLVModel::CellView(int row, int cell) const {
    const Row& r = rows_[std::size_t(row)];
    if (cell < 0 || cell >= r.ends.size())
        return {};
    const int start = cellStart(r, cell);
    return QStringView(r.chars).mid(start, int(r.ends[cell]) - start);
}

void ExtLVModel::SetCell(int row, int cell, const QString& text) {
    Row& r = rows_[std::size_t(row)];
    // A cell past the last one set: the cells between stay empty.
    while (r.ends.size() <= cell)
        r.ends.push_back(std::uint32_t(r.chars.size()));
    const int start = cellStart(r, cell);
    const int oldLength = int(r.ends[cell]) - start;
    // The usual way a row is filled, each cell after the one before, appends.
    if (start == r.chars.size() && oldLength == 0)
        r.chars.append(text);
    else
        r.chars.replace(start, oldLength, text);
    const int delta = int(text.size()) - oldLength;
    for (qsizetype i = cell; i < r.ends.size(); ++i)
        r.ends[i] = std::uint32_t(int(r.ends[i]) + delta);
    if (row < committed_ && cell < columnCount()) {
        const QModelIndex changed = index(row, cell);
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    }
}

QVariant ExtLVModel::Value(int row, QStringView name) const {
    return values_.Value(row, name);
}

void ExtLVModel::SetValue(int row, const QString& name, const QVariant& value) {
    values_.SetValue(row, name, value);
}

void ExtLVModel::SetIcon(int row, int imageIndex) {
    rows_[std::size_t(row)].icon = std::int16_t(std::clamp(imageIndex, 0, 32767));
    if (row < committed_ && columnCount() > 0) {
        const QModelIndex changed = index(row, 0);
        emit dataChanged(changed, changed, {Qt::DecorationRole});
    }
}

void ExtLVModel::SetIcons(const QList<QIcon>& icons) {
    // A window attaches its pictures before each fill: the same ones again change nothing.
    const auto same = [](const QIcon& a, const QIcon& b) { return a.cacheKey() == b.cacheKey(); };
    if (std::equal(icons_.cbegin(), icons_.cend(), icons.cbegin(), icons.cend(), same))
        return;
    icons_ = icons;
    if (committed_ > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(committed_ - 1, 0), {Qt::DecorationRole});
}

void ExtLVModel::AppendColumn(const QString& header) {
    const int column = columnCount();
    beginInsertColumns({}, column, column);
    headers_.append(header);
    endInsertColumns();
}

void ExtLVModel::ClearColumns() {
    if (headers_.isEmpty())
        return;
    beginRemoveColumns({}, 0, columnCount() - 1);
    headers_.clear();
    endRemoveColumns();
}

void ExtLVModel::scheduleCommit() {
    if (commitScheduled_)
        return;
    commitScheduled_ = true;
    QMetaObject::invokeMethod(this, &ExtLVModel::CommitPending, Qt::QueuedConnection);
}

void ExtLVModel::CommitPending() {
    commitScheduled_ = false;
    const int total = RowTotal();
    if (committed_ == total)
        return;
    beginInsertRows({}, committed_, total - 1);
    committed_ = total;
    endInsertRows();
}

int ExtLVModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : committed_;
}

int ExtLVModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(headers_.size());
}

QVariant ExtLVModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= committed_)
        return {};
    if (role == Qt::DisplayRole)
        return Cell(index.row(), index.column());
    if (role == Qt::DecorationRole && index.column() == 0) {
        const int icon = Icon(index.row());
        if (icon >= 1 && icon <= icons_.size())
            return icons_[icon - 1];
    }
    return {};
}

QVariant ExtLVModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return Header(section);
    return {};
}
