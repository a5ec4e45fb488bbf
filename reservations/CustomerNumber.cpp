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

QChar initialOf(const QString& name) {
    QString cleaned = name;
    cleaned.remove(QLatin1Char('\''));
    if (cleaned.isEmpty())
        throw RuntimeError::InvalidCall();
    return cleaned.at(0);
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
    const QString initials = QString(initialOf(firstName)) + initialOf(lastName);
    QString number;
    do
        number = initials + letters();
    while (isTaken(number));
    return number;
}

} // namespace CustomerNumber
