#include "core/ui/ExtLVValues.h"

#include "core/Currency.h"

#include <algorithm>
#include <limits>

namespace {

bool isWholeNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
        return true;
    case QMetaType::ULongLong:
        return value.toULongLong() <= quint64(std::numeric_limits<qint64>::max());
    default:
        return false;
    }
}

} // namespace

QVariant ExtLVValues::Value(int row, QStringView name) const {
    const auto column = std::find_if(columns_.cbegin(), columns_.cend(),
                                     [name](const Column& each) { return each.name == name; });
    if (column == columns_.cend() || std::size_t(row) >= column->entries.size())
        return {};
    const Slot& slot = column->entries[std::size_t(row)];
    switch (slot.kind) {
    case Kind::Text:
        return column->texts.mid(qsizetype(slot.data), qsizetype(slot.length));
    case Kind::Whole:
        return slot.data;
    case Kind::Money:
        return QVariant::fromValue(Currency::FromUnits(slot.data));
    case Kind::Other:
        return others_.at(qsizetype(slot.data));
    case Kind::None:
        break;
    }
    return {};
}

void ExtLVValues::SetValue(int row, const QString& name, const QVariant& value) {
    Column& column = columnNamed(name);
    if (column.entries.size() <= std::size_t(row))
        column.entries.resize(std::size_t(row) + 1);
    // A text set again is added anew: its earlier one stays unused until the list is cleared.
    column.entries[std::size_t(row)] = slotOf(column, value);
}

void ExtLVValues::RemoveRow(int row) {
    for (Column& column : columns_)
        if (std::size_t(row) < column.entries.size())
            column.entries.erase(column.entries.begin() + row);
}

void ExtLVValues::Clear() {
    columns_.clear();
    others_.clear();
}

ExtLVValues::Column& ExtLVValues::columnNamed(const QString& name) {
    for (Column& column : columns_)
        if (column.name == name)
            return column;
    columns_.push_back({name, {}, {}});
    return columns_.back();
}

ExtLVValues::Slot ExtLVValues::slotOf(Column& column, const QVariant& value) {
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString();
        const Slot slot{column.texts.size(), std::uint32_t(text.size()), Kind::Text};
        column.texts.append(text);
        return slot;
    }
    if (isWholeNumber(value))
        return {value.toLongLong(), 0, Kind::Whole};
    if (value.metaType() == QMetaType::fromType<Currency>())
        return {value.value<Currency>().Units(), 0, Kind::Money};
    if (!value.isValid())
        return {};
    others_.append(value);
    return {others_.size() - 1, 0, Kind::Other};
}
