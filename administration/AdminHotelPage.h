#pragma once

#include <QWidget>

class FormBalloon;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

// The "Other Settings" page of the administration window: the hotel's information, with the
// order sign shown before customer and order numbers, and the clearing of the customer history.
class AdminHotelPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AdminHotelPage)

public:
    // The page shows its validation balloons through the window's balloon.
    explicit AdminHotelPage(FormBalloon& balloon, QWidget* parent = nullptr);
    ~AdminHotelPage() override;

    QGroupBox* Frame8 = nullptr;
    QLineEdit* txtHotelName = nullptr;
    QLineEdit* txtHotelPhone = nullptr;
    QLineEdit* txtHotelFax = nullptr;
    QLineEdit* txtHotelAddress = nullptr;
    QCheckBox* AddOrderSign = nullptr;
    QPushButton* Command9 = nullptr;
    QGroupBox* Frame9 = nullptr;
    QPushButton* Command8 = nullptr;

    // The window's load: the fields from the stored hotel information.
    void HotelInfoShow();

    void Command9_Click();
    void Command8_Click();

private:
    void buildControls();
    void connectEvents();
    void showHotelInfo();

    FormBalloon& balloon_;
};
