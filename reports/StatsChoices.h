#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the revenue chart window's lists offer: the months, the years, the series with the
// column each reads and how each is shown, and the chart types.
namespace StatsChoices {

// The kinds of series: amounts of money and counts.
constexpr qint16 kMoney = 1;
constexpr qint16 kCount = 2;

struct Series {
    QString text;
    QString column;
    qint16 kind;
    QString legendLabel;
    QString yAxisTitle;
};
// The series at the list's index; null for none.
const Series* SeriesAt(int index);
QStringList SeriesTexts();

struct ChartType {
    QString text;
    int value;
};
// The chart type at the list's index; null for none.
const ChartType* ChartTypeAt(int index);
QStringList ChartTypeTexts();
// "2d Bar", chosen when the window opens.
constexpr int kChartTypeAtLoad = 1;

// The English month names, January first.
const QStringList& MonthNames();
// Ten years, from four before the year to five after; the year itself is at kYearsBefore.
constexpr int kYearsBefore = 4;
QStringList YearsAround(int year);

} // namespace StatsChoices
