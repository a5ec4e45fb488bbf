#include "core/ui/NumberBoxes.h"

#include "core/Currency.h"
#include "core/ui/CBalloonToolTip.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

QString textOf(const QWidget* box) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(box))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(box))
        return combo->currentText();
    return {};
}

QString rejectionText(const NumberBox& box) {
    if (box.money)
        return QStringLiteral("Please enter an Amount!(eg: 150, 1250.50 etc.) Do Not Enter any "
                              "Characters.");
    if (box.highest < kIntColumnMax)
        return QStringLiteral("Please enter a whole Number from %1 to %2!")
            .arg(box.lowest)
            .arg(box.highest);
    return QStringLiteral("Please enter a whole Number!(eg: 0, 1, 2 etc.)");
}

} // namespace

NumberBox MoneyBox(QWidget* box, const QString& title) {
    return {box, title, true, 0, 0};
}

NumberBox CountBox(QWidget* box, const QString& title, qint64 highest) {
    return {box, title, false, 0, highest};
}

bool HoldsNumber(const NumberBox& box) {
    const QString text = textOf(box.box).trimmed();
    if (box.money)
        return Currency::Parse(text).has_value();
    bool whole = false;
    const qint64 count = text.toLongLong(&whole);
    return whole && count >= box.lowest && count <= box.highest;
}

bool NumberBoxesAccepted(FormBalloon& balloon, const QList<NumberBox>& boxes) {
    for (const NumberBox& box : boxes) {
        if (HoldsNumber(box))
            continue;
        ShowValidationBalloon(balloon.Tip(), box.box, box.title, rejectionText(box));
        box.box->setFocus();
        return false;
    }
    return true;
}
