#include "ui/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace teamtool::ui {

namespace {

// What assistive technology is told of a ModelComboBox: its value is the text it shows,
// listed or not (a lone blank reads as empty), where Qt's own reads the current entry.
class ModelComboAccessible : public QAccessibleWidget {
public:
    explicit ModelComboAccessible(ModelComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return combo()->shownText().trimmed();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {showMenuAction()}; }

    void doAction(const QString& action) override
    {
        if (action == showMenuAction())
            combo()->showPopup();
    }

private:
    ModelComboBox* combo() const { return static_cast<ModelComboBox*>(widget()); }
};

QAccessibleInterface* modelComboAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(ModelComboBox::staticMetaObject.className()))
        if (auto* combo = qobject_cast<ModelComboBox*>(object))
            return new ModelComboAccessible(combo);
    return nullptr;
}

}  // namespace

ModelComboBox::ModelComboBox(QWidget* parent) : QComboBox(parent)
{
    static const bool accessibleFactoryInstalled = (QAccessible::installFactory(modelComboAccessible), true);
    Q_UNUSED(accessibleFactoryInstalled);
    setEditable(false);
    setFocusPolicy(Qt::StrongFocus);
}

void ModelComboBox::setShownText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    // Qt's current entry follows the text, so that what the box reports to screen
    // readers and opens its list on is what it shows; none for an unlisted text.
    const QSignalBlocker blocker(this);
    setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    update();
    QAccessibleValueChangeEvent changed(this, text.trimmed());
    QAccessible::updateAccessibility(&changed);
}

void ModelComboBox::showPopup()
{
    if (m_locked)
        return;
    QComboBox::showPopup();
}

void ModelComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    // Drawn as a button, so in the button's text colour: readable in any palette.
    painter.setPen(palette().color(isEditable() ? QPalette::Text : QPalette::ButtonText));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = m_text;
    option.currentIcon = {};
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void ModelComboBox::keyPressEvent(QKeyEvent* event)
{
    const bool opensList = event->key() == Qt::Key_F4 ||
                           ((event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) &&
                            (event->modifiers() & Qt::AltModifier));
    if (opensList) {
        showPopup();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab || event->key() == Qt::Key_Escape) {
        event->ignore();  // focus moves on; the dialog or window handles Escape
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.front().unicode() != 0 && onKeyPress) {
        int keyAscii = text.front().unicode();
        onKeyPress(keyAscii);
    }
    // No key reaches Qt's own handling, which would step through the entries.
    event->accept();
}

void ModelComboBox::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}

PlayerListView::PlayerListView(QWidget* parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new PlainTextDelegate(this));
}

void PlayerListView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit pickRequested();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

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
    painter->drawText(option.rect.adjusted(3, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

FrozenColumnsTableView::FrozenColumnsTableView(QWidget* parent) : QTableView(parent), m_frozen(new QTableView(this))
{
    for (QTableView* view : {static_cast<QTableView*>(this), m_frozen}) {
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->verticalHeader()->hide();
        view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
        view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        view->setWordWrap(false);
        view->setTextElideMode(Qt::ElideNone);  // narrow columns clip, as a grid does
        view->setItemDelegate(new PlainTextDelegate(view));
    }
    m_frozen->setObjectName("frozenColumns");
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setStyleSheet("QTableView { border: none; }");
    viewport()->stackUnder(m_frozen);

    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
            &QAbstractSlider::setValue);
    // A click on a heading sorts by that column, a second reverses, a third returns to
    // the file's order. The frozen columns' headings belong to the frozen view.
    for (QTableView* view : {static_cast<QTableView*>(this), m_frozen}) {
        view->horizontalHeader()->setSectionsClickable(true);
        connect(view->horizontalHeader(), &QHeaderView::sectionClicked, this,
                &FrozenColumnsTableView::cycleSortOrder);
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
    connect(model, &QAbstractItemModel::modelReset, this, &FrozenColumnsTableView::showOnlyFrozenColumns);
    connect(model, &QAbstractItemModel::columnsInserted, this, &FrozenColumnsTableView::showOnlyFrozenColumns);
    showOnlyFrozenColumns();
}

void FrozenColumnsTableView::cycleSortOrder(int column)
{
    if (!model())
        return;
    if (column != m_sortColumn) {
        m_sortColumn = column;
        m_sortOrder = Qt::AscendingOrder;
    } else if (m_sortOrder == Qt::AscendingOrder) {
        m_sortOrder = Qt::DescendingOrder;
    } else {
        m_sortColumn = -1;
    }
    for (QTableView* view : {static_cast<QTableView*>(this), m_frozen}) {
        view->horizontalHeader()->setSortIndicatorShown(m_sortColumn >= 0);
        view->horizontalHeader()->setSortIndicator(m_sortColumn, m_sortOrder);
    }
    if (m_sortColumn >= 0)
        model()->sort(m_sortColumn, m_sortOrder);
    else
        emit fileOrderRequested();
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
    m_frozen->setGeometry(frameWidth(), frameWidth(), width,
                          viewport()->height() + horizontalHeader()->height());
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
