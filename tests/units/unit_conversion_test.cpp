// Unit pages: each unit against its definition, the descriptors, the texts an edit writes; and the
// temperature scales, which every page that shows them converts with.
#include "units/unit_conversion.h"

#include "framework/number_text.h"
#include "resources/string_table.h"
#include "units/temperature.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>

namespace tmcalc {
namespace {

// Exact definitions: NIST SP 811 (2008) Appendix B, the 1959 yard and pound agreement, SI Brochure (2019).
constexpr double kInch = 0.0254;       // m
constexpr double kFoot = 0.3048;       // m
constexpr double kYard = 0.9144;       // m
constexpr double kPound = 0.45359237;  // kg
constexpr double kGn = 9.80665;        // m/s², so kgf and the water column
constexpr double kLbf = kPound * kGn;  // 4.4482216152605 N
constexpr double kPoundal = kPound * kFoot;
constexpr double kCalIt = 4.1868;         // J
constexpr double kBtuIt = 1055.05585262;  // J
constexpr double kDegF = 5.0 / 9.0;       // K per °F step
constexpr double kHp = 550 * kFoot * kLbf;
constexpr double kMile = 5280 * kFoot;

// Rows whose constant the pages keep although it is rounded against the definition (conventions, or
// rounding only beyond the seven digits shown): the factor is the stated constant.
constexpr double Kept(double factor)
{
    return factor;
}

struct FactorRow {
    const char* name;
    int pageIndex;
    int cell;
    double factor;  // base units in one unit
};

// clang-format off
constexpr FactorRow kFactors[] = {
    // Heat transfer coefficient, base W/(cm²·K)
    {"htc_W_cm2K", 7, 0, 1}, {"htc_W_m2K", 7, 1, 1e-4}, {"htc_kcal_m2sC", 7, 2, kCalIt * 1000 / 1e4},
    {"htc_kcal_m2hC", 7, 3, kCalIt * 1000 / 3600 / 1e4},
    {"htc_Btu_ft2sF", 7, 4, kBtuIt / (kFoot * kFoot) / kDegF / 1e4},
    {"htc_Btu_ft2hF", 7, 5, kBtuIt / (kFoot * kFoot) / kDegF / 3600 / 1e4},
    // Thermal conductivity, base W/(cm·K)
    {"tc_W_cmK", 8, 0, 1}, {"tc_W_mK", 8, 1, 0.01}, {"tc_W_inF", 8, 2, 1 / (kInch * kDegF) / 100},
    {"tc_W_ftF", 8, 3, Kept(1 / 16.9333333)}, {"tc_J_cmsC", 8, 4, 1}, {"tc_cal_cmsC", 8, 5, Kept(1 / 0.238845897)},
    {"tc_kcal_cmminC", 8, 6, kCalIt * 1000 / 60}, {"tc_kcal_mhC", 8, 7, kCalIt * 1000 / 3600 / 100},
    {"tc_Btu_ftsF", 8, 8, Kept(1 / 0.0160497032)}, {"tc_Btu_fthF", 8, 9, kBtuIt / (kFoot * kDegF) / 3600 / 100},
    {"tc_Btu_inhF", 8, 10, kBtuIt / (kInch * kDegF) / 3600 / 100},
    {"tc_Btu_in_ft2hF", 8, 11, kBtuIt * kInch / (kFoot * kFoot * kDegF) / 3600 / 100},
    // Heat flux, base W/m²
    {"hf_W_m2", 9, 0, 1}, {"hf_W_cm2", 9, 1, 1e4}, {"hf_kW_m2", 9, 2, 1e3}, {"hf_cal_cm2s", 9, 3, Kept(1 / 2.388459e-5)},
    {"hf_cal_cm2h", 9, 4, Kept(1 / 0.085984523)}, {"hf_kcal_m2s", 9, 5, Kept(1 / 0.0002388459)},
    {"hf_kcal_m2h", 9, 6, Kept(1 / 0.85984523)}, {"hf_Btu_ft2s", 9, 7, Kept(1 / 8.805508e-5)},
    {"hf_Btu_ft2h", 9, 8, Kept(1 / 0.31699829)},
    // Power, base W
    {"pw_Nm_s", 12, 0, 1}, {"pw_W", 12, 1, 1}, {"pw_kW", 12, 2, 1000}, {"pw_UKHp", 12, 3, kHp},
    {"pw_PS", 12, 4, 75 * kGn}, {"pw_kgfm_s", 12, 5, kGn}, {"pw_kcal_s", 12, 6, 4184},
    {"pw_Btu_s", 12, 7, Kept(1055.05585)}, {"pw_ftlb_s", 12, 8, Kept(1.3558179)}, {"pw_J_s", 12, 9, 1},
    // Pressure, base Pa; water columns at 1000 kg/m³
    {"pr_Pa", 13, 0, 1}, {"pr_kPa", 13, 1, 1e3}, {"pr_MPa", 13, 2, 1e6}, {"pr_psi", 13, 3, Kept(6894.757)},
    {"pr_bar", 13, 4, 1e5}, {"pr_mbar", 13, 5, 100}, {"pr_Torr", 13, 6, Kept(133.3224)},
    {"pr_inHg", 13, 7, Kept(133.3223684 * 25.4)}, {"pr_mmHg", 13, 8, Kept(133.3223684)},
    {"pr_inH2O", 13, 9, 1000 * kGn * kInch}, {"pr_mmH2O", 13, 10, 1000 * kGn * 0.001}, {"pr_kgf_cm2", 13, 11, kGn * 1e4},
    {"pr_lb_ft2", 13, 12, Kept(47.8802569)}, {"pr_atm", 13, 13, 101325},
    // Length, base m
    {"ln_m", 14, 0, 1}, {"ln_km", 14, 1, 1e3}, {"ln_dm", 14, 2, 0.1}, {"ln_cm", 14, 3, 0.01}, {"ln_mm", 14, 4, 1e-3},
    {"ln_um", 14, 5, 1e-6}, {"ln_nm", 14, 6, 1e-9}, {"ln_pm", 14, 7, 1e-12}, {"ln_ly", 14, 8, Kept(1 / 1.057e-16)},
    {"ln_in", 14, 9, Kept(1 / 39.3700787)}, {"ln_mil", 14, 10, Kept(1 / 39370.0787)},
    {"ln_ft", 14, 11, Kept(1 / 3.2808399)}, {"ln_yd", 14, 12, Kept(1 / 1.0936133)}, {"ln_mi", 14, 13, kMile},
    {"ln_nmi", 14, 14, 1852}, {"ln_fm", 14, 15, Kept(1 / 0.5468066)}, {"ln_fur", 14, 16, 660 * kFoot},
    {"ln_li", 14, 17, 500}, {"ln_zhang", 14, 18, 10.0 / 3}, {"ln_chi", 14, 19, 1.0 / 3}, {"ln_cun", 14, 20, 1.0 / 30},
    {"ln_fen", 14, 21, 1.0 / 300}, {"ln_li_small", 14, 22, 1.0 / 3000}, {"ln_hao", 14, 23, 1.0 / 30000},
    {"ln_au", 14, 24, 149597870700},
    // Area, base m²; 1 亩 = 10000/15 m²
    {"ar_m2", 15, 0, 1}, {"ar_hm2", 15, 1, 1e4}, {"ar_are", 15, 2, 100}, {"ar_km2", 15, 3, 1e6}, {"ar_dm2", 15, 4, 0.01},
    {"ar_cm2", 15, 5, 1e-4}, {"ar_mm2", 15, 6, 1e-6}, {"ar_acre", 15, 7, 4840 * kYard * kYard},
    {"ar_sqmi", 15, 8, kMile * kMile}, {"ar_yd2", 15, 9, Kept(1 / 1.19599)}, {"ar_ft2", 15, 10, Kept(1 / 10.7639104)},
    {"ar_in2", 15, 11, kInch * kInch}, {"ar_rd", 15, 12, Kept(1 / 0.0395369)}, {"ar_qing", 15, 13, 1e6 / 15},
    {"ar_mu", 15, 14, 1e4 / 15}, {"ar_fen", 15, 15, 1e3 / 15}, {"ar_chi2", 15, 16, 1.0 / 9}, {"ar_cun2", 15, 17, 1.0 / 900},
    // Velocity, base m/s
    {"vl_m_s", 16, 0, 1}, {"vl_km_s", 16, 1, 1e3}, {"vl_km_h", 16, 2, 1 / 3.6}, {"vl_c", 16, 3, 299792458},
    {"vl_mach", 16, 4, Kept(1 / 0.0029386)}, {"vl_mile_h", 16, 5, Kept(1 / 2.236936)},
    {"vl_in_s", 16, 6, Kept(1 / 39.370079)},
    // Force, read in newtons
    {"fo_N", 17, 0, 1}, {"fo_MN", 17, 1, 1e6}, {"fo_kN", 17, 2, 1e3}, {"fo_sn", 17, 3, 1e3}, {"fo_dyne", 17, 4, 1e-5},
    {"fo_tf", 17, 5, 1000 * kGn}, {"fo_tf_UK", 17, 6, 2240 * kLbf}, {"fo_tonf_US", 17, 7, 2000 * kLbf},
    {"fo_kgf", 17, 8, kGn}, {"fo_lbf", 17, 9, kLbf}, {"fo_kip", 17, 10, 1000 * kLbf}, {"fo_pdl", 17, 11, kPoundal},
    // Dynamic viscosity, base Pa·s
    {"dv_Pas", 18, 0, 1}, {"dv_P", 18, 1, 0.1}, {"dv_cP", 18, 2, 1e-3}, {"dv_kg_mh", 18, 3, 1.0 / 3600},
    {"dv_kgfs_m2", 18, 4, kGn}, {"dv_lbfs_in2", 18, 5, kLbf / (kInch * kInch)},
    {"dv_lbfs_ft2", 18, 6, kLbf / (kFoot * kFoot)}, {"dv_lbfh_ft2", 18, 7, Kept(1 / 5.80151e-6)},
    {"dv_lb_fts", 18, 8, kPound / kFoot}, {"dv_lb_fth", 18, 9, Kept(1 / 2419.09)},
    // Kinematic viscosity, base m²/s
    {"kv_m2_s", 19, 0, 1}, {"kv_m2_min", 19, 1, 1.0 / 60}, {"kv_m2_h", 19, 2, 1.0 / 3600}, {"kv_St", 19, 3, 1e-4},
    {"kv_cm2_h", 19, 4, 1e-4 / 3600}, {"kv_cm2_min", 19, 5, 1e-4 / 60}, {"kv_in2_s", 19, 6, kInch * kInch},
    {"kv_in2_min", 19, 7, kInch * kInch / 60}, {"kv_in2_h", 19, 8, kInch * kInch / 3600},
    {"kv_ft2_s", 19, 9, kFoot * kFoot}, {"kv_ft2_min", 19, 10, kFoot * kFoot / 60},
    {"kv_ft2_h", 19, 11, kFoot * kFoot / 3600},
    // Diffusion coefficient, base m²/s
    {"df_m2_s", 20, 0, 1}, {"df_m2_min", 20, 1, 1.0 / 60}, {"df_ft2_min", 20, 2, kFoot * kFoot / 60},
    {"df_ft2_s", 20, 3, kFoot * kFoot}, {"df_in2_s", 20, 4, Kept(1.0 / 1550)},
    // Surface tension, base N/m
    {"st_N_m", 21, 0, 1}, {"st_mN_m", 21, 1, 1e-3}, {"st_gf_cm", 21, 2, kGn * 1e-3 / 1e-2},
    {"st_dyn_cm", 21, 3, 1e-5 / 1e-2}, {"st_erg_cm2", 21, 4, 1e-7 / 1e-4}, {"st_erg_mm2", 21, 5, 1e-7 / 1e-6},
    {"st_pdl_in", 21, 6, Kept(1 / 0.18371855)}, {"st_lbf_in", 21, 7, Kept(1 / 0.005710147)},
    // Energy, base J; the mean calorie and mean Btu are conventions
    {"en_J", 22, 0, 1}, {"en_GJ", 22, 1, 1e9}, {"en_MJ", 22, 2, 1e6}, {"en_KJ", 22, 3, 1e3}, {"en_Ws", 22, 4, 1},
    {"en_kWh", 22, 5, 3.6e6}, {"en_Wh", 22, 6, 3600}, {"en_Nm", 22, 7, 1}, {"en_cal_IT", 22, 8, kCalIt},
    {"en_cal_th", 22, 9, 4.184}, {"en_cal_mean", 22, 10, 4.19002}, {"en_cal_15C", 22, 11, Kept(4.1858)},
    {"en_cal_20C", 22, 12, 4.1819}, {"en_kcal_food", 22, 13, 4184}, {"en_kcal_IT", 22, 14, kCalIt * 1000},
    {"en_kcal_th", 22, 15, 4184}, {"en_Btu_th", 22, 16, Kept(1054.35)}, {"en_Btu_mean", 22, 17, 1055.87},
    {"en_cent_h", 22, 18, 1.8 * kBtuIt}, {"en_eV", 22, 19, 1.602176634e-19}, {"en_hp_h", 22, 20, Kept(2684520)},
    {"en_kgf_m", 22, 21, kGn}, {"en_ft_lbf", 22, 22, Kept(1 / 0.737562)}, {"en_in_lbf", 22, 23, kInch * kLbf},
    {"en_therm", 22, 24, Kept(105505585.257348)}, {"en_erg", 22, 25, 1e-7}, {"en_ftpd", 22, 26, kFoot * kPoundal},
};
// clang-format on

void PrintTo(const FactorRow& row, std::ostream* os) { *os << row.name; }

const UnitPage& Page(int pageIndex)
{
    const UnitPage* page = UnitPageAt(pageIndex);
    EXPECT_NE(page, nullptr) << pageIndex;
    return page != nullptr ? *page : UnitPages()[0];
}

int FieldIdOf(const UnitPage& page, int cell)
{
    return page.fields[static_cast<std::size_t>(cell)].id;
}

class UnitFactor : public ::testing::TestWithParam<FactorRow> {};

// 1e-9 relative: the mended rows are exact definitions, so only the last bits of a two- or three-step
// chain may differ; a wrong constant is off by 1e-7 or more.
TEST_P(UnitFactor, OneUnitIsItsDefinitionInTheBaseAndComesBack)
{
    const FactorRow& row = GetParam();
    const UnitPage& page = Page(row.pageIndex);
    const int id = FieldIdOf(page, row.cell);
    const double base = ConvertUnitField(page, id, 1.0)[0];  // field 0 always shows the base unit
    EXPECT_NEAR(base / row.factor, 1.0, 1e-9);

    for (double typed : {1.0, -123.4567, 3.25e-4}) {
        const double inBase = ConvertUnitField(page, id, typed)[0];
        const double back = ConvertUnitField(page, FieldIdOf(page, 0), inBase)[static_cast<std::size_t>(row.cell)];
        EXPECT_NEAR(back / typed, 1.0, 1e-9) << typed;
        EXPECT_EQ(FormatUnitValue(page, back), FormatUnitValue(page, typed)) << typed;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryUnit, UnitFactor, ::testing::ValuesIn(kFactors),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(UnitFactor, TableCoversEveryLiveField)
{
    std::map<int, int> rows;
    for (const FactorRow& row : kFactors) ++rows[row.pageIndex];
    for (const UnitPage& page : UnitPages()) EXPECT_EQ(rows[page.pageIndex], page.liveCount) << page.pageIndex;
}

// Page index (navigation items 7-9, More tiles 12-22), title, builder and grid (rows, columns, first label
// and unit ids, live fields) of each unit page.
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
        EXPECT_EQ(page.read == UnitReadRule::Checked, index == 17);
        ASSERT_NE(page.bases, nullptr);
        EXPECT_EQ(page.bases->count, index == 17 ? 3 : 1);
        ASSERT_EQ(page.fields.size(), static_cast<std::size_t>(page.rows * page.columns));
        // Cell ids, label and unit ids and dead flags are checked where the tables are built.
        for (int k = 0; k < page.rows * page.columns; ++k) {
            EXPECT_EQ(UnitCellOfField(page, 10 * (k / page.rows) + k % page.rows), k);
        }
    }
    // Each page's text form and digits show in the texts an edit writes, below.
    for (int notUnit : {-1, 0, 6, 10, 11, 23}) EXPECT_EQ(UnitPageAt(notUnit), nullptr) << notUnit;
}

struct EditRow {
    const char* name;
    int pageIndex;
    int drivingCell;
    const char16_t* text;
    int cell;
    const char* shown;  // which cells stay unwritten (the typed one, hidden ones) the page scenarios show
};

void PrintTo(const EditRow& row, std::ostream* os) { *os << row.name; }

class UnitEdit : public ::testing::TestWithParam<EditRow> {};

TEST_P(UnitEdit, WritesWhatThePageShows)
{
    SetLanguage(Language::English);
    const EditRow& row = GetParam();
    const UnitPage& page = Page(row.pageIndex);
    const auto out = UnitTextsAfterEdit(page, FieldIdOf(page, row.drivingCell), row.text);
    const auto& text = out.texts[static_cast<std::size_t>(row.cell)];
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, row.shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Pages, UnitEdit,
    ::testing::Values(
        // Pressure: ShowValue 7/7, fixed with seven decimals below 1 only
        EditRow{"atm_to_Pa", 13, 13, u"1", 0, "101325."}, EditRow{"atm_to_MPa", 13, 13, u"1", 2, "0.1013250"},
        EditRow{"Pa_to_kPa", 13, 0, u"1", 1, "0.0010000"}, EditRow{"mmHg_to_Torr", 13, 8, u"1", 6, "0.9999998"},
        EditRow{"mmH2O_to_Pa_not_9_806614", 13, 10, u"1", 0, "9.80665"},
        // Force: three bases, ShowValue 12/7, checked reading
        EditRow{"kgf_to_N", 17, 8, u"1", 0, "9.8066500"}, EditRow{"N_to_dyne_general", 17, 0, u"1", 4, "100000."},
        EditRow{"long_ton_to_N_not_10000", 17, 6, u"1", 0, "9964.0164182"},
        EditRow{"long_ton_to_tf_not_1_0197162", 17, 6, u"1", 5, "1.0160469"},
        EditRow{"force_lone_minus_clears", 17, 0, u"-", 9, ""}, EditRow{"force_point_clears", 17, 3, u".", 0, ""},
        EditRow{"force_junk_after_number", 17, 0, u"5x", 2, "0.0050000"},
        EditRow{"force_nan_out_of_range", 17, 0, u"nan", 2, "Out of Rage."},
        EditRow{"force_huge_to_inf", 17, 1, u"1e305", 4, "inf"},
        // The other pages show "%.7g". Length and area:
        EditRow{"km_to_m", 14, 1, u"1", 0, "1000"}, EditRow{"km_to_mi_not_0_6214", 14, 1, u"1", 13, "0.6213712"},
        EditRow{"km_to_nmi_not_0_54", 14, 1, u"1", 14, "0.5399568"},
        EditRow{"fur_to_m_not_201_1668", 14, 16, u"1", 0, "201.168"},
        EditRow{"au_to_m_not_1_495976e11", 14, 24, u"1", 0, "1.495979e+11"},
        EditRow{"length_lone_minus_reads_zero", 14, 0, u"-", 13, "0"},
        EditRow{"length_1e3_as_1000", 14, 0, u"1E3", 1, "1"}, EditRow{"length_1e_as_1", 14, 0, u"1e", 4, "1000"},
        EditRow{"yd2_to_ft2", 15, 9, u"1", 10, "9"},
        EditRow{"acre_to_m2_not_4046_945", 15, 7, u"1", 0, "4046.856"},
        EditRow{"sqmi_to_m2_not_2590003", 15, 8, u"1", 0, "2589988"},
        // Energy, power, velocity
        EditRow{"eV_to_J_not_1_60219e_19", 22, 19, u"1", 0, "1.602177e-19"},
        EditRow{"food_kcal_to_J_not_4186", 22, 13, u"1", 0, "4184"},
        EditRow{"cent_h_to_J_not_1900_4", 22, 18, u"1", 0, "1899.101"},
        EditRow{"kgf_m_to_J_not_9_806613", 22, 21, u"1", 0, "9.80665"},
        EditRow{"kW_to_kcal_s_not_0_239", 12, 2, u"1", 6, "0.2390057"},
        EditRow{"c_to_m_s_not_2_997961e8", 16, 3, u"1", 0, "2.997925e+08"},
        // Viscosity, diffusion, surface tension
        EditRow{"kgfs_m2_to_Pas_not_9_809981", 18, 4, u"1", 0, "9.80665"},
        EditRow{"lbfs_in2_to_Pas_not_6894_650", 18, 5, u"1", 0, "6894.757"},
        EditRow{"lb_fts_to_Pas_not_1_488159", 18, 8, u"1", 0, "1.488164"},
        EditRow{"ft2_s_to_m2_s_not_0_09290313", 19, 9, u"1", 0, "0.09290304"},
        EditRow{"ft2_s_to_in2_s_not_143_9999", 19, 9, u"1", 6, "144"},
        EditRow{"in2_min_to_in2_s_not_0_01666663", 19, 7, u"1", 6, "0.01666667"},
        EditRow{"diff_m2_min_to_ft2_min_not_10_76667", 20, 1, u"1", 2, "10.76391"},
        EditRow{"diff_m2_min_to_ft2_s_not_0_1793333", 20, 1, u"1", 3, "0.1793985"},
        EditRow{"dyn_cm_to_N_m", 21, 3, u"1", 0, "0.001"},
        // Heat pages
        EditRow{"kcal_m2sC_to_kcal_m2hC_not_3599_938", 7, 2, u"1", 3, "3600"},
        EditRow{"Btu_ft2sF_to_W_m2K_not_20441_96", 7, 4, u"1", 1, "20441.75"},
        EditRow{"Btu_ft2hF_to_W_m2K_not_5_678592", 7, 5, u"1", 1, "5.678263"},
        EditRow{"W_mK_to_W_inF", 8, 1, u"1", 2, "0.01411111"}, EditRow{"W_inF_to_W_ftF", 8, 2, u"1", 3, "12"},
        EditRow{"cal_cm2s_to_W_m2", 9, 3, u"1", 0, "41868"}, EditRow{"flux_inf_passes", 9, 0, u"-inf", 2, "-inf"}),
    [](const ::testing::TestParamInfo<EditRow>& row) { return std::string(row.param.name); });
// clang-format on

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
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
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
                    if (std::isnan(v)) {
                        EXPECT_TRUE(std::isnan(got));
                    } else if (v == 0.0) {
                        EXPECT_EQ(got, 0.0);
                    } else if (std::isinf(v)) {
                        EXPECT_EQ(got, v) << page.pageIndex << " " << cell << " -> " << k;
                    }
                }
            }
        }
    }
}

// The values each scale shows are checked on the pages; here every pair of scales at once.
TEST(TemperatureScales, EveryScaleRoundTrips)
{
    for (int from = 0; from < kTemperatureScaleCount; ++from) {
        for (double x : {-500.0, -273.15, -40.0, 0.0, 0.01, 25.0, 1234.5, 1e6}) {
            const auto values = ConvertTemperature(static_cast<TemperatureScale>(from), x);
            for (int to = 0; to < kTemperatureScaleCount; ++to) {
                const double back = ConvertTemperature(static_cast<TemperatureScale>(to), values[to])[from];
                EXPECT_NEAR(back, x, 1e-9 * (1 + std::abs(x))) << from << " -> " << to << " at " << x;
            }
        }
    }
    for (double v : ConvertTemperature(TemperatureScale::Kelvin, std::numeric_limits<double>::quiet_NaN())) {
        EXPECT_TRUE(std::isnan(v));
    }
}

}  // namespace
}  // namespace tmcalc
