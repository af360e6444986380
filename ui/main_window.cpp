#include "ui/main_window.h"

#include "app/design.h"
#include "app/window.h"
#include "ui/item_models.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace teamtool::ui {

namespace {

int px(int twips)
{
    return twips / kTwipsPerPixel;
}

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

struct MainWindow::Bound {
    Control* control;
    QWidget* widget;
    int yOffset;       // pixels taken by the tab strip above a page's own area
    Twips shownGeometry;
};

MainWindow::MainWindow(FRMTEAMTOOL& form, QWidget* parent) : QWidget(parent), m_form(form)
{
    setObjectName(qt(form.Me.name));
    setWindowTitle(qt(form.Me.caption));
    setFixedSize(px(form.Me.geometry.width), px(form.Me.geometry.height));
    // The layout was designed around an 8-point window font.
    QFont windowFont = font();
    windowFont.setPointSizeF(8);
    setFont(windowFont);

    // The design lists every container before what it holds.
    for (const auto& control : form.controls()) {
        if (control->kind == Kind::TabControl)
            m_tabControl = static_cast<const TabControl*>(control.get());
        if (control->kind == Kind::TabControl || m_onPages.count(control->container))
            m_onPages.insert(control->name);
    }
    buildWidgets(false);
    refresh();
}

bool MainWindow::onTabbedPages(const Control& control) const
{
    return m_onPages.count(control.name) > 0;
}

void MainWindow::buildWidgets(bool tabbedPages)
{
    for (const auto& control : m_form.controls()) {
        if (control->kind == Kind::Form || control->kind == Kind::FileDialog || onTabbedPages(*control) != tabbedPages)
            continue;
        int yOffset = 0;
        QWidget* parentWidget = containerWidget(*control, yOffset);
        QWidget* widget = createWidget(*control, parentWidget);
        widget->setObjectName(qt(control->fullName()));
        if (control->fontSize > 0 || control->bold) {
            QFont font = widget->font();
            if (control->fontSize > 0)
                font.setPointSizeF(control->fontSize);
            font.setBold(control->bold);
            widget->setFont(font);
        }
        place(widget, *control, yOffset);
        if (!control->accessibleName.empty())
            widget->setAccessibleName(qt(control->accessibleName));
        m_widgets.emplace(control->fullName(), widget);
        m_bound.push_back({control.get(), widget, yOffset, control->geometry});
        connectControl(*control, widget);
    }

    // Labels name the box beside them, and the keyboard goes row by row on each page.
    for (const auto& control : m_form.controls())
        if (!control->buddy.empty() && onTabbedPages(*control) == tabbedPages)
            if (auto* label = qobject_cast<QLabel*>(this->control(control->fullName())))
                label->setBuddy(this->control(control->buddy));
    std::vector<int> pages = {-1};
    if (tabbedPages)
        pages = {0, 1, 2, 3};
    for (const int page : pages) {
        QWidget* previous = nullptr;
        for (const Control* control : m_form.focusOrder(page)) {
            QWidget* next = this->control(control->fullName());
            if (previous && next)
                QWidget::setTabOrder(previous, next);
            previous = next ? next : previous;
        }
    }
}

void MainWindow::buildTabbedPages()
{
    if (m_tabs)
        return;
    buildWidgets(true);
    refresh();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::control(const std::string& fullName) const
{
    const auto it = m_widgets.find(fullName);
    return it == m_widgets.end() ? nullptr : it->second;
}

QWidget* MainWindow::containerWidget(const Control& control, int& yOffset) const
{
    yOffset = 0;
    if (control.container.empty())
        return const_cast<MainWindow*>(this);
    if (m_tabControl && control.container == m_tabControl->name) {
        // Page coordinates count the tab strip in; Qt's page area starts below it.
        yOffset = m_tabs->tabBar()->sizeHint().height();
        return m_tabs->widget(control.page);
    }
    return this->control(control.container);
}

void MainWindow::place(QWidget* widget, const Control& control, int yOffset)
{
    const Twips& g = control.geometry;
    widget->setGeometry(px(g.left), std::max(0, px(g.top) - yOffset), px(g.width), px(g.height));
}

QWidget* MainWindow::createWidget(const Control& control, QWidget* parent)
{
    switch (control.kind) {
    case Kind::Frame:
        return new QGroupBox(qt(control.caption), parent);
    case Kind::Label:
        return new QLabel(qt(control.caption), parent);
    case Kind::CommandButton:
        return new QPushButton(qt(control.caption), parent);
    case Kind::TextBox: {
        const auto& box = static_cast<const TextBox&>(control);
        if (box.multiLine) {
            auto* edit = new QPlainTextEdit(parent);
            edit->setReadOnly(box.locked);
            return edit;
        }
        auto* edit = new QLineEdit(parent);
        edit->setReadOnly(box.locked);
        if (box.tightMargins)
            edit->setTextMargins(-2, 0, -2, 0);  // Qt's own two pixels each side go to the text
        if (box.maxLength > 0)
            edit->setMaxLength(box.maxLength);
        return edit;
    }
    case Kind::ComboBox: {
        const auto& combo = static_cast<const ComboBox&>(control);
        auto* widget = new ModelComboBox(parent);
        widget->setLocked(combo.locked);
        return widget;
    }
    case Kind::ListBox: {
        auto* view = new PlayerListView(parent);
        auto* model = new ListModel(static_cast<const ListBox&>(control), view);
        view->setModel(model);
        return view;
    }
    case Kind::CheckBox:
        return new QCheckBox(parent);
    case Kind::OptionButton: {
        // The window model keeps the buttons of a frame exclusive.
        auto* button = new QRadioButton(parent);
        button->setAutoExclusive(false);
        return button;
    }
    case Kind::TabControl: {
        const auto& tab = static_cast<const TabControl&>(control);
        m_tabs = new QTabWidget(parent);
        for (const std::string& caption : tab.tabCaptions)
            m_tabs->addTab(new QWidget(m_tabs), qt(caption));
        return m_tabs;
    }
    case Kind::Grid: {
        const auto& grid = static_cast<const Grid&>(control);
        m_grid = new FrozenColumnsTableView(parent);
        m_gridModel = new GridModel(grid, m_grid);
        m_gridModel->setRowNote([this](int row) { return gridRowNote(m_form, row); });
        m_grid->setModel(m_gridModel);
        connect(m_grid, &FrozenColumnsTableView::fileOrderRequested, m_gridModel, &GridModel::unsort);
        m_grid->setFrozenColumns(grid.fixedCols);
        m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
        m_grid->frozenView()->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
        return m_grid;
    }
    case Kind::Form:
    case Kind::FileDialog:
    case Kind::MenuCommand:
        break;
    }
    return nullptr;
}

template <class Action>
void MainWindow::act(Action&& action)
{
    buildTabbedPages();
    action();
    refresh();
}

void MainWindow::openTeamFile(const std::string& path)
{
    act([&] { teamtool::openTeamFile(m_form, path); });
}

void MainWindow::perform(const std::function<void()>& action)
{
    act(action);
}

void MainWindow::connectControl(Control& control, QWidget* widget)
{
    switch (control.kind) {
    case Kind::CommandButton: {
        auto& button = static_cast<CommandButton&>(control);
        connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                [this, &button] { act([&] { button.click(); }); });
        break;
    }
    case Kind::TextBox: {
        auto& box = static_cast<TextBox&>(control);
        if (auto* line = qobject_cast<QLineEdit*>(widget))
            connect(line, &QLineEdit::textEdited, this, [&box](const QString& text) { box.text = text.toStdString(); });
        else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
            connect(edit, &QPlainTextEdit::textChanged, this, [this, &box, edit] {
                if (!m_refreshing)
                    box.text = edit->toPlainText().toStdString();
            });
        break;
    }
    case Kind::ComboBox: {
        auto& combo = static_cast<ComboBox&>(control);
        auto* comboWidget = static_cast<ModelComboBox*>(widget);
        connect(comboWidget, &QComboBox::activated, this, [this, &combo](int item) { act([&] { combo.pick(item); }); });
        comboWidget->onKeyPress = [this, &combo](int& keyAscii) { act([&] { combo.keyPress(keyAscii); }); };
        break;
    }
    case Kind::ListBox:
        connectList(static_cast<ListBox&>(control), static_cast<PlayerListView*>(widget));
        break;
    case Kind::CheckBox: {
        auto& box = static_cast<CheckBox&>(control);
        connect(static_cast<QCheckBox*>(widget), &QCheckBox::clicked, this,
                [this, &box](bool checked) { act([&] { box.setValue(checked ? 1 : 0); }); });
        break;
    }
    case Kind::OptionButton: {
        auto& button = static_cast<OptionButton&>(control);
        connect(static_cast<QRadioButton*>(widget), &QRadioButton::clicked, this,
                [this, &button] { act([&] { button.setValue(true); }); });
        break;
    }
    case Kind::TabControl: {
        auto& tabs = static_cast<TabControl&>(control);
        connect(static_cast<QTabWidget*>(widget), &QTabWidget::currentChanged, this, [this, &tabs](int page) {
            if (!m_refreshing)
                tabs.tab = page;
        });
        break;
    }
    default:
        break;
    }
}

void MainWindow::connectList(ListBox& list, PlayerListView* view)
{
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, &list, view](const QModelIndex& current) {
                if (m_refreshing || !current.isValid())
                    return;
                act([&] {
                    list.topIndex = view->verticalScrollBar()->value();
                    list.click(current.row());
                });
            });
    connect(view, &QAbstractItemView::doubleClicked, this,
            [this, &list](const QModelIndex& index) { act([&] { list.doubleClick(index.row()); }); });
    connect(view, &PlayerListView::pickRequested, this, [this, &list] { act([&] { list.pressEnter(); }); });
    connect(view->verticalScrollBar(), &QAbstractSlider::valueChanged, this, [this, &list](int value) {
        if (!m_refreshing)
            act([&] { list.scroll(value); });
    });
}

void MainWindow::refresh()
{
    if (m_tabControl && m_tabControl->visible)
        buildTabbedPages();
    const bool outer = !m_refreshing;
    m_refreshing = true;
    for (Bound& bound : m_bound)
        showControl(bound);
    if (outer) {
        m_refreshing = false;
        emit refreshed();
    }
}

void MainWindow::showControl(Bound& bound)
{
    Control& control = *bound.control;
    QWidget* widget = bound.widget;

    const Twips& g = control.geometry;
    const Twips& shown = bound.shownGeometry;
    if (g.left != shown.left || g.top != shown.top || g.width != shown.width || g.height != shown.height) {
        place(widget, control, bound.yOffset);
        bound.shownGeometry = g;
    }
    if (widget->isVisibleTo(widget->parentWidget()) != control.visible)
        widget->setVisible(control.visible);
    if (widget->isEnabled() != control.enabled)
        widget->setEnabled(control.enabled);

    switch (control.kind) {
    case Kind::TextBox: {
        const auto& box = static_cast<const TextBox&>(control);
        const QString text = qt(box.text);
        if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            if (line->text() != text) {
                line->setText(text);
                if (!line->hasFocus())
                    line->setCursorPosition(0);  // a long value shows from its start
            }
        } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
            if (edit->toPlainText() != text)
                edit->setPlainText(text);
        }
        break;
    }
    case Kind::ComboBox: {
        const auto& combo = static_cast<const ComboBox&>(control);
        auto* comboWidget = static_cast<ModelComboBox*>(widget);
        if (comboWidget->count() != static_cast<int>(combo.items.size())) {
            QSignalBlocker blocker(comboWidget);
            comboWidget->clear();
            for (const std::string& item : combo.items)
                comboWidget->addItem(qt(item));
        }
        comboWidget->setShownText(qt(combo.text));
        break;
    }
    case Kind::CheckBox: {
        auto* box = static_cast<QCheckBox*>(widget);
        const bool checked = static_cast<const CheckBox&>(control).value() == 1;
        if (box->isChecked() != checked) {
            QSignalBlocker blocker(box);
            box->setChecked(checked);
        }
        break;
    }
    case Kind::OptionButton: {
        auto* button = static_cast<QRadioButton*>(widget);
        const bool on = static_cast<const OptionButton&>(control).value();
        if (button->isChecked() != on) {
            QSignalBlocker blocker(button);
            button->setChecked(on);
        }
        break;
    }
    case Kind::ListBox: {
        const auto& list = static_cast<const ListBox&>(control);
        auto* view = static_cast<PlayerListView*>(widget);
        static_cast<ListModel*>(view->model())->sync();
        const QModelIndex selected = view->model()->index(list.listIndex, 0);
        if (view->currentIndex() != selected)
            view->selectionModel()->setCurrentIndex(selected, QItemSelectionModel::ClearAndSelect);
        if (view->verticalScrollBar()->value() != list.topIndex)
            view->verticalScrollBar()->setValue(list.topIndex);
        break;
    }
    case Kind::TabControl:
        if (const int tab = static_cast<const TabControl&>(control).tab; m_tabs->currentIndex() != tab)
            m_tabs->setCurrentIndex(tab);
        break;
    case Kind::Grid: {
        const auto& grid = static_cast<const Grid&>(control);
        m_gridModel->sync();
        for (int column = 0; column < grid.cols(); ++column)
            if (m_grid->columnWidth(column) != px(grid.colWidth(column)))
                m_grid->setColumnWidthPixels(column, px(grid.colWidth(column)));
        break;
    }
    default:
        break;
    }
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The design lists the controls in focus order: the first that can take the focus
    // ("Select File") has it when the window opens.
    for (const Bound& bound : m_bound) {
        if (focusWidget())
            break;  // shown again: the focus stays where the user left it
        QWidget* widget = bound.widget;
        if (widget->isVisible() && widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus) {
            widget->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // The tabbed pages stay hidden until a team is loaded: they are built once the
    // window has been painted, so that it shows as soon as it can.
    if (!m_tabs)
        QTimer::singleShot(0, this, &MainWindow::buildTabbedPages);
}

}  // namespace teamtool::ui
