#pragma once
// Runs a shell command as a user does and collects what it prints and its exit status.
#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace test_support {

struct CliResult {
    std::string out;
    int status = -1;
};

// What a shell command prints on standard output, and its exit status.
inline CliResult runShell(const std::string& command)
{
    CliResult r;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return r;
    std::array<char, 4096> buffer{};
    size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        r.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

} // namespace test_support
