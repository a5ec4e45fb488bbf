#include "core/ui/NumberBoxes.h"

#include "core/Currency.h"
#include "core/ui/CBalloonToolTip.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

#include <utility>

namespace {

QString textOf(const QWidget* box) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(box))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(box))
        return combo->currentText();
    return {};
}

bool holdsItsNumber(const NumberBox& box) {
    const QString text = textOf(box.box);
    if (box.count)
        return CountIn(text, box.lowest, box.highest).has_value();
    return Currency::ParseOneAmount(text).has_value();
}

QString balloonText(const NumberBox& box) {
    if (box.count)
        return QStringLiteral("Please enter %1 as a whole number from %2 to %3!")
            .arg(box.name)
            .arg(box.lowest)
            .arg(box.highest);
    return QStringLiteral("Please enter %1 as an amount!(eg: 100, 250.50 etc.) Do Not Enter any "
                          "Characters.")
        .arg(box.name);
}

// Selects a money box's amount once the click that brought the focus into it is over: the
// press itself puts the cursor where it was made.
class AmountSelector final : public QObject {
public:
    explicit AmountSelector(QLineEdit* box)
        : QObject(box) {
        box->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = static_cast<QLineEdit*>(watched);
        if (event->type() == QEvent::FocusIn) {
            clickedIn_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   std::exchange(clickedIn_, false)) {
            // A drag has chosen its own text.
            if (!box->hasSelectedText() && Currency::ParseOneAmount(box->text()))
                box->selectAll();
        }
        return false;
    }

private:
    bool clickedIn_ = false;
};

// The balloon points at the text a box holds: an editable combo box's own line.
QWidget* textPartOf(QWidget* box) {
    if (auto* combo = qobject_cast<QComboBox*>(box); combo && combo->lineEdit())
        return combo->lineEdit();
    return box;
}

} // namespace

NumberBox MoneyBox(QWidget* box, const QString& name) {
    return {box, name, false, 0, 0};
}

NumberBox CountBox(QWidget* box, const QString& name, int lowest, int highest) {
    return {box, name, true, lowest, highest};
}

std::optional<int> CountIn(const QString& text, int lowest, int highest) {
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    for (QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    const int count = digits.toInt();
    if (count < lowest || count > highest)
        return std::nullopt;
    return count;
}

PriceText CheckPrice(const QString& text) {
    const std::optional<Currency> price = Currency::ParseOneAmount(text);
    if (!price)
        return PriceText::NotMoney;
    return *price < Currency() ? PriceText::Negative : PriceText::Accepted;
}

QString NegativePriceText(const QString& name) {
    return QStringLiteral("Please Enter %1 of 0 or more!").arg(name);
}

bool NumbersAccepted(CBalloonToolTip& tip, std::initializer_list<NumberBox> boxes,
                     FocusOnRefusal focus) {
    for (const NumberBox& box : boxes) {
        if (holdsItsNumber(box))
            continue;
        ShowValidationBalloon(tip, textPartOf(box.box), box.name, balloonText(box), box.box);
        if (focus == FocusOnRefusal::Move)
            box.box->setFocus();
        return false;
    }
    return true;
}

void SelectAmountOnClick(QLineEdit* box) {
    new AmountSelector(box);
}
