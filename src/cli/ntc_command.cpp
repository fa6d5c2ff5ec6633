// ntc: an NTC thermistor, resistance (Ω) <-> temperature (°C), as the thermistor conversion page converts.

#include "cli_options.h"
#include "thermistor/ntc_uncertainty.h"
#include "thermistor/ntc_page_math.h"

#include <cmath>

namespace tmcalc::cli {
namespace {

struct NtcArgs {
    std::string mode = "beta";
    NtcPanelValues values;
    StandardsChoice standards;
};

double NanIfEmpty(std::optional<double> value)
{
    return value ? *value : kNaN;
}

}  // namespace

void AddNtc(Program& program, CLI::App& parent, Mode mode)
{
    auto args = std::make_shared<NtcArgs>();
    CLI::App* cmd = parent.add_subcommand("ntc", "NTC thermistor: resistance (Ω) <-> temperature (°C)");
    const auto io = AddTwoWay(*cmd, mode, "--res", "resistance Ω", "--temp", "temperature °C");
    cmd->add_option("--mode", args->mode, "beta (default), sh (Steinhart-Hart) or ext (extended)")
        ->check(CLI::IsMember({"beta", "sh", "ext"}));
    AddValue(*cmd, "--r25", args->values.r25, "beta mode: resistance at 25 °C, Ω", Domain::Positive);
    AddValue(*cmd, "--beta", args->values.beta, "beta mode: β, K");
    AddValue(*cmd, "-A,--A", args->values.a, "Steinhart-Hart / extended A");
    AddValue(*cmd, "-B,--B", args->values.b, "Steinhart-Hart / extended B");
    AddValue(*cmd, "-C,--C", args->values.c, "Steinhart-Hart / extended C");
    AddValue(*cmd, "-D,--D", args->values.d, "extended D");
    AddStandardsOptions(*cmd, args->standards);
    AddLeaf(program, *cmd, mode, [args, io, mode](bool& fromStdin, std::optional<double>& input) {
        NtcMode ntcMode = args->mode == "sh"    ? NtcMode::SteinhartHart
                          : args->mode == "ext" ? NtcMode::Extended
                                                : NtcMode::Beta;
        NtcPanelValues values = args->values;
        std::optional<StandardRecord> record;
        if (!args->standards.product.empty()) {
            record = FindStandard(args->standards, StandardKind::Thermistor);
            if (!record) return std::optional<Converter>();
            const std::optional<NtcStandardLoad> load = NtcLoadFromStandard(*record);
            if (!load || !load->fill) {
                Complain("the standard's Method or coefficients cannot be used");
                return std::optional<Converter>();
            }
            ntcMode = load->mode;
            values = load->values;
        }
        if (!NtcPanelTemperature(ntcMode, values, 1.0)) {
            Complain("ntc " + args->mode + " needs its coefficients (or --product)");
            return std::optional<Converter>();
        }
        const bool fromTemp = Direction(*io, mode, fromStdin, input);
        // In the β form R25 and β are parameters of the uncertainty.
        const auto withModel = [&](Converter c) {
            std::vector<double> parameters;
            if (ntcMode == NtcMode::Beta) parameters = {values.r25, values.beta};
            Converter with = WithModel(std::move(c), NtcModel(ntcMode, values, fromTemp), parameters);
            // A standard's certificate gives u(R25) unless --u r25 says otherwise.
            if (ntcMode == NtcMode::Beta && record)
                if (const std::optional<double> u = CertificateStandardUncertainty(*record))
                    with.uncertainty->defaultU = {0.0, *u};
            return with;
        };
        if (fromTemp) {
            // The extended panel shows its resistance with four significant digits, the others with seven.
            const ShownFormat shown{ntcMode == NtcMode::Extended ? 4 : 7, 7};
            return std::optional<Converter>(withModel(
                Converter{{"t_C", "r_ohm"},
                          [ntcMode, values](double t, std::vector<double>& v) {
                              v.assign({t, NanIfEmpty(NtcPanelResistance(ntcMode, values, t))});
                              return std::isfinite(v[1]);
                          },
                          {kG7, shown}}));
        }
        return std::optional<Converter>(withModel(
            Converter{{"r_ohm", "t_C"},
                      [ntcMode, values](double r, std::vector<double>& v) {
                          v.assign({r, NanIfEmpty(NtcPanelTemperature(ntcMode, values, r))});
                          return std::isfinite(v[1]);
                      },
                      {kG7, {7, 7}}}));
    });
}

}  // namespace tmcalc::cli
