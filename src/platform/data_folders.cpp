#include "platform/data_folders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace platform {

namespace fs = std::filesystem;

namespace {

const char* const FolderNames[] = {"sheets", "pictures", "textfiles"};

// An XDG variable counts only when it holds an absolute path; otherwise the default applies.
fs::path baseFolder(const char* variable, const fs::path& home, const char* fallback)
{
    const char* value = std::getenv(variable);
    if (value && value[0] == '/')
        return value;
    return home / fallback;
}

fs::path homeFolder()
{
    if (const char* home = std::getenv("HOME"); home && home[0] == '/')
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/";
}

// Copies a file the user will own and change: an installed copy may be read-only, the user's
// copy gets its owner's write permission.
void copyForUser(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    if (fs::copy_file(from, to, fs::copy_options::skip_existing, error))
        fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
}

// A folder tree copied with folders of the user's default permissions (the installed folders'
// permissions may forbid writing). The placeholder files that keep empty folders in a source
// tree are left out.
void copyTreeForUser(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    fs::create_directories(to, error);
    for (fs::directory_iterator it(from, error), end; !error && it != end; it.increment(error)) {
        const fs::path target = to / it->path().filename();
        if (it->is_directory(error))
            copyTreeForUser(it->path(), target);
        else if (it->path().filename() != ".keep")
            copyForUser(it->path(), target);
    }
}

} // namespace

DataFolders DataFolders::portable(const fs::path& programDir)
{
    return {programDir, programDir / "settings.ini", programDir, false};
}

UserFolders UserFolders::fromEnvironment()
{
    const fs::path home = homeFolder();
    return {baseFolder("XDG_CONFIG_HOME", home, ".config") / "zoltcalc",
            baseFolder("XDG_DATA_HOME", home, ".local/share") / "zoltcalc"};
}

DataFolders locateDataFolders(const fs::path& programDir, const UserFolders& user)
{
    return access(programDir.c_str(), W_OK) == 0 ? DataFolders::portable(programDir)
                                                 : userDataFolders(programDir, user);
}

DataFolders userDataFolders(const fs::path& programDir, const UserFolders& user)
{
    DataFolders folders{programDir, user.config / "settings.ini", user.data, true};
    std::error_code error;
    fs::create_directories(user.config, error);
    if (!fs::exists(folders.settingsFile, error) && fs::is_regular_file(programDir / "settings.ini", error))
        copyForUser(programDir / "settings.ini", folders.settingsFile);
    for (const char* name : FolderNames) {
        if (fs::exists(user.data / name, error))
            continue;
        if (fs::is_directory(programDir / name, error))
            copyTreeForUser(programDir / name, user.data / name);
        else
            fs::create_directories(user.data / name, error);
    }
    return folders;
}

} // namespace platform
