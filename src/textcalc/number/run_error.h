#pragma once
// The one exception type of a failing text calculator program. It carries the message of the
// error line, "Error. " + message ("break" stands for the Break line), or no message for a
// failure that no check of the language reported (an integer step or a count out of range, a
// limit of the tables or the picture), whose line is "Error. General computation error".
// Floating failures stay platform::FloatError and count as failures without a message.
//
// A program's TRY, ReadLn, WriteLn and the decimal conversion catch it; anything else thrown
// during a run is a fault of the calculator and ends the run at its outer boundary. It is no
// std::exception, so that no handler of the standard's exceptions takes it for one of those.
#include <string>
#include <utility>

namespace textcalc {

class RunError {
public:
    RunError() = default;
    explicit RunError(std::string message) : m_message(std::move(message)) {}
    // Empty for a failure that no check reported.
    const std::string& message() const { return m_message; }

private:
    std::string m_message;
};

} // namespace textcalc
