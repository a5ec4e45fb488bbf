#include "tests/support/AdminStatements.h"

#include "core/Currency.h"
#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

namespace AdminStatements {

bool AddRoom(const QString& roomId, const QString& description, const QString& roomType,
             const QString& price) {
    return theDBworks::ExecuteCreateSQL(
               QStringLiteral("CREATE TABLE [room_") + roomId +
               QStringLiteral(
                   "] ( ID AUTOINCREMENT PRIMARY KEY, RoomNameID INT NOT NULL, "
                   "cUniqueID VARCHAR(225) NOT NULL, CheckInDate DATETIME, "
                   "CheckOutDate DATETIME, RoomBookedDate DATETIME, RoomNote MEMO NULL)")) &&
           theDBworks::ExecuteInsertSQL(
               QStringLiteral(
                   "INSERT INTO tbl_Rooms(roomNameID,Description,RoomType,RoomPrice ) values(") +
               SqlLiteral::Text(roomId) + QLatin1Char(',') + SqlLiteral::Text(description) +
               QLatin1Char(',') + SqlLiteral::Text(roomType) + QLatin1Char(',') +
               SqlLiteral::Text(Currency::FromText(price, QLocale::c()).ToPlainText()) +
               QLatin1Char(')'));
}

bool AddTax(const QString& name, const QString& rate, int category) {
    return theDBworks::ExecuteInsertSQL(
        QStringLiteral("INSERT INTO tbl_Tax(TaxName,TaxRate,TaxCat ) values(") +
        SqlLiteral::Text(name) + QLatin1Char(',') +
        SqlLiteral::Text(Currency::FromText(rate, QLocale::c()).ToPlainText()) + QLatin1Char(',') +
        QString::number(category) + QLatin1Char(')'));
}

} // namespace AdminStatements
