#pragma once

// Values in and out of tmcalc-cli: each number read whole, and the one row writer (CSV, JSON or aligned text)
// behind single values, tables and stdin batches. The option set-up that fills these settings is in
// cli_options.h.

#include "framework/number_text.h"
#include "framework/uncertainty.h"

#include <cstddef>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tmcalc::cli {

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Exit codes beside CLI11's own (which uses 100 and up for argument errors).
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailedValues = 1;  // a value out of range or not a number
inline constexpr int kExitUsage = 2;         // a setting the command cannot work with

// Reading numbers: a value is read whole. White space may surround it; otherwise the text is a plain
// decimal number ("-1.5", "2e3", ".5") and nothing else: trailing text, a comma decimal, hexadecimal forms,
// "inf", "nan" and non-ASCII digits are not numbers. A number beyond the double range reads as an infinity,
// which the callers refuse as out of range.
[[nodiscard]] std::u16string Widen(std::string_view text);
[[nodiscard]] std::optional<double> ReadNumber(std::string_view text);

// Writes "tmcalc-cli: <message>" to stderr.
void Complain(const std::string& message);

struct OutputSettings {
    std::string format = "csv";  // csv, json, text
    std::optional<int> digits;   // significant digits; none: the shortest text that reads back the same
    bool asShown = false;        // the page's own texts
    bool header = true;
};

inline constexpr std::string_view kOutOfRange = "out of range";
[[nodiscard]] std::string NumberText(double value, const OutputSettings& settings);

// How a page writes one value: FormatValueG7 (digits 0) or FormatShowValue(digits, decimals).
struct ShownFormat {
    int digits = 0;
    int decimals = 0;
};
inline constexpr ShownFormat kG7{};
[[nodiscard]] std::string ShownText(ShownFormat format, double value);

// One converted value: its numbers, and the texts the page writes for them (filled only for --as-shown).
struct Row {
    std::vector<double> values;
    std::vector<std::string> shown;
    bool outOfRange = false;
    std::string badInput;  // non-empty: the input text that holds no number
};

// A conversion's uncertainty model: model.inputs[0] is the converted value (the converter's first column),
// the other inputs the command's parameters with their values here; its outputs are named as the result
// columns.
struct ConverterUncertainty {
    UncertaintyModel model;
    std::vector<double> parameters;
    std::vector<double> defaultU;  // per input, before --u (a standard's certificate); missing: 0
};

// A conversion from one input number to one row; the first column is the input itself.
struct Converter {
    std::vector<std::string> columns;
    // Fills one value per column, the input first; false when the row is out of range.
    std::function<bool(double input, std::vector<double>& values)> compute;
    // How the page writes each column (missing ones: G7).
    std::vector<ShownFormat> formats;
    // Set where the page's texts follow rules of their own (rounding, literal texts): all of the row's.
    std::function<void(double input, std::vector<std::string>& shown)> pageTexts;
    // The conversion with its parameters, for --u; without it the converted value is the only input.
    std::optional<ConverterUncertainty> uncertainty;

    void Convert(double input, Row& row, bool wantShown) const;
};

// The converter with its uncertainty model and the values of the model's parameters.
[[nodiscard]] inline Converter WithModel(Converter converter, UncertaintyModel model, std::vector<double> parameters)
{
    converter.uncertainty = ConverterUncertainty{std::move(model), std::move(parameters)};
    return converter;
}

// What --u NAME=VALUE (repeated) and --k ask for.
struct UncertaintyRequest {
    std::vector<std::string> u;  // "NAME=VALUE" as given
    std::string k;               // empty: 2
    [[nodiscard]] bool Given() const { return !u.empty() || !k.empty(); }
};

// The converter with a u_X (combined standard uncertainty) and a U_X (k u_X) column after the row for
// every result column X; --as-shown writes those with two significant digits. Empty, with the message
// written, for an unknown name, a value that is not a number or is negative, or k <= 0 (a usage error).
[[nodiscard]] std::optional<Converter> WithUncertainty(const Converter& converter, const UncertaintyRequest& request);

// A row of results that depend on no input (a fit's coefficients), written like a conversion's.
struct ResultRow {
    std::vector<std::string> columns;
    std::vector<double> values;
    std::vector<ShownFormat> formats;
    // Rows after the first under the same header (a fit's residuals, one per point).
    std::vector<std::vector<double>> more;
    // A NaN is a value the results have not (an uncertainty of a fit through exactly as many points as
    // coefficients), an empty cell, rather than a failure.
    bool nanIsEmpty = false;
};

struct InputSettings {
    std::optional<double> from;
    std::optional<double> to;
    std::optional<double> step;
    int column = 1;     // CSV column of stdin lines, from 1
    int skipLines = 0;  // header lines of stdin
};

[[nodiscard]] int RunSingle(const Converter& converter, double input, const OutputSettings& settings);
[[nodiscard]] int RunTable(const Converter& converter, const InputSettings& input, const OutputSettings& settings);
[[nodiscard]] int RunBatch(const Converter& converter, const InputSettings& input, const OutputSettings& settings);
[[nodiscard]] int RunResults(const ResultRow& results, const OutputSettings& settings);
}  // namespace tmcalc::cli
