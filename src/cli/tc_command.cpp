// tc TYPE: a working thermocouple, temperature (°C) <-> emf (mV), as the work-thermocouple pages convert.

#include "cli_options.h"
#include "thermocouple/tc_uncertainty.h"
#include "thermocouple/thermocouple_type.h"
#include "thermocouple/work_page_math.h"

#include <cmath>
#include <map>

namespace tmcalc::cli {
namespace {

const std::map<std::string, ThermocoupleType>& TcTypeNames()
{
    static const std::map<std::string, ThermocoupleType> names{
        {"S", ThermocoupleType::S}, {"R", ThermocoupleType::R}, {"B", ThermocoupleType::B},
        {"K", ThermocoupleType::K}, {"N", ThermocoupleType::N}, {"J", ThermocoupleType::J},
        {"E", ThermocoupleType::E}, {"T", ThermocoupleType::T}, {"D", ThermocoupleType::D},
        {"C", ThermocoupleType::C}};
    return names;
}

// The page writes all three values with seven significant digits. A batch evaluates the inverse polynomials
// by Horner's rule (the temperature within 1E-13 of the page's, relative) and the slope likewise, falling
// back to the page's evaluation wherever the two might round to different sixth decimals.
constexpr Evaluation kBatch = Evaluation::Horner;

Converter TcConverter(ThermocoupleType type, bool fromEmf, double cold)
{
    if (!fromEmf) {
        return {{"t_C", "emf_mV", "seebeck_uV_per_C"}, [type, cold](double t, std::vector<double>& v) {
                    const bool accepted = WorkPageAccepts(type, t);
                    const double emf = accepted ? WorkEmfMillivolts(type, t, cold) : kNaN;
                    v.assign({t, emf, std::isnan(emf) ? kNaN : WorkSlopeShown(type, t, kBatch)});
                    return std::isfinite(emf);
                }};
    }
    const double coldEmf = WorkColdJunctionEmf(type, cold);
    return {{"emf_mV", "t_C", "seebeck_uV_per_C"}, [type, coldEmf](double emf, std::vector<double>& v) {
                const double t = WorkTemperatureAtColdEmf(type, emf, coldEmf, kBatch);
                v.assign({emf, t, WorkSlopeShown(type, t, kBatch)});
                return std::isfinite(t);
            }};
}

}  // namespace

void AddTc(Program& program, CLI::App& parent, Mode mode)
{
    auto type = std::make_shared<std::string>();
    auto cold = std::make_shared<NumberOption>();
    CLI::App* tc = parent.add_subcommand("tc", "working thermocouple: temperature (°C) <-> emf (mV)");
    tc->add_option("type", *type, "S, R, B, K, N, J, E, T, D or C")
        ->required()
        ->transform(NameChecker(TcTypeNames(), "thermocouple type"));
    const auto io = AddTwoWay(*tc, mode, "--temp", "measuring junction °C", "--emf", "emf mV");
    AddNumber(*tc, "--cold", *cold, "cold junction °C (default 0)", Domain::Temperature);
    AddLeaf(program, *tc, mode, [type, cold, io, mode](bool& fromStdin, std::optional<double>& input) {
        const bool fromEmf = Direction(*io, mode, fromStdin, input);
        const ThermocoupleType kind = TcTypeNames().at(*type);
        const double coldJunction = cold->value.value_or(0.0);
        return std::optional<Converter>(
            WithModel(TcConverter(kind, fromEmf, coldJunction),
                      fromEmf ? WorkTcFromEmfModel(kind) : WorkTcFromTemperatureModel(kind), {coldJunction}));
    });
}

}  // namespace tmcalc::cli
