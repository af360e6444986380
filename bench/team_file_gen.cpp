// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/team_file_gen.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string_view>

namespace teamtool::bench {

namespace {

constexpr std::array<std::string_view, 24> kSurnames = {
    "Ashworth", "Bellamy", "Okafor",   "Hendry",   "Price", "Doyle",    "McAllister", "Varga",
    "Lennon",   "Fenwick", "Quinn",    "Baptiste", "Reyes", "Thornton", "Kowalski",   "Marsh",
    "Delaney",  "Iwobi",   "Sandoval", "Whitlock", "Carr",  "Nkemelu",  "Harding",    "O'Brien",
};
constexpr std::array<std::string_view, 10> kInitials = {"A", "B", "C", "D", "J", "K", "M", "P", "R", "T"};
constexpr std::array<std::string_view, 13> kPositions = {"GK", "DS", "CB", "FB", "AS", "DM", "CM",
                                                         "MF", "WH", "AM", "W",  "S",  "CF"};
constexpr std::array<std::string_view, 8> kNations = {"ENG", "SCO", "WAL", "IRL", "NIR", "FRA", "ESP", "NGA"};

constexpr std::string_view kTeamRecord =
    "\"Redvale Rovers\",\"RDV\",2,0,78,0.85,\"Redvale Park\",18500,9200,12,350,10,300,14,420,254300.50,3,5,"
    "11250,112480,168720,100000,8.5,-45000,1200,5000\r\n";

class Writer {
public:
    explicit Writer(std::string& out) : m_out(out) {}
    void text(std::string_view s) { m_out.append(s); }
    void number(long value) { m_out.append(std::to_string(value)); }
    void decimal(long tenths)
    {
        number(tenths / 10);
        if (tenths % 10) {
            m_out.push_back('.');
            m_out.push_back(static_cast<char>('0' + tenths % 10));
        }
    }
    void comma() { m_out.push_back(','); }

private:
    std::string& m_out;
};

}  // namespace

std::string makeTeamFile(int players, std::uint32_t seed)
{
    std::mt19937 random(seed);
    auto pick = [&](int below) { return static_cast<int>(random() % static_cast<std::uint32_t>(below)); };

    std::string out(kTeamRecord);
    out.reserve(out.size() + static_cast<std::size_t>(players) * 130);
    Writer w(out);
    for (int p = 0; p < players; ++p) {
        // Name: plain, "Surname, I" quoted with its comma, or quoted plain.
        const auto surname = kSurnames[static_cast<std::size_t>(pick(static_cast<int>(kSurnames.size())))];
        const int style = pick(10);
        if (style < 6) {
            w.text(surname);
        } else if (style < 9) {
            w.text("\"");
            w.text(surname);
            w.text(", ");
            w.text(kInitials[static_cast<std::size_t>(pick(static_cast<int>(kInitials.size())))]);
            w.text("\"");
        } else {
            w.text("\"");
            w.text(surname);
            w.text(" Jr\"");
        }
        w.comma();
        w.number(17 + pick(19));  // Age
        w.comma();
        w.text(kPositions[static_cast<std::size_t>(pick(static_cast<int>(kPositions.size())))]);
        w.comma();
        w.decimal(50 + pick(160));  // NSL
        w.comma();
        w.number(500 + 50 * pick(60));  // Wage
        for (int k = 0; k < 6; ++k) {   // DP, Yellow, Red, DP_T, TY, TR
            w.comma();
            w.number(pick(k == 2 || k == 5 ? 2 : 9));
        }
        w.comma();
        const int sp = 1 + pick(12);
        w.number(sp);  // SP
        w.comma();
        w.number(sp + pick(6));  // Max SP
        w.comma();
        w.number(pick(12) == 0 ? 1 + pick(3) : 0);  // WI
        w.comma();
        w.number(pick(15) == 0 ? 1 + pick(2) : 0);  // WS
        for (int k = 0; k < 7; ++k) {               // Shots to AGS
            w.comma();
            w.number(pick(60));
        }
        w.comma();
        w.text(kNations[static_cast<std::size_t>(pick(static_cast<int>(kNations.size())))]);
        for (int k = 0; k < 3; ++k) {  // EMP, EMP_T, EMP_B: decimals now and then
            w.comma();
            if (pick(4) == 0)
                w.decimal(pick(100));
            else
                w.number(pick(20));
        }
        const bool international = pick(4) == 0;
        for (int k = 0; k < 5; ++k) {  // the international fields: mostly empty
            w.comma();
            if (international)
                w.number(pick(10));
        }
        w.text("\r\n");
    }
    return out;
}

bool writeTeamFile(const std::string& path, int players, std::uint32_t seed)
{
    std::ofstream file(path, std::ios::binary);
    const std::string text = makeTeamFile(players, seed);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(file);
}

const std::string& benchTeamFile(int players)
{
    static std::map<int, std::string> paths;
    std::string& path = paths[players];
    if (path.empty()) {
        path =
            (std::filesystem::temp_directory_path() / ("teamtool_bench_" + std::to_string(players) + ".txt")).string();
        writeTeamFile(path, players);
    }
    return path;
}

}  // namespace teamtool::bench
