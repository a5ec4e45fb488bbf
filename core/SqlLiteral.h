#pragma once

#include "core/Currency.h"

#include <QDate>
#include <QString>

// Values go into statement text only through these routines, so no value can break a
// statement or change its meaning, and nothing depends on the locale.
namespace SqlLiteral {

// 'text' with every apostrophe doubled; backslashes stay plain characters on every back end.
// Throws StaymarkError, before any statement is built, for a value holding half of a character
// (an unpaired surrogate) or a NUL.
QString Text(const QString& value);
// Decimal text with "." as decimal point.
QString Number(double value);
QString Number(qint64 value);
// The amount's plain decimal text, as statements write money.
QString Money(const Currency& value);
// #YYYY-MM-DD#, the date literal the statement translator understands on every back end.
QString Date(const QDate& value);
// #M/D/YYYY#, month first and without leading zeros, whatever the locale: the form the Access
// dialect reads for a date written out by hand.
QString MonthFirstDate(const QDate& value);

} // namespace SqlLiteral
