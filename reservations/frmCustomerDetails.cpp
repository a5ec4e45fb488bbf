#include "reservations/frmCustomerDetails.h"

#include "core/Currency.h"
#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/Recordset.h"
#include "core/RuntimeErrors.h"
#include "core/WindowNotices.h"
#include "core/theDBworks.h"
#include "core/ui/DatePicker.h"
#include "core/ui/DateText.h"
#include "core/ui/Dialogs.h"
#include "core/ui/ExtLV.h"
#include "core/ui/FormControls.h"
#include "core/ui/NoteBox.h"
#include "core/ui/NumberBoxes.h"
#include "core/ui/WindowPlacement.h"
#include "core/ui/Workspace.h"
#include "reservations/BookingRecord.h"
#include "reservations/CustomerStore.h"
#include "reservations/RoomPrices.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int kLoadWidthTwips = 9030;
constexpr int kLoadHeightTwips = 7965;
constexpr int kMostPeople = 50;
// What the days column holds, as far as a count box reads.
constexpr int kMostDays = 999999999;
// The hidden boxes feed no column: they hold whatever the row holds.
constexpr int kHiddenBoxLength = 32767;
// What each row of the booked rooms keeps: the room's identifier.
const QString kBookedRoom = QStringLiteral("RoomNameID");

// The captions of the fields, shown beside them and in the text view.
namespace Caption {
const QString name = QStringLiteral("Customer Name :");
const QString address = QStringLiteral("Address :");
const QString contact = QStringLiteral("Contact Information :");
const QString adults = QStringLiteral("Adults :");
const QString minors = QStringLiteral("Minors :");
const QString checkIn = QStringLiteral("Check In Date :");
const QString checkOut = QStringLiteral("Check Out Date :");
const QString days = QStringLiteral("Number of Days :");
const QString status = QStringLiteral("Booking Status :");
const QString rate = QStringLiteral("Room Rate(s) :");
const QString tax = QStringLiteral("Tax(s) :");
const QString total = QStringLiteral("Grand Total :");
const QString advance = QStringLiteral("Advance Paid :");
const QString due = QStringLiteral("Due :");
const QString method = QStringLiteral("Payment Method :");
const QString details = QStringLiteral("Payment Details :");
const QString note = QStringLiteral("Additional Note :");
const QString rooms = QStringLiteral("Booked Room(s)");
const QString prices = QStringLiteral("Room Prices(s)");
} // namespace Caption

// A balloon's title is the box's caption without its colon.
QString titleOf(const QString& caption) {
    return caption.chopped(2);
}

const QString kGone = QStringLiteral("This booking no longer exists: it has been removed from the "
                                     "Customer List in the meantime.");

const QStringList& storedStatusItems() {
    static const QStringList items{QStringLiteral("Checked In"), QStringLiteral("Confirmed"),
                                   QStringLiteral("Checked Out"), QStringLiteral("Not Confirmed"),
                                   QStringLiteral("N/A")};
    return items;
}

// The prices of `roomCount` rooms, one per room in the rooms' order; a booking that holds fewer
// prices than rooms leaves the last rooms without one. Prices written in another locale's form
// pair by position while there are no more pieces than rooms; when there are more, some price
// holds a "," and none can be told apart, so they stay empty rather than show a wrong one.
QStringList pricesOfRooms(const QString& storedPrices, int roomCount) {
    QStringList prices;
    for (int held = roomCount; held > 0 && prices.isEmpty(); --held)
        prices = RoomPrices::Split(storedPrices, held);
    if (prices.isEmpty()) {
        prices = storedPrices.split(QLatin1Char(','));
        if (prices.size() > roomCount)
            prices.clear();
    }
    while (prices.size() < roomCount)
        prices.append(QString());
    return prices;
}

// A read-only window that shows a text.
void showTextWindow(const QString& title, const QString& text) {
    auto* view = Named(new QPlainTextEdit(), QStringLiteral("frmTextView"));
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->setWindowTitle(title);
    view->setReadOnly(true);
    view->setPlainText(text);
    Workspace::ShowChild(view, TwipsSize(7200, 6600));
}

} // namespace

frmCustomerDetails::frmCustomerDetails(const QString& bookingId)
    : placement_(new WindowPlacement(Settings::CustomerDetailsPlacement, this)) {
    setObjectName(QStringLiteral("frmCustomerDetails"));
    setWindowTitle(QStringLiteral("Customer Details"));
    setAttribute(Qt::WA_DeleteOnClose);
    layOut();
    connectEvents();
    Form_Load(bookingId);
}

frmCustomerDetails::~frmCustomerDetails() = default;

frmCustomerDetails* frmCustomerDetails::ShowWindow(const QString& bookingId) {
    auto* form = new frmCustomerDetails(bookingId);
    if (form->bookingGone_) {
        delete form;
        Dialogs::Message(kGone, Dialogs::Icon::Information, QStringLiteral("Customer Details"));
        emit WindowNotices::Instance().CustomerDetailsUpdated();
        return nullptr;
    }
    QMdiSubWindow* window = Workspace::ShowChild(form);
    form->restorePlacement(window ? static_cast<QWidget*>(window) : form);
    return form;
}

QWidget* frmCustomerDetails::buildCustomerFields() {
    Frame1 = NewFrame(PicInner, QStringLiteral("Customer Details"), QStringLiteral("Frame1"));
    txtTitle = NewCombo(Frame1, QStringLiteral("txtTitle"),
                        {QStringLiteral("Mr."), QStringLiteral("Mrs."), QStringLiteral("Miss."),
                         QStringLiteral("Dr."), QStringLiteral("Prof.")},
                        true);
    txtFName = NewTextBox(Frame1, QStringLiteral("txtFName"));
    txtLName = NewTextBox(Frame1, QStringLiteral("txtLName"));
    txtAddress = NewTextBox(Frame1, QStringLiteral("txtAddress"));
    txtPhoneNumber = NewTextBox(Frame1, QStringLiteral("txtPhoneNumber"));
    txtAdults = NewTextBox(Frame1, QStringLiteral("txtAdults"));
    txtMinors = NewTextBox(Frame1, QStringLiteral("txtMinors"));
    DtCheckinDate = NewDatePicker(Frame1, QStringLiteral("DtCheckinDate"));
    DtCheckoutDate = NewDatePicker(Frame1, QStringLiteral("DtCheckoutDate"));
    txtNumberOfDays = NewTextBox(Frame1, QStringLiteral("txtNumberOfDays"));
    comboStatus = NewCombo(Frame1, QStringLiteral("comboStatus"), {}, false);
    customerID = NewTextBox(Frame1, QStringLiteral("customerID"), {}, kHiddenBoxLength);
    txtRooms = NewTextBox(Frame1, QStringLiteral("txtRooms"), {}, kHiddenBoxLength);
    txtRoomPrice = NewTextBox(Frame1, QStringLiteral("txtRoomPrice"), {}, kHiddenBoxLength);
    for (QWidget* hidden : {customerID, txtRooms, txtRoomPrice})
        hidden->hide();

    // Two fields to a row, so that the window shows the booking without scrolling sideways.
    auto* grid = new QGridLayout(Frame1);
    AddCaptionRow(grid, 0, Caption::name, txtTitle);
    auto* names = new QHBoxLayout();
    names->addWidget(txtFName);
    names->addWidget(txtLName);
    grid->addLayout(names, 0, 2, 1, 2);
    AddCaptionRow(grid, 1, Caption::address, txtAddress, 0, 3);
    AddCaptionRow(grid, 2, Caption::contact, txtPhoneNumber, 0, 3);
    AddCaptionRow(grid, 3, Caption::adults, txtAdults);
    AddCaptionRow(grid, 3, Caption::minors, txtMinors, 2);
    AddCaptionRow(grid, 4, Caption::checkIn, DtCheckinDate);
    AddCaptionRow(grid, 4, Caption::checkOut, DtCheckoutDate, 2);
    AddCaptionRow(grid, 5, Caption::days, txtNumberOfDays);
    AddCaptionRow(grid, 5, Caption::status, comboStatus, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setVerticalSpacing(3);
    return Frame1;
}

QWidget* frmCustomerDetails::buildPaymentFields() {
    Frame2 = NewFrame(PicInner, QStringLiteral("Payment Details"), QStringLiteral("Frame2"));
    txtRoomRate = NewTextBox(Frame2, QStringLiteral("txtRoomRate"));
    txtTax = NewTextBox(Frame2, QStringLiteral("txtTax"));
    txtGrandTotal = NewTextBox(Frame2, QStringLiteral("txtGrandTotal"));
    txtAdvancePaid = NewTextBox(Frame2, QStringLiteral("txtAdvancePaid"));
    txtDue = NewTextBox(Frame2, QStringLiteral("txtDue"));
    txtPaymentMethod = NewTextBox(Frame2, QStringLiteral("txtPaymentMethod"));
    txtPaymentDetails = NewTextBox(Frame2, QStringLiteral("txtPaymentDetails"));
    auto* grid = new QGridLayout(Frame2);
    AddCaptionRow(grid, 0, Caption::rate, txtRoomRate);
    AddCaptionRow(grid, 0, Caption::tax, txtTax, 2);
    AddCaptionRow(grid, 1, Caption::total, txtGrandTotal);
    AddCaptionRow(grid, 1, Caption::advance, txtAdvancePaid, 2);
    AddCaptionRow(grid, 2, Caption::due, txtDue);
    AddCaptionRow(grid, 2, Caption::method, txtPaymentMethod, 2);
    AddCaptionRow(grid, 3, Caption::details, txtPaymentDetails, 0, 3);
    grid->setVerticalSpacing(3);
    return Frame2;
}

QWidget* frmCustomerDetails::buildRooms() {
    Frame3 = NewFrame(PicInner, QStringLiteral("Customer Rooms"), QStringLiteral("Frame3"));
    ListView1 = Named(new ExtLV(Frame3), QStringLiteral("ListView1"));
    GrowsWithWindow(ListView1, QSize(0, 80));
    (new QVBoxLayout(Frame3))->addWidget(ListView1);
    return Frame3;
}

QWidget* frmCustomerDetails::buildNote() {
    auto* panel = new QWidget(PicInner);
    txtNote = NewNoteBox(panel, QStringLiteral("txtNote"));
    txtNote->setTabChangesFocus(true);
    auto* note = new QVBoxLayout(panel);
    note->setContentsMargins(0, 6, 0, 0);
    auto* caption = new QLabel(Caption::note, panel);
    caption->setBuddy(txtNote);
    note->addWidget(caption);
    note->addWidget(txtNote);
    return panel;
}

void frmCustomerDetails::layOut() {
    Command1 = NewButton(PicInner, QStringLiteral("Command1"), QStringLiteral("&Update Details"));
    Command3 = NewButton(PicInner, QStringLiteral("Command3"), QStringLiteral("&Remove Customer"));
    Command2 = NewButton(PicInner, QStringLiteral("Command2"), QStringLiteral("&Close"));
    Command4 = NewButton(PicInner, QStringLiteral("Command4"), QStringLiteral("Text View"));
    auto* grid = new QGridLayout(PicInner);
    grid->addWidget(buildCustomerFields(), 0, 0, 1, 2);
    grid->addWidget(buildPaymentFields(), 1, 0, 1, 2);
    grid->addWidget(buildRooms(), 2, 0);
    grid->addWidget(buildNote(), 2, 1);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(Command4);
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);
    buttons->addWidget(Command2);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setVerticalSpacing(4);
    // The rooms and the note take the room a larger window has.
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    SetContentSize(grid->minimumSize());
}

void frmCustomerDetails::connectEvents() {
    connect(Command1, &QPushButton::clicked, this, &frmCustomerDetails::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmCustomerDetails::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmCustomerDetails::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmCustomerDetails::Command4_Click);
    connect(&WindowNotices::Instance(), &WindowNotices::HotelInfoChanged, this,
            &frmCustomerDetails::showCustomerNumber);
    // Typing in a box, or clicking anywhere in the window, takes a balloon away.
    for (QLineEdit* box : {txtAdults, txtMinors, txtNumberOfDays, txtRoomRate, txtTax,
                           txtGrandTotal, txtAdvancePaid, txtDue})
        connect(box, &QLineEdit::textEdited, this, [this] { balloon_.Remove(); });
    for (QLineEdit* amount : {txtRoomRate, txtTax, txtGrandTotal, txtAdvancePaid, txtDue})
        SelectAmountOnClick(amount);
    for (QWidget* control : PicInner->findChildren<QWidget*>())
        control->installEventFilter(this);
}

bool frmCustomerDetails::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress)
        balloon_.Remove();
    return ScrollableWindow::eventFilter(watched, event);
}

void frmCustomerDetails::Form_Load(const QString& bookingId) {
    Guarded(QStringLiteral("CDET005"), [&] {
        ListView1->ColumnHeaders().Add(Caption::rooms, QStringLiteral("Abbrdrevoooloiupoupoupo"));
        ListView1->ColumnHeaders().Add(Caption::prices, QStringLiteral("Abbrdrevoooloiu"));
        // Both columns in sight.
        ListView1->setMinimumWidth(ListView1->header()->length() + 2 * ListView1->frameWidth());
        SetContentSize(PicInner->layout()->minimumSize());
        comboStatus->addItems({QStringLiteral("Unknown"), QStringLiteral("Checked In"),
                               QStringLiteral("Confirmed"), QStringLiteral("Checked Out"),
                               QStringLiteral("Not Confirmed"), QStringLiteral("N/A")});
        // None is chosen until the booking's own status is shown.
        comboStatus->setCurrentIndex(-1);
        customerID->setText(bookingId);
        GetCustomerDetails();
        getRoomList();
    });
}

void frmCustomerDetails::restorePlacement(QWidget* window) {
    placement_->Restore(window, TwipsSize(kLoadWidthTwips, kLoadHeightTwips));
}

qint64 frmCustomerDetails::bookingId() const {
    bool numeric = false;
    const qint64 id = customerID->text().toLongLong(&numeric);
    if (!numeric)
        throw RuntimeError::TypeMismatch();
    return id;
}

void frmCustomerDetails::GetCustomerDetails() {
    Guarded(QStringLiteral("CDET001"), [this] {
        CustomerStore::OpenBooking(bookingId());
        Recordset booking = theDBworks::DBRecordset();
        bookingGone_ = booking.RecordCount() == 0;
        if (bookingGone_)
            return;
        booking.MoveFirst();
        showBooking(booking);
    });
}

void frmCustomerDetails::showBooking(const Recordset& booking) {
    const auto text = [&booking](const char* field) {
        return booking.Text(QString::fromLatin1(field));
    };
    const auto money = [&booking](const char* field) {
        return booking.Money(QString::fromLatin1(field)).Format();
    };
    MyOrderUniqueID = text("cUniqueNo");
    showCustomerNumber();
    txtTitle->setCurrentText(text("cTitle"));
    txtFName->setText(text("cFirstName"));
    txtLName->setText(text("cLastName"));
    txtAddress->setText(text("cAddress"));
    txtPhoneNumber->setText(text("cPhone"));
    txtAdults->setText(text("cNoOfAdults"));
    txtMinors->setText(text("cNoOfMinors"));
    DtCheckinDate->setDate(booking.Date(QStringLiteral("cCheckInDate")));
    DtCheckoutDate->setDate(booking.Date(QStringLiteral("cCheckOutDate")));
    txtNumberOfDays->setText(text("cNoOfDays"));
    txtRoomRate->setText(money("cRoomsRate"));
    txtTax->setText(money("cTax"));
    txtGrandTotal->setText(money("cGrandTotal"));
    txtAdvancePaid->setText(money("cAdvancePaid"));
    txtDue->setText(money("cDue"));
    txtPaymentMethod->setText(text("cPaymentMethod"));
    txtPaymentDetails->setText(text("cPaymentMethodDetails"));
    customerID->setText(text("ID"));
    txtNote->setPlainText(text("cAdditionalNote"));
    selectStoredStatus(text("cStatus"));
    txtRooms->setText(text("cRoomNameID"));
    txtRoomPrice->setText(text("cRoomNamePrice"));
    setWindowTitle(QStringLiteral("Details of ") + txtTitle->currentText() + QLatin1Char(' ') +
                   txtFName->text() + QLatin1Char(' ') + txtLName->text());
}

// The frame's caption: the customer number behind the order sign of the moment.
void frmCustomerDetails::showCustomerNumber() {
    Frame1->setTitle(QStringLiteral("Customer ID : ") + GlobalLogin::OrderSign + MyOrderUniqueID);
}

// A status the list does not offer ("Unknown", none) leaves the choice as it is.
void frmCustomerDetails::selectStoredStatus(const QString& status) {
    if (storedStatusItems().contains(status))
        comboStatus->setCurrentIndex(comboStatus->findText(status));
}

void frmCustomerDetails::getRoomList() {
    Guarded(QStringLiteral("CDET003"), [this] {
        if (txtRooms->text().isEmpty())
            return;
        const QStringList rooms = txtRooms->text().split(QLatin1Char(','));
        const QStringList prices = pricesOfRooms(txtRoomPrice->text(), int(rooms.size()));
        for (qsizetype i = 0; i < rooms.size(); ++i) {
            ListItem row = ListView1->ListItems().Add(rooms.at(i).trimmed());
            row.SubItems(1, prices.at(i).trimmed());
            row.SetValue(kBookedRoom, rooms.at(i).trimmed());
        }
    });
}

bool frmCustomerDetails::fieldsHoldNumbers() {
    return NumbersAccepted(balloon_.Tip(),
                           {CountBox(txtAdults, titleOf(Caption::adults), 0, kMostPeople),
                            CountBox(txtMinors, titleOf(Caption::minors), 0, kMostPeople),
                            CountBox(txtNumberOfDays, titleOf(Caption::days), 0, kMostDays),
                            MoneyBox(txtRoomRate, titleOf(Caption::rate)),
                            MoneyBox(txtTax, titleOf(Caption::tax)),
                            MoneyBox(txtGrandTotal, titleOf(Caption::total)),
                            MoneyBox(txtAdvancePaid, titleOf(Caption::advance)),
                            MoneyBox(txtDue, titleOf(Caption::due))});
}

// The fields as the user left them: every text as typed, the amounts as currency.
BookingRecord frmCustomerDetails::editedValues() const {
    BookingRecord values;
    values.title = txtTitle->currentText();
    values.firstName = txtFName->text();
    values.lastName = txtLName->text();
    values.address = txtAddress->text();
    values.phone = txtPhoneNumber->text();
    values.adults = txtAdults->text().trimmed().toInt();
    values.minors = txtMinors->text().trimmed().toInt();
    values.arrival = DtCheckinDate->date();
    values.departure = DtCheckoutDate->date();
    values.days = txtNumberOfDays->text().trimmed().toInt();
    values.roomRate = Currency::FromText(txtRoomRate->text().trimmed());
    values.tax = Currency::FromText(txtTax->text().trimmed());
    values.grandTotal = Currency::FromText(txtGrandTotal->text().trimmed());
    values.advance = Currency::FromText(txtAdvancePaid->text().trimmed());
    values.due = Currency::FromText(txtDue->text().trimmed());
    values.paymentMethod = txtPaymentMethod->text();
    values.paymentDetails = txtPaymentDetails->text();
    values.note = txtNote->toPlainText();
    values.status = comboStatus->currentText();
    return values;
}

// "&Update Details": saves the fields to the booking, then the customer list runs its query
// again.
void frmCustomerDetails::Command1_Click() {
    IgnoreErrors([this] {
        if (!fieldsHoldNumbers())
            return;
        if (!Dialogs::AskYesNo(QStringLiteral("Do you want to update this record?"),
                               QStringLiteral("Update Records")))
            return;
        // After a refusal the fields keep what the user typed.
        if (UpdateCustomerDetails())
            GetCustomerDetails();
        emit WindowNotices::Instance().CustomerDetailsUpdated();
    });
}

bool frmCustomerDetails::UpdateCustomerDetails() {
    return Guarded(QStringLiteral("CDET004"), [this] {
        switch (CustomerStore::UpdateBooking(bookingId(), editedValues())) {
        case CustomerStore::Outcome::Done:
            return true;
        case CustomerStore::Outcome::Gone:
            Dialogs::Message(kGone, Dialogs::Icon::Information, QStringLiteral("Update Records"));
            break;
        case CustomerStore::Outcome::Failed:
            break;
        }
        return false;
    });
}

// "&Close".
void frmCustomerDetails::Command2_Click() {
    unload();
}

// "&Remove Customer": moves the booking to the customer history and frees its rooms.
void frmCustomerDetails::Command3_Click() {
    const bool yes = Dialogs::AskYesNo(
        QStringLiteral("You are going to Remove the Selected Customer. ") + kLineBreak +
            QStringLiteral("Associated Booking Scheduled will also be Removed!") + kLineBreak +
            QStringLiteral("This action cannot be undone!"),
        QStringLiteral("Remove Customer"));
    if (!yes) {
        unload();
        return;
    }
    Guarded(QStringLiteral("CDET002"), [this] { removeBooking(); });
}

// A removal that failed has been reported and removed nothing: the window stays for another try.
void frmCustomerDetails::removeBooking() {
    QStringList rooms;
    for (int i = 1; i <= ListView1->ListItems().Count(); ++i)
        rooms << ListView1->ListItems().Item(i).Value(kBookedRoom).toString();
    switch (CustomerStore::RemoveBooking(bookingId(), MyOrderUniqueID, rooms)) {
    case CustomerStore::Outcome::Done:
        Dialogs::Message(
            QStringLiteral("Customer has succesfully Removed & Moved to Customer History List."));
        unload();
        return;
    case CustomerStore::Outcome::Gone:
        Dialogs::Message(kGone, Dialogs::Icon::Information, QStringLiteral("Remove Customer"));
        unload();
        return;
    case CustomerStore::Outcome::Failed:
        return;
    }
}

// "Text View": the booking as the window shows it, as plain text in a window of its own.
void frmCustomerDetails::Command4_Click() {
    Guarded(QStringLiteral("CDET006"), [this] {
        showTextWindow(windowTitle() + QStringLiteral(" - Text View"), bookingAsText());
    });
}

QString frmCustomerDetails::bookingAsText() const {
    const QString blank = QStringLiteral(" ");
    QStringList lines{
        Frame1->title(),
        Caption::name + blank + txtTitle->currentText() + blank + txtFName->text() + blank +
            txtLName->text(),
        Caption::address + blank + txtAddress->text(),
        Caption::contact + blank + txtPhoneNumber->text(),
        Caption::adults + blank + txtAdults->text(),
        Caption::minors + blank + txtMinors->text(),
        Caption::checkIn + blank + ProgramDateText(DtCheckinDate->date()),
        Caption::checkOut + blank + ProgramDateText(DtCheckoutDate->date()),
        Caption::days + blank + txtNumberOfDays->text(),
        Caption::status + blank + comboStatus->currentText(),
        QString(),
        Caption::rooms + QStringLiteral(" / ") + Caption::prices + QStringLiteral(" :"),
    };
    for (int i = 1; i <= ListView1->ListItems().Count(); ++i) {
        const ListItem room = ListView1->ListItems().Item(i);
        lines << QStringLiteral("    ") + room.Text() + QStringLiteral("    ") + room.SubItems(1);
    }
    lines << QString() << Caption::rate + blank + txtRoomRate->text()
          << Caption::tax + blank + txtTax->text() << Caption::total + blank + txtGrandTotal->text()
          << Caption::advance + blank + txtAdvancePaid->text()
          << Caption::due + blank + txtDue->text()
          << Caption::method + blank + txtPaymentMethod->text()
          << Caption::details + blank + txtPaymentDetails->text()
          << Caption::note + blank + txtNote->toPlainText();
    return lines.join(QLatin1Char('\n'));
}

void frmCustomerDetails::unload() {
    if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget()))
        window->close();
    else
        close();
}
