#pragma once

#include "core/ui/AGPopUp.h"
#include "core/ui/ExtLV.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/WindowChecks.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QStringList>
#include <QTest>

#include <source_location>

// What the administration tests do to the lists and boxes of its windows as a user does, and
// how they read the lists and the stored rows back.

using TestSupport::RowsOf;

// The column headers of a list, hidden ones included.
inline QStringList HeadersOf(ExtLV* list) {
    QStringList texts;
    for (int column = 0; column < list->model()->columnCount(); ++column)
        texts << list->model()->headerData(column, Qt::Horizontal).toString();
    return texts;
}

// Clicks the 1-based row of a list with the mouse button; a row the list lacks fails the test.
inline void ClickRow(ExtLV* list, int row, Qt::MouseButton button = Qt::LeftButton,
                     const std::source_location& where = std::source_location::current()) {
    if (row < 1 || row > list->ListItems().Count()) {
        TestSupport::FailAt(QStringLiteral("\"%1\" has no row %2").arg(list->objectName()).arg(row),
                            where);
        return;
    }
    // Rows filled a moment ago are laid out first.
    QApplication::processEvents();
    const QRect cell = list->visualRect(list->model()->index(row - 1, 0));
    QTest::mouseClick(list->viewport(), button, {}, cell.center());
}

// Clicks the row whose first cell holds the text.
inline void ClickRow(ExtLV* list, const QString& text, Qt::MouseButton button = Qt::LeftButton,
                     const std::source_location& where = std::source_location::current()) {
    const int row = int(RowsOf(list, 1).indexOf(text)) + 1;
    if (row == 0) {
        TestSupport::FailAt(
            QStringLiteral("\"%1\" has no row \"%2\"").arg(list->objectName(), text), where);
        return;
    }
    ClickRow(list, row, button, where);
}

// Right-clicks the 1-based row and chooses the menu's item by its name.
inline void ChooseFromMenu(ExtLV* list, AGPopUp* menu, int row, const QString& item,
                           const std::source_location& where = std::source_location::current()) {
    ClickRow(list, row, Qt::RightButton, where);
    QMenu* shown = menu->Menu();
    if (!shown || !shown->isVisible()) {
        TestSupport::FailAt(QStringLiteral("no menu opened on row %1").arg(row), where);
        return;
    }
    TestSupport::control<QAction>(shown, item, where)->trigger();
    shown->close();
}

// Right-clicks the row whose first cell holds the text and chooses the menu's item by its name.
inline void ChooseFromMenu(ExtLV* list, AGPopUp* menu, const QString& row, const QString& item,
                           const std::source_location& where = std::source_location::current()) {
    const int index = int(RowsOf(list, 1).indexOf(row)) + 1;
    if (index == 0) {
        TestSupport::FailAt(QStringLiteral("\"%1\" has no row \"%2\"").arg(list->objectName(), row),
                            where);
        return;
    }
    ChooseFromMenu(list, menu, index, item, where);
}

// Clicks the box where its tick is: a box laid over a wide cell has no label under its centre.
inline void ClickCheckBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

// The columns of each row of a query joined by "|", in the order the query gives them.
inline QStringList StoredRows(TestSupport::TestDatabase& db, const QString& sql,
                              const QStringList& columns) {
    QStringList rows;
    Recordset found = db.Query(sql);
    for (found.MoveFirst(); !found.AtEOF(); found.MoveNext()) {
        QStringList cells;
        for (const QString& column : columns)
            cells << found.Text(column);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

// The log rows as "text|user|key", in the order they were written.
inline QStringList LogRowsOf(TestSupport::TestDatabase& db) {
    return StoredRows(
        db, QStringLiteral("SELECT * FROM tbl_logTable ORDER BY ID"),
        {QStringLiteral("LogText"), QStringLiteral("LoggedUser"), QStringLiteral("LogKey")});
}
