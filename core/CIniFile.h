#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// Reads and writes config.ini: values by section and key (keys and sections matched without
// regard to case), and window placements under a section. The file is read once, at the first
// read, and what was read is kept for every later read of the object. Every write goes to the
// file at once, so the next read in the same run sees it.
class CIniFile final {
public:
    void Path(const QString& path) {
        path_ = path;
        lines_.reset();
    }
    void Section(const QString& section) { section_ = section; }
    void Key(const QString& key) { key_ = key; }

    // The key's text; a missing key, section or file reads as an empty text.
    QString Value() const;
    // Writes the key, creating the file and the section when missing. A value that is not one
    // line is not written.
    void Value(const QString& value);

    // The name of the first section that holds the key, whatever the current section; empty
    // when none does.
    QString SectionHolding(const QString& key) const;

    // Whether the value can stand on its key's line: it holds no line break and no other
    // control character, which would start a line, or a section, of its own.
    static bool IsOneLine(const QString& value);

    using KeyValues = QList<std::pair<QString, QString>>;
    // Writes every key of the list into the current section in one replacement of the file:
    // the new file takes the old one's place only once it is complete, so a crash or a full
    // disk leaves the old file whole. Throws StaymarkError when the file cannot be replaced,
    // or when a value is not one line: then nothing is written.
    void WriteValues(const KeyValues& keyValues);

    // The keys SaveFormPos writes for the place, to be written with others in one go.
    static KeyValues FormPosValues(const QRect& place);
    // Stores a window's position and size, in pixels, under the current section, in one
    // replacement of the file. Throws as WriteValues does.
    void SaveFormPos(const QRect& place);
    // What SaveFormPos stored, or nothing when the section holds no whole placement. A stored
    // size below minWidthTwips x minHeightTwips (1440 twips to the inch) is not given, so a
    // window never comes back unusably small.
    std::optional<QRect> LoadFormPos(int minWidthTwips, int minHeightTwips) const;

private:
    const QStringList& lines() const;
    QString readKey(const QString& key) const;
    void writeKey(const QString& key, const QString& value);
    // The error's text, or empty when the file was replaced.
    QString writeKeys(const KeyValues& keyValues);
    void setKey(QStringList& lines, const QString& key, const QString& value) const;

    QString path_;
    QString section_;
    QString key_;
    mutable std::optional<QStringList> lines_;
};

// config.ini in the program's folder, at one section.
CIniFile ConfigIni(const QString& section);
QString ReadConfigValue(const QString& section, const QString& key);
void WriteConfigValue(const QString& section, const QString& key, const QString& value);
