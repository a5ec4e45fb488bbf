#include "reservations/RoomPrices.h"

#include "core/Currency.h"

namespace {

// A piece is a tariff when it is exactly how the locale writes that amount.
bool isTariffText(const QString& text, const QLocale& locale) {
    const std::optional<Currency> amount = Currency::Parse(text, locale);
    return amount && amount->Format(locale) == text;
}

// Groups the comma-separated parts, from `start`, into `rooms` tariffs; false when they don't fit.
bool group(const QStringList& parts, qsizetype start, int rooms, const QLocale& locale,
           QStringList& tariffs) {
    if (rooms == 0)
        return start == parts.size();
    QString piece;
    for (qsizetype end = start; end < parts.size(); ++end) {
        piece += (end > start ? QStringLiteral(",") : QString()) + parts.at(end);
        if (!isTariffText(piece, locale))
            continue;
        tariffs.append(piece);
        if (group(parts, end + 1, rooms - 1, locale, tariffs))
            return true;
        tariffs.removeLast();
    }
    return false;
}

} // namespace

namespace RoomPrices {

QString Join(const QStringList& pieces) {
    return pieces.join(QLatin1Char(','));
}

QStringList Split(const QString& storedPrices, int roomCount, const QLocale& locale) {
    QStringList tariffs;
    if (roomCount <= 0 ||
        !group(storedPrices.split(QLatin1Char(',')), 0, roomCount, locale, tariffs))
        return {};
    return tariffs;
}

} // namespace RoomPrices
