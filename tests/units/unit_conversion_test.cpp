// Each unit against its definition, the page descriptors, the texts an edit writes, the temperature scales.
#include "units/unit_conversion.h"

#include "framework/number_text.h"
#include "resources/string_table.h"
#include "units/temperature.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace tmcalc {
namespace {

// Exact definitions: NIST SP 811 (2008) Appendix B, the 1959 yard and pound agreement, SI Brochure (2019);
// conventions where a unit has no exact one (the mean, 15 ℃ and 20 ℃ calories, the mean Btu, the EC therm).
constexpr double kInch = 0.0254, kFoot = 0.3048, kYard = 0.9144, kMile = 5280 * kFoot;  // m
constexpr double kPound = 0.45359237, kGn = 9.80665;  // kg; m/s², so kgf and the water column
constexpr double kLbf = kPound * kGn, kPoundal = kPound * kFoot, kHp = 550 * kFoot * kLbf;  // lbf 4.4482216152605 N
constexpr double kCalIt = 4.1868, kBtuIt = 1055.05585262, kDegF = 5.0 / 9.0;  // J, J, K per °F step
constexpr double kBtuTh = 4.184 * kPound * 1000 / 1.8;                          // J
constexpr double kTorr = 101325.0 / 760, kMmHg = 13.5951e3 * kGn * 1e-3;       // Pa; 13.5951 g/cm³ mercury
constexpr double kRod = 16.5 * kFoot, kLightYear = 365.25 * 86400 * 299792458.0;  // m
const double kMach = std::sqrt(1.4 * 287.05287 * 288.15);  // m/s, the standard atmosphere at sea level
using test::kInf;
using test::kNaN;

// Per page its cells in order, each with the base units in one unit; a failure names prefix and unit.
struct UnitFactors {
    int pageIndex;
    const char* prefix;
    std::vector<std::pair<const char*, double>> units;
};

// clang-format off
const UnitFactors kFactors[] = {
    // Temperature difference, base K: a degree Fahrenheit or Rankine is 5/9 K, a degree Réaumur 5/4 K
    {23, "td_", {{"C", 1}, {"F", 1 / 1.8}, {"K", 1}, {"R", 1 / 1.8}, {"Re", 1 / 0.8}}},
    // Heat transfer coefficient, base W/(cm²·K)
    {7, "htc_", {{"W_cm2K", 1}, {"W_m2K", 1e-4}, {"kcal_m2sC", kCalIt * 1000 / 1e4},
        {"kcal_m2hC", kCalIt * 1000 / 3600 / 1e4}, {"Btu_ft2sF", kBtuIt / (kFoot * kFoot) / kDegF / 1e4},
        {"Btu_ft2hF", kBtuIt / (kFoot * kFoot) / kDegF / 3600 / 1e4}}},
    // Thermal conductivity, base W/(cm·K)
    {8, "tc_", {{"W_cmK", 1}, {"W_mK", 0.01}, {"W_inF", 1 / (kInch * kDegF) / 100},
        {"W_ftF", 1 / (kFoot * kDegF) / 100},
        {"J_cmsC", 1}, {"cal_cmsC", kCalIt}, {"kcal_cmminC", kCalIt * 1000 / 60},
        {"kcal_mhC", kCalIt * 1000 / 3600 / 100}, {"Btu_ftsF", kBtuIt / (kFoot * kDegF) / 100},
        {"Btu_fthF", kBtuIt / (kFoot * kDegF) / 3600 / 100}, {"Btu_inhF", kBtuIt / (kInch * kDegF) / 3600 / 100},
        {"Btu_in_ft2hF", kBtuIt * kInch / (kFoot * kFoot * kDegF) / 3600 / 100}}},
    // Heat flux, base W/m²
    {9, "hf_", {{"W_m2", 1}, {"W_cm2", 1e4}, {"kW_m2", 1e3}, {"cal_cm2s", kCalIt / 1e-4},
        {"cal_cm2h", kCalIt / 1e-4 / 3600}, {"kcal_m2s", kCalIt * 1000}, {"kcal_m2h", kCalIt * 1000 / 3600},
        {"Btu_ft2s", kBtuIt / (kFoot * kFoot)}, {"Btu_ft2h", kBtuIt / (kFoot * kFoot) / 3600}}},
    // Power, base W
    {12, "pw_", {{"Nm_s", 1}, {"W", 1}, {"kW", 1000}, {"UKHp", kHp}, {"PS", 75 * kGn}, {"kgfm_s", kGn},
        {"kcal_s", 4184}, {"Btu_s", kBtuIt}, {"ftlb_s", kFoot * kLbf}, {"J_s", 1}}},
    // Pressure, base Pa; water columns at 1000 kg/m³
    {13, "pr_", {{"Pa", 1}, {"kPa", 1e3}, {"MPa", 1e6}, {"psi", kLbf / (kInch * kInch)}, {"bar", 1e5}, {"mbar", 100},
        {"Torr", kTorr}, {"inHg", kMmHg * 25.4}, {"mmHg", kMmHg},
        {"inH2O", 1000 * kGn * kInch}, {"mmH2O", 1000 * kGn * 0.001}, {"kgf_cm2", kGn * 1e4},
        {"lb_ft2", kLbf / (kFoot * kFoot)}, {"atm", 101325}}},
    // Length, base m
    {14, "ln_", {{"m", 1}, {"km", 1e3}, {"dm", 0.1}, {"cm", 0.01}, {"mm", 1e-3}, {"um", 1e-6}, {"nm", 1e-9},
        {"pm", 1e-12}, {"ly", kLightYear}, {"in", kInch}, {"mil", kInch / 1000},
        {"ft", kFoot}, {"yd", kYard}, {"mi", kMile}, {"nmi", 1852},
        {"fm", 6 * kFoot}, {"fur", 660 * kFoot}, {"li", 500}, {"zhang", 10.0 / 3}, {"chi", 1.0 / 3},
        {"cun", 1.0 / 30}, {"fen", 1.0 / 300}, {"li_small", 1.0 / 3000}, {"hao", 1.0 / 30000}, {"au", 149597870700}}},
    // Area, base m²; 1 亩 = 10000/15 m²
    {15, "ar_", {{"m2", 1}, {"hm2", 1e4}, {"are", 100}, {"km2", 1e6}, {"dm2", 0.01}, {"cm2", 1e-4}, {"mm2", 1e-6},
        {"acre", 4840 * kYard * kYard}, {"sqmi", kMile * kMile}, {"yd2", kYard * kYard},
        {"ft2", kFoot * kFoot}, {"in2", kInch * kInch}, {"rd", kRod * kRod}, {"qing", 1e6 / 15},
        {"mu", 1e4 / 15}, {"fen", 1e3 / 15}, {"chi2", 1.0 / 9}, {"cun2", 1.0 / 900}}},
    // Velocity, base m/s
    {16, "vl_", {{"m_s", 1}, {"km_s", 1e3}, {"km_h", 1 / 3.6}, {"c", 299792458}, {"mach", kMach},
        {"mile_h", kMile / 3600}, {"in_s", kInch}}},
    // Force, read in newtons
    {17, "fo_", {{"N", 1}, {"MN", 1e6}, {"kN", 1e3}, {"sn", 1e3}, {"dyne", 1e-5}, {"tf", 1000 * kGn},
        {"tf_UK", 2240 * kLbf}, {"tonf_US", 2000 * kLbf}, {"kgf", kGn}, {"lbf", kLbf}, {"kip", 1000 * kLbf},
        {"pdl", kPoundal}}},
    // Dynamic viscosity, base Pa·s
    {18, "dv_", {{"Pas", 1}, {"P", 0.1}, {"cP", 1e-3}, {"kg_mh", 1.0 / 3600}, {"kgfs_m2", kGn},
        {"lbfs_in2", kLbf / (kInch * kInch)}, {"lbfs_ft2", kLbf / (kFoot * kFoot)},
        {"lbfh_ft2", kLbf * 3600 / (kFoot * kFoot)}, {"lb_fts", kPound / kFoot}, {"lb_fth", kPound / kFoot / 3600}}},
    // Kinematic viscosity, base m²/s
    {19, "kv_", {{"m2_s", 1}, {"m2_min", 1.0 / 60}, {"m2_h", 1.0 / 3600}, {"St", 1e-4}, {"cm2_h", 1e-4 / 3600},
        {"cm2_min", 1e-4 / 60}, {"in2_s", kInch * kInch}, {"in2_min", kInch * kInch / 60},
        {"in2_h", kInch * kInch / 3600}, {"ft2_s", kFoot * kFoot}, {"ft2_min", kFoot * kFoot / 60},
        {"ft2_h", kFoot * kFoot / 3600}}},
    // Diffusion coefficient, base m²/s
    {20, "df_", {{"m2_s", 1}, {"m2_min", 1.0 / 60}, {"ft2_min", kFoot * kFoot / 60}, {"ft2_s", kFoot * kFoot},
        {"in2_s", kInch * kInch}}},
    // Surface tension, base N/m
    {21, "st_", {{"N_m", 1}, {"mN_m", 1e-3}, {"gf_cm", kGn * 1e-3 / 1e-2}, {"dyn_cm", 1e-5 / 1e-2},
        {"erg_cm2", 1e-7 / 1e-4}, {"erg_mm2", 1e-7 / 1e-6}, {"pdl_in", kPoundal / kInch},
        {"lbf_in", kLbf / kInch}}},
    // Energy, base J; the mean calorie and mean Btu are conventions
    {22, "en_", {{"J", 1}, {"GJ", 1e9}, {"MJ", 1e6}, {"KJ", 1e3}, {"Ws", 1}, {"kWh", 3.6e6}, {"Wh", 3600}, {"Nm", 1},
        {"cal_IT", kCalIt}, {"cal_th", 4.184}, {"cal_mean", 4.19002}, {"cal_15C", 4.1858}, {"cal_20C", 4.1819},
        {"kcal_food", 4184}, {"kcal_IT", kCalIt * 1000}, {"kcal_th", 4184}, {"Btu_th", kBtuTh},
        {"Btu_mean", 1055.87}, {"cent_h", 1.8 * kBtuIt}, {"eV", 1.602176634e-19}, {"hp_h", kHp * 3600},
        {"kgf_m", kGn}, {"ft_lbf", kFoot * kLbf}, {"in_lbf", kInch * kLbf}, {"therm", 1e5 * 1055.05585257348},
        {"erg", 1e-7}, {"ftpd", kFoot * kPoundal}}}};
// clang-format on

const UnitPage& Page(int pageIndex)
{
    const UnitPage* page = UnitPageAt(pageIndex);
    EXPECT_NE(page, nullptr) << pageIndex;
    return page != nullptr ? *page : UnitPages()[0];
}

int FieldIdOf(const UnitPage& page, int cell) { return page.fields[static_cast<std::size_t>(cell)].id; }

// 1e-12 relative: exact definitions differ only in the last bits of a short chain; a factor typed as a rounded
// decimal misses by 1e-10 or more. The table holds every live field of every page.
TEST(UnitFactor, EveryUnitIsItsDefinitionInTheBaseAndComesBack)
{
    std::map<int, int> rows;
    for (const UnitFactors& table : kFactors) {
        const UnitPage& page = Page(table.pageIndex);
        rows[table.pageIndex] += static_cast<int>(table.units.size());
        for (std::size_t cell = 0; cell < table.units.size(); ++cell) {
            const auto& [unit, factor] = table.units[cell];
            SCOPED_TRACE(table.prefix + std::string(unit));
            const int id = FieldIdOf(page, static_cast<int>(cell));
            EXPECT_NEAR(ConvertUnitField(page, id, 1.0)[0] / factor, 1.0, 1e-12);  // field 0 shows the base unit
            for (double typed : {1.0, -123.4567, 3.25e-4}) {
                const double back = ConvertUnitField(page, FieldIdOf(page, 0), ConvertUnitField(page, id, typed)[0])[cell];
                EXPECT_NEAR(back / typed, 1.0, 1e-12) << typed;
                EXPECT_EQ(FormatUnitValue(page, back), FormatUnitValue(page, typed)) << typed;
            }
        }
    }
    for (const UnitPage& page : UnitPages()) EXPECT_EQ(rows[page.pageIndex], page.liveCount) << page.pageIndex;
}

// Every ordered pair of units on every page shows, to the digits the page writes, what the definitions give;
// the typed cell keeps the typed value exactly, whatever its own round trip would give.
TEST(UnitFactor, EveryPairShowsItsDefinitionAndTheTypedValueStands)
{
    int pairs = 0;
    for (const UnitFactors& table : kFactors) {
        const UnitPage& page = Page(table.pageIndex);
        for (std::size_t from = 0; from < table.units.size(); ++from) {
            for (double typed : {1.0, 0.1, 7.0 / 3, -45.678}) {
                const auto values = ConvertUnitField(page, FieldIdOf(page, static_cast<int>(from)), typed);
                EXPECT_EQ(values[from], typed) << table.prefix << table.units[from].first << " " << typed;
                for (std::size_t to = 0; to < table.units.size(); ++to) {
                    if (to == from) continue;
                    pairs += typed == 1.0;
                    // An exact decimal tie (0.1 kgf/cm² is 0.00980665 MPa) may round either way.
                    const double expected = typed * table.units[from].second / table.units[to].second;
                    const auto shown = FormatUnitValue(page, values[to]);
                    EXPECT_TRUE(shown == FormatUnitValue(page, expected * (1 - 1e-13)) ||
                                shown == FormatUnitValue(page, expected * (1 + 1e-13)))
                        << typed << " " << table.prefix << table.units[from].first << " in " << table.units[to].first
                        << ": " << shown.value_or("none") << " for " << expected;
                }
            }
        }
    }
    EXPECT_EQ(pairs, 2586 + 20);  // the fourteen families and the temperature differences
}

// Index (navigation 7-9, More tiles 12-23), title, builder, rows, columns, first label and unit ids, live fields.
using Descriptor = std::tuple<int, int, UnitGridBuilder, int, int, int, int, int>;
using enum UnitGridBuilder;
const Descriptor kDescriptors[] = {
    {7, 184, FieldGrid, 6, 1, 261, 267, 6},      {8, 185, FieldGrid, 6, 2, 273, 285, 12},
    {9, 186, FieldGrid, 5, 2, 297, 307, 9},      {12, 187, FieldGrid, 5, 2, 317, 327, 10},
    {13, 188, WideFieldGrid, 7, 2, 337, 351, 14}, {14, 189, WideFieldGrid, 9, 3, 365, 392, 25},
    {15, 190, WideFieldGrid, 6, 3, 419, 437, 18}, {16, 191, WideFieldGrid, 7, 1, 455, 462, 7},
    {17, 192, FieldGrid, 6, 2, 469, 481, 12},     {18, 193, FieldGrid, 5, 2, 493, 503, 10},
    {19, 194, FieldGrid, 6, 2, 513, 525, 12},     {20, 195, FieldColumn, 5, 1, 537, 542, 5},
    {21, 196, FieldGrid, 4, 2, 547, 555, 8},      {22, 197, WideFieldGrid, 9, 3, 563, 590, 27},
    {23, 30020, FieldColumn, 5, 1, 201, 211, 5},
};

TEST(UnitPageDescriptors, MatchThePageListAndTheirCellsFollowTheGrid)
{
    ASSERT_EQ(UnitPages().size(), std::size(kDescriptors));
    for (std::size_t i = 0; i < std::size(kDescriptors); ++i) {
        const UnitPage& page = UnitPages()[i];
        const int index = std::get<0>(kDescriptors[i]);
        SCOPED_TRACE(index);
        EXPECT_EQ(UnitPageAt(index), &page);
        EXPECT_EQ(std::tuple(page.pageIndex, page.titleId, page.builder, page.rows, page.columns,
                             page.firstLabelId, page.firstUnitId, page.liveCount),
                  kDescriptors[i]);
        EXPECT_EQ(page.policy.read == ReadRule::Typed, index == 17);
        ASSERT_NE(page.bases, nullptr);
        EXPECT_EQ(page.bases->count, index == 17 ? 3 : 1);
        ASSERT_EQ(page.fields.size(), static_cast<std::size_t>(page.rows * page.columns));
        // Cell ids, label and unit ids and dead flags are checked where the tables are built.
        for (int k = 0; k < page.rows * page.columns; ++k)
            EXPECT_EQ(UnitCellOfField(page, 10 * (k / page.rows) + k % page.rows), k);
    }
    // Each page's text form and digits show in the texts an edit writes, below.
    for (int notUnit : {-1, 0, 6, 10, 11, 24, 25}) EXPECT_EQ(UnitPageAt(notUnit), nullptr) << notUnit;
}

struct EditRow {
    const char* name;
    int pageIndex;
    int drivingCell;
    int cell;
    const char* shown;  // which cells stay unwritten (the typed one, hidden ones) the page scenarios show
    const char16_t* text = u"1";
};

void PrintTo(const EditRow& row, std::ostream* os) { *os << row.name; }

class UnitEdit : public ::testing::TestWithParam<EditRow> {};
TEST_P(UnitEdit, WritesWhatThePageShows)
{
    SetLanguage(Language::English);
    const EditRow& row = GetParam();
    const UnitPage& page = Page(row.pageIndex);
    const auto out = UnitTextsAfterEdit(page, FieldIdOf(page, row.drivingCell), row.text);
    EXPECT_EQ(out.texts[static_cast<std::size_t>(row.cell)], std::optional<std::string>(row.shown));
}

// clang-format off
const EditRow kEdits[] = {
    // Pressure: ShowValue 7/7, fixed with seven decimals below 1 only
    {"atm_to_Pa", 13, 13, 0, "101325."}, {"atm_to_MPa", 13, 13, 2, "0.1013250"}, {"Pa_to_kPa", 13, 0, 1, "0.0010000"},
    // Temperature difference: a rise of 10 ℃ is 18 ℉, not the 50 ℉ of a temperature
    {"dC_10_to_dF_18_not_50", 23, 0, 1, "18", u"10"}, {"dF_1_to_dK", 23, 1, 2, "0.5555556"},
    {"dRe_8_to_dC_10", 23, 4, 0, "10", u"8"}, {"dK_1_to_dR_1_8", 23, 2, 3, "1.8"},
    {"mmH2O_to_Pa_not_9_806614", 13, 10, 0, "9.80665"},
    // Force: three bases, ShowValue 12/7, checked reading
    {"kgf_to_N", 17, 8, 0, "9.8066500"}, {"N_to_dyne_general", 17, 0, 4, "100000."},
    {"long_ton_to_N_not_10000", 17, 6, 0, "9964.0164182"}, {"long_ton_to_tf_not_1_0197162", 17, 6, 5, "1.0160469"},
    {"force_lone_minus_clears", 17, 0, 9, "", u"-"}, {"force_point_clears", 17, 3, 0, "", u"."},
    {"force_junk_after_number", 17, 0, 2, "0.0050000", u"5x"},
    {"force_nan_out_of_range", 17, 0, 2, "Out of Rage.", u"nan"}, {"force_huge_to_inf", 17, 1, 4, "inf", u"1e305"},
    // The other pages show "%.7g". Length and area:
    {"km_to_m", 14, 1, 0, "1000"}, {"km_to_mi_not_0_6214", 14, 1, 13, "0.6213712"},
    {"km_to_nmi_not_0_54", 14, 1, 14, "0.5399568"}, {"fur_to_m_not_201_1668", 14, 16, 0, "201.168"},
    {"au_to_m_not_1_495976e11", 14, 24, 0, "1.495979e+11"}, {"length_lone_minus_reads_zero", 14, 0, 13, "0", u"-"},
    {"length_1e3_as_1000", 14, 0, 1, "1", u"1E3"}, {"length_1e_as_1", 14, 0, 4, "1000", u"1e"},
    {"yd2_to_ft2", 15, 9, 10, "9"}, {"acre_to_m2_not_4046_945", 15, 7, 0, "4046.856"},
    {"sqmi_to_m2_not_2590003", 15, 8, 0, "2589988"},
    // Energy, power, velocity
    {"eV_to_J_not_1_60219e_19", 22, 19, 0, "1.602177e-19"}, {"food_kcal_to_J_not_4186", 22, 13, 0, "4184"},
    {"cent_h_to_J_not_1900_4", 22, 18, 0, "1899.101"}, {"kgf_m_to_J_not_9_806613", 22, 21, 0, "9.80665"},
    {"kW_to_kcal_s_not_0_239", 12, 2, 6, "0.2390057"}, {"c_to_m_s_not_2_997961e8", 16, 3, 0, "2.997925e+08"},
    // Viscosity, diffusion, surface tension
    {"kgfs_m2_to_Pas_not_9_809981", 18, 4, 0, "9.80665"}, {"lbfs_in2_to_Pas_not_6894_650", 18, 5, 0, "6894.757"},
    {"lb_fts_to_Pas_not_1_488159", 18, 8, 0, "1.488164"}, {"ft2_s_to_m2_s_not_0_09290313", 19, 9, 0, "0.09290304"},
    {"ft2_s_to_in2_s_not_143_9999", 19, 9, 6, "144"}, {"in2_min_to_in2_s_not_0_01666663", 19, 7, 6, "0.01666667"},
    {"diff_m2_min_to_ft2_min_not_10_76667", 20, 1, 2, "10.76391"},
    {"diff_m2_min_to_ft2_s_not_0_1793333", 20, 1, 3, "0.1793985"}, {"dyn_cm_to_N_m", 21, 3, 0, "0.001"},
    // Heat pages
    {"kcal_m2sC_to_kcal_m2hC_not_3599_938", 7, 2, 3, "3600"},
    {"Btu_ft2sF_to_W_m2K_not_20441_96", 7, 4, 1, "20441.75"},
    {"Btu_ft2hF_to_W_m2K_not_5_678592", 7, 5, 1, "5.678263"}, {"W_mK_to_W_inF", 8, 1, 2, "0.01411111"},
    {"W_inF_to_W_ftF", 8, 2, 3, "12"}, {"cal_cm2s_to_W_m2", 9, 3, 0, "41868"},
    {"flux_inf_passes", 9, 0, 2, "-inf", u"-inf"}};
// clang-format on
// The definitions shown where the old rounded constants showed a wrong last digit.
// clang-format off
const EditRow kDefinitionEdits[] = {
    {"atm_to_Torr_760", 13, 13, 6, "760."}, {"psi_to_mmH2O", 13, 3, 10, "703.0696"},
    {"Torr_to_mmHg", 13, 6, 8, "0.9999999"}, {"mile_to_fathoms_880", 14, 13, 15, "880"},
    {"Btu_th_to_cal_th", 22, 16, 9, "251.9958"}, {"mach_to_m_s", 16, 4, 0, "340.294"},
    {"lbf_to_N_12_digits", 17, 9, 0, "444822.161526", u"100000"},
    {"N_to_pdl_12_digits", 17, 0, 11, "7233013.85121", u"1000000"}};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Pages, UnitEdit, ::testing::ValuesIn(kEdits), test::RowName{});
INSTANTIATE_TEST_SUITE_P(Definitions, UnitEdit, ::testing::ValuesIn(kDefinitionEdits), test::RowName{});

TEST(UnitEdit, ClearingAndDeadFields)
{
    const UnitPage& force = Page(17);
    const auto cleared = UnitTextsAfterEdit(force, 10, u"-");
    EXPECT_TRUE(cleared.cleared);
    for (std::size_t k = 0; k < force.fields.size(); ++k) EXPECT_EQ(cleared.texts[k].has_value(), k != 6) << k;
    const UnitPage& length = Page(14);
    EXPECT_FALSE(UnitTextsAfterEdit(length, 3, u"-").cleared);  // reads as 0 outside the force page
    for (int deadId : {27, 28}) {
        const auto out = UnitTextsAfterEdit(length, deadId, u"1");
        EXPECT_FALSE(out.cleared);
        for (const auto& text : out.texts) EXPECT_FALSE(text.has_value());
        for (double v : ConvertUnitField(length, deadId, 1.0)) EXPECT_TRUE(std::isnan(v));
    }
    EXPECT_TRUE(std::isnan(ConvertUnitField(Page(9), 0, 1.0)[9]));  // the flux page's hidden tenth cell
}

TEST(UnitEdit, BadFieldIdsAndValuesNeitherCrashNorConvert)
{
    const UnitPage& htc = Page(7);
    for (int id : {-1, 6, 9, 10, 16, 99, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        for (double v : ConvertUnitField(htc, id, 1.0)) EXPECT_TRUE(std::isnan(v)) << id;
        EXPECT_FALSE(UnitTextsAfterEdit(htc, id, u"1").cleared) << id;
    }
    for (const UnitPage& page : UnitPages()) {
        for (int cell = 0; cell < page.liveCount; ++cell) {
            const int id = FieldIdOf(page, cell);
            for (double v : {kNaN, kInf, -kInf, 0.0, 1e308, -4.9e-324}) {
                const auto values = ConvertUnitField(page, id, v);
                for (int k = 0; k < page.liveCount; ++k) {
                    const double got = values[static_cast<std::size_t>(k)];
                    if (std::isnan(v)) { EXPECT_TRUE(std::isnan(got)); }
                    if (v == 0.0 || std::isinf(v)) { EXPECT_EQ(got, v) << page.pageIndex << " " << cell << " -> " << k; }
                }
            }
        }
    }
}

// The values each scale shows are checked on the pages; here every pair of scales at once.
TEST(TemperatureScales, EveryScaleRoundTrips)
{
    for (int from = 0; from < kTemperatureScaleCount; ++from) {
        for (double x : {-273.15, -218.52, -40.0, 0.0, 0.01, 25.0, 1234.5, 1e6}) {
            const auto values = ConvertTemperature(static_cast<TemperatureScale>(from), x);
            if (std::isnan(values[0])) continue;  // below absolute zero on this scale, checked below
            for (int to = 0; to < kTemperatureScaleCount; ++to) {
                const double back = ConvertTemperature(static_cast<TemperatureScale>(to), values[to])[from];
                EXPECT_NEAR(back, x, 1e-9 * (1 + std::abs(x))) << from << " -> " << to << " at " << x;
            }
        }
    }
    for (double v : ConvertTemperature(TemperatureScale::Kelvin, kNaN)) EXPECT_TRUE(std::isnan(v));
    // Absolute zero on each scale converts (to 0 K); a thousandth below it, or far below, is out of range.
    const double zeros[] = {-273.15, -459.67, 0.0, 0.0, -218.52};
    for (int from = 0; from < kTemperatureScaleCount; ++from) {
        const auto scale = static_cast<TemperatureScale>(from);
        EXPECT_NEAR(ConvertTemperature(scale, zeros[from])[2], 0.0, 1e-12) << from;
        EXPECT_NEAR(StripScalesFromCelsius(StripCelsiusFrom(scale, zeros[from]))[2], 0.0, 1e-12) << from;
        for (double below : {zeros[from] - 0.001, -1e300}) {
            EXPECT_TRUE(BelowAbsoluteZero(scale, below));
            for (double v : ConvertTemperature(scale, below)) EXPECT_TRUE(std::isnan(v)) << from << " " << below;
            EXPECT_TRUE(std::isnan(StripCelsiusFrom(scale, below)));
        }
    }
    for (double v : StripScalesFromCelsius(-300)) EXPECT_TRUE(std::isnan(v));
}

}  // namespace
}  // namespace tmcalc
