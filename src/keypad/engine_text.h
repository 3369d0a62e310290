#pragma once
// Small text helpers of the engine's handlers. Label texts are UTF-8: a group separator may be
// a multi-byte character, digits and signs are ASCII.
#include <string>

namespace keypad {

inline void removeAll(std::string& text, const std::string& part)
{
    if (part.empty())
        return;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at))
        text.erase(at, part.size());
}

// Characters as the user sees them.
inline size_t characterCount(const std::string& text)
{
    size_t n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return n;
}

// Drops the last character, a whole UTF-8 sequence when it is one.
inline void dropLastCharacter(std::string& text)
{
    while (!text.empty()) {
        const auto c = static_cast<unsigned char>(text.back());
        text.pop_back();
        if ((c & 0xC0) != 0x80)
            break;
    }
}

} // namespace keypad
