#include "reservations/CustomerNumber.h"

#include "core/RuntimeErrors.h"
#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

#include <QRandomGenerator>

namespace {

constexpr int kLetterRange = 25; // "A" to "Y"

QRandomGenerator& generator() {
    static QRandomGenerator random = QRandomGenerator::securelySeeded();
    return random;
}

QString threeLetters() {
    QString letters;
    for (int i = 0; i < 3; ++i)
        letters += QChar(u'A' + int(generator().bounded(kLetterRange)));
    return letters;
}

// The first whole character: one outside the Basic Multilingual Plane (an emoji, a rare CJK
// letter) is two UTF-16 units, and half of it is no character at all.
QString initialOf(const QString& name) {
    QString cleaned = name;
    cleaned.remove(QLatin1Char('\''));
    if (cleaned.isEmpty())
        throw RuntimeError::InvalidCall();
    const bool pair =
        cleaned.size() > 1 && cleaned.at(0).isHighSurrogate() && cleaned.at(1).isLowSurrogate();
    return cleaned.left(pair ? 2 : 1);
}

// Held by a booking, a removed booking or a food order: one query for the three.
bool isTaken(const QString& number) {
    const QString literal = SqlLiteral::Text(number);
    theDBworks::OpenRecordset(
        QStringLiteral("SELECT cUniqueNo FROM tbl_customers WHERE cUniqueNo = ") + literal +
        QStringLiteral(
            " UNION ALL SELECT cUniqueNo FROM tbl_customers_history WHERE cUniqueNo = ") +
        literal + QStringLiteral(" UNION ALL SELECT OrderNo FROM tbl_FoodOrders WHERE OrderNo = ") +
        literal);
    return theDBworks::DBRecordset().RecordCount() > 0;
}

} // namespace

namespace CustomerNumber {

QString RandomLetters() {
    const QString first = threeLetters();
    const QString second = threeLetters();
    return second + first;
}

QString NewNumber(const QString& firstName, const QString& lastName,
                  const std::function<QString()>& letters) {
    const QString initials = initialOf(firstName) + initialOf(lastName);
    QString number;
    do
        number = initials + letters();
    while (isTaken(number));
    return number;
}

} // namespace CustomerNumber
