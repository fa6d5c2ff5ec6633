#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tmcalc {

// The numbers are the ones the pages and the manager use for the kinds.
enum class StandardKind {
    Thermocouple = 1,
    Resistor = 2,  // standard platinum resistance thermometer
    Thermistor = 3,
};

inline constexpr StandardKind kAllStandardKinds[] = {StandardKind::Thermocouple, StandardKind::Resistor,
                                                     StandardKind::Thermistor};

[[nodiscard]] std::optional<StandardKind> StandardKindFromNumber(int number);

// Keys in the order they are read from a section and written into it.
[[nodiscard]] std::span<const std::string_view> StandardKeys(StandardKind kind);
// Fields of a record in record order; the resistor record holds a11 before a10, which is why records are
// only ever addressed by key.
[[nodiscard]] std::span<const std::string_view> StandardRecordFields(StandardKind kind);
// The key each column of the manager's list shows and edits, column 0 first.
[[nodiscard]] std::span<const std::string_view> StandardColumnKeys(StandardKind kind);
// Sections whose names begin with this text (compared with case) hold standards of the kind.
[[nodiscard]] std::string_view StandardSectionPrefix(StandardKind kind);
// The section that new standards of the kind are copied from.
[[nodiscard]] std::string_view StandardTemplateSection(StandardKind kind);

// The certificate values of one standard, all held as UTF-8 text; the pages convert the numeric ones.
// Values are kept whole: a coefficient never loses its last characters on the way to the file.
class StandardRecord {
public:
    explicit StandardRecord(StandardKind kind = StandardKind::Thermocouple);

    [[nodiscard]] StandardKind Kind() const { return m_kind; }
    // Empty for a key the kind does not store. Keys are compared without regard to ASCII case.
    [[nodiscard]] const std::string& Value(std::string_view key) const;
    // False (and nothing changed) for a key the kind does not store.
    bool SetValue(std::string_view key, std::string value);
    // In record field order (StandardRecordFields).
    [[nodiscard]] const std::vector<std::string>& Fields() const { return m_fields; }
    // One row of the manager's list: the values in column order (StandardColumnKeys).
    [[nodiscard]] std::vector<std::string> ColumnValues() const;

    friend bool operator==(const StandardRecord&, const StandardRecord&) = default;

private:
    StandardKind m_kind;
    std::vector<std::string> m_fields;
};

// The key of the kind spelled as the file spells it, for a key given in any case; empty if unknown.
[[nodiscard]] std::string_view CanonicalStandardKey(StandardKind kind, std::string_view key);

// The standard uncertainty of the standard's parameter from its certificate: CertU over CertK (2 when
// CertK is empty, the usual coverage factor of a certificate). Empty when CertU is empty, or either is
// not a number, CertU is negative or CertK is not above 0.
[[nodiscard]] std::optional<double> CertificateStandardUncertainty(const StandardRecord& record);

// The lines a save writes as the whole body of the standard's section, in key order.
[[nodiscard]] std::vector<std::string> StandardSaveBody(const StandardRecord& record);

}  // namespace tmcalc
