#pragma once
// settings.ini: reading every key into the settings record at start-up, and writing back the
// keys of one owner (shut-down, or the text calculator when it closes).
#include "platform/inifile.h"
#include "settings/settings.h"

#include <string>

namespace settings {

// Who writes a key back to the file. The user's keys are only ever edited in the file.
enum class Owner { ShutDown, TextCalculator, User };

// Every key of the file, each with its default when missing or unconvertible. Numbers that a
// control would refuse are clamped to the control's range; a number base outside 2-16 is 10.
Settings readSettings(const platform::IniFile& file, char decimalSeparator);

// Writes the keys `owner` owns, as one update of the file (written to a temporary file and
// renamed, so an interrupted shut-down leaves the old file intact). False when the file could
// not be written.
bool writeSettings(platform::IniFile& file, const Settings& settings, char decimalSeparator,
                   Owner owner = Owner::ShutDown);

// The digit-group separator is stored as "." + separator + "." so that a space survives the
// trimming of values. Decoding refuses characters that would make the display ambiguous.
std::string decodeSeparator(const std::string& stored, char decimalSeparator);
std::string encodeSeparator(const std::string& separator);

} // namespace settings
