#pragma once

#include "reports/chart/ChartStyle.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

namespace Chart {

// Everything the chart shows: its rows (one value and one label each) and how it shows them.
struct Content {
    QStringList labels;
    QList<double> values;
    int type = kBar2d;
    Style style;
    QString title;
    QString xTitle;
    QString yTitle;
    // The one series' name in the legend.
    QString columnLabel = QStringLiteral("Revenue");
    bool legendShown = false;
    bool valueLabelsShown = false;
    ValueFormat valueFormat = ValueFormat::General;
    QColor plotColor = QColor(0xff, 0xff, 0xff);
    QColor seriesColor = QColor(0x2f, 0x6d, 0xb5);

    int Rows() const { return int(values.size()); }
};

} // namespace Chart
