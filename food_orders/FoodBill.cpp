#include "food_orders/FoodBill.h"

#include "core/Currency.h"
#include "core/ErrorReport.h"
#include "core/ui/FormControls.h"

#include <QLocale>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const QString kDashLine = QString(81, QLatin1Char('-')) + QLatin1Char(' ');
const QChar kTab = QLatin1Char('\t');

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

BillLine details(const QString& label, const QString& value) {
    return {label + kTab + QStringLiteral(": ") + value, BillLine::Column::Details};
}

BillLine amount(const QString& label, const QString& value) {
    return {label + kTab + value, BillLine::Column::Amount};
}

BillLine plain(const QString& text) {
    return {text, BillLine::Column::None};
}

QList<QTextOption::Tab> tabStops(BillLine::Column column) {
    switch (column) {
    case BillLine::Column::Details:
        return {QTextOption::Tab(TwipsToPixels(kBillDetailsTwips), QTextOption::LeftTab)};
    case BillLine::Column::Amount:
        return {QTextOption::Tab(TwipsToPixels(kBillAmountsTwips), QTextOption::RightTab)};
    case BillLine::Column::None:
        break;
    }
    return {};
}

} // namespace

QList<BillLine> BillLines(const FoodBill& bill) {
    QList<BillLine> lines{
        details(QStringLiteral("Customer Name "),
                bill.title + QLatin1Char(' ') + bill.firstName + QLatin1Char(' ') + bill.lastName),
        plain(QString()),
        details(QStringLiteral("Customer ID "), bill.customerId),
        details(QStringLiteral("Food & Beverages Order No. "), bill.orderId),
        plain(QString()),
        plain(kDashLine),
    };
    for (const FoodBill::Item& item : bill.items)
        lines << amount(item.name, item.price);
    lines << plain(kDashLine) << amount(QStringLiteral("Total "), money(bill.total))
          << amount(QStringLiteral("Tax "), percent(bill.percent) + QLatin1Char('%'))
          << amount(QStringLiteral("Tax Amount"), money(bill.tax))
          << amount(QStringLiteral("Grand Total "), money(bill.amountWithTax));
    return lines;
}

QString BillText(const FoodBill& bill) {
    QStringList texts;
    for (const BillLine& line : BillLines(bill))
        texts << line.text;
    return texts.join(kLineBreak);
}

void WriteBill(QTextDocument& document, const FoodBill& bill) {
    // The bill is where editing starts: undo goes no further back than it.
    const bool undoing = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    const QList<BillLine> lines = BillLines(bill);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        QTextBlockFormat format = cursor.blockFormat();
        format.setTabPositions(tabStops(lines.at(i).column));
        cursor.setBlockFormat(format);
        cursor.insertText(lines.at(i).text);
    }
    document.setUndoRedoEnabled(undoing);
}
