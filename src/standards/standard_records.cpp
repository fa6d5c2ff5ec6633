#include "standards/standard_records.h"

#include "framework/number_text.h"
#include "standards/profile_file.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tmcalc {
namespace {

// CertU and CertK, on every kind, are the certificate's expanded uncertainty of the standard's parameter
// (R(TPW) of a resistor, R25 of a thermistor, in Ω; a thermocouple's in its certificate's terms) and its
// coverage factor. A standard without them writes no such lines, so files from before them save the
// same bytes.
constexpr std::array<std::string_view, 21> kCoupleKeys = {
    "ProductNo", "TypeNo", "CertNo", "Graduation", "ClassNo", "CalMethod", "Zn", "Al",    "Cu",   "TempRange",
    "c0",        "c1",     "c2",     "c3",         "c4",      "c5",        "c6", "c7",    "c8",   "CertU",
    "CertK"};
// Qt90 holds the ITS-90 Compact string(s) a standard was pasted from (several separated by spaces), so
// that every number of its certificate, points and uncertainties too, is kept; a standard without one
// writes no such line.
constexpr std::array<std::string_view, 22> kResistorKeys = {
    "ProductNo", "TypeNo", "CertNo", "ClassNo", "TempRange", "Rtp", "a4", "b4",  "a5",  "b5",    "a7",
    "b7",        "c7",     "a8",     "b8",      "a9",        "b9",  "a10", "a11", "Qt90", "CertU", "CertK"};
constexpr std::array<std::string_view, 22> kResistorFields = {
    "ProductNo", "TypeNo", "CertNo", "ClassNo", "TempRange", "Rtp", "a4", "b4",  "a5",  "b5",    "a7",
    "b7",        "c7",     "a8",     "b8",      "a9",        "b9",  "a11", "a10", "Qt90", "CertU", "CertK"};
constexpr std::array<std::string_view, 12> kThermistorKeys = {
    "ProductNo", "TypeNo", "CertNo", "Method", "R25", "Beta", "A", "B", "C", "D", "CertU", "CertK"};

constexpr std::array<std::string_view, 11> kCoupleColumns = {
    "ProductNo", "TypeNo", "Graduation", "Zn", "Al", "Cu", "ClassNo", "CertNo", "CalMethod", "CertU", "CertK"};
constexpr std::array<std::string_view, 19> kResistorColumns = {
    "ProductNo", "TypeNo", "TempRange", "Rtp", "a4", "b4", "a5",  "b5",  "a7",   "b7",
    "c7",        "a8",     "b8",        "a9",  "b9", "a10", "a11", "CertU", "CertK"};

struct KindTable {
    std::span<const std::string_view> keys;
    std::span<const std::string_view> fields;
    std::span<const std::string_view> columns;
    std::string_view prefix;
    std::string_view templateSection;
};

const KindTable& TableOf(StandardKind kind)
{
    static const std::array<KindTable, 3> kTables = {{
        {kCoupleKeys, kCoupleKeys, kCoupleColumns, "couplestd", "CoupleTemplate"},
        {kResistorKeys, kResistorFields, kResistorColumns, "resistorstd", "ResistorTemplate"},
        {kThermistorKeys, kThermistorKeys, kThermistorKeys, "NTCThermistors", "NTCTemplate"},
    }};
    return kTables[static_cast<std::size_t>(kind) - 1];
}

char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool SameKey(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

std::optional<std::size_t> FieldIndex(StandardKind kind, std::string_view key)
{
    const auto fields = TableOf(kind).fields;
    const auto it =
        std::find_if(fields.begin(), fields.end(), [key](std::string_view f) { return SameKey(f, key); });
    if (it == fields.end()) return std::nullopt;
    return static_cast<std::size_t>(it - fields.begin());
}

// Keys a standard without a value for them does not write.
bool OmittedWhenEmpty(std::string_view key)
{
    return key == "Qt90" || key == "CertU" || key == "CertK";
}

}  // namespace

std::optional<StandardKind> StandardKindFromNumber(int number)
{
    if (number < 1 || number > 3) return std::nullopt;
    return static_cast<StandardKind>(number);
}

std::span<const std::string_view> StandardKeys(StandardKind kind)
{
    return TableOf(kind).keys;
}
std::span<const std::string_view> StandardRecordFields(StandardKind kind)
{
    return TableOf(kind).fields;
}
std::span<const std::string_view> StandardColumnKeys(StandardKind kind)
{
    return TableOf(kind).columns;
}
std::string_view StandardSectionPrefix(StandardKind kind)
{
    return TableOf(kind).prefix;
}
std::string_view StandardTemplateSection(StandardKind kind)
{
    return TableOf(kind).templateSection;
}

std::string_view CanonicalStandardKey(StandardKind kind, std::string_view key)
{
    const auto index = FieldIndex(kind, key);
    return index ? TableOf(kind).fields[*index] : std::string_view();
}

StandardRecord::StandardRecord(StandardKind kind) : m_kind(kind), m_fields(TableOf(kind).fields.size()) {}

const std::string& StandardRecord::Value(std::string_view key) const
{
    static const std::string kEmpty;
    const auto index = FieldIndex(m_kind, key);
    return index ? m_fields[*index] : kEmpty;
}

bool StandardRecord::SetValue(std::string_view key, std::string value)
{
    const auto index = FieldIndex(m_kind, key);
    if (!index) return false;
    m_fields[*index] = std::move(value);
    return true;
}

std::vector<std::string> StandardRecord::ColumnValues() const
{
    std::vector<std::string> row;
    for (const std::string_view key : StandardColumnKeys(m_kind)) row.push_back(Value(key));
    return row;
}

std::optional<double> CertificateStandardUncertainty(const StandardRecord& record)
{
    const auto number = [](const std::string& text) -> std::optional<double> {
        std::u16string wide(text.begin(), text.end());  // a number is ASCII; anything else reads as junk
        const std::u16string_view trimmed = TrimProfileSpace(wide);
        const CheckedValue v = ReadFieldValueChecked(trimmed);
        if (!v.consumed || !std::isfinite(v.value)) return std::nullopt;
        return v.value;
    };
    const std::string& uText = record.Value("CertU");
    const std::string& kText = record.Value("CertK");
    if (uText.empty()) return std::nullopt;
    const std::optional<double> u = number(uText);
    const std::optional<double> k = kText.empty() ? std::optional<double>(2.0) : number(kText);
    if (!u || !k || *u < 0.0 || *k <= 0.0) return std::nullopt;
    return *u / *k;
}

std::vector<std::string> StandardSaveBody(const StandardRecord& record)
{
    std::vector<std::string> body;
    for (const std::string_view key : StandardKeys(record.Kind())) {
        if (OmittedWhenEmpty(key) && record.Value(key).empty()) continue;
        std::string line(key);
        // The file format writes the thermistor's D entry with no space after the equals sign; readers
        // trim, so the value reads the same either way, and the bytes stay as the format has them.
        line += (record.Kind() == StandardKind::Thermistor && key == "D") ? " =" : " = ";
        line += record.Value(key);
        body.push_back(std::move(line));
    }
    return body;
}

}  // namespace tmcalc
