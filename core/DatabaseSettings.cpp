#include "core/DatabaseSettings.h"

#include "core/CCrypto.h"
#include "core/CIniFile.h"

namespace {

QString encrypted(CCrypto& crypto, const QString& plain) {
    return crypto.Encrypt(plain.trimmed(), ProgramKeyText(), true, CCrypto::RC2);
}

void writeSettings(const CIniFile::KeyValues& keyValues) {
    CIniFile ini = ConfigIni(QStringLiteral("settings"));
    ini.WriteValues(keyValues);
}

} // namespace

namespace DatabaseSettings {

void SaveServer(const ServerLogin& login) {
    CCrypto crypto;
    writeSettings({
        {QStringLiteral("SQLhost"), login.host},
        {QStringLiteral("SQLDBname"), login.databaseName},
        {QStringLiteral("SQLUserName"), encrypted(crypto, login.userName)},
        {QStringLiteral("SQLPassWord"), encrypted(crypto, login.password)},
        {QStringLiteral("UseSQL"), QStringLiteral("1")},
    });
}

void SaveFile(const QString& path, const QString& password) {
    CCrypto crypto;
    const bool kept = password.trimmed().size() > 1;
    writeSettings({
        {QStringLiteral("db"), path},
        {QStringLiteral("dbkey"), kept ? encrypted(crypto, password) : QString()},
        {QStringLiteral("UseSQL"), QStringLiteral("0")},
    });
}

} // namespace DatabaseSettings
