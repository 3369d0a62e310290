#pragma once
// UTF-8 helpers shared by the INI reader, the program preparation and the command line.
#include <string>

namespace platform {

void appendUtf8(std::string& out, char32_t cp);
// Decodes one character at `i` (advancing it); malformed bytes give U+FFFD.
char32_t decodeUtf8(const std::string& s, size_t& i);
bool isValidUtf8(const std::string& s);
// Converts text that is not valid UTF-8 from Windows-1250 to UTF-8; valid UTF-8 is returned as is.
std::string toUtf8FromLegacy(const std::string& bytes);

} // namespace platform
