// Replacing a file's contents: what the replacement keeps of the file it replaces (links,
// owner, the folder's rights), what it writes directly, and the temporary files it cleans up.
#include "platform/file_replace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr uid_t nobody = 65534;

class FileReplace : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override
    {
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove_all(dir);
    }
    static std::string read(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void write(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
    fs::path dir = fs::temp_directory_path() / ("zoltcalc-replace-" + std::to_string(::getpid()));
};

// `job` run by a user who may not write `dir` (root hands it to nobody); its exit status.
int asUserWithoutTheFolder(const fs::path& dir, const std::function<bool()>& job)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0) {
            if (::setgid(nobody) != 0 || ::setuid(nobody) != 0)
                ::_exit(3);
        } else {
            fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        }
        ::_exit(job() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    fs::permissions(dir, fs::perms::owner_all);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 4;
}

TEST_F(FileReplace, SpecialFilesAreWrittenDirectly)
{
    EXPECT_TRUE(platform::replaceFile("/dev/null", "text"));
    const fs::path fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = read(fifo); });
    EXPECT_TRUE(platform::replaceFile(fifo, "through the pipe"));
    reader.join();
    EXPECT_EQ(received, "through the pipe");
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    EXPECT_TRUE(platform::replaceFile("/proc/self/fd/" + std::to_string(pipe[1]), "piped"));
    ::close(pipe[1]);
    char buffer[16] = {};
    EXPECT_EQ(::read(pipe[0], buffer, sizeof buffer), 5);
    ::close(pipe[0]);
    EXPECT_STREQ(buffer, "piped");
    EXPECT_FALSE(platform::replaceFile(dir, "a folder"));
}

// A second hard link sees the new text: the file is written in place.
TEST_F(FileReplace, HardLinkedFileIsWrittenInPlace)
{
    write(dir / "a.txt", "old text that is longer");
    fs::create_hard_link(dir / "a.txt", dir / "b.txt");
    ASSERT_TRUE(platform::replaceFile(dir / "a.txt", "new"));
    EXPECT_EQ(read(dir / "b.txt"), "new");
    EXPECT_EQ(fs::hard_link_count(dir / "a.txt"), 2u);
}

// A file everyone may write in a folder the user may not: the folder refuses the temporary file,
// so the file is written in place.
TEST_F(FileReplace, FileInAFolderThatRefusesNewFilesIsWrittenInPlace)
{
    write(dir / "shared.txt", "old text");
    fs::permissions(dir / "shared.txt", fs::perms::all & ~fs::perms::owner_exec & ~fs::perms::group_exec
                                            & ~fs::perms::others_exec);
    fs::permissions(dir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec
                             | fs::perms::others_read | fs::perms::others_exec);
    EXPECT_EQ(asUserWithoutTheFolder(dir, [&] { return platform::replaceFile(dir / "shared.txt", "new"); }), 0);
    EXPECT_EQ(read(dir / "shared.txt"), "new");
    EXPECT_EQ(asUserWithoutTheFolder(dir, [&] { return platform::replaceFile(dir / "brand-new.txt", "x"); }), 1);
}

TEST_F(FileReplace, OwnerIsKeptWhereTheProcessMaySetIt)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another user";
    write(dir / "theirs.txt", "old");
    ASSERT_EQ(::chown((dir / "theirs.txt").c_str(), nobody, nobody), 0);
    ASSERT_TRUE(platform::replaceFile(dir / "theirs.txt", "new"));
    struct stat st{};
    ASSERT_EQ(::stat((dir / "theirs.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, nobody);
    EXPECT_EQ(st.st_gid, nobody);
    EXPECT_EQ(read(dir / "theirs.txt"), "new");
}

// What a save killed on the way left beside the file goes with the next save; the temporary
// file of a save under way (locked) and other files' stay.
TEST_F(FileReplace, StaleTemporariesAreRemoved)
{
    const auto temporary = [&](const std::string& name) {
        write(dir / name, "part of a save");
        fs::last_write_time(dir / name, fs::file_time_type::clock::now() - std::chrono::hours(1));
        return dir / name;
    };
    temporary("a.txt.tmp-Ab3xYz");
    const int underWay = ::open(temporary("a.txt.tmp-Qw7rTy").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(underWay, LOCK_EX), 0);
    temporary("b.txt.tmp-Ab3xYz");
    temporary("a.txt.tmp-toolong");
    ASSERT_TRUE(platform::replaceFile(dir / "a.txt", "text"));
    ::close(underWay);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(dir))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"a.txt", "a.txt.tmp-Qw7rTy", "a.txt.tmp-toolong", "b.txt.tmp-Ab3xYz"}));
}

} // namespace
