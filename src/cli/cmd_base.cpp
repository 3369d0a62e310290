// zoltcalc-cli base NUMBER FROM TO [PLACES]: the base conversion window's result text.
#include "command.h"

#include "platform/headless/headless_services.h"
#include "tools/baseconversion.h"

#include <iostream>

namespace {

int runBase(cli::Args& args)
{
    const std::vector<std::string> pos = args.positionals();
    if (pos.size() < 3 || pos.size() > 4)
        throw cli::UsageError("expected NUMBER FROM TO [PLACES]");
    int places = 5;
    if (pos.size() == 4) {
        const std::string& p = pos[3];
        if (p.empty() || p.size() > 2 || p.find_first_not_of("0123456789") != std::string::npos
            || std::stoi(p) > 15)
            throw cli::UsageError("PLACES is 0 to 15");
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

cli::Registrar reg{{"base", "base NUMBER FROM TO [PLACES]", &runBase,
                    {"convert a number between bases",
                     "Converts NUMBER from base FROM to base TO (2 to 16) with PLACES digits after the point\n"
                     "(0 to 15, default 5), as the base conversion window does. Prints the result, or\n"
                     "\"Invalid combination of number and base.\" and exits 1.",
                     {},
                     "zoltcalc-cli base ff 16 2\n"
                     "zoltcalc-cli base 255 10 16"}}};

} // namespace
