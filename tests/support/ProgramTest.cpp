#include "tests/support/ProgramTest.h"

#include "core/DatabaseFailureWindows.h"
#include "core/frmErrorReport.h"
#include "core/ui/Dialogs.h"
#include "core/ui/Shell.h"
#include "tests/support/TestFonts.h"
#include "tests/support/WindowChecks.h"

namespace TestSupport {

namespace {

bool scriptFaultOutsideTests = false;

// A dialog the test did not expect, or an answer it queued in vain, fails the running test.
void failOnScriptFault(const QString& fault) {
    if (QTest::currentTestFunction()) {
        QTest::qFail(qUtf8Printable(fault), __FILE__, __LINE__);
        return;
    }
    qCritical("%s", qUtf8Printable(fault));
    scriptFaultOutsideTests = true;
}

void resetWindows() {
    Dialogs::Testing::Reset();
    Shell::Testing::Reset();
    if (frmErrorReport* window = frmErrorReport::Instance())
        delete window;
}

bool finishDialogs() {
    Dialogs::Testing::Reset();
    return !scriptFaultOutsideTests;
}

} // namespace

void PrepareProcess() {
    PrepareDataProcess();
    UseFont(TestFont());
    Dialogs::Testing::Enable();
    Dialogs::Testing::OnScriptFault(failOnScriptFault);
    Shell::Testing::Enable();
    InstallDatabaseFailureWindows();
    InstallWindowHooks({resetWindows, SweepWindows, finishDialogs, LastMessage});
}

} // namespace TestSupport
