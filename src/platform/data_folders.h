#pragma once
// Where the program's files are. Skins, languages, macro files and help are always read from
// the program directory (the executable's folder). What the user changes — settings.ini and the
// sheets, pictures and textfiles folders — stays beside them while that directory can be
// written (the build folder, a portable copy); an installed program directory that the user
// cannot write sends them to the user's own folders, seeded from the program directory's
// copies on first start.
#include <filesystem>

namespace platform {

struct DataFolders {
    std::filesystem::path program;      // skins/, langs/, macro files, macropics/, Help.htm, manual/
    std::filesystem::path settingsFile; // settings.ini
    std::filesystem::path data;         // sheets/, pictures/, textfiles/
    bool perUser = false;

    // Everything in the program directory, as a portable copy has it.
    static DataFolders portable(const std::filesystem::path& programDir);
};

// The user's folders for the program: $XDG_CONFIG_HOME/zoltcalc for settings.ini and
// $XDG_DATA_HOME/zoltcalc for the folders, defaulting to ~/.config and ~/.local/share.
struct UserFolders {
    std::filesystem::path config;
    std::filesystem::path data;

    static UserFolders fromEnvironment();
};

// The folders for a program directory: portable when the current user can write the directory,
// else userDataFolders.
DataFolders locateDataFolders(const std::filesystem::path& programDir, const UserFolders& user);

// The user's folders, created and seeded with what they lack: settings.ini when the user has
// none, and each of sheets/, pictures/ and textfiles/ with its contents when the user has no
// such folder yet, so nothing the user later deleted or changed is brought back. Failures to
// seed are not reported here: the program reports the settings file it cannot write when it
// saves, and a text file it cannot open when a program opens it.
DataFolders userDataFolders(const std::filesystem::path& programDir, const UserFolders& user);

} // namespace platform
