// The booking window's payment method: four options and, for all but cash, a small panel for
// the cheque, card or other reference.
#include "reservations/frmBooking.h"

#include "core/ErrorReport.h"

#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const QStringList& prompts() {
    static const QStringList texts{QString(), QStringLiteral("Enter Cheque Details"),
                                   QStringLiteral("Enter Credit Card Details"),
                                   QStringLiteral("Enter Other Payment Method Details")};
    return texts;
}

} // namespace

bool frmBooking::showsAPrompt() const {
    const QString text = txtPaymentDetails->text();
    return !text.isEmpty() && prompts().contains(text);
}

void frmBooking::showPaymentPrompt() {
    txtPaymentDetails->setText(prompts().value(PaymentMethodIndex));
}

void frmBooking::paymentMethod_Click(int index) {
    Guarded(QStringLiteral("BOK014"), [this, index] {
        if (index != 0) {
            // Typed details stay; an empty box or another method's prompt shows this one's.
            if (txtPaymentDetails->text().isEmpty() || showsAPrompt())
                txtPaymentDetails->setText(prompts().at(index));
            picPayDetails->show();
        } else {
            picPayDetails->hide();
        }
        PaymentMethodIndex = index;
    });
}

void frmBooking::paymentMethod_MouseDown(int) {
    Guarded(QStringLiteral("BOK015"),
            [this] { picPayDetails->setVisible(!picPayDetails->isVisible()); });
}

void frmBooking::txtPaymentDetails_Click() {
    Guarded(QStringLiteral("BOK016"), [this] {
        if (showsAPrompt())
            txtPaymentDetails->clear();
    });
}

// "OK": closes the details panel; without details the payment goes back to cash.
void frmBooking::Command8_Click() {
    Guarded(QStringLiteral("BOK007"), [this] {
        if (txtPaymentDetails->text().isEmpty() || showsAPrompt()) {
            if (paymentMethod[0]->isChecked())
                paymentMethod_Click(0);
            else
                paymentMethod[0]->setChecked(true);
            return;
        }
        picPayDetails->hide();
    });
}

QString frmBooking::paymentMethodText() const {
    if (paymentMethod[0]->isChecked() || PaymentMethodIndex == 0)
        return QStringLiteral("Cash");
    const QStringList methods{QStringLiteral("Cash"), QStringLiteral("Cheque"),
                              QStringLiteral("Credit Card"), QStringLiteral("Other")};
    return methods.value(PaymentMethodIndex, QStringLiteral("Cash"));
}

QString frmBooking::paymentDetailsText() const {
    if (paymentMethod[0]->isChecked() || PaymentMethodIndex == 0)
        return QStringLiteral("Cash");
    if (txtPaymentDetails->text().isEmpty() || showsAPrompt())
        return QStringLiteral("N/A");
    return QString(txtPaymentDetails->text()).replace(QLatin1Char('\''), QStringLiteral("!*!"));
}
