#include "keypad/windows/keypad_log.h"

Q_LOGGING_CATEGORY(keypadLog, "zoltcalc.keypad", QtWarningMsg)
