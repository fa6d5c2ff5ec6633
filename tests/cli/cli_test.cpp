// Runs the built tmcalc-cli as a script would: what it writes, its exit codes, and that it touches no file.
#include "cases/work_page_cases.h"
#include "framework/number_text.h"
#include "humidity/humidity.h"
#include "humidity/humidity_pages.h"
#include "framework/plot_svg.h"
#include "framework/point_fit_plot.h"
#include "resources/string_table.h"
#include "rtd/fit_curves.h"
#include "rtd/fits.h"
#include "rtd/its90.h"
#include "standards/standards_store.h"
#include "thermocouple/work_page_math.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace tmcalc {
namespace {

namespace fs = std::filesystem;
using Cells = std::vector<std::string>;

struct RunResult {
    int exitCode = -1;
    std::string out, err;
};

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Cells Split(const std::string& text, char separator)
{
    Cells parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.emplace_back();
    return parts;
}

// The cells of a CSV output's first row (after the header).
Cells FirstRow(const std::string& csv)
{
    const Cells lines = Split(csv, '\n');
    return lines.size() < 2 ? Cells{} : Split(lines[1], ',');
}

// A folder of its own per test, as the CLI's working directory, so that anything it created there would show.
class CliRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : name) c = c == '/' ? '_' : c;
        m_dir = fs::temp_directory_path() / ("tmcalc_cli_test_" + name);
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "work");
    }
    void TearDown() override { fs::remove_all(m_dir); }

    RunResult Run(const std::string& args, const std::string& input = {})
    {
        std::ofstream(m_dir / "stdin", std::ios::binary) << input;
        const std::string command = "cd '" + (m_dir / "work").string() + "' && '" TMCALC_CLI_PATH "' " + args +
                                    " <'" + (m_dir / "stdin").string() + "' >'" + (m_dir / "stdout").string() +
                                    "' 2>'" + (m_dir / "stderr").string() + "'";
        const int status = std::system(command.c_str());
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return {code, ReadAll(m_dir / "stdout"), ReadAll(m_dir / "stderr")};
    }
    Cells Row(const std::string& args) { return FirstRow(Run(args).out); }
    [[nodiscard]] bool WorkFolderEmpty() const { return fs::is_empty(m_dir / "work"); }

    fs::path m_dir;
};

void ExpectShown(const std::string& csv, std::size_t first, const std::string& shown)
{
    const Cells cells = FirstRow(csv);
    const Cells expected = Split(shown, '|');
    ASSERT_EQ(cells.size(), first + expected.size()) << csv;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (expected[i] == cases::kAny) continue;
        EXPECT_EQ(cells[first + i], expected[i] == cases::kOut ? FormatValueG7(std::nan("")) : expected[i]) << i;
    }
}

// The page cases through --as-shown; a single value out of range is an error (exit 1, nothing on stdout),
// so its texts are read from a batch of one line.
class PageCases : public CliRun, public ::testing::WithParamInterface<cases::WorkPageCase> {};
TEST_P(PageCases, AsShownEqualsThePage)
{
    const cases::WorkPageCase& c = GetParam();
    std::string args = std::string(c.page) + " " + c.sensor + " --as-shown";
    for (const cases::Setting& s : c.settings) args += std::string(" --") + s.name + " '" + s.text + "'";
    const std::string shown = c.shown;
    if (*c.field == '\0') {  // a fit writes its row also when a coefficient fails
        const RunResult result = Run(args);
        EXPECT_EQ(result.exitCode, shown.find(cases::kOut) == std::string::npos ? 0 : 1) << result.err;
        ExpectShown(result.out, 0, shown);
        return;
    }
    // The pages read the longest number at the start; the command line takes a plain decimal number whole.
    const bool plain = std::string_view(c.typed).find_first_not_of("0123456789.eE+-") == std::string_view::npos &&
                       std::string_view(c.typed).find_first_of("0123456789") != std::string_view::npos;
    if (!plain) {
        const RunResult refused = Run(args + " --" + c.field + " '" + c.typed + "'");
        EXPECT_EQ(refused.exitCode, 1) << refused.err;
        EXPECT_NE(refused.err.find(std::string("--") + c.field + ": '" + c.typed + "' is not a number"),
                  std::string::npos) << refused.err;
        EXPECT_TRUE(refused.out.empty());
        return;
    }
    const bool fails = shown.rfind(cases::kOut, 0) == 0 || shown.find("inf") != std::string::npos;
    const RunResult single = Run(args + " --" + c.field + " '" + c.typed + "'");
    EXPECT_EQ(single.exitCode, fails ? 1 : 0) << single.err;
    if (fails) {
        EXPECT_NE(single.err.find("out of range"), std::string::npos) << single.err;
        const RunResult batch = Run(args + " --" + c.field + " -", std::string(c.typed) + "\n");
        EXPECT_EQ(batch.exitCode, 1) << batch.err;
        ExpectShown(batch.out, 1, shown);
    } else {
        ExpectShown(single.out, 1, shown);
    }
    EXPECT_TRUE(WorkFolderEmpty());
}
INSTANTIATE_TEST_SUITE_P(Pages, PageCases, ::testing::ValuesIn(cases::kWorkPageCases), test::RowName{});

// The pages without a sensor table: the texts come from the same core functions here.
TEST_F(CliRun, FirstRowsAsShownAndAtFullPrecision)
{
    EXPECT_EQ(Row("temperature --scale F -40 --as-shown"),
              (Cells{"-40", "-40", "-40", "233.15", "419.67", "-32"}));
    // Columns by quantity name: absolute, dewpoint, e, enthalpy, es, mixing, ppmv-dry, ppmv-wet, rh, wetbulb.
    const auto q = HumidityQuantities(kHumidityRelative, 50, 20, 1013.25);
    Cells humidity{"50"};
    for (const std::size_t k : {9U, 3U, 6U, 11U, 5U, 10U, 7U, 8U, 2U, 4U})
        humidity.push_back(FormatShowValue(6, 7, q[k]).value_or(""));
    EXPECT_EQ(Row("humidity rh 50 --t 20 --pressure 1013.25 --as-shown"), humidity);
    // 1 atm is exactly 101.325 kPa and 760 Torr; the conventional mercury column is a hair more than a torr.
    EXPECT_EQ(Row("units pressure --unit atm 1 --digits 9"),
              (Cells{"1", "101325", "101.325", "0.101325", "14.6959488", "1.01325", "1013.25", "760",
                     "29.9212556", "759.999892", "406.782462", "10332.2745", "1.03322745", "2116.21662", "1"}));
    // The typed unit's column is the input itself, not its round trip through newtons.
    EXPECT_EQ(Row("units force --unit pdl 0.1").back(), "0.1");
    EXPECT_EQ(Row("units force --unit pdl 1").back(), "1");
    // Every number reads back as the very double the core computed; NIST ITS-90 (K: 41.276 mV at 1000 °C) and
    // IEC 60751 (Pt100: 138.5055 Ω at 100 °C) to their last printed digit; "1e1" and white space around.
    const Cells row = Row("tc K --temp 1000");
    ASSERT_EQ(row.size(), 3U);
    EXPECT_EQ(std::strtod(row[1].c_str(), nullptr), WorkEmfMillivolts(ThermocoupleType::K, 1000, 0));
    EXPECT_NEAR(std::strtod(row[1].c_str(), nullptr), 41.276, 0.0005);
    EXPECT_EQ(Row("rtd pt100 --temp 100 --digits 7")[1], "138.5055");
    EXPECT_EQ(Row("temperature 1e1")[1], "10");
    EXPECT_EQ(Row("temperature ' 16 '"), (Cells{"16", "16", "60.8", "289.15", "520.47", "12.8"}));
}

// Historic scales: a scale without a value is an empty cell (null in JSON); a temperature difference of
// 1 K is 1.8 ℉, as on the page; a certificate converts as its coefficients typed out and exports back.
TEST_F(CliRun, ScalesDifferencesAndCertificates)
{
    EXPECT_EQ(Row("scales --from t90 800 --digits 7"), (Cells{"800", "800", "799.9498", ""}));
    EXPECT_EQ(Row("scales --from t48 444.6 --digits 7"), (Cells{"444.6", "444.6147", "444.6743", "444.6"}));
    const nlohmann::json json = nlohmann::json::parse(Run("scales --from t90 -259.3468 --format json").out);
    EXPECT_TRUE(json[0]["t68_C"].is_null() && json[0]["t48_C"].is_null());
    EXPECT_EQ(json[0]["t90_C"], -259.3468);
    EXPECT_EQ(Run("scales --from t90 800").exitCode, 0);

    EXPECT_EQ(Row("units temperature-difference --unit K 1"), (Cells{"1", "1", "1.8", "1", "1.8", "0.8"}));
    EXPECT_EQ(Row("units temperature-difference --unit ℃ 10 --as-shown")[2], "18");

    const std::string cert = "qt90://8/W~0.009K100.0135~0.006_T~0.012K188.9427~0.006_Z~0.096K256.6981~0.006/"
                             "-2.0786366E-04_-8.8309895E-05";
    EXPECT_EQ(Row("sprt --qt90 '" + cert + "' --res 150"),
              Row("sprt --range 0~419.527 --rtp 100.0135 --a8 -2.0786366E-04 --b8 -8.8309895E-05 --res 150"));
    EXPECT_EQ(Run("sprt --qt90 '" + cert + "' --export qt90").out, cert + "\n");
    const RunResult typed =
        Run("sprt --range -189.3442~419.527 --rtp 25.5 --a8 -2E-4 --b8 -8E-5 --a4 -1.5E-4 --b4 2.5E-5 --export qt90");
    EXPECT_EQ(typed.out, "qt90://8/W~0K25.5/-2E-04_-8E-05\nqt90://4/W~0K25.5/-1.5E-04_2.5E-05\n");
    const std::string lines = typed.out.substr(0, typed.out.size() - 1);
    EXPECT_EQ(Row("sprt --qt90 '" + lines + "' --temp -100"),
              Row("sprt --range -189.3442~419.527 --rtp 25.5 --a8 -2E-4 --b8 -8E-5 --a4 -1.5E-4 --b4 2.5E-5 --temp -100"));
}

// Exit codes: 1 a value out of range or not a number, 2 settings the command cannot use, 105 and up CLI11's
// own. A value is read whole: the message names the option and the text, and nothing else.
struct ErrorCase {
    const char *name, *args;
    int exitCode;
    const char* message;
    const char* input = "";  // what stdin holds
};
class Errors : public CliRun, public ::testing::WithParamInterface<ErrorCase> {};
TEST_P(Errors, ExitNonZeroWithAMessage)
{
    const RunResult result = Run(GetParam().args, GetParam().input);
    EXPECT_EQ(result.exitCode, GetParam().exitCode) << result.err;
    EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
    EXPECT_TRUE(result.out.empty() && WorkFolderEmpty()) << result.out;
}

const ErrorCase kErrors[] = {
    // A text that is not a plain decimal number, whole, is an error, never 0 nor its numeric start.
    {"temp_abc", "tc K --temp abc", 1, "--temp: 'abc' is not a number"},
    {"temp_empty", "tc K --temp ''", 1, "--temp: '' is not a number"},
    {"temp_junk_first", "tc K --temp x5", 1, "--temp: 'x5' is not a number"},
    {"comma_decimal", "rtd pt100 --temp 1,5", 1, "--temp: '1,5' is not a number"},
    {"trailing_letters", "temperature 100abc", 1, "value: '100abc' is not a number"},
    {"two_points", "temperature 1.2.3", 1, "value: '1.2.3' is not a number"},
    {"full_width_digit", "temperature 10\xef\xbc\x90", 1, "is not a number"},
    {"arabic_indic_digit", "temperature \xd9\xa1", 1, "is not a number"},
    {"hexadecimal", "temperature 0x10", 1, "value: '0x10' is not a number"},
    {"exponent_without_digits", "temperature 1e", 1, "value: '1e' is not a number"},
    {"nan_temperature", "rtd pt100 --temp nan", 1, "--temp: 'nan' is not a number"},
    {"nan_cold_junction", "tc K --temp 1000 --cold nan", 1, "--cold: 'nan' is not a number"},
    {"infinity", "tc K --temp inf", 1, "--temp: 'inf' is not a number"},
    {"beyond_double", "tc K --temp 1e999", 1, "--temp: '1e999' is out of range"},
    {"ni_coefficient_junk", "rtd ni --r0 100 --a 1e-3 --b junk --temp 1", 1, "--b: 'junk' is not a number"},
    {"fit_point_junk", "fit pt --r1 x --r2 1 --r3 2", 1, "--r1: 'x' is not a number"},
    {"humidity_junk", "humidity rh x", 1, "value: 'x' is not a number"},
    {"humidity_pressure_junk", "humidity rh 50 --pressure 1000hPa", 1, "--pressure: '1000hPa' is not a number"},
    // Below absolute zero, given or computed; overflow to infinity is out of range, never "inf".
    {"kelvin_below_zero", "temperature --scale K -- -5", 1, "out of range"},
    {"cold_below_absolute_zero", "tc K --temp 20 --cold -300", 1, "--cold: '-300' is below absolute zero"},
    {"ntc_tiny_resistance", "ntc --r25 10000 --beta 3950 --res 1e-300", 1, "out of range"},
    {"ntc_zero_resistance", "ntc --r25 10000 --beta 3950 --res 0", 1, "out of range"},
    {"ntc_below_absolute_zero", "ntc --r25 10000 --beta 3950 --temp -300", 1, "out of range"},
    {"rtd_negative_resistance", "rtd pt100 --res -5", 1, "out of range"},
    {"pressure_overflow", "units pressure --unit atm 1e308", 1, "out of range"},
    {"kelvin_overflow", "temperature --scale K 1e308", 1, "out of range"},
    // A resistance at a reference point of zero or less is a wrong setting.
    {"ptx_negative_r0", "rtd ptx --r0 -100 --temp 20", 2, "--r0: '-100' must be greater than zero"},
    {"ntc_negative_r25", "ntc --r25 -10000 --beta 3950 --temp 20", 2, "--r25: '-10000' must be greater than zero"},
    {"sprt_zero_rtp", "sprt --rtp 0 --a8 0 --b8 0 --temp 20", 2, "--rtp: '0' must be greater than zero"},
    // Humidity inside its physics only.
    {"humidity_negative_rh", "humidity rh -5", 1, "out of range"},
    {"humidity_negative_pressure", "humidity rh 50 --pressure -1000", 1, "out of range"},
    {"humidity_zero_pressure", "humidity rh 50 --pressure 0", 1, "out of range"},
    {"humidity_air_1000", "humidity rh 50 --t 1000", 1, "out of range"},
    {"humidity_wet_bulb_above_air", "humidity wetbulb 30 --t 20", 1, "out of range"},
    {"humidity_vapour_above_pressure", "humidity rh 100 --t 100 --pressure 1013.25", 1, "out of range"},
    {"unknown_type", "tc Q --temp 1", 105, "unknown thermocouple type 'Q'"},
    {"unknown_rtd", "rtd pt1000 --temp 1", 105, "unknown resistance thermometer"},
    {"unknown_std_type", "stdtc K --temp 1", 105, "unknown standard thermocouple type"},
    {"unknown_b_mode", "stdtc B --mode mid --temp 1", 105, "unknown type B mode"},
    {"unknown_fit", "fit ni --r1 1", 106, "subcommand is required"},
    // One step beyond type K's 1372 °C and Pt100's -200 °C.
    {"k_above_range", "tc K --temp 1372.001", 1, "out of range"},
    {"pt100_below_range", "rtd pt100 --temp -200.01", 1, "out of range"},
    {"ptx_without_r0", "rtd ptx --temp 1", 2, "needs --r0"},
    {"pt100_with_r0", "rtd pt100 --r0 50 --temp 1", 2, "fixed R0"},
    // The nickel page converts nothing while R0, A or B is zero.
    {"ni_without_b", "rtd ni --r0 100 --a 0.005 --temp 1", 2, "non-zero --r0, --a and --b"},
    {"ni_zero_r0", "rtd ni --r0 0 --a 0.005 --b 1e-6 --temp 1", 2, "--r0: '0' must be greater than zero"},
    {"preset_with_coefficients", "rtd ni-nd --a 0.005 --temp 1", 2, "belong to rtd ni"},
    {"b_row_missing", "stdtc B --a1 1 --a2 2 --temp 1", 2, "needs --a3 --a4 --a5 --a6"},
    {"b_value_of_another_mode", "stdtc B --mode fixed --e1100 1 --e1200 2 --e1300 3 --e1400 4 --e1500 5 --a0 1 "
     "--temp 1", 2, "only its own values"},
    {"b_from_the_file", "stdtc B --product X --temp 1", 2, "not from the standards file"},
    {"s_without_points", "stdtc S --zn 3 --temp 1", 2, "--zn, --al, --cu"},
    {"s_with_b_values", "stdtc S --zn 3 --al 5 --cu 10 --a1 1 --temp 1", 2, "belong to stdtc B"},
    {"s_with_b_mode", "stdtc S --zn 3 --al 5 --cu 10 --mode high --temp 1", 2, "belong to stdtc B"},
    {"b_with_s_points", "stdtc B --zn 3 --a1 1 --a2 1 --a3 1 --a4 1 --a5 1 --a6 1 --temp 1", 2,
     "belong to stdtc S"},
    {"fit_zero_r0", "fit pt --r0 0 --r1 1 --r2 2 --r3 3", 2, "--r0: '0' must be greater than zero"},
    {"fit_pt_needs_points", "fit pt --r1 1", 106, "--r2 is required"},
    {"cu_fit_singular", "fit cu --r1 71.4 --r2 82.1343 --r3 47.8542 --t2 100", 2, "do not determine"},
    {"ntc_fit_one_point", "fit ntc --r1 10000 --t1 25", 2, "needs two points"},
    {"ntc_beta_three_points", "fit ntc --r1 1 --t1 1 --r2 2 --t2 2 --r3 3 --t3 3", 2, "takes two points"},
    {"sprt_fit_missing_points", "fit sprt --rtp 25 --al 84", 2, "needs --zn --sn --ar --hg"},
    {"sprt_fit_no_group", "fit sprt --rtp 25 --range 0", 2, "selects no deviation group"},
    {"s_calculator_zero", "fit stdtc --zn 3 --al 0 --cu 10", 2, "non-zero"},
    {"qt90_plus_separator", "sprt --qt90 'qt90://8/W~0.009K100.0135_505.078+0.012K188.9/1E-4_2E-5' --temp 1", 2,
     "point 2 (505.078+0.012K188.9): + and ± do not separate an uncertainty"},
    {"qt90_range_6", "sprt --qt90 'qt90://6/W~0.001K25/1E-4_2E-5_3E-6_4E-7' --temp 1", 2,
     "no deviation function for sub-range 6"},
    {"qt90_with_rtp", "sprt --qt90 'qt90://10/W~0K25/1E-4' --rtp 25 --temp 1", 108, "excludes"},
    {"scales_unknown", "scales --from t27 1", 105, "scale"},
    {"no_value", "tc K", 2, "no value"}, {"no_command", "", 106, "subcommand"},
    {"table_zero_step", "table tc K --from 0 --to 1 --step 0", 2, "--step"},
    {"table_comma_step", "table tc K --from 0 --to 1 --step 0,5", 1, "--step: '0,5' is not a number"},
    // Uncertainty settings are usage errors: an unknown name, a negative or non-numeric u, k <= 0.
    {"u_unknown_name", "rtd pt100 --res 100 --u emf_mV=0.1", 2, "names no input of this conversion (r_ohm, r0)"},
    {"u_result_column", "rtd pt100 --res 100 --u t_C=0.1", 2, "names no input"},
    {"u_without_value", "tc K --emf 1 --u cold", 2, "names no input"},
    {"u_negative", "tc K --emf 1 --u cold=-0.1", 2, "'-0.1' is not a standard uncertainty"},
    {"u_not_a_number", "humidity rh 50 --u t=abc", 2, "'abc' is not a standard uncertainty"},
    {"k_zero", "sprt --rtp 25 --range 0~419.527 --a8 0 --b8 0 --res 25 --k 0", 2, "--k: '0'"},
    {"k_negative", "ntc --r25 10000 --beta 3950 --res 8000 --k -2", 2, "--k: '-2'"},
    // Fits from points: the points file or stdin.
    {"no_file", "fit pt --points missing.csv", 2, "--points: cannot read 'missing.csv'"},
    {"empty_input", "fit pt --points -", 2, "stdin has no column 't_C'"},
    {"no_measured_column", "fit pt --points -", 2, "no column 'r_ohm' in its header line", "t_C,R\n1,2\n"},
    {"emf_for_a_resistance", "fit stdtc --points -", 2, "no column 'emf_mV'", "t_C,r_ohm\n500,4.2\n"},
    {"junk_cell", "fit pt --points -", 1, "line 3, r_ohm: '10x' is not a number", "t_C,r_ohm\n0,100\n10,10x\n"},
    {"points_comma_decimal", "fit pt --points -", 1, "line 2, t_C: '\"1' is not a number", "t_C,r_ohm\n\"1,5\",100\n"},
    {"missing_cell", "fit pt --points -", 1, "line 2, r_ohm: '' is not a number", "t_C,r_ohm\n10\n"},
    {"too_few", "fit cu --points -", 2, "too few points for alpha, beta, gamma (2 given)", "t_C,r_ohm\n10,52\n20,54\n"},
    {"repeated", "fit ntc --mode sh --points -", 2, "too few different points for A, B, C",
     "t_C,r_ohm\n25,10000\n25,10000\n0,32650\n"},
    {"singular", "fit cu --points -", 2, "do not determine", "t_C,r_ohm\n0,50\n100,71.4\n50,60.7\n"},
    {"negative_resistance", "fit pt --points -", 1, "line 3: the fit cannot take t_C 100, r_ohm -1",
     "t_C,r_ohm\n-50,80\n100,-1\n200,175\n"},
    {"sprt_point_outside", "fit sprt --rtp 25.5 --range 0~419.527 --points -", 1,
     "line 4 lies outside the deviation groups", "t_C,r_ohm\n419.527,65.5\n231.928,48.2\n660.323,86\n"},
    {"sprt_lower_group_short", "fit sprt --rtp 25.5 --range -200~419.527 --points -", 2,
     "too few points for a8, b8, a4, b4", "t_C,r_ohm\n419.527,65.5\n231.928,48.2\n-189.3442,5.5\n"},
    {"points_and_exact", "fit pt --points - --r1 3", 108, "excludes"},
    {"residuals_alone", "fit pt --r1 1 --r2 2 --r3 3 --residuals", 107, "--residuals requires --points"},
    {"plot_alone", "fit pt --r1 1 --r2 2 --r3 3 --plot x.svg", 107, "--plot requires --points"},
    {"plot_unwritable", "fit pt --points - --plot no/such/folder/x.svg", 2,
     "--plot: cannot write 'no/such/folder/x.svg'", "t_C,r_ohm\n-40,84.27\n100,138.51\n300,212.05\n"},
    {"ext_without_points", "fit ntc --mode ext --r1 1 --t1 1 --r2 2 --t2 2", 2, "--mode ext fits from --points only"},
};

INSTANTIATE_TEST_SUITE_P(Cases, Errors, ::testing::ValuesIn(kErrors), test::RowName{});

// u_X and U_X for every result column: the worked examples, a parameter's share, batch lines and the
// texts --as-shown writes (two significant digits).
TEST_F(CliRun, UncertaintyColumnsForEveryResult)
{
    // Pt100 at 138.5055 Ω with u(R) = 1 mΩ: u(t) = 2.64 mK, U = 0.0053 °C.
    Cells row = Row("rtd pt100 --res 138.5055 --u r_ohm=0.001 --as-shown");
    EXPECT_EQ(row, (Cells{"138.5055", "100", "0.3792800", "0.0026", "0.0053", "3.0e-07", "6.1e-07"}));
    nlohmann::json json = nlohmann::json::parse(Run("rtd pt100 --res 138.5055 --u r_ohm=0.001 --format json").out);
    EXPECT_NEAR(json[0]["u_t_C"].get<double>(), 0.001 / 0.37928, 1e-9);
    EXPECT_DOUBLE_EQ(json[0]["U_t_C"].get<double>(), 2 * json[0]["u_t_C"].get<double>());
    // Type K: 2 µV and a cold junction of 20 ± 0.1 °C; k = 3 triples u.
    json = nlohmann::json::parse(
        Run("tc K --emf 41.276 --cold 20 --u emf_mV=0.002 --u cold=0.1 --k 3 --format json").out);
    EXPECT_NEAR(json[0]["u_t_C"].get<double>(), 0.11613, 1e-5);
    EXPECT_DOUBLE_EQ(json[0]["U_t_C"].get<double>(), 3 * json[0]["u_t_C"].get<double>());
    // Without --u the row is as before; with every u 0 the columns are 0.
    EXPECT_EQ(Run("tc K --emf 41.276").out.find("u_"), std::string::npos);
    row = Row("humidity rh 50 --k 2");
    EXPECT_EQ(row.size(), 11U + 20U);
    EXPECT_EQ(row.back(), "0");
    // A batch applies the same u to every line; a line out of range has none.
    const RunResult batch = Run("ntc --r25 10000 --beta 3950 --res - --u r_ohm=1 --u beta=10 --as-shown", "10000\n-5\n");
    std::vector<Cells> lines;
    for (const std::string& line : Split(batch.out, '\n'))
        if (!line.empty()) lines.push_back(Split(line, ','));
    ASSERT_EQ(lines.size(), 3U) << batch.out << batch.err;
    EXPECT_EQ(lines[0], (Cells{"r_ohm", "t_C", "u_t_C", "U_t_C"}));
    EXPECT_EQ(lines[1], (Cells{"10000", "25.", "0.0023", "0.0045"}));
    EXPECT_EQ(lines[2][2], "");
}

TEST_F(CliRun, HelpForEveryCommand)
{
    for (const char* command : {"", "tc", "rtd", "temperature", "sprt", "stdtc", "ntc", "humidity", "transmitter",
                                "units", "scales", "fit", "fit pt", "fit cu", "fit ntc", "fit sprt", "fit stdtc", "table",
                                "table tc", "table rtd", "table stdtc"}) {
        const RunResult result = Run(std::string(command) + " --help");
        EXPECT_TRUE(result.exitCode == 0 && result.out.find("Usage") != std::string::npos) << command;
    }
}

// Batch: one row per input line, in order; a bad line is marked in place, exits 1 and stops nothing.
TEST_F(CliRun, BatchConvertsEachLine)
{
    const RunResult result =
        Run("rtd pt100 --res - --column 2 --skip 1 --digits 6", "time,ohm\n0,138.5055\r\n1,junk\n2,100\n3,1e9\n");
    EXPECT_EQ(result.exitCode, 1);
    const Cells rows = Split(result.out, '\n');
    ASSERT_EQ(rows.size(), 6U);  // the header, four rows and the end of the last line
    EXPECT_EQ(rows[1].substr(0, 12), "138.506,100,");
    EXPECT_EQ(rows[2], "junk,not a number,not a number");
    EXPECT_EQ(rows[3].substr(0, 6), "100,0,");
    EXPECT_NE(rows[4].find("out of range"), std::string::npos);
    EXPECT_NE(result.err.find("2 of 4"), std::string::npos) << result.err;
}

// Each value of a row stands by itself: dry air has a wet bulb and no dew point (an empty CSV cell, null in
// JSON), and the row is no failure. An explicit 0 is a coefficient: the ideal SPRT has W = Wr.
TEST_F(CliRun, RowsKeepWhatTheyHaveAndZeroIsACoefficient)
{
    RunResult result = Run("humidity rh 0 --t 20");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const Cells header = Split(Split(result.out, '\n')[0], ','), row = FirstRow(result.out);
    ASSERT_EQ(row.size(), header.size());
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (header[i] == "dewpoint") {
            EXPECT_EQ(row[i], "");
        } else {
            EXPECT_FALSE(row[i].empty() || row[i] == "out of range") << header[i];
        }
        if (header[i] == "wetbulb") { EXPECT_NEAR(std::strtod(row[i].c_str(), nullptr), 5.9278, 5e-5); }
    }
    nlohmann::json rows = nlohmann::json::parse(Run("humidity rh 0 --t 20 --format json").out);
    EXPECT_TRUE(rows[0]["dewpoint"].is_null() && rows[0]["wetbulb"].is_number() && !rows[0].contains("error"));
    for (const double t : {0.01, 100.0, 419.527}) {
        const std::string at = " --temp " + std::to_string(t) + " --format json";
        rows = nlohmann::json::parse(Run("sprt --rtp 25 --range 0~660.323 --a8 0 --b8 0" + at).out);
        ASSERT_EQ(rows.size(), 1U) << t;
        EXPECT_NEAR(rows[0]["W"].get<double>(), Its90Wr(t), 1e-15) << t;
        EXPECT_NEAR(rows[0]["r_ohm"].get<double>(), 25 * Its90Wr(t), 1e-12) << t;
    }
    rows = nlohmann::json::parse(
        Run("sprt --rtp 25 --range -189.3442~0 --a4 0 --b4 0 --temp -100 --format json").out);
    EXPECT_NEAR(rows[0]["W"].get<double>(), Its90Wr(-100), 1e-15);
    // Rounded JSON numbers and a quote in a CSV cell.
    rows = nlohmann::json::parse(Run("tc K --temp 1000 --digits 3 --format json").out);
    EXPECT_EQ(rows[0]["emf_mV"], 41.3);
    result = Run("rtd pt100 --res -", "ab\"c\n12abc\n 100 \n");
    EXPECT_EQ(result.exitCode, 1);
    const Cells lines = Split(result.out, '\n');
    ASSERT_EQ(lines.size(), 5U) << result.out;
    EXPECT_EQ(lines[1], "\"ab\"\"c\",not a number,not a number");
    EXPECT_EQ(lines[2], "12abc,not a number,not a number");  // read whole in a batch too
    EXPECT_EQ(lines[3].substr(0, 6), "100,0,");
}

// JSON holds numbers (null where out of range); tables land exactly on --to, also for the type B standard;
// aligned text keeps its columns.
TEST_F(CliRun, TablesAndFitsAsJsonAndAlignedText)
{
    RunResult result = Run("table tc K --from 1370 --to 1373 --step 0.5 --format json");
    EXPECT_EQ(result.exitCode, 1);  // 1372.5 and 1373 are beyond type K
    nlohmann::json rows = nlohmann::json::parse(result.out);
    ASSERT_EQ(rows.size(), 7U);
    EXPECT_EQ(rows[6]["t_C"], 1373.0);
    EXPECT_TRUE(rows[4]["emf_mV"].is_number() && rows[5]["emf_mV"].is_null());
    EXPECT_EQ(rows[5]["error"], "out of range");
    result =
        Run("table stdtc B --mode fixed --e1100 5.780 --e1200 6.786 --e1300 7.848 --e1400 8.956 --e1500 10.099 "
            "--emf --from 5.78 --to 10.099 --step 0.1 --format json");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    rows = nlohmann::json::parse(result.out);
    ASSERT_EQ(rows.size(), 44U);
    // NIST type B: 5.780 mV at 1100 °C; the fit passes within a few µV, some 0.5 °C.
    EXPECT_NEAR(rows[0]["t_C"].get<double>(), 1100.0, 0.5);
    rows = nlohmann::json::parse(Run("fit ntc --mode sh --r1 32650.37471 --t1 0 --r2 9999.854436 --t2 25 "
                                     "--r3 3601.034978 --t3 50 --format json").out);
    ASSERT_EQ(rows.size(), 1U);
    EXPECT_NEAR(rows[0]["A"].get<double>(), 1.129148e-3, 1e-12);  // the thermistor's own coefficients
    result = Run("table rtd ni --r0 1000 --a 0.005485 --b 6.65e-06 --res --from 900 --to 1100 --step 50 "
                 "--format text");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const Cells lines = Split(result.out, '\n');
    ASSERT_EQ(lines.size(), 7U);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) EXPECT_EQ(lines[i].size(), lines[0].size()) << lines[i];
}

// The standards file is only read: the same bytes afterwards, no lock or temporary file, none created.
class CliStandards : public CliRun {
protected:
    void SetUp() override
    {
        CliRun::SetUp();
        const fs::path folder = m_dir / "std";
        fs::create_directories(folder);
        StandardsStoreOptions options;
        options.folder = folder;
        StandardsStore store(options);
        const auto add = [&store](StandardKind kind,
                                  const std::vector<std::pair<const char*, const char*>>& values) {
            StandardRecord record(kind);
            ASSERT_EQ(store.AddStandard(kind, record), StoreStatus::Ok);
            for (const auto& [key, value] : values)
                ASSERT_EQ(store.SetStandardValue(kind, store.Count(kind) - 1, key, value), StoreStatus::Ok);
        };
        using enum StandardKind;
        for (const char* product : {"T-1", "T-2", "T-2"})
            add(Thermistor, {{"ProductNo", product}, {"Method", "1"}, {"R25", "10000"}, {"Beta", "3950"}});
        add(Thermocouple, {{"ProductNo", "S-1"}, {"Zn", "3.4472"}, {"Al", "5.8605"}, {"Cu", "10.5822"}});
        add(Resistor,
            {{"ProductNo", "R-1"}, {"TempRange", "0~419.527"}, {"Rtp", "10"}, {"a8", "1e-15"}, {"b8", "1e-15"},
             {"CertU", "0.0002"}, {"CertK", "2"}});
        // Pasted from a certificate string: the string (every point) comes back while the values match it.
        add(Resistor, {{"ProductNo", "R-2"}, {"TempRange", "0~29.7646"}, {"Rtp", "25.5"}, {"a11", "-1E-05"},
                       {"Qt90", "qt90://11/W~0.0001K25.5~0.00002_G~0.0002K28.51/-1E-05"}});
        add(Resistor, {{"ProductNo", "R-3"}, {"TempRange", "0~29.7646"}, {"Rtp", "25.5"}, {"a11", "-2E-05"},
                       {"Qt90", "qt90://11/W~0.0001K25.5~0.00002_G~0.0002K28.51/-1E-05"}});
        fs::remove(folder / kStandardsLockFileName);
        m_file = folder / kStandardsFileName;
        m_bytes = ReadAll(m_file);
    }

    [[nodiscard]] bool Untouched() const
    {
        return ReadAll(m_file) == m_bytes &&
               std::distance(fs::directory_iterator(m_file.parent_path()), fs::directory_iterator()) == 1;
    }

    fs::path m_file;
    std::string m_bytes;
};

TEST_F(CliStandards, ReadsByProductNumberAndWritesNothingThroughAReadOnlyStore)
{
    const std::string folder = " --standards '" + m_file.parent_path().string() + "'";
    const std::string file = " --standards '" + m_file.string() + "'";
    EXPECT_EQ(Row("ntc --product T-1 --res 10000" + folder), (Cells{"10000", "25"}));
    // The certificate's U over its k is u(R(TPW)): at W = 1 (0.01 °C) u(t) = (0.0001 Ω / 10 Ω) / dW/dt.
    const nlohmann::json cert = nlohmann::json::parse(Run("sprt --product R-1 --res 10 --k 2 --format json" + folder).out);
    EXPECT_NEAR(cert[0]["u_t_C"].get<double>() * cert[0]["dW_dt_per_C"].get<double>(), 1e-5, 1e-9);
    EXPECT_EQ(Row("sprt --product R-1 --res 10 --u rtp=0 --as-shown" + folder)[6], "0");
    EXPECT_EQ(Row("stdtc S --product S-1 --temp 1084.62 --as-shown" + file)[1], "10.5822000");
    EXPECT_EQ(Row("fit stdtc --product S-1 --as-shown" + folder)[0], "0.006998044679556");
    EXPECT_EQ(Row("sprt --product R-1 --temp 419.527 --as-shown" + folder)[1], "25.6891730");
    EXPECT_EQ(Run("sprt --product R-1 --export qt90" + folder).out, "qt90://8/W~0K10/1E-15_1E-15\n");
    EXPECT_EQ(Run("sprt --product R-2 --export qt90" + folder).out,  // the same numbers, written alike
              "qt90://11/W~1E-04K25.5~2E-05_G~2E-04K28.51/-1E-05\n");
    EXPECT_EQ(Run("sprt --product R-3 --export qt90" + folder).out, "qt90://11/W~0K25.5/-2E-05\n");  // edited since
    const std::pair<std::string, const char*> failures[] = {
        {"ntc --product T-2 --res 1" + file, "2 standards"}, {"ntc --product T-3 --res 1" + file, "no standards"},
        {"sprt --product S-1 --temp 1" + folder, "no standards"},
        {"stdtc S --product T-1 --temp 1" + folder, "no standards"},
        // The default is the current directory, which has no file: an error, and still no file.
        {"ntc --product T-1 --res 1", "no standards file"}, {"fit stdtc --product S-1", "no standards file"}};
    for (const auto& [args, message] : failures) {
        const RunResult result = Run(args);
        EXPECT_EQ(result.exitCode, 2) << args;
        EXPECT_NE(result.err.find(message), std::string::npos) << args << ": " << result.err;
    }
    // The read-only store itself: no file from the templates, no lock file, and every change refused.
    StandardsStoreOptions options;
    options.folder = m_dir / "work";
    options.readOnly = true;
    const StandardsStore empty(options);
    EXPECT_EQ(empty.Count(StandardKind::Thermistor), 0U);
    EXPECT_TRUE(WorkFolderEmpty());  // nor did any run above create a file here
    options.folder = m_file.parent_path();
    StandardsStore store(options);
    EXPECT_EQ(store.Count(StandardKind::Thermistor), 3U);
    StandardRecord record(StandardKind::Thermistor);
    EXPECT_EQ(store.AddStandard(StandardKind::Thermistor, record), StoreStatus::ReadOnly);
    EXPECT_EQ(store.SetStandardValue(StandardKind::Thermistor, 0, "R25", "1"), StoreStatus::ReadOnly);
    EXPECT_EQ(store.DeleteStandard(StandardKind::Thermistor, 0), StoreStatus::ReadOnly);
    EXPECT_TRUE(Untouched());  // by the runs above either
}

// fit --points: least squares over the points of a CSV, its coefficients with their uncertainties or its
// residuals, the same numbers as the core's fits; the points read by their header names.
constexpr const char* kPt100Points =
    "t_C,r_ohm\n-196,20.2477\n-150,39.7224\n-100,60.2563\n-50,80.3048\n0,100.0003\n100,138.5065\n"
    "200,175.8549\n300,212.0522\n420,253.9611\n";

std::vector<FitPoint> CsvPoints(const std::string& csv)
{
    std::vector<FitPoint> points;
    const Cells lines = Split(csv, '\n');
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const Cells cells = Split(lines[i], ',');
        if (cells.size() == 2) points.push_back({std::stod(cells[0]), std::stod(cells[1])});
    }
    return points;
}

TEST_F(CliRun, FitPointsGivesTheCoreFitAndItsResiduals)
{
    const PointFit core = FitPtPoints(100, CsvPoints(kPt100Points));
    RunResult result = Run("fit pt --points -", kPt100Points);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Split(result.out, '\n')[0], "A,B,C,u_A,u_B,u_C,residual_sd_mK");
    Cells row = FirstRow(result.out);
    ASSERT_EQ(row.size(), 7U);
    for (std::size_t j = 0; j < 3; ++j) {
        EXPECT_EQ(std::stod(row[j]), core.coefficients[j]);  // the shortest text reads back the same double
        EXPECT_EQ(std::stod(row[3 + j]), core.uncertainties[j]);
    }
    EXPECT_EQ(std::stod(row[6]), core.residualSdMk);

    // The same points from a file, columns the other way round, with a byte order mark, quotes, CRLF and a
    // blank line.
    std::string swapped = "\xEF\xBB\xBF\"r_ohm\" , t_C\r\n";
    const Cells given = Split(kPt100Points, '\n');
    for (std::size_t i = 1; i + 1 < given.size(); ++i) {
        const Cells cells = Split(given[i], ',');
        swapped += cells[1] + "," + cells[0] + "\r\n\r\n";
    }
    std::ofstream(m_dir / "work" / "points.csv", std::ios::binary) << swapped;
    result = Run("fit pt --points points.csv --residuals");
    fs::remove(m_dir / "work" / "points.csv");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Cells lines = Split(result.out, '\n');
    ASSERT_EQ(lines.size(), 11U);  // the header, nine points, the final newline
    EXPECT_EQ(lines[0], "t_C,r_ohm,residual_mK");
    for (std::size_t i = 0; i < 9; ++i) {
        const Cells cells = Split(lines[i + 1], ',');
        ASSERT_EQ(cells.size(), 3U);
        EXPECT_EQ(std::stod(cells[2]), core.residualsMk[i]) << i;
    }
}

// --plot draws the points' fit: for the Pt100 exactly the core's plot model in the core's SVG, for every
// model one mark per point and per residual; a fit that fails writes no file.
TEST_F(CliRun, FitPointsPlot)
{
    const PointFit core = FitPtPoints(100, CsvPoints(kPt100Points));
    RunResult result = Run("fit pt --points - --plot pt.svg", kPt100Points);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string want = PlotSvg(BuildPointFitPlot(std::string(LoadString(kStrFirstRtdTab + 6)),
                                                       CsvPoints(kPt100Points), core, PtFitCurve(100, core)),
                                     900, 600);
    EXPECT_EQ(ReadAll(m_dir / "work" / "pt.svg"), want);

    const struct {
        const char* args;
        const char* csv;
        std::size_t points;
    } cases[] = {
        {"fit cu --r0 50", "t_C,r_ohm\n100,71.4\n150,82.13\n-10,47.86\n50,60.71\n", 4},
        {"fit ntc --mode sh", "t_C,r_ohm\n0,32650.4\n25,9999.8\n50,3601.1\n85,1070.4\n", 4},
        {"fit stdtc", "t_C,emf_mV\n419.527,3.45\n660.323,5.86\n1084.62,10.57\n900,8.45\n", 4},
        {"fit sprt --rtp 25.5 --range -38~419.527",
         "t_C,r_ohm\n419.527,65.5\n231.928,48.2\n29.7646,28.51\n-38.8344,21.52\n100,35.5\n", 5},
    };
    for (const auto& c : cases) {
        fs::remove(m_dir / "work" / "plot.svg");
        result = Run(std::string(c.args) + " --points - --plot plot.svg", c.csv);
        ASSERT_EQ(result.exitCode, 0) << c.args << result.err;
        const std::string svg = ReadAll(m_dir / "work" / "plot.svg");
        std::size_t marks = 0;
        for (std::size_t at = svg.find("<circle"); at != std::string::npos; at = svg.find("<circle", at + 1)) ++marks;
        EXPECT_EQ(marks, 2 * c.points) << c.args;
        EXPECT_NE(svg.find("<polyline"), std::string::npos) << c.args;
        EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n") << c.args;
    }
    fs::remove(m_dir / "work" / "plot.svg");
    result = Run("fit pt --points - --plot plot.svg", "t_C,r_ohm\n-50,80\n100,138\n");
    EXPECT_NE(result.exitCode, 0);
    EXPECT_FALSE(fs::exists(m_dir / "work" / "plot.svg"));
}

// With exactly as many points as coefficients the row is the exact fit's, its uncertainties empty.
struct MinimumPointsCase {
    const char* name;
    const char* exactArgs;
    const char* pointsArgs;
    const char* csv;
};
class FitPointsAtTheMinimum : public CliRun, public ::testing::WithParamInterface<MinimumPointsCase> {};
TEST_P(FitPointsAtTheMinimum, EqualsTheExactFit)
{
    const Cells exact = Row(std::string(GetParam().exactArgs) + " --digits 12");
    const RunResult result = Run(std::string(GetParam().pointsArgs) + " --points - --digits 12", GetParam().csv);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Cells row = FirstRow(result.out);
    ASSERT_EQ(row.size(), 2 * exact.size() + 1) << result.out;
    for (std::size_t j = 0; j < exact.size(); ++j) {
        EXPECT_EQ(row[j], exact[j]) << j;
        EXPECT_EQ(row[exact.size() + j], "") << j;
    }
    EXPECT_EQ(row.back(), "");
}

const MinimumPointsCase kMinimumPoints[] = {
    {"pt", "fit pt --r1 84.27 --r2 138.51 --r3 212.05", "fit pt", "t_C,r_ohm\n-40,84.27\n100,138.51\n300,212.05\n"},
    {"cu", "fit cu --r0 50 --r1 71.4 --r2 82.13 --r3 47.86", "fit cu --r0 50",
     "t_C,r_ohm\n100,71.4\n150,82.13\n-10,47.86\n"},
    {"ntc_sh", "fit ntc --mode sh --r1 32650 --t1 0 --r2 10000 --t2 25 --r3 3603 --t3 50", "fit ntc --mode sh",
     "t_C,r_ohm\n0,32650\n25,10000\n50,3603\n"},
    {"sprt_zinc_and_mercury", "fit sprt --rtp 25.5 --range -38~419.527 --zn 65.5 --sn 48.2 --ga 28.51 --hg 21.52",
     "fit sprt --rtp 25.5 --range -38~419.527",
     "t_C,r_ohm\n419.527,65.5\n231.928,48.2\n29.7646,28.51\n-38.8344,21.52\n"},
};
INSTANTIATE_TEST_SUITE_P(Cases, FitPointsAtTheMinimum, ::testing::ValuesIn(kMinimumPoints),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(CliRun, FitPointsOfEveryModelNameTheirColumns)
{
    const struct {
        const char* args;
        const char* csv;
        const char* header;
    } cases[] = {
        {"fit ntc", "t_C,r_ohm\n0,32650\n25,10000\n50,3603\n", "beta,R25,u_beta,u_R25,residual_sd_mK"},
        {"fit ntc --mode ext", "t_C,r_ohm\n0,32650\n25,10000\n50,3603\n85,1250\n",
         "A,B,C,D,u_A,u_B,u_C,u_D,residual_sd_mK"},
        {"fit stdtc", "t_C,emf_mV\n419.527,3.45\n660.323,5.86\n1084.62,10.57\n900,8.45\n",
         "a,b,c,u_a,u_b,u_c,residual_sd_mK"},
        {"fit stdtc --residuals", "t_C,emf_mV\n419.527,3.45\n660.323,5.86\n1084.62,10.57\n900,8.45\n",
         "t_C,emf_mV,residual_mK"},
        // Gallium serves a11 and a5/b5 both; its row shows a11's residual.
        {"fit sprt --rtp 25.5 --range -38~29.7646 --residuals", "t_C,r_ohm\n29.7646,28.51\n-38.8344,21.52\n",
         "t_C,r_ohm,residual_mK"},
    };
    for (const auto& c : cases) {
        const RunResult result = Run(std::string(c.args) + " --points -", c.csv);
        EXPECT_EQ(result.exitCode, 0) << c.args << result.err;
        EXPECT_EQ(Split(result.out, '\n')[0], c.header) << c.args;
    }
}

}  // namespace
}  // namespace tmcalc
