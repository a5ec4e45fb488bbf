#include "reports/LogColumns.h"

#include "core/Recordset.h"
#include "core/ui/ExtLV.h"
#include "core/ui/FormControls.h"

#include <QFontMetrics>
#include <QHash>
#include <QLocale>

#include <algorithm>
#include <array>

namespace {

const QString kDateLine = QStringLiteral("LogDateLine");
const QString kLogId = QStringLiteral("ID");
const QString kWideSample = QStringLiteral("Abbrdrev36535653");
const QString kDateFormat = QStringLiteral("dd-MMMM-yyyy");
constexpr int kLogColumnTwips = 4000;
constexpr qsizetype kDateColumn = 2;
// What a cell needs beside its text.
constexpr int kCellPadding = 12;

// The texts of the dates and times shown, each made once: a long log repeats the same days
// and minutes over and over, and each row's date and time come from one stored value. Made
// afresh when the system's language changes.
class MomentTexts {
public:
    QString DateText(const Recordset& row) {
        const QDate date = momentOf(row).date;
        auto found = dates_.constFind(date.toJulianDay());
        if (found == dates_.constEnd())
            found = dates_.insert(date.toJulianDay(), locale_.toString(date, kDateFormat));
        return *found;
    }

    // "hh" with "AP" counts the hours of the 12-hour clock.
    QString TimeText(const Recordset& row) {
        const QTime time = momentOf(row).time;
        if (!time.isValid())
            return {};
        QString& text = minutes_[std::size_t(time.hour() * 60 + time.minute())];
        if (text.isNull())
            text = locale_.toString(QTime(time.hour(), time.minute()), QStringLiteral("hh:mmAP"));
        return text;
    }

private:
    struct Moment {
        QDate date;
        QTime time;
    };

    const Moment& momentOf(const Recordset& row) {
        follow(QLocale());
        const QVariant stored = row.Fields(kDateLine);
        if (stored != stored_) {
            stored_ = stored;
            moment_ = {row.Date(kDateLine), row.Time(kDateLine)};
        }
        return moment_;
    }

    void follow(const QLocale& locale) {
        if (locale == locale_)
            return;
        locale_ = locale;
        dates_.clear();
        minutes_.fill(QString());
    }

    QLocale locale_ = QLocale::c();
    QHash<qint64, QString> dates_;
    std::array<QString, 24 * 60> minutes_;
    QVariant stored_;
    Moment moment_;
};

MomentTexts& momentTexts() {
    static MomentTexts texts;
    return texts;
}

QString dateText(const Recordset& row) {
    return momentTexts().DateText(row);
}

QString timeText(const Recordset& row) {
    return momentTexts().TimeText(row);
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
        TextColumn(QString(), QString(), kLogId),
    };
    return columns;
}

const RowValues& LogValues() {
    static const RowValues values{FieldValue(kLogId)};
    return values;
}

qint64 LogIdOf(const ListItem& row) {
    return row.Number(kLogId);
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
