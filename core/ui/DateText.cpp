#include "core/ui/DateText.h"

namespace {

constexpr QChar kQuote = u'\'';
constexpr QChar kYear = u'y';

} // namespace

QString ProgramDateFormat(const QLocale& locale) {
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    QString format;
    bool quoted = false;
    for (qsizetype at = 0; at < shortFormat.size();) {
        const QChar c = shortFormat.at(at);
        if (c == kQuote)
            quoted = !quoted;
        if (quoted || c != kYear) {
            format += c;
            ++at;
            continue;
        }
        qsizetype run = 0;
        while (at + run < shortFormat.size() && shortFormat.at(at + run) == kYear)
            ++run;
        // Any shorter year is written whole.
        format += run >= 4 ? shortFormat.mid(at, run) : QStringLiteral("yyyy");
        at += run;
    }
    return format;
}

QString ProgramDateText(const QDate& date, const QLocale& locale) {
    return date.isValid() ? locale.toString(date, ProgramDateFormat(locale)) : QString();
}
