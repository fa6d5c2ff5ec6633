#pragma once

#include "framework/field_policy.h"

#include <array>
#include <cstddef>
#include <span>

namespace tmcalc {

// The fifteen linear unit pages (heat transfer coefficient to energy, and temperature difference) as data: one descriptor per page
// holds everything the generic page needs to build itself and convert, so no page has code of its own.

// One step of a conversion: multiply or divide by a constant. Multiplying by 0.001 and dividing by 1000
// round differently, and the tables keep whichever form each unit has always used.
struct UnitStep {
    enum class Op : unsigned char { Times, Over };
    Op op = Op::Times;
    double constant = 1.0;
};

inline constexpr int kUnitChainCapacity = 3;

// A short chain of steps, applied left to right. The empty chain is the identity.
struct UnitChain {
    std::array<UnitStep, kUnitChainCapacity> steps{};
    int count = 0;

    [[nodiscard]] constexpr UnitChain Times(double constant) const { return Then(UnitStep::Op::Times, constant); }
    [[nodiscard]] constexpr UnitChain Over(double constant) const { return Then(UnitStep::Op::Over, constant); }

private:
    [[nodiscard]] constexpr UnitChain Then(UnitStep::Op op, double constant) const
    {
        UnitChain longer = *this;
        // A fourth step indexes past the array, which a constant expression refuses: tables cannot overflow.
        longer.steps[static_cast<std::size_t>(count)] = {op, constant};
        ++longer.count;
        return longer;
    }
};

inline constexpr UnitChain kUnitIdentity{};

[[nodiscard]] constexpr double ApplyUnitChain(const UnitChain& chain, double value)
{
    for (int i = 0; i < chain.count; ++i) {
        const UnitStep& step = chain.steps[static_cast<std::size_t>(i)];
        value = step.op == UnitStep::Op::Times ? value * step.constant : value / step.constant;
    }
    return value;
}

// One cell of a page's grid. Cells are numbered column by column from 0; that number indexes the
// tables, `id` is what the field builders call the cell (10 x column + row).
struct UnitField {
    int id = 0;
    int labelId = 0;
    int unitId = 0;
    bool dead = false;  // beyond the live count: hidden at creation, never written, never converts
    int base = 0;       // which base quantity the field converts to and from (only the force page has three)
    UnitChain toBase;
    UnitChain fromBase;
};

inline constexpr int kMaxUnitBases = 3;

// Fills another base quantity from one already known: target = chain(source).
struct UnitBaseLink {
    int target = 0;
    int source = 0;
    UnitChain chain;
};

// The base quantities of a page. Most pages have one. The force page carries newtons, tonnes-force and
// pounds-force side by side, and the quantity a field feeds decides how the other two are derived (and
// so the last digits of every field): links[b] fills the others, in order, when a field fed base b.
struct UnitBaseScheme {
    int count = 1;
    std::array<std::array<UnitBaseLink, kMaxUnitBases - 1>, kMaxUnitBases> links{};
};

// The framework field builder that lays out a page.
enum class UnitGridBuilder {
    WideFieldGrid,  // BuildWideFieldGrid
    FieldGrid,      // BuildFieldGrid
    FieldColumn,    // BuildFieldColumn
};

struct UnitPage {
    int pageIndex = 0;  // in the main window: 7-9 from the navigation column, 12-23 from the More tiles
    int titleId = 0;
    UnitGridBuilder builder = UnitGridBuilder::FieldGrid;
    int rows = 0;
    int columns = 0;
    int firstLabelId = 0;  // cell k shows label firstLabelId + k and unit firstUnitId + k
    int firstUnitId = 0;
    int liveCount = 0;
    FieldPolicy policy{ReadRule::Plain, DisplayFormat::G7()};  // how the driving field is read, results written
    const UnitBaseScheme* bases = nullptr;
    std::span<const UnitField> fields;  // every cell of the grid in cell order, dead ones included
};

inline constexpr int kUnitPageCount = 15;
inline constexpr int kMaxUnitCells = 27;

// All unit pages in ascending page index.
[[nodiscard]] std::span<const UnitPage, kUnitPageCount> UnitPages();

// The unit page shown at `pageIndex`, or nullptr when that page is not a unit page.
[[nodiscard]] const UnitPage* UnitPageAt(int pageIndex);

}  // namespace tmcalc
