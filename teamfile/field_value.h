// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One field of the team file as the reader hands it back: Empty, a Number or a Text.

#include "textio/numbers.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace teamtool {

enum class FieldKind { Empty, Number, Text };

class FieldValue {
public:
    FieldValue() = default;  // Empty
    static FieldValue number(double value) { return FieldValue(Storage(std::in_place_index<1>, value)); }
    static FieldValue text(std::string value) { return FieldValue(Storage(std::in_place_index<2>, std::move(value))); }

    FieldKind kind() const { return static_cast<FieldKind>(m_value.index()); }
    bool isEmpty() const { return kind() == FieldKind::Empty; }
    bool isNumber() const { return kind() == FieldKind::Number; }
    bool isText() const { return kind() == FieldKind::Text; }

    // The stored number or text; asking for the other kind throws std::bad_variant_access.
    double asNumber() const { return std::get<1>(m_value); }
    const std::string& asText() const { return std::get<2>(m_value); }
    std::string& asText() { return std::get<2>(m_value); }

    // For display: Empty gives "", a Text itself, a Number its shortest decimal form.
    std::string toText() const;
    // The same without making a string: a Text's own characters, or a Number written
    // into buffer. The view lasts as long as this value and buffer are left alone.
    std::string_view toText(NumberTextBuffer& buffer) const;

    // For arithmetic: Empty is 0, a Number itself, a Text of number form its number;
    // any other Text gives nothing.
    std::optional<double> toNumber() const;

    // Empty and 0 are zero, and so is a Text of number form whose number is 0
    // (a quoted "0" counts as the 0 it holds).
    bool isZero() const;

    void setEmpty() { m_value.emplace<0>(); }
    void setNumber(double value)
    {
        if (auto* number = std::get_if<1>(&m_value))
            *number = value;  // the same field of the last record was a number too
        else
            m_value.emplace<1>(value);
    }
    void setText(std::string_view value);

    friend bool operator==(const FieldValue&, const FieldValue&) = default;

private:
    using Storage = std::variant<std::monostate, double, std::string>;
    explicit FieldValue(Storage value) : m_value(std::move(value)) {}
    Storage m_value;
};

}  // namespace teamtool
