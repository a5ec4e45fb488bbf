#include "tests/support/AdminStatements.h"

#include "administration/RoomStore.h"
#include "administration/TaxStore.h"
#include "core/Currency.h"

namespace AdminStatements {

bool AddRoom(const QString& roomId, const QString& description, const QString& roomType,
             const QString& price) {
    return RoomStore::CreateBookingTable(roomId) &&
           RoomStore::InsertRoom(roomId, description, roomType,
                                 Currency::FromText(price, QLocale::c()));
}

bool AddTax(const QString& name, const QString& rate, int category) {
    return TaxStore::AddTax(name, Currency::FromText(rate, QLocale::c()), category);
}

} // namespace AdminStatements
