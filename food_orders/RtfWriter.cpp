#include "food_orders/RtfWriter.h"

#include "core/ui/FormControls.h"

#include <QFile>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace {

// The font and colour tables: each entry is written once and referred to by its index.
class Tables {
public:
    int Font(const QString& family) {
        qsizetype index = fonts_.indexOf(family);
        if (index < 0) {
            fonts_.append(family);
            index = fonts_.size() - 1;
        }
        return int(index);
    }
    // Index 0 of the colour table is the reader's own default colour.
    int Colour(const QColor& colour) {
        const QRgb rgb = colour.rgb();
        qsizetype index = colours_.indexOf(rgb);
        if (index < 0) {
            colours_.append(rgb);
            index = colours_.size() - 1;
        }
        return int(index) + 1;
    }
    const QStringList& Fonts() const { return fonts_; }
    const QList<QRgb>& Colours() const { return colours_; }

private:
    QStringList fonts_;
    QList<QRgb> colours_;
};

// A text as RTF: control characters escaped, tabs and line breaks as control words, and any
// character beyond ASCII as its UTF-16 code units with a "?" for readers that cannot show it.
QByteArray escaped(const QString& text) {
    QByteArray out;
    out.reserve(text.size() + 16);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u == QChar::LineSeparator || u == u'\n') {
            out += "\\line ";
        } else if (u >= 0x20 && u < 0x7f) {
            out += char(u);
        } else if (u >= 0x80 && u != QChar::ObjectReplacementCharacter) {
            // The escape takes a signed 16-bit number.
            out += "\\u" + QByteArray::number(qint16(u)) + "\\'3f";
        }
    }
    return out;
}

QFont fontOf(const QTextCharFormat& format, const QTextDocument& document) {
    return format.font().resolve(document.defaultFont());
}

int halfPoints(const QFont& font) {
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : 12;
    return qRound(points * 2);
}

QByteArray characterFormat(const QTextCharFormat& format, const QTextDocument& document,
                           Tables& tables) {
    const QFont font = fontOf(format, document);
    QByteArray out = "\\f" + QByteArray::number(tables.Font(font.family())) + "\\fs" +
                     QByteArray::number(halfPoints(font));
    if (font.bold())
        out += "\\b";
    if (font.italic())
        out += "\\i";
    if (font.underline())
        out += "\\ul";
    if (format.foreground().style() != Qt::NoBrush)
        out += "\\cf" + QByteArray::number(tables.Colour(format.foreground().color()));
    if (format.background().style() != Qt::NoBrush) {
        // Shading for word processors, \cb for the readers that know only that.
        const QByteArray index = QByteArray::number(tables.Colour(format.background().color()));
        out += "\\chcbpat" + index + "\\cb" + index;
    }
    return out;
}

QByteArray alignment(const QTextBlock& block) {
    const Qt::Alignment align = block.blockFormat().alignment();
    if (align.testFlag(Qt::AlignHCenter))
        return "\\qc";
    if (align.testFlag(Qt::AlignRight))
        return "\\qr";
    if (align.testFlag(Qt::AlignJustify))
        return "\\qj";
    return "\\ql";
}

// The paragraph's own tab stops, in twips; the default stops follow them.
QByteArray tabStops(const QTextBlock& block) {
    QByteArray out;
    for (const QTextOption::Tab& tab : block.blockFormat().tabPositions()) {
        if (tab.type == QTextOption::RightTab)
            out += "\\tqr";
        else if (tab.type == QTextOption::CenterTab)
            out += "\\tqc";
        else if (tab.type == QTextOption::DelimiterTab)
            out += "\\tqdec";
        out += "\\tx" + QByteArray::number(PixelsToTwips(tab.position));
    }
    return out;
}

QByteArray paragraph(const QTextBlock& block, const QTextDocument& document, Tables& tables) {
    QByteArray out = "\\pard" + alignment(block) + tabStops(block) + "\\plain" +
                     characterFormat(block.charFormat(), document, tables) + ' ';
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        out += "{" + characterFormat(fragment.charFormat(), document, tables) + ' ' +
               escaped(fragment.text()) + "}";
    }
    return out + "\\par\n";
}

QByteArray colourEntry(QRgb rgb) {
    return "\\red" + QByteArray::number(qRed(rgb)) + "\\green" + QByteArray::number(qGreen(rgb)) +
           "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
}

// The page colour as word processors keep it: a filled background shape (colour as BGR).
QByteArray background(const QColor& colour) {
    const int bgr = colour.red() | (colour.green() << 8) | (colour.blue() << 16);
    return "{\\*\\background{\\shp{\\*\\shpinst{\\sp{\\sn fillColor}{\\sv " +
           QByteArray::number(bgr) + "}}{\\sp{\\sn fFilled}{\\sv 1}}}}}\n";
}

QByteArray header(const Tables& tables) {
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\\deftab720\n{\\fonttbl";
    for (int i = 0; i < tables.Fonts().size(); ++i)
        out += "{\\f" + QByteArray::number(i) + "\\fnil " + escaped(tables.Fonts().at(i)) + ";}";
    out += "}\n{\\colortbl;";
    for (const QRgb rgb : tables.Colours())
        out += colourEntry(rgb);
    return out + "}\n";
}

} // namespace

namespace RtfWriter {

QByteArray ToRtf(const QTextDocument& document, const std::optional<QColor>& pageColour) {
    Tables tables;
    tables.Font(document.defaultFont().family());
    QByteArray body;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        body += paragraph(block, document, tables);
    QByteArray out = header(tables);
    if (pageColour)
        out += "\\viewbksp1\n" + background(*pageColour);
    return out + body + "}\n";
}

bool WriteFile(const QString& path, const QTextDocument& document,
               const std::optional<QColor>& pageColour) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(ToRtf(document, pageColour));
    return file.commit();
}

} // namespace RtfWriter
