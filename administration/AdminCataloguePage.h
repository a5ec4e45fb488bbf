#pragma once

#include <QWidget>

class ExtLV;
class FormBalloon;
class QGroupBox;
class QLineEdit;
class QPushButton;

// The " Food && Beverage" page of the administration window: the food and beverage catalogue's
// categories and items, which the order entry offers.
class AdminCataloguePage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AdminCataloguePage)

public:
    // The page shows its validation balloons through the window's balloon.
    explicit AdminCataloguePage(FormBalloon& balloon, QWidget* parent = nullptr);
    ~AdminCataloguePage() override;

    QGroupBox* Frame5 = nullptr;
    QLineEdit* itmCat = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command6 = nullptr;
    ExtLV* ItemCatLV = nullptr;
    QLineEdit* itmName = nullptr;
    QLineEdit* itmPrice = nullptr;
    QLineEdit* itmNote = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command7 = nullptr;
    ExtLV* FoodLV = nullptr;

    // The window's load adds the item list's columns once, then fills the lists.
    void AddFoodColumns();
    // Refills the categories, then the items of the category selected afterwards (the first).
    void ItemCategoryListShow();
    // Refills the items of the selected category.
    void FoodItemListShow();

    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void ItemCatLV_Click();
    void FoodLV_Click();
    void itmCat_Click();
    void itmName_Click();
    void itmNote_Click();
    void itmPrice_Click();
    void itmPrice_LostFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QGroupBox* categoryGroup();
    QGroupBox* itemsGroup();
    void connectEvents();

    void fillCategories();
    void fillItems();
    void addCategory();
    // The first failing check of the item's boxes gets its balloon; true when all pass.
    bool itemAccepted();
    void addItem();
    void removeCategory();
    void removeItem();
    // The ID in the hidden column of the selected category.
    qint64 selectedCategoryId() const;
    void rejectField(QLineEdit* field, const QString& title, const QString& text);
    void hideBalloon();

    FormBalloon& balloon_;
};
