#pragma once

#include <QString>

// The keys of config.ini's settings section that tell the program where its database is, as
// the database settings page and the database locate tool save them. Each save writes its keys
// in one replacement of the file, so a crash or a full disk leaves the old settings whole; it
// throws StaymarkError when the file cannot be written, and then nothing has changed.
namespace DatabaseSettings {

struct ServerLogin {
    QString host;         // "host" or "host:port", stored as typed
    QString databaseName; // stored as typed
    QString userName;     // stored trimmed and encrypted
    QString password;     // stored trimmed and encrypted
};

// SQLhost, SQLDBname, SQLUserName, SQLPassWord, then UseSQL=1. An empty user name or password
// cannot be encrypted: the encryption reports it and the key is stored empty.
void SaveServer(const ServerLogin& login);

// db as given and dbkey, then UseSQL=0, so a system that was switched to a server comes back to
// the file. A password of fewer than two characters (blanks aside) is not kept: the default
// one applies.
void SaveFile(const QString& path, const QString& password);

} // namespace DatabaseSettings
