#include "administration/frmAdminArea.h"

#include "administration/AdminCataloguePage.h"
#include "administration/AdminDatabasePage.h"
#include "administration/AdminHotelPage.h"
#include "administration/AdminRoomsPage.h"
#include "administration/AdminUsersPage.h"
#include "core/DefaultInstance.h"
#include "core/ErrorReport.h"
#include "core/ui/FormControls.h"
#include "core/ui/Workspace.h"

#include <QGridLayout>
#include <QTabWidget>

namespace {

constexpr int kLoadWidthTwips = 9450;
constexpr int kLoadHeightTwips = 7755;
// The content as designed: what the window shows inside its frame at its load size.
constexpr int kContentWidthTwips = 9330;
constexpr int kContentHeightTwips = 7335;

} // namespace

frmAdminArea::frmAdminArea() {
    setObjectName(QStringLiteral("frmAdminArea"));
    setWindowTitle(QStringLiteral("Administration"));
    setAttribute(Qt::WA_DeleteOnClose);
    layOut();
    // A balloon belongs to the page that showed it.
    connect(SSTab1, &QTabWidget::currentChanged, this, [this] { balloon_.Remove(); });
    Form_Load();
}

frmAdminArea::~frmAdminArea() = default;

void frmAdminArea::ShowWindow() {
    Workspace::ShowChild(DefaultInstance<frmAdminArea>(),
                         TwipsSize(kLoadWidthTwips, kLoadHeightTwips));
}

void frmAdminArea::layOut() {
    SSTab1 = Named(new QTabWidget(PicInner), QStringLiteral("SSTab1"));
    RoomsPage = new AdminRoomsPage(balloon_, SSTab1);
    CataloguePage = new AdminCataloguePage(balloon_, SSTab1);
    DatabasePage = new AdminDatabasePage(balloon_, SSTab1);
    UsersPage = new AdminUsersPage(balloon_, SSTab1);
    HotelPage = new AdminHotelPage(balloon_, SSTab1);
    SSTab1->addTab(RoomsPage, QStringLiteral("Rooms"));
    SSTab1->addTab(CataloguePage, QStringLiteral(" Food && Beverage"));
    SSTab1->addTab(DatabasePage, QStringLiteral("Database Settings"));
    SSTab1->addTab(UsersPage, QStringLiteral("User Accounts"));
    SSTab1->addTab(HotelPage, QStringLiteral("Other Settings"));
    (new QGridLayout(PicInner))->addWidget(SSTab1, 0, 0);
    // Pages that need more room than designed make the window scroll.
    SetContentSize(
        PicInner->minimumSizeHint().expandedTo(TwipsSize(kContentWidthTwips, kContentHeightTwips)));
}

void frmAdminArea::Form_Load() {
    Guarded(QStringLiteral("ADM0013"), [this] {
        CataloguePage->AddFoodColumns();
        RoomsPage->AddRoomColumns();
        UsersPage->AddUserColumns();
        DatabasePage->LoadSettings();
        RoomsPage->FillRoomTypes();
        // Each list reports its own failure, and the next one still loads.
        RoomListShow();
        UserListView();
        HotelPage->HotelInfoShow();
        CataloguePage->ItemCategoryListShow();
    });
}

void frmAdminArea::RoomListShow() {
    RoomsPage->RoomListShow();
}

void frmAdminArea::UserListView() {
    UsersPage->UserListView();
}
