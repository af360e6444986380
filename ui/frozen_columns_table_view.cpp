// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/frozen_columns_table_view.h"

#include "ui/plain_text_delegate.h"
#include "ui/reader_events.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace teamtool::ui {

using namespace Qt::StringLiterals;

FrozenColumnsTableView::FrozenColumnsTableView(QWidget* parent) : QTableView(parent), m_frozen(new QTableView(this))
{
    for (QTableView* view : {static_cast<QTableView*>(this), m_frozen}) {
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->verticalHeader()->hide();
        view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
        view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        view->setWordWrap(false);
        view->setTextElideMode(Qt::ElideNone);  // narrow columns clip, as a grid does
        view->setItemDelegate(new PlainTextDelegate(view));
        // Tab and Shift+Tab leave the grid, as they leave any other control; the arrow
        // keys move between cells.
        view->setTabKeyNavigation(false);
    }
    m_frozen->setObjectName("frozenColumns");
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setStyleSheet(u"QTableView { border: none; }"_s);
    viewport()->stackUnder(m_frozen);

    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
            &QAbstractSlider::setValue);
    // A click on a heading sorts by that column, a second reverses, a third returns to
    // the file's order. The frozen columns' headings belong to the frozen view.
    for (QTableView* view : {static_cast<QTableView*>(this), m_frozen}) {
        view->horizontalHeader()->setSectionsClickable(true);
        // A heading pressed selects its column in a table view; here it only sorts.
        disconnect(view->horizontalHeader(), &QHeaderView::sectionPressed, view, nullptr);
        disconnect(view->horizontalHeader(), &QHeaderView::sectionEntered, view, nullptr);
        connect(view->horizontalHeader(), &QHeaderView::sectionClicked, this, &FrozenColumnsTableView::cycleSortOrder);
        view->viewport()->installEventFilter(this);
    }
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (column < m_frozenCount) {
            m_frozen->setColumnWidth(column, size);
            updateFrozenGeometry();
        }
    });
}

void FrozenColumnsTableView::setModel(QAbstractItemModel* model)
{
    QTableView::setModel(model);
    m_frozen->setModel(model);
    m_frozen->setSelectionModel(selectionModel());
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (!(QGuiApplication::keyboardModifiers() & Qt::ShiftModifier) || !m_anchor.isValid())
            m_anchor = current;
    });
    connect(model, &QAbstractItemModel::modelReset, this, &FrozenColumnsTableView::showOnlyFrozenColumns);
    connect(model, &QAbstractItemModel::columnsInserted, this, &FrozenColumnsTableView::showOnlyFrozenColumns);
    showOnlyFrozenColumns();
}

bool FrozenColumnsTableView::eventFilter(QObject* watched, QEvent* event)
{
    // Shift with a click: the cells from the anchor to the one clicked, in whichever
    // view either was clicked (Ctrl too: added to the selection).
    if (event->type() == QEvent::MouseButtonPress && m_anchor.isValid()) {
        auto* press = static_cast<QMouseEvent*>(event);
        QTableView* view = watched == m_frozen->viewport() ? m_frozen : this;
        const QModelIndex at = view->indexAt(press->position().toPoint());
        if (press->button() == Qt::LeftButton && (press->modifiers() & Qt::ShiftModifier) && at.isValid()) {
            const QItemSelection range(
                model()->index(std::min(at.row(), m_anchor.row()), std::min(at.column(), m_anchor.column())),
                model()->index(std::max(at.row(), m_anchor.row()), std::max(at.column(), m_anchor.column())));
            const auto how = press->modifiers() & Qt::ControlModifier ? QItemSelectionModel::Select
                                                                      : QItemSelectionModel::ClearAndSelect;
            selectionModel()->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
            selectionModel()->select(range, how);
            if (!hasFocus())
                setFocus(Qt::MouseFocusReason);
            return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}

void FrozenColumnsTableView::keyPressEvent(QKeyEvent* event)
{
    // The keyboard's heading click: sorts by the current cell's column.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::ControlModifier && currentIndex().isValid()) {
        cycleSortOrder(currentIndex().column());
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        Q_EMIT copyRequested();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

std::pair<std::vector<int>, std::vector<int>> FrozenColumnsTableView::selectedRowsAndColumns() const
{
    std::vector<int> rows;
    std::vector<int> columns;
    if (selectionModel())
        for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
            rows.push_back(index.row());
            columns.push_back(horizontalHeader()->visualIndex(index.column()));
        }
    for (auto* list : {&rows, &columns}) {
        std::sort(list->begin(), list->end());
        list->erase(std::unique(list->begin(), list->end()), list->end());
    }
    for (int& column : columns)
        column = horizontalHeader()->logicalIndex(column);
    return {rows, columns};
}

void FrozenColumnsTableView::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    // Qt makes a cell current on the way in, but marks it only once an arrow key moves
    // it; and the first cells lie under the frozen columns, which never hold the focus.
    // So the current cell is selected at once: Tab into the grid shows where you are.
    if (event->reason() != Qt::MouseFocusReason && currentIndex().isValid() && selectionModel() &&
        !selectionModel()->isSelected(currentIndex()))
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
    // A reader hears the current cell on the way in, after Qt's own word of the table.
    if (QAccessible::isActive())
        QTimer::singleShot(0, this, [this] { tellCurrentItem(this); });
}

void FrozenColumnsTableView::cycleSortOrder(int column)
{
    if (!model())
        return;
    if (column != m_sortColumn)
        sortBy(column, Qt::AscendingOrder);
    else if (m_sortOrder == Qt::AscendingOrder)
        sortBy(column, Qt::DescendingOrder);
    else
        sortBy(-1, m_sortOrder);
}

void FrozenColumnsTableView::sortBy(int column, Qt::SortOrder order)
{
    if (!model())
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    for (QTableView* view : {static_cast<QTableView*>(this), m_frozen}) {
        view->horizontalHeader()->setSortIndicatorShown(m_sortColumn >= 0);
        view->horizontalHeader()->setSortIndicator(m_sortColumn, m_sortOrder);
    }
    if (m_sortColumn >= 0)
        model()->sort(m_sortColumn, m_sortOrder);
    else
        Q_EMIT fileOrderRequested();
    Q_EMIT sortChanged(m_sortColumn, m_sortOrder);
}

void FrozenColumnsTableView::setFrozenColumns(int count)
{
    m_frozenCount = count;
    showOnlyFrozenColumns();
}

void FrozenColumnsTableView::setColumnWidthPixels(int column, int width)
{
    setColumnWidth(column, width);
    if (column < m_frozenCount)
        m_frozen->setColumnWidth(column, width);
    updateFrozenGeometry();
}

void FrozenColumnsTableView::showOnlyFrozenColumns()
{
    if (!model())
        return;
    for (int column = 0; column < model()->columnCount(); ++column) {
        m_frozen->setColumnHidden(column, column >= m_frozenCount);
        if (column < m_frozenCount)
            m_frozen->setColumnWidth(column, columnWidth(column));
    }
    m_frozen->setVisible(m_frozenCount > 0);
    updateFrozenGeometry();
}

void FrozenColumnsTableView::updateFrozenGeometry()
{
    int width = 0;
    for (int column = 0; column < m_frozenCount; ++column)
        width += columnWidth(column);
    m_frozen->setGeometry(frameWidth(), frameWidth(), width, viewport()->height() + horizontalHeader()->height());
}

void FrozenColumnsTableView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    updateFrozenGeometry();
}

QModelIndex FrozenColumnsTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    int frozenWidth = 0;
    for (int column = 0; column < m_frozenCount; ++column)
        frozenWidth += columnWidth(column);
    // Keep the cursor's cell out from under the frozen columns.
    if (cursorAction == MoveLeft && current.column() >= m_frozenCount &&
        visualRect(current).topLeft().x() < frozenWidth) {
        const int newValue = horizontalScrollBar()->value() + visualRect(current).topLeft().x() - frozenWidth;
        horizontalScrollBar()->setValue(newValue);
    }
    return current;
}

void FrozenColumnsTableView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (index.column() >= m_frozenCount)
        QTableView::scrollTo(index, hint);
}

}  // namespace teamtool::ui
