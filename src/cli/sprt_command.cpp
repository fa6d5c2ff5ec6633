// sprt: a standard platinum resistance thermometer on ITS-90 with its deviation coefficients (by their
// record keys a4 ... a11), from options, from a standard or from an ITS-90 Compact string (--qt90), as the
// SPRT conversion page converts; --export qt90 writes the thermometer as such strings instead.

#include "cli_options.h"
#include "rtd/rtd_uncertainty.h"
#include "rtd/qt90.h"
#include "rtd/sprt.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <map>

namespace tmcalc::cli {
namespace {

struct SprtArgs {
    std::string range = "-189.344~660.23";  // the range the page opens with
    std::optional<double> rtp;
    std::map<std::string, double> coefficients;
    StandardsChoice standards;
    std::string qt90;        // one string, or several separated by line feeds (an upper and a lower group)
    std::string exportAs;    // "qt90": write the thermometer's strings, convert nothing
};

// t and R with 10 digits, W and the slopes with 7, all with 7 decimals.
constexpr ShownFormat kSprtValue{10, 7};
constexpr ShownFormat kSprtRatio{7, 7};

Converter SprtConverter(const SprtCoefficientSet& set, double rtp, bool fromRes)
{
    const auto fill = [](const std::optional<SprtConversion>& c, double in, bool resFirst,
                         std::vector<double>& v) {
        const SprtConversion x = c.value_or(SprtConversion{kNaN, kNaN, kNaN, kNaN, kNaN});
        v.assign({in, resFirst ? x.t : x.r, x.w, x.dw_dt, x.dr_dt});
        return std::isfinite(v[1]);
    };
    const std::vector<ShownFormat> formats{kG7, kSprtValue, kSprtRatio, kSprtRatio, kSprtRatio};
    if (fromRes) {
        return {{"r_ohm", "t_C", "W", "dW_dt_per_C", "dR_dt_ohm_per_C"},
                [set, rtp, fill](double r, std::vector<double>& v) {
                    return fill(SprtFromResistance(set, rtp, r), r, true, v);
                },
                formats};
    }
    return {{"t_C", "r_ohm", "W", "dW_dt_per_C", "dR_dt_ohm_per_C"},
            [set, rtp, fill](double t, std::vector<double>& v) {
                return fill(SprtFromTemperature(set, rtp, t), t, false, v);
            },
            formats};
}

}  // namespace

void AddSprt(Program& program, CLI::App& parent, Mode mode)
{
    auto args = std::make_shared<SprtArgs>();
    CLI::App* cmd = parent.add_subcommand("sprt", "standard platinum resistance thermometer on ITS-90");
    const auto io = AddTwoWay(*cmd, mode, "--temp", "temperature °C", "--res", "resistance Ω");
    cmd->add_option("--range", args->range, "calibration range \"low~high\", °C (selects the deviation groups)");
    AddValue(*cmd, "--rtp", args->rtp, "resistance at the triple point of water, Ω", Domain::Positive);
    for (const char* key : {"a4", "b4", "a5", "b5", "a7", "b7", "c7", "a8", "b8", "a9", "b9", "a10", "a11"}) {
        AddValue(*cmd, std::string("--") + key, args->coefficients[key],
                 std::string("deviation coefficient ") + key);
    }
    AddStandardsOptions(*cmd, args->standards);
    CLI::Option* qt90 = cmd->add_option(
        "--qt90", args->qt90, "an ITS-90 Compact certificate \"qt90://...\" in place of --range, --rtp and the coefficients");
    for (const char* other : {"--range", "--rtp", "--product"}) {
        if (CLI::Option* option = cmd->get_option_no_throw(other)) qt90->excludes(option);
    }
    if (mode == Mode::Convert) {
        cmd->add_option("--export", args->exportAs, "write the thermometer in this form and convert nothing: qt90")
            ->check(CLI::IsMember({"qt90"}));
    }
    AddLeaf(program, *cmd, mode, [args, io, mode](bool& fromStdin, std::optional<double>& input) {
        std::u16string range = Widen(args->range);
        double rtp = args->rtp.value_or(0.0);
        if (!args->qt90.empty()) {
            const Qt90ThermometerRead read = ThermometerFromQt90(args->qt90);
            if (!read.thermometer) {
                Complain("--qt90: " + Qt90ErrorText(read.error, Language::English));
                return std::optional<Converter>();
            }
            range = Widen(Qt90RangeText(read.thermometer->codes));
            rtp = read.thermometer->rtp;
            const SprtGroupInfo& up = SprtUpperGroup(read.thermometer->codes.upper);
            for (int i = 0; i < up.coefficient_count; ++i)
                args->coefficients[std::string(up.names[static_cast<std::size_t>(i)])] =
                    read.thermometer->upper[static_cast<std::size_t>(i)];
            const SprtGroupInfo& low = SprtLowerGroup(read.thermometer->codes.lower);
            for (int i = 0; i < low.coefficient_count; ++i)
                args->coefficients[std::string(low.names[static_cast<std::size_t>(i)])] =
                    read.thermometer->lower[static_cast<std::size_t>(i)];
        }
        std::optional<StandardRecord> record;
        if (!args->standards.product.empty()) {
            record = FindStandard(args->standards, StandardKind::Resistor);
            if (!record) return std::optional<Converter>();
            range = Widen(record->Value("TempRange"));
            rtp = RecordNumber(*record, "Rtp");
        }
        const auto value = [&](std::string_view name) {
            if (record) return RecordNumber(*record, name);
            const auto it = args->coefficients.find(std::string(name));
            return it == args->coefficients.end() ? 0.0 : it->second;
        };
        const SprtRangeCodes codes = SprtRangeClasses(range);
        std::array<double, 3> upper{};
        std::array<double, 2> lower{};
        const SprtGroupInfo& up = SprtUpperGroup(codes.upper);
        for (std::size_t i = 0; i < static_cast<std::size_t>(up.coefficient_count); ++i)
            upper[i] = value(up.names[i]);
        const SprtGroupInfo& low = SprtLowerGroup(codes.lower);
        for (std::size_t i = 0; i < static_cast<std::size_t>(low.coefficient_count); ++i)
            lower[i] = value(low.names[i]);
        SprtCoefficientSet set = SprtSetFromGroups(codes, upper, lower);
        // Given on the command line, a 0 is a coefficient: with every coefficient of the range's groups
        // given, the groups apply as given (all 0: the ideal thermometer, W = Wr).
        const auto given = [&](const SprtGroupInfo& group) {
            for (std::size_t i = 0; i < static_cast<std::size_t>(group.coefficient_count); ++i)
                if (!args->coefficients.contains(std::string(group.names[i]))) return false;
            return true;
        };
        set.zeroIsValue = !record && given(up) && given(low);
        if (rtp <= 0.0 || !SprtHasCompleteGroup(set)) {
            Complain("sprt needs --rtp and a complete deviation group for the range");
            return std::optional<Converter>();
        }
        if (!args->exportAs.empty()) {
            // The strings the thermometer came from go out with all their points while they still match.
            const std::string stored = !args->qt90.empty() ? Qt90StoredText(ThermometerFromQt90(args->qt90).certificates)
                                       : record               ? record->Value("Qt90")
                                                              : std::string();
            const std::vector<std::string> lines = Qt90StringsOf({rtp, codes, upper, lower}, stored);
            for (const std::string& line : lines) std::cout << line << '\n';
            std::cout.flush();
            std::exit(lines.empty() ? kExitUsage : kExitOk);  // nothing to convert
        }
        const bool fromRes = Direction(*io, mode, fromStdin, input);
        Converter converter = WithModel(SprtConverter(set, rtp, fromRes), SprtModel(set, fromRes), {rtp});
        // A standard's certificate gives u(R(TPW)) unless --u rtp says otherwise.
        if (const std::optional<double> u = record ? CertificateStandardUncertainty(*record) : std::nullopt)
            converter.uncertainty->defaultU = {0.0, *u};
        return std::optional<Converter>(converter);
    });
}

}  // namespace tmcalc::cli
