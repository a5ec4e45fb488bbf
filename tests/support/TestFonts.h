#pragma once

#include <QFont>
#include <QList>

namespace TestSupport {

// The font every widget test measures with, so that a test gives the same answer whatever
// fonts the machine has: DejaVu Sans at 9 points. The test run also points fontconfig's
// generic families at the DejaVu fonts (tests/support/fonts.conf).
QFont TestFont();

// Makes `font` the application's font; a family that is not installed ends the test program,
// since a test would otherwise measure with whatever fontconfig puts in its place.
void UseFont(const QFont& font);

// The default fonts of the common desktops (DejaVu Sans, Noto Sans and Liberation Sans at 9
// and 10 points), as far as they are installed.
QList<QFont> InstalledDesktopFonts();

// "Noto Sans 10pt", for a test row's name.
QString FontName(const QFont& font);

} // namespace TestSupport
