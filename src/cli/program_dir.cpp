#include "cli/program_dir.h"

namespace cli {

std::filesystem::path programDirectory()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : exe.parent_path();
}

} // namespace cli
