#include "core/ui/SpareWidthColumn.h"

#include <QEvent>
#include <QHeaderView>
#include <QTreeView>

#include <algorithm>

namespace {

class SpareWidthColumn final : public QObject {
    Q_DISABLE_COPY_MOVE(SpareWidthColumn)

public:
    SpareWidthColumn(QTreeView* list, int column)
        : QObject(list)
        , list_(list)
        , viewport_(list->viewport())
        , column_(column)
        , least_(list->header()->sectionSize(column)) {
        viewport_->installEventFilter(this);
        connect(list->header(), &QHeaderView::sectionResized, this,
                [this](int section, int, int width) { sectionResized(section, width); });
        fit();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The list itself is not asked: the viewport is told of its end while the list goes.
        if (event->type() == QEvent::Resize && watched == viewport_)
            fit();
        return QObject::eventFilter(watched, event);
    }

private:
    // The user's width for the column is the least it takes from now on; another column's new
    // width changes what is left for it.
    void sectionResized(int section, int width) {
        if (fitting_)
            return;
        if (section == column_)
            least_ = width;
        fit();
    }

    void fit() {
        QHeaderView* header = list_->header();
        if (column_ >= header->count() || header->isSectionHidden(column_))
            return;
        const int others = header->length() - header->sectionSize(column_);
        const int width = std::max(least_, list_->viewport()->width() - others);
        if (width == header->sectionSize(column_))
            return;
        fitting_ = true;
        header->resizeSection(column_, width);
        fitting_ = false;
    }

    QTreeView* list_;
    QWidget* viewport_;
    int column_;
    int least_;
    bool fitting_ = false;
};

} // namespace

void ColumnTakesSpareWidth(QTreeView* list, int column) {
    new SpareWidthColumn(list, column);
}
