#pragma once
// The compiled form of a run: a flat list of instructions linked by their indices.
#include <cstdint>
#include <string>

namespace textcalc {

namespace code {
struct Code;
}

// Statement kinds. ORDER: the numbers are those of the classify table and of the switch in
// execute(); 18 is unused.
enum Kind : uint8_t {
    KindExpression = 0,
    KindFunctionDefinition = 1,
    KindAssignment = 2,
    KindInc = 3,
    KindDec = 4,
    KindIf = 5,
    KindTry = 6,
    KindWhile = 7,
    KindRepeat = 8,
    KindFor = 9,
    KindBegin = 10,
    KindEmpty = 11,
    KindArrayElement = 12,
    KindAssign = 13,
    KindReset = 14,
    KindWriteLn = 15,
    KindRewrite = 16,
    KindAppend = 17,
    KindClose = 19,
    KindOutputOn = 20,
    KindOutputOff = 21,
    KindShowText = 22,
    KindShowNum = 23,
    KindBreak = 24,
    KindSetColor = 25,
    KindSetPen = 26,
    KindSetBrush = 27,
    KindLineTo = 28,
    KindRectTo = 29,
    KindMoveTo = 30,
    KindFloodFill = 31,
    KindDraw = 32,
    KindPause = 33,
    KindShowTime = 34,
    KindSetSize = 35,
    KindEllipTo = 36,
    KindClear = 37,
    KindTextLabel = 38,
    KindNumLabel = 39,
    KindSetFont = 40,
    KindSpot = 41,
    KindBeep = 42,
};

// Relations of a condition. ORDER: the codes of splitcond's table.
enum Relation : uint8_t { RelLess = 0, RelLessEqual = 1, RelPositive = 2, RelEqual = 3, RelNotEqual = 4 };

struct Condition {
    std::string Left;
    std::string Right; // empty evaluates to 0
    Relation relation = RelPositive;
    code::Code* LeftCode = nullptr; // the sides' compiled forms, owned by the run
    code::Code* RightCode = nullptr;
};

// Instruction numbers are signed 16-bit: a program holds at most 32767 instructions.
constexpr int MaxInstructions = 32767;

struct Instruction {
    Kind kind = KindEmpty;
    Condition Cond;        // IF, WHILE, REPEAT
    std::string LoopVar;   // FOR
    std::string Text1, Text2, Text3;
    // Text1 and Text2 compiled, where the statement evaluates them as expressions in a loop
    // (expression, assignment, FOR bounds, array element); owned by the run.
    code::Code* Code1 = nullptr;
    code::Code* Code2 = nullptr;
    int Ref1 = -1;         // body / THEN branch, or the table entry the statement names
    int Ref2 = -1;         // ELSE branch, or the FOR loop variable's entry in Variables
    int Next = -1;         // next instruction of the same sequence
};

} // namespace textcalc
