#include "core/Clock.h"

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

void SetFixedNow(const QDateTime& now) {
    fixedNow() = now;
}

void UseSystemClock() {
    fixedNow() = QDateTime();
}

} // namespace Clock
