// Runs the built tmcalc-cli as a script would and checks what it writes, its exit codes, and that it
// leaves the folder it runs in untouched.

#include "framework/number_text.h"
#include "humidity/humidity.h"
#include "humidity/humidity_pages.h"
#include "rtd/rtd_page_math.h"
#include "rtd/sprt.h"
#include "standards/standards_store.h"
#include "thermistor/ntc_page_math.h"
#include "thermocouple/std_type_s.h"
#include "thermocouple/work_page_math.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

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

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A folder of its own per test, as the working directory of the CLI, so that anything it created there
// would show.
class CliRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : name) {
            if (c == '/') c = '_';
        }
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
        RunResult result;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = ReadAll(m_dir / "stdout");
        result.err = ReadAll(m_dir / "stderr");
        return result;
    }

    [[nodiscard]] bool WorkFolderEmpty() const { return fs::is_empty(m_dir / "work"); }

    fs::path m_dir;
};

// The second line of a CSV output (the first row after the header), split at commas.
std::vector<std::string> FirstRow(const std::string& csv)
{
    std::istringstream in(csv);
    std::string line;
    std::getline(in, line);
    std::getline(in, line);
    std::vector<std::string> cells;
    std::stringstream split(line);
    for (std::string cell; std::getline(split, cell, ',');) cells.push_back(cell);
    return cells;
}

// --as-shown must write what the page writes: the texts come from the same core functions here.
struct ShownCase {
    const char* name;
    const char* args;
    std::vector<std::string> expected;
};

class AsShown : public CliRun, public ::testing::WithParamInterface<ShownCase> {};

TEST_P(AsShown, MatchesThePageTexts)
{
    const RunResult result = Run(GetParam().args);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(FirstRow(result.out), GetParam().expected);
    EXPECT_TRUE(WorkFolderEmpty());
}

std::vector<std::string> Rtd(double t, const char* tText)
{
    const RtdShownTexts texts = RtdTextsFromTemperature(RtdMetal::Platinum, t, 100.0);
    return {tText, texts.value, texts.slope};
}

std::string Show(int digits, int decimals, double value)
{
    return FormatShowValue(digits, decimals, value).value_or("");
}

const SprtConversion kSprt100 = *SprtFromTemperature(
    SprtSetFromGroups(SprtRangeClasses(u"-189.344~660.23"), {-1e-4, 1e-5, 0}, {-1e-4, 1e-5}), 25.5, 100);

const StdSPageEmf kStdS1000 = *StdSPageTemperatureToEmf({3.45, 5.86, 10.57}, 1000, 0);

INSTANTIATE_TEST_SUITE_P(
    Pages, AsShown,
    ::testing::Values(
        ShownCase{"tc_k_1000_cold_20", "tc K --temp 1000 --cold 20 --as-shown",
                  {"1000", FormatValueG7(WorkEmfMillivolts(ThermocoupleType::K, 1000, 20)),
                   FormatValueG7(WorkSlopeShown(ThermocoupleType::K, 1000))}},
        ShownCase{"tc_s_inverse", "tc s --emf 10 --as-shown",
                  {"10", FormatValueG7(WorkTemperature(ThermocoupleType::S, 10, 0)),
                   FormatValueG7(WorkSlopeShown(ThermocoupleType::S, WorkTemperature(ThermocoupleType::S, 10, 0)))}},
        // The page's rounding to 0.1 mΩ and its fixed 7-decimal slope.
        ShownCase{"pt100_100", "rtd pt100 --temp 100 --as-shown", Rtd(100, "100")},
        ShownCase{"pt100_minus_200", "rtd pt100 --temp -200 --as-shown", Rtd(-200, "-200")},
        // The ice point is the literal "0.0", not "0" (regression: a plain G7 of 0 writes "0").
        ShownCase{"pt100_ice_point", "rtd pt100 --res 100 --as-shown",
                  {"100", "0.0", RtdTextsFromResistance(kRtdSensorPages[0], 100, 100).slope}},
        ShownCase{"temperature_f", "temperature --scale F -40 --as-shown",
                  {"-40", "-40", "-40", "233.15", "419.67", "-32"}},
        ShownCase{"ntc_beta_0", "ntc --r25 10000 --beta 3950 --temp 0 --as-shown",
                  {"0", Show(7, 7, *NtcPanelResistance(NtcMode::Beta, {10000, 3950}, 0))}},
        ShownCase{"stdtc_s_1000", "stdtc S --zn 3.45 --al 5.86 --cu 10.57 --temp 1000 --as-shown",
                  {"1000", Show(11, 7, kStdS1000.result.emf), Show(11, 7, kStdS1000.result.slope)}},
        ShownCase{"transmitter_mid", "transmitter --value 50 --as-shown", {"50", Show(10, 7, 12)}},
        ShownCase{"sprt_100", "sprt --rtp 25.5 --a7 -1e-4 --b7 1e-5 --a4 -1e-4 --b4 1e-5 --temp 100 --as-shown",
                  {"100", Show(10, 7, kSprt100.r), Show(7, 7, kSprt100.w), Show(7, 7, kSprt100.dw_dt),
                   Show(7, 7, kSprt100.dr_dt)}},
        // Columns by quantity name: absolute, dewpoint, e, enthalpy, es, mixing, ppmv-dry, ppmv-wet, rh, wetbulb.
        ShownCase{"humidity_rh50", "humidity rh 50 --t 20 --pressure 1013.25 --as-shown",
                  [] {
                      const auto q = HumidityQuantities(kHumidityRelative, 50, 20, 1013.25);
                      std::vector<std::string> texts{"50"};
                      for (const int k : {9, 3, 6, 11, 5, 10, 7, 8, 2, 4}) texts.push_back(Show(6, 7, q[static_cast<std::size_t>(k)]));
                      return texts;
                  }()},
        // 1 atm is exactly 101.325 kPa; the page's own Torr factor gives 759.99982, not the defined 760.
        ShownCase{"units_pressure_atm", "units pressure --unit atm 1 --digits 9",
                  {"1", "101325", "101.325", "0.101325", "14.6959494", "1.01325", "1013.25", "759.99982", "29.9212598",
                   "760", "406.782462", "10332.2745", "1.03322745", "2116.21672", "1"}}),
    [](const auto& param) { return std::string(param.param.name); });

// Full precision: every number reads back as the very double the core computed; published values
// (NIST ITS-90 thermocouple tables: type K at 1000 °C is 41.276 mV; IEC 60751: Pt100 at 100 °C is
// 138.5055 Ω) hold to their last printed digit.
TEST_F(CliRun, WritesShortestRoundTripNumbers)
{
    RunResult result = Run("tc K --temp 1000");
    ASSERT_EQ(result.exitCode, 0);
    std::vector<std::string> row = FirstRow(result.out);
    ASSERT_EQ(row.size(), 3U);
    EXPECT_EQ(std::strtod(row[1].c_str(), nullptr), WorkEmfMillivolts(ThermocoupleType::K, 1000, 0));
    EXPECT_NEAR(std::strtod(row[1].c_str(), nullptr), 41.276, 0.0005);

    result = Run("rtd pt100 --temp 100 --digits 7");
    row = FirstRow(result.out);
    ASSERT_EQ(row.size(), 3U);
    EXPECT_EQ(row[1], "138.5055");
}

// A text that does not begin with a number is an error, never 0; "1e3", hexadecimal and "inf" read as
// in the fields.
TEST_F(CliRun, ReadsNumbersAsTheFieldsDo)
{
    EXPECT_EQ(FirstRow(Run("temperature 1e1").out)[1], "10");
    EXPECT_EQ(FirstRow(Run("temperature 0x10").out)[1], "16");
    for (const char* bad : {"abc", "''", "x5", "--"}) {
        const RunResult result = Run(std::string("tc K --temp ") + bad);
        EXPECT_NE(result.exitCode, 0) << bad;
        EXPECT_TRUE(result.out.empty()) << bad;
        EXPECT_NE(result.err.find("not a number"), std::string::npos) << bad << ": " << result.err;
    }
}

struct ErrorCase {
    const char* name;
    const char* args;
    const char* message;
};

class Errors : public CliRun, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(Errors, ExitNonZeroWithAMessage)
{
    const RunResult result = Run(GetParam().args);
    EXPECT_NE(result.exitCode, 0);
    EXPECT_TRUE(result.out.empty()) << result.out;
    EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
    EXPECT_TRUE(WorkFolderEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Errors,
    ::testing::Values(ErrorCase{"unknown_type", "tc Q --temp 1", "unknown thermocouple type 'Q'"},
                      ErrorCase{"unknown_rtd", "rtd pt1000 --temp 1", "unknown resistance thermometer"},
                      // One step beyond type K's 1372 °C.
                      ErrorCase{"k_above_range", "tc K --temp 1372.001", "out of range"},
                      ErrorCase{"pt100_below_range", "rtd pt100 --temp -200.01", "out of range"},
                      ErrorCase{"k_nan", "tc K --temp nan", "out of range"},
                      ErrorCase{"k_huge_emf", "tc K --emf 1e300", "out of range"},
                      ErrorCase{"ptx_without_r0", "rtd ptx --temp 1", "needs --r0"},
                      ErrorCase{"no_value", "tc K", "no value"},
                      ErrorCase{"no_command", "", "subcommand"},
                      ErrorCase{"table_zero_step", "table tc K --from 0 --to 1 --step 0", "--step"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(CliRun, HelpForEveryCommand)
{
    for (const char* command : {"", "tc", "rtd", "temperature", "sprt", "stdtc", "ntc", "humidity", "transmitter",
                                "units", "table", "table tc", "table rtd", "table ntc"}) {
        const RunResult result = Run(std::string(command) + " --help");
        EXPECT_EQ(result.exitCode, 0) << command;
        EXPECT_NE(result.out.find("Usage"), std::string::npos) << command;
    }
}

// Batch: one output row per input line, in order; a bad line is marked in place and makes the exit
// code 1 without stopping the rest.
TEST_F(CliRun, BatchConvertsEachLine)
{
    const RunResult result = Run("rtd pt100 --res - --column 2 --skip 1 --digits 6",
                                 "time,ohm\n0,138.5055\r\n1,junk\n2,100\n3,1e9\n");
    EXPECT_EQ(result.exitCode, 1);
    std::istringstream lines(result.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) rows.push_back(line);
    ASSERT_EQ(rows.size(), 5U);
    EXPECT_EQ(rows[1].substr(0, 12), "138.506,100,");
    EXPECT_EQ(rows[2], "junk,not a number,not a number");
    EXPECT_EQ(rows[3].substr(0, 6), "100,0,");
    EXPECT_NE(rows[4].find("out of range"), std::string::npos);
    EXPECT_NE(result.err.find("2 of 4"), std::string::npos) << result.err;
}

// JSON parses and holds numbers (null where out of range); the table lands exactly on --to.
TEST_F(CliRun, TableAsJson)
{
    const RunResult result = Run("table tc K --from 1370 --to 1373 --step 0.5 --format json");
    EXPECT_EQ(result.exitCode, 1);  // 1372.5 and 1373 are beyond type K
    const nlohmann::json rows = nlohmann::json::parse(result.out);
    ASSERT_EQ(rows.size(), 7U);
    EXPECT_EQ(rows[0]["t_C"], 1370.0);
    EXPECT_EQ(rows[6]["t_C"], 1373.0);
    EXPECT_TRUE(rows[4]["emf_mV"].is_number());
    EXPECT_TRUE(rows[5]["emf_mV"].is_null());
    EXPECT_EQ(rows[5]["error"], "out of range");
}

TEST_F(CliRun, TableInverseAsAlignedText)
{
    const RunResult result = Run("table rtd cu50 --res --from 50 --to 60 --step 5 --format text");
    EXPECT_EQ(result.exitCode, 0);
    std::istringstream lines(result.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) rows.push_back(line);
    ASSERT_EQ(rows.size(), 4U);
    for (const std::string& row : rows) EXPECT_EQ(row.size(), rows[0].size()) << row;
}

// The standards file is only read: byte for byte the same afterwards, no lock or temporary file beside
// it, and none created where there is none.
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
        for (const char* product : {"T-1", "T-2", "T-2"}) {
            StandardRecord record(StandardKind::Thermistor);
            ASSERT_EQ(store.AddStandard(StandardKind::Thermistor, record), StoreStatus::Ok);
            const std::size_t last = store.Count(StandardKind::Thermistor) - 1;
            for (const auto& [key, value] : {std::pair{"ProductNo", product}, {"Method", "1"}, {"R25", "10000"},
                                             {"Beta", "3950"}}) {
                ASSERT_EQ(store.SetStandardValue(StandardKind::Thermistor, last, key, value), StoreStatus::Ok);
            }
        }
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

TEST_F(CliStandards, ReadsByProductNumberAndWritesNothing)
{
    RunResult result = Run("ntc --standards '" + m_file.parent_path().string() + "' --product T-1 --res 10000");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(FirstRow(result.out), (std::vector<std::string>{"10000", "25"}));
    EXPECT_TRUE(Untouched());

    result = Run("ntc --standards '" + m_file.string() + "' --product T-2 --res 1");
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.err.find("2 standards"), std::string::npos) << result.err;
    result = Run("ntc --standards '" + m_file.string() + "' --product T-3 --res 1");
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.err.find("no standards"), std::string::npos) << result.err;
    EXPECT_TRUE(Untouched());

    // The default is the current directory, which has no file: an error, and still no file.
    result = Run("ntc --product T-1 --res 1");
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.err.find("no standards file"), std::string::npos) << result.err;
    EXPECT_TRUE(WorkFolderEmpty());
}

// The read-only store itself: no file from the templates, no lock file, and every change refused.
TEST_F(CliStandards, ReadOnlyStoreRefusesChanges)
{
    StandardsStoreOptions options;
    options.folder = m_dir / "work";
    options.readOnly = true;
    const StandardsStore empty(options);
    EXPECT_EQ(empty.Count(StandardKind::Thermistor), 0U);
    EXPECT_TRUE(WorkFolderEmpty());

    options.folder = m_file.parent_path();
    StandardsStore store(options);
    EXPECT_EQ(store.Count(StandardKind::Thermistor), 3U);
    StandardRecord record(StandardKind::Thermistor);
    EXPECT_EQ(store.AddStandard(StandardKind::Thermistor, record), StoreStatus::ReadOnly);
    EXPECT_EQ(store.SetStandardValue(StandardKind::Thermistor, 0, "R25", "1"), StoreStatus::ReadOnly);
    EXPECT_EQ(store.DeleteStandard(StandardKind::Thermistor, 0), StoreStatus::ReadOnly);
    EXPECT_TRUE(Untouched());
}

}  // namespace
}  // namespace tmcalc
