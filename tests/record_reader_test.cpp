// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The comma-delimited reader: field syntax, the three kinds of value and their
// conversions, the file's encoding, and the inputs that must fail cleanly.

#include "teamfile/field_value.h"
#include "teamfile/record_reader.h"
#include "textio/encoding.h"
#include "textio/numbers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace teamtool {
namespace {

using Values = std::vector<FieldValue>;

FieldValue num(double value)
{
    return FieldValue::number(value);
}

FieldValue txt(std::string value)
{
    return FieldValue::text(std::move(value));
}

const FieldValue kEmpty;

RecordReader readerOf(std::string bytes)
{
    auto reader = RecordReader::fromBytes(std::move(bytes));
    EXPECT_TRUE(reader) << "the bytes were refused";
    return std::move(*reader);
}

std::vector<Target> values(std::size_t n)
{
    return std::vector<Target>(n, Target::Value);
}

// Reads one record of n value fields; fails the test when the read fails.
Values readValues(RecordReader& reader, std::size_t n)
{
    auto record = reader.readRecord(values(n));
    if (!record) {
        ADD_FAILURE() << "read failed: code " << static_cast<int>(record.error().code);
        return {};
    }
    return *record;
}

Values readAll(std::string bytes, std::size_t n)
{
    auto reader = readerOf(std::move(bytes));
    return readValues(reader, n);
}

// ---------------------------------------------------------------------------------
// Field syntax

TEST(FieldSyntax, UnquotedFieldsBecomeEmptyNumberOrText)
{
    EXPECT_EQ(readAll("42,,Smith,-1.5,\r\n", 5), (Values{num(42), kEmpty, txt("Smith"), num(-1.5), kEmpty}));
    // Number form: sign, digits, one point, exponent. Anything else is text.
    EXPECT_EQ(readAll("+3,5.,.5,1E3,2e-2,1,5", 7),
              (Values{num(3), num(5), num(0.5), num(1000), num(0.02), num(1), num(5)}));
    EXPECT_EQ(
        readAll("0x10,Infinity,-,.,1.2.3,1e,#TRUE#,NaN", 8),
        (Values{txt("0x10"), txt("Infinity"), txt("-"), txt("."), txt("1.2.3"), txt("1e"), txt("#TRUE#"), txt("NaN")}));
}

TEST(FieldSyntax, QuotedFieldsAreTextAndMayHoldCommasAndLineEnds)
{
    EXPECT_EQ(readAll("\"Smith, J\",\"12\",\"\",\"a\r\nb\"\n", 4),
              (Values{txt("Smith, J"), txt("12"), txt(""), txt("a\r\nb")}));
    // Whatever stands between the closing quote and the delimiter is dropped.
    EXPECT_EQ(readAll("\"ab\"cd,7", 2), (Values{txt("ab"), num(7)}));
    // A quote inside an unquoted field is an ordinary character.
    EXPECT_EQ(readAll("O\"Neil,7", 2), (Values{txt("O\"Neil"), num(7)}));
}

TEST(FieldSyntax, BlanksAroundAnUnquotedFieldAreDropped)
{
    EXPECT_EQ(readAll("  42,\t7\t, 42 ,a b ,  \"q\" ,   ,x", 7),
              (Values{num(42), num(7), num(42), txt("a b"), txt("q"), kEmpty, txt("x")}));
}

TEST(FieldSyntax, EveryKindOfLineEndSeparatesFieldsLikeAComma)
{
    const Values expected = {num(1), num(2), num(3), num(4), txt("x"), num(6)};
    EXPECT_EQ(readAll("1,2,3,4,x,6", 6), expected);
    EXPECT_EQ(readAll("1\r\n2\n3\r4,x\r\n6\r\n", 6), expected);
    EXPECT_EQ(readAll("1,2,3\r\n4,x,6", 6), expected);
    // An empty line is an Empty field, not a skipped one.
    EXPECT_EQ(readAll("1\r\n\r\n3", 3), (Values{num(1), kEmpty, num(3)}));
    EXPECT_EQ(readAll("1\n\n3", 3), (Values{num(1), kEmpty, num(3)}));
}

TEST(FieldSyntax, TextTargetsKeepTheCharactersAsWritten)
{
    auto reader = readerOf("007,007,\"007\",  12.0 ,,\"a,b\"");
    const std::vector<Target> targets = {Target::Text, Target::Value, Target::Text,
                                         Target::Text, Target::Text,  Target::Text};
    auto record = reader.readRecord(targets);
    ASSERT_TRUE(record);
    EXPECT_EQ(*record, (Values{txt("007"), num(7), txt("007"), txt("12.0"), txt(""), txt("a,b")}));
    EXPECT_EQ((*record)[1].toText(), "7");
}

TEST(FieldSyntax, RecordsFollowOneAnotherAcrossLines)
{
    auto reader = readerOf("1,2,3\r\n4,5\r\n6\r\n");
    EXPECT_EQ(readValues(reader, 2), (Values{num(1), num(2)}));
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(readValues(reader, 2), (Values{num(3), num(4)}));
    EXPECT_EQ(readValues(reader, 2), (Values{num(5), num(6)}));
    EXPECT_TRUE(reader.atEnd());
}

// ---------------------------------------------------------------------------------
// End of file

TEST(EndOfFile, TrailingLineEndsBlanksAndOneCommaAddNothing)
{
    for (const std::string tail : {"", "\r\n", "\r\n\r\n\n", "\r\n   \t\r\n", ",", ",\r\n", "\r"}) {
        auto reader = readerOf("1,2" + tail);
        EXPECT_FALSE(reader.atEnd());
        EXPECT_EQ(readValues(reader, 2), (Values{num(1), num(2)})) << "tail " << testing::PrintToString(tail);
        EXPECT_TRUE(reader.atEnd()) << "tail " << testing::PrintToString(tail);
    }
}

TEST(EndOfFile, AFileThatStopsInsideARecordFailsItAndIsAtItsEnd)
{
    auto reader = readerOf("a,b\r\nc,d,e\r\nf,");
    EXPECT_EQ(readValues(reader, 2), (Values{txt("a"), txt("b")}));
    auto record = reader.readRecord(values(6));
    ASSERT_FALSE(record);
    EXPECT_EQ(record.error().code, ReadErrorCode::EndsInsideRecord);
    EXPECT_EQ(record.error().fieldsRead, 5) << "c, d, e, f and the empty field after the last comma";
    EXPECT_EQ(record.error().field, 6);
    EXPECT_EQ(record.error().fieldCount, 6);
    EXPECT_EQ(record.error().line, 2u) << "the line where the short record begins";
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.readRecord(values(1)));
}

TEST(EndOfFile, ACommaAtTheVeryEndCompletesARecordButStartsNone)
{
    // The last field of the record is empty and the file has no final line end.
    auto reader = readerOf("1,2,");
    EXPECT_EQ(readValues(reader, 3), (Values{num(1), num(2), kEmpty}));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.readRecord(values(1)));

    auto text = readerOf("x,");
    auto record = text.readRecord(std::vector<Target>{Target::Value, Target::Text});
    ASSERT_TRUE(record);
    EXPECT_EQ((*record)[1], txt(""));

    // Only one such field: the comma does not stand for a run of them.
    auto shortRecord = readerOf("1,2,");
    EXPECT_EQ(shortRecord.readRecord(values(4)).error().fieldsRead, 3);
}

TEST(EndOfFile, AnEmptyTextHasNoFieldAtAll)
{
    auto reader = readerOf("");
    EXPECT_TRUE(reader.atEnd());
    auto record = reader.readRecord(values(1));
    ASSERT_FALSE(record);
    EXPECT_EQ(record.error().fieldsRead, 0);
}

// ---------------------------------------------------------------------------------
// Bad input

TEST(BadInput, AnUnterminatedQuoteFailsWithTheLineOfItsOpeningQuote)
{
    auto reader = readerOf("a,b\r\nc,\r\n d, \"never closed, 1, 2\r\n3\r\n");
    auto record = reader.readRecord(values(6));
    ASSERT_FALSE(record);
    EXPECT_EQ(record.error().code, ReadErrorCode::UnterminatedQuote);
    EXPECT_EQ(record.error().line, 3u);
    EXPECT_EQ(record.error().field, 6);
    EXPECT_EQ(record.error().fieldsRead, 5);
    EXPECT_TRUE(reader.atEnd());
}

TEST(BadInput, LineNumbersCountEveryKindOfLineEnd)
{
    // CR LF, LF and a lone CR each end one line.
    auto reader = readerOf("1\r\n2\n3\r4,\"x");
    auto record = reader.readRecord(values(5));
    ASSERT_FALSE(record);
    EXPECT_EQ(record.error().line, 4u);
}

TEST(BadInput, NulBytesMarkTheFileAsNotText)
{
    auto reader = RecordReader::fromBytes(std::string("a,b\r\nc\0d", 8));
    ASSERT_FALSE(reader);
    EXPECT_EQ(reader.error().code, ReadErrorCode::NotText);
    EXPECT_EQ(reader.error().line, 2u);
}

TEST(BadInput, AHugeLineWithoutDelimiterIsReadInLinearTime)
{
    std::string bytes(50u << 20, 'x');
    const auto start = std::chrono::steady_clock::now();
    auto reader = readerOf(std::move(bytes));
    auto first = reader.readRecord(values(1));
    ASSERT_TRUE(first);
    EXPECT_EQ((*first)[0].asText().size(), 50u << 20);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.readRecord(values(1)));

    // The same stretch as an unterminated quote, and as blank lines between records.
    auto quoted = readerOf("\"" + std::string(50u << 20, 'x'));
    EXPECT_EQ(quoted.readRecord(values(1)).error().code, ReadErrorCode::UnterminatedQuote);
    std::string blanks(20u << 20, '\n');
    blanks += "x";
    auto sparse = readerOf(std::move(blanks));
    std::size_t records = 0;
    while (!sparse.atEnd() && sparse.readRecord(values(1000)))
        ++records;
    EXPECT_EQ(records, (20u << 20) / 1000);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST(BadInput, EveryByteValueReadsWithoutFailureOrCrash)
{
    std::string bytes;
    for (int round = 0; round < 4; ++round)
        for (int c = 1; c < 256; ++c)
            bytes.push_back(static_cast<char>(c == '"' ? 'q' : c));
    auto reader = readerOf(bytes);
    std::size_t fields = 0;
    while (!reader.atEnd()) {
        auto record = reader.readRecord(values(1));
        ASSERT_TRUE(record);
        EXPECT_TRUE(isValidUtf8((*record)[0].toText()));
        ++fields;
    }
    EXPECT_GT(fields, 4u);
}

TEST(BadInput, OpenReportsWhyAFileCannotBeRead)
{
    const auto folder = std::filesystem::temp_directory_path() / ("teamtool_reader_open-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    auto missing = RecordReader::open((folder / "no such file.txt").string());
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().code, ReadErrorCode::CannotOpen);
    EXPECT_EQ(missing.error().detail, "No such file or directory");

    auto directory = RecordReader::open(folder.string());
    ASSERT_FALSE(directory);
    EXPECT_EQ(directory.error().code, ReadErrorCode::NotAFile);
    EXPECT_EQ(directory.error().detail, "a folder");

    auto withNul = RecordReader::open(std::string("a\0b", 3));
    ASSERT_FALSE(withNul);
    EXPECT_EQ(withNul.error().code, ReadErrorCode::CannotOpen);

    const auto file = folder / "small.txt";
    std::ofstream(file, std::ios::binary) << "1,\"two\"\r\n";
    auto reader = RecordReader::open(file.string());
    ASSERT_TRUE(reader);
    auto record = reader->readRecord(values(2));
    ASSERT_TRUE(record);
    EXPECT_EQ(*record, (Values{num(1), txt("two")}));
    // The whole file was read at once and closed: it can go while the reader lives on.
    std::filesystem::remove_all(folder);
    EXPECT_TRUE(reader->atEnd());
}

// ---------------------------------------------------------------------------------
// Encodings

TEST(Encoding, Utf8IsKeptAndItsByteOrderMarkSkipped)
{
    EXPECT_EQ(readAll("\xEF\xBB\xBF"
                      "M\xC3\xBCller,1",
                      2),
              (Values{txt("M\xC3\xBCller"), num(1)}));
    EXPECT_EQ(readAll("\xEF\xBB\xBF"
                      "42",
                      1),
              (Values{num(42)}))
        << "the mark is no part of the first field";
}

TEST(Encoding, AnythingElseIsWindows1252)
{
    // 0xFC is u-umlaut, 0x80 the euro sign, 0x81 unassigned: all end up as UTF-8.
    EXPECT_EQ(readAll("M\xFCller,\x80"
                      "5,\x81",
                      3),
              (Values{txt("M\xC3\xBCller"),
                      txt("\xE2\x82\xAC"
                          "5"),
                      txt("\xC2\x81")}));
    // One stray byte makes the whole file Windows-1252, mark and all.
    EXPECT_EQ(readAll("\xEF\xBB\xBF"
                      "a,\xE9",
                      2),
              (Values{txt("\xC3\xAF\xC2\xBB\xC2\xBF"
                          "a"),
                      txt("\xC3\xA9")}));
}

// ---------------------------------------------------------------------------------
// Field values

TEST(FieldValues, ConvertToTextAndToNumber)
{
    EXPECT_EQ(kEmpty.toText(), "");
    EXPECT_EQ(num(7).toText(), "7");
    EXPECT_EQ(num(-2.5).toText(), "-2.5");
    EXPECT_EQ(txt("Smith, J").toText(), "Smith, J");

    EXPECT_EQ(kEmpty.toNumber(), 0.0);
    EXPECT_EQ(num(-3).toNumber(), -3.0);
    EXPECT_EQ(txt("12").toNumber(), 12.0);
    EXPECT_EQ(txt("1.5e1").toNumber(), 15.0);
    EXPECT_EQ(txt("12a").toNumber(), std::nullopt);
    EXPECT_EQ(txt("").toNumber(), std::nullopt);
    EXPECT_EQ(txt(" 12").toNumber(), std::nullopt) << "text keeps its blanks; it is not a number form";
}

TEST(FieldValues, ZeroTest)
{
    EXPECT_TRUE(kEmpty.isZero());
    EXPECT_TRUE(num(0).isZero());
    EXPECT_TRUE(num(-0.0).isZero());
    EXPECT_TRUE(txt("0").isZero()) << "a quoted 0 counts as the 0 it holds";
    EXPECT_TRUE(txt("0.0e5").isZero());
    EXPECT_FALSE(num(1e-300).isZero());
    EXPECT_FALSE(num(-1).isZero());
    EXPECT_FALSE(txt("").isZero());
    EXPECT_FALSE(txt("none").isZero());
    EXPECT_FALSE(txt("1").isZero());
}

TEST(FieldValues, KindAccessorsReportAMismatch)
{
    EXPECT_EQ(num(1).kind(), FieldKind::Number);
    EXPECT_EQ(txt("1").kind(), FieldKind::Text);
    EXPECT_EQ(kEmpty.kind(), FieldKind::Empty);
    EXPECT_THROW((void)txt("1").asNumber(), std::bad_variant_access);
    EXPECT_THROW((void)num(1).asText(), std::bad_variant_access);
    FieldValue reused = txt("a long name that needs its own storage");
    reused.setText("short");
    EXPECT_EQ(reused, txt("short"));
    reused.setNumber(3);
    EXPECT_EQ(reused, num(3));
    reused.setEmpty();
    EXPECT_EQ(reused, kEmpty);
}

// The display form is printf's %.15G (15 significant digits, no trailing zeros,
// exponent form below 1E-4 and from 1E+15 up), which makes it a check of the fast
// way whole numbers take.
std::string printfForm(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.15G", value);
    return text;
}

TEST(NumberTexts, ShownLikePrintfOverManyValues)
{
    std::mt19937_64 random(20240607);
    std::vector<double> values = {1,
                                  -1,
                                  9,
                                  10,
                                  99,
                                  100,
                                  12345,
                                  -45000,
                                  254300.5,
                                  1e14,
                                  1e15 - 1,
                                  -(1e15 - 1),
                                  1e15,
                                  1e15 + 2,
                                  999999999999999.5,
                                  9007199254740993.0,
                                  0.5,
                                  -0.5,
                                  1e-4,
                                  9.99e-5,
                                  1e300,
                                  4.9e-324,
                                  std::numeric_limits<double>::max(),
                                  -std::numeric_limits<double>::max()};
    for (int i = 0; i < 20000; ++i) {
        const auto bits = random();
        const int digits = static_cast<int>(bits % 16);
        const auto whole = static_cast<double>(bits % 1'000'000'000'000'000ull) / std::pow(10.0, 15 - digits);
        values.push_back(std::trunc(whole) * ((bits >> 60) & 1 ? -1 : 1));  // whole numbers of every length
        values.push_back(static_cast<double>(bits % 100'000) / std::pow(10.0, digits % 8));  // short decimals
        double any;
        std::memcpy(&any, &bits, sizeof any);
        if (std::isfinite(any))
            values.push_back(any);
    }
    NumberTextBuffer buffer;
    for (const double value : values) {
        if (value == 0)
            continue;  // printf writes -0; the display form is 0 (checked above)
        const std::string expected = printfForm(value);
        EXPECT_EQ(numberToText(value, buffer), expected) << value;
        EXPECT_EQ(numberToText(value), expected) << value;
        EXPECT_EQ(FieldValue::number(value).toText(buffer), expected) << value;
    }
    EXPECT_EQ(numberToText(0.0, buffer), "0");
    EXPECT_EQ(numberToText(-0.0, buffer), "0");
    EXPECT_EQ(FieldValue::text("007").toText(buffer), "007");
    EXPECT_EQ(FieldValue().toText(buffer), "");
}

}  // namespace
}  // namespace teamtool
