#pragma once
// A debug log of what the keypad shows and asks of the window system, off unless enabled with
// QT_LOGGING_RULES="zoltcalc.keypad.debug=true": it lets a test of the real program under a
// compositor see the display and the move requests.
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(keypadLog)
