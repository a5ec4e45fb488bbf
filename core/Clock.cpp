#include "core/Clock.h"

#include <ctime>

namespace {
QDateTime& fixedNow() {
    static QDateTime now;
    return now;
}
} // namespace

namespace Clock {

QDateTime Now() {
    return fixedNow().isValid() ? fixedNow() : QDateTime::currentDateTime();
}

QDate Today() {
    return Now().date();
}

void ReadLocalZoneOnce() {
    // A zone named in the environment is the user's choice and stays.
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", ":/etc/localtime");
    tzset();
}

void SetFixedNow(const QDateTime& now) {
    fixedNow() = now;
}

void UseSystemClock() {
    fixedNow() = QDateTime();
}

} // namespace Clock
