#pragma once

#include "core/ui/ListFill.h"

class ExtLV;

// The log list's five columns: the text, the user, the date with the full month name, the time
// of the 12-hour clock with the AM/PM designator, and the hidden row ID.
const ListColumns& LogColumns();
// Adds their headers at their widths.
void AddLogColumns(ExtLV& list);
