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

// Opens the user's row, looked up by the trimmed name.
void openUserRow(const QString& typedUserName) {
    UserStore::OpenUser(typedUserName.trimmed());
}

// The stored name must equal the typed one exactly: letter case and blanks count.
bool currentRowMatches(const QString& typedUserName, const QString& typedPassword) {
    const Recordset& user = theDBworks::DBRecordset();
    return user.Text(QStringLiteral("cusername")) == typedUserName &&
           user.Text(QStringLiteral("cpassword")) == GlobalLogin::EncryptPassword(typedPassword);
}

int flag(const Recordset& user, const QString& column) {
    return user.Fields(column).toInt();
}

void loadPrivileges() {
    using namespace GlobalLogin;
    const Recordset& user = theDBworks::DBRecordset();
    LoginSucceeded = true;
    PrivModifySettings = flag(user, QStringLiteral("cmodifysettings"));
    PrivRoomList = flag(user, QStringLiteral("croomlist"));
    PrivCustomerViewEdit = flag(user, QStringLiteral("ccustomerviewedit"));
    PrivViewReport = flag(user, QStringLiteral("canViewReport"));
    PrivModifyTax = flag(user, QStringLiteral("cmodifytax"));
    LoggedUserName = user.Text(QStringLiteral("cusername"));
}

} // namespace

namespace GlobalLogin {

QString EncryptPassword(const QString& password) {
    return EncryptSecret(password);
}

bool LogInUser(const QString& typedUserName, const QString& typedPassword) {
    openUserRow(typedUserName);
    if (theDBworks::DBRecordset().AtEOF())
        return false;
    if (!currentRowMatches(typedUserName, typedPassword))
        return false;
    loadPrivileges();
    LoadHotelInfo();
    WriteLog(QStringLiteral("User Logged in : ") + typedUserName, QStringLiteral("LoginLogout"));
    return true;
}

void ReloadUser(const QString& typedUserName, const QString& typedPassword) {
    Guarded(QStringLiteral("GL0003"), [&] {
        openUserRow(typedUserName);
        if (currentRowMatches(typedUserName, typedPassword))
            loadPrivileges();
    });
}

bool CheckUserPassword(const QString& user, const QString& password) {
    return Guarded(QStringLiteral("GL0003"), [&] {
        openUserRow(user);
        return theDBworks::DBRecordset().RecordCount() >= 1 && currentRowMatches(user, password);
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
