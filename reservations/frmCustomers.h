#pragma once

#include <QIcon>
#include <QList>
#include <QWidget>

class AGPopUp;
class ExtLV;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QMdiSubWindow;
class QPushButton;
class WindowPlacement;

// "Customer List": every booking in 21 columns, found by customer number or name, filtered by
// status; its right-click menu opens a booking's details and exports the list.
class frmCustomers final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmCustomers)

public:
    frmCustomers();
    ~frmCustomers() override;

    // Opens the one customer list as a child window, or brings it forward.
    static void ShowWindow();

    QGroupBox* Frame2 = nullptr;
    QLineEdit* txtSearchCustomer = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command1 = nullptr;
    QComboBox* comboStatus = nullptr;
    QGroupBox* Frame1 = nullptr;
    ExtLV* customerList = nullptr;
    // Picture 1 a man, picture 2 a woman.
    QList<QIcon> ImageList1;
    AGPopUp* AGMyPopUp1 = nullptr;

    // The query of the next fill: 1 search, 2 refresh, 3 status filter, anything else all rows.
    qint16 QueryMode = 0;

    // Empties the list and fills it from the query QueryMode chooses.
    void RoomListShow();

    void Command3_Click();
    void txtSearchCustomer_KeyPress(int KeyAscii);
    void Command1_Click();
    void comboStatus_Click();
    void customerList_DblClick();
    void customerList_MouseDown(int Button, int Shift, int X, int Y);
    void AGMyPopUp1_MenuClick(const QString& ItemName);

private:
    void layOut();
    void connectEvents();
    void Form_Load();
    void restorePlacement(QMdiSubWindow* window);

    QString chosenQuery() const;
    void showMenu(const QPoint& screenPoint);
    void ExportToExcel(ExtLV& list, const QString& initialName);
    void mnuCustomerDetail_Click();
    void mnuFoodBeveragesDetails_Click();
    void mnuFoodOrder_Click();

    WindowPlacement* placement_;
};
