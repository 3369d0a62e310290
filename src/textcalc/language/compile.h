#pragma once
// From program text to the instruction list: preparation into keyword-marked blocks
// (prepare.cpp), one instruction per statement (classify.cpp) and the linking of blocks and
// headers (compileblock.cpp). Errors end the run through run.chyb().
#include "textcalc/language/program.h"
#include "textcalc/language/run_context.h"

#include <string>
#include <vector>

namespace textcalc {

// Prepared statement items and keyword markers of one block.
using Block = std::vector<std::string>;

// Fills run.Literals and returns the blocks: block 0 the program, one block per BEGIN/REPEAT
// body.
std::vector<Block> prepare(RunContext& run, const std::string& text);
// One prepared statement as an instruction; names it assigns to get their table entries.
Instruction classify(RunContext& run, const std::string& statement);
Condition splitcond(const std::string& text);
// The instructions of the blocks, the program's first at index 0.
std::vector<Instruction> compile(RunContext& run, std::vector<Block>& blocks);

// The entry of variable `name` (the name rule applies), made with the value 0 when new.
int variableIndex(RunContext& run, const std::string& name);

} // namespace textcalc
