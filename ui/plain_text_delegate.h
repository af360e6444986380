#pragma once

#include <QStyledItemDelegate>

namespace teamtool::ui {

// Paints a read-only text cell plainly: its text clipped to the cell, the selection's
// colours when selected. Far quicker than the style's full item painting, which keeps
// a screenful of a 31-column grid within one frame.
class PlainTextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace teamtool::ui
