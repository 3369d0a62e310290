// The language through the run of `zoltcalc-cli run`: the first byte picks line mode (bit 0),
// a picture to draw on (bit 1) and report lines (bit 2); the rest is the program text,
// converted as the command line converts a file. Each input has one second of run time: the
// run's stop hook ends endless loops and long Pauses with the stopped line. Every output line
// is valid UTF-8, and a program that is more than blanks gives at least one.
#include "cli/run_source.h"
#include "platform/headless/headless_services.h"
#include "platform/utf8.h"
#include "textcalc/language/calculator.h"
#include "textcalc/picture/picture.h"
#include "textcalc/language/textfile_io.h"

#include "fuzz_support.h"

#include <chrono>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t mode = data[0];
    const std::string source = platform::toUtf8FromLegacy(std::string(fuzz::asText(data + 1, size - 1)));

    platform::HeadlessServices services('.');
    textcalc::Calculator calc(services);
    calc.settings.programDirectory = fuzz::scratch() / "run";
    calc.settings.EchoOutputs = (mode & 4) != 0;
    std::unique_ptr<textcalc::Picture> picture;
    if (mode & 2) {
        picture = std::make_unique<textcalc::Picture>();
        calc.callbacks.picture = picture.get();
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    calc.callbacks.stopRequested = [deadline] { return std::chrono::steady_clock::now() >= deadline; };
    size_t lines = 0;
    cli::runSource(calc, source, mode & 1, [&lines](const std::string& line) {
        fuzz::require(platform::isValidUtf8(line), "output lines are valid UTF-8");
        ++lines;
    });
    fuzz::require(lines > 0 || source.find_first_not_of(" \r\n") == std::string::npos,
                  "a program gives at least one line");
    textcalc::textfiles::completeTextFiles(calc.TextFiles);
    // Files a program wrote are not kept for the next input.
    std::error_code ignored;
    std::filesystem::remove_all(calc.settings.programDirectory / "textfiles", ignored);
    return 0;
}
