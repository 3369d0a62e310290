#include "keypad/controls.h"

#include <array>

namespace keypad {

namespace {

// ORDER CONTROL
constexpr auto kControlNames = std::to_array<std::string_view>({
    "c0", "c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8", "c9",
    "carka", "exponent", "znamenko", "clear", "resetitko",
    "plus", "minus", "krat", "deleno", "rovnase",
    "atamocnina", "logaritmus", "comb", "imod",
    "leva", "prava",
    "nadruhou", "odmocnina", "lnlog", "dekadicky", "fakt", "integ", "sinus", "cosinus", "tangens",
    "prepdrg", "stmivt", "pmem", "rmem", "shift",
    "zin", "koz", "tanz",
    "mp1", "mp2", "mp3", "mp4", "mp5",
    "mr1", "mr2", "mr3", "mr4", "mr5",
    "ACopy", "APaste", "AUndo",
});
static_assert(kControlNames.size() == static_cast<size_t>(Control::AUndo) + 1);

} // namespace

std::optional<Control> controlFromName(std::string_view name)
{
    for (size_t i = 0; i < kControlNames.size(); ++i)
        if (kControlNames[i] == name)
            return static_cast<Control>(i);
    return std::nullopt;
}

std::string_view controlName(Control control) { return kControlNames[static_cast<size_t>(control)]; }

bool isFaceKey(Control control) { return control <= Control::shift; }

bool hasPopupMenu(Control control)
{
    switch (control) {
    case Control::c1: case Control::c2: case Control::c3:     // main menu `hlavni`
    case Control::clear: case Control::resetitko:
    case Control::plus: case Control::minus: case Control::krat: case Control::deleno:
    case Control::shift:
    case Control::sinus: case Control::cosinus: case Control::tangens: // "hyp" menus
    case Control::pmem: case Control::rmem:                            // MPmenu, MRmenu
        return true;
    default:
        return false;
    }
}

} // namespace keypad
