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
    // The hotel information was saved and the order sign read again: the customer and order
    // windows show their numbers with the new sign.
    void HotelInfoChanged();

private:
    WindowNotices() = default;
    ~WindowNotices() override = default;
};
