// zoltcalc-cli base NUMBER FROM TO [PLACES]: the base conversion window's result text.
#include "cli/command.h"
#include "cli/subcommands.h"

#include "platform/headless/headless_services.h"
#include "tools/baseconversion.h"

#include <iostream>

namespace cli {

int runBase(Args& args)
{
    const std::vector<std::string> pos = args.positionals();
    if (pos.size() < 3 || pos.size() > 4)
        throw UsageError("expected NUMBER FROM TO [PLACES]");
    int places = 5;
    if (pos.size() == 4) {
        const std::string& p = pos[3];
        if (p.empty() || p.size() > 2 || p.find_first_not_of("0123456789") != std::string::npos
            || std::stoi(p) > 15)
            throw UsageError("PLACES is 0 to 15");
        places = std::stoi(p);
    }
    platform::HeadlessServices services(args.decimalSeparator());
    tools::BaseConversion conversion(services);
    conversion.vstup = pos[0];
    conversion.puvod = pos[1];
    conversion.nova = pos[2];
    conversion.mista = places;
    conversion.prevedClick();
    if (!services.messages.empty()) {
        std::cout << services.messages.front().text << "\n";
        return 1;
    }
    std::cout << conversion.vystup << "\n";
    return 0;
}

} // namespace cli
