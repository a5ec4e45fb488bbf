#include "food_orders/FoodBill.h"

#include "core/Currency.h"
#include "core/ErrorReport.h"

#include <QLocale>

namespace {

const QString kDashLine = QString(81, QLatin1Char('-')) + QLatin1Char(' ');

QString tabs(int count) {
    return QString(count, QLatin1Char('\t'));
}

// An amount that is not money (typed over in the details window) is printed as it stands.
QString money(const QString& text) {
    const std::optional<Currency> amount = Currency::Parse(text);
    return amount ? amount->Format() : text;
}

QString percent(const QString& text) {
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    return ok ? QLocale().toString(value, 'g', 15) : text;
}

} // namespace

QString BillText(const FoodBill& bill) {
    QString text = QStringLiteral("Customer Name ") + tabs(5) + QStringLiteral(": ") + bill.title +
                   QLatin1Char(' ') + bill.firstName + QLatin1Char(' ') + bill.lastName +
                   kLineBreak + kLineBreak;
    text += QStringLiteral("Customer ID ") + tabs(6) + QStringLiteral(": ") + bill.customerId +
            kLineBreak;
    text += QStringLiteral("Food & Beverages Order No. ") + tabs(3) + QStringLiteral(": ") +
            bill.orderId + kLineBreak + kLineBreak;
    text += kDashLine + kLineBreak;
    for (const FoodBill::Item& item : bill.items)
        text += item.name + tabs(8) + item.price + kLineBreak;
    text += kDashLine + kLineBreak;
    text += QStringLiteral("Total ") + tabs(7) + money(bill.total) + kLineBreak;
    text +=
        QStringLiteral("Tax ") + tabs(7) + percent(bill.percent) + QLatin1Char('%') + kLineBreak;
    text += QStringLiteral("Tax Amount") + tabs(6) + money(bill.tax) + kLineBreak;
    text += QStringLiteral("Grand Total ") + tabs(6) + money(bill.amountWithTax);
    return text;
}
