#include "cli_options.h"

#include "standards/standards_store.h"
#include "units/temperature.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <utility>

namespace tmcalc::cli {

double OptionValue(const std::string& name, const std::string& text, Domain domain)
{
    const std::optional<double> value = ReadNumber(text);
    const std::string quoted = name + ": '" + text + "'";
    if (!value) throw ValueError{quoted + " is not a number", kExitFailedValues};
    if (!std::isfinite(*value)) throw ValueError{quoted + " is " + std::string(kOutOfRange), kExitFailedValues};
    if (domain == Domain::Temperature && *value < kAbsoluteZeroCelsius) {
        throw ValueError{quoted + " is below absolute zero (" + std::string(kOutOfRange) + ")", kExitFailedValues};
    }
    if (domain == Domain::Positive && *value <= 0.0) {
        throw ValueError{quoted + " must be greater than zero", kExitUsage};
    }
    return *value;
}

CLI::Option* AddNumber(CLI::App& app, const std::string& name, NumberOption& target, const std::string& help,
                       Domain domain)
{
    return app.add_option_function<std::string>(
        name,
        [&target, name, domain](const std::string& text) {
            if (text == "-") return;  // stdin: handled by the command
            target.value = OptionValue(name, text, domain);
        },
        help);
}

CLI::Validator NameCheckerOf(std::vector<std::string> list, std::string what)
{
    return CLI::Validator(
        [list, what](std::string& text) -> std::string {
            for (const std::string& name : list) {
                if (CLI::detail::to_lower(name) == CLI::detail::to_lower(text)) {
                    text = name;
                    return {};
                }
            }
            std::string choices;
            for (const std::string& name : list) choices += (choices.empty() ? "" : ", ") + name;
            return "unknown " + what + " '" + text + "' (one of " + choices + ")";
        },
        "", what);
}

void AddStandardsOptions(CLI::App& app, StandardsChoice& choice)
{
    app.add_option("--standards", choice.path,
                   "the standards file or its folder (default: the current directory)");
    app.add_option("--product", choice.product, "take the coefficients of the standard with this ProductNo");
}

namespace {

std::string Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace

std::optional<StandardRecord> FindStandard(const StandardsChoice& choice, StandardKind kind)
{
    namespace fs = std::filesystem;
    fs::path folder = choice.path;
    std::error_code ec;
    if (!folder.empty() && !fs::is_directory(folder, ec)) {
        if (folder.filename() != kStandardsFileName) {
            Complain(std::string("the standards file is named ") + std::string(kStandardsFileName) + ": " +
                     choice.path);
            return std::nullopt;
        }
        folder = folder.parent_path();
        if (folder.empty()) folder = ".";
    }
    StandardsStoreOptions options;
    options.folder = folder;
    options.readOnly = true;
    const StandardsStore store(options);
    if (!fs::exists(store.Path(), ec)) {
        Complain("no standards file " + store.Path().string());
        return std::nullopt;
    }
    if (store.StartStatus() != StoreStatus::Ok) {
        Complain("cannot read the standards file " + store.Path().string());
        return std::nullopt;
    }
    std::vector<StandardRecord> found;
    for (StandardRecord& record : store.LoadAllStandards(kind)) {
        if (Trimmed(record.Value("ProductNo")) == Trimmed(choice.product)) found.push_back(std::move(record));
    }
    if (found.size() != 1) {
        Complain((found.empty() ? std::string("no") : std::to_string(found.size())) +
                 " standards with product number '" + choice.product + "' in " + store.Path().string());
        return std::nullopt;
    }
    return found.front();
}

double RecordNumber(const StandardRecord& record, std::string_view key)
{
    return ReadFieldValue(Widen(record.Value(key)));
}

std::shared_ptr<TwoWay> AddTwoWay(CLI::App& app, Mode mode, const std::string& forward, const std::string& forwardHelp,
                                  const std::string& backward, const std::string& backwardHelp)
{
    auto io = std::make_shared<TwoWay>();
    if (mode == Mode::Convert) {
        AddNumber(app, forward, io->forward, forwardHelp + " ('-': one per stdin line)")
            ->each([io](const std::string& s) { io->forwardStdin = s == "-"; });
        AddNumber(app, backward, io->backward, backwardHelp + " ('-': one per stdin line)")
            ->each([io](const std::string& s) { io->backwardStdin = s == "-"; })
            ->excludes(forward);
    } else {
        app.add_flag(backward, io->inverse, "rows from " + backwardHelp);
    }
    return io;
}

bool Direction(const TwoWay& io, Mode mode, bool& fromStdin, std::optional<double>& input)
{
    const bool backward = mode == Mode::Table ? io.inverse : (io.backward.value || io.backwardStdin);
    fromStdin = io.forwardStdin || io.backwardStdin;
    input = backward ? io.backward.value : io.forward.value;
    return backward;
}

bool PositionalInput(const std::string& text, bool& fromStdin, std::optional<double>& input)
{
    fromStdin = text == "-";
    if (fromStdin || text.empty()) return true;
    input = OptionValue("value", text);
    return true;
}

namespace {

void AddOutputOptions(CLI::App& app, Shared& shared)
{
    app.add_option("--format", shared.output.format, "csv (default), json or text (aligned columns)")
        ->check(CLI::IsMember({"csv", "json", "text"}));
    auto* digits = app.add_option("--digits", shared.output.digits,
                                  "significant digits (default: the shortest text that reads back the same)")
                       ->check(CLI::Range(1, 17));
    app.add_flag("--as-shown", shared.output.asShown, "the texts the page shows")->excludes(digits);
    app.add_flag("!--no-header", shared.output.header, "no header line (csv and text)");
}

void AddUncertaintyOptions(CLI::App& app, Shared& shared)
{
    app.add_option("--u", shared.uncertainty.u,
                   "NAME=VALUE: standard uncertainty of an input column (r_ohm, emf_mV, t_C, ...) or a parameter "
                   "(cold, r0, rtp, r25, beta, t, pressure) in its unit; adds u_X and U_X for every result X")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option("--k", shared.uncertainty.k, "coverage factor of U_X (default 2)");
}

}  // namespace

void AddLeaf(Program& program, CLI::App& leaf, Mode mode, ConverterBuilder build)
{
    Shared& shared = *program.shared.emplace_back(std::make_unique<Shared>());
    AddOutputOptions(leaf, shared);
    AddUncertaintyOptions(leaf, shared);
    if (mode == Mode::Table) {
        AddValue(leaf, "--from", shared.input.from, "first input value")->required();
        AddValue(leaf, "--to", shared.input.to, "last input value")->required();
        AddValue(leaf, "--step", shared.input.step, "step between rows (default 1)");
    } else {
        leaf.add_option("--column", shared.input.column, "with '-': the CSV column of each stdin line (from 1)")
            ->check(CLI::PositiveNumber);
        leaf.add_option("--skip", shared.input.skipLines, "with '-': stdin header lines to skip")
            ->check(CLI::NonNegativeNumber);
    }
    program.leaves.push_back(&leaf);
    program.runners.push_back([&shared, mode, build = std::move(build)]() {
        bool fromStdin = false;
        std::optional<double> input;
        std::optional<Converter> converter = build(fromStdin, input);
        if (!converter) return kExitUsage;
        if (shared.uncertainty.Given()) {
            converter = WithUncertainty(*converter, shared.uncertainty);
            if (!converter) return kExitUsage;
        }
        if (mode == Mode::Table) return RunTable(*converter, shared.input, shared.output);
        if (fromStdin) return RunBatch(*converter, shared.input, shared.output);
        if (!input) {
            Complain("no value to convert (give one, or '-' to read lines from stdin)");
            return kExitUsage;
        }
        return RunSingle(*converter, *input, shared.output);
    });
}

void AddResultLeaf(Program& program, CLI::App& leaf, std::function<std::optional<ResultRow>()> build)
{
    Shared& shared = *program.shared.emplace_back(std::make_unique<Shared>());
    AddOutputOptions(leaf, shared);
    program.leaves.push_back(&leaf);
    program.runners.push_back([&shared, build = std::move(build)]() {
        const std::optional<ResultRow> results = build();
        if (!results) return kExitUsage;
        return RunResults(*results, shared.output);
    });
}

}  // namespace tmcalc::cli
