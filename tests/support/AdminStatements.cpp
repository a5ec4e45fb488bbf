#include "tests/support/AdminStatements.h"

#include "administration/RoomStore.h"
#include "administration/TaxStore.h"
#include "core/Currency.h"
#include "core/ErrorReport.h"
#include "tests/support/TestEnvironment.h"

namespace {

// What the program reported for a statement it did not run.
QString outcome(bool ran) {
    if (ran)
        return {};
    const QString shown = TestSupport::LastShown();
    return QStringLiteral("the program did not run \"%1\": %2")
        .arg(LastSQL, shown.startsWith(ErrMsg) ? shown : ErrMsg);
}

} // namespace

namespace AdminStatements {

QString AddRoom(const QString& roomId, const QString& description, const QString& roomType,
                const QString& price) {
    return outcome(RoomStore::CreateBookingTable(roomId) &&
                   RoomStore::InsertRoom(roomId, description, roomType,
                                         Currency::FromText(price, QLocale::c())));
}

QString AddTax(const QString& name, const QString& rate, int category) {
    return outcome(TaxStore::AddTax(name, Currency::FromText(rate, QLocale::c()), category));
}

} // namespace AdminStatements
