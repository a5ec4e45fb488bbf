#include "reservations/frmRoomList.h"

#include "administration/RoomStore.h"
#include "core/DefaultInstance.h"
#include "core/ErrorReport.h"
#include "core/Recordset.h"
#include "core/theDBworks.h"
#include "core/ui/Dialogs.h"
#include "core/ui/ExtLV.h"
#include "core/ui/FormControls.h"
#include "core/ui/ListExport.h"
#include "core/ui/ListFill.h"
#include "core/ui/Workspace.h"
#include "reservations/RoomBookingStore.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kWidthTwips = 9600;
constexpr int kHeightTwips = 7000;
constexpr long kCouldNotPopulate = 11;

const QString kCaption = QStringLiteral("Booking Details for Room :");

// The customer's title and names in the order of a name view option.
QString nameInOrder(const Recordset& booking, int order) {
    const QString title = booking.Text(QStringLiteral("cTitle"));
    const QString first = booking.Text(QStringLiteral("cFirstName"));
    const QString last = booking.Text(QStringLiteral("cLastName"));
    const QStringList parts = order == 1   ? QStringList{last, first, title}
                              : order == 2 ? QStringList{first, last, title}
                                           : QStringList{title, first, last};
    return parts.join(QLatin1Char(' '));
}

ListColumns scheduleColumns(int nameOrder) {
    return {
        {QStringLiteral("Bookedy By"),
         QStringLiteral("Visual Basic Algorithms563653536536536535353654"),
         [nameOrder](const Recordset& booking) { return nameInOrder(booking, nameOrder); }},
        DateColumn(QStringLiteral("Check In"), QStringLiteral("Abbrdrev36535"),
                   QStringLiteral("CheckInDate")),
        DateColumn(QStringLiteral("Check Out"), QStringLiteral("Ready-to-Run owjjiuu"),
                   QStringLiteral("CheckOutDate")),
    };
}

// The window's own report of a failure: a message box with the critical icon.
void reportFailure(const std::exception& failure) {
    const auto* known = dynamic_cast<const StaymarkError*>(&failure);
    const long number = known ? known->Number() : 0;
    Dialogs::Message(number == kCouldNotPopulate
                         ? QStringLiteral("Error : Could Not Populate the Room Schedule List!")
                         : QStringLiteral("Error : ") + QString::number(number) + kLineBreak +
                               DescriptionOf(failure),
                     Dialogs::Icon::Critical);
}

template <typename Body> void reportingFailures(Body&& body) {
    try {
        body();
    } catch (const DatabaseUnreachable&) {
        // The database locate tool has told the user already.
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}

} // namespace

frmRoomList::frmRoomList() {
    setObjectName(QStringLiteral("frmRoomList"));
    setWindowTitle(QStringLiteral("Room(s) Booking Schedules"));
    setAttribute(Qt::WA_DeleteOnClose);
    layOut();
    connectEvents();
    Form_Load();
}

frmRoomList::~frmRoomList() = default;

void frmRoomList::ShowWindow() {
    Workspace::ShowChild(DefaultInstance<frmRoomList>(), TwipsSize(kWidthTwips, kHeightTwips));
}

void frmRoomList::layOut() {
    ComboRooms = NewCombo(PicInner, QStringLiteral("ComboRooms"), {}, false);
    auto* nameView = NewFrame(PicInner, QStringLiteral("Name View"), QStringLiteral("Frame2"));
    auto* options = new QVBoxLayout(nameView);
    const QStringList captions{QStringLiteral("Title, First, Last Name"),
                               QStringLiteral("Last, First Name, Title"),
                               QStringLiteral("First, Last Name, Title")};
    for (int i = 0; i < 3; ++i) {
        Option1[i] =
            Named(new QRadioButton(captions.at(i), nameView), QStringLiteral("Option1_%1").arg(i));
        options->addWidget(Option1[i]);
    }
    Command1 = NewButton(PicInner, QStringLiteral("Command1"), QStringLiteral("Export to Excel"));
    Frame1 = NewFrame(PicInner, kCaption, QStringLiteral("Frame1"));
    listRoomView = Named(new ExtLV(Frame1), QStringLiteral("listRoomView"));
    listRoomView->setMinimumSize(560, 220);
    (new QVBoxLayout(Frame1))->addWidget(listRoomView);

    auto* grid = new QGridLayout(PicInner);
    auto* chooser = new QGridLayout();
    AddCaptionRow(chooser, 0, QStringLiteral("Room Selection :"), ComboRooms);
    chooser->addWidget(Command1, 1, 1);
    chooser->setRowStretch(2, 1);
    grid->addLayout(chooser, 0, 0);
    grid->addWidget(nameView, 0, 1);
    grid->addWidget(Frame1, 1, 0, 1, 2);
    SetContentSize(grid->sizeHint());
}

void frmRoomList::connectEvents() {
    connect(ComboRooms, &QComboBox::currentIndexChanged, this, &frmRoomList::ComboRooms_Click);
    for (int i = 0; i < 3; ++i)
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool chosen) {
            if (chosen)
                Option1_Click(i);
        });
    connect(Command1, &QPushButton::clicked, this, &frmRoomList::Command1_Click);
}

void frmRoomList::Form_Load() {
    reportingFailures([this] {
        Option1[0]->setChecked(true);
        listRoomView->FullRowSelect(true);
        AddColumns(*listRoomView, scheduleColumns(0));
        GetRoomInCombo();
    });
}

void frmRoomList::GetRoomInCombo() {
    RoomStore::OpenRooms();
    QStringList rooms;
    theDBworks::ForEachRecord(
        [&rooms](const Recordset& room) { rooms << room.Text(QStringLiteral("RoomNameID")); });
    {
        const QSignalBlocker quiet(ComboRooms);
        ComboRooms->addItems(rooms);
        ComboRooms->setCurrentIndex(-1);
    }
    if (ComboRooms->count() > 0)
        ComboRooms->setCurrentIndex(0);
}

int frmRoomList::chosenNameOrder() const {
    for (int i = 0; i < 3; ++i)
        if (Option1[i]->isChecked())
            return i;
    return 0;
}

void frmRoomList::getRoomList() {
    const QString room = ComboRooms->currentText();
    if (room.isEmpty())
        return;
    reportingFailures([&] {
        Frame1->setTitle(kCaption + room);
        listRoomView->ListItems().Clear();
        RoomBookingStore::OpenSchedule(room);
        FillFromRecordset(*listRoomView, scheduleColumns(chosenNameOrder()));
    });
}

// A room chosen: its bookings.
void frmRoomList::ComboRooms_Click() {
    getRoomList();
}

// A name view chosen: the list again, the names in that order.
void frmRoomList::Option1_Click(int) {
    getRoomList();
}

// "Export to Excel": the list to a spreadsheet file.
void frmRoomList::Command1_Click() {
    reportingFailures([this] { ListExport::ExportToExcel(*listRoomView, this, QString()); });
}
