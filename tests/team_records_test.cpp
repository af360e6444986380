// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The team file's two records: which field goes where, the CMA, the selectable test,
// and a whole file staged for the window (still without a window).

#include "team_file_text.h"
#include "teamfile/read_error.h"
#include "teamfile/staged_team.h"
#include "teamfile/team_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace teamtool {
namespace {

using Texts = std::vector<std::string>;
using testing::playerFields;
using testing::teamFields;
using testing::teamFileText;

RecordReader readerOf(std::string bytes)
{
    auto reader = RecordReader::fromBytes(std::move(bytes));
    EXPECT_TRUE(reader);
    return std::move(*reader);
}

ReadResult<StagedTeam> stage(std::string bytes)
{
    auto reader = readerOf(std::move(bytes));
    return stageTeam(reader);
}

// The staged grid row of player `row` (from 1), in grid column order.
Texts gridRow(const StagedTeam& load, int row)
{
    Texts cells;
    for (int col = 0; col < kPlayerFieldCount; ++col)
        cells.emplace_back(
            load.gridCells[static_cast<std::size_t>(row - 1) * kPlayerFieldCount + static_cast<std::size_t>(col)]);
    return cells;
}

std::string cmaShown(const FieldValue& value)
{
    const auto shown = cmaTimes1500(value);
    return shown ? std::to_string(static_cast<long long>(*shown)) : "none";
}

// ---------------------------------------------------------------------------------
// Layouts

TEST(Layout, TeamFieldsFillTheBoxesInTheOrderTheyAreWritten)
{
    const std::vector<int> writeOrder = {1,  8,  6,  7,  4,  3,  2,  5,  9,  10, 13, 12, 14,
                                         11, 15, 16, 19, 18, 17, 22, 23, 21, 20, 26, 25, 24};
    std::vector<int> boxes;
    boxes.reserve(kTeamFields.size());
    for (const auto& field : kTeamFields)
        boxes.push_back(field.textBox);
    EXPECT_EQ(boxes, writeOrder);
    EXPECT_EQ(kTeamFields[kCmaField - 1].caption, "CMA");
    EXPECT_EQ(kTeamFields[1].caption, "Team Abb");
}

TEST(Layout, PlayerFieldsCoverEveryGridColumnOnce)
{
    const auto fieldOf = fieldOfGridColumn();
    // Pos, Name, NSL, SP, Max SP, WI, WS, then Age and fields 5 to 11, then 16 to 31.
    const std::array<int, 31> expected = {3,  1,  4,  12, 13, 14, 15, 2,  5,  6,  7,  8,  9,  10, 11, 16,
                                          17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31};
    EXPECT_EQ(fieldOf, expected);
    EXPECT_EQ(fieldOfList(), (std::array<int, 5>{3, 1, 4, 12, 13}));
    EXPECT_EQ(kPlayerFields[kWiField - 1].heading, "WI");
    EXPECT_EQ(kPlayerFields[kWsField - 1].heading, "WS");
}

// ---------------------------------------------------------------------------------
// CMA

TEST(Cma, TimesFifteenHundredRoundedHalfToEven)
{
    EXPECT_EQ(cmaShown(FieldValue::number(21)), "31500");
    EXPECT_EQ(cmaShown(FieldValue::number(0)), "0");
    EXPECT_EQ(cmaShown(FieldValue()), "0");
    EXPECT_EQ(cmaShown(FieldValue::number(1.5)), "2250");
    EXPECT_EQ(cmaShown(FieldValue::number(0.85)), "1275");
    EXPECT_EQ(cmaShown(FieldValue::number(-21)), "-31500");
    // Exact halves go to the even neighbour: 1.5 -> 2, 4.5 -> 4, -1.5 -> -2.
    EXPECT_EQ(cmaShown(FieldValue::number(0.001)), "2");
    EXPECT_EQ(cmaShown(FieldValue::number(0.003)), "4");
    EXPECT_EQ(cmaShown(FieldValue::number(-0.001)), "-2");
    EXPECT_EQ(cmaShown(FieldValue::number(-0.0001)), "0");
    // Numeric text counts as its number.
    EXPECT_EQ(cmaShown(FieldValue::text("0.5")), "750");
}

TEST(Cma, OutsideSixteenBitsIsShownAsItIsAndTextFails)
{
    EXPECT_EQ(cmaShown(FieldValue::number(22)), "33000");
    EXPECT_EQ(cmaShown(FieldValue::number(-100)), "-150000");
    EXPECT_EQ(cmaShown(FieldValue::text("high")), "none");
    EXPECT_EQ(cmaShown(FieldValue::text("")), "none");
    EXPECT_EQ(cmaShown(FieldValue::number(1e306)), "none") << "no whole number to show";
}

TEST(Cma, BoxTextsCarryTheProductAndNameTheCmaOnFailure)
{
    TeamRecord team;
    team.field(1) = FieldValue::text("Dale");
    team.field(6) = FieldValue::number(21);
    team.field(26) = FieldValue::number(7.50);
    auto texts = teamBoxTexts(team);
    ASSERT_TRUE(texts);
    EXPECT_EQ((*texts)[0], "Dale");
    EXPECT_EQ((*texts)[5], "31500");
    EXPECT_EQ((*texts)[25], "7.5");
    EXPECT_EQ((*texts)[2], "");

    team.field(6) = FieldValue::text("n/a");
    team.cmaLine = 2;
    auto failed = teamBoxTexts(team);
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().code, ReadErrorCode::CmaNotANumber);
    EXPECT_EQ(failed.error().detail, "n/a");
    EXPECT_EQ(failed.error().line, 2u);
    EXPECT_EQ(failed.error().field, 6);
}

// ---------------------------------------------------------------------------------
// Records

TEST(Records, SelectableWhenWiAndWsAreBothZero)
{
    PlayerRecord player;
    EXPECT_TRUE(player.selectable()) << "both empty";
    player.field(kWiField) = FieldValue::number(0);
    player.field(kWsField) = FieldValue::number(2);
    EXPECT_FALSE(player.selectable());
    player.field(kWsField) = FieldValue::text("0");
    EXPECT_TRUE(player.selectable()) << "a quoted 0 is zero";
    player.field(kWiField) = FieldValue::text("inj");
    EXPECT_FALSE(player.selectable());
    player.field(kWiField) = FieldValue::number(-1);
    EXPECT_FALSE(player.selectable());
}

TEST(Records, ATeamRecordThenPlayersOnAnyLines)
{
    // The same file with every field on a line of its own reads alike.
    const auto team = teamFields();
    const auto player = playerFields("\"Smith, J\"", "GK", "12.5");
    for (const std::string separator : {",", "\r\n", "\n"}) {
        auto reader =
            readerOf(testing::joinFields(team, separator) + separator + testing::joinFields(player, separator));
        auto record = readTeamRecord(reader);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->field(1), FieldValue::text("Rovers of Dale"));
        EXPECT_EQ(record->field(2), FieldValue::text("RDV"));
        EXPECT_EQ(record->field(6), FieldValue::number(0.85));
        EXPECT_EQ(record->field(26), FieldValue());
        EXPECT_EQ(record->cmaLine, separator == "," ? 1u : 6u);
        PlayerRecord read;
        ASSERT_TRUE(readPlayerRecord(reader, 1, read));
        EXPECT_EQ(read.field(kNameField), FieldValue::text("Smith, J"));
        EXPECT_EQ(read.field(3), FieldValue::text("GK"));
        EXPECT_EQ(read.field(4), FieldValue::number(12.5));
        EXPECT_EQ(read.field(31), FieldValue::number(31 + 30));
        EXPECT_TRUE(reader.atEnd());
    }
}

TEST(Records, ANameOfDigitsKeepsItsLeadingZerosWhereOtherFieldsLoseThem)
{
    auto reader = readerOf(testing::joinFields(playerFields("007", "MF", "007")));
    PlayerRecord player;
    ASSERT_TRUE(readPlayerRecord(reader, 1, player));
    EXPECT_EQ(player.field(kNameField).toText(), "007");
    EXPECT_EQ(player.field(4).toText(), "7");
}

TEST(Records, ErrorsNameTheRecordAndTheFieldsRead)
{
    auto reader = readerOf("a,b,c");
    PlayerRecord player;
    auto read = readPlayerRecord(reader, 4, player);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error().player, 4);
    EXPECT_EQ(read.error().fieldsRead, 3);
    EXPECT_EQ(read.error().fieldCount, 31);

    auto empty = readerOf(" \r\n\r\n\t");
    auto team = readTeamRecord(empty);
    ASSERT_FALSE(team);
    EXPECT_EQ(team.error().code, ReadErrorCode::Empty);

    // Short inside the fields after the CMA: counts run over the whole team record.
    auto shortTeam = readerOf("\r\n\r\n1,2,3,4,5,6,7,8\r\n9");
    auto partial = readTeamRecord(shortTeam);
    ASSERT_FALSE(partial);
    EXPECT_EQ(partial.error().code, ReadErrorCode::EndsInsideRecord);
    EXPECT_EQ(partial.error().fieldsRead, 11) << "two empty lines are two Empty fields";
    EXPECT_EQ(partial.error().field, 12);
    EXPECT_EQ(partial.error().fieldCount, 26);
    EXPECT_EQ(partial.error().player, 0);
    EXPECT_EQ(partial.error().line, 3u) << "where the team record begins";
}

// ---------------------------------------------------------------------------------
// A whole file staged

TEST(Staging, ThreePlayersOfWhomTheSecondIsUnavailable)
{
    auto load = stage(teamFileText(teamFields("21"), {playerFields("\"Able, A\"", "GK", "10", "0", "0", 1),
                                                      playerFields("Baker", "CB", "11.5", "0", "1", 2),
                                                      playerFields("007", "S", "9", "", "", 3)}));
    ASSERT_TRUE(load);
    EXPECT_EQ(load->players, 3);
    ASSERT_EQ(load->gridCells.size(), 3u * 31);
    EXPECT_EQ(load->teamTexts[0], "Rovers of Dale");
    EXPECT_EQ(load->teamTexts[5], "31500");
    EXPECT_EQ(load->teamTexts[15], "125000.5");
    EXPECT_EQ(load->teamTexts[25], "");

    // Pos, Name, NSL, SP, Max SP, WI, WS, Age, Wage, the five counts, then fields 16 on.
    const Texts first = gridRow(*load, 1);
    EXPECT_EQ(Texts(first.begin(), first.begin() + 9),
              (Texts{"GK", "Able, A", "10", "1", "11", "0", "0", "21", "1025"}));
    EXPECT_EQ(first[15], "46");
    EXPECT_EQ(first[30], "61");
    EXPECT_EQ(gridRow(*load, 2)[6], "1");
    const Texts third = gridRow(*load, 3);
    EXPECT_EQ(third[1], "007");
    EXPECT_EQ(third[5], "");
    EXPECT_EQ(third[6], "");

    EXPECT_EQ(load->lists[0], (TextList{"GK", "S"}));
    EXPECT_EQ(load->lists[1], (TextList{"Able, A", "007"}));
    EXPECT_EQ(load->lists[2], (TextList{"10", "9"}));
    EXPECT_EQ(load->lists[3], (TextList{"1", "3"}));
    EXPECT_EQ(load->lists[4], (TextList{"11", "13"}));
}

TEST(Staging, TeamRecordAloneIsATeamWithoutPlayers)
{
    for (const std::string tail : {"", "\r\n", "\r\n\r\n", ",\r\n"}) {
        auto load = stage(testing::joinFields(teamFields()) + tail);
        ASSERT_TRUE(load) << ::testing::PrintToString(tail);
        EXPECT_EQ(load->players, 0);
        EXPECT_TRUE(load->gridCells.empty());
        EXPECT_EQ(load->teamTexts[5], "1275");
    }
}

TEST(Staging, ATeamLineWithOneFieldTooManyShiftsEveryPlayerField)
{
    auto team = teamFields();
    std::string text = testing::joinFields(team) + ",Extra\r\n" + testing::joinFields(playerFields("Able", "GK", "10"));
    text.erase(text.rfind(','));  // the record ends one field early as seen from the file
    auto load = stage(text);
    ASSERT_TRUE(load);
    ASSERT_EQ(load->players, 1);
    const Texts row = gridRow(*load, 1);
    EXPECT_EQ(row[1], "Extra") << "field 27 is the first player's name";
    EXPECT_EQ(row[7], "Able") << "Age takes the name";
    EXPECT_EQ(row[0], "21") << "Pos takes the age";
}

TEST(Staging, FailuresSayWhereTheFileWentWrong)
{
    const auto players =
        std::vector{playerFields("A", "GK", "1"), playerFields("B", "CB", "2"), playerFields("C", "S", "3")};
    std::string text = teamFileText(teamFields(), {players[0], players[1]});
    for (std::size_t k = 0; k < 26; ++k)  // player 3 stops after 26 of its fields
        text += players[2][k] + (k < 25 ? "," : "\r\n");

    auto shortPlayer = stage(text);
    ASSERT_FALSE(shortPlayer);
    EXPECT_EQ(shortPlayer.error().code, ReadErrorCode::EndsInsideRecord);
    EXPECT_EQ(shortPlayer.error().player, 3);
    EXPECT_EQ(shortPlayer.error().fieldsRead, 26);
    EXPECT_EQ(shortPlayer.error().line, 4u);
    EXPECT_EQ(describeReadError(shortPlayer.error(), "/t/team.txt"),
              "The team file \"/t/team.txt\" ends inside player 3: only 26 of its 31 fields were read (line 4).");

    auto cma = stage(teamFileText(teamFields("\"about 1\""), players));
    ASSERT_FALSE(cma);
    EXPECT_EQ(describeReadError(cma.error(), "team.txt"),
              "The team file \"team.txt\" has a CMA that is not a number: \"about 1\" (line 1).");

    auto quote = stage(teamFileText(teamFields(), players) + "\"Open, never closed,1,2\r\n3\r\n");
    ASSERT_FALSE(quote);
    EXPECT_EQ(describeReadError(quote.error(), "team.txt"),
              "The team file \"team.txt\" has an unterminated quote at line 5, in field 1 of player 4.");

    auto shortTeam = stage("Dale,RDV,3\r\n");
    ASSERT_FALSE(shortTeam);
    EXPECT_EQ(describeReadError(shortTeam.error(), "team.txt"),
              "The team file \"team.txt\" ends inside the team record: only 3 of its 26 fields were read (line 1).");

    EXPECT_EQ(describeReadError(stage("\r\n").error(), "team.txt"), "The team file \"team.txt\" is empty.");
}

TEST(Staging, EveryFieldEmptyLoadsAsEmptyTexts)
{
    const std::string team(25, ',');
    std::string text = team + "\r\n";
    for (int p = 0; p < 3; ++p)
        text += std::string(30, ',') + "\r\n";
    auto load = stage(text);
    ASSERT_TRUE(load);
    EXPECT_EQ(load->players, 3);
    EXPECT_EQ(load->teamTexts[5], "0");
    EXPECT_TRUE(load->gridCells.chars().empty());
    EXPECT_EQ(load->lists[1].size(), 3u) << "empty WI and WS make every player selectable";
}

TEST(Messages, EveryErrorNamesTheFile)
{
    std::set<std::string> sentences;
    for (const auto code :
         {ReadErrorCode::CannotOpen, ReadErrorCode::CannotRead, ReadErrorCode::TooLarge, ReadErrorCode::NotText,
          ReadErrorCode::Empty, ReadErrorCode::UnterminatedQuote, ReadErrorCode::EndsInsideRecord,
          ReadErrorCode::CmaNotANumber, ReadErrorCode::CmaTooLarge}) {
        ReadError error;
        error.code = code;
        error.detail = "why";
        const std::string sentence = describeReadError(error, "C:\\teams\\rdv.txt");
        EXPECT_NE(sentence.find("\"C:\\teams\\rdv.txt\""), std::string::npos) << sentence;
        EXPECT_EQ(sentence.back(), '.') << sentence;
        EXPECT_TRUE(sentences.insert(sentence).second) << "two errors read alike: " << sentence;
    }
    ReadError open;
    open.detail = "Permission denied";
    EXPECT_EQ(describeReadError(open, "a.txt"), "The team file \"a.txt\" cannot be opened: Permission denied.");
}

}  // namespace
}  // namespace teamtool
