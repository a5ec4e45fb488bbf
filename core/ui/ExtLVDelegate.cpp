#include "core/ui/ExtLVDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// The part of a cell the list's viewport shows: a list scrolled sideways, or narrower than its
// columns, cuts the cells at its edge.
QRect shownPart(const QRect& cell, const QWidget* widget) {
    const auto* view = qobject_cast<const QAbstractItemView*>(widget);
    if (!view)
        return cell;
    const QRect viewport = view->viewport()->rect();
    QRect shown = cell;
    shown.setLeft(qMax(cell.left(), viewport.left()));
    shown.setRight(qMin(cell.right(), viewport.right()));
    return shown;
}

// Whether the style must elide the cell's text to fit the room its rectangle leaves it.
bool textIsCut(const QStyleOptionViewItem& cell, const QWidget* widget) {
    if (cell.text.isEmpty())
        return false;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget);
    return cell.fontMetrics.horizontalAdvance(cell.text) > room.width() - 2 * margin;
}

} // namespace

void ExtLVDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    QStyleOptionViewItem cell(option);
    // A cell cut by the viewport's edge is drawn into the part that shows, so that the style
    // elides its text with "…" instead of the edge cutting a figure into another number.
    cell.rect = shownPart(option.rect, option.widget);
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

bool ExtLVDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                              const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() == QEvent::ToolTip && index.isValid()) {
        QStyleOptionViewItem cell(option);
        initStyleOption(&cell, index);
        cell.rect = shownPart(option.rect, view);
        if (textIsCut(cell, view)) {
            QToolTip::showText(event->globalPos(), cell.text, view);
            return true;
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}
