#include "platform/file_replace.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

namespace fs = std::filesystem;

// The file a chain of links ends at (the path itself when it is no link). A loop or a link
// that cannot be read ends the chain where it stands, and writing there then fails or
// replaces the last link.
fs::path linkTarget(fs::path path)
{
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(path, ec); ++hops) {
        const fs::path next = fs::read_symlink(path, ec);
        if (ec)
            break;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

bool writeAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// The mode a newly created file gets: everyone may read and write, less the umask.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void syncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

constexpr const char* temporaryMark = ".tmp-";
constexpr size_t temporaryRandom = 6; // mkostemp's XXXXXX

// Writes over what is there, for what a new file cannot stand in for. A regular file is made
// durable and cut to the new length.
bool writeInPlace(const fs::path& path, const std::string& contents)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st{};
    bool written = ::fstat(fd, &st) == 0 && writeAll(fd, contents);
    if (written && S_ISREG(st.st_mode))
        written = ::ftruncate(fd, static_cast<off_t>(contents.size())) == 0 && ::fsync(fd) == 0;
    return ::close(fd) == 0 && written;
}

} // namespace

void removeStaleTemporaries(const fs::path& path)
{
    const fs::path target = linkTarget(path);
    const std::string prefix = target.filename().string() + temporaryMark;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(target.parent_path().empty() ? "." : target.parent_path(), ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != prefix.size() + temporaryRandom || !name.starts_with(prefix))
            continue;
        // A save under way holds its temporary file locked; one killed on the way holds nothing.
        const int fd = ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st{};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()
            && std::time(nullptr) - st.st_mtime > 10 && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(entry.path().c_str());
        ::close(fd);
    }
}

bool replaceFile(const fs::path& path, const std::string& contents)
{
    struct stat st{};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return false;
    // /dev/null, a FIFO, a pipe behind /dev/stdout: only the path itself reaches them.
    if (exists && !S_ISREG(st.st_mode))
        return writeInPlace(path, contents);
    const fs::path target = linkTarget(path);
    mode_t mode = newFileMode();
    if (exists) {
        // Read-only to its owner (even to root, who may write anything) is read-only here.
        if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
            return false;
        if (st.st_nlink > 1)
            return writeInPlace(target, contents);
        mode = st.st_mode & 07777;
    }
    removeStaleTemporaries(target);

    std::string temporary = target.string() + temporaryMark + std::string(temporaryRandom, 'X');
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return exists && (errno == EACCES || errno == EPERM) && writeInPlace(target, contents);
    ::flock(fd, LOCK_EX); // ours until renamed (removeStaleTemporaries)
    // Only root may give the file back to another owner; a group the user is in works for anyone.
    if (exists && ::fchown(fd, st.st_uid, st.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
    const bool written = ::fchmod(fd, mode) == 0 && writeAll(fd, contents) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(target.parent_path());
    return true;
}

} // namespace platform
