#pragma once

#include "core/Currency.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>

#include <functional>

class QSqlQuery;

// The rows of one query, read to the end when it opens, so the record count is always known.
// Fields are found by column name without regard to case.
class Recordset final {
public:
    Recordset() = default;
    // Reads every row of an executed query.
    static Recordset FromQuery(QSqlQuery& query);
    // Walks the rows of an executed query one at a time without keeping them, for lists of many
    // thousand rows: each row in turn is the only row of the recordset that `body` reads. A row
    // whose first column is empty is skipped, as ForEachRow skips it.
    static void Walk(QSqlQuery& query, const std::function<void(const Recordset&)>& body);

    int RecordCount() const { return int(rows_.size()); }
    // True past the last row (and at once when there is none).
    bool AtEOF() const { return current_ >= rows_.size(); }
    void MoveFirst() { current_ = 0; }
    void MoveNext() {
        if (!AtEOF())
            ++current_;
    }

    // The current row's value; throws DatabaseError for an unknown column or when no row is
    // current.
    QVariant Fields(const QString& name) const;
    QVariant Fields(int index) const;
    // The value as text; NULL reads as an empty text.
    QString Text(const QString& name) const;
    // Typed reads that work alike for what each back end hands out (text, number, date).
    Currency Money(const QString& name) const;
    // The date and the time of day as stored, read without a time zone's rules.
    QDate Date(const QString& name) const;
    QTime Time(const QString& name) const;
    QDateTime DateTime(const QString& name) const;
    // Every list fill skips a row whose first column is empty.
    bool FirstColumnEmpty() const;

    const QStringList& ColumnNames() const { return columns_; }

private:
    const QVariantList& currentRow() const;
    void readColumns(const QSqlQuery& query);
    int indexOf(const QString& name) const;

    QStringList columns_;
    // Names as the database gives them first, so that a reader who writes them so finds them
    // without lowering the name.
    QHash<QString, int> indexByName_;
    QHash<QString, int> indexByLowerName_;
    QList<QVariantList> rows_;
    qsizetype current_ = 0;
};

// The walk every reader of rows makes: from the first row to the end, skipping a row whose
// first column is empty.
void ForEachRow(Recordset& rows, const std::function<void(const Recordset&)>& body);
