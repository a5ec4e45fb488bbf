#pragma once

#include <QString>

#include <optional>

// What the chart window's chart draws: its types, the formats of its value labels and the parts
// a pointer can be over.
namespace Chart {

enum class Shape { Area, Bar, Combination, Line, Pie, Step, XY };

struct Style {
    Shape shape = Shape::Bar;
    // Drawn with depth: an oblique projection with shaded sides.
    bool depth = false;
};

// The chart-type values the type list hands over (the numbering charts of this kind use);
// nothing for a value that names no type.
std::optional<Style> StyleOfType(int chartType);

inline constexpr int kBar2d = 1;

enum class ValueFormat {
    General,     // the number as it is
    Currency,    // the system's currency text
    WholeNumber, // "0": rounded, no decimals, no grouping
};
QString ValueText(double value, ValueFormat format);

// The parts of the chart the pointer can be over.
enum class Part {
    None,
    ChartArea,
    Title,
    Footnote,
    Legend,
    Plot,
    Point,
    PointLabel,
    Axis,
    AxisLabel,
    AxisTitle,
    Series,
};

// Axis identifiers as the chart's events name them.
inline constexpr int kXAxis = 0;
inline constexpr int kYAxis = 1;

struct Hit {
    Part part = Part::None;
    int series = 0; // 1 for the one series, 0 for none
    int point = 0;  // 1-based row, 0 for none
    int axis = -1;  // kXAxis or kYAxis for axis parts
};

} // namespace Chart
