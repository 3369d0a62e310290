#pragma once
// The keypad window on the grid skin of the test program directory, with its trail and DMS
// dialog, as the keypad window tests drive it.
#include "keypad/windows/udmsdeg.h"
#include "keypad/windows/umain.h"
#include "keypad/windows/utrail.h"
#include "platform/headless/headless_services.h"
#include "test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include <string>

namespace testsupport {

struct Face {
    testsupport::ProgramDir dir;
    platform::HeadlessServices services;
    settings::Settings settings;
    keypad::Tmain main{services, settings, dir.path()};
    keypad::Ttrail trail;
    keypad::Tdmsdeg dms;

    explicit Face(const std::string& extraSkin = {}, char decimalSeparator = '.') : services(decimalSeparator)
    {
        dir.writeSkin("grid", extraSkin);
        main.attach(&trail, &dms);
        main.skinuj("grid");
        main.applySettings();
    }
    ~Face()
    {
        for (QMenu* m : {main.hlavni, main.zinus, main.cozinus, main.ytangenz, main.MPmenu, main.MRmenu, main.editacni})
            m->hide();
    }

    std::string display() const { return main.display->text().toStdString(); }
    std::string trailText() const { return trail.paper->text().toStdString(); }
};

} // namespace testsupport
