// The placement members of CIniFile: they work on widgets, so they are built with the form kit.
#include "core/CIniFile.h"

#include <QScreen>
#include <QWidget>

namespace {

constexpr double kTwipsPerPixel = 15.0;

int toPixels(int twips) {
    return int(twips / kTwipsPerPixel);
}

} // namespace

void CIniFile::SaveFormPos(const QWidget* form) {
    if (!form)
        return;
    const QRect place = form->isWindow() ? form->normalGeometry() : form->geometry();
    if (!place.isValid())
        return;
    writeKeys({{QStringLiteral("Left"), QString::number(place.x())},
               {QStringLiteral("Top"), QString::number(place.y())},
               {QStringLiteral("Width"), QString::number(place.width())},
               {QStringLiteral("Height"), QString::number(place.height())}});
}

void CIniFile::LoadFormPos(QWidget* form, int minWidthTwips, int minHeightTwips) const {
    if (!form)
        return;
    bool ok[4] = {};
    const QRect place(readKey(QStringLiteral("Left")).toInt(&ok[0]),
                      readKey(QStringLiteral("Top")).toInt(&ok[1]),
                      readKey(QStringLiteral("Width")).toInt(&ok[2]),
                      readKey(QStringLiteral("Height")).toInt(&ok[3]));
    if (!(ok[0] && ok[1] && ok[2] && ok[3]))
        return;
    if (place.width() < toPixels(minWidthTwips) || place.height() < toPixels(minHeightTwips))
        return;
    if (form->isWindow()) {
        // A window saved on a screen that is gone comes back where it can be seen.
        const QScreen* screen = form->screen();
        if (screen && !screen->availableVirtualGeometry().intersects(place)) {
            form->resize(place.size());
            return;
        }
    }
    form->setGeometry(place);
}
