// fit pt|cu|ntc|sprt|stdtc: the coefficient calculators. Each writes one row of coefficients as its page
// does (15 digits with 15 decimals). With --points FILE each fits any number of points from a CSV by least
// squares instead, and writes the coefficients with their uncertainties, or with --residuals one row per
// point.

#include "cli_options.h"
#include "framework/point_fit.h"
#include "rtd/fits.h"
#include "rtd/rtd_page_math.h"
#include "rtd/sprt.h"
#include "rtd/sprt_fits.h"
#include "thermistor/ntc_fits.h"
#include "thermocouple/deviation_fit.h"
#include "thermocouple/std_type_s.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
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

// --points FILE (or '-', stdin): a CSV whose header line names the columns; the temperature is `t_C`, the
// measured value `r_ohm` or `emf_mV`, found by name wherever they stand. --residuals writes one row per
// point instead of the coefficients.
struct PointsArgs {
    std::string file;
    bool given = false;
    bool residuals = false;
};

// Adds --points and --residuals. The options of the exact fit's points are refused beside --points, and
// those that are required without it are not with it.
std::shared_ptr<PointsArgs> AddPointsOptions(CLI::App& cmd, const std::string& measured,
                                             const std::vector<CLI::Option*>& exact)
{
    auto args = std::make_shared<PointsArgs>();
    CLI::Option* points = cmd.add_option_function<std::string>(
        "--points",
        [args, exact](const std::string& file) {
            args->file = file;
            args->given = true;
            for (CLI::Option* option : exact) option->required(false);
        },
        "least squares over the points of a CSV file ('-': stdin) with a header line naming t_C and " +
            measured);
    for (CLI::Option* option : exact) points->excludes(option);
    cmd.add_flag("--residuals", args->residuals, "with --points: one row per point with its residual_mK")
        ->needs(points);
    return args;
}

struct PointRows {
    std::vector<FitPoint> points;
    std::vector<std::size_t> lines;  // each point's line in the file, from 1
};

std::vector<std::string> CsvCells(std::string line)
{
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        std::string cell = line.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const std::size_t first = cell.find_first_not_of(" \t");
        const std::size_t last = cell.find_last_not_of(" \t");
        cell = first == std::string::npos ? std::string() : cell.substr(first, last - first + 1);
        if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"') cell = cell.substr(1, cell.size() - 2);
        cells.push_back(cell);
        if (comma == std::string::npos) return cells;
        start = comma + 1;
    }
}

// The points of the file; a file that cannot be read or lacks a column is a usage error (exit 2), a cell
// that holds no number a failed value (exit 1), both thrown as ValueError. Blank lines are skipped.
PointRows ReadPoints(const std::string& file, const std::string& measured)
{
    std::ifstream stream;
    if (file != "-") {
        stream.open(file, std::ios::binary);
        if (!stream) throw ValueError{"--points: cannot read '" + file + "'", kExitUsage};
    }
    std::istream& in = file == "-" ? std::cin : stream;
    const std::string name = file == "-" ? std::string("stdin") : "'" + file + "'";
    std::string line;
    std::size_t lineNumber = 0;
    std::vector<std::string> header;
    while (header.empty() && std::getline(in, line)) {
        ++lineNumber;
        if (lineNumber == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);  // a byte order mark
        if (line.find_first_not_of(" \t\r") != std::string::npos) header = CsvCells(line);
    }
    const auto column = [&](const std::string& wanted) {
        const auto found = std::find(header.begin(), header.end(), wanted);
        if (found == header.end())
            throw ValueError{"--points: " + name + " has no column '" + wanted + "' in its header line", kExitUsage};
        return static_cast<std::size_t>(found - header.begin());
    };
    const std::size_t tColumn = column("t_C");
    const std::size_t xColumn = column(measured);
    PointRows rows;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        const std::vector<std::string> cells = CsvCells(line);
        const auto value = [&](std::size_t index, const std::string& what) {
            const std::string text = index < cells.size() ? cells[index] : std::string();
            const std::optional<double> number = ReadNumber(text);
            if (!number || !std::isfinite(*number)) {
                throw ValueError{"--points: line " + std::to_string(lineNumber) + ", " + what + ": '" + text +
                                     "' is not a number",
                                 kExitFailedValues};
            }
            return *number;
        };
        rows.points.push_back({value(tColumn, "t_C"), value(xColumn, measured)});
        rows.lines.push_back(lineNumber);
    }
    if (in.bad()) throw ValueError{"--points: cannot read " + name, kExitUsage};
    return rows;
}

std::string JoinNames(const std::vector<std::string>& names)
{
    std::string joined;
    for (const std::string& n : names) joined += (joined.empty() ? "" : ", ") + n;
    return joined;
}

// The row (or rows) of a least-squares fit; empty, with the message written, when it has no result.
// `order[k]` is the point (of `rows`) that residual k belongs to; a point with none shows an empty cell.
std::optional<ResultRow> PointsResult(const PointFit& fit, const std::vector<std::string>& names,
                                      const PointRows& rows, const std::string& measured, bool residuals,
                                      const std::vector<std::size_t>& order)
{
    const std::string coefficients = JoinNames(names);
    switch (fit.problem) {
    case PointFitProblem::None: break;
    case PointFitProblem::TooFewPoints:
        Complain("--points: too few points for " + coefficients + " (" + std::to_string(rows.points.size()) +
                 " given)");
        return std::nullopt;
    case PointFitProblem::RepeatedPoints:
        Complain("--points: too few different points for " + coefficients + " (points repeat)");
        return std::nullopt;
    case PointFitProblem::Singular:
        Complain("--points: the points do not determine " + coefficients);
        return std::nullopt;
    case PointFitProblem::BadPoint: {
        const std::size_t k = static_cast<std::size_t>(fit.point);
        if (fit.point < 0 || k >= order.size()) throw ValueError{"--points: a given value cannot be fitted", kExitUsage};
        const std::size_t i = order[k];
        throw ValueError{"--points: line " + std::to_string(rows.lines[i]) + ": the fit cannot take t_C " +
                             NumberText(rows.points[i].t, {}) + ", " + measured + " " +
                             NumberText(rows.points[i].r, {}),
                         kExitFailedValues};
    }
    }
    ResultRow out;
    out.nanIsEmpty = true;
    if (residuals) {
        out.columns = {"t_C", measured, "residual_mK"};
        std::vector<double> residual(rows.points.size(), kNaN);
        // A point that serves two groups keeps the first group's residual.
        for (std::size_t k = fit.residualsMk.size(); k-- > 0;) residual[order[k]] = fit.residualsMk[k];
        for (std::size_t i = 0; i < rows.points.size(); ++i) {
            std::vector<double> values{rows.points[i].t, rows.points[i].r, residual[i]};
            if (i == 0) {
                out.values = std::move(values);
            } else {
                out.more.push_back(std::move(values));
            }
        }
        return out;
    }
    for (std::size_t j = 0; j < names.size(); ++j) {
        out.columns.push_back(names[j]);
        out.values.push_back(fit.coefficients[j]);
        out.formats.push_back(kCoefficientShown);
    }
    for (std::size_t j = 0; j < names.size(); ++j) {
        out.columns.push_back("u_" + names[j]);
        out.values.push_back(fit.uncertainties.empty() ? kNaN : fit.uncertainties[j]);
        out.formats.push_back(kG7);  // a fixed number of decimals would leave u_C of platinum a single digit
    }
    out.columns.emplace_back("residual_sd_mK");
    out.values.push_back(fit.residualSdMk);
    return out;
}

// The points in the order they were given.
std::vector<std::size_t> InOrder(std::size_t count)
{
    std::vector<std::size_t> order(count);
    for (std::size_t i = 0; i < count; ++i) order[i] = i;
    return order;
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
    std::vector<CLI::Option*> exact;
    for (std::size_t i = 0; i < args->points.size(); ++i) {
        FitPoint& p = args->points[i];
        const std::string n = std::to_string(i + 1);
        char t[32];
        std::snprintf(t, sizeof t, "%g", p.t);
        exact.push_back(AddValue(*cmd, "--t" + n, p.t, "temperature of point " + n + ", °C (default " + t + ")"));
        exact.push_back(AddValue(*cmd, "--r" + n, p.r, "resistance at point " + n + ", Ω")->required());
    }
    const auto fromFile = AddPointsOptions(*cmd, "r_ohm", exact);
    AddResultLeaf(program, *cmd, [args, platinum, fromFile]() -> std::optional<ResultRow> {
        if (fromFile->given) {
            const PointRows rows = ReadPoints(fromFile->file, "r_ohm");
            const PointFit result = platinum ? FitPtPoints(args->r0, rows.points) : FitCuPoints(args->r0, rows.points);
            return PointsResult(result, platinum ? std::vector<std::string>{"A", "B", "C"}
                                              : std::vector<std::string>{"alpha", "beta", "gamma"},
                                rows, "r_ohm", fromFile->residuals, InOrder(rows.points.size()));
        }
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
    cmd->add_option("--mode", args->mode, "beta (default), sh, or with --points also ext (A, B, C, D)")
        ->check(CLI::IsMember({"beta", "sh", "ext"}));
    std::vector<CLI::Option*> exact;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i + 1);
        exact.push_back(AddValue(*cmd, "--r" + n, args->r[i], "resistance at point " + n + ", Ω"));
        exact.push_back(AddValue(*cmd, "--t" + n, args->t[i], "temperature of point " + n + ", °C"));
    }
    const auto fromFile = AddPointsOptions(*cmd, "r_ohm", exact);
    AddResultLeaf(program, *cmd, [args, fromFile]() -> std::optional<ResultRow> {
        if (fromFile->given) {
            const PointRows rows = ReadPoints(fromFile->file, "r_ohm");
            const bool beta = args->mode == "beta";
            const PointFit result = beta                 ? FitNtcBetaPoints(rows.points)
                                 : args->mode == "sh" ? FitNtcShPoints(rows.points)
                                                      : FitNtcShxPoints(rows.points);
            const std::vector<std::string> names = beta                 ? std::vector<std::string>{"beta", "R25"}
                                                   : args->mode == "sh" ? std::vector<std::string>{"A", "B", "C"}
                                                                        : std::vector<std::string>{"A", "B", "C", "D"};
            return PointsResult(result, names, rows, "r_ohm", fromFile->residuals, InOrder(rows.points.size()));
        }
        if (args->mode == "ext") {
            Complain("fit ntc --mode ext fits from --points only");
            return std::nullopt;
        }
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

// The points of one list go to the groups of the range that serve them; the residual rows follow the list.
std::optional<ResultRow> SprtPointsResult(const SprtFitArgs& args, SprtRangeCodes codes, const PointsArgs& points)
{
    const PointRows rows = ReadPoints(points.file, "r_ohm");
    const SprtPointSplit split = SprtSplitPoints(codes, rows.points);
    if (!split.outside.empty()) {
        throw ValueError{"--points: line " + std::to_string(rows.lines[split.outside.front()]) +
                             " lies outside the deviation groups of the range '" + args.range + "'",
                         kExitFailedValues};
    }
    std::vector<std::string> names;
    for (const SprtGroupInfo* group : {&SprtUpperGroup(codes.upper), &SprtLowerGroup(codes.lower)}) {
        for (int i = 0; i < group->coefficient_count; ++i) names.emplace_back(group->names[static_cast<std::size_t>(i)]);
    }
    std::vector<std::size_t> order = split.upperIndex;
    order.insert(order.end(), split.lowerIndex.begin(), split.lowerIndex.end());
    return PointsResult(FitSprtPoints(codes, *args.rtp, split.upper, split.lower), names, rows, "r_ohm",
                        points.residuals, order);
}

void AddSprtFit(Program& program, CLI::App& fit)
{
    auto args = std::make_shared<SprtFitArgs>();
    CLI::App* cmd = fit.add_subcommand("sprt", "SPRT deviation coefficients from the fixed points of a range");
    cmd->add_option("--range", args->range,
                    "calibration range \"low~high\", °C (default -200~660): the groups fitted");
    AddValue(*cmd, "--rtp", args->rtp, "resistance at the triple point of water, Ω", Domain::Positive)->required();
    std::vector<CLI::Option*> exact;
    for (const auto& [id, option] : SprtPointOptions()) {
        exact.push_back(AddValue(*cmd, option, args->r[id], "resistance at the " + option.substr(2) + " point, Ω"));
    }
    const auto fromFile = AddPointsOptions(*cmd, "r_ohm", exact);
    AddResultLeaf(program, *cmd, [args, fromFile]() -> std::optional<ResultRow> {
        const SprtRangeCodes codes = SprtRangeClasses(Widen(args->range));
        const SprtFixedPointRows rows = SprtFixedPoints(codes);
        const int count = rows.upper_count + rows.lower_count;
        if (count == 0) {
            Complain("the range '" + args->range + "' selects no deviation group");
            return std::nullopt;
        }
        if (fromFile->given) return SprtPointsResult(*args, codes, *fromFile);
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
    std::vector<CLI::Option*> exact{cmd->get_option("--zn"), cmd->get_option("--al"), cmd->get_option("--cu"),
                                    cmd->get_option("--product")};
    const auto fromFile = AddPointsOptions(*cmd, "emf_mV", exact);
    AddResultLeaf(program, *cmd, [args, fromFile]() -> std::optional<ResultRow> {
        if (fromFile->given) {
            const PointRows rows = ReadPoints(fromFile->file, "emf_mV");
            return PointsResult(FitStdSDeviationPoints(rows.points), {"a", "b", "c"}, rows, "emf_mV",
                                fromFile->residuals, InOrder(rows.points.size()));
        }
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
