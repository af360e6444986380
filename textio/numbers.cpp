// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textio/numbers.h"

#include "textio/numbers_testing.h"
#include "textio/trim.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace teamtool {

namespace {

// The power of ten of the first digit that is not 0 of a number text without its
// sign, its exponent counted in: 2 for 123.4, -3 for 0.00123, 5 for 1E5. Held far
// beyond any double's range; an all-zero number is far below it.
std::int64_t leadingMagnitude(std::string_view text, const ScannedNumber& number)
{
    constexpr std::int64_t kFar = 1'000'000'000;
    const auto integerDigits = static_cast<std::int64_t>(number.digits) - number.fractionDigits;
    std::int64_t magnitude = -kFar;
    for (std::int64_t i = 0; i < integerDigits && magnitude == -kFar; ++i)
        if (text[static_cast<std::size_t>(i)] != '0')
            magnitude = integerDigits - i - 1;
    for (std::int64_t j = 0; j < number.fractionDigits && magnitude == -kFar; ++j)
        if (text[static_cast<std::size_t>(integerDigits + 1 + j)] != '0')
            magnitude = -(j + 1);
    if (magnitude == -kFar)
        return -kFar;  // all zeros
    return magnitude + (number.exponentNegative ? -number.exponent : number.exponent);
}

}  // namespace

bool hasNumberForm(std::string_view text)
{
    ScannedNumber number;
    return scanNumber(text, number) == text.data() + text.size() && number.digits > 0;
}

bool tryParseNumber(std::string_view text, double& result)
{
    ScannedNumber number;
    if (scanNumber(text, number) != text.data() + text.size() || number.digits == 0)
        return false;
    if (number.exact()) {
        result = number.value();
        return true;
    }
    // from_chars takes no plus sign; the form has been checked, so the rest parses whole.
    if (text.front() == '+' || text.front() == '-')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large to hold is no number at all. Which one
        // it is depends on the digits as well as the exponent: 0.000...1 underflows
        // without any exponent, and 1000...0E-5 can still overflow.
        if (leadingMagnitude(text, number) > 0)
            return false;
        value = 0;
    } else if (error != std::errc{} || end != text.data() + text.size()) {
        return false;
    }
    result = number.negative ? -value : value;
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
    // Then decimals of up to four places, as the league writes its figures: the closest
    // double to such a decimal shows, to 15 digits, as exactly that decimal, which is
    // written straight from its digits rather than by the general conversion.
    static constexpr double kPowers[] = {1, 1e1, 1e2, 1e3, 1e4};
    static constexpr std::int64_t kWholePowers[] = {1, 10, 100, 1000, 10000};
    for (int places = 1; places <= 4 && std::abs(value) < 1e10; ++places) {
        const double scaled = std::nearbyint(value * kPowers[places]);
        if (scaled / kPowers[places] != value)
            continue;
        const auto digits = static_cast<std::int64_t>(std::abs(scaled));
        char* p = first;
        if (value < 0)
            *p++ = '-';
        p = std::to_chars(p, last, digits / kWholePowers[places]).ptr;
        *p++ = '.';
        std::int64_t fraction = digits % kWholePowers[places];
        for (int k = places - 1; k >= 0; --k, fraction /= 10)
            p[k] = static_cast<char>('0' + fraction % 10);
        return std::string_view(first, static_cast<std::size_t>(p + places - first));
    }
    return generalNumberText(value, buffer);
}

std::string_view generalNumberText(double value, NumberTextBuffer& buffer)
{
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    const auto [end, error] = std::to_chars(first, last, value, std::chars_format::general, 15);
    const std::string_view text(first, static_cast<std::size_t>(end - first));
    // %g-style output writes the exponent as e+20; the display form is E+20.
    if (const auto e = text.find('e'); e != std::string_view::npos)
        first[e] = 'E';
    return text;
}

bool isShownForm(std::string_view chars)
{
    std::size_t at = 0;
    const bool negative = !chars.empty() && chars[0] == '-';
    at += negative;
    const std::size_t wholeFrom = at;
    while (at < chars.size() && chars[at] >= '0' && chars[at] <= '9')
        ++at;
    const std::size_t wholeDigits = at - wholeFrom;
    if (wholeDigits == 0 || (wholeDigits > 1 && chars[wholeFrom] == '0'))
        return false;
    bool zero = wholeDigits == 1 && chars[wholeFrom] == '0';
    std::size_t digits = wholeDigits;
    if (at < chars.size()) {
        if (chars[at] != '.')
            return false;
        const std::size_t fractionFrom = ++at;
        while (at < chars.size() && chars[at] >= '0' && chars[at] <= '9')
            ++at;
        const std::size_t fractionDigits = at - fractionFrom;
        if (at != chars.size() || fractionDigits == 0 || chars[at - 1] == '0')
            return false;
        digits += fractionDigits;
        if (zero) {
            // 0.000x and smaller show in exponent form.
            const std::size_t firstDigit = chars.find_first_not_of('0', fractionFrom);
            if (firstDigit - fractionFrom > 3)
                return false;
            zero = false;
        }
    }
    return digits <= 15 && !(negative && zero);
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
