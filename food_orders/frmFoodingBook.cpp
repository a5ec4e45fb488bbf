#include "food_orders/frmFoodingBook.h"

#include "administration/FoodCatalogueStore.h"
#include "core/AppPaths.h"
#include "core/Clock.h"
#include "core/Currency.h"
#include "core/DefaultInstance.h"
#include "core/ErrorReport.h"
#include "core/RuntimeErrors.h"
#include "core/theDBworks.h"
#include "core/ui/Dialogs.h"
#include "core/ui/ExtLV.h"
#include "core/ui/FormControls.h"
#include "core/ui/Icons.h"
#include "core/ui/PlaySound.h"
#include "core/ui/Workspace.h"
#include "food_orders/CustomerLookup.h"
#include "food_orders/FoodOrderNumber.h"
#include "food_orders/FoodOrderStore.h"
#include "food_orders/frmCustomerSearch.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// The pictures of ImageList1: 1 an item, 2 a category.
QIcon itemPicture() {
    return Icons::Get(Icons::Name::FoodItem);
}
QIcon categoryPicture() {
    return Icons::Get(Icons::Name::FoodCategory);
}

const QStringList& statuses() {
    static const QStringList list{QStringLiteral("Paid"), QStringLiteral("Due"),
                                  QStringLiteral("Not Confirmed"), QStringLiteral("Confirmed"),
                                  QStringLiteral("N/A")};
    return list;
}

// What each line of the order keeps, read back by these names: the item and its price.
const QString kItem = QStringLiteral("FoodItem");
const QString kPrice = QStringLiteral("Price");

QString keyOf(const QTreeWidgetItem* node) {
    return node->data(0, Qt::UserRole).toString();
}

Currency moneyIn(const QLineEdit* box) {
    return Currency::FromText(box->text());
}

bool isEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

frmFoodingBook::frmFoodingBook() {
    setObjectName(QStringLiteral("frmFoodingBook"));
    setWindowTitle(QStringLiteral("New Food & Beverages Order"));
    setAttribute(Qt::WA_DeleteOnClose);
    layOut();
    connectEvents();
    Form_Load();
}

frmFoodingBook::~frmFoodingBook() = default;

frmFoodingBook* frmFoodingBook::ShowWindow() {
    frmFoodingBook* form = DefaultInstance<frmFoodingBook>();
    Workspace::ShowChild(form);
    return form;
}

void frmFoodingBook::ShowForCustomer(const QString& customerNumber) {
    frmFoodingBook* form = DefaultInstance<frmFoodingBook>();
    form->MyOrderID = customerNumber;
    ShowWindow();
    form->GetCustomerDetails();
}

void frmFoodingBook::layOut() {
    auto* grid = new QGridLayout(PicInner);
    auto* catalogue = NewFrame(PicInner, QStringLiteral("Food && Beverages"));
    TreeView1 = Named(new QTreeWidget(catalogue), QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    GrowsWithWindow(TreeView1, QSize(260, 300));
    Command1 = NewButton(PicInner, QStringLiteral("Command1"), QStringLiteral(">"),
                         QStringLiteral("Add Item"));
    Command2 = NewButton(PicInner, QStringLiteral("Command2"), QStringLiteral("<"),
                         QStringLiteral("Remove Item"));
    FoodLV = Named(new ExtLV(PicInner), QStringLiteral("FoodLV"));
    GrowsWithWindow(FoodLV, QSize(420, 300));
    (new QGridLayout(catalogue))->addWidget(TreeView1, 0, 0);
    auto* moves = new QVBoxLayout();
    moves->addStretch();
    moves->addWidget(Command1);
    moves->addWidget(Command2);
    moves->addStretch();

    Combo1 = NewCombo(PicInner, QStringLiteral("Combo1"), {}, false);
    txtTotalAmount = NewTextBox(PicInner, QStringLiteral("txtTotalAmount"));
    txtTotalAmount->setText(QStringLiteral("0"));
    Command4 = NewButton(PicInner, QStringLiteral("Command4"), QStringLiteral("&Save"));
    auto* amounts = new QGridLayout();
    AddCaptionRow(amounts, 0, QStringLiteral("Status :"), Combo1);
    AddCaptionRow(amounts, 1, QStringLiteral("Total Amount :"), txtTotalAmount);
    amounts->addWidget(Command4, 1, 2);

    grid->addWidget(buildCustomerFrame(), 0, 0);
    grid->addWidget(buildSearchFrame(), 0, 1, 1, 2);
    grid->addWidget(catalogue, 1, 0);
    grid->addLayout(moves, 1, 1);
    grid->addWidget(FoodLV, 1, 2);
    grid->addLayout(amounts, 2, 2);
    // The catalogue and the order take the room a larger window has.
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    SetContentSize(grid->sizeHint());
}

QWidget* frmFoodingBook::buildCustomerFrame() {
    auto* frame = NewFrame(PicInner, QStringLiteral("Customer Name"));
    auto* grid = new QGridLayout(frame);
    txtCTitle = NewTextBox(frame, QStringLiteral("txtCTitle"));
    txtCFname = NewTextBox(frame, QStringLiteral("txtCFname"));
    txtCLname = NewTextBox(frame, QStringLiteral("txtCLname"));
    for (QLineEdit* box : {txtCTitle, txtCFname, txtCLname})
        box->setReadOnly(true);
    AddCaptionRow(grid, 0, QStringLiteral("Title :"), txtCTitle);
    AddCaptionRow(grid, 1, QStringLiteral("First Name :"), txtCFname);
    AddCaptionRow(grid, 2, QStringLiteral("Last Name :"), txtCLname);
    grid->setRowStretch(3, 1);
    return frame;
}

QWidget* frmFoodingBook::buildSearchFrame() {
    auto* frame = NewFrame(PicInner, QStringLiteral("Search"));
    auto* grid = new QGridLayout(frame);
    txtSearchCustomer = NewTextBox(frame, QStringLiteral("txtSearchCustomer"));
    Command3 = NewButton(frame, QStringLiteral("Command3"), QStringLiteral("Search"));
    grid->addWidget(new QLabel(QStringLiteral("Customer ID, First Name or Last Name :"), frame), 0,
                    0, 1, 2);
    grid->addWidget(txtSearchCustomer, 1, 0);
    grid->addWidget(Command3, 1, 1);
    grid->setRowStretch(2, 1);
    return frame;
}

void frmFoodingBook::connectEvents() {
    connect(Command1, &QPushButton::clicked, this, &frmFoodingBook::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmFoodingBook::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmFoodingBook::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmFoodingBook::Command4_Click);
    txtSearchCustomer->installEventFilter(this);
    txtTotalAmount->installEventFilter(this);
}

bool frmFoodingBook::eventFilter(QObject* watched, QEvent* event) {
    if (!isEnter(event))
        return false;
    if (watched == txtSearchCustomer)
        Command3_Click();
    else if (watched == txtTotalAmount)
        Command4_Click();
    else
        return false;
    return true;
}

void frmFoodingBook::Form_Load() {
    Guarded(QStringLiteral("FRFB006"), [this] {
        FoodLV->FullRowSelect(true);
        FoodLV->ColumnHeaders().Add(QStringLiteral("Item Name"),
                                    QStringLiteral("Abbrdreopuiop3245254252"));
        FoodLV->ColumnHeaders().Add(QStringLiteral("Item Price"),
                                    QStringLiteral("Item Priceoo45245452"));
        FoodLV->ColumnHeaders().Add(
            QStringLiteral("Item Note"),
            QStringLiteral("Item Note452525245 764747647674464647474576476474764"));
        FoodLV->ColumnHeaders().Add(QString(), QString());
        LoadFoodTree();
        GetCustomerDetails();
        Combo1->addItems(statuses());
        Combo1->setCurrentIndex(0);
    });
}

void frmFoodingBook::addCatalogueNode(QTreeWidgetItem* node, const QString& key,
                                      const QString& text, const QIcon& picture) {
    node->setText(0, text);
    node->setIcon(0, picture);
    node->setData(0, Qt::UserRole, key);
    nodesByKey_.insert(key, node);
}

QVariant frmFoodingBook::LoadFoodTree() {
    return Guarded(QStringLiteral("FRFB008"), [this] {
        TreeView1->clear();
        nodesByKey_.clear();
        FoodCatalogueStore::OpenCategories();
        theDBworks::ForEachRecord([this](const Recordset& category) {
            addCatalogueNode(new QTreeWidgetItem(TreeView1),
                             QStringLiteral("T") + category.Text(QStringLiteral("ID")),
                             category.Text(QStringLiteral("catName")), categoryPicture());
        });
        if (TreeView1->topLevelItemCount() > 0)
            TreeView1->setCurrentItem(TreeView1->topLevelItem(0));
        FoodCatalogueStore::OpenItems();
        theDBworks::ForEachRecord([this](const Recordset& item) {
            QTreeWidgetItem* category =
                nodesByKey_.value(QStringLiteral("T") + item.Text(QStringLiteral("ItemCat")));
            if (!category)
                throw RuntimeError::ElementNotFound();
            addCatalogueNode(new QTreeWidgetItem(category),
                             QStringLiteral("C") + item.Text(QStringLiteral("ID")),
                             item.Text(QStringLiteral("ItemName")), itemPicture());
        });
        return QVariant();
    });
}

QVariant frmFoodingBook::GetCustomerDetails() {
    return Guarded(QStringLiteral("FRFB007"), [this] {
        MyOrderID.remove(QLatin1Char('#'));
        if (MyOrderID.isEmpty())
            return QVariant();
        const QString asked = MyOrderID;
        // Until the asked customer is found, the order stays with the one whose names show.
        MyOrderID = shownCustomer_;
        const CustomerLookup::CustomerNames customer = CustomerLookup::ReadCustomer(asked);
        txtCTitle->setText(customer.title);
        txtCFname->setText(customer.firstName);
        txtCLname->setText(customer.lastName);
        MyOrderID = asked;
        shownCustomer_ = asked;
        return QVariant();
    });
}

QString frmFoodingBook::MakeFoodOrderID() {
    return Guarded(QStringLiteral("FRFB005"), [] { return FoodOrderNumber::NewNumber(); });
}

// ">": adds the chosen item to the order.
void frmFoodingBook::Command1_Click() {
    Guarded(QStringLiteral("FRFB001"), [this] {
        const QTreeWidgetItem* node = TreeView1->currentItem();
        if (TreeView1->topLevelItemCount() == 0 || !node ||
            !keyOf(node).trimmed().startsWith(QLatin1Char('C')))
            return;
        const QString id = keyOf(node).remove(QLatin1Char('C'));
        bool numeric = false;
        const qint64 itemId = id.trimmed().toLongLong(&numeric);
        if (!numeric)
            throw RuntimeError::TypeMismatch();
        const FoodCatalogueStore::Item item = FoodCatalogueStore::ReadItem(itemId);
        ListItem line = FoodLV->ListItems().Add(item.name);
        line.SubItems(1, item.price.Format());
        line.SubItems(2, item.note);
        line.SetValue(kItem, item.name);
        // The total takes away what the line shows, as the user reads it.
        line.SetValue(kPrice, QVariant::fromValue(item.price.AsShown()));
        if (txtTotalAmount->text().isEmpty())
            txtTotalAmount->setText(QStringLiteral("0"));
        txtTotalAmount->setText((moneyIn(txtTotalAmount) + item.price).Format());
    });
}

// "<": takes the chosen line out of the order.
void frmFoodingBook::Command2_Click() {
    Guarded(QStringLiteral("FRFB002"), [this] {
        if (FoodLV->ListItems().Count() == 0)
            return;
        if (!FoodLV->HasSelectedItem())
            FoodLV->ListItems().Item(1).Selected(true);
        if (!Dialogs::AskYesNo(QStringLiteral("Remove selected food Item?"),
                               QStringLiteral("Remove Food Item")))
            return;
        const ListItem line = FoodLV->SelectedItem();
        txtTotalAmount->setText((moneyIn(txtTotalAmount) - line.Money(kPrice)).Format());
        FoodLV->ListItems().Remove(line.Index());
    });
}

// "Search": the customer search for the typed text.
void frmFoodingBook::Command3_Click() {
    Guarded(QStringLiteral("FRFB003"), [this] {
        CustomerSearchString = txtSearchCustomer->text();
        frmCustomerSearch::ShowWindow();
    });
}

// "&Save": saves the order for the customer shown.
void frmFoodingBook::Command4_Click() {
    Guarded(QStringLiteral("FRFB004"), [this] {
        if (!Currency::Parse(txtTotalAmount->text())) {
            Dialogs::Message(QStringLiteral("Do not enter characters in total amount field!"));
            return;
        }
        if (txtCFname->text().isEmpty() || txtCLname->text().isEmpty())
            return;
        if (!customerChosen())
            return;
        FoodOrder order;
        order.orderId = MakeFoodOrderID();
        if (order.orderId.isEmpty() || !confirmedSave())
            return;
        order.customerNumber = MyOrderID;
        order.title = txtCTitle->text();
        order.firstName = txtCFname->text();
        order.lastName = txtCLname->text();
        order.total = moneyIn(txtTotalAmount);
        order.status = Combo1->currentText();
        order.date = Clock::Today();
        for (int i = 1; i <= FoodLV->ListItems().Count(); ++i) {
            const ListItem line = FoodLV->ListItems().Item(i);
            order.lines.append({line.Value(kItem).toString(), line.Money(kPrice)});
        }
        // A statement that failed has reported itself, and nothing of the order was kept.
        if (!FoodOrderStore::SaveOrder(order))
            return;
        Dialogs::Message(QStringLiteral("Food & Beverages order added into the record"));
        clearAfterSave();
        PlaySound::PlayWave(AppPaths::ProgramFolder() + QStringLiteral("/sounds/cashin.wav"),
                            false);
    });
}

// Names left from an earlier customer are no customer: an order is charged to a number.
bool frmFoodingBook::customerChosen() {
    if (!QString(MyOrderID).remove(QLatin1Char('#')).trimmed().isEmpty())
        return true;
    txtSearchCustomer->setFocus();
    ShowValidationBalloon(balloon_.Tip(), txtSearchCustomer, QStringLiteral("Select Customer"),
                          QStringLiteral("Please search and select the customer of this order!"));
    return false;
}

bool frmFoodingBook::confirmedSave() {
    return Dialogs::AskYesNo(QStringLiteral("Confirm Save this Order?"),
                             QStringLiteral("Save Order"));
}

void frmFoodingBook::clearAfterSave() {
    FoodLV->ListItems().Clear();
    txtTotalAmount->setText(QStringLiteral("0"));
}
