#pragma once

#include <QWidget>

class AGPopUp;
class ExtLV;
class FormBalloon;
class ListItem;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The "Rooms" page of the administration window: rooms added with their own booking tables,
// listed, removed, opened in the room editor and exported.
class AdminRoomsPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AdminRoomsPage)

public:
    // The page shows its validation balloons through the window's balloon.
    explicit AdminRoomsPage(FormBalloon& balloon, QWidget* parent = nullptr);
    ~AdminRoomsPage() override;

    // The room a row of the list stands for: its identifier as stored, and its key.
    static QString RoomIdOf(const ListItem& row);
    static qint64 RoomKeyOf(const ListItem& row);

    QGroupBox* Frame1 = nullptr;
    QLabel* Picture1 = nullptr;
    QLineEdit* txtRoomID = nullptr;
    QLineEdit* txtRoomDesc = nullptr;
    QComboBox* comboRoomType = nullptr;
    QLineEdit* txtRoomPrice = nullptr;
    QPushButton* cmdAddRoom = nullptr;
    QPushButton* cmdRemoveRoom = nullptr;
    ExtLV* listRoomView = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    AGPopUp* AGPopUp1 = nullptr;

    // The window's load: the list's columns, then the room types.
    void AddRoomColumns();
    void FillRoomTypes();
    // Refills the room list from tbl_Rooms.
    void RoomListShow();

    void cmdAddRoom_Click();
    void cmdRemoveRoom_Click();
    void iRemoveRoom();
    void EditSelectedRoom();
    void AGPopUp1_MenuClick(const QString& ItemName);
    // Writes the list to a spreadsheet file the user names, showing the rows written.
    void ExportToExcel(ExtLV& list, const QString& initialName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void connectEvents();
    // The first failing check gets its balloon; true when the room can be added.
    bool roomAccepted();
    // The balloon at the ID box for an identifier another room has.
    void showIdTaken();
    void enableAddRoom();
    void hideBalloon();
    void Picture1_MouseDown();
    void txtRoomID_MouseDown();
    void txtRoomDesc_MouseDown();
    void txtRoomID_Click();
    void txtRoomDesc_Click();
    void txtRoomID_KeyDown();
    void listRoomView_DblClick();
    void listRoomView_MouseDown(int Button, int Shift, int X, int Y);
    void showExportProgress(int rowsWritten, int rowCount);

    FormBalloon& balloon_;
};
