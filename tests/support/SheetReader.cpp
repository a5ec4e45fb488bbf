#include "tests/support/SheetReader.h"

#include <QProcess>
#include <QXmlStreamReader>

namespace {

QByteArray unzipPart(const QString& path, const QString& part, QString& error) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, part});
    if (!unzip.waitForFinished(30000) || unzip.exitStatus() != QProcess::NormalExit ||
        unzip.exitCode() != 0) {
        error = QStringLiteral("unzip could not read %1 from %2: %3")
                    .arg(part, path, QString::fromLocal8Bit(unzip.readAllStandardError()));
        return {};
    }
    return unzip.readAllStandardOutput();
}

// "C12" -> row 11, column 2.
void cellPosition(const QString& reference, int& row, int& column) {
    column = 0;
    int i = 0;
    for (; i < reference.size() && reference[i].isLetter(); ++i)
        column = column * 26 + (reference[i].unicode() - 'A' + 1);
    --column;
    row = reference.mid(i).toInt() - 1;
}

void place(SheetReader::Sheet& sheet, int row, int column, const QString& text) {
    while (sheet.rows.size() <= row)
        sheet.rows.append(QStringList());
    QStringList& cells = sheet.rows[row];
    while (cells.size() <= column)
        cells.append(QString());
    cells[column] = text;
}

QStringList sharedStrings(const QByteArray& xml) {
    QStringList strings;
    QXmlStreamReader reader(xml);
    QString current;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("si"))
            current.clear();
        else if (reader.isStartElement() && reader.name() == QLatin1String("t"))
            current += reader.readElementText();
        else if (reader.isEndElement() && reader.name() == QLatin1String("si"))
            strings.append(current);
    }
    return strings;
}

// Reads one <c> element: its text, and whether it is stored as text.
QString readCell(QXmlStreamReader& reader, const QStringList& shared, bool& isText) {
    const QString type = reader.attributes().value(QLatin1String("t")).toString();
    isText = type == QLatin1String("inlineStr") || type == QLatin1String("s") ||
             type == QLatin1String("str");
    QString text;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("v")) {
            const QString value = reader.readElementText();
            text = type == QLatin1String("s") ? shared.value(value.toInt()) : value;
        } else if (reader.name() == QLatin1String("is")) {
            while (reader.readNextStartElement())
                text += reader.readElementText(QXmlStreamReader::IncludeChildElements);
        } else {
            reader.skipCurrentElement();
        }
    }
    return text;
}

} // namespace

namespace SheetReader {

Sheet ReadFirstSheet(const QString& path) {
    Sheet sheet;
    const QByteArray xml = unzipPart(path, QStringLiteral("xl/worksheets/sheet1.xml"), sheet.error);
    if (!sheet.error.isEmpty())
        return sheet;
    QString noSharedStrings;
    const QStringList shared =
        sharedStrings(unzipPart(path, QStringLiteral("xl/sharedStrings.xml"), noSharedStrings));
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != QLatin1String("c"))
            continue;
        const QString reference = reader.attributes().value(QLatin1String("r")).toString();
        int row = 0;
        int column = 0;
        cellPosition(reference, row, column);
        bool isText = false;
        const QString text = readCell(reader, shared, isText);
        if (!isText)
            sheet.nonTextCells.append(reference);
        place(sheet, row, column, text);
    }
    if (reader.hasError())
        sheet.error = reader.errorString();
    // Empty cells at a row's end are not stored; give every row the sheet's width.
    qsizetype width = 0;
    for (const QStringList& cells : sheet.rows)
        width = qMax(width, cells.size());
    for (QStringList& cells : sheet.rows)
        while (cells.size() < width)
            cells.append(QString());
    return sheet;
}

} // namespace SheetReader
