#include "core/UserStore.h"

#include "core/GlobalLogin.h"
#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

namespace {

QString whereId(qint64 id) {
    return QStringLiteral(" WHERE ID = ") + SqlLiteral::Number(id);
}

QString flag(int value) {
    return SqlLiteral::Number(qint64(value));
}

void openUser(const QString& userName) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_users WHERE cusername = ") +
                              SqlLiteral::Text(UserStore::StoredUserName(userName)));
}

// The current row of the shared recordset; throws DatabaseError when there is none.
UserStore::Account readAccount() {
    const Recordset& row = theDBworks::DBRecordset();
    const auto flagOf = [&row](const char* column) {
        return row.Fields(QString::fromLatin1(column)).toInt();
    };
    UserStore::Account account;
    account.id = row.Fields(QStringLiteral("ID")).toLongLong();
    account.userName = row.Text(QStringLiteral("cusername"));
    account.encryptedPassword = row.Text(QStringLiteral("cpassword"));
    account.userType = flagOf("cusertype");
    account.privileges = {flagOf("cmodifysettings"), flagOf("croomlist"), flagOf("cmodifytax"),
                          flagOf("ccustomerviewedit"), flagOf("canViewReport")};
    return account;
}

std::optional<UserStore::Account> currentAccount() {
    if (theDBworks::DBRecordset().AtEOF())
        return std::nullopt;
    return readAccount();
}

} // namespace

namespace UserStore {

QString StoredUserName(const QString& typed) {
    return typed.trimmed();
}

std::optional<Account> FindUser(const QString& userName) {
    openUser(userName);
    return currentAccount();
}

Account ReadUser(const QString& userName) {
    openUser(userName);
    return readAccount();
}

std::optional<Account> FindUserById(qint64 id) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_users") + whereId(id));
    return currentAccount();
}

bool AnyAccount() {
    theDBworks::OpenRecordset(QStringLiteral("SELECT cusername FROM tbl_users"));
    return theDBworks::DBRecordset().RecordCount() > 0;
}

bool NoUserExists() {
    return !AnyAccount();
}

void OpenUsers() {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_users ORDER BY id ASC"));
}

bool AddMasterAccount(const QString& userName, const QString& encryptedPassword) {
    return theDBworks::ExecuteInsertSQL(
        QStringLiteral("INSERT INTO tbl_users (cusername,cpassword,cmodifysettings,croomlist,"
                       "cmodifytax,canViewReport, ccustomerviewedit, cusertype) VALUES(") +
        SqlLiteral::Text(StoredUserName(userName)) + QLatin1Char(',') +
        SqlLiteral::Text(encryptedPassword) + QStringLiteral(",1,1,1,1,1,1)"));
}

bool AddAccount(const QString& typedUserName, const QString& encryptedPassword,
                const Privileges& privileges) {
    const QString userName = StoredUserName(typedUserName);
    const QString comma = QStringLiteral(",");
    const QString insert =
        QStringLiteral("INSERT INTO tbl_users(cusername, cpassword, cmodifysettings ,croomlist, "
                       "cmodifytax, ccustomerviewedit,canViewReport) VALUES(") +
        SqlLiteral::Text(userName) + comma + SqlLiteral::Text(encryptedPassword) + comma +
        flag(privileges.modifySettings) + comma + flag(privileges.roomList) + comma +
        flag(privileges.modifyTax) + comma + flag(privileges.customerViewEdit) + comma +
        flag(privileges.viewReport) + QLatin1Char(')');
    return theDBworks::RunInTransaction([&] {
        return theDBworks::ExecuteInsertSQL(insert) &&
               GlobalLogin::WriteLog(QStringLiteral("New Account Created with User Name : ") +
                                         userName,
                                     QStringLiteral("UserAddRemove"));
    });
}

bool RemoveAccount(qint64 id) {
    return theDBworks::ExecuteDeleteSQL(QStringLiteral("DELETE FROM tbl_users") + whereId(id));
}

bool UpdatePrivileges(qint64 id, const Privileges& privileges) {
    return theDBworks::ExecuteUpdateSQL(
        QStringLiteral("UPDATE tbl_users SET cmodifysettings = ") +
        flag(privileges.modifySettings) + QStringLiteral(", croomlist = ") +
        flag(privileges.roomList) + QStringLiteral(", cmodifytax = ") + flag(privileges.modifyTax) +
        QStringLiteral(", canViewReport = ") + flag(privileges.viewReport) +
        QStringLiteral(", ccustomerviewedit = ") + flag(privileges.customerViewEdit) + whereId(id));
}

bool ChangePassword(const QString& userName, const QString& encryptedPassword) {
    return theDBworks::ExecuteUpdateSQL(
        QStringLiteral("UPDATE tbl_users SET cpassword = ") + SqlLiteral::Text(encryptedPassword) +
        QStringLiteral(" WHERE cusername = ") + SqlLiteral::Text(StoredUserName(userName)));
}

} // namespace UserStore
