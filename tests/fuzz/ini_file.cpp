// The INI reader and writer: any file is read without failing, and writing a value keeps
// every other value and every comment line, and reads back as written.
#include "platform/inifile.h"
#include "platform/utf8.h"

#include "fuzz_support.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <vector>

namespace {

std::string contents(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto [file, edit] = fuzz::twoParts(fuzz::asText(data, size));
    const std::filesystem::path path = fuzz::writeFile("ini/file.ini", file);
    platform::IniFile ini(path);
    for (const std::string& section : ini.sections())
        for (const std::string& key : ini.keys(section)) {
            long long n = 0;
            ini.readInteger(section, key, 0);
            ini.readFloat(section, key, 0.0L, ',');
            ini.readBool(section, key, false);
            platform::IniFile::parseInteger(ini.readString(section, key, ""), n);
        }

    // The second part names a write: "section|key|value" (the first two trimmed on reading).
    const size_t bar1 = edit.find('|'), bar2 = bar1 == std::string_view::npos ? bar1 : edit.find('|', bar1 + 1);
    if (bar2 == std::string_view::npos)
        return 0;
    const std::string section(edit.substr(0, bar1)), key(edit.substr(bar1 + 1, bar2 - bar1 - 1)),
        value(edit.substr(bar2 + 1));
    // Names the format cannot hold (line breaks, brackets, "=", blanks at the ends) are no test.
    for (const std::string& name : {section, key})
        if (name.empty() || name.find_first_of("\r\n[]=;#") != std::string::npos || name.front() == ' ' ||
            name.back() == ' ' || name.front() == '\t' || name.back() == '\t')
            return 0;
    if (value.find_first_of("\r\n") != std::string::npos || !platform::isValidUtf8(section + key + value))
        return 0;

    std::vector<std::pair<std::string, std::string>> before;
    for (const std::string& s : ini.sections())
        for (const std::string& k : ini.keys(s))
            before.emplace_back(s, k);
    const std::string oldText = contents(path);
    fuzz::require(ini.writeString(section, key, value), "a write to a writable file succeeds");

    const platform::IniFile again(path);
    const std::string written = again.readString(section, key, "\x01missing");
    fuzz::require(written == platform::IniFile(path).readString(section, key, ""), "reading is stable");
    // The value comes back trimmed.
    const size_t b = value.find_first_not_of(" \t"), e = value.find_last_not_of(" \t");
    fuzz::require(written == (b == std::string::npos ? "" : value.substr(b, e - b + 1)), "a written value reads back");
    auto sameName = [](const std::string& a, const std::string& b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
                   return std::tolower(x) == std::tolower(y);
               });
    };
    for (const auto& [s, k] : before) {
        if (sameName(s, section) && sameName(k, key))
            continue;
        const bool same = ini.readString(s, k, "\x01") == again.readString(s, k, "\x02");
        fuzz::require(same, "every other value stays");
    }
    // Comment lines of a UTF-8 file are all still there.
    if (!platform::isValidUtf8(oldText) || oldText.rfind("\xEF\xBB\xBF", 0) == 0)
        return 0;
    std::istringstream lines(oldText);
    const std::string newText = contents(path);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line[0] == ';' && line.find('\r') == std::string::npos)
            fuzz::require(newText.find(line) != std::string::npos, "comment lines stay");
    return 0;
}
