#include "framework/diagnostics.h"

namespace tmcalc {
namespace {
DiagnosticSink g_sink = nullptr;
}

void SetDiagnosticSink(DiagnosticSink sink) { g_sink = sink; }

void EmitDiagnostic(std::string_view line)
{
    if (g_sink != nullptr) g_sink(line);
}

}  // namespace tmcalc
