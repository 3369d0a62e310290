// compileblock: the prepared items of one block become linked instructions. A keyword's marker
// starts a header (IF, WHILE, FOR, TRY) that governs the one statement after it, or a nested
// block (BEGIN, REPEAT); an ELSE goes to the nearest IF that still may take one.
#include "textcalc/language/compile.h"
#include "textcalc/language/markers.h"

#include <algorithm>

namespace textcalc {

namespace {

void compileblock(RunContext& run, std::vector<Block>& blocks, std::vector<Instruction>& program, size_t k,
                  SourceMap* map);

// Instruction numbers are signed 16-bit.
int appendInstruction(RunContext& run, std::vector<Instruction>& program)
{
    if (program.size() >= static_cast<size_t>(MaxInstructions))
        run.chyb("Program too long: more than " + std::to_string(MaxInstructions) + " instructions.");
    program.emplace_back();
    return static_cast<int>(program.size()) - 1;
}

// Walks the items of one block with a position, a state, the last complete statement and the
// IF instructions that may still take an ELSE. Each keyword has its own step below; what must
// follow a keyword is checked with expectItem, expectExpression and expectMarker, each ending
// the run with its message.
class BlockCompiler {
public:
    BlockCompiler(RunContext& run, std::vector<Block>& blocks, std::vector<Instruction>& program, size_t k,
                  SourceMap* map)
        : m_run(run), m_blocks(blocks), m_program(program), m_block(k), m_count(blocks[k].size()),
          m_last(static_cast<int>(program.size())), m_map(map)
    {
    }
    void compile();

private:
    void compileItems();
    enum class State { Start, Header, Complete, AfterElse };

    // Item p, copied: compiling a nested block may grow Blocks. Empty past the end.
    std::string item(size_t p) const { return p < m_count ? m_blocks[m_block][p] : std::string(); }
    bool isMarker(size_t p, char letter) const { return p < m_count && markers::isMarker(m_blocks[m_block][p], letter); }
    // Instruction m, found afresh: compiling a nested block may grow Program.
    Instruction& at(int m) { return m_program[static_cast<size_t>(m)]; }

    void expectItem(size_t p, const char* message) const
    {
        if (p >= m_count)
            m_run.chyb(message);
    }
    std::string expectExpression(size_t p, const char* message) const
    {
        if (p >= m_count || markers::isMarker(m_blocks[m_block][p]))
            m_run.chyb(message);
        return item(p);
    }
    void expectMarker(size_t p, char letter, const char* message) const
    {
        if (!isMarker(p, letter))
            m_run.chyb(message);
    }

    void elseBranch();
    void link(int m);
    void keyword(const std::string& marker, int m);
    void nestedBlock(const std::string& marker, int m, Kind kind);
    void beginBlock(const std::string& marker, int m);
    void repeatBlock(const std::string& marker, int m);
    void ifHeader(int m);
    void whileHeader(int m);
    void forHeader(int m);
    void tryHeader(int m);
    // A header's `length` items are read; the statement it governs must follow.
    void header(size_t length, const char* message);

    RunContext& m_run;
    std::vector<Block>& m_blocks;
    std::vector<Instruction>& m_program;
    const size_t m_block;
    const size_t m_count;
    size_t m_p = 0;
    State m_state = State::Start;
    int m_last; // the block's last complete statement
    std::vector<int> m_openIfs;
    SourceMap* m_map;
};

void BlockCompiler::compile()
{
    try {
        compileItems();
    } catch (const RunError&) {
        // The innermost block tells the map where it stood.
        if (m_map && m_map->failedBlock == SourceMap::None) {
            m_map->failedBlock = m_block;
            m_map->failedItem = std::min(m_p, m_count - 1);
        }
        throw;
    }
}

void BlockCompiler::compileItems()
{
    while (m_p < m_count) {
        if (isMarker(m_p, markers::Else))
            elseBranch();
        const int m = static_cast<int>(m_program.size());
        link(m);
        appendInstruction(m_run, m_program);
        const std::string current = item(m_p);
        if (markers::isMarker(current)) {
            keyword(current, m);
        } else {
            at(m) = classify(m_run, current);
            m_state = State::Complete;
            ++m_p;
        }
    }
}

void BlockCompiler::elseBranch()
{
    if (m_state != State::Complete || m_openIfs.empty())
        m_run.chyb("ELSE not expected.");
    expectItem(m_p + 1, "Statement expected after ELSE.");
    m_state = State::AfterElse;
    ++m_p;
}

// Links instruction m, about to be made, to what came before it in this block.
void BlockCompiler::link(int m)
{
    switch (m_state) {
    case State::Start:
        break;
    case State::Header:
        at(m - 1).Ref1 = m;
        break;
    case State::Complete:
        at(m_last).Next = m;
        m_last = m;
        m_openIfs.clear();
        break;
    case State::AfterElse:
        at(m_openIfs.back()).Ref2 = m;
        m_openIfs.pop_back();
        break;
    }
}

void BlockCompiler::keyword(const std::string& marker, int m)
{
    switch (marker[1]) {
    case markers::Begin:
        return beginBlock(marker, m);
    case markers::Repeat:
        return repeatBlock(marker, m);
    case markers::If:
        return ifHeader(m);
    case markers::While:
        return whileHeader(m);
    case markers::For:
        return forHeader(m);
    case markers::Try:
        return tryHeader(m);
    case markers::Do:
        m_run.chyb("DO not expected.");
    case markers::Else:
        m_run.chyb("ELSE not expected.");
    case markers::To:
        m_run.chyb("TO not expected.");
    default: // THEN
        m_run.chyb("THEN not expected.");
    }
}

// BEGIN and REPEAT: the body's block, numbered in the marker, follows as instructions m + 1….
void BlockCompiler::nestedBlock(const std::string& marker, int m, Kind kind)
{
    at(m).kind = kind;
    at(m).Ref1 = m + 1;
    compileblock(m_run, m_blocks, m_program, static_cast<size_t>(std::stoul(marker.substr(2))), m_map);
    m_state = State::Complete;
}

void BlockCompiler::beginBlock(const std::string& marker, int m)
{
    nestedBlock(marker, m, KindBegin);
    ++m_p;
}

void BlockCompiler::repeatBlock(const std::string& marker, int m)
{
    nestedBlock(marker, m, KindRepeat);
    at(m).Cond = splitcond(expectExpression(m_p + 1, "Expression expected after UNTIL."));
    m_p += 2;
}

void BlockCompiler::ifHeader(int m)
{
    at(m).kind = KindIf;
    m_openIfs.push_back(m);
    at(m).Cond = splitcond(expectExpression(m_p + 1, "Expression expected after IF."));
    expectMarker(m_p + 2, markers::Then, "THEN expected.");
    header(3, "Statement expected after THEN.");
}

// The condition may be any item, even a marker: the DO check that follows reports it.
void BlockCompiler::whileHeader(int m)
{
    at(m).kind = KindWhile;
    expectItem(m_p + 1, "Expression expected after WHILE.");
    at(m).Cond = splitcond(item(m_p + 1));
    expectMarker(m_p + 2, markers::Do, "DO expected.");
    header(3, "Statement expected after DO.");
}

void BlockCompiler::forHeader(int m)
{
    const char* const noAssignment = "Loop variable assignment expected after FOR.";
    Instruction& in = at(m);
    in.kind = KindFor;
    const std::string assignment = expectExpression(m_p + 1, noAssignment);
    const size_t hash = assignment.find('#');
    if (hash == std::string::npos)
        m_run.chyb(noAssignment);
    in.LoopVar = assignment.substr(0, std::min(hash, MaxNameLength));
    m_run.jetonazev(in.LoopVar);
    in.Text1 = assignment.substr(hash + 1);
    expectMarker(m_p + 2, markers::To, "TO expected.");
    in.Text2 = expectExpression(m_p + 3, "Expression expected after TO.");
    expectMarker(m_p + 4, markers::Do, "DO expected.");
    header(5, "Statement expected after DO.");
    in.Ref2 = variableIndex(m_run, in.LoopVar);
}

void BlockCompiler::tryHeader(int m)
{
    at(m).kind = KindTry;
    header(1, "Statement expected after TRY.");
}

void BlockCompiler::header(size_t length, const char* message)
{
    m_state = State::Header;
    expectItem(m_p + length, message);
    m_p += length;
}

// Appends the instructions of block k, linking each statement to the next through Next,
// a header (IF, WHILE, FOR, TRY) to its statement through Ref1, and an IF to its ELSE
// branch through Ref2.
void compileblock(RunContext& run, std::vector<Block>& blocks, std::vector<Instruction>& program, size_t k,
                  SourceMap* map)
{
    DepthGuard guard(run);
    if (blocks[k].empty()) {
        program[static_cast<size_t>(appendInstruction(run, program))].kind = KindEmpty;
        return;
    }
    BlockCompiler(run, blocks, program, k, map).compile();
}

} // namespace

std::vector<Instruction> compile(RunContext& run, std::vector<Block>& blocks, SourceMap* map)
{
    std::vector<Instruction> program;
    compileblock(run, blocks, program, 0, map);
    return program;
}

} // namespace textcalc
