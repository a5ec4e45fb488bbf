#pragma once

#include <QString>

// Who is logged in and what that user may do, the hotel's order sign, and the activity log.
namespace GlobalLogin {

extern bool IsLoggedIn;
extern QString LoggedUserName;
// Each privilege is granted when its flag is 1; the flags keep their values after a logout.
extern int PrivModifySettings;
extern int PrivRoomList;
extern int PrivModifyTax;
extern int PrivCustomerViewEdit;
extern int PrivViewReport;
// "#" when the hotel shows it before customer and order numbers, else "".
extern QString OrderSign;
// True once any credentials matched in this run.
extern bool LoginSucceeded;

// Checks the typed name and password; on a match loads the login state, the hotel
// information and writes the login row. Failing queries throw to the caller.
bool LogInUser(const QString& typedUserName, const QString& typedPassword);
// The same check and load, without the hotel information and without a log row (after the
// master account was made). Reported under GL0003.
void ReloadUser(const QString& typedUserName, const QString& typedPassword);
// Checks a pair without touching the login state. Reported under GL0003; then false.
bool CheckUserPassword(const QString& user, const QString& password);

QString NoPrivilegeMsg();
// The text without "'" and "#", for search words that go into statements.
QString CleanText(const QString& text);
// Sets OrderSign from the hotel information; throws when it cannot be read.
void LoadHotelInfo();
// The stored form of a password.
QString EncryptPassword(const QString& password);

// Writes one activity-log row under the logged-in user's name (or the name given); true when it
// was written.
bool WriteLog(const QString& text, const QString& key);
bool WriteLog(const QString& text, const QString& key, const QString& userName);

} // namespace GlobalLogin
