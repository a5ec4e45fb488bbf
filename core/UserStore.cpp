#include "core/UserStore.h"

#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

namespace UserStore {

void OpenUser(const QString& userName) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_users WHERE cusername = ") +
                              SqlLiteral::Text(userName));
}

void OpenUserNames() {
    theDBworks::OpenRecordset(QStringLiteral("SELECT cusername FROM tbl_users"));
}

bool AddMasterAccount(const QString& userName, const QString& encryptedPassword) {
    return theDBworks::ExecuteInsertSQL(
        QStringLiteral("INSERT INTO tbl_users (cusername,cpassword,cmodifysettings,croomlist,"
                       "cmodifytax,canViewReport, ccustomerviewedit, cusertype) VALUES(") +
        SqlLiteral::Text(userName) + QLatin1Char(',') + SqlLiteral::Text(encryptedPassword) +
        QStringLiteral(",1,1,1,1,1,1)"));
}

bool ChangePassword(const QString& userName, const QString& encryptedPassword) {
    return theDBworks::ExecuteUpdateSQL(
        QStringLiteral("UPDATE tbl_users SET cpassword = ") + SqlLiteral::Text(encryptedPassword) +
        QStringLiteral(" WHERE cusername = ") + SqlLiteral::Text(userName));
}

} // namespace UserStore
