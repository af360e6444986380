// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/plain_text_delegate.h"

#include "app/comparison.h"
#include "ui/contrast.h"
#include "ui/item_models.h"

#include <QPainter>
#include <QPainterPath>

namespace teamtool::ui {

namespace {

// Paints a mark's shape, a side-by-side square at `at`: a triangle pointing up or down,
// or a dot.
void paintMarkShape(QPainter* painter, ChangeMark::Kind kind, const QRectF& at)
{
    QPainterPath shape;
    switch (kind) {
    case ChangeMark::Kind::Up:
        shape.moveTo(at.left(), at.bottom());
        shape.lineTo(at.right(), at.bottom());
        shape.lineTo(at.center().x(), at.top());
        break;
    case ChangeMark::Kind::Down:
        shape.moveTo(at.left(), at.top());
        shape.lineTo(at.right(), at.top());
        shape.lineTo(at.center().x(), at.bottom());
        break;
    case ChangeMark::Kind::New:
        shape.addEllipse(at.adjusted(1, 1, -1, -1));
        break;
    }
    shape.closeSubpath();
    painter->fillPath(shape, painter->pen().color());
}

}  // namespace

void PlainTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));
    painter->save();
    painter->setClipRect(option.rect);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    if (selected)
        painter->setPen(option.palette.color(QPalette::HighlightedText));
    else if (foreground.canConvert<QBrush>())
        painter->setPen(foreground.value<QBrush>().color());
    else
        painter->setPen(option.palette.color(QPalette::Text));
    const QString text = index.data(Qt::DisplayRole).toString();
    const QRect textArea = option.rect.adjusted(3, 0, -2, 0);

    if (const QVariant markText = index.data(kMarkTextRole); markText.isValid()) {
        // The mark never hides the text: beside it where the cell has room, with its
        // words where they fit too; small in the cell's top right corner, above the
        // text's capitals, where a narrow column has no room beside it.
        const auto kind = static_cast<ChangeMark::Kind>(index.data(kMarkKindRole).toInt());
        const QString words = markText.toString();
        const QFontMetrics& metrics = option.fontMetrics;
        const int side = std::max(5, metrics.height() * 2 / 5);
        const int wordsWidth = metrics.horizontalAdvance(words) + 2;
        const int textEnd = textArea.left() + metrics.horizontalAdvance(text);
        // Room between the text and the cell's right edge, a pixel clear of each.
        const int room = option.rect.right() - textEnd - 2;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(selected ? option.palette.color(QPalette::HighlightedText) : markColour(option.palette));
        if (room >= side + 3 + wordsWidth) {
            const int left = textArea.right() + 1 - side - wordsWidth;
            paintMarkShape(painter, kind, QRectF(left, textArea.center().y() + 1 - side / 2.0, side, side));
            painter->drawText(QRect(left + side + 2, textArea.top(), wordsWidth, textArea.height()),
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, words);
        } else if (const int shape = std::min(side, room); shape >= 4) {
            paintMarkShape(
                painter, kind,
                QRectF(option.rect.right() - 1 - shape, textArea.center().y() + 1 - shape / 2.0, shape, shape));
        } else {
            const int corner = std::max(4, (option.rect.height() - metrics.capHeight()) / 2 - 1);
            paintMarkShape(painter, kind, QRectF(option.rect.right() - corner, option.rect.top() + 1, corner, corner));
        }
        painter->restore();
    }

    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    // The current cell of a focused list or grid is framed, so focus shows at a glance.
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Highlight), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    }
    painter->restore();
}

}  // namespace teamtool::ui
