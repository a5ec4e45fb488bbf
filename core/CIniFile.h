#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

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
    // Writes the key, creating the file and the section when missing. A value that is not one
    // line is not written.
    void Value(const QString& value);

    // Whether the value can stand on its key's line: it holds no line break and no other
    // control character, which would start a line, or a section, of its own.
    static bool IsOneLine(const QString& value);

    using KeyValues = QList<std::pair<QString, QString>>;
    // Writes every key of the list into the current section in one replacement of the file:
    // the new file takes the old one's place only once it is complete, so a crash or a full
    // disk leaves the old file whole. Throws StaymarkError when the file cannot be replaced,
    // or when a value is not one line: then nothing is written.
    void WriteValues(const KeyValues& keyValues);

    // The two placement members work on widgets, so they are built with the form kit
    // (core/ui/FormPosition.cpp): the data layer that holds the rest links no widgets.
    // Stores the window's position and size under the current section.
    void SaveFormPos(const QWidget* form);
    // Restores what SaveFormPos stored. A stored size below minWidthTwips x minHeightTwips
    // (1440 twips to the inch) is not restored, so a window never comes back unusably small.
    void LoadFormPos(QWidget* form, int minWidthTwips, int minHeightTwips) const;

private:
    QString readKey(const QString& key) const;
    void writeKey(const QString& key, const QString& value);
    // The error's text, or empty when the file was replaced.
    QString writeKeys(const KeyValues& keyValues);
    void setKey(QStringList& lines, const QString& key, const QString& value) const;

    QString path_;
    QString section_;
    QString key_;
};

// config.ini in the program's folder, at one section.
CIniFile ConfigIni(const QString& section);
QString ReadConfigValue(const QString& section, const QString& key);
void WriteConfigValue(const QString& section, const QString& key, const QString& value);
