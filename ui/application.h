#pragma once

namespace teamtool::ui {

// Starts TeamTool: creates the window, runs Form_Load, shows it and handles events
// until it is closed. Returns the program's exit code.
int runApplication(int argc, char** argv);

}  // namespace teamtool::ui
