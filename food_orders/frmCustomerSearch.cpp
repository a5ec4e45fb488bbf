#include "food_orders/frmCustomerSearch.h"

#include "core/DefaultInstance.h"
#include "core/ErrorReport.h"
#include "core/ui/AlwaysOnTop.h"
#include "core/ui/ExtLV.h"
#include "core/ui/FormControls.h"
#include "core/ui/ListFill.h"
#include "core/ui/WindowPlacement.h"
#include "core/ui/Workspace.h"
#include "food_orders/CustomerLookup.h"
#include "food_orders/frmFoodingBook.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const ListColumns& customerColumns() {
    static const ListColumns columns{
        TextColumn(QStringLiteral("Customer ID"), QStringLiteral("Abbrdrev78897 iuy iyiyoiyiy"),
                   QStringLiteral("cUniqueNo")),
        StoredTextColumn(QStringLiteral("First Name"),
                         QStringLiteral("Abbrdrev3653565387687hlkhlhkl"),
                         QStringLiteral("cFirstName")),
        StoredTextColumn(QStringLiteral("Last Name"),
                         QStringLiteral("Abbrdrev3653565387687hlkhlhklwxyz"),
                         QStringLiteral("cLastName")),
    };
    return columns;
}

// What each row keeps, read back by this name: the customer's number.
const QString kCustomerNumber = QStringLiteral("cUniqueNo");

const RowValues& customerValues() {
    static const RowValues values{FieldValue(kCustomerNumber)};
    return values;
}

} // namespace

// A window of its own above the main window, closed with it.
frmCustomerSearch::frmCustomerSearch()
    : QWidget(Workspace::MainWindow(), Qt::Window) {
    setObjectName(QStringLiteral("frmCustomerSearch"));
    setWindowTitle(QStringLiteral(" Search Customers"));
    setAttribute(Qt::WA_DeleteOnClose);
    layOut();
    connectEvents();
    Form_Load();
}

frmCustomerSearch::~frmCustomerSearch() = default;

void frmCustomerSearch::ShowWindow() {
    // An open search comes forward as it is; a new one lists what the text finds.
    frmCustomerSearch* form = DefaultInstance<frmCustomerSearch>();
    form->show();
    form->raise();
    form->activateWindow();
    form->searchLV->setFocus();
}

void frmCustomerSearch::layOut() {
    auto* column = new QVBoxLayout(this);
    searchLV = Named(new ExtLV(this), QStringLiteral("searchLV"));
    Command1 = NewButton(this, QStringLiteral("Command1"), QStringLiteral("&Close"));
    column->addWidget(new QLabel(QStringLiteral("Double Click on Customer to Select :"), this));
    column->addWidget(searchLV);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(Command1);
    column->addLayout(buttons);
    resize(TwipsSize(7500, 4500));
    CentreOverOwner(this);
}

void frmCustomerSearch::connectEvents() {
    connect(searchLV, &ExtLV::DblClick, this, &frmCustomerSearch::searchLV_DblClick);
    connect(searchLV, &ExtLV::KeyPress, this, [this](int keyAscii) {
        if (keyAscii == 13)
            searchLV_DblClick();
    });
    connect(Command1, &QPushButton::clicked, this, &frmCustomerSearch::Command1_Click);
    // A double-click where no row is still a double-click on the list.
    searchLV->viewport()->installEventFilter(this);
}

bool frmCustomerSearch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == searchLV->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* click = static_cast<QMouseEvent*>(event);
        if (click->button() == Qt::LeftButton &&
            !searchLV->indexAt(click->position().toPoint()).isValid()) {
            searchLV_DblClick();
            return true;
        }
    }
    return false;
}

void frmCustomerSearch::Form_Load() {
    AddColumns(*searchLV, customerColumns());
    const frmFoodingBook* orderEntry = LoadedInstance<frmFoodingBook>();
    CustomerLookup::OpenCustomersMatching(orderEntry ? orderEntry->CustomerSearchString
                                                     : QString());
    FillFromRecordset(*searchLV, customerColumns(), customerValues());
    // The row with the focus frame is the one chosen: Enter picks it at once.
    if (searchLV->ListItems().Count() > 0)
        searchLV->ListItems().Item(1).Selected(true);
    AlwaysOnTop::SetTopMost(this, true);
}

void frmCustomerSearch::searchLV_DblClick() {
    frmFoodingBook* orderEntry = LoadedInstance<frmFoodingBook>();
    IgnoreErrors([&] {
        const QString number = searchLV->SelectedItem().Value(kCustomerNumber).toString();
        if (orderEntry)
            orderEntry->MyOrderID = number;
    });
    IgnoreErrors([&] {
        if (orderEntry)
            orderEntry->GetCustomerDetails();
    });
    IgnoreErrors([&] {
        if (!orderEntry)
            return;
        Workspace::ShowChild(orderEntry);
        orderEntry->activateWindow();
        orderEntry->setFocus();
    });
    close();
}

// "&Close": closes the search.
void frmCustomerSearch::Command1_Click() {
    close();
}
