#pragma once

#include "core/ui/CBalloonToolTip.h"
#include "core/ui/frmScroll.h"

class ExtLV;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QMdiSubWindow;
class QPlainTextEdit;
class QPushButton;
class Recordset;
class WindowPlacement;
struct BookingRecord;

// "Customer Details": one booking in editable fields, bound to it for the window's life; its
// changes are saved back, or the booking is removed to the customer history.
class frmCustomerDetails final : public ScrollableWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmCustomerDetails)

public:
    // The booking's ID as the customer list's hidden column holds it.
    explicit frmCustomerDetails(const QString& bookingId);
    ~frmCustomerDetails() override;

    // A new window for the booking, as a child window. A booking removed since the customer
    // list was filled opens no window: the user is told, and the list is filled again.
    static frmCustomerDetails* ShowWindow(const QString& bookingId);

    QGroupBox* Frame1 = nullptr;
    QComboBox* txtTitle = nullptr;
    QLineEdit* txtFName = nullptr;
    QLineEdit* txtLName = nullptr;
    QLineEdit* txtAddress = nullptr;
    QLineEdit* txtPhoneNumber = nullptr;
    QLineEdit* txtAdults = nullptr;
    QLineEdit* txtMinors = nullptr;
    QDateEdit* DtCheckinDate = nullptr;
    QDateEdit* DtCheckoutDate = nullptr;
    QLineEdit* txtNumberOfDays = nullptr;
    QComboBox* comboStatus = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLineEdit* txtRoomRate = nullptr;
    QLineEdit* txtTax = nullptr;
    QLineEdit* txtGrandTotal = nullptr;
    QLineEdit* txtAdvancePaid = nullptr;
    QLineEdit* txtDue = nullptr;
    QLineEdit* txtPaymentMethod = nullptr;
    QLineEdit* txtPaymentDetails = nullptr;
    QPlainTextEdit* txtNote = nullptr;
    QLineEdit* customerID = nullptr;
    QLineEdit* txtRooms = nullptr;
    QLineEdit* txtRoomPrice = nullptr;
    QGroupBox* Frame3 = nullptr;
    ExtLV* ListView1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command4 = nullptr;

    // The customer number of the booking shown, without the order sign.
    QString MyOrderUniqueID;

    // Loads the window's booking into the fields.
    void GetCustomerDetails();
    // Lists the booked rooms, each with its price.
    void getRoomList();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildCustomerFields();
    QWidget* buildPaymentFields();
    QWidget* buildRooms();
    QWidget* buildNote();
    void layOut();
    void connectEvents();
    void Form_Load(const QString& bookingId);
    void restorePlacement(QWidget* window);

    void showBooking(const Recordset& booking);
    void showCustomerNumber();
    void selectStoredStatus(const QString& status);
    bool fieldsHoldNumbers();
    BookingRecord editedValues() const;
    // Writes the fields back; true when they were stored.
    bool UpdateCustomerDetails();
    void removeBooking();
    QString bookingAsText() const;
    qint64 bookingId() const;
    void unload();

    FormBalloon balloon_;
    WindowPlacement* placement_;
    // The database holds no booking of the window's ID.
    bool bookingGone_ = false;
};
