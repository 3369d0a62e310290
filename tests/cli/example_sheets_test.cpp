// The shipped example sheets run as a user runs them, group after group, without ending in an
// error line, and the outputs saved in them are exactly what such a run writes: an example can
// never drift from the language.
#include "run_cli.h"

#include "textcalc/sheet/files/sheet_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const fs::path kSheets = fs::path(ZOLT_SOURCE_DIR) / "data" / "sheets";

// Each line's text and whether it is an output line: what a run reads and writes.
std::vector<std::pair<bool, std::string>> lines(const fs::path& sheet)
{
    std::vector<std::pair<bool, std::string>> result;
    for (const auto& p : textcalc::sheet::loadSheet(sheet, {}).paragraphs)
        result.emplace_back(textcalc::sheet::isOutputAlignment(p.alignment), p.text());
    return result;
}

TEST(ExampleSheets, RunCleanAndHoldTheOutputsARunWrites)
{
    const fs::path dir = fs::temp_directory_path() / ("zoltcalc-examples-" + std::to_string(::getpid()));
    std::map<std::string, int> perLanguage;
    for (const auto& language : fs::directory_iterator(kSheets)) {
        if (!language.is_directory())
            continue;
        for (const auto& sheet : fs::directory_iterator(language.path())) {
            SCOPED_TRACE(sheet.path().string());
            fs::remove_all(dir);
            fs::create_directories(dir);
            const fs::path written = dir / "written.rtf";
            const test_support::CliResult r = test_support::runCli(
                "sheet --dir '" + dir.string() + "' -o '" + written.string() + "' '" + sheet.path().string() + "'",
                "2>&1");
            EXPECT_EQ(r.status, 0) << r.out;
            const auto run = lines(written);
            const auto saved = lines(sheet.path());
            for (size_t k = 0; k < std::max(run.size(), saved.size()); ++k)
                if (k >= run.size() || k >= saved.size() || run[k] != saved[k]) {
                    ADD_FAILURE() << "line " << k + 1 << " differs: saved \"" << (k < saved.size() ? saved[k].second : "")
                                  << "\", a run writes \"" << (k < run.size() ? run[k].second : "") << "\"";
                    break;
                }
            ++perLanguage[language.path().filename().string()];
        }
    }
    fs::remove_all(dir);
    // Every language ships the same examples, at least the six of the manual.
    ASSERT_FALSE(perLanguage.empty());
    for (const auto& [language, count] : perLanguage)
        EXPECT_EQ(count, perLanguage.begin()->second) << language;
    EXPECT_GE(perLanguage.begin()->second, 6);
}

} // namespace
