#pragma once
// Columns of the sheet are Unicode code points of a line's UTF-8 text.
#include <cstddef>
#include <string_view>

namespace textcalc::sheet {

inline bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

inline int columnCount(std::string_view text)
{
    int n = 0;
    for (char c : text)
        n += isContinuationByte(c) ? 0 : 1;
    return n;
}

// The byte offset of `column` in `text`; the text's size when the column is beyond its end.
inline size_t byteOffset(std::string_view text, int column)
{
    size_t i = 0;
    for (; i < text.size() && column > 0; ++i)
        if (!isContinuationByte(text[i]))
            --column;
    while (i < text.size() && isContinuationByte(text[i]))
        ++i;
    return column > 0 ? text.size() : i;
}

} // namespace textcalc::sheet
