#pragma once

#include <QObject>

// True while the booking window is loaded.
extern bool BookingFormOpen;

// What one window tells the others without knowing them: a window announces a change here,
// and the windows that show what changed listen and reload.
class WindowNotices final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowNotices)

public:
    static WindowNotices& Instance();

signals:
    // The room taxes changed: the booking window reloads its room-tax percent.
    void RoomTaxesChanged();
    // The bookings changed under the customer list (a booking's details were saved, or one it
    // shows was found removed): the list runs its query again.
    void CustomerDetailsUpdated();
    // The hotel information was saved and the order sign read again: the customer and order
    // windows show their numbers with the new sign.
    void HotelInfoChanged();
    // A user logged in: the main window shows who.
    void LoggedIn(const QString& userName);

private:
    WindowNotices() = default;
    ~WindowNotices() override = default;
};
