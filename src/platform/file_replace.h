#pragma once
// Replaces a file's contents as one step: the new text goes to a temporary file beside it,
// which is made durable and renamed over the old one, so a crash or a full disk never leaves
// a truncated file. A symbolic link is written through to its target, the file keeps its
// permissions, a file without write permission is left alone, and the temporary file is
// removed on every failure.
#include <filesystem>
#include <string>

namespace platform {

// False when the file could not be replaced; the old file is then unchanged.
bool replaceFile(const std::filesystem::path& path, const std::string& contents);

} // namespace platform
