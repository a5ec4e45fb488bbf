#include "administration/frmTax.h"

#include "administration/TaxStore.h"
#include "core/Currency.h"
#include "core/DefaultInstance.h"
#include "core/ErrorReport.h"
#include "core/Recordset.h"
#include "core/WindowNotices.h"
#include "core/ui/AGPopUp.h"
#include "core/ui/Dialogs.h"
#include "core/ui/EnterPresses.h"
#include "core/ui/ExtLV.h"
#include "core/ui/FormControls.h"
#include "core/ui/ListFill.h"
#include "core/ui/Workspace.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kNamePlaceholder = QStringLiteral("Tax Name");
const QString kPercentPlaceholder = QStringLiteral("0%");
const QString kRemoveItem = QStringLiteral("TaxRemove");
constexpr int kRightButton = 2;
constexpr int kRoomTax = TaxStore::kRoomTax;
constexpr int kFoodTax = TaxStore::kFoodTax;
// What each row keeps: the tax's ID.
const QString kTaxId = QStringLiteral("ID");

// The rate as the lists show it: the locale's decimal notation, no grouping, then "%".
QString rateText(const QVariant& rate) {
    bool numeric = false;
    const double value = rate.toDouble(&numeric);
    if (!numeric)
        return rate.toString() + QLatin1Char('%');
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', QLocale::FloatingPointShortest) + QLatin1Char('%');
}

// One page: the name box, the percent box with its "%" label and the add button above the list.
QWidget* pageWidget(QLineEdit* name, QLineEdit* percent, QLabel* percentSign, QPushButton* add,
                    ExtLV* list) {
    auto* panel = new QWidget();
    percent->setMaximumWidth(80);
    list->FullRowSelect(true);
    list->GridLines(true);
    auto* grid = new QGridLayout(panel);
    grid->addWidget(name, 0, 0);
    grid->addWidget(percent, 0, 1);
    grid->addWidget(percentSign, 0, 2);
    grid->addWidget(add, 0, 3);
    grid->addWidget(list, 1, 0, 1, 4);
    grid->setColumnStretch(0, 1);
    return panel;
}

const ListColumns& taxColumns() {
    static const ListColumns columns{
        TextColumn(QStringLiteral("Tax Name"), QStringLiteral("Abbrdrevooo00lkkkkkk"),
                   QStringLiteral("taxName")),
        {QStringLiteral("Rate"), QStringLiteral("Ready-to-Run Visualkkkkkk"),
         [](const Recordset& tax) { return rateText(tax.Fields(QStringLiteral("taxRate"))); }},
        TextColumn(QString(), QString(), kTaxId),
    };
    return columns;
}

const RowValues& taxValues() {
    static const RowValues values{FieldValue(kTaxId)};
    return values;
}

} // namespace

frmTax::frmTax() {
    setObjectName(QStringLiteral("frmTax"));
    setWindowTitle(QStringLiteral(" Tax Editor"));
    setAttribute(Qt::WA_DeleteOnClose);

    buildControls();
    connectEvents();
    Form_Load();
}

frmTax::~frmTax() = default;

void frmTax::buildControls() {
    txtTaxName = NewTextBox(nullptr, QStringLiteral("txtTaxName"));
    txtTaxName->setText(kNamePlaceholder);
    txtTaxPercent = NewTextBox(nullptr, QStringLiteral("txtTaxPercent"));
    txtTaxPercent->setText(QStringLiteral("0"));
    Label1 = NewLabel(nullptr, QStringLiteral("Label1"), QStringLiteral("%"));
    Command2 = NewButton(nullptr, QStringLiteral("Command2"), QStringLiteral("&Add Tax"));
    ListView1 = Named(new ExtLV(), QStringLiteral("ListView1"));
    Text1 = NewTextBox(nullptr, QStringLiteral("Text1"));
    Text1->setText(kNamePlaceholder);
    Text2 = NewTextBox(nullptr, QStringLiteral("Text2"));
    Text2->setText(QStringLiteral("0"));
    Label2 = NewLabel(nullptr, QStringLiteral("Label2"), QStringLiteral("%"));
    Command3 = NewButton(nullptr, QStringLiteral("Command3"), QStringLiteral("&Add Tax"));
    ListView2 = Named(new ExtLV(), QStringLiteral("ListView2"));

    SSTab1 = Named(new QTabWidget(this), QStringLiteral("SSTab1"));
    SSTab1->addTab(pageWidget(txtTaxName, txtTaxPercent, Label1, Command2, ListView1),
                   QStringLiteral("Room Tax"));
    SSTab1->addTab(pageWidget(Text1, Text2, Label2, Command3, ListView2),
                   QStringLiteral("Food && Beverages Tax"));
    Command1 = NewButton(this, QStringLiteral("Command1"), QStringLiteral("&OK"));
    AGPopUp1 = new AGPopUp(this);
    AGPopUp1->setObjectName(QStringLiteral("AGPopUp1"));
    AGPopUp1->AddItem(QStringLiteral("&Remove Tax"), kRemoveItem);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    layout->addWidget(Command1, 0, Qt::AlignRight);
    resize(480, 360);
}

void frmTax::ShowWindow() {
    Workspace::ShowChild(DefaultInstance<frmTax>());
}

void frmTax::connectEvents() {
    connect(Command1, &QPushButton::clicked, this, &frmTax::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmTax::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmTax::Command3_Click);
    connect(ListView1, &ExtLV::Click, this, &frmTax::ListView1_Click);
    connect(ListView2, &ExtLV::Click, this, &frmTax::ListView2_Click);
    connect(ListView1, &ExtLV::MouseDown, this, &frmTax::ListView1_MouseDown);
    connect(ListView2, &ExtLV::MouseDown, this, &frmTax::ListView2_MouseDown);
    connect(AGPopUp1, &AGPopUp::MenuClick, this, &frmTax::AGPopUp1_MenuClick);
    for (QLineEdit* box : {txtTaxName, txtTaxPercent, Text1, Text2})
        box->installEventFilter(this);
    // Enter in a page's boxes adds its tax, as the page's button does.
    for (QLineEdit* box : {txtTaxName, txtTaxPercent})
        PressOnEnter(box, Command2);
    for (QLineEdit* box : {Text1, Text2})
        PressOnEnter(box, Command3);
}

void frmTax::Form_Load() {
    IgnoreErrors([this] { AddColumns(*ListView1, taxColumns()); });
    IgnoreErrors([this] { AddColumns(*ListView2, taxColumns()); });
    getRoomList();
    gettaxList2();
}

frmTax::TaxPage frmTax::roomPage() const {
    return {txtTaxName, txtTaxPercent, ListView1, kRoomTax,
            QStringLiteral("Please Enter Tax Percent!(eg: 10, 20 etc.) Do Not Enter any "
                           "Characters.")};
}

frmTax::TaxPage frmTax::foodPage() const {
    return {Text1, Text2, ListView2, kFoodTax,
            QStringLiteral("Please Enter Tax Percent!(eg: 10, 20 etc.) Do Not Enter % symbol ")};
}

void frmTax::getRoomList() {
    fillList(ListView1, kRoomTax);
}

void frmTax::gettaxList2() {
    fillList(ListView2, kFoodTax);
}

// A failing query leaves the list empty; a row that cannot be read is left out.
void frmTax::fillList(ExtLV* list, int category) {
    IgnoreErrors([list] { list->ListItems().Clear(); });
    IgnoreErrors([list, category] {
        TaxStore::OpenTaxes(category);
        FillFromRecordset(*list, taxColumns(), taxValues());
    });
}

// "&Add Tax" on the room page: adds a room tax.
void frmTax::Command2_Click() {
    addTax(roomPage());
}

// "&Add Tax" on the food page: adds a food and beverage tax.
void frmTax::Command3_Click() {
    addTax(foodPage());
}

bool frmTax::pageAccepted(const TaxPage& page) {
    const QString name = page.name->text();
    if (name.isEmpty() || name == kNamePlaceholder) {
        ShowValidationBalloon(balloon_.Tip(), page.name, QStringLiteral("Enter Tax Name"),
                              QStringLiteral("Please enter Tax Name!(eg: Service Tax, Sale Tax "
                                             "etc.)"));
        return false;
    }
    const QString percent = page.percent->text();
    if (percent.isEmpty() || percent == kPercentPlaceholder || !Currency::Parse(percent)) {
        ShowValidationBalloon(balloon_.Tip(), page.percent, QStringLiteral("Enter Tax Percent"),
                              page.percentBalloonText);
        return false;
    }
    return true;
}

void frmTax::addTax(const TaxPage& page) {
    bool accepted = false;
    IgnoreErrors([&] { accepted = pageAccepted(page); });
    if (!accepted)
        return;
    bool stored = false;
    IgnoreErrors([&] {
        stored = TaxStore::AddTax(page.name->text().trimmed(),
                                  Currency::FromText(page.percent->text()), page.category);
    });
    // The insert has reported a refusal itself; saying "added" then would be untrue.
    if (stored)
        Dialogs::Message(QStringLiteral("Tax Name ") + page.name->text() +
                         QStringLiteral(" added on the Tax List!"));
    fillList(page.list, page.category);
}

// A click in the room list: "&Remove Tax" now acts on it.
void frmTax::ListView1_Click() {
    ListViewClcked = 1;
}

// A click in the food list: "&Remove Tax" now acts on it.
void frmTax::ListView2_Click() {
    ListViewClcked = 2;
}

// A button pressed in the room list: the right one opens the menu.
void frmTax::ListView1_MouseDown(int Button, int, int X, int Y) {
    showRemoveMenu(ListView1, Button, X, Y);
}

// A button pressed in the food list: the right one opens the menu.
void frmTax::ListView2_MouseDown(int Button, int, int X, int Y) {
    showRemoveMenu(ListView2, Button, X, Y);
}

// The right button opens the menu; it leaves ListViewClcked as the last left click set it.
void frmTax::showRemoveMenu(ExtLV* list, int button, int x, int y) {
    if (button == kRightButton)
        AGPopUp1->PopUp(list->mapToGlobal(QPoint(x, y)));
}

// "&Remove Tax" chosen from the lists' menu: removes the selected tax.
void frmTax::AGPopUp1_MenuClick(const QString& ItemName) {
    if (ItemName == kRemoveItem)
        removeTax();
}

// Removes the selected tax of the list clicked last, then reloads both lists.
void frmTax::removeTax() {
    if (!Dialogs::AskYesNo(
            QStringLiteral("Do you want to remove Selected Tax from the record! Are you Sure?"),
            QStringLiteral("Remove Tax")))
        return;
    ExtLV* list = ListViewClcked == 1 ? ListView1 : ListViewClcked == 2 ? ListView2 : nullptr;
    if (list) {
        qint64 id = 0;
        IgnoreErrors([&] { id = list->SelectedItem().Number(kTaxId); });
        IgnoreErrors([id] { TaxStore::RemoveTax(id); });
    }
    getRoomList();
    gettaxList2();
}

// "&OK": has an open booking window reload its room tax, then closes.
void frmTax::Command1_Click() {
    IgnoreErrors([] {
        if (BookingFormOpen)
            emit WindowNotices::Instance().RoomTaxesChanged();
    });
    unload();
}

void frmTax::unload() {
    if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget()))
        window->close();
    else
        close();
}

bool frmTax::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == txtTaxName)
            txtTaxName_MouseDown();
        else if (watched == Text1)
            Text1_MouseDown();
        else if (watched == txtTaxPercent)
            txtTaxPercent_MouseDown();
        else if (watched == Text2)
            Text2_MouseDown();
    }
    return QWidget::eventFilter(watched, event);
}

void frmTax::txtTaxName_MouseDown() {
    clearPlaceholder(txtTaxName, kNamePlaceholder);
}

void frmTax::Text1_MouseDown() {
    clearPlaceholder(Text1, kNamePlaceholder);
}

void frmTax::txtTaxPercent_MouseDown() {
    clearPlaceholder(txtTaxPercent, kPercentPlaceholder);
}

void frmTax::Text2_MouseDown() {
    hideBalloon();
}

void frmTax::clearPlaceholder(QLineEdit* box, const QString& placeholder) {
    if (box->text() == placeholder)
        box->clear();
    hideBalloon();
}

void frmTax::hideBalloon() {
    balloon_.Remove();
}
