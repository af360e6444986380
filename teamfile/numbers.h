#pragma once

// Decimal numbers as the team file writes them and as the window shows them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace teamtool {

// True when text has the form of a decimal number: an optional sign, digits with at
// most one point and at least one digit in all, then optionally E or e, an optional
// sign and digits. "5." and ".5" qualify; ".", "+", "1,5", "0x10" and "Infinity" do not.
bool hasNumberForm(std::string_view text);

// The value of a text of number form, or nothing for any other text and for a value
// too large for a double.
std::optional<double> parseNumber(std::string_view text);

// The same as parseNumber, for loops that read millions of fields: true and the value
// in result, or false and result untouched.
bool tryParseNumber(std::string_view text, double& result);

// The value of a plain decimal read digit by digit: at most 15 digits in all (so the
// mantissa is exact), fractionDigits of them after the point. One division by an exact
// power of ten gives the correctly rounded value.
inline constexpr double kExactPowersOfTen[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

inline double plainDecimalValue(std::uint64_t mantissa, int fractionDigits, bool negative)
{
    double value = static_cast<double>(mantissa);
    if (fractionDigits > 0)
        value /= kExactPowersOfTen[fractionDigits];
    return negative ? -value : value;
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

// A number text as the squad boxes hold it, read after trimming blanks; a text that
// is not a number (empty, letters, "1,5") counts as 0.
double readDecimalText(std::string_view text);

}  // namespace teamtool
