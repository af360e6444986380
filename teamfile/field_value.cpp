// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teamfile/field_value.h"

#include "textio/numbers.h"

namespace teamtool {

std::string FieldValue::toText() const
{
    NumberTextBuffer buffer;
    return std::string(toText(buffer));
}

std::string_view FieldValue::toText(NumberTextBuffer& buffer) const
{
    switch (kind()) {
    case FieldKind::Empty:
        return {};
    case FieldKind::Number:
        return numberToText(asNumber(), buffer);
    case FieldKind::Text:
        return asText();
    }
    return {};
}

std::optional<double> FieldValue::toNumber() const
{
    switch (kind()) {
    case FieldKind::Empty:
        return 0.0;
    case FieldKind::Number:
        return asNumber();
    case FieldKind::Text:
        return parseNumber(asText());
    }
    return std::nullopt;
}

bool FieldValue::isZero() const
{
    switch (kind()) {
    case FieldKind::Empty:
        return true;
    case FieldKind::Number:
        return asNumber() == 0;
    case FieldKind::Text: {
        double number = 1;
        return tryParseNumber(asText(), number) && number == 0;
    }
    }
    return false;
}

void FieldValue::setText(std::string_view value)
{
    if (isText())
        asText().assign(value);  // keeps the string's storage from the last record
    else
        m_value.emplace<2>(value);
}

}  // namespace teamtool
