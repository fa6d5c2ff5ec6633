// fit pt|cu|ntc|sprt|stdtc: the coefficient calculators. Each writes one row of coefficients as its page
// does (15 digits with 15 decimals).

#include "cli_options.h"
#include "rtd/fits.h"
#include "rtd/rtd_page_math.h"
#include "rtd/sprt.h"
#include "thermistor/ntc_fits.h"
#include "thermocouple/std_type_s.h"

#include <array>
#include <cstdio>
#include <map>
#include <span>

namespace tmcalc::cli {
namespace {

constexpr ShownFormat kCoefficientShown{15, 15};

ResultRow Coefficients(std::vector<std::string> columns, std::vector<double> values)
{
    const std::vector<ShownFormat> formats(values.size(), kCoefficientShown);
    return {std::move(columns), std::move(values), formats};
}

// R0 and three calibration points; the temperatures default to the ones the coefficient grid opens with.
struct RtdFitArgs {
    double r0 = 0.0;
    std::array<FitPoint, 3> points{};
};

void AddRtdFit(Program& program, CLI::App& fit, RtdMetal metal)
{
    const bool platinum = metal == RtdMetal::Platinum;
    auto args = std::make_shared<RtdFitArgs>();
    args->r0 = platinum ? 100.0 : 50.0;
    args->points = platinum ? std::array<FitPoint, 3>{{{-40, 0}, {100, 0}, {300, 0}}}
                            : std::array<FitPoint, 3>{{{100, 0}, {150, 0}, {-10, 0}}};
    CLI::App* cmd = fit.add_subcommand(platinum ? "pt" : "cu",
                                       platinum ? "platinum A, B, C from R0 and a point below and two above 0 °C"
                                                : "copper α, β, γ from R0 and three points");
    AddValue(*cmd, "--r0", args->r0, platinum ? "R0, Ω (default 100)" : "R0, Ω (default 50)", Domain::Positive);
    for (std::size_t i = 0; i < args->points.size(); ++i) {
        FitPoint& p = args->points[i];
        const std::string n = std::to_string(i + 1);
        char t[32];
        std::snprintf(t, sizeof t, "%g", p.t);
        AddValue(*cmd, "--t" + n, p.t, "temperature of point " + n + ", °C (default " + t + ")");
        AddValue(*cmd, "--r" + n, p.r, "resistance at point " + n + ", Ω")->required();
    }
    AddResultLeaf(program, *cmd, [args, platinum]() -> std::optional<ResultRow> {
        const auto& [p1, p2, p3] = args->points;
        const FitStatus status = platinum ? FitPtCoefficients(args->r0, p1, p2, p3).status
                                          : FitCuCoefficients(args->r0, p1, p2, p3).status;
        // The page reads a zero as a cell not filled in.
        if (status == FitStatus::Incomplete) {
            Complain("a zero R0, temperature or resistance is a value not given");
            return std::nullopt;
        }
        if (status == FitStatus::Singular) {
            Complain("the three points do not determine the coefficients");
            return std::nullopt;
        }
        if (platinum) {
            const PtCoefficients k = FitPtCoefficients(args->r0, p1, p2, p3).coefficients;
            return Coefficients({"A", "B", "C"}, {k.a, k.b, k.c});
        }
        const CuCoefficients k = FitCuCoefficients(args->r0, p1, p2, p3).coefficients;
        return Coefficients({"alpha", "beta", "gamma"}, {k.alpha, k.beta, k.gamma});
    });
}

struct NtcFitArgs {
    std::string mode = "beta";
    std::array<std::optional<double>, 3> r{}, t{};
};

void AddNtcFit(Program& program, CLI::App& fit)
{
    auto args = std::make_shared<NtcFitArgs>();
    CLI::App* cmd =
        fit.add_subcommand("ntc", "thermistor β from two points, or Steinhart-Hart A, B, C from three");
    cmd->add_option("--mode", args->mode, "beta (default) or sh")->check(CLI::IsMember({"beta", "sh"}));
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i + 1);
        AddValue(*cmd, "--r" + n, args->r[i], "resistance at point " + n + ", Ω");
        AddValue(*cmd, "--t" + n, args->t[i], "temperature of point " + n + ", °C");
    }
    AddResultLeaf(program, *cmd, [args]() -> std::optional<ResultRow> {
        const bool sh = args->mode == "sh";
        std::array<std::optional<FitPoint>, 3> points;
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (args->r[i] && args->t[i]) points[i] = FitPoint{*args->t[i], *args->r[i]};
        }
        if (!sh && (args->r[2] || args->t[2])) {
            Complain("fit ntc --mode beta takes two points");
            return std::nullopt;
        }
        if (sh) {
            if (const auto k = FitNtcSteinhartHart(points[0], points[1], points[2]))
                return Coefficients({"A", "B", "C"}, {k->a, k->b, k->c});
        } else if (const auto beta = FitNtcBeta(points[0], points[1])) {
            return Coefficients({"beta"}, {*beta});
        }
        Complain(std::string("fit ntc --mode ") + args->mode + " needs " + (sh ? "three" : "two") +
                 " points (--rN and --tN) with non-zero resistances");
        return std::nullopt;
    });
}

// The fixed points by the option that takes the resistance measured there.
const std::map<SprtFixedPointId, std::string>& SprtPointOptions()
{
    static const std::map<SprtFixedPointId, std::string> options{
        {SprtFixedPointId::Argon, "--ar"},    {SprtFixedPointId::Mercury, "--hg"},
        {SprtFixedPointId::Gallium, "--ga"},  {SprtFixedPointId::Indium, "--in"},
        {SprtFixedPointId::Tin, "--sn"},      {SprtFixedPointId::Zinc, "--zn"},
        {SprtFixedPointId::Aluminium, "--al"}};
    return options;
}

struct SprtFitArgs {
    std::string range = "-200~660";  // the range the coefficient page opens with
    std::optional<double> rtp;
    std::map<SprtFixedPointId, std::optional<double>> r;
};

void AddSprtFit(Program& program, CLI::App& fit)
{
    auto args = std::make_shared<SprtFitArgs>();
    CLI::App* cmd = fit.add_subcommand("sprt", "SPRT deviation coefficients from the fixed points of a range");
    cmd->add_option("--range", args->range,
                    "calibration range \"low~high\", °C (default -200~660): the groups fitted");
    AddValue(*cmd, "--rtp", args->rtp, "resistance at the triple point of water, Ω", Domain::Positive)->required();
    for (const auto& [id, option] : SprtPointOptions()) {
        AddValue(*cmd, option, args->r[id], "resistance at the " + option.substr(2) + " point, Ω");
    }
    AddResultLeaf(program, *cmd, [args]() -> std::optional<ResultRow> {
        const SprtRangeCodes codes = SprtRangeClasses(Widen(args->range));
        const SprtFixedPointRows rows = SprtFixedPoints(codes);
        const int count = rows.upper_count + rows.lower_count;
        if (count == 0) {
            Complain("the range '" + args->range + "' selects no deviation group");
            return std::nullopt;
        }
        std::array<double, 5> r{};
        std::string missing;
        for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
            const std::optional<double>& given = args->r[rows.points[i].id];
            if (!given) missing += " " + SprtPointOptions().at(rows.points[i].id);
            r[i] = given.value_or(0.0);
        }
        if (!missing.empty()) {
            Complain("the range '" + args->range + "' needs" + missing);
            return std::nullopt;
        }
        ResultRow out;
        const auto add = [&out](const SprtGroupInfo& group, const SprtFit& groupFit) {
            for (std::size_t i = 0; i < static_cast<std::size_t>(group.coefficient_count); ++i) {
                out.columns.emplace_back(group.names[i]);
                out.values.push_back(groupFit.coefficients[i]);
                out.formats.push_back(kCoefficientShown);
            }
        };
        const auto upperCount = static_cast<std::size_t>(rows.upper_count);
        if (upperCount > 0) {
            add(SprtUpperGroup(codes.upper),
                FitSprtUpper(codes.upper, *args->rtp, std::span<const double>(r.data(), upperCount)));
        }
        if (rows.lower_count > 0) {
            add(SprtLowerGroup(codes.lower),
                FitSprtLower(codes.lower, *args->rtp, r[upperCount], r[upperCount + 1]));
        }
        return out;
    });
}

// The type S calculator: the deviation a, b, c from the emfs at the three fixed points.
struct StdSFitArgs {
    StdSFixedPoints points;
    StandardsChoice standards;
};

void AddStdSFit(Program& program, CLI::App& fit)
{
    auto args = std::make_shared<StdSFitArgs>();
    CLI::App* cmd = fit.add_subcommand("stdtc", "type S standard: deviation a, b, c from its emfs at Zn, Al, Cu");
    AddValue(*cmd, "--zn", args->points.zinc, "emf at the zinc point, mV");
    AddValue(*cmd, "--al", args->points.aluminium, "emf at the aluminium point, mV");
    AddValue(*cmd, "--cu", args->points.copper, "emf at the copper point, mV");
    AddStandardsOptions(*cmd, args->standards);
    AddResultLeaf(program, *cmd, [args]() -> std::optional<ResultRow> {
        StdSFixedPoints p = args->points;
        if (!args->standards.product.empty()) {
            const std::optional<StandardRecord> record = FindStandard(args->standards, StandardKind::Thermocouple);
            if (!record) return std::nullopt;
            p = {RecordNumber(*record, "Zn"), RecordNumber(*record, "Al"), RecordNumber(*record, "Cu")};
        }
        // The calculator shows nothing until all three are non-zero.
        if (p.zinc == 0.0 || p.aluminium == 0.0 || p.copper == 0.0) {
            Complain("fit stdtc needs non-zero --zn, --al and --cu (or --product)");
            return std::nullopt;
        }
        const SDeviation d = SDeviationFromFixedPoints(p.zinc, p.aluminium, p.copper, SDeviationVariant::Rounded);
        return Coefficients({"a", "b", "c"}, {d.a, d.b, d.c});
    });
}

}  // namespace

void AddFit(Program& program, CLI::App& parent)
{
    CLI::App* fit = parent.add_subcommand("fit", "coefficients from calibration points (the coefficient pages)");
    fit->require_subcommand(1);
    AddRtdFit(program, *fit, RtdMetal::Platinum);
    AddRtdFit(program, *fit, RtdMetal::Copper);
    AddNtcFit(program, *fit);
    AddSprtFit(program, *fit);
    AddStdSFit(program, *fit);
}

}  // namespace tmcalc::cli
