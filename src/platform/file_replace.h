#pragma once
// Replaces a file's contents as one step: the new text goes to a temporary file beside it,
// which is made durable and renamed over the old one, so a crash or a full disk never leaves
// a truncated file. A symbolic link is written through to its target, the file keeps its
// permissions (and its owner where the process may set it), a file without write permission
// is left alone, and the temporary file is removed on every failure.
//
// Where a new file would change what the user has, the file is written in place instead (not
// as one step): a device, FIFO or pipe; a file with a second hard link (the other names keep
// seeing the text); a file in a folder that refuses the temporary file.
#include <filesystem>
#include <string>

namespace platform {

// False when the file could not be replaced; the old file is then unchanged, except after a
// write in place that failed half-way.
bool replaceFile(const std::filesystem::path& path, const std::string& contents);

// Removes the temporary files that saves of `path` killed on the way left beside it.
void removeStaleTemporaries(const std::filesystem::path& path);

} // namespace platform
