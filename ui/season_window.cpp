// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/season_window.h"

#include "ui/contrast.h"
#include "ui/frozen_columns_table_view.h"
#include "ui/item_models.h"
#include "ui/model_combo_box.h"
#include "ui/page_tabs_accessible.h"
#include "ui/passing_note.h"

#include <QAction>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace teamtool::ui {

using namespace Qt::StringLiterals;

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// The chart of a season table's lines.
// Eight line colours that read on a light and on a dark window alike: of middle
// lightness, apart in hue.
QColor lineColour(std::size_t k, const QPalette& palette)
{
    static constexpr int kHues[] = {210, 25, 120, 330, 50, 275, 175, 0};
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    return QColor::fromHsl(kHues[k % std::size(kHues)], 200, dark ? 160 : 100);
}

class SeasonChart : public QChartView {
public:
    explicit SeasonChart(QWidget* parent) : QChartView(parent)
    {
        setRenderHint(QPainter::Antialiasing);
        setMinimumHeight(120);
        setFocusPolicy(Qt::NoFocus);
    }

    void draw(const SeasonTable& table, const SeasonView& view, const std::vector<int>& rows, const QString& title)
    {
        auto* chart = new QChart();
        chart->setTitle(title);
        chart->setTitleBrush(palette().color(QPalette::Text));
        chart->legend()->setAlignment(Qt::AlignRight);
        chart->setMargins(QMargins(4, 4, 4, 4));
        const QPalette& colours = palette();
        chart->setBackgroundBrush(colours.color(QPalette::Base));
        chart->legend()->setLabelColor(colours.color(QPalette::Text));
        // The kept weeks' own days on the axis, each where its points are.
        auto* dates = new QCategoryAxis();
        dates->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        auto* values = new QValueAxis();
        // Grid lines as faint as still read on the chart's base (3:1), light or dark.
        const QColor lines = mutedText(colours.color(QPalette::Text), colours.color(QPalette::Base), 3.0);
        for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(dates), static_cast<QAbstractAxis*>(values)}) {
            axis->setLabelsColor(colours.color(QPalette::Text));
            axis->setGridLineColor(lines);
            axis->setLinePenColor(lines);
        }
        chart->addAxis(dates, Qt::AlignBottom);
        chart->addAxis(values, Qt::AlignLeft);
        double low = 0;
        double high = 0;
        bool any = false;
        for (std::size_t k = 0; k < rows.size(); ++k) {
            auto* series = new QLineSeries();
            series->setName(qs(table.grid.textMatrix(rows[k], 0)));
            series->setPointsVisible(true);
            series->setColor(lineColour(k, colours));
            const auto figures = rowValues(table, rows[k]);
            for (std::size_t w = 0; w < figures.size(); ++w) {
                if (!figures[w])
                    continue;
                series->append(timeOf(view.weeks[w].time), *figures[w]);
                low = any ? std::min(low, *figures[w]) : *figures[w];
                high = any ? std::max(high, *figures[w]) : *figures[w];
                any = true;
            }
            chart->addSeries(series);
            series->attachAxis(dates);
            series->attachAxis(values);
            const int row = rows[k];
            // A point's note stays while the pointer is near the point, as long as it
            // takes to read.
            QObject::connect(series, &QLineSeries::hovered, this,
                             [this, &table, row, series](const QPointF& point, bool state) {
                                 if (!state)
                                     return;
                                 // The week whose point lies nearest.
                                 int nearest = -1;
                                 double distance = 0;
                                 const auto points = series->points();
                                 for (const QPointF& p : points) {
                                     const double d = std::abs(p.x() - point.x());
                                     if (nearest < 0 || d < distance) {
                                         distance = d;
                                         nearest = static_cast<int>(&p - points.data());
                                     }
                                 }
                                 if (nearest < 0)
                                     return;
                                 const int week = weekOfPoint(table, row, nearest);
                                 const QPoint at = mapFromGlobal(QCursor::pos());
                                 QToolTip::showText(QCursor::pos(), qs(pointNote(table, row, week)), this,
                                                    QRect(at - QPoint(16, 16), QSize(32, 32)), 10'000);
                             });
        }
        qreal first = 0;
        qreal last = 0;
        for (std::size_t w = 0; w < view.weeks.size(); ++w) {
            first = w == 0 ? timeOf(view.weeks[w].time) : first;
            last = timeOf(view.weeks[w].time);
        }
        const qreal margin = last > first ? (last - first) * 0.03 : 86'400'000.0;
        // A week's label only where it clears the one before: weeks kept close together
        // (two on one day) would print over each other.
        const QFontMetrics metrics(dates->labelsFont());
        const qreal plotWidth = std::max(200, width() - 200);  // less the value axis and the legend
        const qreal perPixel = (last - first + 2 * margin) / plotWidth;
        qreal lastLabelled = 0;
        for (std::size_t w = 0; w < view.weeks.size(); ++w) {
            const qreal x = timeOf(view.weeks[w].time);
            const QString label = qs(table.grid.textMatrix(0, static_cast<int>(w) + 1));
            if (w > 0 && x - lastLabelled < (metrics.horizontalAdvance(label) + 12) * perPixel)
                continue;
            dates->append(label, x);
            lastLabelled = x;
        }
        dates->setRange(first - margin, last + margin);
        if (any) {
            const double room = high > low ? (high - low) * 0.05 : std::max(std::abs(high) * 0.05, 1.0);
            values->setRange(low - room, high + room);
            values->applyNiceNumbers();
        }
        QChart* old = this->chart();
        setChart(chart);
        delete old;
    }

private:
    static qreal timeOf(const KeptTime& t)
    {
        const QDateTime when(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
        return static_cast<qreal>(when.toMSecsSinceEpoch());
    }

    // The week of a row's nth point: its nth week that has a figure.
    static int weekOfPoint(const SeasonTable& table, int row, int point)
    {
        const auto figures = rowValues(table, row);
        for (std::size_t w = 0; w < figures.size(); ++w)
            if (figures[w] && point-- == 0)
                return static_cast<int>(w);
        return 0;
    }
};

// The table a season page shows, made before the model that shows it.
struct SeasonTableHolder {
    SeasonTable shown;
};

// The Figure box: Qt's own choosing (the arrow, Home, End and Page keys, a letter typed,
// a click, a screen reader's action), all through its current entry; heard as the main
// window's boxes are, its new text told as new text. No Q_OBJECT of its own: a reader
// is given the model box's description of it.
class FigureBox : public ModelComboBox {
public:
    explicit FigureBox(QWidget* parent) : ModelComboBox(parent)
    {
        connect(this, &QComboBox::currentIndexChanged, this, [this](int index) { setShownText(itemText(index)); });
    }

protected:
    // Qt's own keys, not the model box's, which lets no key choose by itself.
    void keyPressEvent(QKeyEvent* event) override
    {
        QComboBox::keyPressEvent(event);  // NOLINT(bugprone-parent-virtual-call)
    }
};

// A season table's model: it owns the table it shows, so the table lives exactly as
// long as the view that shows it.
class SeasonTableModel : private SeasonTableHolder, public GridModel {
public:
    explicit SeasonTableModel(QObject* parent) : GridModel(shown.grid, parent) {}

    const SeasonTable& table() const { return shown; }

    // A screen reader hears a cell with its row and its column, as the week layer says;
    // and a player's name with the figure of the current column, which is what a reader
    // says as Up and Down go from row to row.
    QVariant data(const QModelIndex& index, int role) const override
    {
        const int column = index.isValid() && index.column() == 0 ? m_currentColumn : index.column();
        if (role != Qt::AccessibleTextRole || !index.isValid() || column <= 0 || column >= columnCount())
            return GridModel::data(index, role);
        return QString::fromStdString(spokenCell(shown, gridRow(index.row()), column));
    }

    // The view's current column, whose figure a name is said with.
    void setCurrentColumn(int column) { m_currentColumn = column; }

    // Shows another table in its place.
    void show(SeasonTable table)
    {
        shown = std::move(table);
        reload();
    }

private:
    int m_currentColumn = 0;
};

const SeasonTable& SeasonWindow::Page::table() const
{
    return model->table();
}

SeasonWindow::SeasonWindow(FRMTEAMTOOL& form, std::function<void(const std::function<void()>&)> perform,
                           QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_form(form), m_perform(std::move(perform))
{
    setObjectName("SeasonWindow");
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(900, 640);

    auto* players = new QWidget(this);
    auto* figureRow = new QHBoxLayout();
    auto* figureLabel = new QLabel(u"Fi&gure:"_s, players);
    m_figure = new FigureBox(players);
    m_figure->setObjectName("SeasonFigure");
    figureLabel->setBuddy(m_figure);
    figureRow->addWidget(figureLabel);
    figureRow->addWidget(m_figure);
    figureRow->addStretch();
    auto* above = new QWidget(players);
    above->setLayout(figureRow);
    figureRow->setContentsMargins(0, 0, 0, 0);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName("SeasonPages");
    m_pages->addTab(buildPage(m_players, u"SeasonPlayers"_s, u"SeasonTable"_s, u"SeasonChart"_s, above), u"&Players"_s);
    m_pages->addTab(buildPage(m_team, u"SeasonTeam"_s, u"SeasonTeamTable"_s, u"SeasonTeamChart"_s, nullptr),
                    u"&Team"_s);
    m_pages->addTab(buildPage(m_played, u"SeasonPlayed"_s, u"SeasonPlayedTable"_s, {}, nullptr), u"Pl&ayed"_s);
    describePageTabs(m_pages->tabBar());  // each tab said by name, as the main window's are
    // Tab goes from the figure to the table it chooses for, then on to the page tabs.
    setTabOrder(m_figure, m_players.view);
    setTabOrder(m_players.view, m_pages->tabBar());
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(m_pages);
    m_unreadable = new QLabel(central);
    m_unreadable->setObjectName("SeasonUnreadable");
    m_unreadable->setWordWrap(true);
    m_unreadable->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(m_unreadable);
    setCentralWidget(central);
    m_note = new PassingNote(this);

    // Every way of choosing a figure (a click, the arrow, Home, End and Page keys, a
    // letter typed, a screen reader's action) changes the box's current entry: that one
    // signal shows it.
    connect(m_figure, &QComboBox::currentIndexChanged, this, &SeasonWindow::showChosenFigure);

    QMenu* file = menuBar()->addMenu(u"&File"_s);
    QAction* add = file->addAction(u"&Add Team Files..."_s);
    add->setObjectName("actionAddToSeason");
    connect(add, &QAction::triggered, this, &SeasonWindow::addTeamFiles);
    QAction* exporting = file->addAction(u"&Export..."_s);
    exporting->setObjectName("actionExportSeason");
    connect(exporting, &QAction::triggered, this, &SeasonWindow::exportShown);
    QAction* remove = file->addAction(u"&Remove Week..."_s);
    remove->setObjectName("actionRemoveWeek");
    remove->setToolTip(u"Removes the week of the current cell's column from the season"_s);
    connect(remove, &QAction::triggered, this, [this] {
        const QModelIndex current = shownPage().view->currentIndex();
        removeWeekAt(current.isValid() ? current.column() : -1);
    });
    file->addSeparator();
    QAction* close = file->addAction(u"&Close"_s);
    close->setObjectName("actionCloseSeason");
    close->setShortcut(QKeySequence::Close);
    connect(close, &QAction::triggered, this, &QWidget::close);
    QMenu* edit = menuBar()->addMenu(u"&Edit"_s);
    QAction* copy = edit->addAction(u"&Copy"_s);
    copy->setObjectName("actionCopySeason");
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, [this] { copySelection(shownPage()); });
}

SeasonWindow::~SeasonWindow() = default;

QWidget* SeasonWindow::buildPage(Page& page, const QString& name, const QString& tableName, const QString& chartName,
                                 QWidget* above)
{
    auto* widget = new QWidget(this);
    widget->setObjectName(name);
    auto* layout = new QVBoxLayout(widget);
    if (above) {
        above->setParent(widget);
        layout->addWidget(above);
    }
    auto* split = new QSplitter(Qt::Vertical, widget);
    if (!chartName.isEmpty()) {
        page.chart = new SeasonChart(split);
        page.chart->setObjectName(chartName);
    }
    page.view = new FrozenColumnsTableView(split);
    page.view->setObjectName(tableName);
    page.model = new SeasonTableModel(page.view);
    page.model->setNotes({
        [&page](int row, int) { return page.table().rowNotes[static_cast<std::size_t>(row - 1)]; },
        {},
        [&page](int row) { return page.table().gone(row); },
        [this] { return m_shown; },
    });
    page.view->setModel(page.model);
    connect(page.view->selectionModel(), &QItemSelectionModel::currentChanged, page.model,
            [&page](const QModelIndex& current) { page.model->setCurrentColumn(current.column()); });
    page.view->setFrozenColumns(1);
    page.view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    page.view->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(page.view->horizontalHeader(), &QWidget::customContextMenuRequested, this, [this, &page](QPoint at) {
        const int column = page.view->horizontalHeader()->logicalIndexAt(at);
        if (column < 1 || column > page.table().weeks)
            return;
        QMenu menu(this);
        menu.addAction(u"&Remove Week..."_s, this, [this, column] { removeWeekAt(column); });
        menu.exec(page.view->horizontalHeader()->mapToGlobal(at));
    });
    connect(page.view, &FrozenColumnsTableView::fileOrderRequested, page.model, &GridModel::unsort);
    connect(page.view, &FrozenColumnsTableView::copyRequested, this, [this, &page] { copySelection(page); });
    connect(page.view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, &page] {
        if (!m_restoring)
            drawChart(page);
    });
    if (page.chart)
        split->addWidget(page.chart);
    split->addWidget(page.view);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    layout->addWidget(split);
    return widget;
}

void SeasonWindow::showNote(const QString& text)
{
    m_note->pass(text);
}

void SeasonWindow::fitToScreen()
{
    const QScreen* shown = parentWidget() ? parentWidget()->screen() : screen();
    if (!shown)
        return;
    // The frame the window manager adds is not known before the window shows: leave
    // room for a title bar and borders.
    const QSize room = shown->availableGeometry().size() - QSize(16, 48);
    resize(size().boundedTo(room));
    move(shown->availableGeometry().topLeft() + QPoint(8, 8) +
         QPoint(std::max(0, room.width() - width()) / 2, std::max(0, room.height() - height()) / 2));
}

void SeasonWindow::followLoads()
{
    if (!isVisible() || m_form.loads == m_loads)
        return;
    const MenuCommand* season = m_form.findMenuCommand("actionSeason");
    if (!season || !m_form.applies(*season)) {
        close();
        return;
    }
    readSeasonView(m_form);
    showSeason();
}

void SeasonWindow::showSeason()
{
    m_loads = m_form.loads;
    const SeasonView& view = m_form.seasonView;
    setWindowTitle(qs(seasonWindowTitle(m_form)));
    m_figures = seasonFigures(view);
    // The figure chosen before, if the season still has it, else the default.
    const QString before = m_figure->currentIndex() >= 0 ? m_figure->currentText() : qs(defaultSeasonFigure().heading);
    {
        const QSignalBlocker quiet(m_figure);
        m_figure->clear();
        for (const SeasonFigure& figure : m_figures)
            m_figure->addItem(qs(figure.heading));
        int again = m_figure->findText(before);
        if (again < 0)
            again = m_figure->findText(qs(defaultSeasonFigure().heading));
        m_figure->setCurrentIndex(std::max(again, 0));
    }
    static_cast<FigureBox*>(m_figure)->setShownText(m_figure->currentText());
    showChosenFigure();
    showTable(m_team, teamTable(view));
    showTable(m_played, playedTable(m_form));
    const std::string problems = seasonViewProblems(view);
    m_unreadable->setText(qs(problems));
    m_unreadable->setVisible(!problems.empty());
}

void SeasonWindow::showChosenFigure()
{
    const int index = m_figure->currentIndex();
    const int column = index >= 0 && static_cast<std::size_t>(index) < m_figures.size()
                           ? m_figures[static_cast<std::size_t>(index)].column
                           : defaultSeasonFigure().column;
    showTable(m_players, playerTable(m_form, column));
}

void SeasonWindow::showTable(Page& page, SeasonTable table)
{
    // The current cell and the selected players stay where they were: the rows of a
    // page are the same players whatever figure it shows.
    const QModelIndex current = page.view->currentIndex();
    const int currentRow = current.isValid() ? page.model->gridRow(current.row()) : 0;
    std::vector<int> selected = page.view->selectedRowsAndColumns().first;
    for (int& row : selected)
        row = page.model->gridRow(row);
    const bool samePlayers = page.table().grid.rows() == table.grid.rows();
    const QString sortedBy = page.view->sortColumn() >= 0
                                 ? page.model->headerData(page.view->sortColumn(), Qt::Horizontal).toString()
                                 : QString();
    ++m_shown;
    page.view->setAccessibleName(qs(seasonTableTitle(table)));
    m_restoring = true;  // the chart is drawn once, below
    page.model->show(std::move(table));
    // The sort stays on the same heading (a week's columns move when one is added).
    if (!sortedBy.isEmpty()) {
        int column = -1;
        for (int col = 0; col < page.model->columnCount() && column < 0; ++col)
            if (page.model->headerData(col, Qt::Horizontal).toString() == sortedBy)
                column = col;
        page.view->sortBy(column, page.view->sortOrder());
    }
    // Widths without asking every cell: a week's column as wide as its heading or its
    // longest figure in digits, the names' as the longest name.
    const QFontMetrics metrics(page.view->font());
    const Grid& grid = page.table().grid;
    const int padding = 2 * metrics.averageCharWidth() + 6;
    int names = metrics.horizontalAdvance(qs(grid.textMatrix(0, 0)));
    for (int row = 1; row < grid.rows(); ++row)
        names = std::max(names, metrics.horizontalAdvance(qs(grid.textMatrix(row, 0))));
    page.view->setColumnWidthPixels(0, names + padding);
    for (int column = 1; column < grid.cols(); ++column) {
        std::size_t longest = 4;
        for (int row = 1; row < grid.rows(); ++row)
            longest = std::max(longest, grid.textMatrix(row, column).size());
        const int figure = metrics.horizontalAdvance(QString(static_cast<qsizetype>(longest), u'0'));
        page.view->setColumnWidthPixels(
            column, std::max(figure, metrics.horizontalAdvance(qs(grid.textMatrix(0, column)))) + padding);
    }
    if (samePlayers && page.model->rowCount() > 0) {
        QItemSelection again;
        for (int row = 0; row < page.model->rowCount(); ++row) {
            const int gridRow = page.model->gridRow(row);
            if (std::ranges::find(selected, gridRow) != selected.end())
                again.select(page.model->index(row, 0), page.model->index(row, page.model->columnCount() - 1));
            if (current.isValid() && gridRow == currentRow)
                page.view->selectionModel()->setCurrentIndex(
                    page.model->index(row, std::min(current.column(), page.model->columnCount() - 1)),
                    QItemSelectionModel::NoUpdate);
        }
        page.view->selectionModel()->select(again, QItemSelectionModel::ClearAndSelect);
    }
    m_restoring = false;
    drawChart(page);
}

void SeasonWindow::drawChart(Page& page) const
{
    if (!page.chart)
        return;
    // The players that hold a selected cell, one or many.
    std::vector<int> selected;
    for (const int row : page.view->selectedRowsAndColumns().first)
        selected.push_back(page.model->gridRow(row));
    const SeasonTable& table = page.table();
    const std::vector<int> rows = chartedRows(table, selected);
    page.chart->draw(table, m_form.seasonView, rows, qs(seasonTableTitle(table)));
    const std::string description = chartDescription(table, m_form.seasonView, rows);
    page.chart->setAccessibleName(qs(description.substr(0, description.find(';'))));
    page.chart->setAccessibleDescription(qs(description));
}

SeasonWindow::Page& SeasonWindow::shownPage()
{
    switch (m_pages->currentIndex()) {
    case 1:
        return m_team;
    case 2:
        return m_played;
    default:
        return m_players;
    }
}

std::vector<int> SeasonWindow::shownRows(const Page& page) const
{
    std::vector<int> rows;
    for (int row = 0; row < page.model->rowCount(); ++row)
        rows.push_back(page.model->gridRow(row));
    return rows;
}

void SeasonWindow::copySelection(Page& page)
{
    auto [rows, columns] = page.view->selectedRowsAndColumns();
    if (rows.empty())
        return;
    for (int& row : rows)
        row = page.model->gridRow(row);
    m_form.dialogs().copyText(copiedCells(page.table().grid, rows, columns));
    m_form.dialogs().notify("Copied");
}

void SeasonWindow::exportShown()
{
    Page& page = shownPage();
    m_perform([&] { exportTable(m_form, page.table().grid, shownRows(page), seasonExportName(m_form, page.table())); });
}

void SeasonWindow::removeWeekAt(int column)
{
    const SeasonTable& shown = shownPage().table();
    if (column < 1 || column > shown.weeks) {
        m_form.dialogs().notify("Choose a cell in a week's column first");
        return;
    }
    const std::size_t week = shown.keptWeeks[static_cast<std::size_t>(column - 1)];
    bool removed = false;
    m_perform([&] { removed = removeWeek(m_form, week); });
    if (removed)
        showSeason();
}

void SeasonWindow::addTeamFiles()
{
    m_perform([this] { actionAddToSeason_Click(m_form); });
    showSeason();
}

}  // namespace teamtool::ui
