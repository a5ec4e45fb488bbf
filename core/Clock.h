#pragma once

#include <QDate>
#include <QDateTime>

// The one source of "now" and "today", so that tests can book on a fixed day.
namespace Clock {

QDateTime Now();
QDate Today();

// Has the system's time zone read once for the whole run. Left to itself the C library looks
// at the zone's file again for every local date and time it works out, which a list of many
// dated rows (the activity log read from a MariaDB server) feels. Called at start-up.
void ReadLocalZoneOnce();

void SetFixedNow(const QDateTime& now);
void UseSystemClock();

} // namespace Clock
