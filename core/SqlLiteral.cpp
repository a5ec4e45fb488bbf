#include "core/SqlLiteral.h"

#include <QLocale>

namespace SqlLiteral {

QString Text(const QString& value) {
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
