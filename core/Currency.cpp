#include "core/Currency.h"

#include "core/RuntimeErrors.h"

#include <QHash>
#include <QList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace {

constexpr int kDecimals = Currency::kDecimals;

// The text as the reader compares it: without bidi and other format marks, without spaces of
// any width (a locale may group digits with a narrow or no-break space, or set one inside its
// currency sign), and with every decimal digit, of whatever script, as its ASCII digit.
QString comparable(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (const char32_t point : text.toUcs4()) {
        const QChar::Category category = QChar::category(point);
        if (category == QChar::Other_Format || QChar::isSpace(point))
            continue;
        if (category == QChar::Number_DecimalDigit)
            plain += QChar(u'0' + QChar::digitValue(point));
        else
            plain += QString::fromUcs4(&point, 1);
    }
    return plain;
}

bool stripPrefix(QString& text, const QString& piece) {
    if (piece.isEmpty() || !text.startsWith(piece))
        return false;
    text = text.mid(piece.size());
    return true;
}

bool stripSuffix(QString& text, const QString& piece) {
    if (piece.isEmpty() || !text.endsWith(piece))
        return false;
    text = text.left(text.size() - piece.size());
    return true;
}

// Removes a sign and the currency symbol in whatever order the locale puts them.
bool stripSignAndSymbol(QString& text, const QLocale& locale) {
    bool negative = false;
    if (text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'))) {
        negative = true;
        text = text.mid(1, text.size() - 2);
    }
    const QStringList symbols{comparable(locale.currencySymbol(QLocale::CurrencySymbol)),
                              comparable(locale.currencySymbol(QLocale::CurrencyIsoCode))};
    const QStringList minus{QStringLiteral("-"), comparable(locale.negativeSign())};
    const QStringList plus{QStringLiteral("+"), comparable(locale.positiveSign())};
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

[[noreturn]] void overflow() {
    throw RuntimeError::Overflow();
}

constexpr quint64 kLargestMagnitude = quint64(std::numeric_limits<qint64>::max());

// 10 to the power `exponent`, 0 to 4.
quint64 powerOfTen(int exponent) {
    quint64 power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

quint64 magnitudeOf(qint64 units) {
    return units < 0 ? 0 - quint64(units) : quint64(units);
}

// How many whole steps the magnitude holds, the last half step or more counted as one.
quint64 roundedSteps(quint64 magnitude, quint64 step) {
    const quint64 steps = magnitude / step;
    return 2 * (magnitude % step) >= step ? steps + 1 : steps;
}

qint64 signedUnits(bool negative, quint64 magnitude) {
    if (magnitude > kLargestMagnitude + (negative ? 1 : 0))
        overflow();
    return negative ? qint64(0 - magnitude) : qint64(magnitude);
}

// Digits with optional group separators and one decimal separator, rounded to four places;
// nothing when they are no number or too large.
std::optional<quint64> parseDigits(const QString& text, const QString& decimal,
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
    const QString kept = fraction.left(kDecimals).leftJustified(kDecimals, QLatin1Char('0'));
    quint64 units = 0;
    for (QChar digit : whole + kept)
        if (__builtin_mul_overflow(units, 10u, &units) ||
            __builtin_add_overflow(units, quint64(digit.unicode() - u'0'), &units))
            return std::nullopt;
    if (fraction.size() > kDecimals && fraction.at(kDecimals) >= QLatin1Char('5'))
        ++units;
    if (units > kLargestMagnitude)
        return std::nullopt;
    return units;
}

// ASCII digits written with the locale's digits.
QString localDigits(const QString& ascii, const QLocale& locale) {
    const QString zero = locale.zeroDigit();
    if (zero == QLatin1String("0"))
        return ascii;
    const char32_t zeroPoint = zero.toUcs4().value(0, U'0');
    QString text;
    for (QChar digit : ascii) {
        const char32_t point = zeroPoint + (digit.unicode() - u'0');
        text += QString::fromUcs4(&point, 1);
    }
    return text;
}

// The locale's digits of a magnitude of `decimals` places: grouped whole part, then the
// decimals without trailing zeros unless `allDecimals`.
QString numberText(quint64 magnitude, int decimals, bool allDecimals, const QLocale& locale,
                   bool grouped) {
    const quint64 scale = powerOfTen(decimals);
    QString text = grouped ? locale.toString(qulonglong(magnitude / scale))
                           : localDigits(QString::number(magnitude / scale), locale);
    QString fraction =
        QString::number(magnitude % scale).rightJustified(decimals, QLatin1Char('0'));
    if (!allDecimals)
        while (fraction.endsWith(QLatin1Char('0')))
            fraction.chop(1);
    if (decimals > 0 && !fraction.isEmpty())
        text += locale.decimalPoint() + localDigits(fraction, locale);
    return text;
}

// How the locale writes an amount of money: the texts around the number, and its decimals.
struct MoneyStyle {
    QString positivePrefix;
    QString positiveSuffix;
    QString negativePrefix;
    QString negativeSuffix;
    int decimals = 2;
};

std::pair<QString, QString> around(const QString& text, const QString& number) {
    const qsizetype at = text.indexOf(number);
    if (at < 0)
        return {};
    return {text.left(at), text.mid(at + number.size())};
}

int currencyDecimals(const QLocale& locale) {
    const QString zero = locale.toCurrencyString(0.0);
    const QString point = locale.decimalPoint();
    const QString digit = locale.zeroDigit();
    // The point after the whole zero, not one inside a currency sign such as "Nu." or "B/.".
    qsizetype at = zero.indexOf(digit);
    if (at < 0 || zero.mid(at + digit.size(), point.size()) != point)
        return 0;
    int decimals = 0;
    for (at += digit.size() + point.size();
         decimals < kDecimals && zero.mid(at, digit.size()) == digit; at += digit.size())
        ++decimals;
    return decimals;
}

// Read from the locale's own currency texts of 1 and -1, once per locale.
const MoneyStyle& styleOf(const QLocale& locale) {
    thread_local QLocale cachedLocale;
    thread_local std::optional<MoneyStyle> cached;
    if (cached && cachedLocale == locale)
        return *cached;
    MoneyStyle style;
    style.decimals = currencyDecimals(locale);
    const QString one = locale.toString(1.0, 'f', style.decimals);
    std::tie(style.positivePrefix, style.positiveSuffix) =
        around(locale.toCurrencyString(1.0), one);
    std::tie(style.negativePrefix, style.negativeSuffix) =
        around(locale.toCurrencyString(-1.0), one);
    cachedLocale = locale;
    cached = style;
    return *cached;
}

} // namespace

Currency Currency::FromDouble(double value) {
    if (!std::isfinite(value))
        overflow();
    const std::optional<Currency> amount =
        Parse(QString::number(value, 'f', QLocale::FloatingPointShortest), QLocale::c());
    if (!amount)
        overflow();
    return *amount;
}

std::optional<Currency> Currency::Parse(const QString& text, const QLocale& locale) {
    // A window reads the same few amounts again and again (its tariffs and rates, the totals it
    // wrote itself), and a locale's marks are alike for every reading: both are kept for the
    // last few locales read in, a few hundred texts each. Printable ASCII is compared as it
    // stands.
    struct Readings {
        QLocale locale;
        QString decimal;
        QString group;
        QHash<QString, std::optional<Currency>> amounts;
    };
    constexpr qsizetype kMostLocales = 4;
    constexpr qsizetype kMostKept = 512;
    thread_local QList<Readings> kept;
    auto readings = std::find_if(kept.begin(), kept.end(),
                                 [&locale](const Readings& each) { return each.locale == locale; });
    if (readings == kept.end()) {
        if (kept.size() >= kMostLocales)
            kept.removeLast();
        kept.prepend(Readings{
            locale, comparable(locale.decimalPoint()), comparable(locale.groupSeparator()), {}});
        readings = kept.begin();
    }
    QHash<QString, std::optional<Currency>>& amounts = readings->amounts;
    if (const auto known = amounts.constFind(text); known != amounts.constEnd())
        return *known;
    if (amounts.size() >= kMostKept)
        amounts.clear();
    const auto read = [&]() -> std::optional<Currency> {
        const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() > u' ' && c.unicode() < 0x7f;
        });
        QString body = plain ? text : comparable(text);
        if (body.isEmpty())
            return std::nullopt;
        const bool negative = stripSignAndSymbol(body, locale);
        std::optional<quint64> units = parseDigits(body, readings->decimal, readings->group);
        if (!units)
            units = parseDigits(body, QStringLiteral("."), QStringLiteral(","));
        if (!units)
            return std::nullopt;
        return Currency(negative ? -qint64(*units) : qint64(*units));
    };
    const std::optional<Currency> amount = read();
    amounts.insert(text, amount);
    return amount;
}

Currency Currency::FromText(const QString& text, const QLocale& locale) {
    const std::optional<Currency> value = Parse(text, locale);
    if (!value)
        throw RuntimeError::TypeMismatch();
    return *value;
}

// The reading of one amount as a user enters it.
namespace {

// A stand-in for a blank that comparable() keeps: a character of private use.
constexpr QChar kBlankMark(0xE000);

// The text as comparable() gives it, but with each blank of any width kept as one " ", and
// any other white space inside it (a line break, a tab) as a character no amount holds.
QString withBlanks(const QString& text) {
    QString marked = text;
    for (QChar& c : marked) {
        if (c.category() == QChar::Separator_Space)
            c = kBlankMark;
        else if (c.isSpace())
            c = QChar(QChar::ReplacementCharacter);
    }
    return comparable(marked).replace(kBlankMark, QLatin1Char(' '));
}

// Ungrouped digits, or digits grouped just as the notation groups them.
bool groupedAsWritten(const QString& whole, const QString& separator, const QLocale& notation) {
    if (separator.isEmpty() || !whole.contains(separator))
        return true;
    bool read = false;
    const qulonglong value = QString(whole).remove(separator).toULongLong(&read);
    return read && withBlanks(notation.toString(value)) == whole;
}

// The magnitude of a number in the notation, of at most `decimals` decimals.
std::optional<quint64> oneNumber(const QString& number, const QLocale& notation,
                                 qsizetype decimals) {
    const QString point = comparable(notation.decimalPoint());
    const QString separator = withBlanks(notation.groupSeparator());
    const qsizetype at = number.indexOf(point);
    if (at >= 0 && number.size() - at - point.size() > decimals)
        return std::nullopt;
    if (!groupedAsWritten(at >= 0 ? number.left(at) : number, separator, notation))
        return std::nullopt;
    return parseDigits(number, point, separator);
}

// The C notation, its digits grouped: "1,234,567.5".
QLocale groupedC() {
    QLocale notation = QLocale::c();
    notation.setNumberOptions(QLocale::DefaultNumberOptions);
    return notation;
}

// Takes one of the pieces, with the blanks beside it, off either end of the text.
bool takeAnEnd(QString& text, const QStringList& pieces) {
    for (const QString& piece : pieces) {
        if (stripPrefix(text, piece) || stripSuffix(text, piece)) {
            text = text.trimmed();
            return true;
        }
    }
    return false;
}

struct AmountMarks {
    bool negative = false;
    bool currency = false;
};

// Takes the sign and the currency sign off the number, each at most once, in whatever order
// and at whichever end the text has them; a second one stays, and no number reads it.
AmountMarks takeMarks(QString& text, const QLocale& locale) {
    AmountMarks marks;
    bool signTaken = false;
    if (text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'))) {
        text = text.mid(1, text.size() - 2).trimmed();
        marks.negative = signTaken = true;
    }
    const QStringList minus{QStringLiteral("-"), withBlanks(locale.negativeSign())};
    const QStringList plus{QStringLiteral("+"), withBlanks(locale.positiveSign())};
    const QStringList symbols{withBlanks(locale.currencySymbol(QLocale::CurrencySymbol)),
                              withBlanks(locale.currencySymbol(QLocale::CurrencyIsoCode))};
    for (int round = 0; round < 2; ++round) {
        if (!signTaken && takeAnEnd(text, minus))
            marks.negative = signTaken = true;
        else if (!signTaken && takeAnEnd(text, plus))
            signTaken = true;
        if (!marks.currency && takeAnEnd(text, symbols))
            marks.currency = true;
    }
    return marks;
}

} // namespace

std::optional<Currency> Currency::ParseOneAmount(const QString& text, const QLocale& locale) {
    // Trimmed again: a blank may stand beside a format mark at an end ("1 234,50 \u200B").
    QString number = withBlanks(text.trimmed()).trimmed();
    const AmountMarks marks = takeMarks(number, locale);
    const qsizetype decimals = marks.currency ? styleOf(locale).decimals : kDecimals;
    std::optional<quint64> units = oneNumber(number, locale, decimals);
    if (!units)
        units = oneNumber(number, groupedC(), decimals);
    if (!units)
        return std::nullopt;
    const Currency amount(marks.negative ? -qint64(*units) : qint64(*units));
    // The amount Parse reads, or none: a text both readings take in different notations is
    // not one amount ("1.5" is 15 to Parse in German).
    if (Parse(text, locale) != std::optional<Currency>(amount))
        return std::nullopt;
    return amount;
}

QString Currency::ToPlainText() const {
    const QString text = numberText(magnitudeOf(units_), kDecimals, false, QLocale::c(), false);
    return units_ < 0 ? QLatin1Char('-') + text : text;
}

QString Currency::ToNumberText(const QLocale& locale) const {
    const QString text = numberText(magnitudeOf(units_), kDecimals, false, locale, false);
    return units_ < 0 ? locale.negativeSign() + text : text;
}

QString Currency::Format(const QLocale& locale) const {
    const MoneyStyle& style = styleOf(locale);
    const quint64 shown = roundedSteps(magnitudeOf(units_), powerOfTen(kDecimals - style.decimals));
    const QString number = numberText(shown, style.decimals, true, locale, true);
    if (units_ < 0 && shown != 0)
        return style.negativePrefix + number + style.negativeSuffix;
    return style.positivePrefix + number + style.positiveSuffix;
}

Currency Currency::Rounded(int decimals) const {
    if (decimals >= kDecimals)
        return *this;
    const quint64 step = powerOfTen(kDecimals - std::max(decimals, 0));
    quint64 magnitude = 0;
    if (__builtin_mul_overflow(roundedSteps(magnitudeOf(units_), step), step, &magnitude))
        overflow();
    return Currency(signedUnits(units_ < 0, magnitude));
}

Currency Currency::AsShown(const QLocale& locale) const {
    return Rounded(styleOf(locale).decimals);
}

Currency Currency::Percent(const Currency& rate) const {
    __extension__ typedef __int128 Wide;
    const Wide product = Wide(units_) * rate.units_;
    const bool negative = product < 0;
    const Wide magnitude = negative ? -product : product;
    const Wide divisor = Wide(100) * kUnitsPerWhole;
    Wide steps = magnitude / divisor;
    if (2 * (magnitude % divisor) >= divisor)
        ++steps;
    if (steps > Wide(kLargestMagnitude) + 1)
        overflow();
    return Currency(signedUnits(negative, quint64(steps)));
}

Currency Currency::operator+(Currency other) const {
    qint64 sum = 0;
    if (__builtin_add_overflow(units_, other.units_, &sum))
        overflow();
    return Currency(sum);
}

Currency Currency::operator-(Currency other) const {
    qint64 difference = 0;
    if (__builtin_sub_overflow(units_, other.units_, &difference))
        overflow();
    return Currency(difference);
}

Currency Currency::operator-() const {
    return Currency() - *this;
}

Currency Currency::operator*(qint64 factor) const {
    qint64 product = 0;
    if (__builtin_mul_overflow(units_, factor, &product))
        overflow();
    return Currency(product);
}

Currency& Currency::operator+=(Currency other) {
    *this = *this + other;
    return *this;
}
