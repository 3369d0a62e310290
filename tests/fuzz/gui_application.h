#pragma once
// The targets that lay out a sheet on Qt's rich text need one QGuiApplication for the whole
// process (offscreen, as sanitize.sh sets it).
#include <QGuiApplication>

namespace fuzz {

inline void ensureGuiApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

} // namespace fuzz
