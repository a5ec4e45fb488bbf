#pragma once

#include <QLocale>
#include <QString>

#include <compare>
#include <optional>

// Money as the program keeps it: ten-thousandths in a 64-bit integer, so sums are exact and
// every amount has four decimal places.
class Currency {
public:
    static constexpr qint64 kUnitsPerWhole = 10000;

    constexpr Currency() = default;
    static constexpr Currency FromUnits(qint64 units) { return Currency(units); }
    // Rounds to four places, halves to even; throws StaymarkError when out of range.
    static Currency FromDouble(double value);
    // Accepts the locale's currency text ("$1,234.50", "($75.00)") and plain numbers in the
    // locale's or the C notation. Empty or malformed text gives no value.
    static std::optional<Currency> Parse(const QString& text, const QLocale& locale = QLocale());
    // Like Parse, but a text that is not money throws StaymarkError("Type mismatch").
    static Currency FromText(const QString& text, const QLocale& locale = QLocale());

    constexpr qint64 Units() const { return units_; }
    double ToDouble() const { return double(units_) / kUnitsPerWhole; }
    // Plain decimal text for statements: "." as decimal point, no grouping, no trailing zeros.
    QString ToPlainText() const;
    // The locale's currency format, as the windows show amounts.
    QString Format(const QLocale& locale = QLocale()) const;

    constexpr Currency operator+(Currency other) const { return Currency(units_ + other.units_); }
    constexpr Currency operator-(Currency other) const { return Currency(units_ - other.units_); }
    constexpr Currency operator-() const { return Currency(-units_); }
    constexpr Currency operator*(qint64 factor) const { return Currency(units_ * factor); }
    Currency& operator+=(Currency other) {
        units_ += other.units_;
        return *this;
    }
    constexpr auto operator<=>(const Currency&) const = default;

private:
    constexpr explicit Currency(qint64 units)
        : units_(units) {}
    qint64 units_ = 0;
};
