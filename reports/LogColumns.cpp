#include "reports/LogColumns.h"

#include "core/Recordset.h"
#include "core/ui/ExtLV.h"
#include "core/ui/FormControls.h"

#include <QFontMetrics>
#include <QLocale>

#include <algorithm>

namespace {

const QString kDateLine = QStringLiteral("LogDateLine");
const QString kWideSample = QStringLiteral("Abbrdrev36535653");
const QString kDateFormat = QStringLiteral("dd-MMMM-yyyy");
constexpr int kLogColumnTwips = 4000;
constexpr qsizetype kDateColumn = 2;
// What a cell needs beside its text.
constexpr int kCellPadding = 12;

QString dateText(const Recordset& row) {
    return QLocale().toString(row.DateTime(kDateLine).date(), kDateFormat);
}

// "hh" with "AP" counts the hours of the 12-hour clock.
QString timeText(const Recordset& row) {
    return QLocale().toString(row.DateTime(kDateLine).time(), QStringLiteral("hh:mmAP"));
}

// The width of a date of the longest month name, so that no date is cut short.
int widestDateWidth(const QFontMetrics& metrics) {
    int widest = 0;
    for (int month = 1; month <= 12; ++month)
        widest = std::max(widest, metrics.horizontalAdvance(
                                      QLocale().toString(QDate(2000, month, 28), kDateFormat)));
    return widest;
}

} // namespace

const ListColumns& LogColumns() {
    static const ListColumns columns{
        TextColumn(QStringLiteral("Log"), QString(), QStringLiteral("LogText")),
        TextColumn(QStringLiteral("User"), kWideSample, QStringLiteral("LoggedUser")),
        {QStringLiteral("Date"), kWideSample, dateText},
        {QStringLiteral("Time"), QStringLiteral("Visual Basic Algor"), timeText},
        TextColumn(QString(), QString(), QStringLiteral("ID")),
    };
    return columns;
}

void AddLogColumns(ExtLV& list) {
    const ListColumns& columns = LogColumns();
    const QFontMetrics metrics = list.fontMetrics();
    list.ColumnHeaders().AddWithWidth(columns.first().header, TwipsToPixels(kLogColumnTwips));
    for (qsizetype column = 1; column < columns.size(); ++column) {
        const ListColumn& shown = columns.at(column);
        int width = metrics.horizontalAdvance(shown.widthSample);
        if (column == kDateColumn)
            width = std::max(width, widestDateWidth(metrics) + kCellPadding);
        list.ColumnHeaders().AddWithWidth(shown.header, width);
    }
}
