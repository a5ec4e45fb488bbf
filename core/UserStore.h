#pragma once

#include <QString>

#include <optional>

// The statements of tbl_users, the staff accounts with their privileges.
namespace UserStore {

// The five privilege flags of an account, each 1 when granted and 0 when not.
struct Privileges {
    int modifySettings = 0;   // cmodifysettings: the administration window
    int roomList = 0;         // croomlist: the room schedule
    int modifyTax = 0;        // cmodifytax: the tax editor
    int customerViewEdit = 0; // ccustomerviewedit: the customer list
    int viewReport = 0;       // canViewReport: the revenue chart and the log viewer
};

// cusertype of the master account.
constexpr int kMasterAccount = 1;

// An account as stored.
struct Account {
    qint64 id = 0;
    QString userName;          // cusername
    QString encryptedPassword; // cpassword
    int userType = 0;          // cusertype
    Privileges privileges;

    bool IsMaster() const { return userType == kMasterAccount; }
};

// The stored form of a typed user name, and the one every lookup and login compares: without
// the blanks around it.
QString StoredUserName(const QString& typed);

// The first account of this name as stored, the letter case aside, if there is one.
std::optional<Account> FindUser(const QString& userName);
// The same account; throws DatabaseError when there is none.
Account ReadUser(const QString& userName);
// The account with this ID, if there is one.
std::optional<Account> FindUserById(qint64 id);
// Whether any account is stored.
bool AnyAccount();
// True while tbl_users has no row: the login window then makes the master account.
bool NoUserExists();
// Every account, in the order they were made, into the shared recordset.
void OpenUsers();

// The first account: every privilege, and the master account's type. True when it was stored.
// Each account is stored under the stored form of the name given.
bool AddMasterAccount(const QString& userName, const QString& encryptedPassword);
// An account made by the administrator, with its privileges and the log row saying so, as one
// piece: true when both were stored.
bool AddAccount(const QString& typedUserName, const QString& encryptedPassword,
                const Privileges& privileges);
bool RemoveAccount(qint64 id);
bool UpdatePrivileges(qint64 id, const Privileges& privileges);
bool ChangePassword(const QString& userName, const QString& encryptedPassword);

} // namespace UserStore
