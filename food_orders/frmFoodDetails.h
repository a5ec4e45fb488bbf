#pragma once

#include "core/ui/frmScroll.h"
#include "food_orders/FoodBill.h"
#include "food_orders/FoodOrderStore.h"

#include <QVariant>

#include <functional>

class ExtLV;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Food & Beverages Order Details": one customer's orders, the items of the chosen one, its
// total with the food and beverage taxes; removes an order and opens its bill.
class frmFoodDetails final : public ScrollableWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmFoodDetails)

public:
    // The customer list's hand-over: the customer number of its selected row (an order sign
    // in front of it is dropped), read each time the window loads or refreshes.
    using SelectedCustomer = std::function<QString()>;

    frmFoodDetails();
    ~frmFoodDetails() override;

    // What the customer list's "&Show Food && Beverages Details" does once it has seen that
    // the customer has orders: opens the window for the customer it names, or brings an open
    // one forward unchanged (its Refresh then asks again).
    static void ShowForCustomer(SelectedCustomer selectedCustomer);

    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtTitle = nullptr;
    QLineEdit* txtFName = nullptr;
    QLineEdit* txtLName = nullptr;
    ExtLV* OrderLV = nullptr;
    ExtLV* ItemsLV = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* txtTotalAmount = nullptr;
    QLabel* lbName = nullptr;
    QLabel* lbPercent = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtTax = nullptr;
    QLineEdit* txtAmoutWithTax = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    // The shown customer's number, without the order sign.
    QString xOrderNo;

    void LoadOrders();
    void OrderLV_Click();
    void LoadOrdersTotal();
    void LoadFoodTaxPercent();
    void ShowTaxAmounts();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    // The bill of the chosen order as the boxes and lists show it now.
    FoodBill Bill() const;

private:
    void layOut();
    QWidget* buildCustomerFrame();
    QWidget* buildOrdersFrame();
    QWidget* buildAmountFrame();
    void connectEvents();
    void Form_Load();

    // The chosen order's number without the order sign; empty when no order is chosen.
    QString chosenOrderNumber() const;
    // Tax and amount with tax on the total box, at the percent lbPercent shows.
    void showTaxOnTotal();
    // False, the user told why, when the chosen order's items cannot be shown now.
    bool itemsRead(FoodOrderStore::OrderLinesRead::State state, const QString& number);
    void tellRemovalUnderway(const QString& number);

    // The chosen order whose items were not shown, its removal being finished elsewhere.
    QString unreadOrder_;
};
