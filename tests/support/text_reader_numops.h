#pragma once
// The numerical operators as the text reader runs them: its own copy, so that a fault planted
// in the library's (a running variable left bound, a range off by one) shows as a difference.
#include "textcalc/library/library_functions.h"

#include <span>

namespace textcalc::testing_support::reading {

// sum, product, argmax, argmin, imax, imin, iter.
std::span<const library::ScannedEntry> integerRangeOperators();
// cint, int, length, surface, volume, solve, dif, dif2.
std::span<const library::ScannedEntry> realAxisOperators();

} // namespace textcalc::testing_support::reading
