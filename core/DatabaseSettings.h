#pragma once

#include <QString>

// The keys of config.ini's settings section that tell the program where its database is, as
// the database settings page and the database locate tool show and save them. Each save writes
// its keys in one replacement of the file, so a crash or a full disk leaves the old settings
// whole; it throws StaymarkError when the file cannot be written, and then nothing has changed.
namespace DatabaseSettings {

struct ServerLogin {
    QString host;         // "host" or "host:port", stored as typed
    QString databaseName; // stored as typed
    QString userName;     // stored trimmed and encrypted
    QString password;     // stored trimmed and encrypted
};

// Where the program's database is: the embedded file with its password, or a server.
struct Values {
    bool server = false;
    QString path;     // the file; empty means the program's own data.db
    QString password; // the file's password, plain
    ServerLogin login;
};

// The settings the running connection was opened with, the secrets decrypted: those of the
// back end in use alone, the others empty. A UseSQL other than 1 means the file, as the
// connection takes it.
Values OfRunningConnection();
// What config.ini holds now, the secrets decrypted: db and dbkey (empty when none is stored),
// and the server's keys only while UseSQL chooses the server.
Values InConfigIni();

// SQLhost, SQLDBname, SQLUserName, SQLPassWord, then UseSQL=1. An empty user name or password
// cannot be encrypted: the encryption reports it and the key is stored empty.
void SaveServer(const ServerLogin& login);

// db as given and dbkey, then UseSQL=0, so a system that was switched to a server comes back to
// the file. A password of fewer than two characters (blanks aside) is not kept: the default
// one applies.
void SaveFile(const QString& path, const QString& password);

// The server's keys or the file's, as the values choose.
void Save(const Values& values);

} // namespace DatabaseSettings
