#pragma once

#include "core/ui/ExtLV.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOptionViewItem>

namespace TestSupport {

// A cell's text as the list draws it: elided to the room its column gives the text.
inline QString ShownCellText(ExtLV* list, int row, int column) {
    QApplication::processEvents();
    const QModelIndex index = list->model()->index(row - 1, column);
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.rect = list->visualRect(index);
    option.font = list->font();
    option.fontMetrics = list->fontMetrics();
    option.text = index.data().toString();
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.widget = list;
    QStyle* style = list->style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &option, list);
    return list->fontMetrics().elidedText(option.text, list->textElideMode(),
                                          text.width() - 2 * margin);
}

} // namespace TestSupport
