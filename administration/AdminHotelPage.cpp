#include "administration/AdminHotelPage.h"

#include "administration/HotelInfoStore.h"
#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/WindowNotices.h"
#include "core/ui/CBalloonToolTip.h"
#include "core/ui/Dialogs.h"
#include "core/ui/EnterPresses.h"
#include "core/ui/FormControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The address is kept in a memo column, so it may be longer than the other details.
constexpr int kAddressLength = 2000;

} // namespace

AdminHotelPage::AdminHotelPage(FormBalloon& balloon, QWidget* parent)
    : QWidget(parent)
    , balloon_(balloon) {
    setObjectName(QStringLiteral("AdminHotelPage"));
    buildControls();
    connectEvents();
}

AdminHotelPage::~AdminHotelPage() = default;

void AdminHotelPage::buildControls() {
    Frame8 = NewFrame(this, QStringLiteral("Hotel Information"), QStringLiteral("Frame8"));
    txtHotelName = NewTextBox(Frame8, QStringLiteral("txtHotelName"));
    txtHotelPhone = NewTextBox(Frame8, QStringLiteral("txtHotelPhone"));
    txtHotelFax = NewTextBox(Frame8, QStringLiteral("txtHotelFax"));
    txtHotelAddress = NewTextBox(Frame8, QStringLiteral("txtHotelAddress"), {}, kAddressLength);
    AddOrderSign = NewCheckBox(Frame8, QStringLiteral("AddOrderSign"),
                               QStringLiteral(" Add '#' character before Order Numbers and IDs?"));
    Command9 = NewButton(Frame8, QStringLiteral("Command9"), QStringLiteral("&Save "));
    Frame9 = NewFrame(this, QString(), QStringLiteral("Frame9"));
    Command8 =
        NewButton(Frame9, QStringLiteral("Command8"), QStringLiteral("&Clear Customer History"));

    auto* grid = new QGridLayout(Frame8);
    AddCaptionRow(grid, 0, QStringLiteral("Hotel Name :"), txtHotelName);
    AddCaptionRow(grid, 1, QStringLiteral("Phone :"), txtHotelPhone);
    AddCaptionRow(grid, 2, QStringLiteral("Fax :"), txtHotelFax);
    AddCaptionRow(grid, 3, QStringLiteral("Address :"), txtHotelAddress);
    grid->addWidget(AddOrderSign, 4, 1);
    grid->addWidget(Command9, 5, 1, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    auto* history = new QVBoxLayout(Frame9);
    history->addWidget(Command8, 0, Qt::AlignLeft);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame8);
    layout->addWidget(Frame9);
    layout->addStretch(1);
}

void AdminHotelPage::connectEvents() {
    connect(Command9, &QPushButton::clicked, this, &AdminHotelPage::Command9_Click);
    connect(Command8, &QPushButton::clicked, this, &AdminHotelPage::Command8_Click);
    // Enter in a detail saves the details.
    for (QLineEdit* box : {txtHotelName, txtHotelPhone, txtHotelFax, txtHotelAddress})
        PressOnEnter(box, Command9);
}

void AdminHotelPage::HotelInfoShow() {
    Guarded(QStringLiteral("ADM0014"), [this] { showHotelInfo(); });
}

// When the row cannot be read, the fields keep what they held.
void AdminHotelPage::showHotelInfo() {
    const HotelInfoStore::HotelInfo info = HotelInfoStore::ReadHotelInfo();
    txtHotelName->setText(info.name);
    txtHotelPhone->setText(info.phone);
    txtHotelFax->setText(info.fax);
    txtHotelAddress->setText(info.address);
    AddOrderSign->setChecked(info.addOrderSign);
}

// "&Save ": stores the details; the order sign of the running program follows at once.
void AdminHotelPage::Command9_Click() {
    if (!Dialogs::AskYesNo(QStringLiteral("Do you want to save the changes?"),
                           QStringLiteral("Save Changes")))
        return;
    // A refused update has reported itself; it saved nothing.
    if (!HotelInfoStore::SaveHotelInfo({txtHotelName->text(), txtHotelPhone->text(),
                                        txtHotelFax->text(), txtHotelAddress->text(),
                                        AddOrderSign->isChecked()}))
        return;
    Dialogs::Message(QStringLiteral("Hotel Info Successfully Saved!"));
    // Without the row the order sign keeps what it was.
    IgnoreErrors([] { GlobalLogin::LoadHotelInfo(); });
    emit WindowNotices::Instance().HotelInfoChanged();
}

// "&Clear Customer History": empties the history of removed bookings.
void AdminHotelPage::Command8_Click() {
    if (!Dialogs::AskYesNo(QStringLiteral("Do you really want to clear all Customer History? "
                                          "Action can not be undone!")))
        return;
    if (HotelInfoStore::ClearCustomerHistory())
        Dialogs::Message(QStringLiteral("Cleared All Customer History"));
}
