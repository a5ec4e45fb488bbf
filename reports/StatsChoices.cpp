#include "reports/StatsChoices.h"

namespace StatsChoices {

namespace {

constexpr int kYears = 10;

const QList<Series>& seriesList() {
    static const QList<Series> list{
        {QStringLiteral("Total Revenue"), QStringLiteral("tRevenue"), kMoney,
         QStringLiteral("Revenue"), QStringLiteral("Currency")},
        {QStringLiteral("Room Booking Revenue"), QStringLiteral("tBookingRevenue"), kMoney,
         QStringLiteral("Revenue"), QStringLiteral("Currency")},
        {QStringLiteral("Food & Drink Revenue"), QStringLiteral("tFoodDrinkRevenue"), kMoney,
         QStringLiteral("Revenue"), QStringLiteral("Currency")},
        {QStringLiteral("Room Bookings"), QStringLiteral("tBookings"), kCount,
         QStringLiteral("Rooms Count"), QStringLiteral("Bookings")},
        {QStringLiteral("Food & Drink Orders"), QStringLiteral("tFoodOrders"), kCount,
         QStringLiteral("Orders Count"), QStringLiteral("Food & Drink Orders")},
    };
    return list;
}

// The values are the chart's type numbers, as charts of this kind number them.
const QList<ChartType>& chartTypes() {
    static const QList<ChartType> list{
        {QStringLiteral("2d Area"), 5},        {QStringLiteral("2d Bar"), 1},
        {QStringLiteral("2d Combination"), 9}, {QStringLiteral("2d Line"), 3},
        {QStringLiteral("2d Pie"), 14},        {QStringLiteral("2d Step"), 7},
        {QStringLiteral("2d XY"), 16},         {QStringLiteral("3d Area"), 4},
        {QStringLiteral("3d Bar"), 0},         {QStringLiteral("3d Combination"), 8},
        {QStringLiteral("3d Line"), 2},        {QStringLiteral("3d Step"), 6},
    };
    return list;
}

template <typename Entry> const Entry* entryAt(const QList<Entry>& list, int index) {
    return index >= 0 && index < list.size() ? &list.at(index) : nullptr;
}

template <typename Entry> QStringList textsOf(const QList<Entry>& list) {
    QStringList texts;
    for (const Entry& entry : list)
        texts << entry.text;
    return texts;
}

} // namespace

const Series* SeriesAt(int index) {
    return entryAt(seriesList(), index);
}

QStringList SeriesTexts() {
    return textsOf(seriesList());
}

const ChartType* ChartTypeAt(int index) {
    return entryAt(chartTypes(), index);
}

QStringList ChartTypeTexts() {
    return textsOf(chartTypes());
}

const QStringList& MonthNames() {
    static const QStringList names{
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return names;
}

QStringList YearsAround(int year) {
    QStringList years;
    for (int offset = -kYearsBefore; offset < kYears - kYearsBefore; ++offset)
        years << QString::number(year + offset);
    return years;
}

} // namespace StatsChoices
