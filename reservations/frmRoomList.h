#pragma once

#include "core/ui/frmScroll.h"

#include <array>

class ExtLV;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// "Room(s) Booking Schedules": who holds the chosen room when, earliest check-out first.
class frmRoomList final : public ScrollableWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmRoomList)

public:
    frmRoomList();
    ~frmRoomList() override;

    // Opens the one room schedule as a child window, or brings it forward.
    static void ShowWindow();

    QComboBox* ComboRooms = nullptr;
    // 0 "Title, First, Last Name", 1 "Last, First Name, Title", 2 "First, Last Name, Title".
    std::array<QRadioButton*, 3> Option1{};
    QPushButton* Command1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    ExtLV* listRoomView = nullptr;

    // Fills the room chooser and chooses the first room.
    void GetRoomInCombo();
    // Lists the bookings of the chosen room.
    void getRoomList();

    void ComboRooms_Click();
    void Option1_Click(int Index);
    void Command1_Click();

private:
    void layOut();
    void connectEvents();
    void Form_Load();
    int chosenNameOrder() const;
};
