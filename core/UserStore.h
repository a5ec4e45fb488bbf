#pragma once

#include <QString>

// The statements of tbl_users, the staff accounts with their privileges.
namespace UserStore {

// The account of this name, into the shared recordset.
void OpenUser(const QString& userName);
// Every account's name, into the shared recordset.
void OpenUserNames();
// The first account: every privilege, and the master account's type. True when it was stored.
bool AddMasterAccount(const QString& userName, const QString& encryptedPassword);
bool ChangePassword(const QString& userName, const QString& encryptedPassword);

} // namespace UserStore
