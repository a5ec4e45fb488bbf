#include "administration/AdminCataloguePage.h"

#include "administration/FoodCatalogueStore.h"
#include "core/Currency.h"
#include "core/ErrorReport.h"
#include "core/ui/CBalloonToolTip.h"
#include "core/ui/Dialogs.h"
#include "core/ui/EnterPresses.h"
#include "core/ui/ExtLV.h"
#include "core/ui/FormControls.h"
#include "core/ui/Icons.h"
#include "core/ui/ListFill.h"
#include "core/ui/NumberBoxes.h"
#include "core/ui/SpareWidthColumn.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// What a note holds: a memo column, so more than a name.
constexpr int kNoteLength = 2000;
// What an order's item table holds of a name (its FoodItem column), so every item can be
// ordered.
constexpr int kItemNameLength = 225;
// The item list's column of notes.
constexpr int kItemNoteColumn = 2;

// What the rows of both lists keep: the category's or the item's ID, and a category's name.
const QString kId = QStringLiteral("ID");
const QString kCategoryName = QStringLiteral("catName");

const ListColumns& categoryColumns() {
    static const ListColumns columns{
        TextColumn(QStringLiteral("Categories"), QStringLiteral("Abbrdreopuiopuououv36535653"),
                   kCategoryName),
        TextColumn(QString(), QString(), kId),
    };
    return columns;
}

const ListColumns& itemColumns() {
    static const ListColumns columns{
        TextColumn(QStringLiteral("Item Name"), QStringLiteral("Abbrdreopuiop3245254252"),
                   QStringLiteral("ItemName")),
        MoneyColumn(QStringLiteral("Item Price"), QStringLiteral("Item Priceoo45245452"),
                    QStringLiteral("ItemPrice")),
        TextColumn(QStringLiteral("Item Note"),
                   QStringLiteral("Item Note452525245 764747647674464647474576476474764"),
                   QStringLiteral("ItemNote")),
        TextColumn(QString(), QString(), kId),
    };
    return columns;
}

// How the catalogue's lists show their rows: the whole row selected, lines between the cells.
void showAsCatalogueList(ExtLV* list) {
    list->FullRowSelect(true);
    list->GridLines(true);
}

const RowValues& categoryValues() {
    static const RowValues values{FieldValue(kId), FieldValue(kCategoryName)};
    return values;
}

const RowValues& itemValues() {
    static const RowValues values{FieldValue(kId)};
    return values;
}

} // namespace

AdminCataloguePage::AdminCataloguePage(FormBalloon& balloon, QWidget* parent)
    : QWidget(parent)
    , balloon_(balloon) {
    setObjectName(QStringLiteral("AdminCataloguePage"));
    buildControls();
    connectEvents();
}

AdminCataloguePage::~AdminCataloguePage() = default;

void AdminCataloguePage::buildControls() {
    Frame5 = NewFrame(this, QStringLiteral("&Add / Remove Items"), QStringLiteral("Frame5"));
    auto* groups = new QHBoxLayout(Frame5);
    groups->addWidget(categoryGroup(), 2);
    groups->addWidget(itemsGroup(), 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame5);
}

QGroupBox* AdminCataloguePage::categoryGroup() {
    QGroupBox* group = NewFrame(Frame5, QStringLiteral("Category"));
    itmCat = NewTextBox(group, QStringLiteral("itmCat"));
    itmCat->setText(QStringLiteral("Desserts"));
    Command4 = NewPictureButton(group, QStringLiteral("Command4"), Icons::Get(Icons::Name::Add),
                                QStringLiteral("Add Category"));
    Command6 = NewPictureButton(group, QStringLiteral("Command6"), Icons::Get(Icons::Name::Remove),
                                QStringLiteral("Remove Category"));
    ItemCatLV = Named(new ExtLV(group), QStringLiteral("ItemCatLV"));

    auto* grid = new QGridLayout(group);
    AddCaptionRow(grid, 0, QStringLiteral("Category Name :"), itmCat, 0, 3);
    grid->addWidget(Command4, 1, 2);
    grid->addWidget(Command6, 1, 3);
    grid->addWidget(ItemCatLV, 2, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* AdminCataloguePage::itemsGroup() {
    QGroupBox* group = NewFrame(Frame5, QStringLiteral("Items"));
    itmName = NewTextBox(group, QStringLiteral("itmName"), QString(), kItemNameLength);
    itmPrice = NewTextBox(group, QStringLiteral("itmPrice"));
    itmPrice->setText(QStringLiteral("0"));
    itmNote =
        NewTextBox(group, QStringLiteral("itmNote"), QStringLiteral("Item Note"), kNoteLength);
    itmNote->setMinimumHeight(2 * itmName->sizeHint().height());
    itmNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Command5 = NewPictureButton(group, QStringLiteral("Command5"), Icons::Get(Icons::Name::Add),
                                QStringLiteral("Add Item"));
    Command7 = NewPictureButton(group, QStringLiteral("Command7"), Icons::Get(Icons::Name::Remove),
                                QStringLiteral("Remove Item"));
    FoodLV = Named(new ExtLV(group), QStringLiteral("FoodLV"));

    auto* grid = new QGridLayout(group);
    AddCaptionRow(grid, 0, QStringLiteral("Item Name :"), itmName, 0, 3);
    AddCaptionRow(grid, 1, QStringLiteral("Price :"), itmPrice);
    grid->addWidget(Command5, 1, 2);
    grid->addWidget(Command7, 1, 3);
    grid->addWidget(itmNote, 2, 0, 1, 4);
    grid->addWidget(FoodLV, 3, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    return group;
}

void AdminCataloguePage::connectEvents() {
    connect(Command4, &QPushButton::clicked, this, &AdminCataloguePage::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &AdminCataloguePage::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &AdminCataloguePage::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &AdminCataloguePage::Command7_Click);
    connect(ItemCatLV, &ExtLV::Click, this, &AdminCataloguePage::ItemCatLV_Click);
    connect(FoodLV, &ExtLV::Click, this, &AdminCataloguePage::FoodLV_Click);
    // Enter in a group's boxes presses that group's add button.
    PressOnEnter(itmCat, Command4);
    for (QLineEdit* box : {itmName, itmPrice, itmNote})
        PressOnEnter(box, Command5);
    for (QLineEdit* box : {itmCat, itmName, itmPrice, itmNote}) {
        box->installEventFilter(this);
        connect(box, &QLineEdit::textEdited, this, &AdminCataloguePage::hideBalloon);
    }
    SelectAmountOnClick(itmPrice);
}

bool AdminCataloguePage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == itmCat)
            itmCat_Click();
        else if (watched == itmName)
            itmName_Click();
        else if (watched == itmNote)
            itmNote_Click();
        else if (watched == itmPrice)
            itmPrice_Click();
    } else if (event->type() == QEvent::FocusOut && watched == itmPrice) {
        itmPrice_LostFocus();
    }
    return QWidget::eventFilter(watched, event);
}

void AdminCataloguePage::AddFoodColumns() {
    showAsCatalogueList(FoodLV);
    AddColumns(*FoodLV, itemColumns());
    // A wider window shows more of each item's note.
    ColumnTakesSpareWidth(FoodLV, kItemNoteColumn);
}

void AdminCataloguePage::ItemCategoryListShow() {
    Guarded(QStringLiteral("ADM0008"), [this] {
        fillCategories();
        FoodItemListShow();
    });
}

// The list takes its columns anew at every fill. Its first category is selected, so that the
// item list and the item buttons have a category to work on.
void AdminCataloguePage::fillCategories() {
    ItemCatLV->ListItems().Clear();
    ItemCatLV->ColumnHeaders().Clear();
    showAsCatalogueList(ItemCatLV);
    AddColumns(*ItemCatLV, categoryColumns());
    FoodCatalogueStore::OpenCategories();
    FillFromRecordset(*ItemCatLV, categoryColumns(), categoryValues());
    if (ItemCatLV->ListItems().Count() > 0)
        ItemCatLV->ListItems().Item(1).Selected(true);
}

void AdminCataloguePage::FoodItemListShow() {
    Guarded(QStringLiteral("ADM0017"), [this] { fillItems(); });
}

void AdminCataloguePage::fillItems() {
    FoodLV->ListItems().Clear();
    if (ItemCatLV->ListItems().Count() == 0)
        return;
    FoodCatalogueStore::OpenItemsOf(selectedCategoryId());
    FillFromRecordset(*FoodLV, itemColumns(), itemValues());
}

qint64 AdminCataloguePage::selectedCategoryId() const {
    return ItemCatLV->SelectedItem().Number(kId);
}

// The add button beside the category name: adds the category.
void AdminCataloguePage::Command4_Click() {
    Guarded(QStringLiteral("ADM0007"), [this] { addCategory(); });
}

void AdminCataloguePage::addCategory() {
    const QString name = itmCat->text();
    if (name.isEmpty()) {
        rejectField(itmCat, QStringLiteral("Enter Category name"),
                    QStringLiteral("Enter Category Name!"));
        return;
    }
    if (FoodCatalogueStore::CategoryExists(name)) {
        rejectField(itmCat, QStringLiteral("Category Name Already Exist"),
                    QStringLiteral("Category Name Already Exist!"));
        return;
    }
    FoodCatalogueStore::AddCategory(name);
    ItemCategoryListShow();
}

// The add button beside the price: adds the item to the selected category.
void AdminCataloguePage::Command5_Click() {
    Guarded(QStringLiteral("ADM0009"), [this] { addItem(); });
}

bool AdminCataloguePage::itemAccepted() {
    if (itmName->text().isEmpty()) {
        rejectField(itmName, QStringLiteral("Item Name"), QStringLiteral("Enter Item Name!"));
        return false;
    }
    const PriceText price = CheckPrice(itmPrice->text());
    if (price == PriceText::Negative) {
        rejectField(itmPrice, QStringLiteral("Enter Price"),
                    NegativePriceText(QStringLiteral("Item Price")));
        return false;
    }
    if (price != PriceText::Accepted) {
        rejectField(itmPrice,
                    itmPrice->text().isEmpty() ? QStringLiteral("Invalid Price")
                                               : QStringLiteral("Enter Price"),
                    QStringLiteral("Enter Numeric valies in Item Price !"));
        return false;
    }
    return true;
}

void AdminCataloguePage::addItem() {
    if (!itemAccepted())
        return;
    if (ItemCatLV->ListItems().Count() == 0) {
        Dialogs::Message(QStringLiteral("First create new Category for the Items!"));
        return;
    }
    const qint64 category = selectedCategoryId();
    if (FoodCatalogueStore::ItemExists(itmName->text(), category)) {
        rejectField(itmName, QStringLiteral("Item Already exist"),
                    QStringLiteral("Item Already exist in this Category!"));
        return;
    }
    FoodCatalogueStore::AddItem(itmName->text(), Currency::FromText(itmPrice->text()),
                                itmNote->text(), category);
    FoodItemListShow();
}

// The remove button beside the category name: removes the selected category with its items.
void AdminCataloguePage::Command6_Click() {
    Guarded(QStringLiteral("ADM0010"), [this] { removeCategory(); });
}

void AdminCataloguePage::removeCategory() {
    if (ItemCatLV->ListItems().Count() == 0)
        return;
    const ListItem category = ItemCatLV->SelectedItem();
    const qint64 id = category.Number(kId);
    if (Dialogs::AskYesNo(QStringLiteral("Remove '") + category.Value(kCategoryName).toString() +
                              QStringLiteral("' Category? All the items inside it will also be "
                                             "removed!"),
                          QStringLiteral("Remove Category")))
        FoodCatalogueStore::RemoveCategory(id);
    ItemCategoryListShow();
}

// The remove button beside the price: removes the selected item.
void AdminCataloguePage::Command7_Click() {
    Guarded(QStringLiteral("ADM0011"), [this] { removeItem(); });
}

void AdminCataloguePage::removeItem() {
    if (FoodLV->ListItems().Count() == 0)
        return;
    const qint64 id = FoodLV->SelectedItem().Number(kId);
    if (!Dialogs::AskYesNo(QStringLiteral("Do you want to remove selected Item?"),
                           QStringLiteral("Remove Item")))
        return;
    FoodCatalogueStore::RemoveItem(id);
    FoodItemListShow();
}

// A category chosen in its list: its items are shown.
void AdminCataloguePage::ItemCatLV_Click() {
    hideBalloon();
    FoodItemListShow();
}

void AdminCataloguePage::FoodLV_Click() {
    hideBalloon();
}

void AdminCataloguePage::itmCat_Click() {
    hideBalloon();
}

void AdminCataloguePage::itmName_Click() {
    hideBalloon();
}

void AdminCataloguePage::itmNote_Click() {
    hideBalloon();
}

void AdminCataloguePage::itmPrice_Click() {
    hideBalloon();
}

// The price shown in the currency format once it is left; a text that is not one amount stays.
void AdminCataloguePage::itmPrice_LostFocus() {
    if (const std::optional<Currency> price = Currency::ParseOneAmount(itmPrice->text()))
        itmPrice->setText(price->Format());
}

void AdminCataloguePage::rejectField(QLineEdit* field, const QString& title, const QString& text) {
    ShowValidationBalloon(balloon_.Tip(), field, title, text);
}

void AdminCataloguePage::hideBalloon() {
    balloon_.Remove();
}
