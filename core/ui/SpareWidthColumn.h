#pragma once

class QTreeView;

// Gives one text column of a list the width the list has beyond its columns, so that a list
// that grows with its window shows more of the texts it cuts short (a log text, a note). The
// column never becomes narrower than it was set up, or than the user last dragged it to.
// Call it once the list has its columns.
void ColumnTakesSpareWidth(QTreeView* list, int column);
