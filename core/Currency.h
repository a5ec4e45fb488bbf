#pragma once

#include <QLocale>
#include <QString>

#include <compare>
#include <optional>

// Money as the program keeps it: ten-thousandths in a 64-bit integer, so sums are exact and
// every amount has four decimal places. Every rounding works on that integer, half away from
// zero, and never passes through a double; arithmetic beyond the range throws Overflow.
class Currency {
public:
    static constexpr qint64 kUnitsPerWhole = 10000;
    static constexpr int kDecimals = 4;

    constexpr Currency() = default;
    static constexpr Currency FromUnits(qint64 units) { return Currency(units); }
    // The amount a double was written as (its shortest decimal text), rounded to four places;
    // throws StaymarkError when out of range.
    static Currency FromDouble(double value);
    // Accepts the locale's currency text ("$1,234.50", "($75.00)") and plain numbers in the
    // locale's or the C notation; a fifth decimal rounds. Empty or malformed text, or an amount
    // beyond the range, gives no value.
    static std::optional<Currency> Parse(const QString& text, const QLocale& locale = QLocale());
    // Money as a user enters it into a box: one amount and nothing else. It refuses what Parse
    // would read as some other amount: a second sign or currency sign, digits grouped otherwise
    // than the locale groups them, a blank or a line break inside the number (unless the
    // locale groups with blanks), more than four decimals, or, beside a currency sign, more
    // decimals than the currency has ("$0.00100" is "$0.00" with "100" typed after it). What
    // it accepts, Parse reads as the same amount.
    static std::optional<Currency> ParseOneAmount(const QString& text,
                                                  const QLocale& locale = QLocale());
    // Like Parse, but a text that is not money throws StaymarkError("Type mismatch").
    static Currency FromText(const QString& text, const QLocale& locale = QLocale());

    constexpr qint64 Units() const { return units_; }
    // For drawing only (charts): money arithmetic never goes through a double.
    double ToDouble() const { return double(units_) / kUnitsPerWhole; }
    // Plain decimal text for statements: "." as decimal point, no grouping, no trailing zeros.
    QString ToPlainText() const;
    // The same in the locale's notation ("12.5", German "12,5"): rates as the windows show them.
    QString ToNumberText(const QLocale& locale = QLocale()) const;
    // The locale's currency format, rounded to the currency's decimals.
    QString Format(const QLocale& locale = QLocale()) const;

    // Rounded to `decimals` places (0 to 4).
    Currency Rounded(int decimals) const;
    // The amount as Format shows it: rounded to the locale's currency decimals.
    Currency AsShown(const QLocale& locale = QLocale()) const;
    // `rate` per cent of this amount, to four places: 5 % of 20.10 is 1.005. The rate is a
    // four-decimal value too, as the tax editor stores it.
    Currency Percent(const Currency& rate) const;

    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency operator-() const;
    Currency operator*(qint64 factor) const;
    Currency& operator+=(Currency other);
    constexpr auto operator<=>(const Currency&) const = default;

private:
    constexpr explicit Currency(qint64 units)
        : units_(units) {}
    qint64 units_ = 0;
};
