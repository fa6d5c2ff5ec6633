// scales --from t90|t68|t48 VALUE (table scales --scale ...): one temperature on ITS-90, IPTS-68 and IPTS-48, as
// the historic scales page shows it; a scale without a value is empty (null in JSON).

#include "cli_options.h"
#include "units/historic_scales.h"

#include <cmath>
#include <map>

namespace tmcalc::cli {
namespace {

const std::map<std::string, HistoricScale>& HistoricScaleNames()
{
    static const std::map<std::string, HistoricScale> names{
        {"t90", HistoricScale::Its90}, {"t68", HistoricScale::Ipts68}, {"t48", HistoricScale::Ipts48}};
    return names;
}

Converter HistoricConverter(const std::string& from, HistoricScale scale)
{
    // A scale with no value there is an empty cell (null in JSON); the row stands.
    return {{"in_" + from + "_C", "t90_C", "t68_C", "t48_C"}, [scale](double x, std::vector<double>& v) {
                const auto all = ConvertHistoric(scale, x);
                v.assign(1, x);
                v.insert(v.end(), all.begin(), all.end());
                return !std::isnan(x);
            }};
}

}  // namespace

void AddScales(Program& program, CLI::App& parent, Mode mode)
{
    auto from = std::make_shared<std::string>();
    auto value = std::make_shared<std::string>();
    CLI::App* cmd = parent.add_subcommand("scales", "a temperature on ITS-90, IPTS-68 and IPTS-48 (°C)");
    // A table's --from is its first value, so there the scale is --scale.
    cmd->add_option(mode == Mode::Table ? "--scale" : "--from", *from, "the scale of the value: t90, t68 or t48")
        ->required()
        ->transform(NameChecker(HistoricScaleNames(), "scale"));
    if (mode == Mode::Convert) {
        cmd->add_option("value", *value, "the temperature, °C ('-': one per stdin line)")->allow_extra_args(false);
    }
    AddLeaf(program, *cmd, mode, [from, value](bool& fromStdin, std::optional<double>& input) {
        if (!PositionalInput(*value, fromStdin, input)) return std::optional<Converter>();
        return std::optional<Converter>(HistoricConverter(*from, HistoricScaleNames().at(*from)));
    });
}

}  // namespace tmcalc::cli
