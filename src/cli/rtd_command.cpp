// rtd KIND: working resistance thermometers, temperature (°C) <-> resistance (Ω), as the sensor and nickel
// sub-pages convert.

#include "cli_options.h"
#include "rtd/copper.h"
#include "rtd/nickel.h"
#include "rtd/platinum.h"
#include "rtd/rtd_page_math.h"
#include "rtd/rtd_uncertainty.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tmcalc::cli {
namespace {

struct RtdKind {
    std::string name;
    int page = -1;         // index into kRtdSensorPages, or -1 for nickel
    int nickelPreset = 0;  // 1-4 for a nickel preset, 0 for nickel with its own coefficients
};

const std::vector<RtdKind>& RtdKinds()
{
    static const std::vector<RtdKind> kinds{{"pt100", 0, 0},  {"pt50", 1, 0},   {"ptx", 2, 0},    {"cu100", 3, 0},
                                            {"cu50", 4, 0},   {"ni-nd", -1, 1}, {"ni-nl", -1, 2}, {"ni-nj", -1, 3},
                                            {"ni-na", -1, 4}, {"ni", -1, 0}};
    return kinds;
}

// The nickel page has no range of its own and writes its outputs with 7 digits and 7 decimals.
constexpr ShownFormat kNickelShown{7, 7};

Converter NickelConverter(bool fromResistance, double r0, NiCoefficients k)
{
    if (!fromResistance) {
        return {{"t_C", "r_ohm", "slope_ohm_per_C"},
                [k, r0](double t, std::vector<double>& v) {
                    v.assign({t, NiResistance(t, r0, k), NiSlope(t, r0, k)});
                    return std::isfinite(v[1]);
                },
                {kG7, kNickelShown, kNickelShown}};
    }
    return {{"r_ohm", "t_C", "slope_ohm_per_C"},
            [k, r0](double r, std::vector<double>& v) {
                const double t = NiTemperature(r, r0, k);
                v.assign({r, t, NiSlope(t, r0, k)});
                return std::isfinite(t);
            },
            {kG7, kNickelShown, kNickelShown}};
}

// Platinum and copper: the numbers inside the range the page screens with, and the page's own texts
// (rounding to 0.1 mΩ, the literal "0.0" at the ice point).
Converter SensorConverter(const RtdSensorPage& page, bool fromResistance, double r0)
{
    const bool platinum = page.metal == RtdMetal::Platinum;
    if (!fromResistance) {
        return {{"t_C", "r_ohm", "slope_ohm_per_C"},
                [platinum, r0](double t, std::vector<double>& v) {
                    const double low = platinum ? kPtStandard.t_min : kCuStandard.t_min;
                    const double high = platinum ? kPtStandard.t_max : kCuStandard.t_max;
                    const bool inside = t >= low && t <= high;
                    const double r = !inside ? kNaN : platinum ? PtResistance(t, r0) : CuResistance(t, r0);
                    const double slope = !inside ? kNaN : platinum ? PtSlope(t, r0) : CuSlope(t, r0);
                    v.assign({t, r, slope});
                    return std::isfinite(r);
                },
                {},
                [metal = page.metal, r0](double t, std::vector<std::string>& shown) {
                    const RtdShownTexts texts = RtdTextsFromTemperature(metal, t, r0);
                    shown = {FormatValueG7(t), texts.value, texts.slope};
                }};
    }
    return {{"r_ohm", "t_C", "slope_ohm_per_C"},
            [platinum, range = page.ptRange, r0](double r, std::vector<double>& v) {
                // The ice point is exactly 0 (the page writes "0.0"), also where r / r0 is no number.
                const double computed = r == r0 ? 0.0 : platinum ? PtTemperature(r, r0) : CuTemperature(r, r0);
                const double t = r == r0    ? 0.0
                                 : platinum ? ScreenPtTemperature(computed, range)
                                            : ScreenCuTemperature(computed);
                v.assign({r, t, platinum ? PtSlope(computed, r0) : CuSlope(computed, r0)});
                return std::isfinite(t);
            },
            {},
            [page, r0](double r, std::vector<std::string>& shown) {
                const RtdShownTexts texts = RtdTextsFromResistance(page, r, r0);
                shown = {FormatValueG7(r), texts.value, texts.slope};
            }};
}

struct RtdArgs {
    std::string kind;
    NumberOption r0;
    std::array<std::optional<double>, 6> c{};  // --a .. --f: the nickel page's c1 .. c6
};

}  // namespace

void AddRtd(Program& program, CLI::App& parent, Mode mode)
{
    auto args = std::make_shared<RtdArgs>();
    CLI::App* rtd =
        parent.add_subcommand("rtd", "working resistance thermometer: temperature (°C) <-> resistance (Ω)");
    std::vector<std::string> names;
    for (const RtdKind& kind : RtdKinds()) names.push_back(kind.name);
    rtd->add_option(
           "kind", args->kind,
           "pt100, pt50, ptx (with --r0), cu100, cu50, ni-nd, ni-nl, ni-nj, ni-na, ni (with --r0 and --a..--f)")
        ->required()
        ->transform(NameChecker(names, "resistance thermometer"));
    const auto io = AddTwoWay(*rtd, mode, "--temp", "temperature °C", "--res", "resistance Ω");
    AddNumber(*rtd, "--r0", args->r0, "ice-point resistance Ω (ptx, ni: required; others: the sensor's own)",
              Domain::Positive);
    // The nickel page labels its coefficients "A =" to "F =": W = 1 + A t + B t² + ... + F t⁶.
    for (std::size_t i = 0; i < args->c.size(); ++i) {
        const std::string letter(1, static_cast<char>('a' + i));
        AddValue(*rtd, "--" + letter, args->c[i], "ni: coefficient of t^" + std::to_string(i + 1));
    }
    AddLeaf(program, *rtd, mode, [args, io, mode](bool& fromStdin, std::optional<double>& input) {
        const RtdKind& kind = *std::find_if(RtdKinds().begin(), RtdKinds().end(),
                                            [&](const RtdKind& k) { return k.name == args->kind; });
        const bool custom = kind.page < 0 && kind.nickelPreset == 0;
        const bool anyCoefficient =
            std::any_of(args->c.begin(), args->c.end(), [](const auto& c) { return c.has_value(); });
        if (anyCoefficient && !custom) {
            Complain("--a .. --f belong to rtd ni; rtd " + kind.name + " has its own");
            return std::optional<Converter>();
        }
        const bool fromRes = Direction(*io, mode, fromStdin, input);
        if (kind.page < 0) {
            NiCoefficients k;
            double r0 = 0.0;
            if (custom) {
                const auto c = [&](std::size_t i) { return args->c[i].value_or(0.0); };
                k = {c(0), c(1), c(2), c(3), c(4), c(5)};
                r0 = args->r0.value.value_or(0.0);
            } else {
                k = NickelPreset(kind.nickelPreset)->k;
                r0 = args->r0.value.value_or(NickelPreset(kind.nickelPreset)->r0);
            }
            // As on the page, a zero R0, A or B is a value not filled in.
            if (!NiParametersEntered(r0, k)) {
                Complain("rtd " + kind.name + " needs a non-zero --r0, --a and --b");
                return std::optional<Converter>();
            }
            return std::optional<Converter>(WithModel(NickelConverter(fromRes, r0, k), NickelModel(k, fromRes), {r0}));
        }
        const RtdSensorPage& page = kRtdSensorPages[static_cast<std::size_t>(kind.page)];
        double r0 = 0.0;
        if (kind.name == "ptx") {
            if (!args->r0.value) {
                Complain("rtd ptx needs --r0");
                return std::optional<Converter>();
            }
            r0 = *args->r0.value;
        } else {
            if (args->r0.value) {
                Complain("rtd " + kind.name + " has a fixed R0; use ptx for another");
                return std::optional<Converter>();
            }
            r0 = ReadNumber(page.r0Text).value_or(0.0);
        }
        return std::optional<Converter>(
            WithModel(SensorConverter(page, fromRes, r0),
                      fromRes ? RtdFromResistanceModel(page) : RtdFromTemperatureModel(page.metal), {r0}));
    });
}

}  // namespace tmcalc::cli
