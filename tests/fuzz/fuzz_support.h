#pragma once
// Shared by the fuzz targets: the readers take files, so an input is written to a private
// folder in memory (/dev/shm where it exists) and read back from there.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>

namespace fuzz {

inline const std::filesystem::path& scratch()
{
    static const std::filesystem::path dir = [] {
        std::error_code ec;
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::filesystem::path d = base / ("zoltcalc-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

inline std::filesystem::path writeFile(const std::string& name, std::string_view bytes)
{
    const std::filesystem::path p = scratch() / name;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return p;
}

inline std::string_view asText(const uint8_t* data, size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// Splits an input in two at the first "\n====\n" (the second part empty when there is none):
// targets that read two files take one from each part.
inline std::pair<std::string_view, std::string_view> twoParts(std::string_view text)
{
    constexpr std::string_view mark = "\n====\n";
    const size_t at = text.find(mark);
    if (at == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, at), text.substr(at + mark.size())};
}

// Aborts with a message when a checked property does not hold, so that libFuzzer keeps the
// input as a finding.
inline void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "property failed: %s\n", what);
        std::abort();
    }
}

} // namespace fuzz
