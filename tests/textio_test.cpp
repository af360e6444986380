// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The text layer: encodings and number texts, on their own.

#include "textio/encoding.h"
#include "textio/fingerprint.h"
#include "textio/numbers.h"
#include "textio/numbers_testing.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace teamtool {
namespace {

// XXH64's published values, and every stripe, word and byte of a longer text counted.
TEST(Fingerprint, IsXxh64AndTellsEveryByte)
{
    EXPECT_EQ(contentHash(""), 0xEF46DB3751D8E999ULL);
    EXPECT_EQ(contentHash("abc"), 0x44BC2CF5AD770999ULL);
    std::string text(77, 'x');
    const std::uint64_t whole = contentHash(text);
    for (std::size_t k = 0; k < text.size(); ++k) {
        text[k] = 'y';
        EXPECT_NE(contentHash(text), whole) << k;
        text[k] = 'x';
    }
    EXPECT_EQ(fingerprintOf(text), (FileFingerprint{77, whole}));
}

TEST(Encoding, Utf8CheckRefusesMalformedSequences)
{
    EXPECT_TRUE(isValidUtf8("plain ascii, long enough to take the fast path"));
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80 \xE2\x82\xAC \xC3\xA9 \xF4\x8F\xBF\xBF"));
    for (const std::string bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC3", "\xE2\x82",
                                  "\x80", "\xFF", "abcdefgh\xC3(", "\xF5\x80\x80\x80"})
        EXPECT_FALSE(isValidUtf8(bad)) << testing::PrintToString(bad);
}

TEST(Encoding, Utf8CheckFindsASequenceAnywhereInLongAscii)
{
    // Long runs of ASCII are checked many bytes at a time: a sequence at any offset in
    // or after such a run is still seen.
    for (std::size_t at = 0; at <= 70; ++at) {
        std::string text(80, 'a');
        text.replace(at, 2, "\xC3\xA9");
        EXPECT_TRUE(isValidUtf8(text)) << at;
        text.replace(at, 2, "\xC3(");
        EXPECT_FALSE(isValidUtf8(text)) << at;
        text[at] = '\x80';
        EXPECT_FALSE(isValidUtf8(text)) << at;
    }
}

TEST(Encoding, Windows1252CoversEveryByte)
{
    std::string all;
    for (int c = 1; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    const std::string utf8 = windows1252ToUtf8(all);
    EXPECT_TRUE(isValidUtf8(utf8));
    EXPECT_EQ(windows1252ToUtf8("\x9F\xA0\xFF"), "\xC5\xB8\xC2\xA0\xC3\xBF");
    EXPECT_EQ(windows1252ToUtf8("\x99"), "\xE2\x84\xA2");
}

// ---------------------------------------------------------------------------------
// Number texts

TEST(NumberTexts, FormIsCheckedExactly)
{
    for (const char* yes : {"0", "-0", "+7", "007", "5.", ".5", "-.5", "1e5", "1E+05", "2.5e-3", "12.0"})
        EXPECT_TRUE(hasNumberForm(yes)) << yes;
    for (const char* no : {"",   ".",   "+",  "-",  "+.", "1,5",  "0x10",  "Infinity", "inf",   "nan",
                           "1e", "1e+", "e5", "1 ", " 1", "1..2", "1.2.3", "--1",      "1e5.5", "1d5"})
        EXPECT_FALSE(hasNumberForm(no)) << no;
}

TEST(NumberTexts, ParseHandlesSignsAndExtremes)
{
    EXPECT_EQ(parseNumber("+12.5"), 12.5);
    EXPECT_EQ(parseNumber("-.25"), -0.25);
    EXPECT_EQ(parseNumber("5."), 5.0);
    EXPECT_EQ(parseNumber("1E308"), 1e308);
    EXPECT_EQ(parseNumber("1e309"), std::nullopt) << "too large for a double";
    EXPECT_EQ(parseNumber("-1e400"), std::nullopt);
    EXPECT_EQ(parseNumber("1e-400"), 0.0) << "too small to hold is zero";
    EXPECT_EQ(parseNumber("abc"), std::nullopt);
}

TEST(NumberTexts, RangeDependsOnTheDigitsAsWellAsTheExponent)
{
    // Once read as 0: a huge mantissa with a small negative exponent still overflows.
    EXPECT_EQ(parseNumber("1" + std::string(400, '0') + "e-5"), std::nullopt);
    // Once read as no number: a tiny fraction with no exponent underflows to zero.
    EXPECT_EQ(parseNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(parseNumber("0." + std::string(400, '0') + "1e-100"), 0.0);
    EXPECT_EQ(parseNumber("0." + std::string(400, '0') + "1e100"), 1e-301);
    EXPECT_EQ(parseNumber("0." + std::string(10, '0') + "1e300"), 1e289);
    EXPECT_EQ(parseNumber(std::string(300, '0') + "1"), 1.0);
}

// The shortcut for short decimals writes exactly what the general conversion writes:
// for decimals of one to six places, their neighbours and sums, and random doubles.
TEST(NumberTexts, TheShortcutForDecimalsAgreesWithTheGeneralForm)
{
    std::mt19937_64 random(20261207);
    NumberTextBuffer fast;
    NumberTextBuffer general;
    const auto agree = [&](double value) {
        ASSERT_EQ(numberToText(value, fast), generalNumberText(value, general)) << value;
    };
    for (int n = 0; n < 200000; ++n) {
        const int places = static_cast<int>(random() % 6) + 1;
        const auto digits = static_cast<std::int64_t>(random() % 100000000000ull) - 50000000000;
        const double value = static_cast<double>(digits) / std::pow(10.0, places);
        agree(value);
        agree(std::nextafter(value, 1e300));
        agree(value + 0.1);
        agree(std::bit_cast<double>(random()));
    }
}

// Characters said to be a number's display form are exactly what it shows as, every
// display form without an exponent is recognised as one, and the reader's quick test
// from a scan agrees with the full one.
TEST(NumberTexts, ADisplayFormIsRecognisedExactly)
{
    std::mt19937_64 random(7);
    const std::string alphabet = "-0123456789.";
    for (int n = 0; n < 300000; ++n) {
        std::string chars;
        for (std::size_t k = 0, length = random() % 8 + 1; k < length; ++k)
            chars += alphabet[random() % alphabet.size()];
        ScannedNumber scanned;
        if (scanNumber(chars, scanned) == chars.data() + chars.size() && scanned.exact()) {
            ASSERT_EQ(isShownForm(scanned, chars), isShownForm(chars)) << chars;
        }
        if (isShownForm(chars)) {
            const auto value = parseNumber(chars);
            ASSERT_TRUE(value.has_value()) << chars;
            ASSERT_EQ(numberToText(*value), chars);
        }
        const std::string shown =
            numberToText(static_cast<double>(static_cast<std::int64_t>(random() % 2000001) - 1000000) /
                         std::pow(10.0, static_cast<double>(random() % 6)));
        if (shown.find('E') == std::string::npos) {
            ASSERT_TRUE(isShownForm(shown)) << shown;
        }
    }
    for (const char* notShown : {"+5", "05", "-0", "1.50", "5.", ".5", "0.00001", "1234567890123456", "1E5", ""})
        EXPECT_FALSE(isShownForm(notShown)) << notShown;
}

TEST(NumberTexts, ShownInTheirShortestPlainForm)
{
    EXPECT_EQ(numberToText(7), "7");
    EXPECT_EQ(numberToText(12.0), "12");
    EXPECT_EQ(numberToText(-0.0), "0");
    EXPECT_EQ(numberToText(-3), "-3");
    EXPECT_EQ(numberToText(2.5), "2.5");
    EXPECT_EQ(numberToText(0.1 + 0.2), "0.3") << "at most 15 significant digits";
    EXPECT_EQ(numberToText(12.1 + 7.2), "19.3");
    EXPECT_EQ(numberToText(999999999999999), "999999999999999");
    EXPECT_EQ(numberToText(1e15), "1E+15");
    EXPECT_EQ(numberToText(1e20), "1E+20");
    EXPECT_EQ(numberToText(0.0001), "0.0001");
    EXPECT_EQ(numberToText(0.000025), "2.5E-05");
    EXPECT_EQ(numberToText(-1234.5678), "-1234.5678");
    // Whatever is shown reads back as a number.
    for (const double value : {1e300, -4.9e-324, 123456.789012345678, 1.0 / 3, 2.5e-5})
        EXPECT_TRUE(hasNumberForm(numberToText(value))) << numberToText(value);
}

TEST(NumberTexts, DecimalTextsOfTheSquadBoxes)
{
    EXPECT_EQ(readDecimalText(" 12.5 "), 12.5);
    EXPECT_EQ(readDecimalText(""), 0.0);
    EXPECT_EQ(readDecimalText("1,5"), 0.0);
    EXPECT_EQ(readDecimalText("abc"), 0.0);
    EXPECT_EQ(readDecimalText("\t3"), 0.0) << "only spaces are trimmed";
}

}  // namespace
}  // namespace teamtool
