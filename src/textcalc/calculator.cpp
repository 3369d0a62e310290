// The public face of the text calculator forwards to its Interpreter.
#include "textcalc/calculator.h"
#include "textcalc/interpreter.h"
#include "textcalc/statements.h"

namespace textcalc {

Calculator::Calculator(platform::Services& services) : m_interpreter(std::make_unique<Interpreter>(*this, services)) {}

Calculator::~Calculator() = default;

void Calculator::clearTables()
{
    m_interpreter->clearTables();
}

void Calculator::run(const std::string& text)
{
    m_interpreter->run(text);
}

double Calculator::elapsedSeconds()
{
    return std::chrono::duration<double>(m_interpreter->services.now() - m_interpreter->StartTime).count();
}

std::string Calculator::elapsedText()
{
    return statements::elapsedText(*m_interpreter);
}

bool Calculator::convertToDecimal(std::string& line)
{
    return m_interpreter->convertToDecimal(line);
}

} // namespace textcalc
