#pragma once
// UTF-8 helpers shared by the INI reader, the program preparation and the command line.
#include <string>

namespace platform {

void appendUtf8(std::string& out, char32_t cp);
// Decodes one character at `i` (advancing it); a byte that starts no well-formed sequence
// gives U+FFFD and is skipped alone.
char32_t decodeUtf8(const std::string& s, size_t& i);
// Strict: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool isValidUtf8(const std::string& s);
// Converts text that is not valid UTF-8 from Windows-1250 to UTF-8; valid UTF-8 is returned as is.
std::string toUtf8FromLegacy(const std::string& bytes);
// One byte of Windows-1250, or of Windows-1252 for any other code page; U+FFFD where the code
// page has no character.
char32_t fromWindowsCodePage(int codePage, unsigned char byte);
// The Windows-1250 byte of a character, or -1 when the code page has none.
int toWindows1250(char32_t cp);

} // namespace platform
