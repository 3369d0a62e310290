#pragma once
// A skin: the picture of the calculator and where everything lies on it. The skin file
// "skins/<name>.ini" is read here into plain numbers; the main window applies them and loads
// the bitmaps from the skin directory "skins/<name>/".
#include "platform/inifile.h"

#include <array>
#include <filesystem>
#include <vector>
#include <string>

namespace ui {

// The display labels, in the order in which the skin is applied; `soustava` shows the number
// base when it is not 10.
// ORDER LABELS: labelNames[] and Skin::labels follow this order.
enum class LabelId { display, zavorky, sif, expon, deg, soustava };
inline constexpr std::array<const char*, 6> labelNames{"display", "zavorky", "sif", "expon", "deg", "soustava"};

// The key images of the face, in the order in which they are laid out.
inline constexpr std::array<const char*, 42> keyNames{
    "c0",        "c1",        "c2",        "c3",       "c4",        "c5",       "c6",
    "c7",        "c8",        "c9",        "clear",    "krat",      "plus",     "znamenko",
    "resetitko", "deleno",    "minus",     "rovnase",  "carka",     "exponent", "shift",
    "nadruhou",  "integ",     "fakt",      "odmocnina", "imod",     "prepdrg",  "stmivt",
    "atamocnina", "sinus",    "logaritmus", "prava",   "cosinus",   "dekadicky", "rmem",
    "comb",      "leva",      "offitko",   "tangens",  "lnlog",     "pmem",     "mode"};

struct LabelPlace {
    int top = 10;
    int left = 10;
    int size = 15; // font size in points
    unsigned color = 0;
    std::string name = "MS Sans Serif";
    int width = 100;
    int height = 25;
};

struct KeyPlace {
    int top = 50;
    int left = 10;
    int pic = 1; // picture class: size from "pic_<P>", pressed bitmap "but<P>.bmp"
    int width = 34;
    int height = 24;
};

struct Skin {
    // main
    int diametr = 28;
    unsigned color = 0;
    unsigned hintColor = 555555;
    int width = 250;
    int height = 350;
    int upwidth = 200;
    int upheight = 35;
    // pam: memory indicator i lies at (pamLeft + (i - 1) * pamInter, pamTop)
    int pamLeft = 30;
    int pamTop = 30;
    int pamInter = 30;
    int pamSize = 30;
    unsigned pamColor = 0;
    // upbuts: kept as read; the views refuse values outside 0-255 (see titleButtonsValid)
    int butSize = 18;
    int butLeft = 50;
    int butTop = 10;
    int butInter = 20;
    int butUleft = 50;
    int butUtop = 10;
    int aboutWidth = 60;
    int aboutHeight = 18;
    int aboutLeft = 20;
    int aboutTop = 20;

    std::array<LabelPlace, labelNames.size()> labels;
    std::array<KeyPlace, keyNames.size()> keys;

    const LabelPlace& label(LabelId id) const { return labels[static_cast<int>(id)]; }
};

// Reads every key with its default. Garbage never fails: unconvertible values take the
// default, and numbers are clamped to what a window can hold (see skin.cpp).
Skin loadSkin(const platform::IniFile& file);

// The sizes of the two views must leave a window the user can see and reach: a size outside
// 16-8192 is put back to its default, and the message for the first one is returned (empty
// when all are valid).
std::string refuseHiddenViews(Skin& skin);

// The title-button coordinates of one view must each lie in 0-255; returns the message for
// the first one that does not, or an empty text.
std::string titleButtonsError(const Skin& skin, bool titleStrip);

// The names of the "*.ini" files in a folder without their extension, sorted as a file list
// shows them; the settings dialog lists skins and languages this way.
std::vector<std::string> listIniNames(const std::filesystem::path& dir);

// Index of a key name in keyNames, or -1.
int keyIndex(const std::string& name);

} // namespace ui
