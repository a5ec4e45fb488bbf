#include "core/DatabaseSettings.h"

#include "core/CCrypto.h"
#include "core/Settings.h"

namespace {

Settings::Encrypted encrypted(CCrypto& crypto, const QString& plain) {
    return {crypto.Encrypt(plain.trimmed(), ProgramKeyText(), true, CCrypto::RC2)};
}

} // namespace

namespace DatabaseSettings {

void SaveServer(const ServerLogin& login) {
    CCrypto crypto;
    Settings::Changes()
        .Set(Settings::ServerHost, login.host)
        .Set(Settings::ServerDatabaseName, login.databaseName)
        .Set(Settings::ServerUserName, encrypted(crypto, login.userName))
        .Set(Settings::ServerPassword, encrypted(crypto, login.password))
        .Set(Settings::UseSql, 1)
        .Write();
}

void SaveFile(const QString& path, const QString& password) {
    CCrypto crypto;
    const bool kept = password.trimmed().size() > 1;
    Settings::Changes()
        .Set(Settings::DatabasePath, path)
        .Set(Settings::DatabaseKey, kept ? encrypted(crypto, password) : Settings::Encrypted())
        .Set(Settings::UseSql, 0)
        .Write();
}

} // namespace DatabaseSettings
