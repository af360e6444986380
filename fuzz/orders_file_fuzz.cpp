#include "fuzz/orders_file_fuzz.h"

#include "app/recorded_dialogs.h"
#include "app/window_state.h"
#include "fuzz/require.h"
#include "orders/orders.h"
#include "teamfile/select_and_load.h"
#include "textio/files.h"
#include "week/fill.h"
#include "window/window.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>

#include <unistd.h>

namespace teamtool::fuzz {

namespace {

void require(bool condition, const char* what)
{
    requireOf("orders file", condition, what);
}

// A team whose names are the hard ones: commas, a quote, a Windows-1252 letter, the
// file's own headings, marks at a name's end, two players of one name.
const char* const kTeam =
    "\"Rovers of Dale\",RDV,3,1,75,0.85,\"Dale Park\",12000,8000,14,250,12,300,16,450,125000.5,2,4,9850,"
    "104500,98500,50000,7.5,-2,0,\r\n";
const char* const kPlayers[][3] = {
    {"Ashworth", "GK", "19.3"}, {"Bellamy", "GK", "15"},  {"\"Smith, John\"", "CB", "21"}, {"Smith", "CB", "14"},
    {"Dixon", "W", "11"},       {"Dixon", "CB", "12.5"},  {"Fox*", "DM", "13"},            {"Lee#", "FB", "9"},
    {"SUBS", "MF", "10"},       {"Markers", "S", "8.5"},  {"O\"Neil", "AM", "7"},          {"M\xC3\xBCller", "DS", "16"},
    {"Press", "WH", "6"},       {"Okafor", "CB", "14.5"}, {"Reyes", "W", "8.4"},           {"Kowalski", "S", "13.1"},
    {"Delaney", "S", "17.8"},   {"Iwobi", "AS", "19.5"},  {"Harding", "DM", "14.8"},       {"Carr", "AM", "13.4"},
};

// The team's file, written once by each process (another may be replaying at the same
// time) and removed at exit.
struct TeamFile {
    std::filesystem::path file = std::filesystem::temp_directory_path() /
                                 ("teamtool-orders-fuzz-team-" + std::to_string(::getpid()) + ".txt");
    ~TeamFile()
    {
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
    }
};

std::string teamFilePath()
{
    static const TeamFile team;
    static const std::string path = [] {
        const auto& file = team.file;
        std::ofstream out(file, std::ios::binary);
        out << kTeam;
        int seed = 0;
        for (const auto& player : kPlayers) {
            out << player[0] << ",24," << player[1] << "," << player[2] << ",1200,0,1,0,0,0,0,5,9,0,0";
            for (int k = 0; k < 16; ++k)
                out << "," << (seed + k) % 7;
            out << "\r\n";
            ++seed;
        }
        return utf8FromPath(file);
    }();
    return path;
}

// A window as the program starts it, the team loaded.
struct LoadedWindow {
    RecordedDialogs dialogs;
    std::unique_ptr<FRMTEAMTOOL> form = createMainWindow(dialogs);
    FRMTEAMTOOL& f = *form;

    LoadedWindow()
    {
        dialogs.answer = true;  // another team's orders, a squad replaced: yes
        openTeamFile(f, teamFilePath());
        require(dialogs.messages.empty() && f.SSTab1.visible, "the fuzz team loads");
    }
};

// One fill and what it promises.
void fillAndCheck(LoadedWindow& w, const std::string& bytes)
{
    const WindowState before = windowState(w.f);
    if (!fillFromOrdersBytes(w.f, "FUZZ.TXT", bytes)) {
        require(windowState(w.f) == before, "a refused file leaves the window as it was");
        return;
    }
    const auto built = checkedOrders(w.f);
    if (!built)
        return;  // a selection the checks refuse, as a hand-made one may be
    LoadedWindow again;
    require(fillFromOrdersBytes(again.f, "AGAIN.TXT", built->bytes), "written orders fill a fresh window");
    const auto rebuilt = checkedOrders(again.f);
    require(rebuilt && rebuilt->bytes == built->bytes, "written orders read back to the same selection");
}

}  // namespace

int checkOrdersFileBytes(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    LoadedWindow w;
    fillAndCheck(w, bytes);
    fillAndCheck(w, bytes);  // over a filled window
    return 0;
}

}  // namespace teamtool::fuzz
