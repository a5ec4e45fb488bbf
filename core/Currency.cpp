#include "core/Currency.h"

#include "core/RuntimeErrors.h"

#include <cmath>

namespace {

constexpr int kDecimals = 4;
constexpr int kMaxWholeDigits = 14;

QString withoutSpaces(QString text) {
    text.replace(QChar(0x00A0), QLatin1Char(' ')).replace(QChar(0x202F), QLatin1Char(' '));
    return text.trimmed();
}

bool stripPrefix(QString& text, const QString& piece) {
    if (piece.isEmpty() || !text.startsWith(piece))
        return false;
    text = text.mid(piece.size()).trimmed();
    return true;
}

bool stripSuffix(QString& text, const QString& piece) {
    if (piece.isEmpty() || !text.endsWith(piece))
        return false;
    text = text.left(text.size() - piece.size()).trimmed();
    return true;
}

// Removes a sign and the currency symbol in whatever order the locale puts them.
bool stripSignAndSymbol(QString& text, const QLocale& locale) {
    bool negative = false;
    if (text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'))) {
        negative = true;
        text = text.mid(1, text.size() - 2).trimmed();
    }
    const QStringList symbols{locale.currencySymbol(QLocale::CurrencySymbol),
                              locale.currencySymbol(QLocale::CurrencyIsoCode)};
    const QStringList minus{QStringLiteral("-"), locale.negativeSign()};
    const QStringList plus{QStringLiteral("+"), locale.positiveSign()};
    for (int round = 0; round < 2; ++round) {
        for (const QString& sign : minus)
            if (stripPrefix(text, sign) || stripSuffix(text, sign))
                negative = !negative;
        for (const QString& sign : plus)
            if (!stripPrefix(text, sign))
                stripSuffix(text, sign);
        for (const QString& symbol : symbols)
            if (!stripPrefix(text, symbol))
                stripSuffix(text, symbol);
    }
    return negative;
}

bool allDigits(const QString& text) {
    for (QChar c : text)
        if (!c.isDigit() || c.unicode() > 127)
            return false;
    return true;
}

// Digits with optional group separators and one decimal separator, rounded to four places.
std::optional<qint64> parseDigits(const QString& text, const QString& decimal,
                                  const QString& group) {
    const qsizetype point = text.indexOf(decimal);
    if (point >= 0 && text.indexOf(decimal, point + 1) >= 0)
        return std::nullopt;
    QString whole = point >= 0 ? text.left(point) : text;
    const QString fraction = point >= 0 ? text.mid(point + decimal.size()) : QString();
    if (!group.isEmpty() && group != decimal)
        whole.remove(group);
    if (!allDigits(whole) || !allDigits(fraction) || (whole.isEmpty() && fraction.isEmpty()))
        return std::nullopt;
    qsizetype zeros = 0;
    while (zeros + 1 < whole.size() && whole.at(zeros) == QLatin1Char('0'))
        ++zeros;
    whole.remove(0, zeros);
    if (whole.size() > kMaxWholeDigits)
        return std::nullopt;
    qint64 units = whole.isEmpty() ? 0 : whole.toLongLong() * Currency::kUnitsPerWhole;
    const QString kept = fraction.left(kDecimals).leftJustified(kDecimals, QLatin1Char('0'));
    units += kept.toLongLong();
    if (fraction.size() > kDecimals && fraction.at(kDecimals) >= QLatin1Char('5'))
        units += 1;
    return units;
}

} // namespace

Currency Currency::FromDouble(double value) {
    const double scaled = std::nearbyint(value * kUnitsPerWhole);
    if (!std::isfinite(scaled) || std::fabs(scaled) > 9.2e18)
        throw RuntimeError::Overflow();
    return Currency(static_cast<qint64>(scaled));
}

std::optional<Currency> Currency::Parse(const QString& text, const QLocale& locale) {
    QString body = withoutSpaces(text);
    if (body.isEmpty())
        return std::nullopt;
    const bool negative = stripSignAndSymbol(body, locale);
    std::optional<qint64> units = parseDigits(body, locale.decimalPoint(), locale.groupSeparator());
    if (!units)
        units = parseDigits(body, QStringLiteral("."), QStringLiteral(","));
    if (!units)
        return std::nullopt;
    return Currency(negative ? -*units : *units);
}

Currency Currency::FromText(const QString& text, const QLocale& locale) {
    const std::optional<Currency> value = Parse(text, locale);
    if (!value)
        throw RuntimeError::TypeMismatch();
    return *value;
}

QString Currency::ToPlainText() const {
    const qint64 magnitude = units_ < 0 ? -units_ : units_;
    QString text = QString::number(magnitude / kUnitsPerWhole);
    QString fraction =
        QString::number(magnitude % kUnitsPerWhole).rightJustified(kDecimals, QLatin1Char('0'));
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += QLatin1Char('.') + fraction;
    return units_ < 0 ? QLatin1Char('-') + text : text;
}

QString Currency::Format(const QLocale& locale) const {
    return locale.toCurrencyString(ToDouble());
}
