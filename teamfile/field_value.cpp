#include "teamfile/field_value.h"

#include "teamfile/numbers.h"

namespace teamtool {

std::string FieldValue::toText() const
{
    switch (kind()) {
    case FieldKind::Empty:
        return {};
    case FieldKind::Number:
        return numberToText(asNumber());
    case FieldKind::Text:
        return asText();
    }
    return {};
}

std::string FieldValue::takeText()
{
    if (isText())
        return std::move(asText());
    return toText();
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
    const auto number = toNumber();
    return number && *number == 0;
}

void FieldValue::setText(std::string_view value)
{
    if (isText())
        asText().assign(value);  // keeps the string's storage from the last record
    else
        m_value.emplace<2>(value);
}

}  // namespace teamtool
