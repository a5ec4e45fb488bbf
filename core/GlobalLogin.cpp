#include "core/GlobalLogin.h"

#include "core/CCrypto.h"
#include "core/ErrorReport.h"
#include "core/SqlLiteral.h"
#include "core/UserStore.h"
#include "core/theDBworks.h"

#include <memory>

namespace GlobalLogin {

bool IsLoggedIn = false;
QString LoggedUserName;
int PrivModifySettings = 0;
int PrivRoomList = 0;
int PrivModifyTax = 0;
int PrivCustomerViewEdit = 0;
int PrivViewReport = 0;
QString OrderSign;
bool LoginSucceeded = false;

} // namespace GlobalLogin

namespace {

// Names are stored without the blanks around them, so the name is compared as it is stored;
// its letter case counts.
bool matches(const UserStore::Account& account, const QString& typedUserName,
             const QString& typedPassword) {
    return account.userName == UserStore::StoredUserName(typedUserName) &&
           account.encryptedPassword == GlobalLogin::EncryptPassword(typedPassword);
}

void loadPrivileges(const UserStore::Account& account) {
    using namespace GlobalLogin;
    LoginSucceeded = true;
    PrivModifySettings = account.privileges.modifySettings;
    PrivRoomList = account.privileges.roomList;
    PrivCustomerViewEdit = account.privileges.customerViewEdit;
    PrivViewReport = account.privileges.viewReport;
    PrivModifyTax = account.privileges.modifyTax;
    LoggedUserName = account.userName;
}

} // namespace

namespace GlobalLogin {

QString EncryptPassword(const QString& password) {
    return EncryptSecret(password);
}

bool LogInUser(const QString& typedUserName, const QString& typedPassword) {
    const std::optional<UserStore::Account> account = UserStore::FindUser(typedUserName);
    if (!account || !matches(*account, typedUserName, typedPassword))
        return false;
    loadPrivileges(*account);
    LoadHotelInfo();
    WriteLog(QStringLiteral("User Logged in : ") + LoggedUserName, QStringLiteral("LoginLogout"));
    return true;
}

// A missing row is a failure here.
void ReloadUser(const QString& typedUserName, const QString& typedPassword) {
    Guarded(QStringLiteral("GL0003"), [&] {
        const UserStore::Account account = UserStore::ReadUser(typedUserName);
        if (matches(account, typedUserName, typedPassword))
            loadPrivileges(account);
    });
}

bool CheckUserPassword(const QString& user, const QString& password) {
    return Guarded(QStringLiteral("GL0003"), [&] {
        const std::optional<UserStore::Account> account = UserStore::FindUser(user);
        return account && matches(*account, user, password);
    });
}

QString NoPrivilegeMsg() {
    return QStringLiteral("You do not have sufficient privileges to access this section. ");
}

QString CleanText(const QString& text) {
    QString cleaned = text;
    cleaned.remove(QLatin1Char('\'')).remove(QLatin1Char('#'));
    return cleaned;
}

void LoadHotelInfo() {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_HotelInfo WHERE ID=1"));
    OrderSign = theDBworks::DBRecordset().Fields(QStringLiteral("AddOrderSign")).toInt() == 1
                    ? QStringLiteral("#")
                    : QString();
}

bool WriteLog(const QString& text, const QString& key) {
    return WriteLog(text, key, LoggedUserName);
}

bool WriteLog(const QString& text, const QString& key, const QString& userName) {
    return theDBworks::ExecuteInsertSQL(
        QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) values(") +
        SqlLiteral::Text(text) + QLatin1Char(',') + SqlLiteral::Text(userName) + QLatin1Char(',') +
        SqlLiteral::Text(key) + QLatin1Char(')'));
}

} // namespace GlobalLogin
