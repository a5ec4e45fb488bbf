#pragma once

#include <QDate>
#include <QDateTime>

// The one source of "now" and "today", so that tests can book on a fixed day.
namespace Clock {

QDateTime Now();
QDate Today();

void SetFixedNow(const QDateTime& now);
void UseSystemClock();

} // namespace Clock
