#include "reservations/BookingRoomRows.h"

#include "core/Recordset.h"
#include "core/ui/ExtLV.h"

namespace {

const QString kRoomId = QStringLiteral("RoomNameID");
const QString kRoomType = QStringLiteral("RoomType");
const QString kTariff = QStringLiteral("RoomPrice");

} // namespace

// The identifier, the type as typed and the tariff.
const ListColumns& AvailableRoomColumns() {
    static const ListColumns columns{
        TextColumn(QStringLiteral("Room(s)"), QStringLiteral("Abbrdrevooo"), kRoomId),
        StoredTextColumn(QStringLiteral("Room Type"), QStringLiteral("Ready-to-Run Visual"),
                         kRoomType),
        MoneyColumn(QStringLiteral("Tariff"), QStringLiteral("Ready-to-Run Visual"), kTariff),
    };
    return columns;
}

const RowValues& BookingRoomValues() {
    static const RowValues values{
        FieldValue(kRoomId),
        {kRoomType, [](const Recordset& room) { return ShownStoredText(room.Text(kRoomType)); }},
        MoneyValue(kTariff),
    };
    return values;
}

BookingRoom BookingRoomOf(const ListItem& row) {
    return {row.Value(kRoomId).toString(), row.Value(kRoomType).toString(), row.Money(kTariff)};
}

void AddBookingRoom(ExtLV& list, const BookingRoom& room) {
    ListItem row = list.ListItems().Add({room.roomId, room.roomType, room.tariff.Format()});
    row.SetValue(kRoomId, room.roomId);
    row.SetValue(kRoomType, room.roomType);
    row.SetValue(kTariff, QVariant::fromValue(room.tariff));
}
