#include "core/Load_frms.h"

#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/theDBworks.h"

#include <QMainWindow>

namespace Load_frms {

void Main() {
    IgnoreErrors([] { GlobalLogin::IsLoggedIn = false; });
    IgnoreErrors([] { InitCommonCtrls(); });
    IgnoreErrors([] { theDBworks::OpenConnection(); });
    auto* window = new QMainWindow();
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(QStringLiteral("mainFrm"));
    window->setWindowTitle(QStringLiteral("Staymark Vol 1"));
    window->resize(1024, 720);
    window->show();
}

bool InitCommonCtrls() {
    return true;
}

bool NoUserExists() {
    theDBworks::OpenRecordset(QStringLiteral("SELECT cusername FROM tbl_users"));
    return theDBworks::DBRecordset().RecordCount() <= 0;
}

} // namespace Load_frms
