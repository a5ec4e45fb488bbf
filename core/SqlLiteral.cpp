#include "core/SqlLiteral.h"

#include "core/Errors.h"

#include <QLocale>

namespace {

// Half of a character would take the closing quote with it on some back ends, and a NUL ends
// the statement early on others.
bool storable(const QString& value) {
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c.isNull())
            return false;
        if (c.isHighSurrogate() && i + 1 < value.size() && value.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return false;
    }
    return true;
}

} // namespace

namespace SqlLiteral {

QString Text(const QString& value) {
    if (!storable(value))
        throw StaymarkError(QStringLiteral("A text holds half of a character or a NUL character, "
                                           "which the database cannot store. Nothing was "
                                           "saved."));
    QString escaped = value;
    escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

QString Number(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString Number(qint64 value) {
    return QString::number(value);
}

QString Money(const Currency& value) {
    return value.ToPlainText();
}

QString Date(const QDate& value) {
    return QLatin1Char('#') + value.toString(Qt::ISODate) + QLatin1Char('#');
}

QString MonthFirstDate(const QDate& value) {
    return QStringLiteral("#%1/%2/%3#").arg(value.month()).arg(value.day()).arg(value.year());
}

} // namespace SqlLiteral
