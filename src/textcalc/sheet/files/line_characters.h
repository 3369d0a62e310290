#pragma once
// The one rule both sheet readers apply to every character of a line, so that a line stays one
// line through the window's editor and back to a file: control characters (DEL too) have no
// place in a line, the editor's own frame marks (U+FDD0, U+FDD1) and the invisible byte order
// mark (U+FEFF), which the editor drops, are dropped here too, and the line and
// paragraph separators, which the editor would show as breaks, read as a blank.

namespace textcalc::sheet {

// The character a line keeps for `c`, or 0 when it keeps nothing.
constexpr char32_t lineCharacter(char32_t c)
{
    if (c == '\t')
        return c;
    if (c < 0x20 || c == 0x7F || c == 0xFDD0 || c == 0xFDD1 || c == 0xFEFF)
        return 0;
    if (c == 0x2028 || c == 0x2029)
        return ' ';
    return c;
}

} // namespace textcalc::sheet
