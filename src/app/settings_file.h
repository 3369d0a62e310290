#pragma once
// settings.ini: reading every key into the settings record at start-up, and writing back the
// keys that shut-down owns.
#include "platform/inifile.h"
#include "settings/settings.h"

#include <string>

namespace app {

// Every key of the file, each with its default when missing or unconvertible. Numbers that a
// control would refuse are clamped to the control's range; a number base outside 2-16 is 10.
settings::Settings readSettings(const platform::IniFile& file, char decimalSeparator);

// Writes the keys shut-down owns, as one update of the file (written to a temporary file and
// renamed, so an interrupted shut-down leaves the old file intact). False when the file could
// not be written.
bool writeSettings(platform::IniFile& file, const settings::Settings& settings, char decimalSeparator);

// The digit-group separator is stored as "." + separator + "." so that a space survives the
// trimming of values. Decoding refuses characters that would make the display ambiguous.
std::string decodeSeparator(const std::string& stored, char decimalSeparator);
std::string encodeSeparator(const std::string& separator);

} // namespace app
