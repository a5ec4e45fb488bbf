#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <QVariant>

#include <cstdint>
#include <vector>

// The values the rows of one list keep beside their cells, each under a name (ListItem::Value).
// They are kept name by name, the values of every row side by side and their texts in one
// string, so that a list of many thousand bookings neither makes nor frees a block per row.
class ExtLVValues final {
public:
    // An invalid QVariant when the row was given none of that name. Whole numbers come back as
    // qint64, texts as QString, amounts as Currency.
    QVariant Value(int row, QStringView name) const;
    void SetValue(int row, const QString& name, const QVariant& value);
    // The rows after it move up one.
    void RemoveRow(int row);
    void Clear();

private:
    enum class Kind : std::uint8_t { None, Text, Whole, Money, Other };
    // Text: where it stands in the column's texts; Whole and Money: the number, the
    // ten-thousandths; Other: its place among others_.
    struct Slot {
        qint64 data = 0;
        std::uint32_t length = 0;
        Kind kind = Kind::None;
    };
    struct Column {
        QString name;
        std::vector<Slot> entries;
        QString texts;
    };

    Column& columnNamed(const QString& name);
    Slot slotOf(Column& column, const QVariant& value);

    std::vector<Column> columns_;
    QList<QVariant> others_;
};
