// transmitter: a linear transmitter between its conversion range and its signal range.

#include "cli_options.h"
#include "humidity/transmitter.h"

#include <cmath>

namespace tmcalc::cli {
namespace {

struct TransmitterArgs {
    std::string signal = "4~20";
    std::string range = "0~100";
};

// The page writes its output with 10 digits and 7 decimals.
constexpr ShownFormat kTransmitterShown{10, 7};

}  // namespace

void AddTransmitter(Program& program, CLI::App& parent, Mode mode)
{
    auto args = std::make_shared<TransmitterArgs>();
    CLI::App* cmd = parent.add_subcommand("transmitter", "linear transmitter: measured value <-> signal");
    const auto io = AddTwoWay(*cmd, mode, "--value", "measured value", "--signal-value", "signal (mA or V)");
    cmd->add_option("--signal", args->signal, "signal range \"low~high\" (default 4~20)");
    cmd->add_option("--range", args->range, "conversion range \"low~high\" (default 0~100)");
    AddLeaf(program, *cmd, mode, [args, io, mode](bool& fromStdin, std::optional<double>& input) {
        const TransmitterRange signal = TransmitterRangeFromText(ReadRangeText(Widen(args->signal)));
        const TransmitterRange range = TransmitterRangeFromText(ReadRangeText(Widen(args->range)));
        if (!TransmitterSignal(signal, range, 0.0)) {
            Complain("a range with equal bounds converts nothing");
            return std::optional<Converter>();
        }
        const bool fromSignal = Direction(*io, mode, fromStdin, input);
        return std::optional<Converter>(Converter{
            fromSignal ? std::vector<std::string>{"signal", "value"} : std::vector<std::string>{"value", "signal"},
            [signal, range, fromSignal](double x, std::vector<double>& v) {
                const double y =
                    fromSignal ? *TransmitterValue(signal, range, x) : *TransmitterSignal(signal, range, x);
                v.assign({x, y});
                return !std::isnan(y);
            },
            {kG7, kTransmitterShown}});
    });
}

}  // namespace tmcalc::cli
