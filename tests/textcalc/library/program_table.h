#pragma once
// The library's tests run programs with a 200 × 200 picture.
#include "program_session.h"

#include "textcalc/picture/picture.h"

namespace textcalc::library_tests {

using testing_support::Lines;
using testing_support::ProgramCase;
using testing_support::rowName;
using Session = testing_support::BasicSession<Picture>;
using ProgramTable = testing_support::BasicProgramTable<Session>;

} // namespace textcalc::library_tests
