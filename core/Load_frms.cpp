#include "core/Load_frms.h"

#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/mainFrm.h"
#include "core/theDBworks.h"
#include "reservations/frmBooking.h"

namespace Load_frms {

bool Main() {
    IgnoreErrors([] { GlobalLogin::IsLoggedIn = false; });
    IgnoreErrors([] { InitCommonCtrls(); });
    BookingFormOpen = false;
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
    theDBworks::OpenRecordset(QStringLiteral("SELECT cusername FROM tbl_users"));
    return theDBworks::DBRecordset().RecordCount() <= 0;
}

} // namespace Load_frms
