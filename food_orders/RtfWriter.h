#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

#include <optional>

class QTextDocument;

// Qt reads no rich-text format and writes none: this writes a document as RTF, with its
// fonts, sizes, bold, italic, underline, alignment, text and background colours, tabs and
// line breaks; text beyond ASCII goes as Unicode escapes. Word processors and unrtf read it.
namespace RtfWriter {

// `pageColour`, when given, is the background of the whole page.
QByteArray ToRtf(const QTextDocument& document, const std::optional<QColor>& pageColour = {});
// Writes the file at exactly this path; false when it cannot be written.
bool WriteFile(const QString& path, const QTextDocument& document,
               const std::optional<QColor>& pageColour = {});

} // namespace RtfWriter
