// stdtc S|B: calibrated standard thermocouples, temperature (°C) <-> emf (mV), as the standard
// thermocouple sub-pages convert.
//   S: the emfs (mV) at the zinc, aluminium and copper points, typed or from the standards file.
//   B: a certificate polynomial (coefficients in µV, as certificates state them) of the low or high range,
//      or the emfs (mV) at 1100 ... 1500 °C; the page takes them as typed, never from the file.

#include "cli_options.h"
#include "thermocouple/std_type_b.h"
#include "thermocouple/std_type_s.h"
#include "thermocouple/tc_uncertainty.h"

#include <array>
#include <cmath>
#include <map>

namespace tmcalc::cli {
namespace {

// Both sub-pages write their outputs with 11 digits and 7 decimals.
constexpr ShownFormat kStdShown{11, 7};

const std::map<std::string, StdBMode>& StdBModeNames()
{
    static const std::map<std::string, StdBMode> names{
        {"low", StdBMode::LowRange}, {"high", StdBMode::HighRange}, {"fixed", StdBMode::FixedPoints}};
    return names;
}

struct StdTcArgs {
    std::string type;
    StdSFixedPoints points;
    NumberOption cold;
    StandardsChoice standards;
    std::string bMode = "low";
    bool bModeGiven = false;
    std::array<std::optional<double>, 9> a{};      // --a0 .. --a8
    std::array<std::optional<double>, 5> fixed{};  // --e1100 .. --e1500
};

Converter StdConverter(bool fromEmf, std::function<std::array<double, 2>(double)> forward,
                       std::function<std::array<double, 2>(double)> backward)
{
    // Either way a row is the input, the other quantity and the Seebeck coefficient.
    auto convert = fromEmf ? std::move(backward) : std::move(forward);
    return {{fromEmf ? "emf_mV" : "t_C", fromEmf ? "t_C" : "emf_mV", "seebeck_uV_per_C"},
            [convert](double x, std::vector<double>& v) {
                const auto [y, slope] = convert(x);
                v.assign({x, y, slope});
                return std::isfinite(y);
            },
            {kG7, kStdShown, kStdShown}};
}

int GivenCount(const auto& values)
{
    int n = 0;
    for (const auto& v : values) n += v ? 1 : 0;
    return n;
}

std::optional<Converter> TypeS(const StdTcArgs& args, bool fromEmf, double cold)
{
    if (args.bModeGiven || GivenCount(args.a) + GivenCount(args.fixed) > 0) {
        Complain("--mode, --a0 .. --a8 and --e1100 .. --e1500 belong to stdtc B");
        return std::nullopt;
    }
    StdSFixedPoints points = args.points;
    if (!args.standards.product.empty()) {
        const std::optional<StandardRecord> record = FindStandard(args.standards, StandardKind::Thermocouple);
        if (!record) return std::nullopt;
        points = {RecordNumber(*record, "Zn"), RecordNumber(*record, "Al"), RecordNumber(*record, "Cu")};
    }
    if (points.zinc == 0.0 || points.aluminium == 0.0 || points.copper == 0.0) {
        Complain("stdtc S needs the emfs at the three fixed points (--zn, --al, --cu)");
        return std::nullopt;
    }
    return WithModel(StdConverter(
        fromEmf,
        [points, cold](double t) {
            const auto page = StdSPageTemperatureToEmf(points, t, cold);
            return page ? std::array{page->result.emf, page->result.slope} : std::array{kNaN, kNaN};
        },
        [points, cold](double e) {
            const auto r = StdSPageEmfToTemperature(points, e, cold);
            return r ? std::array{r->t, r->slope} : std::array{kNaN, kNaN};
        }), StdSModel(points, fromEmf), {cold});
}

std::optional<Converter> TypeB(const StdTcArgs& args, bool fromEmf, double cold)
{
    if (!args.standards.product.empty()) {
        Complain("stdtc B takes its values as options, as its page does, not from the standards file");
        return std::nullopt;
    }
    if (args.points.zinc != 0.0 || args.points.aluminium != 0.0 || args.points.copper != 0.0) {
        Complain("--zn, --al and --cu belong to stdtc S");
        return std::nullopt;
    }
    StdBCalibration calibration;
    calibration.mode = StdBModeNames().at(args.bMode);
    // The mode's values in the page's order: a1..a6, a0..a8, or the five emfs.
    std::vector<std::pair<std::string, std::optional<double>>> wanted;
    if (calibration.mode == StdBMode::FixedPoints) {
        for (std::size_t i = 0; i < args.fixed.size(); ++i) {
            wanted.emplace_back("--e" + std::to_string(static_cast<int>(kStdBFixedPointTemperatures[i])),
                                args.fixed[i]);
        }
    } else {
        const std::size_t first = calibration.mode == StdBMode::LowRange ? 1 : 0;
        for (std::size_t i = first; i < first + static_cast<std::size_t>(StdBValueCount(calibration.mode)); ++i) {
            wanted.emplace_back("--a" + std::to_string(i), args.a[i]);
        }
    }
    std::string missing;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (!wanted[i].second) missing += " " + wanted[i].first;
        calibration.p[i] = wanted[i].second.value_or(0.0);
    }
    // The page converts nothing while a value row is empty.
    if (!missing.empty()) {
        Complain("stdtc B --mode " + args.bMode + " needs" + missing);
        return std::nullopt;
    }
    if (GivenCount(args.a) + GivenCount(args.fixed) != static_cast<int>(wanted.size())) {
        Complain("stdtc B --mode " + args.bMode + " takes only its own values");
        return std::nullopt;
    }
    return WithModel(StdConverter(
        fromEmf,
        [calibration, cold](double t) {
            const StdBReading r = StdBPageTemperatureToEmf(calibration, t, cold);
            return std::array{r.value, r.slope};
        },
        [calibration, cold](double e) {
            const StdBReading r = StdBPageEmfToTemperature(calibration, e, cold);
            return std::array{r.value, r.slope};
        }), StdBModel(calibration, fromEmf), {cold});
}

}  // namespace

void AddStdTc(Program& program, CLI::App& parent, Mode mode)
{
    auto args = std::make_shared<StdTcArgs>();
    CLI::App* cmd = parent.add_subcommand("stdtc", "calibrated standard thermocouple (type S or B): °C <-> mV");
    cmd->add_option("type", args->type, "S or B")
        ->required()
        ->transform(NameChecker(std::vector<std::string>{"S", "B"}, "standard thermocouple type"));
    const auto io = AddTwoWay(*cmd, mode, "--temp", "temperature °C", "--emf", "emf mV");
    AddNumber(*cmd, "--cold", args->cold, "cold junction °C (default 0)", Domain::Temperature);
    AddValue(*cmd, "--zn", args->points.zinc, "S: emf at the zinc point, mV");
    AddValue(*cmd, "--al", args->points.aluminium, "S: emf at the aluminium point, mV");
    AddValue(*cmd, "--cu", args->points.copper, "S: emf at the copper point, mV");
    AddStandardsOptions(*cmd, args->standards);
    cmd->add_option("--mode", args->bMode,
                    "B: low (0 to 630.615 °C, --a1..--a6), high (630.615 to 1820 °C, --a0..--a8) or fixed "
                    "(--e1100..--e1500)")
        ->transform(NameChecker(StdBModeNames(), "type B mode"));
    for (std::size_t i = 0; i < args->a.size(); ++i) {
        AddValue(*cmd, "--a" + std::to_string(i), args->a[i],
                 "B: certificate coefficient of t^" + std::to_string(i) + ", µV/°C^" + std::to_string(i));
    }
    for (std::size_t i = 0; i < args->fixed.size(); ++i) {
        const std::string t = std::to_string(static_cast<int>(kStdBFixedPointTemperatures[i]));
        AddValue(*cmd, "--e" + t, args->fixed[i], "B: emf at " + t + " °C, mV");
    }
    AddLeaf(program, *cmd, mode, [args, io, mode, cmd](bool& fromStdin, std::optional<double>& input) {
        args->bModeGiven = cmd->count("--mode") > 0;
        const bool fromEmf = Direction(*io, mode, fromStdin, input);
        const double cold = args->cold.value.value_or(0.0);
        return args->type == "S" ? TypeS(*args, fromEmf, cold) : TypeB(*args, fromEmf, cold);
    });
}

}  // namespace tmcalc::cli
