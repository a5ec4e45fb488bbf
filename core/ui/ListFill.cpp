#include "core/ui/ListFill.h"

#include "core/Recordset.h"
#include "core/theDBworks.h"
#include "core/ui/ExtLV.h"

#include <QHash>
#include <QLocale>

#include <memory>

namespace {

// The texts a column has shown, by value: a list of many rows shows the same amounts and dates
// again and again, and making their text in the locale's form is the costly part of a cell.
// Kept for the locale they were made in, and only a few thousand at a time.
class TextsByValue final {
public:
    template <typename Make> QString TextOf(qint64 value, Make&& make) {
        const QLocale locale;
        if (locale != locale_ || texts_.size() >= kMostTexts) {
            texts_.clear();
            locale_ = locale;
        }
        auto found = texts_.constFind(value);
        if (found == texts_.constEnd())
            found = texts_.insert(value, make(locale));
        return *found;
    }

private:
    static constexpr qsizetype kMostTexts = 4096;
    QLocale locale_;
    QHash<qint64, QString> texts_;
};

} // namespace

ListColumn TextColumn(const QString& header, const QString& widthSample, const QString& field) {
    return {header, widthSample, [field](const Recordset& row) { return row.Text(field); }};
}

ListColumn StoredTextColumn(const QString& header, const QString& widthSample,
                            const QString& field) {
    return {header, widthSample, [field](const Recordset& row) {
                return row.Text(field).replace(QStringLiteral("!*!"), QStringLiteral("'"));
            }};
}

ListColumn MoneyColumn(const QString& header, const QString& widthSample, const QString& field) {
    auto shown = std::make_shared<TextsByValue>();
    return {header, widthSample, [field, shown](const Recordset& row) {
                const Currency amount = row.Money(field);
                return shown->TextOf(amount.Units(), [amount](const QLocale& locale) {
                    return amount.Format(locale);
                });
            }};
}

ListColumn DateColumn(const QString& header, const QString& widthSample, const QString& field) {
    auto shown = std::make_shared<TextsByValue>();
    return {header, widthSample, [field, shown](const Recordset& row) {
                const QDate date = row.Date(field);
                return shown->TextOf(date.toJulianDay(), [date](const QLocale& locale) {
                    return locale.toString(date, QLocale::ShortFormat);
                });
            }};
}

void AddColumns(ExtLV& list, const ListColumns& columns) {
    for (const ListColumn& column : columns)
        list.ColumnHeaders().Add(column.header, column.widthSample);
}

namespace {

using RowFinish = std::function<void(ListItem&, const Recordset&)>;

void addRow(ExtLV& list, const ListColumns& columns, const Recordset& record,
            const RowFinish& eachRow) {
    ListItem row = list.ListItems().Add(columns.first().cell(record));
    for (int column = 1; column < columns.size(); ++column)
        row.SubItems(column, columns.at(column).cell(record));
    if (eachRow)
        eachRow(row, record);
}

} // namespace

void FillFromRecordset(ExtLV& list, const ListColumns& columns, const RowFinish& eachRow) {
    list.ListItems().Clear();
    theDBworks::ForEachRecord(
        [&](const Recordset& record) { addRow(list, columns, record, eachRow); });
}

void FillFromQuery(ExtLV& list, const ListColumns& columns, const QString& sql,
                   const RowFinish& eachRow) {
    list.ListItems().Clear();
    theDBworks::WalkRecords(
        sql, [&](const Recordset& record) { addRow(list, columns, record, eachRow); });
}
