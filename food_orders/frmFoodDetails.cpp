#include "food_orders/frmFoodDetails.h"

#include "administration/TaxStore.h"
#include "administration/frmTax.h"
#include "core/CommandGate.h"
#include "core/Currency.h"
#include "core/DefaultInstance.h"
#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/RuntimeErrors.h"
#include "core/theDBworks.h"
#include "core/ui/DateText.h"
#include "core/ui/Dialogs.h"
#include "core/ui/ExtLV.h"
#include "core/ui/FormControls.h"
#include "core/ui/Workspace.h"
#include "food_orders/FoodOrderStore.h"
#include "food_orders/frmFoodTxtView.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace {

frmFoodDetails::SelectedCustomer& customerSource() {
    static frmFoodDetails::SelectedCustomer source;
    return source;
}

// What the rows keep, read back by these names: an order's number, an item and its price.
const QString kOrderNumber = QStringLiteral("OrderNo");
const QString kItem = QStringLiteral("FoodItem");
const QString kPrice = QStringLiteral("Price");

QString withoutSign(QString text) {
    return text.remove(QLatin1Char('#'));
}

// The summed food tax percent as lbPercent shows it, in the system's number format; nothing
// shown yet reads as no tax.
Currency percentIn(const QLabel* label) {
    const QString text = label->text().trimmed();
    return text.isEmpty() ? Currency() : Currency::FromText(text);
}

} // namespace

frmFoodDetails::frmFoodDetails() {
    setObjectName(QStringLiteral("frmFoodDetails"));
    setWindowTitle(QStringLiteral("Food & Beverages Order Details"));
    setAttribute(Qt::WA_DeleteOnClose);
    layOut();
    connectEvents();
    Form_Load();
}

frmFoodDetails::~frmFoodDetails() = default;

void frmFoodDetails::ShowForCustomer(SelectedCustomer selectedCustomer) {
    customerSource() = std::move(selectedCustomer);
    frmFoodDetails* form = DefaultInstance<frmFoodDetails>();
    Workspace::ShowChild(form);
}

void frmFoodDetails::layOut() {
    auto* grid = new QGridLayout(PicInner);
    Command1 = NewButton(PicInner, QStringLiteral("Command1"), QStringLiteral("&Refresh"));
    Command2 = NewButton(PicInner, QStringLiteral("Command2"), QStringLiteral("&Close"));
    grid->addWidget(buildCustomerFrame(), 0, 0);
    grid->addWidget(buildOrdersFrame(), 1, 0);
    grid->addWidget(buildAmountFrame(), 2, 0);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    grid->addLayout(buttons, 3, 0);
    // The lists take the room a larger window has.
    grid->setRowStretch(1, 1);
    SetContentSize(grid->sizeHint());
}

QWidget* frmFoodDetails::buildCustomerFrame() {
    Frame1 = NewFrame(PicInner, QStringLiteral("Customer Details"), QStringLiteral("Frame1"));
    auto* row = new QGridLayout(Frame1);
    txtTitle = NewTextBox(Frame1, QStringLiteral("txtTitle"));
    txtFName = NewTextBox(Frame1, QStringLiteral("txtFName"));
    txtLName = NewTextBox(Frame1, QStringLiteral("txtLName"));
    row->addWidget(new QLabel(QStringLiteral("Customer Name :"), Frame1), 0, 0);
    int column = 1;
    for (QLineEdit* box : {txtTitle, txtFName, txtLName}) {
        box->setReadOnly(true);
        row->addWidget(box, 0, column++);
    }
    txtTitle->setMaximumWidth(70);
    return Frame1;
}

QWidget* frmFoodDetails::buildOrdersFrame() {
    auto* frame = NewFrame(PicInner, QStringLiteral("Food && Beverages"));
    auto* grid = new QGridLayout(frame);
    OrderLV = Named(new ExtLV(frame), QStringLiteral("OrderLV"));
    ItemsLV = Named(new ExtLV(frame), QStringLiteral("ItemsLV"));
    GrowsWithWindow(OrderLV, QSize(380, 220));
    GrowsWithWindow(ItemsLV, QSize(330, 220));
    Command5 = NewButton(frame, QStringLiteral("Command5"), QStringLiteral("Remove Order"));
    Command3 = NewButton(frame, QStringLiteral("Command3"), QStringLiteral("&Text View"));
    grid->addWidget(OrderLV, 0, 0);
    grid->addWidget(ItemsLV, 0, 1);
    grid->addWidget(Command5, 1, 0, Qt::AlignLeft);
    grid->addWidget(Command3, 1, 1, Qt::AlignRight);
    return frame;
}

QWidget* frmFoodDetails::buildAmountFrame() {
    auto* frame = NewFrame(PicInner, QStringLiteral("Amount"));
    auto* grid = new QGridLayout(frame);
    Label5 = NewLabel(frame, QStringLiteral("Label5"),
                      QStringLiteral("Note : Paid Orders are not included in Total Amount"));
    txtTotalAmount = NewTextBox(frame, QStringLiteral("txtTotalAmount"));
    lbName = NewLabel(frame, QStringLiteral("lbName"), QStringLiteral("Tax(s) : "));
    lbPercent = NewLabel(frame, QStringLiteral("lbPercent"), QString());
    Label4 = NewLabel(frame, QStringLiteral("Label4"), QStringLiteral("%"));
    txtTax = NewTextBox(frame, QStringLiteral("txtTax"), QStringLiteral("Total Tax Amount"));
    txtAmoutWithTax = NewTextBox(frame, QStringLiteral("txtAmoutWithTax"));
    Command4 = NewButton(frame, QStringLiteral("Command4"), QStringLiteral("Tax"),
                         QStringLiteral("Open Tax Lists"));
    for (QLineEdit* box : {txtTotalAmount, txtTax, txtAmoutWithTax})
        box->setText(QStringLiteral("0"));
    AddCaptionRow(grid, 0, QStringLiteral("Total Amount : "), txtTotalAmount);
    grid->addWidget(Label5, 0, 2, 1, 4);
    grid->addWidget(lbName, 1, 0);
    grid->addWidget(txtTax, 1, 1);
    grid->addWidget(lbPercent, 1, 2);
    grid->addWidget(Label4, 1, 3);
    grid->addWidget(Command4, 1, 4);
    AddCaptionRow(grid, 2, QStringLiteral("Amount With Tax : "), txtAmoutWithTax);
    grid->setColumnStretch(5, 1);
    return frame;
}

void frmFoodDetails::connectEvents() {
    connect(OrderLV, &ExtLV::Click, this, &frmFoodDetails::OrderLV_Click);
    connect(Command1, &QPushButton::clicked, this, &frmFoodDetails::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmFoodDetails::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmFoodDetails::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmFoodDetails::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmFoodDetails::Command5_Click);
}

void frmFoodDetails::Form_Load() {
    Guarded(QStringLiteral("FRFD002"), [this] {
        OrderLV->FullRowSelect(true);
        OrderLV->ColumnHeaders().AddWhole(QStringLiteral("Order ID"),
                                          QStringLiteral("Abbrdreopuiiyiiy"));
        OrderLV->ColumnHeaders().Add(QStringLiteral("Order Date"),
                                     QStringLiteral("Item Priceoo45245452iuyiuiuyiy"));
        OrderLV->ColumnHeaders().Add(QStringLiteral("Status"), QStringLiteral("Item Priceoo"));
        OrderLV->ColumnHeaders().Add(QString(), QString());
        ItemsLV->ColumnHeaders().Add(QStringLiteral("Item(s) Ordered"),
                                     QStringLiteral("Abbrdreopuiop3245254252"));
        ItemsLV->ColumnHeaders().AddWhole(QStringLiteral("Price"),
                                          QStringLiteral("Item Priceoo45245452"));
        LoadOrders();
        LoadOrdersTotal();
        LoadFoodTaxPercent();
        ShowTaxAmounts();
    });
}

void frmFoodDetails::LoadOrders() {
    OrderLV->ListItems().Clear();
    ItemsLV->ListItems().Clear();
    IgnoreErrors([this] {
        if (customerSource())
            xOrderNo = withoutSign(customerSource()()).trimmed();
    });
    FoodOrderStore::CustomerOrders read;
    IgnoreErrors([&] { read = FoodOrderStore::ReadCustomerOrders(xOrderNo); });
    Frame1->setTitle(QStringLiteral("Customer ID : ") + GlobalLogin::OrderSign + xOrderNo);
    if (read.names) {
        txtTitle->setText(read.names->title);
        txtFName->setText(read.names->firstName);
        txtLName->setText(read.names->lastName);
    }
    for (const FoodOrderStore::CustomerOrderRow& order : read.rows) {
        ListItem row = OrderLV->ListItems().Add(GlobalLogin::OrderSign + order.orderId);
        row.SubItems(1, ProgramDateText(order.date));
        row.SubItems(2, order.status);
        row.SubItems(3, order.customerNumber);
        row.SetValue(kOrderNumber, order.orderId);
    }
    IgnoreErrors([this] {
        if (OrderLV->ListItems().Count() == 0)
            return;
        OrderLV->ListItems().Item(1).Selected(true);
        OrderLV_Click();
    });
}

QString frmFoodDetails::chosenOrderNumber() const {
    if (!OrderLV->HasSelectedItem())
        return {};
    return OrderLV->SelectedItem().Value(kOrderNumber).toString().trimmed();
}

void frmFoodDetails::OrderLV_Click() {
    Guarded(QStringLiteral("FRFD007"), [this] {
        // The customer's own row of the join, without an order, has nothing to show.
        const QString number = chosenOrderNumber();
        if (number.isEmpty())
            return;
        const FoodOrderStore::OrderLinesRead read = FoodOrderStore::OrderLines(number);
        ItemsLV->ListItems().Clear();
        unreadOrder_.clear();
        if (!itemsRead(read.state, number))
            return;
        for (const FoodOrderLine& line : read.lines) {
            ListItem row = ItemsLV->ListItems().Add(line.item);
            row.SubItems(1, line.price.Format());
            row.SetValue(kItem, line.item);
            row.SetValue(kPrice, QVariant::fromValue(line.price.AsShown()));
        }
        txtTotalAmount->setText(FoodOrderStore::OrderTotal(number).Format());
        showTaxOnTotal();
    });
}

// An order whose items cannot be shown now is not shown in part: the user is told why.
bool frmFoodDetails::itemsRead(FoodOrderStore::OrderLinesRead::State state, const QString& number) {
    using State = FoodOrderStore::OrderLinesRead::State;
    switch (state) {
    case State::Read:
        return true;
    case State::BeingRemoved:
        unreadOrder_ = number;
        // The amounts shown were another order's, or the customer's with this one.
        for (QLineEdit* amount : {txtTotalAmount, txtTax, txtAmoutWithTax})
            amount->clear();
        tellRemovalUnderway(number);
        return false;
    case State::Removed:
        Dialogs::Message(QStringLiteral("Order ") + GlobalLogin::OrderSign + number +
                         QStringLiteral(" no longer exists: it has been removed in the meantime."));
        LoadOrders();
        return false;
    }
    return false;
}

void frmFoodDetails::tellRemovalUnderway(const QString& number) {
    Dialogs::Message(QStringLiteral("The removal of order ") + GlobalLogin::OrderSign + number +
                     QStringLiteral(" is being finished at another front desk, so its items are "
                                    "not shown. Please press Refresh in a moment."));
}

void frmFoodDetails::LoadOrdersTotal() {
    Guarded(QStringLiteral("FRFD005"),
            [this] { txtTotalAmount->setText(FoodOrderStore::UnpaidTotal(xOrderNo).Format()); });
}

void frmFoodDetails::LoadFoodTaxPercent() {
    IgnoreErrors([this] {
        lbPercent->setText(QStringLiteral("0"));
        Currency percent;
        for (const Currency& rate : TaxStore::TaxRates(TaxStore::kFoodTax))
            percent += rate;
        lbPercent->setText(percent.ToNumberText());
    });
}

void frmFoodDetails::ShowTaxAmounts() {
    Guarded(QStringLiteral("FRFD003"), [this] { showTaxOnTotal(); });
}

void frmFoodDetails::showTaxOnTotal() {
    const Currency total = Currency::FromText(txtTotalAmount->text());
    const Currency tax = total.Percent(percentIn(lbPercent));
    txtTax->setText(tax.Format());
    txtAmoutWithTax->setText((total + tax).Format());
}

// "&Refresh": the orders of the customer the customer list has chosen now.
void frmFoodDetails::Command1_Click() {
    LoadOrders();
}

// "&Close": closes the window.
void frmFoodDetails::Command2_Click() {
    close();
}

// "&Text View": the bill of the chosen order.
void frmFoodDetails::Command3_Click() {
    if (ItemsLV->ListItems().Count() >= 1)
        frmFoodTxtView::ShowBill(Bill());
    else if (!unreadOrder_.isEmpty() && unreadOrder_ == chosenOrderNumber())
        tellRemovalUnderway(unreadOrder_);
}

// "Tax": the tax editor for a user with the tax privilege, and the amounts again.
void frmFoodDetails::Command4_Click() {
    Guarded(QStringLiteral("FRFD001"), [this] {
        if (!CommandGate::Permits(CommandGate::Command::TaxEditor)) {
            Dialogs::Message(GlobalLogin::NoPrivilegeMsg());
            return;
        }
        frmTax::ShowWindow();
        LoadOrders();
        LoadOrdersTotal();
        LoadFoodTaxPercent();
        ShowTaxAmounts();
    });
}

// "Remove Order": removes the chosen order with its items, after the question.
void frmFoodDetails::Command5_Click() {
    Guarded(QStringLiteral("FRFD004"), [this] {
        const QString number = chosenOrderNumber();
        if (number.isEmpty())
            return;
        if (!Dialogs::AskYesNo(QStringLiteral("Remove Food & Beverages Order '") +
                                   GlobalLogin::OrderSign + number +
                                   QStringLiteral("' ? Are you sure!"),
                               QStringLiteral("Remove Order")))
            return;
        // A refused statement has reported itself; the list shows what is stored either way,
        // unless the server has gone away, which the locate tool has told already.
        FoodOrderStore::RemoveOrder(number);
        if (theDBworks::IsConnected())
            LoadOrders();
    });
}

FoodBill frmFoodDetails::Bill() const {
    FoodBill bill;
    bill.title = txtTitle->text();
    bill.firstName = txtFName->text();
    bill.lastName = txtLName->text();
    bill.customerId = GlobalLogin::OrderSign + xOrderNo;
    if (OrderLV->HasSelectedItem())
        bill.orderId = GlobalLogin::OrderSign + chosenOrderNumber();
    for (int i = 1; i <= ItemsLV->ListItems().Count(); ++i) {
        const ListItem item = ItemsLV->ListItems().Item(i);
        bill.items.append({item.Value(kItem).toString(), item.Money(kPrice).Format()});
    }
    bill.total = txtTotalAmount->text();
    bill.percent = lbPercent->text();
    bill.tax = txtTax->text();
    bill.amountWithTax = txtAmoutWithTax->text();
    return bill;
}
