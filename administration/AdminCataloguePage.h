#pragma once

#include <QWidget>

class FormBalloon;

// The " Food && Beverage" page of the administration window: the food and beverage catalogue's
// categories and items.
class AdminCataloguePage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AdminCataloguePage)

public:
    // The page shows its validation balloons through the window's balloon.
    explicit AdminCataloguePage(FormBalloon& balloon, QWidget* parent = nullptr);
    ~AdminCataloguePage() override;

    void AddFoodColumns();
    void ItemCategoryListShow();

private:
    FormBalloon& balloon_;
};
