#include "tests/support/TestFonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

namespace TestSupport {

namespace {

bool installed(const QFont& font) {
    return QFontInfo(font).family() == font.family();
}

} // namespace

QFont TestFont() {
    return QFont(QStringLiteral("DejaVu Sans"), 9);
}

void UseFont(const QFont& font) {
    if (!installed(font))
        qFatal("The tests measure with %s, which is not installed (scripts/setup.sh lists it).",
               qPrintable(font.family()));
    QApplication::setFont(font);
}

QList<QFont> InstalledDesktopFonts() {
    QList<QFont> fonts;
    for (const QString& family : {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans"),
                                  QStringLiteral("Liberation Sans")}) {
        for (const int points : {9, 10}) {
            const QFont font(family, points);
            if (installed(font))
                fonts.append(font);
        }
    }
    return fonts;
}

QString FontName(const QFont& font) {
    return QStringLiteral("%1 %2pt").arg(font.family()).arg(font.pointSize());
}

} // namespace TestSupport
