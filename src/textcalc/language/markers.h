#pragma once
// Prepared program text marks keywords with the byte 0xA7 followed by one letter: prepare()
// writes them, nestblocks() and compileblock() read them. A BEGIN or REPEAT marker carries the
// number of its body's block after the letter ("\xA7" "b3").
#include <string_view>

namespace textcalc::markers {

constexpr char Marker = '\xA7';

// The letter after the marker of each keyword.
constexpr char Begin = 'b';
constexpr char End = 'e';
constexpr char If = 'i';
constexpr char Then = 't';
constexpr char Else = 'l';
constexpr char While = 'w';
constexpr char Do = 'd';
constexpr char Repeat = 'r';
constexpr char Until = 'u';
constexpr char For = 'f';
constexpr char To = 'o';
constexpr char Try = 'y';

// Whether a prepared item is a keyword marker (of any keyword).
inline bool isMarker(std::string_view item)
{
    return !item.empty() && item[0] == Marker;
}

// Whether a prepared item is the marker of the keyword `letter`.
inline bool isMarker(std::string_view item, char letter)
{
    return item.size() >= 2 && item[0] == Marker && item[1] == letter;
}

} // namespace textcalc::markers
