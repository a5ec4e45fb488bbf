#pragma once

#include "core/ui/CBalloonToolTip.h"

#include <QWidget>

class AGPopUp;
class ExtLV;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// " Tax Editor": the room taxes that the booking tariff adds up and the food and beverage taxes
// of the orders, each listed on its own page, added and removed there.
class frmTax final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmTax)

public:
    frmTax();
    ~frmTax() override;

    // Opens the default instance as a child window, or brings it forward.
    static void ShowWindow();

    QTabWidget* SSTab1 = nullptr;
    QLineEdit* txtTaxName = nullptr;
    QLineEdit* txtTaxPercent = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Command2 = nullptr;
    ExtLV* ListView1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command3 = nullptr;
    ExtLV* ListView2 = nullptr;
    QPushButton* Command1 = nullptr;
    AGPopUp* AGPopUp1 = nullptr;

    // The list clicked last, on which "&Remove Tax" acts: 0 neither, 1 ListView1, 2 ListView2.
    qint16 ListViewClcked = 0;

    // Refill the room taxes (ListView1) and the food and beverage taxes (ListView2).
    void getRoomList();
    void gettaxList2();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void ListView1_Click();
    void ListView2_Click();
    void ListView1_MouseDown(int Button, int Shift, int X, int Y);
    void ListView2_MouseDown(int Button, int Shift, int X, int Y);
    void AGPopUp1_MenuClick(const QString& ItemName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One page's boxes and list, with what differs between the two kinds of tax.
    struct TaxPage {
        QLineEdit* name;
        QLineEdit* percent;
        ExtLV* list;
        int category;
        QString percentBalloonText;
    };

    void buildControls();
    void connectEvents();
    void Form_Load();
    void txtTaxName_MouseDown();
    void Text1_MouseDown();
    void txtTaxPercent_MouseDown();
    void Text2_MouseDown();

    void fillList(ExtLV* list, int category);
    void addTax(const TaxPage& page);
    // The first failing check of the page gets its balloon; true when both boxes pass.
    bool pageAccepted(const TaxPage& page);
    void removeTax();
    void showRemoveMenu(ExtLV* list, int button, int x, int y);
    // Empties the box when it still holds `placeholder`, and takes the balloon away.
    void clearPlaceholder(QLineEdit* box, const QString& placeholder);
    void hideBalloon();
    void unload();
    TaxPage roomPage() const;
    TaxPage foodPage() const;

    FormBalloon balloon_;
};
