#pragma once
// The random draws of the library on top of the session's one uniform generator: the constant
// "random", the random functions and everything else that draws take their numbers from the
// same source, so a sequence is only reproducible as a whole.
#include <functional>

namespace textcalc {

class RandomSource {
public:
    // `uniform` gives draws in [0, 1).
    explicit RandomSource(std::function<long double()> uniform) : m_uniform(std::move(uniform)) {}

    long double uniform() { return m_uniform(); }
    // A standard normal draw (mean 0, standard deviation 1) by the polar method.
    long double normal();

private:
    std::function<long double()> m_uniform;
};

} // namespace textcalc
