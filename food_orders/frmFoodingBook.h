#pragma once

#include "core/ui/CBalloonToolTip.h"
#include "core/ui/frmScroll.h"

#include <QHash>
#include <QIcon>
#include <QVariant>

class ExtLV;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// "New Food & Beverages Order": the catalogue, the lines of one order with their running total,
// the customer it is charged to, its status and the save.
class frmFoodingBook final : public ScrollableWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmFoodingBook)

public:
    frmFoodingBook();
    ~frmFoodingBook() override;

    // Opens the default instance as a child window, or brings it forward.
    static frmFoodingBook* ShowWindow();
    // What the customer list's "&New Food && Beverages Order" does: the window for the customer
    // of that number (an order sign in front of it is dropped).
    static void ShowForCustomer(const QString& customerNumber);

    QTreeWidget* TreeView1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    ExtLV* FoodLV = nullptr;
    QLineEdit* txtCTitle = nullptr;
    QLineEdit* txtCFname = nullptr;
    QLineEdit* txtCLname = nullptr;
    QLineEdit* txtSearchCustomer = nullptr;
    QPushButton* Command3 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLineEdit* txtTotalAmount = nullptr;
    QPushButton* Command4 = nullptr;

    // The customer number of the order's customer; set by the customer list and the customer
    // search before they call GetCustomerDetails.
    QString MyOrderID;
    // The search text handed to the customer search.
    QString CustomerSearchString;

    // Drops the order sign from MyOrderID and shows that customer's names.
    QVariant GetCustomerDetails();
    QVariant LoadFoodTree();
    // A new order number, or an empty text when none could be made (reported).
    QString MakeFoodOrderID();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    QWidget* buildCustomerFrame();
    QWidget* buildSearchFrame();
    void connectEvents();
    void Form_Load();

    void addCatalogueNode(QTreeWidgetItem* node, const QString& key, const QString& text,
                          const QIcon& picture);
    bool customerChosen();
    bool confirmedSave();
    void clearAfterSave();

    QHash<QString, QTreeWidgetItem*> nodesByKey_;
    // The customer whose names the boxes show: an order is never charged to another one.
    QString shownCustomer_;
    FormBalloon balloon_;
};
