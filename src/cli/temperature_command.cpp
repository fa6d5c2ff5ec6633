// temperature --scale X VALUE: one temperature on all five scales, as the temperature page writes them.

#include "cli_options.h"
#include "units/temperature.h"

#include <cmath>
#include <map>

namespace tmcalc::cli {
namespace {

const std::map<std::string, TemperatureScale>& ScaleNames()
{
    static const std::map<std::string, TemperatureScale> names{{"C", TemperatureScale::Celsius},
                                                               {"F", TemperatureScale::Fahrenheit},
                                                               {"K", TemperatureScale::Kelvin},
                                                               {"R", TemperatureScale::Rankine},
                                                               {"Re", TemperatureScale::Reaumur}};
    return names;
}

Converter TemperatureConverter(TemperatureScale scale)
{
    static const char* const kNames[] = {"C", "F", "K", "R", "Re"};
    std::vector<std::string> columns{std::string("in_") + kNames[static_cast<int>(scale)]};
    for (const char* name : kNames) columns.emplace_back(name);
    return {columns, [scale](double x, std::vector<double>& v) {
                const auto all = ConvertTemperature(scale, x);
                v.assign(1, x);
                v.insert(v.end(), all.begin(), all.end());
                return !std::isnan(all[0]);
            }};
}

}  // namespace

void AddTemperature(Program& program, CLI::App& parent, Mode mode)
{
    auto scale = std::make_shared<std::string>("C");
    auto value = std::make_shared<std::string>();
    CLI::App* cmd = parent.add_subcommand("temperature", "one temperature on all five scales");
    cmd->add_option("--scale", *scale, "scale of the value: C (default), F, K, R or Re")
        ->transform(NameChecker(ScaleNames(), "scale"));
    if (mode == Mode::Convert) {
        cmd->add_option("value", *value, "the temperature ('-': one per stdin line)")->allow_extra_args(false);
    }
    AddLeaf(program, *cmd, mode, [scale, value](bool& fromStdin, std::optional<double>& input) {
        if (!PositionalInput(*value, fromStdin, input)) return std::optional<Converter>();
        return std::optional<Converter>(TemperatureConverter(ScaleNames().at(*scale)));
    });
}

}  // namespace tmcalc::cli
