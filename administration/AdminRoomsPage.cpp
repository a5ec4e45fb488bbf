#include "administration/AdminRoomsPage.h"

#include "administration/RoomIdFilter.h"
#include "administration/RoomStore.h"
#include "administration/frmRoomAdminFloat.h"
#include "core/Currency.h"
#include "core/ErrorReport.h"
#include "core/theDBworks.h"
#include "core/ui/AGPopUp.h"
#include "core/ui/CBalloonToolTip.h"
#include "core/ui/Dialogs.h"
#include "core/ui/EnterPresses.h"
#include "core/ui/ExtLV.h"
#include "core/ui/FormControls.h"
#include "core/ui/Icons.h"
#include "core/ui/ListExport.h"
#include "core/ui/ListFill.h"
#include "core/ui/NumberBoxes.h"

#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kIdPlaceholder = QStringLiteral("Room ID");
const QString kDescriptionPlaceholder = QStringLiteral("Description");
const QString kRemoveItem = QStringLiteral("mnuRemoveRoom");
const QString kEditItem = QStringLiteral("mnuEditSelected");
const QString kExportItem = QStringLiteral("mnuExportToExcel");
constexpr int kRightButton = 2;
constexpr int kProgressEnd = 1000;
constexpr int kPictureSize = 48;
const QString kRoomId = QStringLiteral("RoomNameID");
const QString kRoomKey = QStringLiteral("RoomID");

// The room's picture on the page and in the list (the list's small icon 1).
QIcon roomPicture() {
    return Icons::Get(Icons::Name::Room);
}

const ListColumns& roomColumns() {
    static const ListColumns columns{
        WholeTextColumn(QStringLiteral("Room ID"), QStringLiteral("Abbrdrev36535653"),
                        QStringLiteral("RoomNameID")),
        StoredTextColumn(QStringLiteral("Descripton"),
                         QStringLiteral("Algorithms563653536536536535353654"),
                         QStringLiteral("Description")),
        StoredTextColumn(QStringLiteral("Room Type"), QStringLiteral("Ready-to-Run owjjiuuuiijj"),
                         QStringLiteral("RoomType")),
        MoneyColumn(QStringLiteral("Tariff"), QStringLiteral("Ready-to-Run Visual "),
                    QStringLiteral("RoomPrice")),
        TextColumn(QString(), QString(), QStringLiteral("RoomID")),
    };
    return columns;
}

const RowValues& roomValues() {
    static const RowValues values{FieldValue(kRoomId), FieldValue(kRoomKey)};
    return values;
}

// Removing the room would take its bookings with its table.
QString bookedRoomText(const QString& roomId, int bookings) {
    return QStringLiteral("Room %1 is not removed: %2 %3 it.")
        .arg(roomId)
        .arg(bookings)
        .arg(bookings == 1 ? QStringLiteral("booking holds") : QStringLiteral("bookings hold"));
}

} // namespace

AdminRoomsPage::AdminRoomsPage(FormBalloon& balloon, QWidget* parent)
    : QWidget(parent)
    , balloon_(balloon) {
    setObjectName(QStringLiteral("AdminRoomsPage"));
    layOut();
    connectEvents();
}

AdminRoomsPage::~AdminRoomsPage() = default;

QString AdminRoomsPage::RoomIdOf(const ListItem& row) {
    return row.Value(kRoomId).toString();
}

qint64 AdminRoomsPage::RoomKeyOf(const ListItem& row) {
    return row.Number(kRoomKey);
}

void AdminRoomsPage::layOut() {
    Frame1 = NewFrame(this, QStringLiteral("Add / Remove Rooms"), QStringLiteral("Frame1"));
    Picture1 = NewPicture(Frame1, QStringLiteral("Picture1"), roomPicture(), kPictureSize);
    Picture1->setFixedSize(kPictureSize, kPictureSize);
    txtRoomID = NewTextBox(Frame1, QStringLiteral("txtRoomID"), QStringLiteral("Room ID"));
    txtRoomID->setText(kIdPlaceholder);
    txtRoomDesc =
        NewTextBox(Frame1, QStringLiteral("txtRoomDesc"), QStringLiteral("Room Description"));
    txtRoomDesc->setText(kDescriptionPlaceholder);
    comboRoomType =
        NewCombo(Frame1, QStringLiteral("comboRoomType"), {}, true, QStringLiteral("Room Type"));
    txtRoomPrice =
        NewTextBox(Frame1, QStringLiteral("txtRoomPrice"), QStringLiteral("Tariff per day"));
    cmdAddRoom = NewButton(Frame1, QStringLiteral("cmdAddRoom"), QStringLiteral("&Add Room"));
    cmdRemoveRoom =
        NewButton(Frame1, QStringLiteral("cmdRemoveRoom"), QStringLiteral("&Remove Room"),
                  QStringLiteral("Remove Selected Room"));
    listRoomView = Named(new ExtLV(Frame1), QStringLiteral("listRoomView"));
    ProgressBar1 = Named(new QProgressBar(Frame1), QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, kProgressEnd);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    AGPopUp1 = new AGPopUp(this);
    AGPopUp1->setObjectName(QStringLiteral("AGPopUp1"));
    AGPopUp1->AddItem(QStringLiteral("&Remove Room"), kRemoveItem);
    AGPopUp1->AddItem(QStringLiteral("&Edit Selected"), kEditItem);
    AGPopUp1->AddItem(QStringLiteral("-"), QString());
    AGPopUp1->AddItem(QStringLiteral("Export to Excel"), kExportItem);

    auto* grid = new QGridLayout(Frame1);
    grid->addWidget(Picture1, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(txtRoomID, 0, 1, 1, 2);
    grid->addWidget(txtRoomDesc, 0, 3, 1, 3);
    AddCaptionRow(grid, 1, QStringLiteral("Room Type :"), comboRoomType, 1);
    AddCaptionRow(grid, 1, QStringLiteral("Tariff :"), txtRoomPrice, 3);
    grid->addWidget(cmdAddRoom, 2, 4);
    grid->addWidget(cmdRemoveRoom, 2, 5);
    grid->addWidget(listRoomView, 3, 0, 1, 6);
    grid->addWidget(ProgressBar1, 4, 0, 1, 6);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(3, 1);
    (new QVBoxLayout(this))->addWidget(Frame1);
}

void AdminRoomsPage::connectEvents() {
    connect(cmdAddRoom, &QPushButton::clicked, this, &AdminRoomsPage::cmdAddRoom_Click);
    connect(cmdRemoveRoom, &QPushButton::clicked, this, &AdminRoomsPage::cmdRemoveRoom_Click);
    for (QLineEdit* box : {txtRoomID, txtRoomDesc, txtRoomPrice}) {
        connect(box, &QLineEdit::textChanged, this, &AdminRoomsPage::enableAddRoom);
        // Enter in a field adds the room, as the button would while it is enabled.
        PressOnEnter(box, cmdAddRoom);
    }
    connect(comboRoomType, &QComboBox::currentTextChanged, this, &AdminRoomsPage::enableAddRoom);
    SelectAmountOnClick(txtRoomPrice);
    connect(listRoomView, &ExtLV::DblClick, this, &AdminRoomsPage::listRoomView_DblClick);
    connect(listRoomView, &ExtLV::MouseDown, this, &AdminRoomsPage::listRoomView_MouseDown);
    connect(AGPopUp1, &AGPopUp::MenuClick, this, &AdminRoomsPage::AGPopUp1_MenuClick);
    for (QWidget* control : {static_cast<QWidget*>(txtRoomID), static_cast<QWidget*>(txtRoomDesc),
                             static_cast<QWidget*>(Picture1)})
        control->installEventFilter(this);
}

void AdminRoomsPage::AddRoomColumns() {
    listRoomView->FullRowSelect(true);
    listRoomView->GridLines(true);
    AddColumns(*listRoomView, roomColumns());
}

void AdminRoomsPage::FillRoomTypes() {
    comboRoomType->addItems(
        {QStringLiteral("Twin Bed"), QStringLiteral("Single Bed"), QStringLiteral("Double Bed")});
    comboRoomType->setCurrentIndex(0);
}

void AdminRoomsPage::RoomListShow() {
    Guarded(QStringLiteral("ADM0016"), [this] {
        listRoomView->SetSmallIcons({roomPicture()});
        listRoomView->ListItems().Clear();
        RoomStore::OpenRooms();
        FillFromRecordset(*listRoomView, roomColumns(), roomValues(),
                          [](ListItem& row, const Recordset&) { row.SmallIcon(1); });
    });
}

// "&Add Room": adds the room with its booking table.
void AdminRoomsPage::cmdAddRoom_Click() {
    cmdAddRoom->setEnabled(false);
    bool duplicate = false;
    Guarded(QStringLiteral("ADM0004"), [&] {
        if (RoomStore::FindRoom(RoomStore::StoredId(txtRoomID->text()))) {
            duplicate = true;
            showIdTaken();
            return;
        }
        if (!roomAccepted())
            return;
        if (txtRoomDesc->text() == kDescriptionPlaceholder)
            txtRoomDesc->clear();
        const RoomStore::Result added =
            RoomStore::AddRoom(txtRoomID->text(), txtRoomDesc->text(), comboRoomType->currentText(),
                               Currency::FromText(txtRoomPrice->text()));
        // Another desk added the room since the check above.
        if (added.outcome == RoomStore::Result::Outcome::IdTaken) {
            duplicate = true;
            showIdTaken();
            return;
        }
        // A refused statement has reported itself, and nothing of the room was kept.
        if (added.outcome != RoomStore::Result::Outcome::Done)
            return;
        Dialogs::Message(QStringLiteral("Room ") + txtRoomID->text() +
                         QStringLiteral(" Added on the Room List!"));
        RoomListShow();
    });
    // After a duplicate the button waits for a field to change.
    if (!duplicate)
        cmdAddRoom->setEnabled(true);
}

void AdminRoomsPage::showIdTaken() {
    const QString title = txtRoomID->text().isEmpty()
                              ? QStringLiteral("Room ") + txtRoomID->text() +
                                    QStringLiteral(" Already Exist! Please change Room ID.")
                              : QStringLiteral("Room Already Exist!");
    ShowValidationBalloon(balloon_.Tip(), txtRoomID, title,
                          QStringLiteral("Please Enter Room ID!"));
}

bool AdminRoomsPage::roomAccepted() {
    const QString storedId = RoomStore::StoredId(txtRoomID->text());
    if (txtRoomID->text() == kIdPlaceholder || storedId.isEmpty()) {
        ShowValidationBalloon(balloon_.Tip(), txtRoomID, QStringLiteral("Please enter Room ID"),
                              QStringLiteral("Please Enter Room ID!"));
        return false;
    }
    // The booking tables hold the identifier as a whole number: any other could not be booked.
    if (!RoomStore::IsWholeNumberId(storedId)) {
        ShowValidationBalloon(balloon_.Tip(), txtRoomID, QStringLiteral("Invalid Room ID"),
                              QStringLiteral("Please Enter Room ID as Numeric Characters!"));
        return false;
    }
    const QString price = txtRoomPrice->text();
    const PriceText tariff = CheckPrice(price);
    if (tariff == PriceText::Negative) {
        ShowValidationBalloon(balloon_.Tip(), txtRoomPrice, QStringLiteral("Invalid Tariff"),
                              NegativePriceText(QStringLiteral("Tariff")));
        return false;
    }
    if (price.isEmpty() || tariff != PriceText::Accepted) {
        ShowValidationBalloon(balloon_.Tip(), txtRoomPrice,
                              price.isEmpty()
                                  ? QStringLiteral("Please enter Numeric values in the Box")
                                  : QStringLiteral("Invalid Tariff"),
                              QStringLiteral("Please Enter Tariff as Numeric Characters!"));
        return false;
    }
    return true;
}

// "&Remove Room": removes the selected room.
void AdminRoomsPage::cmdRemoveRoom_Click() {
    iRemoveRoom();
}

void AdminRoomsPage::iRemoveRoom() {
    Guarded(QStringLiteral("ADM0003"), [this] {
        if (!Dialogs::AskYesNo(QStringLiteral("Remove Selected Room! Are you Sure?"),
                               QStringLiteral("Remove Room")))
            return;
        const ListItem room = listRoomView->SelectedItem();
        const QString roomId = RoomIdOf(room);
        const RoomStore::Result removal = RoomStore::RemoveRoom(RoomKeyOf(room), roomId);
        if (removal.outcome == RoomStore::Result::Outcome::Booked) {
            Dialogs::Message(bookedRoomText(roomId, removal.bookings));
            return;
        }
        // A refused statement has reported itself, and the room was left as it was.
        if (removal.outcome != RoomStore::Result::Outcome::Done)
            return;
        Dialogs::Message(QStringLiteral("Room ") + roomId + QStringLiteral(" Removed!"));
        // A server that went away at the end has been met in the locate tool already.
        if (theDBworks::IsConnected())
            RoomListShow();
    });
}

void AdminRoomsPage::EditSelectedRoom() {
    Guarded(QStringLiteral("ADM0018"), [this] {
        const int x = listRoomView->ItemX();
        const int y = listRoomView->ItemY();
        // The editor opens over the page: no balloon of the page stays above it.
        balloon_.Remove();
        frmRoomAdminFloat editor(*listRoomView, window());
        editor.LoadIt(x, y);
        Dialogs::RunModal(editor);
    });
}

// An item of the room list's menu.
void AdminRoomsPage::AGPopUp1_MenuClick(const QString& ItemName) {
    Guarded(QStringLiteral("ADM0001"), [&] {
        if (ItemName == kRemoveItem) {
            iRemoveRoom();
        } else if (ItemName == kEditItem) {
            EditSelectedRoom();
        } else if (ItemName == kExportItem) {
            ProgressBar1->setValue(0);
            ExportToExcel(*listRoomView, QStringLiteral("Room List"));
        }
    });
}

void AdminRoomsPage::ExportToExcel(ExtLV& list, const QString& initialName) {
    Guarded(QStringLiteral("ADM0002"), [&] {
        ProgressBar1->show();
        // A cancelled dialog leaves the bar as it is.
        if (!ListExport::ExportToExcel(list, window(), initialName,
                                       [this](int rowsWritten, int rowCount) {
                                           showExportProgress(rowsWritten, rowCount);
                                       }))
            return;
        ProgressBar1->setValue(kProgressEnd);
        ProgressBar1->hide();
    });
}

// The bar is painted at once: the export holds the event loop until it ends.
void AdminRoomsPage::showExportProgress(int rowsWritten, int rowCount) {
    if (rowCount <= 0)
        return;
    const int value = int(qint64(rowsWritten) * kProgressEnd / rowCount);
    if (value == ProgressBar1->value())
        return;
    ProgressBar1->setValue(value);
    ProgressBar1->repaint();
}

// A double-click in the list opens its menu.
void AdminRoomsPage::listRoomView_DblClick() {
    AGPopUp1->PopUp(QCursor::pos());
}

// The right button in the list opens its menu at the mouse.
void AdminRoomsPage::listRoomView_MouseDown(int Button, int, int X, int Y) {
    Guarded(QStringLiteral("ADM0019"), [&] {
        if (Button == kRightButton)
            AGPopUp1->PopUp(listRoomView->mapToGlobal(QPoint(X, Y)));
    });
}

void AdminRoomsPage::enableAddRoom() {
    cmdAddRoom->setEnabled(true);
}

void AdminRoomsPage::hideBalloon() {
    balloon_.Remove();
}

// A press in the picture or the two boxes takes the balloon away.
void AdminRoomsPage::Picture1_MouseDown() {
    hideBalloon();
}
void AdminRoomsPage::txtRoomID_MouseDown() {
    hideBalloon();
}
void AdminRoomsPage::txtRoomDesc_MouseDown() {
    hideBalloon();
}

// A click in a box that still shows its placeholder empties it.
void AdminRoomsPage::txtRoomID_Click() {
    if (txtRoomID->text() == kIdPlaceholder)
        txtRoomID->clear();
}
void AdminRoomsPage::txtRoomDesc_Click() {
    if (txtRoomDesc->text() == kDescriptionPlaceholder)
        txtRoomDesc->clear();
}

void AdminRoomsPage::txtRoomID_KeyDown() {
    FilterRoomIdBox(*txtRoomID);
}

bool AdminRoomsPage::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress) {
        if (watched == Picture1)
            Picture1_MouseDown();
        else if (watched == txtRoomID)
            txtRoomID_MouseDown();
        else if (watched == txtRoomDesc)
            txtRoomDesc_MouseDown();
    } else if (type == QEvent::MouseButtonRelease) {
        if (watched == txtRoomID)
            txtRoomID_Click();
        else if (watched == txtRoomDesc)
            txtRoomDesc_Click();
    } else if (type == QEvent::KeyPress && watched == txtRoomID) {
        txtRoomID_KeyDown();
    }
    return QWidget::eventFilter(watched, event);
}
