#pragma once

#include <QWidget>

class FormBalloon;

// The "Other Settings" page of the administration window: the hotel's information and the customer
// history.
class AdminHotelPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AdminHotelPage)

public:
    // The page shows its validation balloons through the window's balloon.
    explicit AdminHotelPage(FormBalloon& balloon, QWidget* parent = nullptr);
    ~AdminHotelPage() override;

    void HotelInfoShow();

private:
    FormBalloon& balloon_;
};
