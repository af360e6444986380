#pragma once

// Standard Qt widgets, each with the one behaviour the window needs that Qt's own
// lacks. Screen readers and test tools still know them for what they are.

#include <QComboBox>
#include <QListView>
#include <QStyledItemDelegate>
#include <QTableView>

#include <functional>

namespace teamtool::ui {

// A drop-down box whose text changes only by a pick from its list or by the program.
// It shows whatever text the program gives it, listed or not (" ", "XX"), and takes
// no typing: every character key goes to the key-press handler, which discards it,
// and no editing or navigation key changes the text. A locked box opens no list.
class ModelComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ModelComboBox(QWidget* parent = nullptr);

    QString shownText() const { return m_text; }
    void setShownText(const QString& text);
    void setLocked(bool locked) { m_locked = locked; }

    // Called with the character code of each typed character; a code set to 0 is discarded.
    std::function<void(int& keyAscii)> onKeyPress;

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QString m_text;
    bool m_locked = false;
};

// A player list. Enter on the selected row picks it, like a double-click.
class PlayerListView : public QListView {
    Q_OBJECT
public:
    explicit PlayerListView(QWidget* parent = nullptr);

signals:
    void pickRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Paints a read-only text cell plainly: its text clipped to the cell, the selection's
// colours when selected. Far quicker than the style's full item painting, which keeps
// a screenful of a 31-column grid within one frame.
class PlainTextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// A read-only table whose first columns stay put when the rest scrolls sideways: a
// second view over the same model lies over those columns.
class FrozenColumnsTableView : public QTableView {
    Q_OBJECT
public:
    explicit FrozenColumnsTableView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    void setFrozenColumns(int count);
    // The column the rows are sorted by, or -1 for the file's order.
    int sortColumn() const { return m_sortColumn; }

signals:
    // A third click on the sorted column's heading: back to the file's order.
    void fileOrderRequested();

public:
    void setColumnWidthPixels(int column, int width);
    QTableView* frozenView() const { return m_frozen; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

private:
    void updateFrozenGeometry();
    void showOnlyFrozenColumns();
    void cycleSortOrder(int column);

    QTableView* m_frozen;
    int m_frozenCount = 0;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

}  // namespace teamtool::ui
