// The settings reader and writer: any settings.ini gives a settings record, and writing that
// record back is stable (a second read and write gives the same file).
#include "settings/settings_file.h"

#include "fuzz_support.h"

#include <sstream>

namespace {

std::string contents(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string roundTrip(const std::filesystem::path& path, char separator)
{
    const settings::Settings settings = settings::readSettings(platform::IniFile(path), separator);
    platform::IniFile file(path);
    fuzz::require(settings::writeSettings(file, settings, separator), "settings are written");
    return contents(path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the decimal separator.
    const char separator = data[0] % 2 ? ',' : '.';
    const std::filesystem::path path = fuzz::writeFile("settings/settings.ini", fuzz::asText(data + 1, size - 1));
    const std::string once = roundTrip(path, separator);
    fuzz::require(roundTrip(path, separator) == once, "writing the settings read back changes nothing");
    return 0;
}
