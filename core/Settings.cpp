#include "core/Settings.h"

namespace {

constexpr int kSmallestTwips = 3000;

const QString kSettingsSection = QStringLiteral("settings");

QString nameOf(const char* name) {
    return QString::fromLatin1(name);
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
