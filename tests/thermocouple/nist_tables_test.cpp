// The reference functions against the printed ITS-90 tables of nist_its90_tables.csv (beside this file):
// the emf to the printed microvolt, and the inverse polynomials within their published error bands.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "thermocouple/reference_functions.h"
#include "thermocouple/std_reference.h"

namespace tmcalc {
namespace {

using Type = ThermocoupleType;

struct TableRow {
    Type type;
    double t;      // °C
    double emfMv;  // printed to 1 µV
};

struct ErrorBand {
    Type type;
    double emfLowMv, emfHighMv;
    double low, high;  // °C, the wider of the published and the recomputed extremes
};

struct Tables {
    std::vector<TableRow> rows;
    std::vector<ErrorBand> bands;
};

// Lines "type,t_C,emf_mV" and "band,type,..." as the file's header describes them.
const Tables& ReadTables()
{
    static const Tables tables = [] {
        Tables out;
        std::ifstream file(TMCALC_NIST_TABLES);
        for (std::string line; std::getline(file, line);) {
            if (line.empty() || line[0] == '#') continue;
            std::vector<std::string> cells;
            std::stringstream stream(line);
            for (std::string cell; std::getline(stream, cell, ',');) cells.push_back(cell);
            const bool band = cells.at(0) == "band";
            const std::size_t letter = std::string_view("SRBKNJETDC").find(cells.at(band ? 1 : 0));
            EXPECT_LT(letter, 8U) << line;
            std::vector<double> v;
            for (std::size_t i = band ? 2 : 1; i < cells.size(); ++i) v.push_back(std::stod(cells[i]));
            const auto type = static_cast<Type>(letter);
            if (!band) {
                out.rows.push_back({type, v.at(0), v.at(1)});
            } else {
                // Recomputed extremes are printed to 1E-4 °C; half of that is added.
                out.bands.push_back({type, v.at(2), v.at(3), std::min(v.at(4), v.at(6)) - 5E-5,
                                     std::max(v.at(5), v.at(7)) + 5E-5});
            }
        }
        return out;
    }();
    return tables;
}

std::string Where(const TableRow& row)
{
    return std::string(1, "SRBKNJETDC"[static_cast<int>(row.type)]) + " at " + std::to_string(row.t);
}

TEST(NistTables, FileHoldsEveryTypeAndBand)
{
    const Tables& tables = ReadTables();
    std::set<Type> types;
    for (const TableRow& row : tables.rows) types.insert(row.type);
    EXPECT_EQ(types.size(), 8U) << TMCALC_NIST_TABLES;
    EXPECT_GT(tables.rows.size(), 1500U);
    EXPECT_EQ(tables.bands.size(), 23U);
}

// The printed emf is rounded to 1 µV; a few true values lie within 1E-8 mV of a rounding tie.
constexpr double kEmfTolerance = 0.0005 + 1E-8;

TEST(NistTables, EmfAgreesWithPrintedTables)
{
    for (const TableRow& row : ReadTables().rows) {
        ASSERT_NEAR(TcEmf(row.type, row.t) / 1000, row.emfMv, kEmfTolerance) << Where(row);
        if (row.type == Type::S || row.type == Type::B) {
            ASSERT_NEAR(StdRefEmf(row.type, row.t), row.emfMv, kEmfTolerance) << Where(row);
        }
    }
}

// The fit used for an emf starts at the highest lower limit at or below it (S and R fits overlap).
const ErrorBand* BandFor(Type type, double emfMv)
{
    const ErrorBand* chosen = nullptr;
    for (const ErrorBand& band : ReadTables().bands) {
        if (band.type == type && band.emfLowMv <= emfMv && (!chosen || band.emfLowMv > chosen->emfLowMv)) {
            chosen = &band;
        }
    }
    return chosen != nullptr && emfMv <= chosen->emfHighMv ? chosen : nullptr;
}

TEST(NistTables, InverseWithinPublishedErrorBands)
{
    int inside = 0;
    int beyond = 0;
    for (const TableRow& row : ReadTables().rows) {
        if (row.type == Type::B && row.t < 60) continue;  // two temperatures share one emf there
        const double t = TcTemperature(row.type, row.emfMv * 1000);
        // Rounding of the printed emf, 1.25 x 0.0005 mV, seen as temperature.
        const double widening = 0.625 / TcSlope(row.type, row.t);
        if (const ErrorBand* band = BandFor(row.type, row.emfMv)) {
            ++inside;
            ASSERT_GE(t - row.t, band->low - widening) << Where(row);
            ASSERT_LE(t - row.t, band->high + widening) << Where(row);
        } else {
            ++beyond;  // refined on the reference function itself
            ASSERT_NEAR(t, row.t, widening + 0.001) << Where(row);
        }
    }
    EXPECT_GT(inside, 1000) << inside << " " << beyond;
    EXPECT_GT(beyond, 40);
}

}  // namespace
}  // namespace tmcalc
