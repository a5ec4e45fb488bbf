#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// The program's date format, for every list and date picker: the locale's short format, but
// with a four-digit year where that format writes two ("M/d/yy" becomes "M/d/yyyy").
QString ProgramDateFormat(const QLocale& locale = QLocale());
// A date in that format; an invalid date gives an empty text.
QString ProgramDateText(const QDate& date, const QLocale& locale = QLocale());
