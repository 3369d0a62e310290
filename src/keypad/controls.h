#pragma once
// The controls of the keypad face that reach the engine: keys, the menu items of the memory and
// "hyp" menus, and the edit actions of the display. Window-only keys (`mode`, `offitko`) and
// actions that open windows are not here.
#include <optional>
#include <string_view>

namespace keypad {

// ORDER CONTROL: kControlNames in controls.cpp follows this order.
enum class Control {
    c0, c1, c2, c3, c4, c5, c6, c7, c8, c9,
    carka, exponent, znamenko, clear, resetitko,
    plus, minus, krat, deleno, rovnase,
    atamocnina, logaritmus, comb, imod,
    leva, prava,
    nadruhou, odmocnina, lnlog, dekadicky, fakt, integ, sinus, cosinus, tangens,
    prepdrg, stmivt, pmem, rmem, shift,
    zin, koz, tanz,                    // "hyp" items of the trigonometric keys' menus
    mp1, mp2, mp3, mp4, mp5,           // MPmenu
    mr1, mr2, mr3, mr4, mr5,           // MRmenu
    ACopy, APaste, AUndo,              // actions of the display's edit menu
};

std::optional<Control> controlFromName(std::string_view name);
std::string_view controlName(Control control);

// A key of the face (a click area with press and release), as opposed to a menu item or action.
bool isFaceKey(Control control);
// A face key whose right button opens a pop-up menu instead of running the SHIFT function.
bool hasPopupMenu(Control control);

} // namespace keypad
