// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "week/open_beside_team.h"

#include "app/frmteamtool.h"
#include "orders/orders.h"
#include "textio/files.h"

namespace teamtool {

std::optional<std::string> openBesideTeamFile(FRMTEAMTOOL& f, const std::string& name, const std::string& title,
                                              const std::string& filter)
{
    FileDialog dialog;
    dialog.kind = Kind::FileDialog;
    dialog.name = name;
    dialog.dialogTitle = title;
    dialog.flags = cdlOFNHideReadOnly;
    dialog.cancelError = true;
    dialog.filter = filter;
    dialog.initDir = utf8FromPath(ordersFolder(f));
    return f.dialogs().showOpen(dialog);
}

}  // namespace teamtool
