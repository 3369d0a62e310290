#pragma once
// The language core's tests run programs without a picture.
#include "program_session.h"

namespace textcalc::testing_support {

using Sheet = BasicSession<NoPicture>;
using ProgramTable = BasicProgramTable<Sheet>;
using EchoTable = BasicEchoTable<Sheet>;

} // namespace textcalc::testing_support
