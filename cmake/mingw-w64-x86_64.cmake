# SPDX-FileCopyrightText: 2026 The TeamTool developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads), for
# TeamTool and for the Qt it links. Programs built with it run here under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TEAMTOOL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TEAMTOOL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TEAMTOOL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TEAMTOOL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TEAMTOOL_MINGW_PREFIX})
if(DEFINED ENV{TEAMTOOL_QT_MINGW})
  list(APPEND CMAKE_FIND_ROOT_PATH $ENV{TEAMTOOL_QT_MINGW})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
