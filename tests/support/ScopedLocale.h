#pragma once

#include <QLocale>

namespace TestSupport {

// The program's language for the rest of a test, as the desktop would set it; the tests' own
// language (English, United States) comes back when the test ends.
class ScopedLocale final {
public:
    explicit ScopedLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~ScopedLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    Q_DISABLE_COPY_MOVE(ScopedLocale)
};

} // namespace TestSupport
