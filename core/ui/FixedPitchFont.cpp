#include "core/ui/FixedPitchFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace {

QFont findFixedPitchFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontInfo(font).fixedPitch())
        return font;
    const QStringList families = QFontDatabase::families();
    for (const QString& family : families) {
        if (!QFontDatabase::isFixedPitch(family) || QFontDatabase::isPrivateFamily(family))
            continue;
        font.setFamily(family);
        if (QFontInfo(font).fixedPitch())
            return font;
    }
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

} // namespace

QFont FixedPitchFont() {
    static const QFont font = findFixedPitchFont();
    return font;
}
