#pragma once

#include <QStyledItemDelegate>

// Paints the cells of an ExtLV: the selection over the whole row or only over its first cell,
// and grid lines between the cells when the list asks for them. A cell cut short shows "…" and
// its whole text in the tip.
class ExtLVDelegate final : public QStyledItemDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExtLVDelegate)

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void SetFullRowSelect(bool fullRow) { fullRowSelect_ = fullRow; }
    bool FullRowSelect() const { return fullRowSelect_; }
    void SetGridLines(bool gridLines) { gridLines_ = gridLines; }
    bool GridLines() const { return gridLines_; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    bool fullRowSelect_ = false;
    bool gridLines_ = false;
};
