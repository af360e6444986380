// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Decimal numbers as the team file writes them and as the window shows them.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace teamtool {

// The value of a text of number form, or nothing for any other text and for a value
// too large for a double.
std::optional<double> parseNumber(std::string_view text);

// The same as parseNumber, for loops that read millions of fields: true and the value
// in result, or false and result untouched.
bool tryParseNumber(std::string_view text, double& result);

// What a scan of the number grammar read: an optional sign, digits with at most one
// point, then optionally E or e, an optional sign and digits. Every reader of numbers
// reads this one scan: the team file's reader as it looks for a field's end, the
// number form's test and the parsing below.
struct ScannedNumber {
    std::uint64_t mantissa = 0;  // the digits as one integer; exact() says when it holds them
    std::size_t digits = 0;      // before and after the point
    int fractionDigits = 0;
    bool negative = false;
    bool hasExponent = false;  // an E, its sign and at least one digit were read
    bool exponentNegative = false;
    std::int64_t exponent = 0;  // its digits' value, held at a billion and beyond

    // A plain decimal (no exponent) of at least one and at most 15 digits: the mantissa
    // is exact, and so is value(). With no digit, digits - 1 wraps round.
    bool exact() const { return !hasExponent && digits - 1 < 15; }

    // The correctly rounded value of an exact number: one division by an exact power of ten.
    double value() const
    {
        static constexpr double kExactPowersOfTen[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        auto result = static_cast<double>(mantissa);
        if (fractionDigits > 0)
            result /= kExactPowersOfTen[fractionDigits];
        return negative ? -result : result;
    }
};

namespace detail {

// The exponent after a number's digits, from its E on: rare in a team file, so kept out
// of the loop that reads the common plain decimals (and out of reach of its locals).
struct ScannedExponent {
    const char* end = nullptr;  // nullptr: no digit follows the E, which ends the number
    std::int64_t value = 0;
    bool negative = false;
};

template <class More>
[[gnu::noinline]] ScannedExponent scanExponent(const char* p, More more)
{
    const auto digit = [](char c) { return static_cast<unsigned char>(c - '0') < 10; };
    ScannedExponent exponent;
    const char* q = p + 1;
    exponent.negative = more(q) && *q == '-';
    if (more(q) && (*q == '-' || *q == '+'))
        ++q;
    if (!more(q) || !digit(*q))
        return exponent;  // "1E" and "1E+" end before the E
    constexpr std::int64_t kFar = 1'000'000'000;
    while (more(q) && digit(*q))
        exponent.value = std::min(exponent.value * 10 + (*q++ - '0'), kFar);
    exponent.end = q;
    return exponent;
}

template <bool kExponent, class More>
const char* scanNumber(const char* p, More more, ScannedNumber& out)
{
    // Locals rather than out's members in the loops: p is a char pointer, which may
    // alias anything, so stores through out would be repeated on every digit.
    const auto digit = [](char c) { return static_cast<unsigned char>(c - '0') < 10; };
    const bool negative = more(p) && *p == '-';
    if (more(p) && (*p == '-' || *p == '+'))
        ++p;
    std::uint64_t mantissa = 0;
    const char* const digitsFrom = p;
    while (more(p) && digit(*p))
        mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
    auto digits = static_cast<std::size_t>(p - digitsFrom);
    int fractionDigits = 0;
    if (more(p) && *p == '.') {
        const char* const fractionFrom = ++p;
        while (more(p) && digit(*p))
            mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
        fractionDigits = static_cast<int>(p - fractionFrom);
        digits += static_cast<std::size_t>(fractionDigits);
    }
    out = ScannedNumber{mantissa, digits, fractionDigits, negative};
    // An exponent without digits before it ("E5", ".E5") is read too: no number has
    // no digit, which every reader of a scan checks (digits > 0).
    if (kExponent && more(p) && (*p | 0x20) == 'e') [[unlikely]] {
        if (const ScannedExponent exponent = scanExponent(p, more); exponent.end) {
            out.hasExponent = true;
            out.exponentNegative = exponent.negative;
            out.exponent = exponent.value;
            return exponent.end;
        }
    }
    return p;
}

}  // namespace detail

// Scans a number from the start of text and returns where it stopped: at the text's
// end, or at the first character that cannot continue it.
inline const char* scanNumber(std::string_view text, ScannedNumber& out)
{
    const char* const end = text.data() + text.size();
    return detail::scanNumber<true>(
        text.data(), [end](const char* at) { return at != end; }, out);
}

// The same for a text that ends in a NUL (as a std::string's does), with no bounds
// check, up to an exponent: the team file reader's quick pass over the plain decimals
// most fields are. A number with an exponent stops at its E, where the reader takes the
// full scan above.
inline const char* scanNumberInTerminated(const char* p, ScannedNumber& out)
{
    return detail::scanNumber<false>(
        p, [](const char*) { return true; }, out);
}

// The display form of a number: a whole number below 1E+15 without a point; any other
// value to at most 15 significant digits without trailing zeros, in exponent form
// (1E+20, 2.5E-05) from 1E+15 up and below 1E-4.
std::string numberToText(double value);

// Room for the display form of any number.
using NumberTextBuffer = std::array<char, 40>;

// The same display form written into buffer, for loops that turn millions of numbers
// into text: the view points into buffer.
std::string_view numberToText(double value, NumberTextBuffer& buffer);
// True when chars, which a scan has read as an exact number (scanned.exact()), are
// already the display form of the number they read as: no sign but a minus before a
// number that is not zero, no leading zero but the one before a point, no trailing
// zero after one, at most 15 digits, and not below 1E-4. Such characters can be shown
// as they stand. A few character tests, from what the scan knows.
inline bool isShownForm(const ScannedNumber& scanned, std::string_view chars)
{
    const std::size_t at = scanned.negative ? 1 : 0;
    if (chars.size() <= at)
        return false;
    const char first = chars[at];
    const std::size_t wholeDigits = scanned.digits - static_cast<std::size_t>(scanned.fractionDigits);
    if (first < '0' || first > '9' || (first == '0' && wholeDigits > 1))
        return false;  // a plus, a point first, or a leading zero
    if (scanned.fractionDigits == 0)
        return chars.back() != '.' && !(scanned.negative && scanned.mantissa == 0);
    // Trailing zeros go, and so does a point where none is needed; below 1E-4 the
    // display form has an exponent.
    return chars.back() != '0' && scanned.mantissa != 0 &&
           (wholeDigits > 1 || first != '0' || std::abs(scanned.value()) >= 1e-4);
}

// A number text as the squad boxes hold it, read after trimming blanks; a text that
// is not a number (empty, letters, "1,5") counts as 0.
double readDecimalText(std::string_view text);

}  // namespace teamtool
