#pragma once
// A program directory with one skin, no languages and empty settings and macro files: enough for
// the program to start, for tests of its windows' behaviour.
#include "platform/headless/headless_services.h"
#include "test_support.h"

struct PlainInstall {
    testsupport::ProgramDir dir;
    platform::HeadlessServices services{'.'};
    PlainInstall()
    {
        dir.writeSkin("alpha");
        dir.makeDir("langs");
        dir.writeFile("settings.ini", "");
        dir.writeFile("macro_tree.ini", "");
        dir.writeFile("macro_engine.ini", "");
    }
};
