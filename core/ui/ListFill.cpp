#include "core/ui/ListFill.h"

#include "core/Recordset.h"
#include "core/theDBworks.h"
#include "core/ui/DateText.h"
#include "core/ui/ExtLV.h"

#include <QHash>
#include <QLocale>

#include <bit>
#include <memory>
#include <optional>
#include <utility>

namespace {

// The texts a column has shown, by the value as the database gave it: a list of many rows shows
// the same amounts and dates again and again, and reading them and writing them in the locale's
// form is the costly part of a cell. Kept for the locale they were made in, and only a few
// thousand at a time.
class ShownTexts final {
public:
    template <typename Make> QString TextOf(const QVariant& stored, Make&& make) {
        const QLocale locale;
        if (locale != locale_ || byText_.size() + byValue_.size() >= kMostTexts) {
            byText_.clear();
            byValue_.clear();
            locale_ = locale;
        }
        if (stored.typeId() == QMetaType::QString)
            return remembered(byText_, stored.toString(), make);
        const std::optional<ValueKey> key = keyOf(stored);
        return key ? remembered(byValue_, *key, make) : make(locale_);
    }

private:
    // The value's kind, and its bits: equal keys are equal values.
    using ValueKey = std::pair<int, qint64>;

    static std::optional<ValueKey> keyOf(const QVariant& stored) {
        const int type = stored.typeId();
        switch (type) {
        case QMetaType::Int:
        case QMetaType::LongLong:
            return ValueKey{type, stored.toLongLong()};
        case QMetaType::Double:
            return ValueKey{type, std::bit_cast<qint64>(stored.toDouble())};
        case QMetaType::QDate:
            return ValueKey{type, stored.toDate().toJulianDay()};
        default:
            return std::nullopt;
        }
    }

    template <typename Key, typename Make>
    QString remembered(QHash<Key, QString>& texts, const Key& key, Make& make) {
        auto found = texts.constFind(key);
        if (found == texts.constEnd())
            found = texts.insert(key, make(locale_));
        return *found;
    }

    static constexpr qsizetype kMostTexts = 16384;
    QLocale locale_;
    QHash<QString, QString> byText_;
    QHash<ValueKey, QString> byValue_;
};

} // namespace

ListColumn TextColumn(const QString& header, const QString& widthSample, const QString& field) {
    return {header, widthSample, [field](const Recordset& row) { return row.Text(field); }};
}

ListColumn WholeTextColumn(const QString& header, const QString& widthSample,
                           const QString& field) {
    ListColumn column = TextColumn(header, widthSample, field);
    column.whole = true;
    return column;
}

QString ShownStoredText(QString stored) {
    return stored.replace(QStringLiteral("!*!"), QStringLiteral("'"));
}

ListColumn StoredTextColumn(const QString& header, const QString& widthSample,
                            const QString& field) {
    return {header, widthSample,
            [field](const Recordset& row) { return ShownStoredText(row.Text(field)); }};
}

ListColumn MoneyColumn(const QString& header, const QString& widthSample, const QString& field) {
    auto shown = std::make_shared<ShownTexts>();
    return {header, widthSample,
            [field, shown](const Recordset& row) {
                return shown->TextOf(row.Fields(field), [&](const QLocale& locale) {
                    return row.Money(field).Format(locale);
                });
            },
            true};
}

ListColumn DateColumn(const QString& header, const QString& widthSample, const QString& field) {
    auto shown = std::make_shared<ShownTexts>();
    return {header, widthSample, [field, shown](const Recordset& row) {
                return shown->TextOf(row.Fields(field), [&](const QLocale& locale) {
                    return ProgramDateText(row.Date(field), locale);
                });
            }};
}

RowValue FieldValue(const QString& field) {
    return {field, [field](const Recordset& row) { return row.Fields(field); }};
}

RowValue MoneyValue(const QString& field) {
    return {field, [field](const Recordset& row) {
                return QVariant::fromValue(row.Money(field).AsShown());
            }};
}

void AddColumns(ExtLV& list, const ListColumns& columns) {
    for (const ListColumn& column : columns) {
        if (column.whole)
            list.ColumnHeaders().AddWhole(column.header, column.widthSample);
        else
            list.ColumnHeaders().Add(column.header, column.widthSample);
    }
}

ListItem AddListRow(ExtLV& list, const ListColumns& columns, const Recordset& record,
                    const RowValues& values) {
    QStringList cells;
    cells.reserve(columns.size());
    for (const ListColumn& column : columns)
        cells << column.cell(record);
    ListItem row = list.ListItems().Add(cells);
    for (const RowValue& value : values)
        row.SetValue(value.name, value.value(record));
    return row;
}

namespace {

using RowFinish = std::function<void(ListItem&, const Recordset&)>;

void addRow(ExtLV& list, const ListColumns& columns, const RowValues& values,
            const Recordset& record, const RowFinish& eachRow) {
    ListItem row = AddListRow(list, columns, record, values);
    if (eachRow)
        eachRow(row, record);
}

} // namespace

void FillFromRecordset(ExtLV& list, const ListColumns& columns, const RowValues& values,
                       const RowFinish& eachRow) {
    list.ListItems().Clear();
    theDBworks::ForEachRecord(
        [&](const Recordset& record) { addRow(list, columns, values, record, eachRow); });
}

void FillFromQuery(ExtLV& list, const ListColumns& columns, const QString& sql,
                   const RowValues& values, const RowFinish& eachRow) {
    list.ListItems().Clear();
    theDBworks::WalkRecords(
        sql, [&](const Recordset& record) { addRow(list, columns, values, record, eachRow); },
        [&list] { list.ListItems().Clear(); });
}
