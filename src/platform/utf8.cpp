#include "utf8.h"

namespace platform {

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

namespace {

// The sequence length a lead byte starts (0 for a byte that starts none), and the range its
// second byte must lie in: this rules out overlong forms, surrogates and code points beyond
// U+10FFFF, as Unicode's table of well-formed sequences does.
struct Lead {
    int length;
    unsigned char low, high;
};

Lead leadOf(unsigned char c)
{
    if (c < 0x80)
        return {1, 0, 0};
    if (c >= 0xC2 && c <= 0xDF)
        return {2, 0x80, 0xBF};
    if (c == 0xE0)
        return {3, 0xA0, 0xBF};
    if (c == 0xED)
        return {3, 0x80, 0x9F};
    if (c >= 0xE1 && c <= 0xEF)
        return {3, 0x80, 0xBF};
    if (c == 0xF0)
        return {4, 0x90, 0xBF};
    if (c >= 0xF1 && c <= 0xF3)
        return {4, 0x80, 0xBF};
    if (c == 0xF4)
        return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

// The length of the well-formed sequence at `i`, or 0.
size_t sequenceAt(const std::string& s, size_t i)
{
    const Lead lead = leadOf(static_cast<unsigned char>(s[i]));
    if (lead.length <= 1)
        return static_cast<size_t>(lead.length);
    if (i + static_cast<size_t>(lead.length) > s.size())
        return 0;
    const auto byte = [&](int k) { return static_cast<unsigned char>(s[i + static_cast<size_t>(k)]); };
    if (byte(1) < lead.low || byte(1) > lead.high)
        return 0;
    for (int k = 2; k < lead.length; ++k)
        if ((byte(k) & 0xC0) != 0x80)
            return 0;
    return static_cast<size_t>(lead.length);
}

} // namespace

char32_t decodeUtf8(const std::string& s, size_t& i)
{
    const size_t length = sequenceAt(s, i);
    if (length == 0) {
        ++i;
        return 0xFFFD;
    }
    const unsigned char c = static_cast<unsigned char>(s[i]);
    char32_t cp = length == 1 ? c : c & (0x7F >> length);
    for (size_t k = 1; k < length; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    i += length;
    return cp;
}

bool isValidUtf8(const std::string& s)
{
    for (size_t i = 0; i < s.size();) {
        const size_t length = sequenceAt(s, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

// Windows-1250 bytes 0x80-0xFF as Unicode code points (0 where the code page has none).
constexpr unsigned short cp1250[128] = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021, 0,      0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

std::string toUtf8FromLegacy(const std::string& bytes)
{
    if (isValidUtf8(bytes))
        return bytes;
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char ch : bytes) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x80)
            out += ch;
        else
            appendUtf8(out, fromWindowsCodePage(1250, c));
    }
    return out;
}

// Windows-1252 bytes 0x80-0x9F (0xA0-0xFF are Latin-1).
constexpr unsigned short cp1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char32_t fromWindowsCodePage(int codePage, unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    const unsigned short cp = codePage == 1250 ? cp1250[byte - 0x80] : byte < 0xA0 ? cp1252[byte - 0x80] : byte;
    return cp ? cp : 0xFFFD;
}

int toWindows1250(char32_t cp)
{
    if (cp < 0x80)
        return static_cast<int>(cp);
    for (int k = 0; k < 128; ++k)
        if (cp1250[k] == cp)
            return 0x80 + k;
    return -1;
}

} // namespace platform
