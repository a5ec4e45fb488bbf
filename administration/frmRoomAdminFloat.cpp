#include "administration/frmRoomAdminFloat.h"

#include "administration/AdminRoomsPage.h"
#include "administration/RoomIdFilter.h"
#include "administration/frmAdminArea.h"
#include "core/DefaultInstance.h"
#include "core/ErrorReport.h"
#include "core/theDBworks.h"
#include "core/ui/Dialogs.h"
#include "core/ui/EnterPresses.h"
#include "core/ui/ExtLV.h"
#include "core/ui/FormControls.h"
#include "core/ui/Icons.h"
#include "core/ui/ListFill.h"
#include "core/ui/NumberBoxes.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kClientWidthTwips = 5040;
constexpr int kClientHeightTwips = 2040;

// Under another identifier the room would lose the bookings its table holds.
QString bookedIdText(const QString& storedId) {
    return QStringLiteral("Room ") + storedId +
           QStringLiteral(" has bookings, so it keeps its Room ID: under another ID the room "
                          "would lose them.");
}

} // namespace

frmRoomAdminFloat::frmRoomAdminFloat(ExtLV& roomList, QWidget* parent)
    : QDialog(parent)
    , roomList_(roomList) {
    setObjectName(QStringLiteral("frmRoomAdminFloat"));
    setWindowTitle(QStringLiteral("Update Room Info"));
    layOut();
    connectEvents();
    Form_Load();
}

frmRoomAdminFloat::~frmRoomAdminFloat() = default;

void frmRoomAdminFloat::layOut() {
    txtRoomIDedit = NewTextBox(this, QStringLiteral("txtRoomIDedit"), QStringLiteral("Room ID"));
    txtRoomDescEdit =
        NewTextBox(this, QStringLiteral("txtRoomDescEdit"), QStringLiteral("Room Description"));
    txtPriceEdit =
        NewTextBox(this, QStringLiteral("txtPriceEdit"), QStringLiteral("Tariff per day"));
    cmdEditIt = NewPictureButton(this, QStringLiteral("cmdEditIt"), Icons::Get(Icons::Name::Modify),
                                 QStringLiteral("Modify"));
    cmdCancelIt = NewPictureButton(this, QStringLiteral("cmdCancelIt"),
                                   Icons::Get(Icons::Name::Cancel), QStringLiteral("Cancel"));
    auto* grid = new QGridLayout(this);
    AddCaptionRow(grid, 0, QStringLiteral("Room ID :"), txtRoomIDedit);
    AddCaptionRow(grid, 1, QStringLiteral("Note : "), txtRoomDescEdit);
    AddCaptionRow(grid, 2, QStringLiteral("Rate : "), txtPriceEdit);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(cmdEditIt);
    buttons->addWidget(cmdCancelIt);
    grid->addLayout(buttons, 3, 0, 1, 2);
    setMinimumSize(TwipsSize(kClientWidthTwips, kClientHeightTwips));
}

void frmRoomAdminFloat::connectEvents() {
    connect(cmdEditIt, &QPushButton::clicked, this, &frmRoomAdminFloat::cmdEditIt_Click);
    connect(cmdCancelIt, &QPushButton::clicked, this, &frmRoomAdminFloat::cmdCancelIt_Click);
    for (QLineEdit* box : {txtRoomIDedit, txtRoomDescEdit, txtPriceEdit})
        PressOnEnter(box, cmdEditIt);
    txtRoomIDedit->installEventFilter(this);
    connect(txtPriceEdit, &QLineEdit::textEdited, this, [this] { balloon_.Remove(); });
    SelectAmountOnClick(txtPriceEdit);
}

void frmRoomAdminFloat::LoadIt(qint32 x, qint32 y) {
    WX = x;
    WY = y;
    move(WX, WY);
}

// A room that cannot be read leaves the boxes empty.
void frmRoomAdminFloat::Form_Load() {
    frmAdminArea* admin = LoadedInstance<frmAdminArea>();
    // No earlier room's key may stand for a room that was not found.
    if (admin)
        admin->ListViewValueFromDB = 0;
    std::optional<RoomStore::Room> room;
    IgnoreErrors(
        [&] { room = RoomStore::FindRoom(AdminRoomsPage::RoomIdOf(roomList_.SelectedItem())); });
    if (!room)
        return;
    loadedId_ = room->storedId;
    txtRoomIDedit->setText(loadedId_);
    txtRoomDescEdit->setText(ShownStoredText(room->description));
    txtPriceEdit->setText(room->tariff.Format());
    if (admin)
        admin->ListViewValueFromDB = room->key;
}

qint64 frmRoomAdminFloat::roomKey() const {
    const frmAdminArea* admin = LoadedInstance<frmAdminArea>();
    return admin ? admin->ListViewValueFromDB : 0;
}

// Modify: changes the room as the boxes give it, after the question.
void frmRoomAdminFloat::cmdEditIt_Click() {
    if (!tariffAccepted())
        return;
    if (!Dialogs::AskYesNo(QStringLiteral("Update Selected Room?"),
                           QStringLiteral("Update Room Info"))) {
        close();
        return;
    }
    try {
        updateRoom();
    } catch (const DatabaseFailureShown&) {
        // The locate tool, or the message that another desk holds the room, told the user.
        close();
    } catch (const std::exception& error) {
        const auto* own = dynamic_cast<const StaymarkError*>(&error);
        Dialogs::Message(CriticalErrorText(QStringLiteral("flot_0002"), own ? own->Number() : 0,
                                           DescriptionOf(error)),
                         Dialogs::Icon::Critical);
        close();
    }
}

// A rate that is not one amount, or below zero, gets the balloon: nothing is asked or changed.
bool frmRoomAdminFloat::tariffAccepted() {
    const PriceText tariff = CheckPrice(txtPriceEdit->text());
    if (tariff == PriceText::Accepted)
        return true;
    ShowValidationBalloon(balloon_.Tip(), txtPriceEdit, QStringLiteral("Invalid Tariff"),
                          tariff == PriceText::Negative
                              ? NegativePriceText(QStringLiteral("Tariff"))
                              : QStringLiteral("Please Enter Tariff as Numeric Characters!"));
    txtPriceEdit->setFocus();
    return false;
}

void frmRoomAdminFloat::updateRoom() {
    if (roomKey() <= 0) {
        Dialogs::Message(QStringLiteral("Room ") +
                         AdminRoomsPage::RoomIdOf(roomList_.SelectedItem()) +
                         QStringLiteral(" is not on the Room List any more!"));
    } else {
        const RoomStore::RoomChange change = typedChange();
        // Refused: the window stays open for another identifier.
        if (!identifierChangeAccepted(change))
            return;
        const RoomStore::Result update = RoomStore::UpdateRoom(change);
        // Refused: the window stays open, and the identifier can go back to the room's own.
        if (update.outcome == RoomStore::Result::Outcome::Booked) {
            Dialogs::Message(bookedIdText(change.storedId));
            return;
        }
        // A refused statement has reported itself, and the room was left as it was.
        if (update.outcome != RoomStore::Result::Outcome::Done) {
            close();
            return;
        }
    }
    if (frmAdminArea* admin = LoadedInstance<frmAdminArea>())
        admin->RoomListShow();
    close();
}

RoomStore::RoomChange frmRoomAdminFloat::typedChange() const {
    RoomStore::RoomChange change;
    change.roomKey = roomKey();
    change.storedId = loadedId_;
    change.newStoredId = RoomStore::StoredId(txtRoomIDedit->text());
    change.description = txtRoomDescEdit->text();
    change.tariff = Currency::FromText(txtPriceEdit->text());
    return change;
}

bool frmRoomAdminFloat::identifierChangeAccepted(const RoomStore::RoomChange& change) {
    if (change.newStoredId == change.storedId.trimmed())
        return true;
    QString refusal;
    if (!RoomStore::IsWholeNumberId(change.newStoredId))
        refusal = QStringLiteral("Please Enter Room ID as Numeric Characters!");
    else if (RoomStore::IdTakenByAnother(change.newStoredId, change.roomKey))
        refusal = QStringLiteral("Room ") + change.newStoredId +
                  QStringLiteral(" Already Exist! Please change Room ID.");
    if (refusal.isEmpty())
        return true;
    Dialogs::Message(refusal);
    return false;
}

// Cancel: closes the window.
void frmRoomAdminFloat::cmdCancelIt_Click() {
    close();
}

void frmRoomAdminFloat::txtRoomIDedit_KeyDown() {
    FilterRoomIdBox(*txtRoomIDedit);
}

bool frmRoomAdminFloat::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtRoomIDedit && event->type() == QEvent::KeyPress)
        txtRoomIDedit_KeyDown();
    return QDialog::eventFilter(watched, event);
}
