#include "core/Recordset.h"

#include "core/Errors.h"

#include <QSqlQuery>
#include <QSqlRecord>

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

QDate Recordset::Date(const QString& name) const {
    // A date read as a date: going through a date and time would ask for the time zone.
    const QVariant value = Fields(name);
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    if (value.typeId() == QMetaType::QString) {
        const QDate date = QDate::fromString(QStringView(value.toString()).left(10), Qt::ISODate);
        if (date.isValid())
            return date;
    }
    return DateTime(name).date();
}

bool Recordset::FirstColumnEmpty() const {
    const QVariant first = Fields(0);
    return first.isNull() || first.toString().isEmpty();
}

void ForEachRow(Recordset& rows, const std::function<void(const Recordset&)>& body) {
    for (rows.MoveFirst(); !rows.AtEOF(); rows.MoveNext())
        if (!rows.FirstColumnEmpty())
            body(rows);
}
