#include "core/Recordset.h"

#include "core/Errors.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <optional>

namespace {

QVariantList currentValues(const QSqlQuery& query, int columns) {
    QVariantList row;
    row.reserve(columns);
    for (int i = 0; i < columns; ++i)
        row.append(query.value(i));
    return row;
}

} // namespace

Recordset Recordset::columnsOf(QSqlQuery& query) {
    Recordset set;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i) {
        set.columns_.append(record.fieldName(i));
        // The first column of a name wins, as a reader of a joined row expects.
        if (!set.indexByLowerName_.contains(record.fieldName(i).toLower()))
            set.indexByLowerName_.insert(record.fieldName(i).toLower(), i);
    }
    // Names as the query spells them find their column without being lowered first.
    for (const QString& name : std::as_const(set.columns_))
        if (!set.indexByName_.contains(name))
            set.indexByName_.insert(name, set.indexByLowerName_.value(name.toLower()));
    return set;
}

Recordset Recordset::FromQuery(QSqlQuery& query) {
    Recordset set = columnsOf(query);
    const int columns = int(set.columns_.size());
    while (query.next())
        set.rows_.append(currentValues(query, columns));
    return set;
}

void Recordset::Stream(QSqlQuery& query, const std::function<void(const Recordset&)>& body) {
    Recordset row = columnsOf(query);
    const int columns = int(row.columns_.size());
    row.rows_.resize(1);
    QVariantList& values = row.rows_.first();
    values.resize(columns);
    while (query.next()) {
        for (int i = 0; i < columns; ++i)
            values[i] = query.value(i);
        row.current_ = 0;
        if (!row.FirstColumnEmpty())
            body(row);
    }
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
    if (const auto exact = indexByName_.constFind(name); exact != indexByName_.constEnd())
        return currentRow().at(*exact);
    const auto found = indexByLowerName_.constFind(name.toLower());
    if (found == indexByLowerName_.constEnd())
        throw DatabaseError(QStringLiteral("Item cannot be found in the collection corresponding "
                                           "to the requested name or ordinal."),
                            3265);
    return currentRow().at(*found);
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
