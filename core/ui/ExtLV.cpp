#include "core/ui/ExtLV.h"

#include "core/Currency.h"
#include "core/RuntimeErrors.h"
#include "core/ui/ExtLVDelegate.h"
#include "core/ui/ExtLVModel.h"
#include "core/ui/SpreadsheetFile.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include <algorithm>

namespace {

// Whether two figures differ in their digits only.
bool sameShape(QStringView a, QStringView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && !(a[i].isDigit() && b[i].isDigit()))
            return false;
    return true;
}

[[noreturn]] void failNoSelection() {
    throw RuntimeError::ObjectNotSet();
}

[[noreturn]] void failIndex() {
    throw RuntimeError::IndexOutOfBounds();
}

void checkSubItem(int column) {
    if (column < 1)
        throw RuntimeError::InvalidPropertyValue();
}

int buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

// The character code a key press types; 0 for keys that type none (arrows, F-keys).
int keyAscii(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    const QString text = event.text();
    return text.isEmpty() ? 0 : int(text.at(0).unicode());
}

bool isEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

} // namespace

// --- ListItem ---

int ListItem::checkedRow() const {
    if (!list_ || row_ < 0 || row_ >= list_->model_->RowTotal())
        failIndex();
    return row_;
}

QString ListItem::Text() const {
    return list_->model_->Cell(checkedRow(), 0);
}

void ListItem::Text(const QString& text) {
    list_->model_->SetCell(checkedRow(), 0, text);
}

QString ListItem::SubItems(int column) const {
    checkSubItem(column);
    return list_->model_->Cell(checkedRow(), column);
}

void ListItem::SubItems(int column, const QString& text) {
    checkSubItem(column);
    list_->model_->SetCell(checkedRow(), column, text);
}

QVariant ListItem::Value(const QString& name) const {
    const QVariant value = list_->model_->Value(checkedRow(), name);
    if (!value.isValid())
        throw RuntimeError::InvalidPropertyValue();
    return value;
}

void ListItem::SetValue(const QString& name, const QVariant& value) {
    list_->model_->SetValue(checkedRow(), name, value);
}

qint64 ListItem::Number(const QString& name) const {
    bool whole = false;
    const qint64 number = Value(name).toLongLong(&whole);
    if (!whole)
        throw RuntimeError::TypeMismatch();
    return number;
}

Currency ListItem::Money(const QString& name) const {
    const QVariant value = Value(name);
    if (value.metaType() != QMetaType::fromType<Currency>())
        throw RuntimeError::TypeMismatch();
    return value.value<Currency>();
}

bool ListItem::Selected() const {
    return list_->selectedRow() == checkedRow();
}

void ListItem::Selected(bool selected) {
    list_->selectRow(checkedRow(), selected);
}

int ListItem::SmallIcon() const {
    return list_->model_->Icon(checkedRow());
}

void ListItem::SmallIcon(int imageIndex) {
    list_->model_->SetIcon(checkedRow(), imageIndex);
}

// --- ListItemsCollection ---

int ListItemsCollection::checkedRow(int index) const {
    if (index < 1 || index > Count())
        failIndex();
    return index - 1;
}

ListItem ListItemsCollection::Add(const QString& text) {
    return ListItem(list_, list_->model_->AppendRow(text));
}

ListItem ListItemsCollection::Add(const QStringList& cells) {
    return ListItem(list_, list_->model_->AppendRow(cells));
}

void ListItemsCollection::Clear() {
    list_->model_->ClearRows();
}

int ListItemsCollection::Count() const {
    return list_->model_->RowTotal();
}

ListItem ListItemsCollection::Item(int index) const {
    return ListItem(list_, checkedRow(index));
}

void ListItemsCollection::Remove(int index) {
    list_->model_->RemoveRow(checkedRow(index));
}

// --- ColumnHeadersCollection ---

void ColumnHeadersCollection::Add(const QString& header, const QString& sampleText) {
    list_->addColumn(header, list_->fontMetrics().horizontalAdvance(sampleText));
}

void ColumnHeadersCollection::AddWithWidth(const QString& header, int widthPixels) {
    list_->addColumn(header, widthPixels);
}

void ColumnHeadersCollection::AddWhole(const QString& header, const QString& sampleText) {
    list_->addColumn(header, list_->fontMetrics().horizontalAdvance(sampleText), true);
}

int ColumnHeadersCollection::Count() const {
    return list_->model_->columnCount();
}

void ColumnHeadersCollection::Clear() {
    list_->wholeColumns_.clear();
    list_->model_->ClearColumns();
}

// --- ExtLV ---

ExtLV::ExtLV(QWidget* parent)
    : QTreeView(parent)
    , model_(new ExtLVModel(this))
    , delegate_(new ExtLVDelegate(this)) {
    setModel(model_);
    setItemDelegate(delegate_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectRows);
    setEditTriggers(NoEditTriggers);
    setIconSize(QSize(16, 16));
    setHorizontalScrollMode(ScrollPerPixel);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setSectionsClickable(true);
    header()->setMinimumSectionSize(0);
    connect(header(), &QHeaderView::sectionClicked, this,
            [this](int section) { emit ColumnClick(section + 1); });
    connect(model_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { fitWholeColumns(first, last); });
    connect(model_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight,
                   const QList<int>& roles) {
                // Only a changed text can widen a column; a picture set on every row of a list
                // that is about to be filled again measures none of them.
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole))
                    fitWholeColumns(topLeft.row(), bottomRight.row());
            });
}

ExtLV::~ExtLV() = default;

void ExtLV::addColumn(const QString& header, int widthPixels, bool whole) {
    model_->AppendColumn(header);
    const int column = model_->columnCount() - 1;
    this->header()->resizeSection(column, qMax(widthPixels, 0));
    setColumnHidden(column, widthPixels <= 0);
    if (whole)
        wholeColumns_.append(column);
    if (whole && model_->rowCount() > 0)
        fitWholeColumns(0, model_->rowCount() - 1);
}

void ExtLV::fitWholeColumns(int firstRow, int lastRow) {
    for (const int column : std::as_const(wholeColumns_)) {
        if (isColumnHidden(column))
            continue;
        const int widestRow = widestFigureRow(column, firstRow, lastRow);
        if (widestRow < 0)
            continue;
        const int width = sizeHintForIndex(model_->index(widestRow, column)).width();
        header()->resizeSection(column, qMax(header()->sectionSize(column), width));
    }
}

int ExtLV::widestFigureRow(int column, int firstRow, int lastRow) const {
    // A figure with more characters is the wider one, and figures that differ only in their
    // digits draw alike wide, so one of each such shape among the longest is measured: a list
    // of many thousand rows is not laid out cell by cell.
    qsizetype longest = 0;
    for (int row = firstRow; row <= lastRow; ++row)
        longest = qMax(longest, model_->CellView(row, column).size());
    const QFontMetrics metrics = fontMetrics();
    QList<QString> measuredShapes;
    int widestRow = -1;
    int widest = -1;
    for (int row = firstRow; row <= lastRow; ++row) {
        const QStringView text = model_->CellView(row, column);
        if (text.size() < longest ||
            std::any_of(measuredShapes.cbegin(), measuredShapes.cend(),
                        [text](const QString& shape) { return sameShape(shape, text); }))
            continue;
        measuredShapes.append(text.toString());
        const int width = metrics.horizontalAdvance(text.toString());
        if (width > widest) {
            widest = width;
            widestRow = row;
        }
    }
    return widestRow;
}

int ExtLV::selectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ExtLV::selectRow(int row, bool selected) {
    model_->CommitPending();
    const QModelIndex index = model_->index(row, 0);
    if (selected)
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
    else if (selectedRow() == row)
        selectionModel()->select(index, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
}

ListItem ExtLV::SelectedItem() const {
    const int row = selectedRow();
    if (row < 0)
        failNoSelection();
    return ListItem(const_cast<ExtLV*>(this), row);
}

bool ExtLV::HasSelectedItem() const {
    return selectedRow() >= 0;
}

int ExtLV::SelectedCount() const {
    return HasSelectedItem() ? 1 : 0;
}

void ExtLV::SetSmallIcons(const QList<QIcon>& icons) {
    model_->SetIcons(icons);
}

void ExtLV::FullRowSelect(bool fullRow) {
    delegate_->SetFullRowSelect(fullRow);
    setAllColumnsShowFocus(fullRow);
    viewport()->update();
}

void ExtLV::GridLines(bool gridLines) {
    delegate_->SetGridLines(gridLines);
    viewport()->update();
}

QPoint ExtLV::itemPosition() const {
    const int row = selectedRow();
    if (row < 0)
        failNoSelection();
    const QRect rowRect = visualRect(model_->index(row, 0));
    // A row scrolled out of sight still gives a point on the list.
    const QRect area = viewport()->rect();
    const QPoint below(qBound(area.left(), rowRect.left(), area.right()),
                       qBound(area.top(), rowRect.bottom() + 1, area.bottom()));
    return viewport()->mapToGlobal(below);
}

int ExtLV::ItemX() const {
    return itemPosition().x();
}

int ExtLV::ItemY() const {
    return itemPosition().y();
}

bool ExtLV::Export(const QString& path, bool flag, const ExportProgress& progress) {
    Q_UNUSED(flag)
    QStringList headers;
    QList<int> columns;
    for (int column = 0; column < model_->columnCount(); ++column) {
        if (isColumnHidden(column))
            continue;
        headers.append(model_->Header(column));
        columns.append(column);
    }
    const int rowCount = model_->RowTotal();
    SpreadsheetFile::RowsWritten rowsWritten;
    if (progress)
        rowsWritten = [&progress, rowCount](int written) { progress(written, rowCount); };
    return SpreadsheetFile::WriteTextSheet(
        path, headers, rowCount,
        [this, &columns](int row, int column) { return model_->Cell(row, columns[column]); },
        rowsWritten);
}

void ExtLV::emitMouseDown(const QMouseEvent& event) {
    const QPoint at = viewport()->mapTo(this, event.position().toPoint());
    emit MouseDown(buttonCode(event.button()), shiftCode(event.modifiers()), at.x(), at.y());
}

void ExtLV::selectRowAt(const QPoint& viewportPoint) {
    const QModelIndex index = indexAt(viewportPoint);
    if (index.isValid())
        selectRow(index.row(), true);
    else
        selectionModel()->clearSelection();
}

void ExtLV::mousePressEvent(QMouseEvent* event) {
    pressedRow_ = -1;
    const QPointer<ExtLV> alive(this);
    if (event->button() == Qt::RightButton) {
        // The right button opens the row's menu from MouseDown: it must act on the row pressed.
        selectRowAt(event->position().toPoint());
        emitMouseDown(*event);
        return;
    }
    emitMouseDown(*event);
    if (!alive)
        return;
    QTreeView::mousePressEvent(event);
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && pressed.isValid())
        pressedRow_ = pressed.row();
}

void ExtLV::mouseReleaseEvent(QMouseEvent* event) {
    // A press on a row chooses it, or the row the mouse was dragged to.
    const bool pressedOnRow = event->button() == Qt::LeftButton && pressedRow_ >= 0;
    pressedRow_ = -1;
    QTreeView::mouseReleaseEvent(event);
    if (pressedOnRow && HasSelectedItem())
        emit Click();
}

void ExtLV::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !index.isValid() || index.row() != selectedRow()) {
        // Not a second click on the row the first one chose: a press like any other.
        mousePressEvent(event);
        return;
    }
    pressedRow_ = -1;
    emit DblClick();
}

void ExtLV::keyPressEvent(QKeyEvent* event) {
    const QPointer<ExtLV> alive(this);
    const int ascii = keyAscii(*event);
    if (ascii != 0)
        emit KeyPress(ascii);
    if (!alive)
        return;
    // Enter belongs to the list's own handler; passed on it would also press a default button.
    if (isEnter(*event)) {
        event->accept();
        return;
    }
    const int before = selectedRow();
    QTreeView::keyPressEvent(event);
    const int after = selectedRow();
    if (after >= 0 && after != before)
        emit Click();
}
