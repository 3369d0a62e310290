#include "app/startup_check.h"

#include <string>

namespace app {

bool check(const platform::DataFolders& folders, platform::Services& services)
{
    const std::filesystem::path& programDir = folders.program;
    std::error_code ec;
    auto warn = [&](const std::string& text) { services.message(platform::MessageKind::Warning, text); };
    bool canRun = true;
    if (!std::filesystem::is_regular_file(folders.settingsFile, ec))
        warn("File \"settings.ini\" not found !");
    if (!std::filesystem::is_directory(programDir / "langs", ec)) {
        warn("Directory \"langs\" not found !");
        canRun = false;
    }
    if (!std::filesystem::is_directory(programDir / "skins", ec)) {
        warn("Directory \"skins\" not found !");
        canRun = false;
    }
    if (!std::filesystem::is_regular_file(programDir / "macro_tree.ini", ec))
        warn("File \"macro_tree.ini\" not found !");
    if (!std::filesystem::is_regular_file(programDir / "macro_engine.ini", ec))
        warn("File \"macro_engine.ini\" not found !");
    return canRun;
}

} // namespace app
