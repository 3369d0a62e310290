// One running program per settings file: a later start hands its request over and ends; the
// program that runs receives it whole. The later start runs on a thread of its own here, as it
// would in a process of its own, while the running one serves it from the event loop.
#include "app/instance_link.h"
#include "test_support.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

#include <chrono>
#include <future>

namespace {

using app::InstanceLink;
using app::StartRequest;

// What a second start returns (true: it handed the request over), the running program's loop
// spinning meanwhile.
bool secondStart(const QString& folder, const std::filesystem::path& settings, const StartRequest& request)
{
    auto later = std::async(std::launch::async, [&] { return InstanceLink(folder, settings).handOverOrListen(request); });
    while (later.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return later.get();
}

StartRequest request(bool textCalculator, std::vector<std::string> sheets)
{
    StartRequest r;
    r.textCalculator = textCalculator;
    r.sheets = std::move(sheets);
    return r;
}

TEST(InstanceLink, LaterStartsHandTheirRequestsToTheRunningProgram)
{
    testsupport::ProgramDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    const auto settings = dir.path() / "settings.ini";
    InstanceLink running(folder, settings);
    ASSERT_FALSE(running.handOverOrListen(request(false, {})));
    std::vector<StartRequest> taken;

    const struct {
        const char* name;
        StartRequest request;
    } rows[] = {
        {"KeypadForward", request(false, {})},
        {"TextCalculator", request(true, {})},
        {"Sheets", request(true, {"/home/u/ä b.rtf", "/home/u/line\nbreak.txt"})},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_TRUE(secondStart(folder, settings, r.request));
    }
    // Requests that came before the program was ready wait for it, in their order.
    running.setHandler([&](const StartRequest& r) { taken.push_back(r); });
    ASSERT_EQ(taken.size(), std::size(rows));
    for (size_t i = 0; i < taken.size(); ++i) {
        EXPECT_EQ(taken[i].textCalculator, rows[i].request.textCalculator) << rows[i].name;
        EXPECT_EQ(taken[i].sheets, rows[i].request.sheets) << rows[i].name;
    }
    // Once it is ready, each comes as soon as the loop runs.
    EXPECT_TRUE(secondStart(folder, settings, request(true, {"/a.rtf"})));
    QCoreApplication::processEvents();
    ASSERT_EQ(taken.size(), std::size(rows) + 1);
    EXPECT_EQ(taken.back().sheets, std::vector<std::string>{"/a.rtf"});
}

// Another settings file is another program; a dead program's socket is taken over; where no
// socket can be made, the start goes on as a program of its own.
TEST(InstanceLink, StartsOnItsOwnWhenNobodyTakesTheRequest)
{
    testsupport::ProgramDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    InstanceLink running(folder, dir.path() / "settings.ini");
    ASSERT_FALSE(running.handOverOrListen(request(false, {})));
    EXPECT_FALSE(secondStart(folder, dir.path() / "other" / "settings.ini", request(true, {})));

    InstanceLink revived(folder, dir.path() / "dead.ini");
    QFile left(revived.socketPath());
    ASSERT_TRUE(left.open(QIODevice::WriteOnly)); // what a killed program leaves
    left.close();
    EXPECT_FALSE(revived.handOverOrListen(request(false, {})));
    EXPECT_TRUE(secondStart(folder, dir.path() / "dead.ini", request(true, {})));

    const QString missing = folder + "/no/such/folder";
    EXPECT_FALSE(secondStart(missing, dir.path() / "settings.ini", request(true, {})));
}

} // namespace
