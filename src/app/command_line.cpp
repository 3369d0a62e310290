#include "app/command_line.h"

#include "platform/errors.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

namespace app {

const char* const usage =
    "usage: zoltcalc [--help | --version] [--text-calculator] [FILE...]\n"
    "                [Qt options, such as -platform NAME or -style NAME]\n"
    "Shows the keypad calculator; its menu opens the text calculator, the statistics,\n"
    "linear systems and base conversion windows and the macros. --text-calculator\n"
    "shows the text calculator too; FILE (a sheet, RTF or plain text) opens in it.\n"
    "While the program runs, another start hands FILE to it and brings it forward.\n"
    "zoltcalc-cli runs the same engines from the command line.\n";

namespace {

// Qt's own options (QGuiApplication, QApplication and the X11 platform); Qt takes them with
// one dash or two, and a value either as the next argument or after "=".
constexpr std::string_view qtWithValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                            "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                            "display", "geometry", "name", "title", "visual", "style",
                                            "stylesheet", "qmljsdebugger"};
constexpr std::string_view qtSwitches[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

bool listed(std::string_view name, const auto& list)
{
    return std::find(std::begin(list), std::end(list), name) != std::end(list);
}

} // namespace

StartRequest readCommandLine(int argc, const char* const* argv)
{
    StartRequest request;
    // Help and version win wherever they stand, whatever else is wrong.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h" || argument == "--version") {
            request.kind = argument == "--version" ? StartRequest::Kind::Version : StartRequest::Kind::Help;
            return request;
        }
    }
    bool options = true; // until "--": what follows it is a FILE, even "-x.rtf"
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (options && argument == "--") {
            options = false;
            continue;
        }
        if (options && argument == "--text-calculator") {
            request.textCalculator = true;
            continue;
        }
        if (options && argument.size() > 1 && argument[0] == '-') {
            std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
            const size_t equals = name.find('=');
            const bool valueAttached = equals != std::string_view::npos;
            name = name.substr(0, equals);
            if (listed(name, qtWithValue)) {
                if (!valueAttached)
                    ++i; // Qt reports a missing value itself
                continue;
            }
            if (listed(name, qtSwitches) && !valueAttached)
                continue;
            throw platform::UserError("unknown argument '" + std::string(argument) + "'");
        }
        std::error_code ignored;
        request.sheets.push_back(std::filesystem::absolute(std::filesystem::path(argument), ignored).string());
        request.textCalculator = true;
    }
    return request;
}

} // namespace app
