#include "core/ui/ListExport.h"

#include "core/RuntimeErrors.h"
#include "core/ui/BusyCursor.h"
#include "core/ui/CDLG.h"
#include "core/ui/ExtLV.h"

#include <QDir>

namespace ListExport {

bool ExportToExcel(ExtLV& list, QWidget* owner, const QString& initialName,
                   const ExtLV::ExportProgress& progress) {
    CDLG dialog;
    QString fileName = initialName;
    QString fileTitle;
    long filterIndex = 1;
    long flags = 0;
    dialog.VBGetSaveFileName(
        fileName, fileTitle, true, QStringLiteral("*.xlsx (Excel Workbook)|*.xlsx"), filterIndex,
        QDir::currentPath(), QStringLiteral("Export to"), QStringLiteral("xlsx"), owner, flags);
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('*')))
        return false;
    // The file is an xlsx workbook; a spreadsheet program warns of one named .xls.
    fileName = CDLG::WithEnding(fileName, QStringLiteral("xlsx"));
    bool written = false;
    {
        const BusyCursor busy;
        written = list.Export(fileName, true, progress);
    }
    if (!written)
        throw StaymarkError(RuntimeError::PathFileAccess().Description() + QStringLiteral(": ") +
                                QDir::toNativeSeparators(fileName),
                            RuntimeError::PathFileAccess().Number());
    return true;
}

} // namespace ListExport
