#pragma once
// A colour: red, green and blue, one byte each. Programs write a colour as one integer,
// red·65536 + green·256 + blue (rgbtocolor, clRed); the desktop's colour values in settings.ini
// and the sheet's formats hold red in the low byte and blue in the third. Both packings are
// written out here and nowhere else.
#include <cstdint>

namespace textcalc {

class Colour {
public:
    constexpr Colour() = default;
    constexpr Colour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) : m_red(red), m_green(green), m_blue(blue)
    {
    }

    // Bits above the 24 colour bits are dropped, so that any integer names some colour instead
    // of a palette index or a system colour.
    static constexpr Colour fromLanguage(std::int64_t value)
    {
        return Colour(std::uint8_t(value >> 16), std::uint8_t(value >> 8), std::uint8_t(value));
    }
    constexpr std::int64_t language() const { return m_red * 65536 + m_green * 256 + m_blue; }

    static constexpr Colour fromDesktop(std::uint32_t value)
    {
        return Colour(std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16));
    }
    constexpr std::uint32_t desktop() const { return m_red | m_green << 8 | std::uint32_t(m_blue) << 16; }

    constexpr std::uint8_t red() const { return m_red; }
    constexpr std::uint8_t green() const { return m_green; }
    constexpr std::uint8_t blue() const { return m_blue; }

    friend constexpr bool operator==(Colour, Colour) = default;

private:
    std::uint8_t m_red = 0;
    std::uint8_t m_green = 0;
    std::uint8_t m_blue = 0;
};

} // namespace textcalc
