#pragma once

#include <QString>

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

// The account of this name, into the shared recordset.
void OpenUser(const QString& userName);
// Every account's name, into the shared recordset.
void OpenUserNames();
// True while tbl_users has no row; failing queries throw to the caller.
bool NoUserExists();
// Every account, in the order they were made, into the shared recordset.
void OpenUsers();
// The account with this ID, into the shared recordset.
void OpenUserById(qint64 id);
// The first account: every privilege, and the master account's type. True when it was stored.
bool AddMasterAccount(const QString& userName, const QString& encryptedPassword);
// An account made by the administrator, with its privileges and the log row saying so, as one
// piece: true when both were stored.
bool AddAccount(const QString& userName, const QString& encryptedPassword,
                const Privileges& privileges);
bool RemoveAccount(qint64 id);
bool UpdatePrivileges(qint64 id, const Privileges& privileges);
bool ChangePassword(const QString& userName, const QString& encryptedPassword);

} // namespace UserStore
