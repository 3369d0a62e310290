#pragma once
// Runs the built zoltcalc-cli (path in ZOLT_CLI) through the shell, as a user does, and
// collects what it prints and its exit status.
#include "run_shell.h"

#include <string>

namespace test_support {

// `arguments` and `redirections` are shell text: "keys c1 plus c2", "2>&1" or "2>/dev/null";
// `input`, when given, is piped to standard input; `environment` ("NAME=value") is set for it.
inline CliResult runCli(const std::string& arguments, const std::string& redirections,
                        const std::string* input = nullptr, const std::string& environment = {})
{
    std::string command;
    if (input)
        command = "printf '%s' '" + *input + "' | ";
    command += environment + (environment.empty() ? "" : " ") + "'" + ZOLT_CLI + "' " + arguments + " " + redirections;
    return runShell(command);
}

// Runs the CLI in the shell's place (so that it is not a background job, whose SIGINT the
// shell ignores) with standard input from `input`, and sends it `signal` ("INT", "TERM") as
// Ctrl+C or kill would, once the file `started` exists (the program under test makes it).
inline CliResult runCliSignalled(const std::string& arguments, const std::string& redirections,
                                 const std::string& input, const char* signal, const std::string& started)
{
    return runShell("(i=0; while [ ! -e '" + started + "' ] && [ $i -lt 600 ]; do sleep 0.05; i=$((i+1)); done; kill -" +
                    signal + " $$) >/dev/null 2>&1 & exec <'" + input + "' '" + ZOLT_CLI + "' " + arguments + " " +
                    redirections);
}

} // namespace test_support
