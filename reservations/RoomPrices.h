#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The rooms of a booking are stored as two texts joined by ",": their identifiers and their
// tariffs as the window displayed them. A tariff's own text may hold "," too.
namespace RoomPrices {

QString Join(const QStringList& pieces);
// The tariffs of `roomCount` rooms: each piece is a whole currency text of the locale. Empty
// when the text cannot be paired with that many rooms.
QStringList Split(const QString& storedPrices, int roomCount, const QLocale& locale = QLocale());

} // namespace RoomPrices
