#include "reports/chart/ChartStyle.h"

#include "core/Currency.h"

#include <QLocale>

#include <cmath>

namespace Chart {

std::optional<Style> StyleOfType(int chartType) {
    switch (chartType) {
    case 0:
        return Style{Shape::Bar, true};
    case 1:
        return Style{Shape::Bar, false};
    case 2:
        return Style{Shape::Line, true};
    case 3:
        return Style{Shape::Line, false};
    case 4:
        return Style{Shape::Area, true};
    case 5:
        return Style{Shape::Area, false};
    case 6:
        return Style{Shape::Step, true};
    case 7:
        return Style{Shape::Step, false};
    case 8:
        return Style{Shape::Combination, true};
    case 9:
        return Style{Shape::Combination, false};
    case 14:
        return Style{Shape::Pie, false};
    case 16:
        return Style{Shape::XY, false};
    default:
        return std::nullopt;
    }
}

QString ValueText(double value, ValueFormat format) {
    switch (format) {
    case ValueFormat::Currency:
        return Currency::FromDouble(value).Format();
    case ValueFormat::WholeNumber:
        return QString::number(std::llround(value));
    case ValueFormat::General:
        break;
    }
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace Chart
