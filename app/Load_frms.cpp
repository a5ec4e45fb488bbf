#include "app/Load_frms.h"

#include "app/mainFrm.h"
#include "core/Clock.h"
#include "core/DatabaseFailureWindows.h"
#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/UserStore.h"
#include "core/WindowNotices.h"
#include "core/theDBworks.h"

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

bool NoUserExists() {
    UserStore::OpenUserNames();
    return theDBworks::DBRecordset().RecordCount() <= 0;
}

} // namespace Load_frms
