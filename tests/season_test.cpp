// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The season's store on its own: the names of kept files and team folders, and files
// kept once per bytes, never over another and never torn.

#include "season/season.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

using namespace teamtool;
namespace fs = std::filesystem;

namespace {

constexpr KeptTime kMonday{2026, 11, 30, 20, 5, 9};

class TeamFolder : public ::testing::Test {
protected:
    fs::path folder = fs::temp_directory_path() /
                      ("teamtool-season-" + std::to_string(::getpid()) + "-" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name()) /
                      "RDV Redvale Rovers";

    void TearDown() override { fs::remove_all(folder.parent_path()); }

    std::vector<KeptFile> files() const
    {
        auto listed = keptFiles(folder);
        EXPECT_TRUE(listed);
        return listed ? *listed : std::vector<KeptFile>{};
    }
};

std::string contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(KeptNames, StampsSortAsTimesAndReadBack)
{
    EXPECT_EQ(stampOf(kMonday), "2026-11-30 20-05-09");
    EXPECT_EQ(dayOf(kMonday), "Mon 30 Nov 2026");
    EXPECT_EQ(dayOf({2024, 2, 29, 0, 0, 0}), "Thu 29 Feb 2024");
    EXPECT_EQ(dayOf({2027, 1, 3, 0, 0, 0}), "Sun 3 Jan 2027");
    EXPECT_EQ(keptTimeOf("2026-11-30 20-05-09 RDV.txt"), kMonday);
}

// One named row per case: a name (the row's name in the test's own name) and the text
// it maps, through the function under test, to what it must give.
struct NamedRow {
    const char* name;
    std::string input;
    std::string expected;
};

std::string rowName(const ::testing::TestParamInfo<NamedRow>& info)
{
    return info.param.name;
}

class NotAKeptName : public ::testing::TestWithParam<NamedRow> {};

TEST_P(NotAKeptName, HasNoKeptTime)
{
    EXPECT_FALSE(keptTimeOf(GetParam().input));
}

INSTANTIATE_TEST_SUITE_P(KeptNames, NotAKeptName,
                         ::testing::Values(NamedRow{"NoStamp", "RDV.txt", ""},
                                           NamedRow{"StampAlone", "2026-11-30 20-05-09", ""},
                                           NamedRow{"NoSpaceAfterStamp", "2026-11-30 20-05-09RDV.txt", ""},
                                           NamedRow{"MonthThirteen", "2026-13-30 20-05-09 RDV.txt", ""},
                                           NamedRow{"LetterForDigit", "2026-11-30 2O-05-09 RDV.txt", ""},
                                           NamedRow{"TemporaryFile", ".2026-11-30 x.tmp", ""}),
                         rowName);

// The abbreviation and the name, separated by a tab in the row's input.
class TeamFolderNames : public ::testing::TestWithParam<NamedRow> {};

TEST_P(TeamFolderNames, HoldOnlyWhatAFileNameCan)
{
    const std::string& input = GetParam().input;
    const std::size_t tab = input.find('\t');
    EXPECT_EQ(teamFolderName(input.substr(0, tab), input.substr(tab + 1)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    KeptNames, TeamFolderNames,
    ::testing::Values(NamedRow{"AbbreviationThenName", "RDV\tRedvale Rovers", "RDV Redvale Rovers"},
                      NamedRow{"ReservedCharacters", " AB \t\"A/B\" United: 2*", "AB _A_B_ United_ 2_"},
                      NamedRow{"TrailingDot", "\tRovers.", "Rovers._"}, NamedRow{"DotsAlone", "..\t", "_._"},
                      NamedRow{"Nothing", "\t", "_"}, NamedRow{"DeviceName", "con\t", "con_"},
                      NamedRow{"DeviceNameWithMore", "LPT1\tRovers", "LPT1 Rovers"}),
    rowName);

TEST_F(TeamFolder, AFileIsKeptOncePerBytesAndNeverOverAnother)
{
    const auto first = keep(folder, files(), "RDV.txt", "week 12", kMonday);
    ASSERT_TRUE(first);
    EXPECT_FALSE(first->already);
    EXPECT_EQ(first->file.name, "2026-11-30 20-05-09 RDV.txt");
    EXPECT_EQ(first->file.ownName(), "RDV.txt");

    // The same bytes under any name, at any time: the file kept before.
    const auto again = keep(folder, files(), "other.txt", "week 12", {2026, 12, 7, 9, 0, 0});
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->already);
    EXPECT_EQ(again->file.name, first->file.name);

    // Other bytes in the same second under the same name: a number, the first untouched.
    const auto clash = keep(folder, files(), "RDV.txt", "week 13", kMonday);
    ASSERT_TRUE(clash);
    EXPECT_EQ(clash->file.name, "2026-11-30 20-05-09 RDV (2).txt");
    EXPECT_EQ(contents(first->file.path), "week 12");
    EXPECT_EQ(contents(clash->file.path), "week 13");

    // Another program that kept the same bytes under that name a moment ago, unseen in
    // the list: its file is the one.
    const auto raced = keep(folder, {}, "RDV.txt", "week 12", kMonday);
    ASSERT_TRUE(raced);
    EXPECT_TRUE(raced->already);
    EXPECT_EQ(raced->file.name, first->file.name);

    const auto listed = files();
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].size + listed[1].size, 14u);
}

TEST_F(TeamFolder, OnlyStampedFilesAreKeptFilesOldestFirst)
{
    EXPECT_TRUE(files().empty());  // no folder yet: no files
    fs::create_directories(folder / "2026-01-01 00-00-00 folder");
    for (const char* name : {"2026-12-07 09-00-00 RDV.txt", "RDV-week12.txt", ".2026-12-07 09-00-00 RDV.txt.1.tmp",
                             "2026-11-30 20-05-09 RDVvsCD.TXT"})
        std::ofstream(folder / name) << "x";
    const auto listed = files();
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].name, "2026-11-30 20-05-09 RDVvsCD.TXT");
    EXPECT_EQ(listed[0].time, kMonday);
    EXPECT_EQ(listed[1].name, "2026-12-07 09-00-00 RDV.txt");
}

TEST_F(TeamFolder, AFolderThatCannotBeMadeIsAnErrorAndNothingIsWritten)
{
    fs::create_directories(folder.parent_path());
    std::ofstream(folder) << "a file where the team's folder belongs";
    const auto kept = keep(folder, {}, "RDV.txt", "week 12", kMonday);
    ASSERT_FALSE(kept);
    EXPECT_EQ(kept.error().code, FileErrorCode::FolderUnreachable);
    EXPECT_EQ(contents(folder), "a file where the team's folder belongs");
}

class PortableNames : public ::testing::TestWithParam<NamedRow> {};

TEST_P(PortableNames, AreCopiedAsAnySystemTakesThem)
{
    EXPECT_EQ(portableFileName(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(KeptNames, PortableNames,
                         ::testing::Values(NamedRow{"Plain", "RDV.txt", "RDV.txt"},
                                           NamedRow{"LineBreak", "RDV\nCD.TXT", "RDV_CD.TXT"},
                                           NamedRow{"ReservedCharacters", "a:b*c?.txt", "a_b_c_.txt"},
                                           NamedRow{"TrailingDot", "week 12.", "week 12._"},
                                           NamedRow{"TrailingSpace", "week 12 ", "week 12 _"}),
                         rowName);

const std::string kOrders =
    "RDV\r\nCD\r\nLB\r\nMC\r\nN\r\nN\r\nN\r\nY1\r\nGK Adams\r\nSUBS\r\nGK Lane\r\nMarkers\r\nTransfer Bids\r\n"
    "Cut Players\r\nPress\r\n\r\nComments to Commish\r\n\r\n";

class KeptKinds : public ::testing::TestWithParam<NamedRow> {};

TEST_P(KeptKinds, AreToldByWhatTheFileHoldsNotByItsName)
{
    EXPECT_EQ(keptKindOf(GetParam().input) == KeptKind::OrdersFile ? "orders" : "team", GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    KeptNames, KeptKinds,
    ::testing::Values(NamedRow{"Orders", kOrders, "orders"},
                      NamedRow{"OrdersWithLfLineEnds",
                               "SUBS\nMarkers\nTransfer Bids\nCut Players\nPress\nComments to Commish\n", "orders"},
                      NamedRow{"HeadingsOutOfOrder",
                               "Markers\nSUBS\nTransfer Bids\nCut Players\nPress\nComments to Commish\n", "team"},
                      NamedRow{"AHeadingInsideALine",
                               "xSUBS\nMarkers\nTransfer Bids\nCut Players\nPress\nComments to Commish\n", "team"},
                      NamedRow{"ATeamFile", "Redvale Rovers,RDV,3,1,75\r\n", "team"},
                      NamedRow{"LargerThanAnyOrdersFile", kOrders + std::string(kMaxOrdersFileBytes, ' '), "team"}),
    rowName);

TEST_F(TeamFolder, FilesKeptInOneSecondAreListedInTheOrderTheyWereKept)
{
    fs::create_directories(folder);
    for (const char* name : {"2026-11-30 20-05-09 RDV (2).txt", "2026-11-30 20-05-09 RDV (10).txt",
                             "2026-11-30 20-05-09 RDV.txt", "2026-11-30 20-05-08 RDV (3).txt"})
        std::ofstream(folder / name) << name;
    std::vector<std::string> names;
    for (const KeptFile& file : files())
        names.push_back(file.name);
    EXPECT_EQ(names, (std::vector<std::string>{"2026-11-30 20-05-08 RDV (3).txt", "2026-11-30 20-05-09 RDV.txt",
                                               "2026-11-30 20-05-09 RDV (2).txt", "2026-11-30 20-05-09 RDV (10).txt"}));
}

TEST_F(TeamFolder, TwoProgramsKeepingTheSameWeekAtOnceKeepItOnce)
{
    // Large enough that listing, comparing and writing overlap; each in a second of its own.
    const std::string week(std::size_t{8} << 20, 'w');
    std::vector<std::thread> keepers;
    keepers.reserve(4);
    std::atomic<int> already = 0;
    for (int k = 0; k < 4; ++k)
        keepers.emplace_back([&, k] {
            const auto kept = keepInFolder(folder, "RDV.txt", week, {2026, 11, 30, 20, 5, k});
            ASSERT_TRUE(kept);
            already += kept->already ? 1 : 0;
            EXPECT_EQ(kept->files[kept->index].size, week.size());
        });
    for (std::thread& keeper : keepers)
        keeper.join();
    EXPECT_EQ(already, 3);
    EXPECT_EQ(files().size(), 1u);
    EXPECT_FALSE(fs::exists(folder / std::string(kFolderLockName)));  // the lock leaves nothing behind
}

TEST_F(TeamFolder, ATemporaryFileAKilledKeepLeftIsRemovedOnceItIsStale)
{
    fs::create_directories(folder);
    const fs::path stale = folder / ".2026-11-30 20-05-09 RDV.txt.4242-0.tmp";
    const fs::path fresh = folder / ".2026-11-30 20-05-09 RDV.txt.4243-0.tmp";
    const fs::path owns = folder / ".notes.tmp";  // not of the program's naming
    for (const fs::path& path : {stale, fresh, owns})
        std::ofstream(path) << "half a week";
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    fs::last_write_time(stale, old);
    fs::last_write_time(owns, old);
    ASSERT_TRUE(keepInFolder(folder, "RDV.txt", "week 12", kMonday));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::exists(owns));
}

}  // namespace
