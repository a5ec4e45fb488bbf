#pragma once

#include <QString>

class QWidget;

// Reads and writes config.ini: values by section and key (keys and sections matched without
// regard to case), and window placements under a section. Every write goes to the file at
// once, so the next read in the same run sees it.
class CIniFile final {
public:
    void Path(const QString& path) { path_ = path; }
    void Section(const QString& section) { section_ = section; }
    void Key(const QString& key) { key_ = key; }

    // The key's text; a missing key, section or file reads as an empty text.
    QString Value() const;
    // Writes the key, creating the file and the section when missing.
    void Value(const QString& value);

    // Stores the window's position and size under the current section.
    void SaveFormPos(const QWidget* form);
    // Restores what SaveFormPos stored. A stored size below minWidthTwips x minHeightTwips
    // (1440 twips to the inch) is not restored, so a window never comes back unusably small.
    void LoadFormPos(QWidget* form, int minWidthTwips, int minHeightTwips) const;

private:
    QString readKey(const QString& key) const;
    void writeKey(const QString& key, const QString& value);

    QString path_;
    QString section_;
    QString key_;
};

// config.ini in the program's folder, at one section.
CIniFile ConfigIni(const QString& section);
QString ReadConfigValue(const QString& section, const QString& key);
void WriteConfigValue(const QString& section, const QString& key, const QString& value);
