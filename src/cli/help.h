#pragma once
// The help texts of zoltcalc-cli: the overview of `--help`, a subcommand's help for
// `help NAME` and `NAME --help`, and the usage lines of a malformed command line.
#include "cli/command.h"

#include <ostream>
#include <string>
#include <vector>

namespace cli {

// The subcommand called `name`, or nullptr.
const Command* findCommand(const std::string& name);

void printOverview(std::ostream& out);
void printHelp(std::ostream& out, const Command& command);
void printUsage(std::ostream& out, const Command& command);
void printUsages(std::ostream& out);

// True when the arguments after the subcommand ask for its help: "--help" before "--", not as
// the TEXT of "-e".
bool asksForHelp(const std::vector<std::string>& args);

} // namespace cli
