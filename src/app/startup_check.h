#pragma once
// The check of the data files beside the program at start-up.
#include "platform/services.h"

#include <filesystem>

namespace app {

// Warns, one box each, about a missing settings.ini, langs or skins folder, or macro file.
// Returns false when the program cannot run (no langs or skins folder): it then ends as soon as
// start-up completes.
bool check(const std::filesystem::path& programDir, platform::Services& services);

} // namespace app
