#include "core/Settings.h"

#include "core/AppPaths.h"

#include <QFile>
#include <QStringDecoder>

namespace {

constexpr int kSmallestTwips = 3000;
// No path or name the settings hold is longer: Linux's PATH_MAX.
constexpr qsizetype kLongestValue = 4096;

const QString kSettingsSection = QStringLiteral("settings");

QString nameOf(const char* name) {
    return QString::fromLatin1(name);
}

// The keys of the settings section, in the order the program reads them.
const QList<const char*> kSettingsKeys = {
    Settings::DatabasePath.name,  Settings::DatabaseKey.name,        Settings::UseSql.name,
    Settings::ServerHost.name,    Settings::ServerDatabaseName.name, Settings::ServerUserName.name,
    Settings::ServerPassword.name};

QString unreadable(const char* key, const QString& why) {
    return QStringLiteral("Staymark cannot read the key %1 of section [settings] in '%2': %3.")
        .arg(nameOf(key), AppPaths::ConfigIniPath(), why);
}

// Why the file's bytes are not the text the program reads; empty when they are.
QString notUtf8Text(const QByteArray& bytes) {
    if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff") || bytes.contains('\0'))
        return QStringLiteral("the file was saved as UTF-16 text, so none of its keys can be read; "
                              "save it again as UTF-8");
    QStringDecoder decoder(QStringDecoder::Utf8);
    // The decoder tells of a sequence that is not UTF-8 once it has decoded the bytes.
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return QStringLiteral("the file is not UTF-8 text, so its keys cannot be read as they "
                              "were written; save it again as UTF-8");
    return {};
}

// Why a key of the settings section cannot be used; empty when it can.
QString unusableKey(const CIniFile& ini, const char* key) {
    const QString value = ini.Value();
    if (value.size() > kLongestValue)
        return unreadable(key, QStringLiteral("its value holds %1 characters, more than any path "
                                              "or name has")
                                   .arg(value.size()));
    if (value.isEmpty()) {
        const QString holder = ini.SectionHolding(nameOf(key));
        if (!holder.isEmpty() && holder.compare(kSettingsSection, Qt::CaseInsensitive) != 0)
            return unreadable(key, QStringLiteral("it stands in section [%1] instead").arg(holder));
    }
    bool number = false;
    value.trimmed().toInt(&number);
    if (qstrcmp(key, Settings::UseSql.name) == 0 && !value.trimmed().isEmpty() && !number)
        return unreadable(key, QStringLiteral("its value \"%1\" is not a number (1 chooses the "
                                              "database server, 0 the database file)")
                                   .arg(value.left(20)));
    return {};
}

} // namespace

namespace Settings {

Stored::Stored()
    : ini_(ConfigIni(kSettingsSection)) {}

QString Stored::text(const char* name) const {
    ini_.Key(nameOf(name));
    return ini_.Value();
}

QString Stored::Get(Key<QString> key) const {
    return text(key.name);
}

Encrypted Stored::Get(Key<Encrypted> key) const {
    return {text(key.name)};
}

int Stored::Get(Key<int> key) const {
    return text(key.name).trimmed().toInt();
}

Changes& Changes::Set(Key<QString> key, const QString& value) {
    values_.append({nameOf(key.name), value});
    return *this;
}

Changes& Changes::Set(Key<Encrypted> key, const Encrypted& value) {
    return Set(Key<QString>{key.name}, value.hex);
}

Changes& Changes::Set(Key<int> key, int value) {
    return Set(Key<QString>{key.name}, QString::number(value));
}

void Changes::Write() const {
    ConfigIni(kSettingsSection).WriteValues(values_);
}

QString UnreadableSettings() {
    QFile file(AppPaths::ConfigIniPath());
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(DatabasePath.name, file.errorString());
    const QString encoding = notUtf8Text(file.readAll());
    if (!encoding.isEmpty())
        return unreadable(DatabasePath.name, encoding);
    CIniFile ini = ConfigIni(kSettingsSection);
    for (const char* key : kSettingsKeys) {
        ini.Key(nameOf(key));
        const QString why = unusableKey(ini, key);
        if (!why.isEmpty())
            return why;
    }
    return {};
}

Placement ReadPlacement(const PlacementKey& key) {
    CIniFile ini = ConfigIni(nameOf(key.section));
    Placement placement{ini.LoadFormPos(kSmallestTwips, kSmallestTwips), std::nullopt};
    if (key.stateKey) {
        ini.Key(nameOf(key.stateKey));
        const QString stored = ini.Value();
        if (!stored.isEmpty())
            placement.state = stored.trimmed().toInt();
    }
    return placement;
}

void WritePlacement(const PlacementKey& key, const Placement& placement) {
    CIniFile::KeyValues values;
    if (placement.place)
        values = CIniFile::FormPosValues(*placement.place);
    if (key.stateKey && placement.state)
        values.append({nameOf(key.stateKey), QString::number(*placement.state)});
    if (values.isEmpty())
        return;
    ConfigIni(nameOf(key.section)).WriteValues(values);
}

} // namespace Settings
