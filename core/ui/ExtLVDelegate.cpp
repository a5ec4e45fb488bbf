#include "core/ui/ExtLVDelegate.h"

#include <QPainter>

void ExtLVDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    QStyleOptionViewItem cell(option);
    // The row stays selected as a whole; only its first cell shows it unless asked otherwise.
    if (!fullRowSelect_ && index.column() > 0) {
        if (cell.state & QStyle::State_Selected) {
            // The view has already filled the whole row with the selection colour.
            const QPalette::ColorRole background = cell.features & QStyleOptionViewItem::Alternate
                                                       ? QPalette::AlternateBase
                                                       : QPalette::Base;
            painter->fillRect(cell.rect, cell.palette.brush(background));
        }
        cell.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    }
    QStyledItemDelegate::paint(painter, cell, index);
    if (!gridLines_)
        return;
    painter->save();
    painter->setPen(option.palette.color(QPalette::Mid));
    const QRect r = option.rect;
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->drawLine(r.topRight(), r.bottomRight());
    painter->restore();
}
