// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz/hard_team.h"

#include "textio/files.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include <unistd.h>

namespace teamtool::fuzz {

namespace {

// A team whose names are the hard ones: commas, a quote, a Windows-1252 letter, the
// file's own headings, marks at a name's end, two players of one name.
const char* const kTeam =
    "\"Rovers of Dale\",RDV,3,1,75,0.85,\"Dale Park\",12000,8000,14,250,12,300,16,450,125000.5,2,4,9850,"
    "104500,98500,50000,7.5,-2,0,\r\n";
const char* const kPlayers[][3] = {
    {"Ashworth", "GK", "19.3"}, {"Bellamy", "GK", "15"},  {"\"Smith, John\"", "CB", "21"},
    {"Smith", "CB", "14"},      {"Dixon", "W", "11"},     {"Dixon", "CB", "12.5"},
    {"Fox*", "DM", "13"},       {"Lee#", "FB", "9"},      {"SUBS", "MF", "10"},
    {"Markers", "S", "8.5"},    {"O\"Neil", "AM", "7"},   {"M\xC3\xBCller", "DS", "16"},
    {"Press", "WH", "6"},       {"Okafor", "CB", "14.5"}, {"Reyes", "W", "8.4"},
    {"Kowalski", "S", "13.1"},  {"Delaney", "S", "17.8"}, {"Iwobi", "AS", "19.5"},
    {"Harding", "DM", "14.8"},  {"Carr", "AM", "13.4"},
};

// The team's file, written once by each process (another may be replaying at the same
// time) and removed at exit.
struct TeamFile {
    std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("teamtool-fuzz-team-" + std::to_string(::getpid()) + ".txt");
    ~TeamFile()
    {
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
    }
};

}  // namespace

std::string hardTeamFilePath()
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

}  // namespace teamtool::fuzz
