#pragma once

#include <string_view>

namespace tmcalc {

// Diagnostic lines (iteration traces, manager events) are for developers only. The core hands them
// to a sink that the program installs; by default they go nowhere.
using DiagnosticSink = void (*)(std::string_view line);

void SetDiagnosticSink(DiagnosticSink sink);
void EmitDiagnostic(std::string_view line);

}  // namespace tmcalc
