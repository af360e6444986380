#pragma once

// Decimal numbers as the team file writes them and as the window shows them.

#include <array>
#include <cstddef>
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

// A plain decimal: an optional sign, digits and at most one point, no exponent. Most
// fields of a team file are one, so the reader and the number parsing below both read
// them with scanPlainDecimal, in the one pass that also finds where they end.
struct PlainDecimal {
    std::uint64_t mantissa = 0;
    std::size_t digits = 0;  // before and after the point
    int fractionDigits = 0;
    bool negative = false;

    // At most 15 digits keep the mantissa exact; with none, digits - 1 wraps round.
    bool exact() const { return digits - 1 < 15; }

    // The correctly rounded value of an exact decimal: one division by an exact power of ten.
    double value() const
    {
        static constexpr double kExactPowersOfTen[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        double result = static_cast<double>(mantissa);
        if (fractionDigits > 0)
            result /= kExactPowersOfTen[fractionDigits];
        return negative ? -result : result;
    }
};

namespace detail {

template <class More>
const char* scanPlainDecimal(const char* p, More more, PlainDecimal& out)
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
    std::size_t digits = static_cast<std::size_t>(p - digitsFrom);
    int fractionDigits = 0;
    if (more(p) && *p == '.') {
        const char* const fractionFrom = ++p;
        while (more(p) && digit(*p))
            mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
        fractionDigits = static_cast<int>(p - fractionFrom);
        digits += static_cast<std::size_t>(fractionDigits);
    }
    out = PlainDecimal{mantissa, digits, fractionDigits, negative};
    return p;
}

}  // namespace detail

// Reads a plain decimal from the start of text and returns where it stopped: at the
// text's end, or at the first character that cannot continue it.
inline const char* scanPlainDecimal(std::string_view text, PlainDecimal& out)
{
    const char* const end = text.data() + text.size();
    return detail::scanPlainDecimal(text.data(), [end](const char* at) { return at != end; }, out);
}

// The same for a text that ends in a NUL (as a std::string's does): the scan stops at
// the first character that cannot continue the number, with no bounds check.
inline const char* scanPlainDecimalInTerminated(const char* p, PlainDecimal& out)
{
    return detail::scanPlainDecimal(p, [](const char*) { return true; }, out);
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
