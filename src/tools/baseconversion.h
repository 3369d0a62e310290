#pragma once
// Conversion of a number between positional bases 2 … 36, with an integer part held in a signed
// 64-bit integer and a fractional part in a double. The fraction separator is always ",",
// whatever the locale.
#include <string>

namespace platform {
class Services;
}

namespace tools {

// The one message of the base conversion, for every kind of bad input.
inline constexpr const char* kInvalidBase = "Invalid combination of number and base.";

// Digit value of `c` ("0"-"9", "A"-"Z", "a"-"z"); throws UserError(kInvalidBase) when `c` is
// no digit or its value is not below `base`.
int hodnota(char c, int base);
// Digit character of 0 … 35: "0"-"9", then upper-case "A"-"Z".
char znak(int value);

// Converts `number` from base `from` to base `to` (both given as the texts of the combo boxes)
// with `places` fractional digits, cut and not rounded. Throws UserError(kInvalidBase).
std::string convertBase(const std::string& number, const std::string& from, const std::string& to,
                        int places);

// The state of the base conversion window: the texts of its controls and its handlers.
class BaseConversion {
public:
    explicit BaseConversion(platform::Services& services) : m_services(services) {}

    std::string vstup;
    std::string puvod = "10";
    std::string vystup;
    std::string nova = "16";
    int mista = 5;

    // Converts `vstup`; on failure beeps, shows the message and keeps `vystup`.
    void prevedClick();
    // Exchanges input and output and the two bases; converts nothing.
    void ZamButClick();
    void mistaChange() { prevedClick(); }

private:
    platform::Services& m_services;
};

} // namespace tools
