// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStyledItemDelegate>

namespace teamtool::ui {

// Paints a read-only text cell plainly: its text clipped to the cell, the selection's
// colours when selected. Far quicker than the style's full item painting, which keeps
// a screenful of a 31-column grid within one frame.
//
// A cell with a change mark (kMarkTextRole) has it at its right end: a triangle up or
// down, or a dot for a new player, then the mark's words ("+0.5", "new") where the cell
// has room for them beside its text. The words are always the cell's tooltip too.
class PlainTextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace teamtool::ui
