#pragma once

#include "core/Currency.h"

#include <QDate>
#include <QString>

// The booking window's tariff arithmetic. The window keeps amounts as currency text; each step
// takes amounts parsed from that text and gives the amount the box shows next.
namespace BookingTariff {

// Percent / 100 x PercentOf, exact to four places: the rate and the amount are both
// four-decimal values.
Currency PercentFunction(const Currency& Percent, const Currency& PercentOf);

// The room rate after a room of this tariff joins (or leaves) the booking for `days` nights.
Currency MoveRoom(Currency roomRate, Currency tariff, int days, bool adding);
// What the customer still owes: the grand total less the advance, nothing while the grand
// total is below zero; an advance above the total leaves a negative due.
Currency Due(Currency grandTotal, Currency advance);
// Nights between arrival and departure (0 for the same day).
int NumberOfDays(const QDate& arrival, const QDate& departure);
// The leading number of a text: digits up to the first character that is not part of a
// number, an optional sign first; an empty or non-numeric text reads as 0.
int LeadingNumber(const QString& text);

} // namespace BookingTariff
