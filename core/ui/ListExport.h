#pragma once

#include "core/ui/ExtLV.h"

#include <QString>

class QWidget;

namespace ListExport {

// The export of a whole list to a spreadsheet file: the save dialog "Export to" opens in the
// current folder with `initialName`; nothing is written when it is cancelled or the name holds
// "*"; ".xlsx" is added unless the name already ends in it. True when a file was written;
// throws StaymarkError when the chosen file could not be written, so the window's handler
// reports it. `progress` is told after each row written.
bool ExportToExcel(ExtLV& list, QWidget* owner, const QString& initialName,
                   const ExtLV::ExportProgress& progress = {});

} // namespace ListExport
