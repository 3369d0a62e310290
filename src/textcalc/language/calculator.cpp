// The public face of the text calculator forwards to its Interpreter.
#include "textcalc/language/calculator.h"
#include "textcalc/language/interpreter.h"
#include "textcalc/language/statements.h"

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
