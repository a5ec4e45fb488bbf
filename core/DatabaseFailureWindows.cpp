#include "core/DatabaseFailureWindows.h"

#include "core/ErrorReport.h"
#include "core/frmDBLocateTool.h"
#include "core/frmErrorReport.h"
#include "core/theDBworks.h"
#include "core/ui/Dialogs.h"

#include <QApplication>

namespace {

void showRecordHeldElsewhere() {
    Dialogs::Message(QStringLiteral("Another front desk is using this record, so nothing was "
                                    "saved. Please try again in a moment."));
}

void showReadOnly(const QString& path) {
    Dialogs::Message(QStringLiteral("The database file '%1' can only be read: Staymark shows its "
                                    "records but cannot save any change. Ask your administrator "
                                    "to let this computer write to the file and its folder.")
                         .arg(path));
}

// The pointer tells the user that the program waits and has not stopped.
void showWaiting(bool waiting) {
    if (waiting)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

} // namespace

void InstallDatabaseFailureWindows() {
    InstallErrorReportWindow(&frmErrorReport::ShowReport);
    theDBworks::InstallFailureHandlers(
        {[](const QString& text) { Dialogs::Message(text, Dialogs::Icon::None); },
         [] { frmDBLocateTool::ShowModal(); }, showRecordHeldElsewhere, showReadOnly, showWaiting});
}
