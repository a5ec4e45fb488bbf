#include "reservations/BookingTariff.h"

namespace BookingTariff {

Currency PercentFunction(const Currency& Percent, const Currency& PercentOf) {
    return PercentOf.Percent(Percent);
}

Currency MoveRoom(Currency roomRate, Currency tariff, int days, bool adding) {
    const Currency stay = tariff * days;
    return adding ? roomRate + stay : roomRate - stay;
}

Currency Due(Currency grandTotal, Currency advance) {
    if (grandTotal < Currency())
        return Currency();
    return grandTotal - advance;
}

int NumberOfDays(const QDate& arrival, const QDate& departure) {
    return int(arrival.daysTo(departure));
}

int LeadingNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    if (end < trimmed.size() &&
        (trimmed.at(0) == QLatin1Char('-') || trimmed.at(0) == QLatin1Char('+')))
        ++end;
    while (end < trimmed.size() && trimmed.at(end).isDigit() && trimmed.at(end).unicode() < 128)
        ++end;
    bool ok = false;
    const int number = trimmed.left(end).toInt(&ok);
    return ok ? number : 0;
}

} // namespace BookingTariff
