// tmcalc-cli: the program's conversions from the shell. Every number comes from the same core functions
// the pages call; this file only reads arguments, feeds values through and writes the rows.

#include "framework/number_text.h"
#include "humidity/humidity.h"
#include "humidity/humidity_pages.h"
#include "humidity/transmitter.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"
#include "rtd/sprt.h"
#include "standards/standard_records.h"
#include "standards/standards_store.h"
#include "thermistor/ntc_page_math.h"
#include "thermocouple/std_type_s.h"
#include "rtd/copper.h"
#include "rtd/nickel.h"
#include "rtd/platinum.h"
#include "rtd/rtd_page_math.h"
#include "thermocouple/thermocouple_type.h"
#include "thermocouple/work_page_math.h"
#include "units/temperature.h"
#include "units/unit_conversion.h"
#include "units/unit_pages.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <iostream>
#include <limits>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Exit codes beside CLI11's own (which uses 100 and up for argument errors).
constexpr int kExitOk = 0;
constexpr int kExitFailedValues = 1;  // a value out of range or not a number
constexpr int kExitUsage = 2;         // a setting the command cannot work with

// ---------------------------------------------------------------------------------------------------
// Reading numbers: the fields' own reader, so "1e3", "inf", hexadecimal forms and the C decimal point
// behave as in the program. Bytes above 0x7F widen as Latin-1 and end the number like any junk.

std::u16string Widen(std::string_view text)
{
    std::u16string wide(text.size(), u'\0');
    std::transform(text.begin(), text.end(), wide.begin(),
                   [](char c) { return static_cast<char16_t>(static_cast<unsigned char>(c)); });
    return wide;
}

std::optional<double> ReadNumber(std::string_view text)
{
    const CheckedValue checked = ReadFieldValueChecked(Widen(text));
    if (!checked.consumed) return std::nullopt;
    return checked.value;
}

// A CLI11 option holding a number read as above; CLI11 reports the malformed text.
struct NumberOption {
    std::optional<double> value;
};

CLI::Option* AddNumber(CLI::App& app, const std::string& name, NumberOption& target, const std::string& help)
{
    return app.add_option_function<std::string>(
        name,
        [&target, name](const std::string& text) {
            if (text == "-") return;  // stdin: handled by the command
            target.value = ReadNumber(text);
            if (!target.value) throw CLI::ValidationError(name, "not a number: '" + text + "'");
        },
        help);
}

// A number option that fills `target` directly.
template <typename Target>
CLI::Option* AddValue(CLI::App& app, const std::string& name, Target& target, const std::string& help)
{
    return app.add_option_function<std::string>(
        name,
        [&target, name](const std::string& text) {
            const std::optional<double> value = ReadNumber(text);
            if (!value) throw CLI::ValidationError(name, "not a number: '" + text + "'");
            target = *value;
        },
        help);
}

// ---------------------------------------------------------------------------------------------------
// Writing numbers.

struct OutputSettings {
    std::string format = "csv";  // csv, json, text
    std::optional<int> digits;   // significant digits; none: the shortest text that reads back the same
    bool asShown = false;        // the page's own texts
    bool header = true;
};

// The page's own text for a value out of range, written with --as-shown.
std::string OutOfRangeText() { return FormatValueG7(kNaN); }
constexpr std::string_view kOutOfRange = "out of range";

std::string NumberText(double value, const OutputSettings& settings)
{
    if (std::isnan(value)) return std::string(settings.asShown ? OutOfRangeText() : kOutOfRange);
    char buffer[64];
    const auto result = settings.digits
                            ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                            *settings.digits)
                            : std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// One converted value: its numbers, and the texts the page writes for them (filled only for --as-shown).
struct Row {
    std::vector<double> values;
    std::vector<std::string> shown;
    bool outOfRange = false;
    std::string badInput;  // non-empty: the input text that holds no number
};

// A conversion from one input number to one row; the first column is the input itself.
struct Converter {
    std::vector<std::string> columns;
    std::function<void(double, Row&, bool wantShown)> convert;
};

std::string CsvCell(const std::string& text)
{
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

class RowWriter {
public:
    RowWriter(const OutputSettings& settings, std::vector<std::string> columns)
        : m_settings(settings), m_columns(std::move(columns))
    {
        m_buffer.reserve(1 << 16);
    }

    ~RowWriter() { Flush(); }
    RowWriter(const RowWriter&) = delete;
    RowWriter& operator=(const RowWriter&) = delete;

    void Write(const Row& row)
    {
        if (row.outOfRange || !row.badInput.empty()) ++m_failed;
        const std::vector<std::string> cells = Cells(row);
        if (m_settings.format == "text") {
            m_held.push_back(cells);
            return;
        }
        if (m_settings.format == "json") {
            nlohmann::ordered_json object;
            for (std::size_t i = 0; i < m_columns.size(); ++i) object[m_columns[i]] = JsonCell(row, cells, i);
            if (row.outOfRange) object["error"] = kOutOfRange;
            if (!row.badInput.empty()) object["error"] = "not a number";
            m_buffer += m_rows == 0 ? "[\n  " : ",\n  ";
            m_buffer += object.dump();
        } else {
            if (m_rows == 0 && m_settings.header) AppendCsvLine(m_columns);
            AppendCsvLine(cells);
        }
        ++m_rows;
        if (m_buffer.size() > (1 << 16)) Flush();
    }

    // Ends the output; the number of rows that failed.
    std::size_t Finish()
    {
        if (m_settings.format == "json") m_buffer += m_rows == 0 ? "[]\n" : "\n]\n";
        if (m_settings.format == "text") WriteAligned();
        Flush();
        return m_failed;
    }

private:
    std::vector<std::string> Cells(const Row& row) const
    {
        std::vector<std::string> cells;
        cells.reserve(m_columns.size());
        for (std::size_t i = 0; i < m_columns.size(); ++i) {
            if (i == 0 && !row.badInput.empty()) {
                cells.push_back(row.badInput);
            } else if (!row.badInput.empty()) {
                cells.emplace_back("not a number");
            } else if (m_settings.asShown && i < row.shown.size()) {
                cells.push_back(row.shown[i]);
            } else {
                cells.push_back(NumberText(i < row.values.size() ? row.values[i] : kNaN, m_settings));
            }
        }
        return cells;
    }

    nlohmann::ordered_json JsonCell(const Row& row, const std::vector<std::string>& cells, std::size_t i) const
    {
        if (m_settings.asShown || (i == 0 && !row.badInput.empty())) return cells[i];
        if (!row.badInput.empty() || i >= row.values.size() || !std::isfinite(row.values[i])) return nullptr;
        // With --digits the number is the rounded one the other formats write.
        return m_settings.digits ? std::strtod(cells[i].c_str(), nullptr) : row.values[i];
    }

    void AppendCsvLine(const std::vector<std::string>& cells)
    {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i) m_buffer += ',';
            m_buffer += CsvCell(cells[i]);
        }
        m_buffer += '\n';
    }

    // Columns line up by characters, not bytes: unit names hold "℃", "²" and the like.
    static std::size_t Width(const std::string& text)
    {
        return static_cast<std::size_t>(
            std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    }

    void WriteAligned()
    {
        std::vector<std::size_t> widths(m_columns.size());
        for (std::size_t i = 0; i < m_columns.size(); ++i) widths[i] = m_settings.header ? Width(m_columns[i]) : 0;
        for (const auto& cells : m_held) {
            for (std::size_t i = 0; i < cells.size(); ++i) widths[i] = std::max(widths[i], Width(cells[i]));
        }
        const auto line = [&](const std::vector<std::string>& cells) {
            for (std::size_t i = 0; i < cells.size(); ++i) {
                if (i) m_buffer += "  ";
                m_buffer.append(widths[i] - Width(cells[i]), ' ');
                m_buffer += cells[i];
            }
            m_buffer += '\n';
        };
        if (m_settings.header) line(m_columns);
        for (const auto& cells : m_held) line(cells);
    }

    void Flush()
    {
        std::fwrite(m_buffer.data(), 1, m_buffer.size(), stdout);
        m_buffer.clear();
    }

    const OutputSettings& m_settings;
    std::vector<std::string> m_columns;
    std::string m_buffer;
    std::vector<std::vector<std::string>> m_held;
    std::size_t m_rows = 0;
    std::size_t m_failed = 0;
};

// ---------------------------------------------------------------------------------------------------
// Where the inputs come from: one value, a table range, or stdin.

struct InputSettings {
    std::optional<double> from;
    std::optional<double> to;
    std::optional<double> step;
    int column = 1;      // CSV column of stdin lines, from 1
    int skipLines = 0;   // header lines of stdin
};

int Report(std::size_t failed, std::size_t rows)
{
    if (failed == 0) return kExitOk;
    std::cerr << "tmcalc-cli: " << failed << " of " << rows << " values out of range or not a number\n";
    return kExitFailedValues;
}

int RunSingle(const Converter& converter, double input, const OutputSettings& settings)
{
    Row row;
    converter.convert(input, row, settings.asShown);
    if (row.outOfRange) {
        std::cerr << "tmcalc-cli: " << NumberText(input, {}) << ": " << kOutOfRange << '\n';
        return kExitFailedValues;
    }
    RowWriter writer(settings, converter.columns);
    writer.Write(row);
    writer.Finish();
    return kExitOk;
}

int RunTable(const Converter& converter, const InputSettings& input, const OutputSettings& settings)
{
    const double from = *input.from;
    const double to = *input.to;
    const double step = input.step.value_or(1.0);
    if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(step) || step <= 0.0) {
        std::cerr << "tmcalc-cli: --from and --to must be finite and --step positive\n";
        return kExitUsage;
    }
    // Counted, not accumulated, so that the last row lands on --to without drift; bounded so that a tiny
    // step cannot run for hours.
    const double span = std::abs(to - from) / step;
    constexpr double kMaxRows = 1e8;
    if (span > kMaxRows) {
        std::cerr << "tmcalc-cli: more than 100000000 rows; use a larger --step\n";
        return kExitUsage;
    }
    const auto count = static_cast<long long>(std::floor(span * (1.0 + 1e-12))) + 1;
    const double direction = to >= from ? 1.0 : -1.0;
    RowWriter writer(settings, converter.columns);
    Row row;
    for (long long i = 0; i < count; ++i) {
        row = Row();
        converter.convert(from + direction * static_cast<double>(i) * step, row, settings.asShown);
        writer.Write(row);
    }
    return Report(writer.Finish(), static_cast<std::size_t>(count));
}

std::string_view CsvField(std::string_view line, int column)
{
    for (int i = 1; i < column; ++i) {
        const std::size_t comma = line.find(',');
        if (comma == std::string_view::npos) return {};
        line.remove_prefix(comma + 1);
    }
    return line.substr(0, line.find(','));
}

int RunBatch(const Converter& converter, const InputSettings& input, const OutputSettings& settings)
{
    RowWriter writer(settings, converter.columns);
    std::string line;
    std::u16string wide;
    Row row;
    std::size_t rows = 0;
    int skip = input.skipLines;
    while (std::getline(std::cin, line)) {
        if (skip > 0) {
            --skip;
            continue;
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string_view field = CsvField(line, input.column);
        wide.resize(field.size());
        std::transform(field.begin(), field.end(), wide.begin(),
                       [](char c) { return static_cast<char16_t>(static_cast<unsigned char>(c)); });
        const CheckedValue checked = ReadFieldValueChecked(wide);
        row = Row();
        if (checked.consumed) {
            converter.convert(checked.value, row, settings.asShown);
        } else {
            row.badInput = field.empty() ? std::string("(empty)") : std::string(field);
        }
        writer.Write(row);
        ++rows;
    }
    return Report(writer.Finish(), rows);
}

// ---------------------------------------------------------------------------------------------------
// The commands. Each builds a Converter from its options.

enum class Mode { Convert, Table };

struct Command {
    CLI::App* app = nullptr;
    std::function<std::optional<Converter>()> build;  // empty optional: the message is already written
    bool* inputFromStdin = nullptr;
    std::optional<double>* input = nullptr;
};

// Options shared by every command: output format and input placement.
struct Shared {
    OutputSettings output;
    InputSettings input;
};

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

void AddTableOptions(CLI::App& app, Shared& shared, Mode mode)
{
    if (mode != Mode::Table) return;
    app.add_option("--from", shared.input.from, "first input value")->required();
    app.add_option("--to", shared.input.to, "last input value")->required();
    app.add_option("--step", shared.input.step, "step between rows (default 1)");
}

void AddBatchOptions(CLI::App& app, Shared& shared)
{
    app.add_option("--column", shared.input.column, "with '-': the CSV column of each stdin line (from 1)")
        ->check(CLI::PositiveNumber);
    app.add_option("--skip", shared.input.skipLines, "with '-': stdin header lines to skip")
        ->check(CLI::NonNegativeNumber);
}

// Accepts a name of `names` in any case and passes on the spelling of the list; the message names the
// choices rather than CLI11's internal map.
template <typename Names>
CLI::Validator NameChecker(const Names& names, std::string what)
{
    std::vector<std::string> list;
    for (const auto& entry : names) {
        if constexpr (std::is_same_v<std::decay_t<decltype(entry)>, std::string>) {
            list.push_back(entry);
        } else {
            list.push_back(entry.first);
        }
    }
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

// ---------------------------------------------------------------------------------------------------
// tc TYPE

const std::map<std::string, ThermocoupleType>& TcTypeNames()
{
    static const std::map<std::string, ThermocoupleType> names{
        {"S", ThermocoupleType::S}, {"R", ThermocoupleType::R}, {"B", ThermocoupleType::B},
        {"K", ThermocoupleType::K}, {"N", ThermocoupleType::N}, {"J", ThermocoupleType::J},
        {"E", ThermocoupleType::E}, {"T", ThermocoupleType::T}, {"D", ThermocoupleType::D},
        {"C", ThermocoupleType::C}};
    return names;
}

Converter TcConverter(ThermocoupleType type, bool fromEmf, double cold)
{
    if (!fromEmf) {
        return {{"t_C", "emf_mV", "seebeck_uV_per_C"}, [type, cold](double t, Row& row, bool wantShown) {
                    const bool accepted = WorkPageAccepts(type, t);
                    const double emf = accepted ? WorkEmfMillivolts(type, t, cold) : kNaN;
                    const double slope = accepted ? WorkSlopeShown(type, t) : kNaN;
                    row.values = {t, emf, slope};
                    row.outOfRange = !std::isfinite(emf);
                    if (wantShown) row.shown = {FormatValueG7(t), FormatValueG7(emf), FormatValueG7(slope)};
                }};
    }
    return {{"emf_mV", "t_C", "seebeck_uV_per_C"}, [type, cold](double emf, Row& row, bool wantShown) {
                const double t = WorkTemperature(type, emf, cold);
                const double slope = WorkSlopeShown(type, t);
                row.values = {emf, t, slope};
                row.outOfRange = !std::isfinite(t);
                if (wantShown) row.shown = {FormatValueG7(emf), FormatValueG7(t), FormatValueG7(slope)};
            }};
}

// ---------------------------------------------------------------------------------------------------
// rtd KIND

struct RtdKind {
    std::string name;
    int page = -1;         // index into kRtdSensorPages, or -1 for nickel
    int nickelPreset = 0;  // 1-4 for nickel
};

const std::vector<RtdKind>& RtdKinds()
{
    static const std::vector<RtdKind> kinds{{"pt100", 0, 0},  {"pt50", 1, 0},   {"ptx", 2, 0},
                                            {"cu100", 3, 0},  {"cu50", 4, 0},   {"ni-nd", -1, 1},
                                            {"ni-nl", -1, 2}, {"ni-nj", -1, 3}, {"ni-na", -1, 4}};
    return kinds;
}

std::string ShowText(int digits, int decimals, double value)
{
    return FormatShowValue(digits, decimals, value).value_or(std::string());
}

Converter RtdConverter(const RtdKind& kind, bool fromResistance, double r0)
{
    if (kind.page < 0) {
        const NiCoefficients k = NickelPreset(kind.nickelPreset)->k;
        // The nickel page shows 7 digits with 7 decimals and has no range of its own.
        if (!fromResistance) {
            return {{"t_C", "r_ohm", "slope_ohm_per_C"}, [k, r0](double t, Row& row, bool wantShown) {
                        const double r = NiResistance(t, r0, k);
                        const double slope = NiSlope(t, r0, k);
                        row.values = {t, r, slope};
                        row.outOfRange = !std::isfinite(r);
                        if (wantShown) row.shown = {FormatValueG7(t), ShowText(7, 7, r), ShowText(7, 7, slope)};
                    }};
        }
        return {{"r_ohm", "t_C", "slope_ohm_per_C"}, [k, r0](double r, Row& row, bool wantShown) {
                    const double t = NiTemperature(r, r0, k);
                    const double slope = NiSlope(t, r0, k);
                    row.values = {r, t, slope};
                    row.outOfRange = !std::isfinite(t);
                    if (wantShown) row.shown = {FormatValueG7(r), ShowText(7, 7, t), ShowText(7, 7, slope)};
                }};
    }
    const RtdSensorPage& page = kRtdSensorPages[static_cast<std::size_t>(kind.page)];
    const bool platinum = page.metal == RtdMetal::Platinum;
    if (!fromResistance) {
        return {{"t_C", "r_ohm", "slope_ohm_per_C"}, [page, platinum, r0](double t, Row& row, bool wantShown) {
                    const double low = platinum ? kPtStandard.t_min : kCuStandard.t_min;
                    const double high = platinum ? kPtStandard.t_max : kCuStandard.t_max;
                    const bool inside = t >= low && t <= high;
                    const double r = !inside ? kNaN : platinum ? PtResistance(t, r0) : CuResistance(t, r0);
                    const double slope = !inside ? kNaN : platinum ? PtSlope(t, r0) : CuSlope(t, r0);
                    row.values = {t, r, slope};
                    row.outOfRange = !std::isfinite(r);
                    if (wantShown) {
                        const RtdShownTexts texts = RtdTextsFromTemperature(page.metal, t, r0);
                        row.shown = {FormatValueG7(t), texts.value, texts.slope};
                    }
                }};
    }
    return {{"r_ohm", "t_C", "slope_ohm_per_C"}, [page, platinum, r0](double r, Row& row, bool wantShown) {
                // The ice point is exactly 0 (the page writes "0.0"), also where r / r0 is no number.
                const double computed = r == r0 ? 0.0 : platinum ? PtTemperature(r, r0) : CuTemperature(r, r0);
                const double t = r == r0 ? 0.0
                                 : platinum ? ScreenPtTemperature(computed, page.ptRange)
                                            : ScreenCuTemperature(computed);
                const double slope = platinum ? PtSlope(computed, r0) : CuSlope(computed, r0);
                row.values = {r, t, slope};
                row.outOfRange = !std::isfinite(t);
                if (wantShown) {
                    const RtdShownTexts texts = RtdTextsFromResistance(page, r, r0);
                    row.shown = {FormatValueG7(r), texts.value, texts.slope};
                }
            }};
}

// ---------------------------------------------------------------------------------------------------
// temperature --scale X VALUE

const std::map<std::string, TemperatureScale>& ScaleNames()
{
    static const std::map<std::string, TemperatureScale> names{
        {"C", TemperatureScale::Celsius}, {"F", TemperatureScale::Fahrenheit}, {"K", TemperatureScale::Kelvin},
        {"R", TemperatureScale::Rankine}, {"Re", TemperatureScale::Reaumur}};
    return names;
}

Converter TemperatureConverter(TemperatureScale scale)
{
    static const char* const kNames[] = {"C", "F", "K", "R", "Re"};
    std::vector<std::string> columns{std::string("in_") + kNames[static_cast<int>(scale)]};
    for (const char* name : kNames) columns.emplace_back(name);
    return {columns, [scale](double x, Row& row, bool wantShown) {
                const auto all = ConvertTemperature(scale, x);
                row.values.assign(1, x);
                row.values.insert(row.values.end(), all.begin(), all.end());
                row.outOfRange = std::isnan(x);
                if (wantShown) {
                    row.shown.clear();
                    for (const double v : row.values) row.shown.push_back(FormatValueG7(v));
                }
            }};
}

// ---------------------------------------------------------------------------------------------------
// The standards file: opened read-only (never created, locked or rewritten), a standard found by its
// product number.

struct StandardsChoice {
    std::string path;     // folder, or the file itself; empty: the current directory
    std::string product;  // empty: coefficients come from options
};

void AddStandardsOptions(CLI::App& app, StandardsChoice& choice)
{
    app.add_option("--standards", choice.path, "the standards file or its folder (default: the current directory)");
    app.add_option("--product", choice.product, "take the coefficients of the standard with this ProductNo");
}

std::string Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::optional<StandardRecord> FindStandard(const StandardsChoice& choice, StandardKind kind)
{
    namespace fs = std::filesystem;
    fs::path folder = choice.path;
    std::error_code ec;
    if (!folder.empty() && !fs::is_directory(folder, ec)) {
        if (folder.filename() != kStandardsFileName) {
            std::cerr << "tmcalc-cli: the standards file is named " << kStandardsFileName << ": " << choice.path
                      << '\n';
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
        std::cerr << "tmcalc-cli: no standards file " << store.Path().string() << '\n';
        return std::nullopt;
    }
    if (store.StartStatus() != StoreStatus::Ok) {
        std::cerr << "tmcalc-cli: cannot read the standards file " << store.Path().string() << '\n';
        return std::nullopt;
    }
    std::vector<StandardRecord> found;
    for (StandardRecord& record : store.LoadAllStandards(kind)) {
        if (Trimmed(record.Value("ProductNo")) == Trimmed(choice.product)) found.push_back(std::move(record));
    }
    if (found.size() != 1) {
        std::cerr << "tmcalc-cli: " << (found.empty() ? "no" : std::to_string(found.size()))
                  << " standards with product number '" << choice.product << "' in " << store.Path().string()
                  << '\n';
        return std::nullopt;
    }
    return found.front();
}

// A coefficient as the standard's text holds it (a text without a number reads 0, as in the fields).
double RecordNumber(const StandardRecord& record, std::string_view key)
{
    return ReadFieldValue(Widen(record.Value(key)));
}

// Reads values from --temp/--X or '-' (stdin) for a two-way command.
struct TwoWay {
    NumberOption forward, backward;
    bool forwardStdin = false, backwardStdin = false, inverse = false;
};

void AddTwoWay(CLI::App& app, Mode mode, const std::shared_ptr<TwoWay>& io, const std::string& forward,
               const std::string& forwardHelp, const std::string& backward, const std::string& backwardHelp)
{
    if (mode == Mode::Convert) {
        AddNumber(app, forward, io->forward, forwardHelp + " ('-': one per stdin line)")
            ->each([io](const std::string& s) { io->forwardStdin = s == "-"; });
        AddNumber(app, backward, io->backward, backwardHelp + " ('-': one per stdin line)")
            ->each([io](const std::string& s) { io->backwardStdin = s == "-"; })
            ->excludes(forward);
    } else {
        app.add_flag(backward, io->inverse, "rows from " + backwardHelp);
    }
}

// Whether the command runs backward, and its single input.
bool Direction(const TwoWay& io, Mode mode, bool& fromStdin, std::optional<double>& input)
{
    const bool backward = mode == Mode::Table ? io.inverse : (io.backward.value || io.backwardStdin);
    fromStdin = io.forwardStdin || io.backwardStdin;
    input = backward ? io.backward.value : io.forward.value;
    return backward;
}

std::optional<double> NanIfEmpty(std::optional<double> value) { return value ? *value : kNaN; }

// ---------------------------------------------------------------------------------------------------
// ntc

struct NtcArgs {
    std::string mode = "beta";
    NtcPanelValues values;
    StandardsChoice standards;
};

// ---------------------------------------------------------------------------------------------------

struct Program {
    CLI::App app{"Temperature metrology conversions: the numbers of the tmcalc pages, from the shell.",
                 "tmcalc-cli"};
    std::vector<std::unique_ptr<Shared>> shared;
    std::vector<std::function<int()>> runners;  // one per leaf command, run when it was parsed
    std::vector<CLI::App*> leaves;
};

// A leaf command: its Shared options, and the rule for picking single/batch/table input.
void AddLeaf(Program& program, CLI::App& leaf, Mode mode, Shared& shared,
             std::function<std::optional<Converter>(bool& fromStdin, std::optional<double>& input)> build)
{
    AddOutputOptions(leaf, shared);
    AddTableOptions(leaf, shared, mode);
    if (mode == Mode::Convert) AddBatchOptions(leaf, shared);
    program.leaves.push_back(&leaf);
    program.runners.push_back([&shared, mode, build]() {
        bool fromStdin = false;
        std::optional<double> input;
        const std::optional<Converter> converter = build(fromStdin, input);
        if (!converter) return kExitUsage;
        if (mode == Mode::Table) return RunTable(*converter, shared.input, shared.output);
        if (fromStdin) return RunBatch(*converter, shared.input, shared.output);
        if (!input) {
            std::cerr << "tmcalc-cli: no value to convert (give one, or '-' to read lines from stdin)\n";
            return kExitUsage;
        }
        return RunSingle(*converter, *input, shared.output);
    });
}

struct TcArgs {
    std::string type;
    NumberOption temp, emf, cold;
    bool tempStdin = false, emfStdin = false, inverse = false;
};

void AddTc(Program& program, CLI::App& parent, Mode mode)
{
    auto& shared = *program.shared.emplace_back(std::make_unique<Shared>());
    auto args = std::make_shared<TcArgs>();
    CLI::App* tc = parent.add_subcommand("tc", "working thermocouple: temperature (°C) <-> emf (mV)");
    tc->add_option("type", args->type, "S, R, B, K, N, J, E, T, D or C")
        ->required()
        ->transform(NameChecker(TcTypeNames(), "thermocouple type"));
    if (mode == Mode::Convert) {
        AddNumber(*tc, "--temp", args->temp, "measuring junction °C ('-': one per stdin line)")
            ->each([args](const std::string& s) { args->tempStdin = s == "-"; });
        AddNumber(*tc, "--emf", args->emf, "emf in mV ('-': one per stdin line)")
            ->each([args](const std::string& s) { args->emfStdin = s == "-"; })
            ->excludes("--temp");
    } else {
        tc->add_flag("--emf", args->inverse, "rows from emf (mV) to temperature");
    }
    AddNumber(*tc, "--cold", args->cold, "cold junction °C (default 0)");
    AddLeaf(program, *tc, mode, shared, [args, mode](bool& fromStdin, std::optional<double>& input) {
        const bool fromEmf = mode == Mode::Table ? args->inverse : (args->emf.value || args->emfStdin);
        fromStdin = args->tempStdin || args->emfStdin;
        input = fromEmf ? args->emf.value : args->temp.value;
        return std::optional<Converter>(TcConverter(TcTypeNames().at(args->type), fromEmf, args->cold.value.value_or(0.0)));
    });
}

struct RtdArgs {
    std::string kind;
    NumberOption temp, res, r0;
    bool tempStdin = false, resStdin = false, inverse = false;
};

void AddRtd(Program& program, CLI::App& parent, Mode mode)
{
    auto& shared = *program.shared.emplace_back(std::make_unique<Shared>());
    auto args = std::make_shared<RtdArgs>();
    CLI::App* rtd = parent.add_subcommand("rtd", "working resistance thermometer: temperature (°C) <-> resistance (Ω)");
    std::vector<std::string> names;
    for (const RtdKind& kind : RtdKinds()) names.push_back(kind.name);
    rtd->add_option("kind", args->kind, "pt100, pt50, ptx (with --r0), cu100, cu50, ni-nd, ni-nl, ni-nj, ni-na")
        ->required()
        ->transform(NameChecker(names, "resistance thermometer"));
    if (mode == Mode::Convert) {
        AddNumber(*rtd, "--temp", args->temp, "temperature °C ('-': one per stdin line)")
            ->each([args](const std::string& s) { args->tempStdin = s == "-"; });
        AddNumber(*rtd, "--res", args->res, "resistance Ω ('-': one per stdin line)")
            ->each([args](const std::string& s) { args->resStdin = s == "-"; })
            ->excludes("--temp");
    } else {
        rtd->add_flag("--res", args->inverse, "rows from resistance (Ω) to temperature");
    }
    AddNumber(*rtd, "--r0", args->r0, "ice-point resistance Ω (ptx: required; others: the sensor's own)");
    AddLeaf(program, *rtd, mode, shared, [args, mode](bool& fromStdin, std::optional<double>& input) {
        const auto kind = std::find_if(RtdKinds().begin(), RtdKinds().end(),
                                       [&](const RtdKind& k) { return k.name == args->kind; });
        double r0 = 0.0;
        if (kind->page < 0) {
            r0 = args->r0.value.value_or(NickelPreset(kind->nickelPreset)->r0);
        } else if (kind->name == "ptx") {
            if (!args->r0.value) {
                std::cerr << "tmcalc-cli: rtd ptx needs --r0\n";
                return std::optional<Converter>();
            }
            r0 = *args->r0.value;
        } else {
            if (args->r0.value) {
                std::cerr << "tmcalc-cli: rtd " << kind->name << " has a fixed R0; use ptx for another\n";
                return std::optional<Converter>();
            }
            r0 = ReadNumber(kRtdSensorPages[static_cast<std::size_t>(kind->page)].r0Text).value_or(0.0);
        }
        const bool fromRes = mode == Mode::Table ? args->inverse : (args->res.value || args->resStdin);
        fromStdin = args->tempStdin || args->resStdin;
        input = fromRes ? args->res.value : args->temp.value;
        return std::optional<Converter>(RtdConverter(*kind, fromRes, r0));
    });
}

struct TemperatureArgs {
    std::string scale = "C";
    std::string value;
};

void AddTemperature(Program& program, CLI::App& parent, Mode mode)
{
    auto& shared = *program.shared.emplace_back(std::make_unique<Shared>());
    auto args = std::make_shared<TemperatureArgs>();
    CLI::App* cmd = parent.add_subcommand("temperature", "one temperature on all five scales");
    cmd->add_option("--scale", args->scale, "scale of the value: C (default), F, K, R or Re")
        ->transform(NameChecker(ScaleNames(), "scale"));
    if (mode == Mode::Convert) {
        cmd->add_option("value", args->value, "the temperature ('-': one per stdin line)")->allow_extra_args(false);
    }
    AddLeaf(program, *cmd, mode, shared, [args](bool& fromStdin, std::optional<double>& input) {
        fromStdin = args->value == "-";
        if (!fromStdin && !args->value.empty()) {
            input = ReadNumber(args->value);
            if (!input) {
                std::cerr << "tmcalc-cli: not a number: '" << args->value << "'\n";
                return std::optional<Converter>();
            }
        }
        return std::optional<Converter>(TemperatureConverter(ScaleNames().at(args->scale)));
    });
}

void AddNtc(Program& program, CLI::App& parent, Mode mode)
{
    auto& shared = *program.shared.emplace_back(std::make_unique<Shared>());
    auto args = std::make_shared<NtcArgs>();
    auto io = std::make_shared<TwoWay>();
    CLI::App* cmd = parent.add_subcommand("ntc", "NTC thermistor: resistance (Ω) <-> temperature (°C)");
    AddTwoWay(*cmd, mode, io, "--res", "resistance Ω", "--temp", "temperature °C");
    cmd->add_option("--mode", args->mode, "beta (default), sh (Steinhart-Hart) or ext (extended)")
        ->check(CLI::IsMember({"beta", "sh", "ext"}));
    AddValue(*cmd, "--r25", args->values.r25, "beta mode: resistance at 25 °C, Ω");
    AddValue(*cmd, "--beta", args->values.beta, "beta mode: β, K");
    AddValue(*cmd, "-A,--A", args->values.a, "Steinhart-Hart / extended A");
    AddValue(*cmd, "-B,--B", args->values.b, "Steinhart-Hart / extended B");
    AddValue(*cmd, "-C,--C", args->values.c, "Steinhart-Hart / extended C");
    AddValue(*cmd, "-D,--D", args->values.d, "extended D");
    AddStandardsOptions(*cmd, args->standards);
    AddLeaf(program, *cmd, mode, shared, [args, io, mode](bool& fromStdin, std::optional<double>& input) {
        NtcMode ntcMode = args->mode == "sh" ? NtcMode::SteinhartHart
                          : args->mode == "ext" ? NtcMode::Extended : NtcMode::Beta;
        NtcPanelValues values = args->values;
        if (!args->standards.product.empty()) {
            const std::optional<StandardRecord> record = FindStandard(args->standards, StandardKind::Thermistor);
            if (!record) return std::optional<Converter>();
            const std::optional<NtcStandardLoad> load = NtcLoadFromStandard(*record);
            if (!load || !load->fill) {
                std::cerr << "tmcalc-cli: the standard's Method or coefficients cannot be used\n";
                return std::optional<Converter>();
            }
            ntcMode = load->mode;
            values = load->values;
        }
        if (!NtcPanelTemperature(ntcMode, values, 1.0)) {
            std::cerr << "tmcalc-cli: ntc " << args->mode << " needs its coefficients (or --product)\n";
            return std::optional<Converter>();
        }
        const bool fromTemp = Direction(*io, mode, fromStdin, input);
        // The extended panel shows its resistance with four significant digits, the others with seven.
        const int rDigits = ntcMode == NtcMode::Extended ? 4 : 7;
        if (fromTemp) {
            return std::optional<Converter>(Converter{
                {"t_C", "r_ohm"}, [ntcMode, values, rDigits](double t, Row& row, bool wantShown) {
                    const double r = *NanIfEmpty(NtcPanelResistance(ntcMode, values, t));
                    row.values = {t, r};
                    row.outOfRange = !std::isfinite(r);
                    if (wantShown) row.shown = {FormatValueG7(t), ShowText(rDigits, 7, r)};
                }});
        }
        return std::optional<Converter>(
            Converter{{"r_ohm", "t_C"}, [ntcMode, values](double r, Row& row, bool wantShown) {
                          const double t = *NanIfEmpty(NtcPanelTemperature(ntcMode, values, r));
                          row.values = {r, t};
                          row.outOfRange = !std::isfinite(t);
                          if (wantShown) row.shown = {FormatValueG7(r), ShowText(7, 7, t)};
                      }});
    });
}

// sprt: the coefficients by their record keys (a4 ... a11), from options or from a standard.
struct SprtArgs {
    std::string range = "-189.344~660.23";  // the range the page opens with
    std::optional<double> rtp;
    std::map<std::string, double> coefficients;
    StandardsChoice standards;
};

void AddSprt(Program& program, CLI::App& parent, Mode mode)
{
    auto& shared = *program.shared.emplace_back(std::make_unique<Shared>());
    auto args = std::make_shared<SprtArgs>();
    auto io = std::make_shared<TwoWay>();
    CLI::App* cmd = parent.add_subcommand("sprt", "standard platinum resistance thermometer on ITS-90");
    AddTwoWay(*cmd, mode, io, "--temp", "temperature °C", "--res", "resistance Ω");
    cmd->add_option("--range", args->range, "calibration range \"low~high\", °C (selects the deviation groups)");
    AddValue(*cmd, "--rtp", args->rtp, "resistance at the triple point of water, Ω");
    for (const char* key : {"a4", "b4", "a5", "b5", "a7", "b7", "c7", "a8", "b8", "a9", "b9", "a10", "a11"}) {
        AddValue(*cmd, std::string("--") + key, args->coefficients[key], std::string("deviation coefficient ") + key);
    }
    AddStandardsOptions(*cmd, args->standards);
    AddLeaf(program, *cmd, mode, shared, [args, io, mode](bool& fromStdin, std::optional<double>& input) {
        std::u16string range = Widen(args->range);
        double rtp = args->rtp.value_or(0.0);
        const std::map<std::string, double>& k = args->coefficients;
        std::optional<StandardRecord> record;
        if (!args->standards.product.empty()) {
            record = FindStandard(args->standards, StandardKind::Resistor);
            if (!record) return std::optional<Converter>();
            range = Widen(record->Value("TempRange"));
            rtp = RecordNumber(*record, "Rtp");
        }
        const SprtRangeCodes codes = SprtRangeClasses(range);
        std::array<double, 3> upper{};
        std::array<double, 2> lower{};
        const auto value = [&](std::string_view name) {
            if (record) return RecordNumber(*record, name);
            const auto it = k.find(std::string(name));
            return it == k.end() ? 0.0 : it->second;
        };
        const SprtGroupInfo& up = SprtUpperGroup(codes.upper);
        for (int i = 0; i < up.coefficient_count; ++i) upper[static_cast<std::size_t>(i)] = value(up.names[static_cast<std::size_t>(i)]);
        const SprtGroupInfo& low = SprtLowerGroup(codes.lower);
        for (int i = 0; i < low.coefficient_count; ++i) lower[static_cast<std::size_t>(i)] = value(low.names[static_cast<std::size_t>(i)]);
        const SprtCoefficientSet set = SprtSetFromGroups(codes, upper, lower);
        if (rtp == 0.0 || !SprtHasCompleteGroup(set)) {
            std::cerr << "tmcalc-cli: sprt needs --rtp and a complete deviation group for the range\n";
            return std::optional<Converter>();
        }
        const bool fromRes = Direction(*io, mode, fromStdin, input);
        // The conversion page: t and R with 10 digits, W and the slopes with 7, all with 7 decimals.
        const auto fill = [](const std::optional<SprtConversion>& c, double in, bool resFirst, Row& row, bool wantShown) {
            const SprtConversion v = c.value_or(SprtConversion{kNaN, kNaN, kNaN, kNaN, kNaN});
            row.values = resFirst ? std::vector<double>{in, v.t, v.w, v.dw_dt, v.dr_dt}
                                  : std::vector<double>{in, v.r, v.w, v.dw_dt, v.dr_dt};
            row.outOfRange = !std::isfinite(row.values[1]);
            if (wantShown) {
                row.shown = {FormatValueG7(in), ShowText(10, 7, row.values[1]), ShowText(7, 7, v.w),
                             ShowText(7, 7, v.dw_dt), ShowText(7, 7, v.dr_dt)};
            }
        };
        if (fromRes) {
            return std::optional<Converter>(Converter{
                {"r_ohm", "t_C", "W", "dW_dt_per_C", "dR_dt_ohm_per_C"},
                [set, rtp, fill](double r, Row& row, bool wantShown) { fill(SprtFromResistance(set, rtp, r), r, true, row, wantShown); }});
        }
        return std::optional<Converter>(Converter{
            {"t_C", "r_ohm", "W", "dW_dt_per_C", "dR_dt_ohm_per_C"},
            [set, rtp, fill](double t, Row& row, bool wantShown) { fill(SprtFromTemperature(set, rtp, t), t, false, row, wantShown); }});
    });
}

// stdtc S: a calibrated type S standard from its emfs (mV) at the zinc, aluminium and copper points.
struct StdTcArgs {
    std::string type;
    StdSFixedPoints points;
    NumberOption cold;
    StandardsChoice standards;
};

void AddStdTc(Program& program, CLI::App& parent, Mode mode)
{
    auto& shared = *program.shared.emplace_back(std::make_unique<Shared>());
    auto args = std::make_shared<StdTcArgs>();
    auto io = std::make_shared<TwoWay>();
    CLI::App* cmd = parent.add_subcommand("stdtc", "calibrated standard thermocouple (type S): °C <-> mV");
    cmd->add_option("type", args->type, "S")->required()->transform(NameChecker(std::vector<std::string>{"S"}, "standard thermocouple type"));
    AddTwoWay(*cmd, mode, io, "--temp", "temperature °C", "--emf", "emf mV");
    AddValue(*cmd, "--zn", args->points.zinc, "emf at the zinc point, mV");
    AddValue(*cmd, "--al", args->points.aluminium, "emf at the aluminium point, mV");
    AddValue(*cmd, "--cu", args->points.copper, "emf at the copper point, mV");
    AddNumber(*cmd, "--cold", args->cold, "cold junction °C (default 0)");
    AddStandardsOptions(*cmd, args->standards);
    AddLeaf(program, *cmd, mode, shared, [args, io, mode](bool& fromStdin, std::optional<double>& input) {
        StdSFixedPoints points = args->points;
        if (!args->standards.product.empty()) {
            const std::optional<StandardRecord> record = FindStandard(args->standards, StandardKind::Thermocouple);
            if (!record) return std::optional<Converter>();
            points = {RecordNumber(*record, "Zn"), RecordNumber(*record, "Al"), RecordNumber(*record, "Cu")};
        }
        if (points.zinc == 0.0 || points.aluminium == 0.0 || points.copper == 0.0) {
            std::cerr << "tmcalc-cli: stdtc needs the emfs at the three fixed points (--zn, --al, --cu)\n";
            return std::optional<Converter>();
        }
        const double cold = args->cold.value.value_or(0.0);
        const bool fromEmf = Direction(*io, mode, fromStdin, input);
        // The standard's sub-page shows 11 digits with 7 decimals.
        if (fromEmf) {
            return std::optional<Converter>(Converter{
                {"emf_mV", "t_C", "seebeck_uV_per_C"}, [points, cold](double e, Row& row, bool wantShown) {
                    const auto r = StdSPageEmfToTemperature(points, e, cold)
                                       .value_or(StdSTemperatureResult{kNaN, kNaN});
                    row.values = {e, r.t, r.slope};
                    row.outOfRange = !std::isfinite(r.t);
                    if (wantShown) row.shown = {FormatValueG7(e), ShowText(11, 7, r.t), ShowText(11, 7, r.slope)};
                }});
        }
        return std::optional<Converter>(Converter{
            {"t_C", "emf_mV", "seebeck_uV_per_C"}, [points, cold](double t, Row& row, bool wantShown) {
                const auto page = StdSPageTemperatureToEmf(points, t, cold);
                const StdSEmfResult r = page ? page->result : StdSEmfResult{kNaN, kNaN};
                row.values = {t, r.emf, r.slope};
                row.outOfRange = !std::isfinite(r.emf);
                if (wantShown) row.shown = {FormatValueG7(t), ShowText(11, 7, r.emf), ShowText(11, 7, r.slope)};
            }});
    });
}

// transmitter: a linear transmitter between its conversion range and its signal range.
struct TransmitterArgs {
    std::string signal = "4~20";
    std::string range = "0~100";
};

void AddTransmitter(Program& program, CLI::App& parent, Mode mode)
{
    auto& shared = *program.shared.emplace_back(std::make_unique<Shared>());
    auto args = std::make_shared<TransmitterArgs>();
    auto io = std::make_shared<TwoWay>();
    CLI::App* cmd = parent.add_subcommand("transmitter", "linear transmitter: measured value <-> signal");
    AddTwoWay(*cmd, mode, io, "--value", "measured value", "--signal-value", "signal (mA or V)");
    cmd->add_option("--signal", args->signal, "signal range \"low~high\" (default 4~20)");
    cmd->add_option("--range", args->range, "conversion range \"low~high\" (default 0~100)");
    AddLeaf(program, *cmd, mode, shared, [args, io, mode](bool& fromStdin, std::optional<double>& input) {
        const TransmitterRange signal = TransmitterRangeFromText(ReadRangeText(Widen(args->signal)));
        const TransmitterRange range = TransmitterRangeFromText(ReadRangeText(Widen(args->range)));
        if (!TransmitterSignal(signal, range, 0.0)) {
            std::cerr << "tmcalc-cli: a range with equal bounds converts nothing\n";
            return std::optional<Converter>();
        }
        const bool fromSignal = Direction(*io, mode, fromStdin, input);
        // The page shows 10 digits with 7 decimals.
        return std::optional<Converter>(Converter{
            fromSignal ? std::vector<std::string>{"signal", "value"} : std::vector<std::string>{"value", "signal"},
            [signal, range, fromSignal](double x, Row& row, bool wantShown) {
                const double y = fromSignal ? *TransmitterValue(signal, range, x) : *TransmitterSignal(signal, range, x);
                row.values = {x, y};
                row.outOfRange = std::isnan(y);
                if (wantShown) row.shown = {FormatValueG7(x), ShowText(10, 7, y)};
            }});
    });
}

// humidity: every quantity of moist air at t and P from one of them.
struct HumidityArgs {
    std::string kind;
    double t = 20.0;
    double pressure = 996.0;  // the page's opening value, hPa
    std::string value;
};

const std::map<std::string, int>& HumidityKindNames()
{
    static const std::map<std::string, int> names{
        {"rh", kHumidityRelative},     {"dewpoint", kHumidityDewPoint},   {"wetbulb", kHumidityWetBulb},
        {"es", kHumiditySaturationPressure}, {"e", kHumidityVaporPressure}, {"ppmv-dry", kHumidityPpmvDry},
        {"ppmv-wet", kHumidityPpmvWet}, {"absolute", kHumidityAbsolute}, {"mixing", kHumidityMixingRatio},
        {"enthalpy", kHumidityEnthalpy}};
    return names;
}

void AddHumidity(Program& program, CLI::App& parent, Mode mode)
{
    auto& shared = *program.shared.emplace_back(std::make_unique<Shared>());
    auto args = std::make_shared<HumidityArgs>();
    CLI::App* cmd = parent.add_subcommand("humidity", "moist air: all humidity quantities from one");
    cmd->add_option("kind", args->kind,
                    "rh (%rh), dewpoint (°C), wetbulb (°C), es, e (hPa), ppmv-dry, ppmv-wet, absolute (g/m³), "
                    "mixing (g/kg), enthalpy (kJ/kg)")
        ->required()
        ->transform(NameChecker(HumidityKindNames(), "humidity quantity"));
    if (mode == Mode::Convert) cmd->add_option("value", args->value, "its value ('-': one per stdin line)");
    AddValue(*cmd, "--t", args->t, "air temperature °C (default 20)");
    AddValue(*cmd, "--pressure", args->pressure, "total pressure hPa (default 996)");
    AddLeaf(program, *cmd, mode, shared, [args](bool& fromStdin, std::optional<double>& input) {
        fromStdin = args->value == "-";
        if (!fromStdin && !args->value.empty()) {
            input = ReadNumber(args->value);
            if (!input) {
                std::cerr << "tmcalc-cli: not a number: '" << args->value << "'\n";
                return std::optional<Converter>();
            }
        }
        const int kind = HumidityKindNames().at(args->kind);
        std::vector<std::string> columns{"in_" + args->kind};
        for (const auto& [name, k] : HumidityKindNames()) {
            (void)k;
            columns.push_back(name);
        }
        const double t = args->t;
        const double pressure = args->pressure;
        return std::optional<Converter>(Converter{columns, [kind, t, pressure](double x, Row& row, bool wantShown) {
            const auto all = HumidityQuantities(kind, x, t, pressure);
            row.values = {x};
            for (const auto& [name, k] : HumidityKindNames()) {
                (void)name;
                row.values.push_back(all[static_cast<std::size_t>(k)]);
            }
            // Single quantities may be NaN beyond their own limits; without a vapour pressure there is nothing.
            row.outOfRange = std::isnan(all[static_cast<std::size_t>(kHumidityVaporPressure)]);
            if (wantShown) {
                // The humidity page shows 6 digits with 7 decimals.
                row.shown = {FormatValueG7(x)};
                for (std::size_t i = 1; i < row.values.size(); ++i) row.shown.push_back(ShowText(6, 7, row.values[i]));
            }
        }});
    });
}

// units FAMILY --unit U VALUE: one value on every unit of a unit page.
const std::map<std::string, int>& UnitFamilyTitles()
{
    static const std::map<std::string, int> titles{
        {"heat-transfer-coefficient", kStrTitleHeatTransferCoefficient},
        {"thermal-conductivity", kStrTitleThermalConductivity},
        {"heat-flux", kStrTitleHeatFlux},
        {"power", kStrTitlePower},
        {"pressure", kStrTitlePressure},
        {"length", kStrTitleLength},
        {"area", kStrTitleArea},
        {"velocity", kStrTitleVelocity},
        {"force", kStrTitleForce},
        {"dynamic-viscosity", kStrTitleDynamicViscosity},
        {"kinematic-viscosity", kStrTitleKinematicViscosity},
        {"diffusion", kStrTitleDiffusion},
        {"surface-tension", kStrTitleSurfaceTension},
        {"energy", kStrTitleEnergy}};
    return titles;
}

const UnitPage* UnitPageOfFamily(const std::string& family)
{
    const int title = UnitFamilyTitles().at(family);
    for (const UnitPage& page : UnitPages()) {
        if (page.titleId == title) return &page;
    }
    return nullptr;
}

// The unit's text as the page's English labels write it; the index of the live cell when none.
std::string UnitName(const UnitPage& page, int cell)
{
    return std::string(LoadString(page.firstUnitId + cell, Language::English));
}

struct UnitsArgs {
    std::string family;
    std::string unit;
    std::string value;
};

void AddUnits(Program& program, CLI::App& parent, Mode mode)
{
    auto& shared = *program.shared.emplace_back(std::make_unique<Shared>());
    auto args = std::make_shared<UnitsArgs>();
    CLI::App* cmd = parent.add_subcommand("units", "a value on every unit of a family (the unit pages)");
    std::vector<std::string> families;
    for (const auto& entry : UnitFamilyTitles()) families.push_back(entry.first);
    cmd->add_option("family", args->family, "heat-transfer-coefficient, pressure, length, energy, ...")
        ->required()
        ->transform(NameChecker(families, "unit family"));
    cmd->add_option("--unit", args->unit, "the value's unit as the page writes it (\"kPa\"), or its column from 1")
        ->required();
    if (mode == Mode::Convert) cmd->add_option("value", args->value, "the value ('-': one per stdin line)");
    AddLeaf(program, *cmd, mode, shared, [args](bool& fromStdin, std::optional<double>& input) {
        const UnitPage* page = UnitPageOfFamily(args->family);
        if (page == nullptr) return std::optional<Converter>();
        std::vector<int> live;
        for (int i = 0; i < static_cast<int>(page->fields.size()); ++i) {
            if (!page->fields[static_cast<std::size_t>(i)].dead) live.push_back(i);
        }
        int driving = -1;
        for (std::size_t k = 0; k < live.size(); ++k) {
            if (UnitName(*page, live[k]) == args->unit || std::to_string(k + 1) == args->unit) driving = live[k];
        }
        if (driving < 0) {
            std::cerr << "tmcalc-cli: no unit '" << args->unit << "' in " << args->family << "; one of:";
            for (const int cell : live) std::cerr << " \"" << UnitName(*page, cell) << '"';
            std::cerr << '\n';
            return std::optional<Converter>();
        }
        fromStdin = args->value == "-";
        if (!fromStdin && !args->value.empty()) {
            input = ReadNumber(args->value);
            if (!input) {
                std::cerr << "tmcalc-cli: not a number: '" << args->value << "'\n";
                return std::optional<Converter>();
            }
        }
        std::vector<std::string> columns{"in_" + UnitName(*page, driving)};
        for (const int cell : live) columns.push_back(UnitName(*page, cell));
        const int fieldId = page->fields[static_cast<std::size_t>(driving)].id;
        return std::optional<Converter>(Converter{columns, [page, live, fieldId](double x, Row& row, bool wantShown) {
            const UnitCellValues values = ConvertUnitField(*page, fieldId, x);
            row.values = {x};
            for (const int cell : live) row.values.push_back(values[static_cast<std::size_t>(cell)]);
            row.outOfRange = std::isnan(x);
            if (wantShown) {
                row.shown = {FormatValueG7(x)};
                for (std::size_t i = 1; i < row.values.size(); ++i) {
                    row.shown.push_back(FormatUnitValue(*page, row.values[i]).value_or(std::string()));
                }
            }
        }});
    });
}

void AddCommands(Program& program, CLI::App& parent, Mode mode)
{
    AddUnits(program, parent, mode);
    AddTc(program, parent, mode);
    AddRtd(program, parent, mode);
    AddTemperature(program, parent, mode);
    AddSprt(program, parent, mode);
    AddStdTc(program, parent, mode);
    AddNtc(program, parent, mode);
    AddHumidity(program, parent, mode);
    AddTransmitter(program, parent, mode);
}

}  // namespace
}  // namespace tmcalc

int main(int argc, char** argv)
{
    using namespace tmcalc;
    std::ios::sync_with_stdio(false);
    Program program;
    program.app.require_subcommand(1);
    program.app.set_version_flag("--version", "tmcalc-cli 3.2.2");
    AddCommands(program, program.app, Mode::Convert);
    CLI::App* table = program.app.add_subcommand("table", "a table over a range of inputs");
    table->require_subcommand(1);
    AddCommands(program, *table, Mode::Table);
    try {
        program.app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return program.app.exit(e);
    }
    for (std::size_t i = 0; i < program.leaves.size(); ++i) {
        if (program.leaves[i]->parsed()) return program.runners[i]();
    }
    return kExitUsage;
}
