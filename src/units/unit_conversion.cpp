#include "units/unit_conversion.h"

#include "framework/number_text.h"

#include <cstddef>
#include <limits>

namespace tmcalc {
namespace {

constexpr double kUnitNaN = std::numeric_limits<double>::quiet_NaN();

std::size_t Index(int i)
{
    return static_cast<std::size_t>(i);
}

}  // namespace

int UnitCellOfField(const UnitPage& page, int fieldId)
{
    if (page.rows <= 0 || fieldId < 0) return -1;
    const int column = fieldId / 10;
    const int row = fieldId % 10;
    if (row >= page.rows || column >= page.columns) return -1;
    const int cell = column * page.rows + row;
    return Index(cell) < page.fields.size() ? cell : -1;
}

UnitCellValues ConvertUnitField(const UnitPage& page, int fieldId, double value)
{
    UnitCellValues values;
    values.fill(kUnitNaN);
    const int cell = UnitCellOfField(page, fieldId);
    if (cell < 0 || Index(cell) >= values.size() || page.fields[Index(cell)].dead) return values;

    const UnitField& driver = page.fields[Index(cell)];
    std::array<double, kMaxUnitBases> base{kUnitNaN, kUnitNaN, kUnitNaN};
    base[Index(driver.base)] = ApplyUnitChain(driver.toBase, value);
    if (page.bases != nullptr) {
        const auto& links = page.bases->links[Index(driver.base)];
        for (int i = 0; i + 1 < page.bases->count; ++i) {
            const UnitBaseLink& link = links[Index(i)];
            base[Index(link.target)] = ApplyUnitChain(link.chain, base[Index(link.source)]);
        }
    }

    const std::size_t cells = page.fields.size() < values.size() ? page.fields.size() : values.size();
    for (std::size_t k = 0; k < cells; ++k) {
        const UnitField& field = page.fields[k];
        if (!field.dead) values[k] = ApplyUnitChain(field.fromBase, base[Index(field.base)]);
    }
    values[Index(cell)] = value;  // the typed value stands, whatever its own round trip gives
    return values;
}

std::optional<std::string> FormatUnitValue(const UnitPage& page, double value)
{
    return FieldTextFor(page.policy.display, value);
}

UnitFieldTexts UnitTextsAfterEdit(const UnitPage& page, int fieldId, std::u16string_view text)
{
    UnitFieldTexts out;
    const int cell = UnitCellOfField(page, fieldId);
    if (cell < 0 || Index(cell) >= out.texts.size() || page.fields[Index(cell)].dead) return out;

    const CheckedValue read = ReadFieldText(text, page.policy.read);
    out.cleared = !read.consumed;
    const double value = read.value;

    const UnitCellValues values = out.cleared ? UnitCellValues{} : ConvertUnitField(page, fieldId, value);
    const std::size_t cells = page.fields.size() < out.texts.size() ? page.fields.size() : out.texts.size();
    for (std::size_t k = 0; k < cells; ++k) {
        if (k == Index(cell) || page.fields[k].dead) continue;
        out.texts[k] = out.cleared ? std::optional<std::string>(std::string()) : FormatUnitValue(page, values[k]);
    }
    return out;
}

}  // namespace tmcalc
