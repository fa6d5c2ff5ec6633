#pragma once

// The program's own options, answered before anything of the window system is started, so that they
// work without a display (the man page is made from them at build time). Every other argument is left
// to Qt, which takes its own (-platform, -style, ...) and ignores the rest.

#include <optional>
#include <string>

namespace tmcalc {

// The text for the first of --help, -h and --version among the arguments (argv[0] is the program), or
// nothing when there is none and the program should start.
[[nodiscard]] std::optional<std::string> CommandLineAnswer(int argc, const char* const* argv);

}  // namespace tmcalc
