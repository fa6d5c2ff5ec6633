// tmcalc-cli: the program's conversions from the shell. Every number comes from the same core functions
// the pages call; the command files only read arguments and feed values through.

#include "cli_options.h"

#include "app/version.h"

#include <iostream>

namespace tmcalc::cli {
namespace {

// Conversions and tables share the commands; `fit` has no input to tabulate.
void AddCommands(Program& program, CLI::App& parent, Mode mode)
{
    AddUnits(program, parent, mode);
    AddTc(program, parent, mode);
    AddRtd(program, parent, mode);
    AddTemperature(program, parent, mode);
    AddScales(program, parent, mode);
    AddSprt(program, parent, mode);
    AddStdTc(program, parent, mode);
    AddNtc(program, parent, mode);
    AddHumidity(program, parent, mode);
    AddTransmitter(program, parent, mode);
}

}  // namespace
}  // namespace tmcalc::cli

int main(int argc, char** argv)
{
    using namespace tmcalc::cli;
    std::ios::sync_with_stdio(false);
    Program program;
    program.app.require_subcommand(1);
    program.app.set_version_flag("--version", std::string("tmcalc-cli ") + tmcalc::kVersion);
    AddCommands(program, program.app, Mode::Convert);
    AddFit(program, program.app);
    CLI::App* table = program.app.add_subcommand("table", "a table over a range of inputs");
    table->require_subcommand(1);
    AddCommands(program, *table, Mode::Table);
    try {
        program.app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return program.app.exit(e);
    } catch (const ValueError& e) {
        Complain(e.message);
        return e.exitCode;
    }
    try {
        for (std::size_t i = 0; i < program.leaves.size(); ++i) {
            if (program.leaves[i]->parsed()) return program.runners[i]();
        }
    } catch (const ValueError& e) {
        Complain(e.message);
        return e.exitCode;
    }
    return kExitUsage;
}
