// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz/orders_file_fuzz.h"

#include "app/recorded_dialogs.h"
#include "app/window_state.h"
#include "fuzz/hard_team.h"
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

// A window as the program starts it, the team loaded.
struct LoadedWindow {
    RecordedDialogs dialogs;
    std::unique_ptr<FRMTEAMTOOL> form = createMainWindow(dialogs);
    FRMTEAMTOOL& f = *form;

    LoadedWindow()
    {
        dialogs.answer = true;  // another team's orders, a squad replaced: yes
        openTeamFile(f, hardTeamFilePath());
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
