#pragma once
// The check of the data files beside the program at start-up.
#include "platform/data_folders.h"
#include "platform/services.h"

namespace app {

// Warns, one box each, about a missing settings.ini, langs or skins folder, or macro file.
// Returns false when the program cannot run (no langs or skins folder): it then ends as soon as
// start-up completes.
bool check(const platform::DataFolders& folders, platform::Services& services);

} // namespace app
