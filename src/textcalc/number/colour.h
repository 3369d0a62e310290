#pragma once
// The language writes colours as red·65536 + green·256 + blue; the drawing surface's colour
// values hold red in the low byte and blue in the third. Both directions swap those two bytes.
#include <cstdint>

namespace textcalc {

// Language colour → surface colour. Bits above the 24 colour bits are dropped first, so any
// 32-bit value names some colour instead of a palette index or a system colour.
constexpr std::int32_t inttocol(std::int64_t n)
{
    const std::int64_t c = n & 0xFFFFFF;
    return static_cast<std::int32_t>(c + (c % 256) * 65535 - (c / 65536) * 65535);
}

// Surface colour → language colour (the reverse swap, used by pixel()).
constexpr std::int64_t coltoint(std::int64_t c)
{
    c &= 0xFFFFFF;
    return c + 65535 * (c % 256) - 65535 * (c / 65536);
}

} // namespace textcalc
