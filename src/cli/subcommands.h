#pragma once
// The subcommands' functions, one cmd_*.cpp each; main.cpp lists them in its table with their
// usage and help texts.
#include "cli/command.h"

#include <string>

namespace cli {

int runBase(Args& args);
int runCheck(Args& args);
int runKeys(Args& args);
int runLinsys(Args& args);
int runMacro(Args& args);
int runProgram(Args& args);
int runSheetFile(Args& args);
int runStat(Args& args);

// The "Keys:" section of the help of `keys`: the control names from the keypad's table.
std::string keyNames();

} // namespace cli
