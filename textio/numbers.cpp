#include "textio/numbers.h"

#include "textio/trim.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace teamtool {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The power of ten of the leading digit of a text of number form (without its sign):
// 2 for 123.4, -3 for 0.00123, 5 for 1E5. Saturates far beyond any double's range.
long long decimalMagnitude(std::string_view text)
{
    constexpr long long kFar = 1'000'000'000;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == '0')
        ++i;
    long long magnitude = 0;
    bool found = false;
    long long integerDigits = 0;
    while (i < n && isDigit(text[i]))
        ++i, ++integerDigits;
    if (integerDigits > 0) {
        magnitude = std::min(integerDigits - 1, kFar);
        found = true;
    }
    if (i < n && text[i] == '.') {
        ++i;
        long long zeros = 0;
        while (i < n && text[i] == '0')
            ++i, ++zeros;
        if (!found && i < n && isDigit(text[i])) {
            magnitude = -std::min(zeros + 1, kFar);
            found = true;
        }
        while (i < n && isDigit(text[i]))
            ++i;
    }
    if (!found)
        return -kFar;  // all zeros
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        const bool negative = i < n && text[i] == '-';
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        long long exponent = 0;
        while (i < n && isDigit(text[i])) {
            exponent = std::min(exponent * 10 + (text[i] - '0'), kFar);
            ++i;
        }
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude;
}

// The common case: a sign, at most 15 digits and at most one point, no exponent.
bool tryParsePlainDecimal(std::string_view text, double& result)
{
    PlainDecimal decimal;
    if (scanPlainDecimal(text, decimal) != text.data() + text.size() || !decimal.exact())
        return false;
    result = decimal.value();
    return true;
}

}  // namespace

bool hasNumberForm(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < n && isDigit(text[i]))
        ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        while (i < n && isDigit(text[i]))
            ++i, ++exponentDigits;
        if (exponentDigits == 0)
            return false;
    }
    return i == n;
}

bool tryParseNumber(std::string_view text, double& result)
{
    if (tryParsePlainDecimal(text, result))
        return true;
    if (!hasNumberForm(text))
        return false;
    // from_chars takes no plus sign; the form has been checked, so the rest parses whole.
    const bool negative = text.front() == '-';
    if (text.front() == '+' || negative)
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large to hold is no number at all. Which one
        // it is depends on the digits as well as the exponent: 0.000...1 underflows
        // without any exponent, and 1000...0E-5 can still overflow.
        if (decimalMagnitude(text) > 0)
            return false;
        value = 0;
    } else if (error != std::errc{} || end != text.data() + text.size()) {
        return false;
    }
    result = negative ? -value : value;
    return true;
}

std::optional<double> parseNumber(std::string_view text)
{
    double value = 0;
    if (!tryParseNumber(text, value))
        return std::nullopt;
    return value;
}

std::string_view numberToText(double value, NumberTextBuffer& buffer)
{
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    // Whole numbers are by far the most common: they convert to an integer and back
    // unchanged (a NaN fails the range test). -0 becomes the integer 0 and shows as 0.
    if (std::abs(value) < 1e15) {
        const auto whole = static_cast<std::int64_t>(value);
        if (static_cast<double>(whole) == value) {
            const auto [end, error] = std::to_chars(first, last, whole);
            return std::string_view(first, static_cast<std::size_t>(end - first));
        }
    }
    const auto [end, error] = std::to_chars(first, last, value, std::chars_format::general, 15);
    const std::string_view text(first, static_cast<std::size_t>(end - first));
    // %g-style output writes the exponent as e+20; the display form is E+20.
    if (const auto e = text.find('e'); e != std::string_view::npos)
        first[e] = 'E';
    return text;
}

std::string numberToText(double value)
{
    NumberTextBuffer buffer;
    return std::string(numberToText(value, buffer));
}

double readDecimalText(std::string_view text)
{
    return parseNumber(trimSpaces(text)).value_or(0.0);
}

}  // namespace teamtool
