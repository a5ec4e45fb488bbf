#include "core/DatabaseSettings.h"

#include "core/CCrypto.h"
#include "core/Settings.h"
#include "core/theDBworks.h"

namespace {

Settings::Encrypted encrypted(CCrypto& crypto, const QString& plain) {
    return {crypto.Encrypt(plain.trimmed(), ProgramKeyText(), true, CCrypto::RC2)};
}

} // namespace

namespace DatabaseSettings {

Values OfRunningConnection() {
    Values values;
    values.server = theDBworks::UseSQLFlag == 1;
    if (values.server) {
        values.login = {theDBworks::SQLServerHost, theDBworks::SQLDatabaseName,
                        theDBworks::SQLLoginName, theDBworks::SQLLoginPassword};
    } else {
        values.path = theDBworks::DBPath;
        values.password = theDBworks::DBKey;
    }
    return values;
}

Values InConfigIni() {
    const Settings::Stored stored;
    Values values;
    values.path = stored.Get(Settings::DatabasePath);
    values.password = DecryptSecret(stored.Get(Settings::DatabaseKey).hex);
    // Only "1" chooses the server; anything else, or nothing, is the embedded file.
    values.server = stored.Get(Settings::UseSql) == 1;
    if (values.server)
        values.login = {stored.Get(Settings::ServerHost), stored.Get(Settings::ServerDatabaseName),
                        DecryptSecret(stored.Get(Settings::ServerUserName).hex),
                        DecryptSecret(stored.Get(Settings::ServerPassword).hex)};
    return values;
}

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

void Save(const Values& values) {
    if (values.server)
        SaveServer(values.login);
    else
        SaveFile(values.path, values.password);
}

} // namespace DatabaseSettings
