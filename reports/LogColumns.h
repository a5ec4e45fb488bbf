#pragma once

#include "core/ui/ListFill.h"

class ExtLV;
class ListItem;

// The log list's five columns: the text, the user, the date with the full month name, the time
// of the 12-hour clock with the AM/PM designator, and the hidden row ID.
const ListColumns& LogColumns();
// Adds their headers at their widths.
void AddLogColumns(ExtLV& list);
// What each row keeps beside its cells: the log row's ID.
const RowValues& LogValues();
// The ID of the log row the list row shows.
qint64 LogIdOf(const ListItem& row);
