// humidity KIND VALUE: every quantity of moist air at t and P from one of them, as the humidity page
// computes them.

#include "cli_options.h"
#include "humidity/humidity_uncertainty.h"
#include "humidity/humidity.h"
#include "humidity/humidity_pages.h"

#include <cmath>
#include <map>

namespace tmcalc::cli {
namespace {

struct HumidityArgs {
    std::string kind;
    double t = 20.0;
    double pressure = 996.0;  // the page's opening value, hPa
    std::string value;
};

const std::map<std::string, int>& HumidityKindNames()
{
    static const std::map<std::string, int> names{
        {"rh", kHumidityRelative},           {"dewpoint", kHumidityDewPoint}, {"wetbulb", kHumidityWetBulb},
        {"es", kHumiditySaturationPressure}, {"e", kHumidityVaporPressure},   {"ppmv-dry", kHumidityPpmvDry},
        {"ppmv-wet", kHumidityPpmvWet},      {"absolute", kHumidityAbsolute}, {"mixing", kHumidityMixingRatio},
        {"enthalpy", kHumidityEnthalpy}};
    return names;
}

// The humidity page writes every quantity with 6 digits and 7 decimals.
constexpr ShownFormat kHumidityShown{6, 7};

}  // namespace

void AddHumidity(Program& program, CLI::App& parent, Mode mode)
{
    auto args = std::make_shared<HumidityArgs>();
    CLI::App* cmd = parent.add_subcommand("humidity", "moist air: all humidity quantities from one");
    cmd->add_option("kind", args->kind,
                    "rh (%rh), dewpoint (°C), wetbulb (°C), es, e (hPa), ppmv-dry, ppmv-wet, absolute (g/m³), "
                    "mixing (g/kg), enthalpy (kJ/kg)")
        ->required()
        ->transform(NameChecker(HumidityKindNames(), "humidity quantity"));
    if (mode == Mode::Convert) cmd->add_option("value", args->value, "its value ('-': one per stdin line)");
    AddValue(*cmd, "--t", args->t, "air temperature °C (default 20)", Domain::Temperature);
    AddValue(*cmd, "--pressure", args->pressure, "total pressure hPa (default 996)");
    AddLeaf(program, *cmd, mode, [args](bool& fromStdin, std::optional<double>& input) {
        if (!PositionalInput(args->value, fromStdin, input)) return std::optional<Converter>();
        std::vector<std::string> columns{"in_" + args->kind};
        std::vector<ShownFormat> formats{kG7};
        for (const auto& entry : HumidityKindNames()) {
            columns.push_back(entry.first);
            formats.push_back(kHumidityShown);
        }
        const int kind = HumidityKindNames().at(args->kind);
        return std::optional<Converter>(WithModel(Converter{columns,
                                                  [kind = HumidityKindNames().at(args->kind), t = args->t,
                                                   pressure = args->pressure](double x, std::vector<double>& v) {
                                                      const auto all = HumidityQuantities(kind, x, t, pressure);
                                                      v.assign(1, x);
                                                      for (const auto& entry : HumidityKindNames())
                                                          v.push_back(all[static_cast<std::size_t>(entry.second)]);
                                                      // Single quantities may be NaN beyond their own limits;
                                                      // without a vapour pressure there is nothing.
                                                      return !std::isnan(
                                                          all[static_cast<std::size_t>(kHumidityVaporPressure)]);
                                                  },
                                                  formats},
                                                  HumidityModel(kind), {args->t, args->pressure}));
    });
}

}  // namespace tmcalc::cli
