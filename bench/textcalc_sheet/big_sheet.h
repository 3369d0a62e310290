#pragma once
// A sheet of 10,000 lines as users write them: program lines in the input font, each followed
// by its centred output in the output font, Czech text and colours among them.
#include "textcalc/sheet/document.h"

#include <string>

namespace sheet_bench {

using namespace textcalc::sheet;

inline const CharFormat Input{"Courier New", 10, {}, false, false, false};
inline const CharFormat Output{"Times New Roman", 12, textcalc::Colour{255, 0, 0}, true, false, false};
constexpr int Lines = 10000;

inline SheetContent bigSheet()
{
    SheetContent content;
    for (int k = 0; k < Lines / 2; ++k) {
        const std::string n = std::to_string(k);
        content.paragraphs.push_back(
            {Alignment::Left, {{"x" + n + ":=" + n + "/7; {součet} y:=x" + n + "*2+" + n, Input}}, Input});
        content.paragraphs.push_back({Alignment::Center, {{n + "/7 žluťoučký", Output}}, Output});
    }
    return content;
}

// Runs at the middle of the sheet write 100 output lines.
constexpr const char* HundredOutputs = "for i:=1 to 100 do i";
constexpr int Middle = Lines / 2;

} // namespace sheet_bench
