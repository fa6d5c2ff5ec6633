#include "cli_rows.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <utility>

namespace tmcalc::cli {

std::u16string Widen(std::string_view text)
{
    std::u16string wide(text.size(), u'\0');
    std::transform(text.begin(), text.end(), wide.begin(),
                   [](char c) { return static_cast<char16_t>(static_cast<unsigned char>(c)); });
    return wide;
}

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether `text` is exactly [+-] digits [. digits] [e [+-] digits], with at least one mantissa digit.
bool IsPlainDecimal(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) ++digits;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) ++digits;
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t exponent = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i) ++exponent;
        if (exponent == 0) return false;
    }
    return i == text.size();
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    if (!IsPlainDecimal(text)) return std::nullopt;
    // The grammar is a subset of the fields' reader, which also settles overflow and underflow.
    return ReadFieldValue(Widen(text));
}

void Complain(const std::string& message)
{
    std::cerr << "tmcalc-cli: " << message << '\n';
}

namespace {

// NumberText into a string kept from row to row, whose storage a batch of a million lines reuses.
void AssignNumberText(std::string& out, double value, const OutputSettings& settings)
{
    // The page's own text for a value out of range, written with --as-shown.
    if (std::isnan(value)) {
        out = settings.asShown ? FormatValueG7(kNaN) : std::string(kOutOfRange);
        return;
    }
    // An infinity is no result: beyond the double range is out of range too.
    if (std::isinf(value) && !settings.asShown) {
        out = kOutOfRange;
        return;
    }
    char buffer[64];
    const auto result = settings.digits ? std::to_chars(buffer, buffer + sizeof buffer, value,
                                                        std::chars_format::general, *settings.digits)
                                        : std::to_chars(buffer, buffer + sizeof buffer, value);
    out.assign(buffer, result.ptr);
}

}  // namespace

std::string NumberText(double value, const OutputSettings& settings)
{
    std::string text;
    AssignNumberText(text, value, settings);
    return text;
}

std::string ShownText(ShownFormat format, double value)
{
    if (format.digits == 0) return FormatValueG7(value);
    return FormatShowValue(format.digits, format.decimals, value).value_or(std::string());
}

void Converter::Convert(double input, Row& row, bool wantShown) const
{
    // The row's vectors are reused from line to line: a batch of a million lines allocates nothing.
    row.values.clear();
    row.shown.clear();
    row.badInput.clear();
    row.outOfRange = !compute(input, row.values) || !std::isfinite(input);
    // A result that overflowed is out of range: no row of the command line holds an infinity.
    for (const double value : row.values) row.outOfRange = row.outOfRange || std::isinf(value);
    if (!wantShown) return;
    if (pageTexts) {
        pageTexts(input, row.shown);
        return;
    }
    for (std::size_t i = 0; i < row.values.size(); ++i) {
        row.shown.push_back(ShownText(i < formats.size() ? formats[i] : kG7, row.values[i]));
    }
}

namespace {

// Appends one CSV cell, quoted where it holds a comma, a quote or a line break.
void AppendCsvCell(std::string& out, const std::string& text)
{
    if (std::none_of(text.begin(), text.end(), [](char c) { return c == ',' || c == '"' || c == '\n'; })) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

// Writes rows as CSV, JSON (an array of objects) or aligned text, buffered: text waits for the widths of
// every row, the others go out in blocks.
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
        Cells(row);
        if (m_settings.format == "text") {
            m_held.push_back(m_cells);
            return;
        }
        if (m_settings.format == "json") {
            nlohmann::ordered_json object;
            for (std::size_t i = 0; i < m_columns.size(); ++i) object[m_columns[i]] = JsonCell(row, i);
            if (row.outOfRange) object["error"] = kOutOfRange;
            if (!row.badInput.empty()) object["error"] = "not a number";
            m_buffer += m_rows == 0 ? "[\n  " : ",\n  ";
            m_buffer += object.dump();
        } else {
            if (m_rows == 0 && m_settings.header) AppendCsvLine(m_columns);
            AppendCsvLine(m_cells);
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
    void Cells(const Row& row)
    {
        m_cells.resize(m_columns.size());
        for (std::size_t i = 0; i < m_columns.size(); ++i) {
            if (i == 0 && !row.badInput.empty()) {
                m_cells[i] = row.badInput;
            } else if (!row.badInput.empty()) {
                m_cells[i] = "not a number";
            } else if (m_settings.asShown && i < row.shown.size()) {
                m_cells[i] = row.shown[i];
            } else if (!row.outOfRange && i < row.values.size() && std::isnan(row.values[i])) {
                m_cells[i].clear();  // a quantity the row has not (dry air's dew point): the rest stands
            } else {
                AssignNumberText(m_cells[i], i < row.values.size() ? row.values[i] : kNaN, m_settings);
            }
        }
    }

    [[nodiscard]] nlohmann::ordered_json JsonCell(const Row& row, std::size_t i) const
    {
        if (m_settings.asShown || (i == 0 && !row.badInput.empty())) return m_cells[i];
        if (!row.badInput.empty() || i >= row.values.size() || !std::isfinite(row.values[i])) return nullptr;
        // With --digits the number is the rounded one the other formats write.
        return m_settings.digits ? std::strtod(m_cells[i].c_str(), nullptr) : row.values[i];
    }

    void AppendCsvLine(const std::vector<std::string>& cells)
    {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i) m_buffer += ',';
            AppendCsvCell(m_buffer, cells[i]);
        }
        m_buffer += '\n';
    }

    // Columns line up by characters, not bytes: unit names hold "℃", "²" and the like.
    static std::size_t Width(const std::string& text)
    {
        return static_cast<std::size_t>(std::count_if(
            text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
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
    std::vector<std::string> m_cells;
    std::string m_buffer;
    std::vector<std::vector<std::string>> m_held;
    std::size_t m_rows = 0;
    std::size_t m_failed = 0;
};

int Report(std::size_t failed, std::size_t rows)
{
    if (failed == 0) return kExitOk;
    Complain(std::to_string(failed) + " of " + std::to_string(rows) + " values out of range or not a number");
    return kExitFailedValues;
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

}  // namespace

int RunSingle(const Converter& converter, double input, const OutputSettings& settings)
{
    Row row;
    converter.Convert(input, row, settings.asShown);
    if (row.outOfRange) {
        Complain(std::string(converter.columns.empty() ? "value" : converter.columns.front()) + " " +
                 NumberText(input, {}) + ": " + std::string(kOutOfRange));
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
        Complain("--from and --to must be finite and --step positive");
        return kExitUsage;
    }
    // Counted, not accumulated, so that the last row lands on --to without drift; bounded so that a tiny
    // step cannot run for hours.
    const double span = std::abs(to - from) / step;
    constexpr double kMaxRows = 1e8;
    if (span > kMaxRows) {
        Complain("more than 100000000 rows; use a larger --step");
        return kExitUsage;
    }
    const auto count = static_cast<long long>(std::floor(span * (1.0 + 1e-12))) + 1;
    const double direction = to >= from ? 1.0 : -1.0;
    RowWriter writer(settings, converter.columns);
    Row row;
    for (long long i = 0; i < count; ++i) {
        converter.Convert(from + direction * static_cast<double>(i) * step, row, settings.asShown);
        writer.Write(row);
    }
    return Report(writer.Finish(), static_cast<std::size_t>(count));
}

int RunBatch(const Converter& converter, const InputSettings& input, const OutputSettings& settings)
{
    RowWriter writer(settings, converter.columns);
    std::string line;
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
        const std::optional<double> value = ReadNumber(field);
        if (value) {
            converter.Convert(*value, row, settings.asShown);
        } else {
            row.values.clear();
            row.shown.clear();
            row.outOfRange = false;
            row.badInput = field.empty() ? std::string("(empty)") : std::string(field);
        }
        writer.Write(row);
        ++rows;
    }
    return Report(writer.Finish(), rows);
}

int RunResults(const ResultRow& results, const OutputSettings& settings)
{
    RowWriter writer(settings, results.columns);
    bool outOfRange = false;
    const auto write = [&](const std::vector<double>& values) {
        Row row;
        row.values = values;
        for (std::size_t i = 0; i < row.values.size(); ++i) {
            const bool empty = std::isnan(row.values[i]) && results.nanIsEmpty;
            if (std::isnan(row.values[i]) && !empty) row.outOfRange = true;
            row.shown.push_back(
                empty ? std::string() : ShownText(i < results.formats.size() ? results.formats[i] : kG7, row.values[i]));
        }
        // The row is written either way: which coefficients failed is part of the answer.
        writer.Write(row);
        outOfRange = outOfRange || row.outOfRange;
    };
    write(results.values);
    for (const std::vector<double>& values : results.more) write(values);
    writer.Finish();
    if (!outOfRange) return kExitOk;
    Complain("these inputs give no coefficients (" + std::string(kOutOfRange) + ")");
    return kExitFailedValues;
}

std::optional<Converter> WithUncertainty(const Converter& converter, const UncertaintyRequest& request)
{
    // Without a model of its own the conversion is one: its value in, its result columns out.
    ConverterUncertainty model;
    if (converter.uncertainty) {
        model = *converter.uncertainty;
    } else {
        model.model.inputs = {converter.columns.front()};
        model.model.outputs.assign(converter.columns.begin() + 1, converter.columns.end());
        model.model.evaluate = [compute = converter.compute](std::span<const double> x) {
            std::vector<double> values;
            if (!compute(x[0], values)) return std::vector<double>();
            return std::vector<double>(values.begin() + 1, values.end());
        };
    }
    const std::vector<std::string>& names = model.model.inputs;
    std::vector<double> u = model.defaultU;
    u.resize(names.size(), 0.0);
    for (const std::string& given : request.u) {
        const std::size_t equals = given.find('=');
        const std::string name = given.substr(0, equals);
        const auto it = std::find(names.begin(), names.end(), name);
        if (equals == std::string::npos || it == names.end()) {
            std::string known;
            for (const std::string& n : names) known += (known.empty() ? "" : ", ") + n;
            Complain("--u: '" + given + "' names no input of this conversion (" + known + ")");
            return std::nullopt;
        }
        const std::optional<double> value = ReadNumber(given.substr(equals + 1));
        if (!value || !std::isfinite(*value) || *value < 0.0) {
            Complain("--u: '" + given.substr(equals + 1) + "' is not a standard uncertainty (a number 0 or more)");
            return std::nullopt;
        }
        u[static_cast<std::size_t>(it - names.begin())] = *value;
    }
    double k = 2.0;
    if (!request.k.empty()) {
        const std::optional<double> value = ReadNumber(request.k);
        if (!value || !std::isfinite(*value) || *value <= 0.0) {
            Complain("--k: '" + request.k + "' is not a coverage factor (a number above 0)");
            return std::nullopt;
        }
        k = *value;
    }

    // Each result column's model output (-1: none, an empty cell).
    const std::size_t results = converter.columns.size() - 1;
    std::vector<int> output(results, -1);
    for (std::size_t c = 0; c < results; ++c) {
        const auto& outs = model.model.outputs;
        const auto it = std::find(outs.begin(), outs.end(), converter.columns[c + 1]);
        if (it != outs.end()) output[c] = static_cast<int>(it - outs.begin());
    }
    // u and U of every result column; a row out of range has none, and is not propagated.
    const auto uncertainties = [model, u, k, output](double input, bool inRange, std::vector<double>& out) {
        if (!inRange) {
            out.insert(out.end(), 2 * output.size(), kNaN);
            return;
        }
        std::vector<double> x{input};
        x.insert(x.end(), model.parameters.begin(), model.parameters.end());
        const std::vector<Budget> budgets = Propagate(model.model, x, u, k);
        for (const int o : output) {
            const bool known = o >= 0;
            out.push_back(known ? budgets[static_cast<std::size_t>(o)].uc : kNaN);
            out.push_back(known ? budgets[static_cast<std::size_t>(o)].U : kNaN);
        }
    };

    Converter with = converter;
    for (std::size_t c = 0; c < results; ++c) {
        with.columns.push_back("u_" + converter.columns[c + 1]);
        with.columns.push_back("U_" + converter.columns[c + 1]);
    }
    with.compute = [converter, uncertainties](double input, std::vector<double>& values) {
        const bool ok = converter.compute(input, values);
        uncertainties(input, ok, values);
        return ok;
    };
    with.pageTexts = [converter, uncertainties](double input, std::vector<std::string>& shown) {
        Row row;
        converter.Convert(input, row, true);
        shown = row.shown;
        std::vector<double> extra;
        uncertainties(input, !row.outOfRange, extra);
        for (const double v : extra) shown.push_back(std::isnan(v) ? std::string() : FormatSignificant(v));
    };
    with.uncertainty.reset();
    return with;
}

}  // namespace tmcalc::cli
