#pragma once

// The option set-up every tmcalc-cli command shares: number options read whole, the output options, single,
// table or batch input, the standards file opened read-only, and the command list's plumbing. The command
// files only say which core functions a command calls and how its page writes them; the rows they produce
// are written by cli_rows.h.

#include "cli_rows.h"
#include "standards/standard_records.h"

#include <CLI/CLI.hpp>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace tmcalc::cli {

// A value given on the command line that cannot be used: "--cold: 'nan' is not a number" (exit 1), or a
// setting outside its physical domain (exit 2). main() writes the message and exits with the code.
struct ValueError {
    std::string message;
    int exitCode;
};

// The limits an option's value must keep, beyond being a finite number.
enum class Domain {
    Any,
    Temperature,  // °C, not below absolute zero (out of range, exit 1)
    Positive,     // a resistance such as R0, R25 or R(TPW): zero or less is a usage error (exit 2)
};
// The value of option `name` from `text`, or a ValueError thrown.
[[nodiscard]] double OptionValue(const std::string& name, const std::string& text, Domain domain = Domain::Any);

// A CLI11 option holding a number read as above; a malformed text is a ValueError. "-" (stdin) is left
// to the command.
struct NumberOption {
    std::optional<double> value;
};
CLI::Option* AddNumber(CLI::App& app, const std::string& name, NumberOption& target, const std::string& help,
                       Domain domain = Domain::Any);

// A number option that fills `target` (a double or an optional) directly.
template <typename Target>
CLI::Option* AddValue(CLI::App& app, const std::string& name, Target& target, const std::string& help,
                      Domain domain = Domain::Any)
{
    // The long name, as the user types it, names the value in messages.
    const std::size_t comma = name.find_last_of(',');
    const std::string shown = comma == std::string::npos ? name : name.substr(comma + 1);
    return app.add_option_function<std::string>(
        name, [&target, shown, domain](const std::string& text) { target = OptionValue(shown, text, domain); },
        help);
}

// Accepts a name of `names` in any case and passes on the spelling of the list; the message names the
// choices rather than CLI11's internal map.
CLI::Validator NameCheckerOf(std::vector<std::string> list, std::string what);
template <typename Names>
CLI::Validator NameChecker(const Names& names, std::string what)
{
    std::vector<std::string> list;
    for (const auto& entry : names) {
        if constexpr (std::is_convertible_v<decltype(entry), std::string>) {
            list.emplace_back(entry);
        } else {
            list.push_back(entry.first);
        }
    }
    return NameCheckerOf(std::move(list), std::move(what));
}

// The standards file: opened read-only (never created, locked or rewritten), a standard found by its
// product number.
struct StandardsChoice {
    std::string path;     // folder, or the file itself; empty: the current directory
    std::string product;  // empty: coefficients come from options
};
void AddStandardsOptions(CLI::App& app, StandardsChoice& choice);
// Empty, with the reason on stderr, when the file is missing or unreadable or not exactly one matches.
[[nodiscard]] std::optional<StandardRecord> FindStandard(const StandardsChoice& choice, StandardKind kind);
// A coefficient as the standard's text holds it (a text without a number reads 0, as in the fields).
[[nodiscard]] double RecordNumber(const StandardRecord& record, std::string_view key);

enum class Mode { Convert, Table };

// Options shared by every command: output format and input placement.
struct Shared {
    OutputSettings output;
    InputSettings input;
    UncertaintyRequest uncertainty;
};

// Values from --forward/--backward (or '-', stdin) for a two-way command; a table has a flag instead.
struct TwoWay {
    NumberOption forward, backward;
    bool forwardStdin = false, backwardStdin = false, inverse = false;
};
// Adds the two direction options (Convert) or the inverse flag (Table); the state they fill is shared with
// the command's runner.
[[nodiscard]] std::shared_ptr<TwoWay> AddTwoWay(CLI::App& app, Mode mode, const std::string& forward,
                                                const std::string& forwardHelp, const std::string& backward,
                                                const std::string& backwardHelp);
// Whether the command runs backward, and its single input.
bool Direction(const TwoWay& io, Mode mode, bool& fromStdin, std::optional<double>& input);
// A positional value ("-": stdin); a ValueError when it holds no number.
bool PositionalInput(const std::string& text, bool& fromStdin, std::optional<double>& input);

struct Program {
    CLI::App app{"Temperature metrology conversions: the numbers of the tmcalc pages, from the shell.",
                 "tmcalc-cli"};
    std::vector<std::unique_ptr<Shared>> shared;
    std::vector<std::function<int()>> runners;  // one per leaf command, run when it was parsed
    std::vector<CLI::App*> leaves;
};

// Builds a command's converter once its options are parsed; empty: the message is already written.
using ConverterBuilder = std::function<std::optional<Converter>(bool& fromStdin, std::optional<double>& input)>;

// A leaf command: its output options, and the choice of single, batch or table input.
void AddLeaf(Program& program, CLI::App& leaf, Mode mode, ConverterBuilder build);
// A leaf that writes one row of results; empty: the message is already written.
void AddResultLeaf(Program& program, CLI::App& leaf, std::function<std::optional<ResultRow>()> build);

// The command families, each in its own file.
void AddTc(Program& program, CLI::App& parent, Mode mode);
void AddRtd(Program& program, CLI::App& parent, Mode mode);
void AddSprt(Program& program, CLI::App& parent, Mode mode);
void AddStdTc(Program& program, CLI::App& parent, Mode mode);
void AddNtc(Program& program, CLI::App& parent, Mode mode);
void AddHumidity(Program& program, CLI::App& parent, Mode mode);
void AddTransmitter(Program& program, CLI::App& parent, Mode mode);
void AddUnits(Program& program, CLI::App& parent, Mode mode);
void AddTemperature(Program& program, CLI::App& parent, Mode mode);
void AddScales(Program& program, CLI::App& parent, Mode mode);
void AddFit(Program& program, CLI::App& parent);

}  // namespace tmcalc::cli
