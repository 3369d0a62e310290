#pragma once
// A window of another calculator beside the keypad (base conversion, statistics, linear
// systems, macros, the text calculator, find/replace): start-up creates it hidden, applies the
// settings and the language texts, and shut-down collects what it keeps in settings.ini. The
// program treats all of them alike through this interface.
#include "ui/language.h"
#include "settings/settings.h"

class QWidget;

namespace ui {

class ToolWindow {
public:
    virtual ~ToolWindow() = default;

    // The top-level widget (shown, raised, kept on top).
    virtual QWidget* widget() = 0;
    // The window's texts of the language file (its own table; missing keys keep Czech).
    virtual void popis(const Language& language) = 0;
    // Start-up: what the window takes from settings.ini.
    virtual void applySettings(const settings::Settings&) {}
    // Shut-down: what the window keeps in settings.ini.
    virtual void collectSettings(settings::Settings&) {}
    // Whether the window follows the "always on top" switch (a window that is always on top
    // of its owner does not).
    virtual bool followsAlwaysOnTop() const { return true; }
    // The page of the manual that F1 opens over the window ("statistics"); null: F1 is the
    // window's own business.
    virtual const char* manualPage() const { return nullptr; }
};

} // namespace ui
