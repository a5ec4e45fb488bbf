#pragma once

#include "core/ui/CBalloonToolTip.h"
#include "core/ui/frmScroll.h"

class AdminCataloguePage;
class AdminDatabasePage;
class AdminHotelPage;
class AdminRoomsPage;
class AdminUsersPage;
class QTabWidget;

// "Administration": the hotel's rooms, the food and beverage catalogue, the database settings,
// the user accounts and the hotel's information, one tab page each.
class frmAdminArea final : public ScrollableWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAdminArea)

public:
    frmAdminArea();
    ~frmAdminArea() override;

    // Opens the one instance as a child window, or brings it forward.
    static void ShowWindow();

    QTabWidget* SSTab1 = nullptr;
    AdminRoomsPage* RoomsPage = nullptr;         // tab 0 "Rooms"
    AdminCataloguePage* CataloguePage = nullptr; // tab 1 " Food && Beverage"
    AdminDatabasePage* DatabasePage = nullptr;   // tab 2 "Database Settings"
    AdminUsersPage* UsersPage = nullptr;         // tab 3 "User Accounts"
    AdminHotelPage* HotelPage = nullptr;         // tab 4 "Other Settings"

    // The RoomID of the room open in the room editor: its load writes it, its Modify reads it.
    qint64 ListViewValueFromDB = 0;

    // Refill the room list and the user list; the editors call them after a change.
    void RoomListShow();
    void UserListView();

private:
    void layOut();
    void Form_Load();

    FormBalloon balloon_;
};
