#include "core/Recordset.h"

#include "core/Errors.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <optional>

void Recordset::readColumns(const QSqlQuery& query) {
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i) {
        const QString name = record.fieldName(i);
        columns_.append(name);
        // The first column of a name wins, whatever its letter case, as a reader of a joined row
        // expects.
        if (indexByLowerName_.contains(name.toLower()))
            continue;
        indexByLowerName_.insert(name.toLower(), i);
        indexByName_.insert(name, i);
    }
}

Recordset Recordset::FromQuery(QSqlQuery& query) {
    Recordset set;
    set.readColumns(query);
    const qsizetype columns = set.columns_.size();
    while (query.next()) {
        QVariantList row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row.append(query.value(i));
        set.rows_.append(std::move(row));
    }
    return set;
}

void Recordset::Walk(QSqlQuery& query, const std::function<void(const Recordset&)>& body) {
    Recordset current;
    current.readColumns(query);
    const qsizetype columns = current.columns_.size();
    current.rows_.append(QVariantList(columns));
    while (query.next()) {
        QVariantList& row = current.rows_.first();
        for (int i = 0; i < columns; ++i)
            row[i] = query.value(i);
        current.current_ = 0;
        if (!current.FirstColumnEmpty())
            body(current);
    }
}

int Recordset::indexOf(const QString& name) const {
    if (const auto exact = indexByName_.constFind(name); exact != indexByName_.constEnd())
        return *exact;
    return indexByLowerName_.value(name.toLower(), -1);
}

const QVariantList& Recordset::currentRow() const {
    if (AtEOF())
        throw DatabaseError(QStringLiteral("Either BOF or EOF is True, or the current record has "
                                           "been deleted. Requested operation requires a current "
                                           "record."),
                            3021);
    return rows_.at(current_);
}

QVariant Recordset::Fields(const QString& name) const {
    const int index = indexOf(name);
    if (index < 0)
        throw DatabaseError(QStringLiteral("Item cannot be found in the collection corresponding "
                                           "to the requested name or ordinal."),
                            3265);
    return currentRow().at(index);
}

QVariant Recordset::Fields(int index) const {
    const QVariantList& row = currentRow();
    if (index < 0 || index >= row.size())
        throw DatabaseError(QStringLiteral("Item cannot be found in the collection corresponding "
                                           "to the requested name or ordinal."),
                            3265);
    return row.at(index);
}

QString Recordset::Text(const QString& name) const {
    const QVariant value = Fields(name);
    return value.isNull() ? QString() : value.toString();
}

Currency Recordset::Money(const QString& name) const {
    const QVariant value = Fields(name);
    if (value.isNull())
        return Currency();
    if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray)
        return Currency::FromText(value.toString(), QLocale::c());
    return Currency::FromDouble(value.toDouble());
}

QDateTime Recordset::DateTime(const QString& name) const {
    const QVariant value = Fields(name);
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().startOfDay();
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime();
    const QString text = value.toString().trimmed();
    QDateTime parsed = QDateTime::fromString(text, Qt::ISODate);
    if (!parsed.isValid())
        parsed = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!parsed.isValid())
        parsed = QDate::fromString(text.left(10), Qt::ISODate).startOfDay();
    return parsed;
}

namespace {

// A stored date and time of day: typed by the MariaDB driver, text in SQLite. Text in the ISO
// form is split by hand, as a date and time built through the local time zone cost a look at
// the zone's rules each, which a list of many rows feels.
struct Moment {
    QDate date;
    QTime time;
};

std::optional<Moment> isoMoment(const QVariant& value) {
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    const QString text = value.toString().trimmed();
    const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    if (text.size() == 10)
        return Moment{date, QTime(0, 0)};
    const QTime time = QTime::fromString(text.mid(11), Qt::ISODate);
    if (!time.isValid() || (text.at(10) != QLatin1Char(' ') && text.at(10) != QLatin1Char('T')))
        return std::nullopt;
    return Moment{date, time};
}

} // namespace

QDate Recordset::Date(const QString& name) const {
    if (const std::optional<Moment> moment = isoMoment(Fields(name)))
        return moment->date;
    return DateTime(name).date();
}

QTime Recordset::Time(const QString& name) const {
    if (const std::optional<Moment> moment = isoMoment(Fields(name)))
        return moment->time;
    return DateTime(name).time();
}

bool Recordset::FirstColumnEmpty() const {
    const QVariant first = Fields(0);
    if (first.isNull())
        return true;
    // A number is never empty, and turning one into text only to see that costs.
    switch (first.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return false;
    default:
        return first.toString().isEmpty();
    }
}

void ForEachRow(Recordset& rows, const std::function<void(const Recordset&)>& body) {
    for (rows.MoveFirst(); !rows.AtEOF(); rows.MoveNext())
        if (!rows.FirstColumnEmpty())
            body(rows);
}
