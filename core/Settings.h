#pragma once

#include "core/CIniFile.h"

#include <QRect>
#include <QString>

#include <optional>

// Every key of config.ini, named here once with the type of its value. Keys are matched
// without regard to case when read, so a file that spells one in another case reads the same.
namespace Settings {

// A text that config.ini holds encrypted (hex, cipher type 1); its user decrypts it.
struct Encrypted {
    QString hex;
};

// A key of the settings section whose value is a T.
template <typename T> struct Key { const char* name; };

inline constexpr Key<QString> DatabasePath{"db"};
inline constexpr Key<Encrypted> DatabaseKey{"dbkey"};
// 1 is the server; any other number, or none, the embedded file.
inline constexpr Key<int> UseSql{"UseSQL"};
inline constexpr Key<QString> ServerHost{"SQLhost"};
inline constexpr Key<QString> ServerDatabaseName{"SQLDBname"};
inline constexpr Key<Encrypted> ServerUserName{"SQLUserName"};
inline constexpr Key<Encrypted> ServerPassword{"SQLPassWord"};

// The settings section as config.ini holds it when the object is made: the file is read once,
// at the first value asked for, and kept.
class Stored final {
public:
    Stored();

    // A missing key reads as an empty text.
    QString Get(Key<QString> key) const;
    Encrypted Get(Key<Encrypted> key) const;
    // A missing value, or one that is not a whole number, reads as 0.
    int Get(Key<int> key) const;

private:
    QString text(const char* name) const;

    // Keeps what it read: only the key to read changes.
    mutable CIniFile ini_;
};

// Why config.ini cannot be read as the program's settings, naming the file and the key: the
// file is not UTF-8 text, the settings stand under another section's name, UseSQL holds no
// whole number, or a value is longer than any path or name. Empty when it can be read, and when
// there is no config.ini (a fresh install) or no database setting in it yet.
QString UnreadableSettings();

// Values for the settings section, written in the order they were set, in one replacement of
// the file: a crash or a full disk leaves the old file whole. Write throws StaymarkError when
// the file cannot be replaced or a value is not one line; then nothing is written.
class Changes final {
public:
    Changes& Set(Key<QString> key, const QString& value);
    Changes& Set(Key<Encrypted> key, const Encrypted& value);
    Changes& Set(Key<int> key, int value);
    void Write() const;

private:
    CIniFile::KeyValues values_;
};

// A window's placement section and, for a window that keeps its state, the key of the state
// there.
struct PlacementKey {
    const char* section;
    const char* stateKey;
};

inline constexpr PlacementKey MainWindowPlacement{"pos", nullptr};
inline constexpr PlacementKey BookingPlacement{"bokpos", "bokState"};
inline constexpr PlacementKey CustomerListPlacement{"cuspos", nullptr};
inline constexpr PlacementKey CustomerDetailsPlacement{"CusD", "CusDstate"};

// What a window's placement section holds.
struct Placement {
    // The place and size, in pixels; nothing when none is stored, or one smaller than 3000 x
    // 3000 twips, which would bring the window back unusably small.
    std::optional<QRect> place;
    // 0 normal, 1 minimised, 2 maximised; nothing when none is stored or the window keeps
    // none. A stored text that is not a number reads as 0.
    std::optional<int> state;
};

// One read of the file.
Placement ReadPlacement(const PlacementKey& key);
// One replacement of the file: the place, when there is one, and the state, when the window
// keeps one. Throws StaymarkError when the file cannot be replaced; then nothing is written.
void WritePlacement(const PlacementKey& key, const Placement& placement);

} // namespace Settings
