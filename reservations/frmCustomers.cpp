#include "reservations/frmCustomers.h"

#include "core/DefaultInstance.h"
#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/Recordset.h"
#include "core/RuntimeErrors.h"
#include "core/WindowNotices.h"
#include "core/ui/AGPopUp.h"
#include "core/ui/Dialogs.h"
#include "core/ui/ExtLV.h"
#include "core/ui/FormControls.h"
#include "core/ui/Icons.h"
#include "core/ui/ListExport.h"
#include "core/ui/ListFill.h"
#include "core/ui/WindowPlacement.h"
#include "core/ui/Workspace.h"
#include "food_orders/FoodOrderStore.h"
#include "food_orders/frmFoodDetails.h"
#include "food_orders/frmFoodingBook.h"
#include "reservations/CustomerStore.h"
#include "reservations/frmCustomerDetails.h"

#include <QComboBox>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kLoadWidthTwips = 9345;
constexpr int kLoadHeightTwips = 7320;
constexpr int kEnter = 13;
constexpr int kRightButton = 2;
constexpr int kManPicture = 1;
constexpr int kWomanPicture = 2;
// What each row keeps of its booking, read back by these names: the booking's key, the
// customer's number and the customer as the row names them.
const QString kBookingId = QStringLiteral("ID");
const QString kCustomerNumber = QStringLiteral("cUniqueNo");
const QString kCustomerName = QStringLiteral("CustomerName");

const QString kAllStatus = QStringLiteral("View All Status");

QList<QIcon> customerPictures() {
    return {Icons::Get(Icons::Name::CustomerMan), Icons::Get(Icons::Name::CustomerWoman)};
}

const ListColumns& customerColumns() {
    const QString wide = QStringLiteral("Ready-to-Run Visual ");
    static const ListColumns columns{
        TextColumn(QStringLiteral("Title"), QStringLiteral("Abbrdreviouii"),
                   QStringLiteral("cTitle")),
        StoredTextColumn(QStringLiteral("First Name"), QStringLiteral("Abbrdrev36535653"),
                         QStringLiteral("cFirstName")),
        StoredTextColumn(QStringLiteral("Last Name"), QStringLiteral("Visual Basic Algor"),
                         QStringLiteral("cLastName")),
        StoredTextColumn(QStringLiteral("Address"), QStringLiteral("Ready-to-Run owjjiuuuiijj"),
                         QStringLiteral("cAddress")),
        StoredTextColumn(QStringLiteral("Contacts"), wide, QStringLiteral("cPhone")),
        TextColumn(QStringLiteral("Adults"), QStringLiteral("Ready-to0000"),
                   QStringLiteral("cNoOfAdults")),
        TextColumn(QStringLiteral("Minors"), QStringLiteral("Ready-to0000"),
                   QStringLiteral("cNoOfMinors")),
        DateColumn(QStringLiteral("Check in Date"), wide, QStringLiteral("cCheckInDate")),
        DateColumn(QStringLiteral("Check Out Date"), wide, QStringLiteral("cCheckOutDate")),
        TextColumn(QStringLiteral("Days"), QStringLiteral("Ready-to"), QStringLiteral("cNoOfDays")),
        MoneyColumn(QStringLiteral("Room(s) Rate"), wide, QStringLiteral("cRoomsRate")),
        MoneyColumn(QStringLiteral("Tax Amount"), wide, QStringLiteral("cTax")),
        MoneyColumn(QStringLiteral("Grand Total"), wide, QStringLiteral("cGrandTotal")),
        MoneyColumn(QStringLiteral("Advance Paid"), wide, QStringLiteral("cAdvancePaid")),
        MoneyColumn(QStringLiteral("Due"), wide, QStringLiteral("cDue")),
        TextColumn(QStringLiteral("Payment Method"), QStringLiteral("Ready-to-Run Visual00000 "),
                   QStringLiteral("cPaymentMethod")),
        // Shown exactly as stored: "!*!" stays.
        TextColumn(QStringLiteral("Payment Details"), wide,
                   QStringLiteral("cPaymentMethodDetails")),
        TextColumn(QStringLiteral("Booked Rooms"), wide, QStringLiteral("cRoomNameID")),
        {QStringLiteral("Customer ID"), QStringLiteral("987907979709097"),
         [](const Recordset& row) {
             return GlobalLogin::OrderSign + row.Text(QStringLiteral("cUniqueNo"));
         }},
        TextColumn(QStringLiteral("Status"), QStringLiteral("987907979709097"),
                   QStringLiteral("cStatus")),
        TextColumn(QString(), QString(), QStringLiteral("ID")),
    };
    return columns;
}

const RowValues& customerValues() {
    static const RowValues values{
        FieldValue(kBookingId),
        FieldValue(kCustomerNumber),
        {kCustomerName,
         [](const Recordset& row) {
             return row.Text(QStringLiteral("cTitle")) + QLatin1Char(' ') +
                    ShownStoredText(row.Text(QStringLiteral("cFirstName"))) + QLatin1Char(' ') +
                    ShownStoredText(row.Text(QStringLiteral("cLastName")));
         }},
    };
    return values;
}

// The man for the titles of men, the woman for every other title, an empty one included.
int pictureForTitle(QString title) {
    static const QStringList men{QStringLiteral("Master"), QStringLiteral("Shri"),
                                 QStringLiteral("Prof"), QStringLiteral("Dr"),
                                 QStringLiteral("Mr")};
    return men.contains(title.remove(QLatin1Char('.'))) ? kManPicture : kWomanPicture;
}

} // namespace

frmCustomers::frmCustomers()
    : placement_(new WindowPlacement(Settings::CustomerListPlacement, this)) {
    setObjectName(QStringLiteral("frmCustomers"));
    setWindowTitle(QStringLiteral("Customer List"));
    setAttribute(Qt::WA_DeleteOnClose);
    layOut();
    connectEvents();
    Form_Load();
}

frmCustomers::~frmCustomers() = default;

void frmCustomers::ShowWindow() {
    const bool fresh = !LoadedInstance<frmCustomers>();
    frmCustomers* form = DefaultInstance<frmCustomers>();
    QMdiSubWindow* window = Workspace::ShowChild(form);
    if (fresh)
        form->restorePlacement(window);
}

void frmCustomers::layOut() {
    Frame2 = NewFrame(this, QStringLiteral("Search"), QStringLiteral("Frame2"));
    txtSearchCustomer = NewTextBox(Frame2, QStringLiteral("txtSearchCustomer"));
    Command3 = NewButton(Frame2, QStringLiteral("Command3"), QStringLiteral("Search"));
    Command1 = NewButton(Frame2, QStringLiteral("Command1"), QStringLiteral("Refresh"));
    comboStatus = NewCombo(Frame2, QStringLiteral("comboStatus"), {}, false);
    auto* search = new QGridLayout(Frame2);
    AddCaptionRow(search, 0, QStringLiteral("Customer ID, First Name or Last Name :"),
                  txtSearchCustomer);
    search->addWidget(Command3, 0, 2);
    search->addWidget(Command1, 0, 3);
    AddCaptionRow(search, 1, QStringLiteral("View by Status :"), comboStatus);
    search->setColumnStretch(1, 1);

    Frame1 = NewFrame(this, QStringLiteral("Customer List"), QStringLiteral("Frame1"));
    customerList = Named(new ExtLV(Frame1), QStringLiteral("customerList"));
    (new QVBoxLayout(Frame1))->addWidget(customerList);
    ImageList1 = customerPictures();

    AGMyPopUp1 = new AGPopUp(this);
    AGMyPopUp1->setObjectName(QStringLiteral("AGMyPopUp1"));
    AGMyPopUp1->AddItem(QStringLiteral("&Show Customer Details"),
                        QStringLiteral("mnuCustomerDetail"));
    AGMyPopUp1->AddItem(QStringLiteral("&Show Food && Beverages Details"),
                        QStringLiteral("mnuFoodBeveragesDetails"));
    AGMyPopUp1->AddItem(QStringLiteral("-"), QStringLiteral("sepd"));
    AGMyPopUp1->AddItem(QStringLiteral("&New Food && Beverages Order"),
                        QStringLiteral("mnuFoodOrder"));
    AGMyPopUp1->AddItem(QStringLiteral("-"), QStringLiteral("kkk"));
    AGMyPopUp1->AddItem(QStringLiteral("Export List To Excel"), QStringLiteral("mnuExportExcel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame2);
    layout->addWidget(Frame1, 1);
}

void frmCustomers::connectEvents() {
    connect(Command3, &QPushButton::clicked, this, &frmCustomers::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &frmCustomers::Command1_Click);
    connect(txtSearchCustomer, &QLineEdit::returnPressed, this,
            [this] { txtSearchCustomer_KeyPress(kEnter); });
    connect(comboStatus, &QComboBox::activated, this, &frmCustomers::comboStatus_Click);
    connect(customerList, &ExtLV::DblClick, this, &frmCustomers::customerList_DblClick);
    connect(customerList, &ExtLV::MouseDown, this, &frmCustomers::customerList_MouseDown);
    connect(AGMyPopUp1, &AGPopUp::MenuClick, this, &frmCustomers::AGMyPopUp1_MenuClick);
    connect(&WindowNotices::Instance(), &WindowNotices::CustomerDetailsUpdated, this,
            &frmCustomers::RoomListShow);
    // The "Customer ID" column shows the order sign of the moment.
    connect(&WindowNotices::Instance(), &WindowNotices::HotelInfoChanged, this,
            &frmCustomers::RoomListShow);
}

void frmCustomers::Form_Load() {
    Guarded(QStringLiteral("FRCUS003"), [this] {
        customerList->FullRowSelect(true);
        customerList->GridLines(true);
        customerList->SetSmallIcons(ImageList1);
        AddColumns(*customerList, customerColumns());
        {
            const QSignalBlocker quiet(comboStatus);
            comboStatus->addItems({kAllStatus, QStringLiteral("Checked In"),
                                   QStringLiteral("Confirmed"), QStringLiteral("Checked Out"),
                                   QStringLiteral("Not Confirmed"), QStringLiteral("Checked Out"),
                                   QStringLiteral("N/A")});
            comboStatus->setCurrentIndex(0);
        }
        // Selecting the first status is the load's choice: it fills the list once, with all rows.
        comboStatus_Click();
    });
}

void frmCustomers::restorePlacement(QMdiSubWindow* window) {
    QWidget* placed = window ? static_cast<QWidget*>(window) : this;
    placement_->Restore(placed, TwipsSize(kLoadWidthTwips, kLoadHeightTwips));
}

void frmCustomers::RoomListShow() {
    Guarded(QStringLiteral("FRCUS004"), [this] {
        customerList->SetSmallIcons(ImageList1);
        FillFromQuery(*customerList, customerColumns(), chosenQuery(), customerValues(),
                      [](ListItem& row, const Recordset& booking) {
                          row.SmallIcon(pictureForTitle(booking.Text(QStringLiteral("cTitle"))));
                      });
    });
}

// Search and refresh find by the search text, the status filter by the status; each ignores
// the other's box.
QString frmCustomers::chosenQuery() const {
    const QString search = txtSearchCustomer->text();
    const QString status = comboStatus->currentText();
    switch (QueryMode) {
    case 1:
    case 2:
        return search.isEmpty() ? CustomerStore::AllBookings()
                                : CustomerStore::BookingsMatching(search);
    case 3:
        return status == kAllStatus ? CustomerStore::AllBookings()
                                    : CustomerStore::BookingsWithStatus(status);
    default:
        return CustomerStore::AllBookings();
    }
}

// "Search": the bookings whose number or name is the search text.
void frmCustomers::Command3_Click() {
    QueryMode = 1;
    RoomListShow();
}

// Enter in the search box searches.
void frmCustomers::txtSearchCustomer_KeyPress(int KeyAscii) {
    if (KeyAscii == kEnter)
        Command3_Click();
}

// "Refresh": the list again, by the search text.
void frmCustomers::Command1_Click() {
    QueryMode = 2;
    RoomListShow();
}

// A status chosen: the bookings of that status.
void frmCustomers::comboStatus_Click() {
    QueryMode = 3;
    RoomListShow();
}

void frmCustomers::customerList_DblClick() {
    showMenu(QCursor::pos());
}

void frmCustomers::customerList_MouseDown(int Button, int, int X, int Y) {
    if (Button == kRightButton)
        showMenu(customerList->mapToGlobal(QPoint(X, Y)));
}

// The menu acts on the selected row, so it opens only while there is one.
void frmCustomers::showMenu(const QPoint& screenPoint) {
    if (customerList->SelectedCount() >= 1)
        AGMyPopUp1->PopUp(screenPoint);
}

void frmCustomers::AGMyPopUp1_MenuClick(const QString& ItemName) {
    Guarded(QStringLiteral("FRCUS001"), [&] {
        if (ItemName == QLatin1String("mnuCustomerDetail"))
            mnuCustomerDetail_Click();
        else if (ItemName == QLatin1String("mnuFoodBeveragesDetails"))
            mnuFoodBeveragesDetails_Click();
        else if (ItemName == QLatin1String("mnuFoodOrder"))
            mnuFoodOrder_Click();
        else if (ItemName == QLatin1String("mnuExportExcel"))
            ExportToExcel(*customerList, QStringLiteral("Customer List"));
    });
}

// "&Show Customer Details": a new details window for the selected booking.
void frmCustomers::mnuCustomerDetail_Click() {
    frmCustomerDetails::ShowWindow(
        QString::number(customerList->SelectedItem().Number(kBookingId)));
}

// "&Show Food && Beverages Details": the selected customer's orders, when there are any.
void frmCustomers::mnuFoodBeveragesDetails_Click() {
    const ListItem row = customerList->SelectedItem();
    if (!FoodOrderStore::HasOrders(row.Value(kCustomerNumber).toString())) {
        Dialogs::Message(row.Value(kCustomerName).toString() +
                         QStringLiteral(" has not ordered for anything! ") + kLineBreak +
                         QStringLiteral("Therefore, No Food & Beverages details to show!"));
        return;
    }
    // The order details read the customer from this list's selected row whenever they load.
    frmFoodDetails::ShowForCustomer([list = QPointer<frmCustomers>(this)] {
        if (!list)
            throw RuntimeError::ObjectNotSet();
        return list->customerList->SelectedItem().Value(kCustomerNumber).toString();
    });
}

// "&New Food && Beverages Order": an order for the selected customer.
void frmCustomers::mnuFoodOrder_Click() {
    frmFoodingBook::ShowForCustomer(customerList->SelectedItem().Value(kCustomerNumber).toString());
}

void frmCustomers::ExportToExcel(ExtLV& list, const QString& initialName) {
    Guarded(QStringLiteral("FRCUS002"),
            [&] { ListExport::ExportToExcel(list, this, initialName); });
}
