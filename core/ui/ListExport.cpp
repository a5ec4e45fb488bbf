#include "core/ui/ListExport.h"

#include "core/RuntimeErrors.h"
#include "core/ui/BusyCursor.h"
#include "core/ui/CDLG.h"
#include "core/ui/ExtLV.h"

#include <QDir>

namespace {

QString withXlsEnding(const QString& name) {
    return name.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive)
               ? name
               : name + QStringLiteral(".xls");
}

} // namespace

namespace ListExport {

bool ExportToExcel(ExtLV& list, QWidget* owner, const QString& initialName,
                   const ExtLV::ExportProgress& progress) {
    CDLG dialog;
    QString fileName = initialName;
    QString fileTitle;
    long filterIndex = 1;
    long flags = 0;
    dialog.VBGetSaveFileName(
        fileName, fileTitle, true, QStringLiteral("*.xls (Excel Workbook)|*.xls"), filterIndex,
        QDir::currentPath(), QStringLiteral("Export to"), QStringLiteral("xls"), owner, flags);
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('*')))
        return false;
    fileName = withXlsEnding(fileName);
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
