#pragma once

#include "core/WindowNotices.h"
#include "core/ui/CBalloonToolTip.h"
#include "core/ui/DatePicker.h"
#include "core/ui/frmScroll.h"

#include <QVariant>

#include <array>

class Currency;
class ExtLV;
class QComboBox;
class QDate;
class QFrame;
class QLabel;
class QLineEdit;
class QMdiSubWindow;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class WindowPlacement;
struct BookingRecord;

// "New Booking": the customer, the stay, the rooms with their tariff and taxes, the advance and
// the payment method of one booking.
class frmBooking final : public ScrollableWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmBooking)

public:
    frmBooking();
    ~frmBooking() override;

    // Opens the default instance as a child window, or brings it forward.
    static void ShowWindow();

    QComboBox* comboTitle = nullptr;
    QLineEdit* txtFName = nullptr;
    QLineEdit* txtLName = nullptr;
    QLineEdit* txtAddress = nullptr;
    QLineEdit* txtPhone = nullptr;
    QComboBox* comboAdults = nullptr;
    QComboBox* comboMinors = nullptr;
    DatePicker* dtArrival = nullptr;
    DatePicker* dtDepature = nullptr;
    QComboBox* comboStatus = nullptr;
    ExtLV* ListView1 = nullptr;
    ExtLV* ListView2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QLineEdit* txtNumberDays = nullptr;
    QLineEdit* txtRoomRate = nullptr;
    QLabel* lbPercent = nullptr;
    QLineEdit* txtTax = nullptr;
    QLineEdit* txtGrandTotal = nullptr;
    QLineEdit* txtAdvance = nullptr;
    QLineEdit* txtDue = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command6 = nullptr;
    std::array<QRadioButton*, 4> paymentMethod{};
    QFrame* picPayDetails = nullptr;
    QLineEdit* txtPaymentDetails = nullptr;
    QPushButton* Command8 = nullptr;
    QPlainTextEdit* txtAdditionalNote = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command5 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;

    // The index of the payment option chosen last (0 until one is chosen).
    int PaymentMethodIndex = 0;

    QVariant getRoomList();
    QVariant getAllTax();
    Currency PercentFunction(const Currency& Percent, const Currency& PercentOf);
    QVariant CalculateNoDay();
    QVariant getDue();
    QString getRndNumber();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void paymentMethod_Click(int index);
    void paymentMethod_MouseDown(int index);
    void txtPaymentDetails_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildCustomerDetails(QWidget* panel);
    void buildRoomOptions(QWidget* panel);
    void buildTariff(QWidget* panel);
    void buildPayments(QWidget* panel);
    void layOut();
    void setTabOrderAsShown();
    void connectEvents();
    void Form_Load();
    void restorePlacement(QMdiSubWindow* window);

    // Moves the chosen room of one list to the other, carrying its tariff into the room rate.
    void moveRoom(ExtLV* from, ExtLV* to, bool adding);
    // Tax and grand total from the room rate in its box.
    void showTaxAndTotal();
    Currency roomTaxPercent() const;
    void showStayFrom(const QDate& arrival);
    int numberOfDays() const;
    void submitTypedDate(DatePicker* box);
    void advanceEntered();

    // The submission's steps.
    bool fieldsValid();
    void writeDefaults();
    bool numbersValid();
    bool roomsBookable();
    BookingRecord readBooking() const;
    void clearForNextBooking();

    QString paymentMethodText() const;
    QString paymentDetailsText() const;
    bool showsAPrompt() const;
    // The chosen method's prompt in the details box: no details entered.
    void showPaymentPrompt();

    FormBalloon balloon_;
    WindowPlacement* placement_;
    // Set when the date check moves a departure before the arrival.
    bool stayRefused_ = false;
};
