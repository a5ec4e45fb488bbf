#include "core/DatabaseFailureWindows.h"

#include "core/frmDBLocateTool.h"
#include "core/theDBworks.h"
#include "core/ui/Dialogs.h"

void InstallDatabaseFailureWindows() {
    theDBworks::InstallFailureHandlers(
        {[](const QString& text) { Dialogs::Message(text, Dialogs::Icon::None); },
         [] { frmDBLocateTool::ShowModal(); }});
}
