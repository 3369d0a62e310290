// The tool engines fed as zoltcalc-cli feeds them: the first byte picks statistics (X or
// X ~ Y), the linear system or the base conversion, the rest is the file or the arguments.
#include "platform/headless/headless_services.h"
#include "tools/baseconversion.h"
#include "tools/linearsystem.h"
#include "tools/statistics.h"

#include "fuzz_support.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace {

std::vector<std::string> lines(std::string_view text)
{
    std::vector<std::string> out;
    std::istringstream in{std::string(text)};
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

std::vector<std::string> fields(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string f; in >> f;)
        out.push_back(f);
    return out;
}

void statistics(std::string_view text, bool relation, platform::Services& services)
{
    tools::Statistics stat(services);
    stat.datar.resize(1);
    size_t n = 0;
    for (std::string line : lines(text)) {
        // The command line reads "." as the decimal separator.
        std::replace(line.begin(), line.end(), '.', services.decimalSeparator());
        const std::vector<std::string> f = fields(line);
        stat.datar.push_back({std::to_string(++n), f.size() > 0 ? f[0] : "", f.size() > 1 ? f[1] : ""});
    }
    if (stat.datar.size() == 1)
        stat.datar.push_back({"1", "", ""});
    relation ? stat.VztahButClick() : stat.VypButClick();
}

void linearSystem(std::string_view text, platform::Services& services)
{
    const std::vector<std::string> rows = lines(text);
    const int n = static_cast<int>(rows.size());
    if (n < tools::kMinEquations || n > tools::kMaxEquations)
        return;
    tools::LinearSystem system(services);
    system.pocetChange(n);
    for (int i = 0; i < n; ++i) {
        std::vector<std::string> f = fields(rows[static_cast<size_t>(i)]);
        if (f.size() > static_cast<size_t>(n) + 1)
            f.resize(0);
        f.resize(static_cast<size_t>(n) + 1);
        for (int j = 0; j < n; ++j)
            system.aaa[i][j] = f[static_cast<size_t>(j)];
        system.bbb[i] = f[static_cast<size_t>(n)];
    }
    system.VyrButClick();
}

void baseConversion(std::string_view text, int places, platform::Services& services)
{
    const std::vector<std::string> f = fields(std::string(text));
    tools::BaseConversion conversion(services);
    conversion.vstup = f.size() > 0 ? f[0] : "";
    conversion.puvod = f.size() > 1 ? f[1] : "10";
    conversion.nova = f.size() > 2 ? f[2] : "16";
    conversion.mista = places;
    conversion.prevedClick();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view rest = fuzz::asText(data + 1, size - 1);
    platform::HeadlessServices services(data[0] & 0x80 ? ',' : '.');
    switch (data[0] % 4) {
    case 0: statistics(rest, false, services); break;
    case 1: statistics(rest, true, services); break;
    case 2: linearSystem(rest, services); break;
    default: baseConversion(rest, (data[0] >> 2) % 16, services); break;
    }
    return 0;
}
