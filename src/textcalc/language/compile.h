#pragma once
// From program text to the instruction list: preparation into keyword-marked blocks
// (prepare.cpp), one instruction per statement (classify.cpp) and the linking of blocks and
// headers (compileblock.cpp). Errors end the run through run.chyb().
#include "textcalc/language/program.h"
#include "textcalc/language/run_context.h"

#include <cstdint>
#include <string>
#include <vector>

namespace textcalc {

// Prepared statement items and keyword markers of one block.
using Block = std::vector<std::string>;

// Where the prepared items came from in the program text, for a check that reports where an
// error lies (a run has no use for it).
struct SourceMap {
    static constexpr size_t None = static_cast<size_t>(-1);
    // Per block and item, the byte offset in the text of each of the item's characters; a
    // literal's index and a keyword's marker stand where they begin.
    std::vector<std::vector<std::vector<uint32_t>>> items;
    // The offset of what the first error found is about; None until then.
    size_t errorAt = None;
    // The item compile() was reading when it failed.
    size_t failedBlock = None, failedItem = None;
};

// Fills run.Literals and returns the blocks: block 0 the program, one block per BEGIN/REPEAT
// body. `map`, when given, is filled too, and tells where a failure lies.
std::vector<Block> prepare(RunContext& run, const std::string& text, SourceMap* map = nullptr);
// One prepared statement as an instruction; names it assigns to get their table entries.
Instruction classify(RunContext& run, const std::string& statement);
Condition splitcond(const std::string& text);
// The instructions of the blocks, the program's first at index 0. On failure `map`, when
// given, gets the item being read.
std::vector<Instruction> compile(RunContext& run, std::vector<Block>& blocks, SourceMap* map = nullptr);

// The entry of variable `name` (the name rule applies), made with the value 0 when new.
int variableIndex(RunContext& run, const std::string& name);

} // namespace textcalc
