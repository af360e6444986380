// The checks "Create Orders" makes before it writes anything.

#include "app/frmteamtool.h"
#include "app/text.h"
#include "orders/orders.h"
#include "squad/squad.h"

#include <string>

namespace teamtool {

namespace {

bool anySelected(const ControlArray<OptionButton>& buttons)
{
    for (int i = 0; i < buttons.count(); ++i)
        if (buttons(i).value())
            return true;
    return false;
}

// Characters, not bytes: the box holds UTF-8.
std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

// "Y" or "N" in either case, blanks around allowed.
bool isYesOrNo(std::string_view flag)
{
    const std::string_view t = trimSpaces(flag);
    return t == "Y" || t == "y" || t == "N" || t == "n";
}

}  // namespace

std::optional<std::string_view> firstFailedCheck(const FRMTEAMTOOL& f)
{
    // The whole main side and the first substitute.
    for (int i = kGoalkeeperSlot; i <= kFirstSubstituteSlot; ++i)
        if (isSlotEmpty(f, i))
            return "Not all Players are selected";
    if (!anySelected(f.Option1))
        return "No Captian Selected";
    if (!anySelected(f.Option2))
        return "No Pen Taker Selected";
    if (characterCount(trimSpaces(f.Text29.text)) != 2)
        return "Opponent incorrect";
    if (isBlank(f.Combo2.text))
        return "Tactic Incorrect";
    if (isBlank(f.Combo3.text))
        return "Style Incorrect";
    if (!isYesOrNo(f.Text32.text))
        return "GC must be Y or N";
    if (!isYesOrNo(f.Text33.text))
        return "Boost must be Y or N";
    return std::nullopt;
}

}  // namespace teamtool
