#pragma once

#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTreeView>
#include <QVariant>

#include <functional>

class Currency;
class ExtLV;
class ExtLVDelegate;
class ExtLVModel;

// A handle to one row; valid until the list's rows change. Using a handle whose row is gone
// fails with "Index out of bounds" (35600).
class ListItem {
public:
    ListItem(ExtLV* list, int row)
        : list_(list)
        , row_(row) {}

    QString Text() const; // first column
    void Text(const QString& text);
    // Column 1 = the second column, as the windows count.
    QString SubItems(int column) const;
    void SubItems(int column, const QString& text);
    // What the row stands for, kept beside its cells under a name where the row is filled: its
    // key, a count or an amount as the program holds it. A window acts on a row through these,
    // never through a cell, so the columns may show anything in any order. A name the row was
    // not given throws "Invalid property value" (380).
    QVariant Value(const QString& name) const;
    void SetValue(const QString& name, const QVariant& value);
    // A whole number kept under the name (a key); "Type mismatch" (13) when it holds none.
    qint64 Number(const QString& name) const;
    // An amount kept under the name as a Currency; "Type mismatch" (13) when it holds none.
    Currency Money(const QString& name) const;
    int Index() const { return row_ + 1; } // 1-based position
    bool Selected() const;
    void Selected(bool selected);
    // 1-based index into the list's small icons; 0 none.
    int SmallIcon() const;
    void SmallIcon(int imageIndex);

private:
    int checkedRow() const;

    ExtLV* list_;
    int row_;
};

class ListItemsCollection {
public:
    explicit ListItemsCollection(ExtLV* list)
        : list_(list) {}

    ListItem Add(const QString& text); // appends a row
    // Appends a row with its text and sub-items at once, as a long list fills quickest.
    ListItem Add(const QStringList& cells);
    void Clear();
    int Count() const;
    ListItem Item(int index) const; // 1-based
    void Remove(int index);         // 1-based

private:
    int checkedRow(int index) const;

    ExtLV* list_;
};

class ColumnHeadersCollection {
public:
    explicit ColumnHeadersCollection(ExtLV* list)
        : list_(list) {}

    // Width = the text width of `sampleText` in the window's font; an empty sample gives a
    // zero-width, hidden column (it holds the row's hidden key, still readable by SubItems).
    void Add(const QString& header, const QString& sampleText);
    void AddWithWidth(const QString& header, int widthPixels);
    // A column of money, counts or identifiers: as wide as the sample, and wider as soon as a
    // cell needs it, so that no figure is shown cut short.
    void AddWhole(const QString& header, const QString& sampleText);
    int Count() const;
    // Removes every column; the rows keep their cells.
    void Clear();

private:
    ExtLV* list_;
};

// The report-style list of every window that shows rows.
class ExtLV final : public QTreeView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExtLV)

public:
    explicit ExtLV(QWidget* parent = nullptr);
    ~ExtLV() override;

    ListItemsCollection& ListItems() { return items_; }
    ColumnHeadersCollection& ColumnHeaders() { return columns_; }
    // The selected row; throws StaymarkError("Object variable or With block variable not set",
    // 91) when none is, so a handler's error trap reports it as the windows expect.
    ListItem SelectedItem() const;
    bool HasSelectedItem() const;
    // 1 while a row is selected, else 0.
    int SelectedCount() const;
    // The form's image list, which SmallIcon counts from 1.
    void SetSmallIcons(const QList<QIcon>& icons);
    // The selection shown over the whole row instead of its first cell only.
    void FullRowSelect(bool fullRow);
    // Lines between the cells.
    void GridLines(bool gridLines);
    // Screen position just below the selected row's left end, where the editors open; throws
    // like SelectedItem when no row is selected.
    int ItemX() const;
    int ItemY() const;
    // Told while an export writes, after each row: the rows written so far and the rows in all.
    using ExportProgress = std::function<void(int rowsWritten, int rowCount)>;
    // Writes every row, with a header row, to a spreadsheet file at `path`; true when written.
    // The flag is kept for the callers, which always pass true; it changes nothing.
    bool Export(const QString& path, bool flag = true, const ExportProgress& progress = {});

signals:
    // A row was chosen with the left button or the keyboard; the selection is already there.
    void Click();
    // The left button was double-clicked on the selected row.
    void DblClick();
    // A key that types a character, Enter being 13; Enter goes no further than the list.
    void KeyPress(int keyAscii);
    // A mouse button went down, in the list's coordinates; button: 1 left, 2 right, 4 middle;
    // shift: 1 Shift, 2 Ctrl, 4 Alt. Raised before the left button chooses the row under the
    // mouse, but after the right button has, so that a menu it opens acts on that row.
    void MouseDown(int button, int shift, int x, int y);
    // A column header was clicked; 1-based.
    void ColumnClick(int column);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class ListItem;
    friend class ListItemsCollection;
    friend class ColumnHeadersCollection;

    void addColumn(const QString& header, int widthPixels, bool whole = false);
    // Widens each column of whole values to the widest of these rows' cells.
    void fitWholeColumns(int firstRow, int lastRow);
    // The row among these whose cell in the column draws widest; -1 when there are none.
    int widestFigureRow(int column, int firstRow, int lastRow) const;
    int selectedRow() const; // -1 when none
    void selectRow(int row, bool selected);
    QPoint itemPosition() const;
    void emitMouseDown(const QMouseEvent& event);
    void selectRowAt(const QPoint& viewportPoint);

    ExtLVModel* model_;
    ExtLVDelegate* delegate_;
    ListItemsCollection items_{this};
    ColumnHeadersCollection columns_{this};
    int pressedRow_ = -1;
    QList<int> wholeColumns_;
};
