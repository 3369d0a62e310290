// What the package tells the desktop: the desktop entry offers the calculator for sheets (not for
// every text file), lets the desktop match the windows to it and hands it every file chosen;
// the metadata name no web or mail domain the project does not own.
#include "app/program.h"
#include "platform/headless/headless_services.h"
#include "plain_install.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

std::string read(const std::string& relative)
{
    std::ifstream in(std::string(ZOLT_SOURCE_DIR) + "/" + relative, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The keys of the entry's main group.
std::map<std::string, std::string> desktopEntry()
{
    std::map<std::string, std::string> keys;
    std::istringstream lines(read("packaging/org.zoltcalc.ZoltCalc.desktop"));
    bool main = false;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line[0] == '[')
            main = line == "[Desktop Entry]";
        else if (const size_t eq = line.find('='); main && eq != std::string::npos)
            keys[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return keys;
}

TEST(Packaging, DesktopEntryOpensSheetsAndMatchesTheWindows)
{
    PlainInstall in;
    app::Program program(in.dir.path(), in.services); // names the application, hence X11's window class
    auto entry = desktopEntry();
    EXPECT_EQ(entry["MimeType"], "text/rtf;application/rtf;");
    EXPECT_EQ(entry["StartupWMClass"], QCoreApplication::applicationName().toStdString());
    EXPECT_EQ(entry["Exec"], "zoltcalc %F"); // every file chosen: the first opens, the others are named
}

TEST(Packaging, MetadataNamesNoDomainTheProjectDoesNotOwn)
{
    // The formats' and the licence's own addresses; ".invalid" is reserved for "no address".
    const std::set<std::string> references{"www.debian.org", "www.gnu.org"};
    const std::regex address(R"(([A-Za-z0-9._%+-]+@|https?://)([A-Za-z0-9.-]+))");
    for (const char* file : {"packaging/CMakeLists.txt", "packaging/changelog", "packaging/copyright",
                             "packaging/org.zoltcalc.ZoltCalc.desktop", "packaging/org.zoltcalc.ZoltCalc.metainfo.xml.in",
                             "packaging/zoltcalc.1.in", "packaging/zoltcalc-cli.1.in"}) {
        SCOPED_TRACE(file);
        const std::string text = read(file);
        ASSERT_FALSE(text.empty());
        for (std::sregex_iterator it(text.begin(), text.end(), address), end; it != end; ++it) {
            const std::string host = (*it)[2];
            EXPECT_TRUE(references.count(host) || host.ends_with(".invalid")) << it->str();
        }
    }
}

} // namespace
