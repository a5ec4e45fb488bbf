#pragma once

#include <QWidget>

class ExtLV;
class QPushButton;

// " Search Customers": the customers whose number or name is the order entry's search text; a
// double-click hands one back to the order entry. Stays above the other windows.
class frmCustomerSearch final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmCustomerSearch)

public:
    // Loads the list; a failing query throws to the caller, which reports it.
    frmCustomerSearch();
    ~frmCustomerSearch() override;

    // Opens the default instance for the order entry's search text and gives it the focus.
    static void ShowWindow();

    ExtLV* searchLV = nullptr;
    QPushButton* Command1 = nullptr;

    // Takes the chosen customer into the order entry and closes.
    void searchLV_DblClick();
    void Command1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void connectEvents();
    void Form_Load();
};
