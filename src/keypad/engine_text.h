#pragma once
// Small text helpers of the engine's handlers. Label texts are UTF-8: a group separator may be
// a multi-byte character, digits and signs are ASCII.
#include <optional>
#include <string>

namespace keypad {

inline void removeAll(std::string& text, const std::string& part)
{
    if (part.empty())
        return;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at))
        text.erase(at, part.size());
}

// The display text without its digit-group separators. A leading "-" is always the sign (no
// group starts the text), so it survives even when "-" itself is the separator.
inline std::string withoutGroups(const std::string& display, const std::string& separator)
{
    const size_t signLength = !display.empty() && display[0] == '-' ? 1 : 0;
    std::string digits = display.substr(signLength);
    removeAll(digits, separator);
    return display.substr(0, signLength) + digits;
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

// The value of the `expon` label ("-005" is -5); nothing for a text that is no decimal integer
// (a hexadecimal digit typed into the exponent with SHIFT).
inline std::optional<int> exponentValue(const std::string& expon)
{
    size_t i = expon.empty() || expon[0] != '-' ? 0 : 1;
    if (i == expon.size())
        return std::nullopt;
    int value = 0;
    for (; i < expon.size(); ++i) {
        if (expon[i] < '0' || expon[i] > '9' || value > 100000)
            return std::nullopt;
        value = value * 10 + (expon[i] - '0');
    }
    return expon[0] == '-' ? -value : value;
}

} // namespace keypad
