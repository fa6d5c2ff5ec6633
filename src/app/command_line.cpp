#include "app/command_line.h"

#include "app/version.h"

#include <string_view>

namespace tmcalc {

namespace {

// Laid out for help2man, which makes the man page from it: the usage line, the description, and a section
// for each heading ("Options:", "Files:").
constexpr std::string_view kHelp =
    "Usage: tmcalc [OPTION]...\n"
    "A desktop calculator for temperature metrology and thermal engineering.\n"
    "\n"
    "Type a value into one field of a page and the page at once shows the equivalent values in its other\n"
    "fields: temperature scales, thermocouples, industrial and standard resistance thermometers (ITS-90),\n"
    "thermistors, humidity, a transmitter signal calculator and fourteen families of engineering units.\n"
    "\n"
    "Options:\n"
    "  -h, --help     display this help and exit\n"
    "      --version  output version information and exit\n"
    "\n"
    "Qt's own options, such as -platform NAME, are accepted too.\n"
    "\n"
    "The texts are in Simplified Chinese when the locale is Simplified Chinese (LANG=zh_CN.UTF-8, for\n"
    "example), in English otherwise. Numbers are always read and written with a decimal point.\n"
    "The same calculations are available to scripts through tmcalc-cli.\n"
    "\n"
    "Files:\n"
    "  DuzuZedezurIreReduri.ini  the calibrated standards, in the current directory; made from the\n"
    "                            built-in templates when it is missing\n";

}  // namespace

std::optional<std::string> CommandLineAnswer(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") return std::string(kHelp);
        if (arg == "--version") return std::string("tmcalc ") + kVersion + "\n";
    }
    return std::nullopt;
}

}  // namespace tmcalc
