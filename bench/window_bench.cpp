// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt window, offscreen: "Load Team" pressed on the real button for 25, 10,000 and
// 100,000 players until the loaded page is painted; then, with 100,000 players loaded,
// the squad page's actions through the real widgets, each until repainted.

#include "app/dialogs.h"
#include "bench/team_file_gen.h"
#include "orders/orders.h"
#include "season/season.h"
#include "teamfile/comparison.h"
#include "textio/trim.h"
#include "ui/form_view.h"
#include "ui/item_models.h"
#include "ui/season_window.h"
#include "week/fill.h"
#include "week/season_window.h"
#include "window/window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

using teamtool::FRMTEAMTOOL;

// Lets the window lay out and paint what the last action changed.
void showChanges(QWidget&)
{
    QApplication::processEvents();
}

struct LoadedWindow {
    teamtool::bench::BenchDialogs dialogs;
    std::unique_ptr<FRMTEAMTOOL> form = teamtool::createMainWindow(dialogs);
    teamtool::ui::FormView window{*form};

    explicit LoadedWindow(int players)
    {
        window.show();
        window.buildTabbedPages();
        showChanges(window);
        form->Text31.text = teamtool::bench::benchTeamFile(players);
        window.refresh();
    }

    template <class T = QWidget>
    T* widget(const std::string& name) const
    {
        return qobject_cast<T*>(window.control(name));
    }

    void load() const { widget<QPushButton>("Command3")->click(); }
};

void BM_LoadThroughWindow(benchmark::State& state)
{
    const int players = static_cast<int>(state.range(0));
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<LoadedWindow>(players);
        state.ResumeTiming();

        w->load();
        showChanges(w->window);

        state.PauseTiming();
        if (!w->dialogs.messages.empty() || w->form->MSFlexGrid1.rows() != players + 2)
            state.SkipWithError("the team did not load");
        w.reset();  // closing the window is not part of the load
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * players);
}
BENCHMARK(BM_LoadThroughWindow)->Arg(25)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadThroughWindow)->Arg(1'000'000)->Iterations(3)->Unit(benchmark::kMillisecond);

// A file of nothing but commas, as large as a team file may be (256 MiB): a wrong file
// picked by mistake.
const std::string& commasFile()
{
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "teamtool_bench_commas.txt";
        std::ofstream out(file, std::ios::binary);
        const std::string block(std::size_t{1} << 20, ',');
        for (int k = 0; k < 256; ++k)
            out << block;
        return file.string();
    }();
    return path;
}

// Dialogs that cancel a load half-way, as a user who clicks Cancel, timing what he
// waits for: the click is heard at the next progress report, so the longest gap
// between two reports; then the time from the cancel until the window is itself again.
struct CancellingDialogs : teamtool::bench::BenchDialogs {
    using Clock = std::chrono::steady_clock;
    Clock::time_point last;
    Clock::time_point cancelled;
    double longestGapMs = 0;

    struct Cancelling : teamtool::Progress {
        explicit Cancelling(CancellingDialogs& owner) : dialogs(owner) {}
        bool advance(std::uint64_t done, std::uint64_t total) override
        {
            const auto now = Clock::now();
            const double gap = std::chrono::duration<double, std::milli>(now - dialogs.last).count();
            dialogs.longestGapMs = std::max(dialogs.longestGapMs, gap);
            dialogs.last = now;
            if (2 * done < total)
                return true;
            dialogs.cancelled = now;
            return false;
        }
        CancellingDialogs& dialogs;
    };

    std::unique_ptr<teamtool::Progress> startProgress(const std::string&) override
    {
        last = Clock::now();
        return std::make_unique<Cancelling>(*this);
    }
};

// Load Team cancelled half-way through 1,000,000 players (0) or 256 MiB of commas (1).
// Counters: the longest gap between progress reports, and the cancel's latency, from
// the cancel to the window repainted as it was. Target: a fifth of a second for both.
void BM_CancelHalfWay(benchmark::State& state)
{
    const std::string& path = state.range(0) == 0 ? teamtool::bench::benchTeamFile(1'000'000) : commasFile();
    double longestGap = 0;
    double latency = 0;
    for ([[maybe_unused]] auto _ : state) {
        CancellingDialogs dialogs;
        auto form = teamtool::createMainWindow(dialogs);
        teamtool::ui::FormView window(*form);
        window.show();
        showChanges(window);
        form->Text31.text = path;
        window.perform([&] { form->Command3.click(); });
        showChanges(window);
        const auto back = CancellingDialogs::Clock::now();
        longestGap = std::max(longestGap, dialogs.longestGapMs);
        latency = std::max(latency, std::chrono::duration<double, std::milli>(back - dialogs.cancelled).count());
        if (form->SSTab1.visible || !dialogs.messages.empty())
            state.SkipWithError("the load was not cancelled");
    }
    state.counters["longest_gap_ms"] = longestGap;
    state.counters["cancel_latency_ms"] = latency;
}
BENCHMARK(BM_CancelHalfWay)->Arg(0)->Arg(1)->ArgName("commas")->Iterations(3)->Unit(benchmark::kMillisecond);

// One window with 100,000 players, on the "Select Team" page, shared by the action benchmarks.
LoadedWindow& bigTeam()
{
    static LoadedWindow* w = [] {
        auto* loaded = new LoadedWindow(100'000);
        loaded->load();
        loaded->widget<QTabWidget>("SSTab1")->setCurrentIndex(2);
        showChanges(loaded->window);
        return loaded;
    }();
    return *w;
}

QPoint rowCentre(QAbstractItemView* view, int row)
{
    return view->visualRect(view->model()->index(row, 0)).center();
}

void BM_ListClick(benchmark::State& state)
{
    LoadedWindow& w = bigTeam();
    auto* list = w.widget<QAbstractItemView>("List3");
    int row = 0;
    for ([[maybe_unused]] auto _ : state) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
        showChanges(w.window);
        row = (row + 1) % 20;
    }
}
BENCHMARK(BM_ListClick)->Unit(benchmark::kMicrosecond);

// A double-click picks into slot 0; a Clear, not timed, empties it again.
void BM_ListDoubleClick(benchmark::State& state)
{
    LoadedWindow& w = bigTeam();
    auto* list = w.widget<QAbstractItemView>("List4");
    auto* clear = w.widget<QPushButton>("Command2(0)");
    for ([[maybe_unused]] auto _ : state) {
        // A double-click arrives as a press and release, then the double-click itself.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 3));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 3));
        showChanges(w.window);
        if (w.form->Text27(0).text.empty()) {
            state.SkipWithError("the double-click picked no one");
            break;
        }
        state.PauseTiming();
        clear->click();
        showChanges(w.window);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ListDoubleClick)->Unit(benchmark::kMicrosecond);

// Ticking and unticking the marker of a centre back in slot 1.
void BM_MarkerClick(benchmark::State& state)
{
    LoadedWindow& w = bigTeam();
    w.form->Text27(1).text = "Marker";
    w.form->Combo1(1).text = "CB";
    w.window.refresh();
    auto* marker = w.widget<QCheckBox>("Check1(0)");
    for ([[maybe_unused]] auto _ : state) {
        QTest::mouseClick(marker, Qt::LeftButton);
        showChanges(w.window);
    }
    if (!w.dialogs.messages.empty())
        state.SkipWithError("the marker was refused");
}
BENCHMARK(BM_MarkerClick)->Unit(benchmark::kMicrosecond);

// A Clear of an outfield slot; the slot is filled again, not timed, for the next one.
void BM_Clear(benchmark::State& state)
{
    LoadedWindow& w = bigTeam();
    auto* clear = w.widget<QPushButton>("Command2(2)");
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        w.form->Combo1(2).text = "CM";
        w.form->Text27(2).text = "Cleared";
        w.form->Text28(2).text = "12.5";
        w.form->Text30.text = "12.5";
        w.window.refresh();
        state.ResumeTiming();

        QTest::mouseClick(clear, Qt::LeftButton);
        showChanges(w.window);
    }
    if (w.form->Text30.text != "0")
        state.SkipWithError("the Clear did not lower the total");
}
BENCHMARK(BM_Clear)->Unit(benchmark::kMicrosecond);

void BM_ScrollLists(benchmark::State& state)
{
    LoadedWindow& w = bigTeam();
    QScrollBar* bar = w.widget<QAbstractItemView>("List2")->verticalScrollBar();
    int top = 0;
    for ([[maybe_unused]] auto _ : state) {
        top = (top + 997) % bar->maximum();  // the lists hold the selectable players only
        bar->setValue(top);
        showChanges(w.window);
    }
    if (w.form->List5.topIndex != top || w.widget<QAbstractItemView>("List5")->verticalScrollBar()->value() != top)
        state.SkipWithError(("the lists did not scroll together: " + std::to_string(top) + " " +
                             std::to_string(w.form->List5.topIndex) + " " + std::to_string(bar->value()))
                                .c_str());
}
BENCHMARK(BM_ScrollLists)->Unit(benchmark::kMicrosecond);

// An earlier week of the big team: every 100th player not there yet, and the figures of
// every 7th different (its last fields' fives are sixes).
const std::string& earlierBigTeamFile()
{
    static const std::string path = [] {
        const std::string week = teamtool::bench::makeTeamFile(100'000);
        std::string earlier;
        std::size_t line = 0;
        for (std::size_t from = 0; from < week.size(); ++line) {
            const std::size_t end = week.find('\n', from) + 1;
            std::string text = week.substr(from, end - from);
            from = end;
            if (line > 0 && line % 100 == 0)
                continue;
            if (line > 0 && line % 7 == 0)
                std::replace(text.end() - std::min<std::ptrdiff_t>(40, std::ssize(text)), text.end(), '5', '6');
            earlier += text;
        }
        const auto file = std::filesystem::temp_directory_path() / "teamtool_bench_earlier_week.txt";
        std::ofstream(file, std::ios::binary) << earlier;
        return file.string();
    }();
    return path;
}

// File > Compare With Team File... between two 100,000-player files, until the window is
// repainted. Target: 150 ms.
void BM_CompareWithTeamFile(benchmark::State& state)
{
    LoadedWindow& w = bigTeam();
    const std::string& earlier = earlierBigTeamFile();
    for ([[maybe_unused]] auto _ : state) {
        w.window.perform([&] { teamtool::compareWithTeamFile(*w.form, earlier); });
        showChanges(w.window);
    }
    if (!w.form->comparison.made() || !w.dialogs.messages.empty())
        state.SkipWithError("the files were not compared");
}
BENCHMARK(BM_CompareWithTeamFile)->Unit(benchmark::kMillisecond);

// Scrolling the 100,000-row grid to anywhere, until repainted: with the comparison's
// marks painted when compared is 1. Target: one frame (16 ms).
void BM_ScrollGrid(benchmark::State& state)
{
    LoadedWindow& w = bigTeam();
    if (state.range(0) == 1)
        w.window.perform([&] { teamtool::compareWithTeamFile(*w.form, earlierBigTeamFile()); });
    w.widget<QTabWidget>("SSTab1")->setCurrentIndex(1);
    auto* grid = w.widget<QAbstractItemView>("MSFlexGrid1");
    showChanges(w.window);
    int step = 0;
    for ([[maybe_unused]] auto _ : state) {
        ++step;
        grid->verticalScrollBar()->setValue((step * 7919) % grid->verticalScrollBar()->maximum());
        grid->horizontalScrollBar()->setValue((step * 37) % (grid->horizontalScrollBar()->maximum() + 1));
        showChanges(w.window);
    }
    w.widget<QTabWidget>("SSTab1")->setCurrentIndex(2);
}
BENCHMARK(BM_ScrollGrid)->Arg(0)->Arg(1)->ArgName("compared")->Unit(benchmark::kMicrosecond);

// Last week's orders for the big team: its first sixteen players, as Create Orders
// writes them, in a file of their own.
std::string lastWeeksOrders(LoadedWindow& w)
{
    FRMTEAMTOOL& f = *w.form;
    for (int k = 0; k < f.Check1.count(); ++k)
        f.Check1(k).setValue(0);  // a marker the marker benchmark left may stand on any position
    for (int i = 0; i < f.Text27.count(); ++i)
        f.Command2(i).click();
    for (int row = 0; row < 16; ++row)
        f.List2.doubleClick(row);
    f.Option1(3).setValue(true);
    f.Option2(4).setValue(true);
    f.Text29.text = "CD";
    f.Combo2.text = "LB";
    f.Combo3.text = "MC";
    const auto orders = teamtool::buildOrders(f);
    const auto path = std::filesystem::temp_directory_path() / "teamtool_bench_last_week.TXT";
    std::ofstream(path, std::ios::binary) << orders->bytes;
    return path.string();
}

// Fill From Orders with 100,000 players in the lists, until the page is repainted.
void BM_FillFromOrders(benchmark::State& state)
{
    LoadedWindow& w = bigTeam();
    const std::string path = lastWeeksOrders(w);
    w.dialogs.messages.clear();  // what the benchmarks before left
    for ([[maybe_unused]] auto _ : state) {
        w.window.perform([&] { teamtool::fillFromOrders(*w.form, path); });
        showChanges(w.window);
    }
    if (w.form->Text27(15).text.empty() || !w.dialogs.messages.empty())
        state.SkipWithError("the orders did not fill the squad");
}
BENCHMARK(BM_FillFromOrders)->Unit(benchmark::kMillisecond);

// Orders > Suggest Squad with 100,000 players in the lists and every slot empty, until
// the page is repainted; the slots are emptied again untimed. Target: one frame (16 ms).
void timeSuggestions(benchmark::State& state, LoadedWindow& w, const std::string& wish)
{
    FRMTEAMTOOL& f = *w.form;
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < f.Text27.count(); ++i) {
            f.Command2(i).click();
            if (i != 0 && !wish.empty())
                f.Combo1(i).text = wish;
        }
        w.window.refresh();
        showChanges(w.window);
        state.ResumeTiming();
        w.window.perform([&] { f.findMenuCommand("actionSuggestSquad")->click(); });
        showChanges(w.window);
    }
    if (teamtool::isBlank(f.Text27(15).text))
        state.SkipWithError("the suggestion did not fill the squad");
}

void BM_SuggestSquad(benchmark::State& state)
{
    timeSuggestions(state, bigTeam(), {});
}
BENCHMARK(BM_SuggestSquad)->Unit(benchmark::kMillisecond);

// The same with every slot but the goalkeeper's wishing a CB while the lists hold none
// (their CBs are made XX, a code of no line, untimed): each slot falls back to the best
// defender left, then, with the defenders gone, to the best outfield player.
void BM_SuggestSquadFallback(benchmark::State& state)
{
    LoadedWindow& w = bigTeam();
    FRMTEAMTOOL& f = *w.form;
    const teamtool::TextList positions = f.List1.items;
    teamtool::TextList withoutCentreBacks;
    for (const std::string_view position : positions)
        withoutCentreBacks.push_back(position == "CB" ? "XX" : position);
    f.List1.items = withoutCentreBacks;
    timeSuggestions(state, w, "CB");
    f.List1.items = positions;
    w.dialogs.messages.clear();
}
BENCHMARK(BM_SuggestSquadFallback)->Unit(benchmark::kMillisecond);

// A click on a heading of the 100,000-row grid: sorted by NSL (numbers) or by Name
// (texts in the user's locale), until repainted; the file's order is restored untimed.
void BM_SortGrid(benchmark::State& state)
{
    LoadedWindow& w = bigTeam();
    w.widget<QTabWidget>("SSTab1")->setCurrentIndex(1);
    auto* grid = w.widget<QAbstractItemView>("MSFlexGrid1");
    auto* model = static_cast<teamtool::ui::GridModel*>(grid->model());
    showChanges(w.window);
    const int column = static_cast<int>(state.range(0));
    for ([[maybe_unused]] auto _ : state) {
        model->sort(column, Qt::AscendingOrder);
        showChanges(w.window);
        state.PauseTiming();
        model->unsort();
        showChanges(w.window);
        state.ResumeTiming();
    }
    w.widget<QTabWidget>("SSTab1")->setCurrentIndex(2);
}
BENCHMARK(BM_SortGrid)->Arg(2)->Arg(1)->ArgName("column")->Unit(benchmark::kMillisecond);

// Orders as a week of the season keeps them.
const std::string kWeeksOrders = "RDV\r\nCD\r\nLB\r\nMC\r\nN\r\nN\r\nN\r\nY1\r\nGK A\r\nDS B\r\nCB C\r\n"
                                 "CB D\r\nFB E\r\nDS F*\r\nDM G\r\nCM H\r\nMF I\r\nWH J#\r\nAM K\r\nSUBS\r\n"
                                 "W L\r\nMarkers\r\nTransfer Bids\r\nCut Players\r\nPress\r\n\r\n"
                                 "Comments to Commish\r\n\r\n";

// A season of `weeks` kept weeks of 40 players (52: a season; 520: ten), each with its
// orders, the newest loaded.
struct SeasonOfWeeks {
    teamtool::bench::BenchDialogs dialogs;
    std::unique_ptr<FRMTEAMTOOL> form = teamtool::createMainWindow(dialogs);
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "teamtool-season-window-bench";

    explicit SeasonOfWeeks(int weeks)
    {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        form->season.folder = (folder / "data").string();
        form->season.clock = [] { return teamtool::KeptTime{2026, 12, 28, 20, 0, 0}; };
        const std::string week = (folder / "RDV.txt").string();
        std::ofstream(week, std::ios::binary) << teamtool::bench::makeTeamFile(40, 52);
        teamtool::openTeamFile(*form, week);
        const std::filesystem::path team = form->season.teamFolder;
        for (int k = 0; k < weeks - 1; ++k) {
            // Ten weeks a year apart at most: eleven months of five days each.
            const int year = 2026 - (weeks - 1 - k) / 52;
            const teamtool::KeptTime when{year, 1 + (k % 52) / 5, 1 + (k % 5) * 5, 20, 0, 0};
            std::ofstream(team / (teamtool::stampOf(when) + " RDV.txt"), std::ios::binary)
                << teamtool::bench::makeTeamFile(40, static_cast<std::uint32_t>(k + 1));
            // That week's orders, kept an hour later.
            teamtool::KeptTime sent = when;
            sent.hour += 1;
            std::ofstream(team / (teamtool::stampOf(sent) + " RDVvsCD.TXT"), std::ios::binary) << kWeeksOrders;
        }
    }
    ~SeasonOfWeeks() { std::filesystem::remove_all(folder); }
};

// File > Season...: the kept weeks read, the window made and shown until painted.
// Targets: 100 ms for 52 weeks, 300 ms for 520.
void BM_SeasonWindow(benchmark::State& state)
{
    const int weeks = static_cast<int>(state.range(0));
    SeasonOfWeeks season(weeks);
    for ([[maybe_unused]] auto _ : state) {
        teamtool::readSeasonView(*season.form);
        teamtool::ui::SeasonWindow window(*season.form, [](const std::function<void()>& action) { action(); });
        window.showSeason();
        window.show();
        QApplication::processEvents();
        window.repaint();
        state.PauseTiming();
        if (season.form->seasonView.weeks.size() != static_cast<std::size_t>(weeks))
            state.SkipWithError("the season was not read whole");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SeasonWindow)->Arg(52)->Arg(520)->ArgName("weeks")->Unit(benchmark::kMillisecond);

// Another figure chosen in the season's window, until repainted. Target: 16 ms.
void BM_SeasonFigure(benchmark::State& state)
{
    SeasonOfWeeks season(52);
    teamtool::readSeasonView(*season.form);
    teamtool::ui::SeasonWindow window(*season.form, [](const std::function<void()>& action) { action(); });
    window.showSeason();
    window.show();
    QApplication::processEvents();
    auto* figure = window.findChild<QComboBox*>("SeasonFigure");
    int next = 0;
    for ([[maybe_unused]] auto _ : state) {
        next = (next + 1) % figure->count();
        figure->setCurrentIndex(next);
        window.repaint();
    }
}
BENCHMARK(BM_SeasonFigure)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
