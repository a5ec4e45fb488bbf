#include "core/CIniFile.h"

#include "core/AppPaths.h"
#include "core/Errors.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringList>

namespace {

constexpr double kTwipsPerPixel = 15.0;

int toPixels(int twips) {
    return int(twips / kTwipsPerPixel);
}

QString sectionName(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']')))
        return trimmed.mid(1, trimmed.size() - 2).trimmed();
    return {};
}

bool isSectionLine(const QString& line) {
    return !sectionName(line).isEmpty();
}

// The key of a "key=value" line, or empty for comments and other lines.
QString keyOf(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#')))
        return {};
    const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
    return equals > 0 ? trimmed.left(equals).trimmed() : QString();
}

QString valueOf(const QString& line) {
    return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
}

QStringList readLines(const QString& path) {
    QFile file(path);
    // Read as bytes: a text read would take the carriage returns out of UTF-16 text.
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    // A file an editor saved as UTF-16 reads by its byte order mark, so that writing settings
    // over it keeps what it holds; the program writes UTF-8.
    const std::optional<QStringConverter::Encoding> marked =
        QStringConverter::encodingForData(bytes);
    const QString text =
        marked ? QString(QStringDecoder(*marked).decode(bytes)) : QString::fromUtf8(bytes);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Replaces the file with the lines in one step: the new file takes the old one's place only
// once it is complete. The error's text, or empty when the file was replaced.
QString replaceFile(const QString& path, const QStringList& lines) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        const QByteArray text = (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
        // A flush that fails must stop the commit, which does not check it itself.
        if (file.write(text) == text.size() && file.flush() && file.commit())
            return {};
    }
    return file.errorString();
}

// Range of the section's lines: [header, end). header is -1 when the section is missing.
std::pair<qsizetype, qsizetype> findSection(const QStringList& lines, const QString& section) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (sectionName(lines.at(i)).compare(section, Qt::CaseInsensitive) != 0)
            continue;
        qsizetype end = i + 1;
        while (end < lines.size() && !isSectionLine(lines.at(end)))
            ++end;
        return {i, end};
    }
    return {-1, lines.size()};
}

} // namespace

bool CIniFile::IsOneLine(const QString& value) {
    for (const QChar c : value) {
        // Control characters, and the line and paragraph separators that some editors show
        // as a line break.
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            return false;
    }
    return true;
}

QString CIniFile::Value() const {
    return readKey(key_);
}

void CIniFile::Value(const QString& value) {
    writeKey(key_, value);
}

QString CIniFile::SectionHolding(const QString& key) const {
    QString section;
    for (const QString& line : lines()) {
        if (isSectionLine(line))
            section = sectionName(line);
        else if (!section.isEmpty() && keyOf(line).compare(key, Qt::CaseInsensitive) == 0)
            return section;
    }
    return {};
}

const QStringList& CIniFile::lines() const {
    if (!lines_)
        lines_ = readLines(path_);
    return *lines_;
}

QString CIniFile::readKey(const QString& key) const {
    const QStringList& lines = this->lines();
    const auto [header, end] = findSection(lines, section_);
    if (header < 0)
        return {};
    for (qsizetype i = header + 1; i < end; ++i)
        if (keyOf(lines.at(i)).compare(key, Qt::CaseInsensitive) == 0)
            return valueOf(lines.at(i));
    return {};
}

void CIniFile::writeKey(const QString& key, const QString& value) {
    writeKeys({{key, value}});
}

QString CIniFile::writeKeys(const KeyValues& keyValues) {
    for (const auto& [key, value] : keyValues)
        if (!IsOneLine(value))
            return QStringLiteral("the value of %1 holds a line break or another control "
                                  "character")
                .arg(key);
    // Written over the file as it is now, not over what this object read before.
    QStringList lines = readLines(path_);
    for (const auto& [key, value] : keyValues)
        setKey(lines, key, value);
    QString error = replaceFile(path_, lines);
    if (error.isEmpty())
        lines_ = std::move(lines);
    else
        lines_.reset();
    return error;
}

void CIniFile::setKey(QStringList& lines, const QString& key, const QString& value) const {
    auto [header, end] = findSection(lines, section_);
    const QString line = key + QLatin1Char('=') + value;
    if (header < 0) {
        if (!lines.isEmpty())
            lines.append(QString());
        lines.append(QLatin1Char('[') + section_ + QLatin1Char(']'));
        lines.append(line);
        return;
    }
    for (qsizetype i = header + 1; i < end; ++i) {
        if (keyOf(lines.at(i)).compare(key, Qt::CaseInsensitive) == 0) {
            lines[i] = line;
            return;
        }
    }
    // After the section's last value, before any blank lines that separate it from the next.
    qsizetype insertAt = end;
    while (insertAt > header + 1 && lines.at(insertAt - 1).trimmed().isEmpty())
        --insertAt;
    lines.insert(insertAt, line);
}

void CIniFile::WriteValues(const KeyValues& keyValues) {
    const QString error = writeKeys(keyValues);
    if (!error.isEmpty())
        throw StaymarkError(QStringLiteral("Could not write ") + path_ + QStringLiteral(": ") +
                            error);
}

CIniFile::KeyValues CIniFile::FormPosValues(const QRect& place) {
    return {{QStringLiteral("Left"), QString::number(place.x())},
            {QStringLiteral("Top"), QString::number(place.y())},
            {QStringLiteral("Width"), QString::number(place.width())},
            {QStringLiteral("Height"), QString::number(place.height())}};
}

void CIniFile::SaveFormPos(const QRect& place) {
    WriteValues(FormPosValues(place));
}

std::optional<QRect> CIniFile::LoadFormPos(int minWidthTwips, int minHeightTwips) const {
    bool ok[4] = {};
    const QRect place(readKey(QStringLiteral("Left")).toInt(&ok[0]),
                      readKey(QStringLiteral("Top")).toInt(&ok[1]),
                      readKey(QStringLiteral("Width")).toInt(&ok[2]),
                      readKey(QStringLiteral("Height")).toInt(&ok[3]));
    if (!(ok[0] && ok[1] && ok[2] && ok[3]))
        return std::nullopt;
    if (place.width() < toPixels(minWidthTwips) || place.height() < toPixels(minHeightTwips))
        return std::nullopt;
    return place;
}

CIniFile ConfigIni(const QString& section) {
    CIniFile ini;
    ini.Path(AppPaths::ConfigIniPath());
    ini.Section(section);
    return ini;
}

QString ReadConfigValue(const QString& section, const QString& key) {
    CIniFile ini = ConfigIni(section);
    ini.Key(key);
    return ini.Value();
}

void WriteConfigValue(const QString& section, const QString& key, const QString& value) {
    CIniFile ini = ConfigIni(section);
    ini.Key(key);
    ini.Value(value);
}
