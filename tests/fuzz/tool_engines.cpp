// The tool engines fed as zoltcalc-cli feeds them: the first byte picks statistics (X or
// X ~ Y), the linear system or the base conversion, the rest is the file or the arguments.
#include "cli/lines.h"
#include "cli/tool_input.h"
#include "platform/headless/headless_services.h"
#include "tools/baseconversion.h"

#include "fuzz_support.h"

namespace {

std::vector<std::string> tableLines(std::string_view text)
{
    std::vector<std::string> lines = cli::splitLines(std::string(text));
    cli::dropBlankTail(lines);
    return lines;
}

void statistics(std::string_view text, bool relation, platform::Services& services)
{
    tools::Statistics stat(services);
    cli::fillStatistics(stat, tableLines(text), services.decimalSeparator());
    relation ? stat.VztahButClick() : stat.VypButClick();
}

void linearSystem(std::string_view text, platform::Services& services)
{
    tools::LinearSystem system(services);
    if (cli::fillLinearSystem(system, tableLines(text)))
        system.VyrButClick();
}

void baseConversion(std::string_view text, int places, platform::Services& services)
{
    const std::vector<std::string> f = cli::fields(std::string(text));
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
