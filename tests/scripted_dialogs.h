// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Dialogs for tests: the program's own recorded dialogs, under the tests' name for them.

#include "app/recorded_dialogs.h"

namespace teamtool::testing {

using ScriptedDialogs = RecordedDialogs;

}  // namespace teamtool::testing
