#include "app/Load_frms.h"

#include "app/mainFrm.h"
#include "core/Clock.h"
#include "core/DatabaseFailureWindows.h"
#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/WindowNotices.h"

namespace Load_frms {

bool Main() {
    Clock::ReadLocalZoneOnce();
    IgnoreErrors([] { GlobalLogin::IsLoggedIn = false; });
    IgnoreErrors([] { InitCommonCtrls(); });
    BookingFormOpen = false;
    InstallDatabaseFailureWindows();
    auto* window = new mainFrm();
    if (!window->Loaded()) {
        delete window;
        return false;
    }
    window->show();
    return true;
}

bool InitCommonCtrls() {
    return true;
}

} // namespace Load_frms
