#pragma once

#include "administration/RoomStore.h"
#include "core/ui/CBalloonToolTip.h"

#include <QDialog>

class ExtLV;
class QLineEdit;
class QPushButton;

// The room editor: the identifier, the description and the tariff of the room selected in the
// administration window's room list, changed together.
class frmRoomAdminFloat final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmRoomAdminFloat)

public:
    // Edits the room selected in `roomList`.
    explicit frmRoomAdminFloat(ExtLV& roomList, QWidget* parent = nullptr);
    ~frmRoomAdminFloat() override;

    QLineEdit* txtRoomIDedit = nullptr;
    QLineEdit* txtRoomDescEdit = nullptr;
    QLineEdit* txtPriceEdit = nullptr;
    QPushButton* cmdEditIt = nullptr;
    QPushButton* cmdCancelIt = nullptr;

    qint32 SN = 0; // not used
    // The window's left and top, on the screen.
    qint32 WX = 0;
    qint32 WY = 0;

    // Where the window opens; called before it is shown.
    void LoadIt(qint32 x, qint32 y);

    void cmdEditIt_Click();
    void cmdCancelIt_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void connectEvents();
    void Form_Load();
    void txtRoomIDedit_KeyDown();
    // The room as the boxes now give it; a tariff that is not money throws.
    RoomStore::RoomChange typedChange() const;
    // A changed identifier must name a room that can be booked and that no other room has, and
    // the room's bookings must not lose their room; otherwise the user is told why.
    bool identifierChangeAccepted(const RoomStore::RoomChange& change);
    // A tariff below zero gets the editor's balloon at the rate box; true when there is none.
    bool tariffAccepted();
    void updateRoom();
    qint64 roomKey() const;

    ExtLV& roomList_;
    // The identifier as stored when the editor loaded.
    QString loadedId_;
    FormBalloon balloon_;
};
