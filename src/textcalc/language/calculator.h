#pragma once
// The text calculator as the window and the command line see it: the tables that outlive runs,
// the settings and callbacks of a run, run() and the decimal conversion of a result line.
// Everything a run does inside (preparation, the compiled program, the evaluator, the library)
// is the Interpreter's (interpreter.h) and not part of this face.
//
// Errors: a run reports every failure as an output line ("Error. " + message, the Break line,
// the stopped line, "Error. General computation error") and ends; no exception leaves run().
#include "textcalc/language/picture_access.h"
#include "textcalc/language/tables.h"

#include "platform/services.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace textcalc {

class Interpreter;

// The error line of a run that stopRequested ended.
inline const std::string StoppedLine = "Error. Program stopped by the user.";
// The error line of a run that needs more memory than a run may take (MaxRunMemory).
inline const std::string MemoryLine = "Error. Not enough memory.";

// What the window (or the command line) sets before a run.
struct RunSettings {
    // Significant digits of the floating output form ("number_of_digits", default 18).
    int Precision = 18;
    // The program directory; text files live in its "textfiles" folder.
    std::filesystem::path programDirectory;
    // Report lines for assignments and file actions: the window's `output` button. A run
    // starts with it and Output+/Output- change it; the window reads it back afterwards.
    bool EchoOutputs = false;
    // The line a stopped run ends with; the window gives it in the user's language.
    std::string stoppedLine = StoppedLine;
    // The line a run that runs out of memory ends with; the window gives it in the user's language.
    std::string memoryLine = MemoryLine;
};

// How a run reaches its surroundings beyond Outputs. Message, input and question boxes, beeps,
// the clipboard and the clock go through the platform::Services the calculator was made with.
struct RunCallbacks {
    // The picture drawing statements paint on; null when there is none.
    PictureAccess* picture = nullptr;
    // Receives ShowTime's status text (" 1.25 s"): the window's status bar, the command
    // line's stderr. Empty: the text goes nowhere.
    std::function<void(const std::string&)> showTime;
    // Asked during a run at least every 20 ms of run time (at statements, nesting levels,
    // numerical operator steps and between Pause's short sleeps); true ends the run with
    // RunSettings::stoppedLine, which a TRY in the program does not catch. The window gives
    // itself a turn here (repaint, the Stop button), the command line checks its timeout and
    // signals. Empty: runs are never stopped.
    std::function<bool()> stopRequested;
};

// An error of a program found before running it.
struct ProgramError {
    int line;   // from 1
    int column; // from 1, in characters
    std::string message; // the message of the error line, without "Error. "
};

// A user function as a program defines it.
struct DefinedFunction {
    std::string name;
    std::vector<std::string> parameters;
};

// What Calculator::check finds in a program text.
struct ProgramCheck {
    std::vector<ProgramError> errors; // the first of each line in error, by line
    // The names the program defines, in the order it first names them.
    std::vector<std::string> variables;
    std::vector<std::string> arrays;
    std::vector<DefinedFunction> functions;
};

class Calculator {
public:
    explicit Calculator(platform::Services& services);
    ~Calculator();
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    RunSettings settings;
    RunCallbacks callbacks;

    // The tables survive runs; clearTables() is the window's clear-all.
    std::vector<Variable> Variables;
    std::vector<Array> Arrays;
    std::vector<Function> Functions;
    std::vector<TextFile> TextFiles;
    void clearTables();

    // The output lines of the last run, for the sheet.
    std::vector<std::string> Outputs;

    // Runs one program text; afterwards Outputs holds the lines for the sheet.
    void run(const std::string& text);

    // The time since the last run started: in seconds, and as ShowTime writes it (" 1.25 s").
    double elapsedSeconds();
    std::string elapsedText();

    // The errors a program's lines hold that need no run to be seen (preparation, statement
    // forms, expressions out of order), and the names it defines. The text's lines are run
    // as one group; nothing is run and neither the tables nor the outputs change.
    ProgramCheck check(const std::string& text) const;

    // ADecim's step: re-prints a result line in floating form. False (after a beep) when the
    // line cannot be evaluated, or when callbacks.stopRequested ended the evaluation; the line
    // is then unchanged.
    bool convertToDecimal(std::string& line);

private:
    std::unique_ptr<Interpreter> m_interpreter;
};

} // namespace textcalc
