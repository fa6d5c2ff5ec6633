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

std::string NumberText(double value, const OutputSettings& settings)
{
    // The page's own text for a value out of range, written with --as-shown.
    if (std::isnan(value)) return settings.asShown ? FormatValueG7(kNaN) : std::string(kOutOfRange);
    // An infinity is no result: beyond the double range is out of range too.
    if (std::isinf(value) && !settings.asShown) return std::string(kOutOfRange);
    char buffer[64];
    const auto result = settings.digits ? std::to_chars(buffer, buffer + sizeof buffer, value,
                                                        std::chars_format::general, *settings.digits)
                                        : std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
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
                m_cells[i] = NumberText(i < row.values.size() ? row.values[i] : kNaN, m_settings);
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
            m_buffer += CsvCell(cells[i]);
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
    Row row;
    row.values = results.values;
    for (std::size_t i = 0; i < row.values.size(); ++i) {
        if (std::isnan(row.values[i])) row.outOfRange = true;
        row.shown.push_back(ShownText(i < results.formats.size() ? results.formats[i] : kG7, row.values[i]));
    }
    // The row is written either way: which coefficients failed is part of the answer.
    RowWriter writer(settings, results.columns);
    writer.Write(row);
    writer.Finish();
    if (!row.outOfRange) return kExitOk;
    Complain("these inputs give no coefficients (" + std::string(kOutOfRange) + ")");
    return kExitFailedValues;
}

}  // namespace tmcalc::cli
