#include "standards/standards_store.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <tuple>
#include <utility>

#include "resources/string_ids.h"
#include "standards/manager_columns.h"
#include "standards/standards_template.h"
#include "standards_test_support.h"

namespace tmcalc {
namespace {

namespace fs = std::filesystem;
using test::FileText;
using test::ReadBytes;
using test::Utf16Bytes;
using test::WriteBytes;
using Kind = StandardKind;
using Status = StoreStatus;

// The first-start text as the file format defines it, typed out independently of the program's copy:
// "|" ends a line, "_" stands for the twelve blanks that trail some lines.
std::string ExpectedTemplateText()
{
    std::string text =
        "[CoupleTemplate]|ProductNo = 20230107001|TypeNo = StdCouple001|CertNo = QX10000001|Graduation = S_|"
        "ClassNo = 1|CalMethod = Fixed point|Zn = 3.4472|Al = 5.8605|Cu = 10.5822|TempRange = 0|c0 = 0|c1 = 0|"
        "c2 = 0|c3 = 0_|c4 = 0|c5 = 0|c6 = 0|c7 = 0|c8 = 0|_|"
        "[ResistorTemplate]|ProductNo = 20230107002|TypeNo = StdResistance001|CertNo = QX10000002|ClassNo = 1_|"
        "TempRange = -189.344~419.527|rtp = 25.12462|a4 = 0|b4 = 0|a5 = 0|b5 = 0|a7 = 0|b7 = 0|c7 = 0|a8 = 0|"
        "b8 = 0|a9 = 0_|b9 = 0|a10 = 0|a11 = 0|_|"
        "[NTCTemplate]|ProductNo = 20230107003|TypeNo = NTC001|CertNo = QX10000003|Method = 1|R25 = 10000|"
        "Beta = 3380.13_|A = 0.8744102777E-3|B = 2.537694912E-4|C = 1.821320203E-7|";
    std::string expanded;
    for (const char c : text) expanded += c == '|' ? "\n" : c == '_' ? std::string(12, ' ') : std::string(1, c);
    return expanded;
}

class StoreTest : public testing::Test {
protected:
    StandardsStore MakeStore(FileWriteHooks hooks = {}, std::size_t maxBytes = kStandardsFileMaxBytes)
    {
        return StandardsStore(StandardsStoreOptions{m_folder.Path(), m_clock.Bind(), std::move(hooks), maxBytes});
    }
    void WriteFileText(std::string_view utf8) { WriteBytes(m_folder.File(), Utf16Bytes(utf8)); }
    // Adds a standard of the kind from its template and returns it as added.
    static StandardRecord Added(StandardsStore& store, Kind kind)
    {
        StandardRecord record(kind);
        EXPECT_EQ(store.AddStandard(kind, record), Status::Ok);
        return record;
    }

    test::TempFolder m_folder;
    test::ScriptedClock m_clock{{1234567890}};
};

TEST_F(StoreTest, FirstStartWritesTheTemplateImageByteForByte)
{
    const StandardsStore store = MakeStore();
    EXPECT_EQ(store.StartStatus(), Status::Ok);
    const std::string text = ExpectedTemplateText();
    ASSERT_EQ(text.size(), 742U);
    std::string expected = Utf16Bytes(text);
    expected.resize(2048, '\0');  // a zero terminator, then zeros up to 2048 bytes
    EXPECT_EQ(ReadBytes(store.Path()), expected);
    for (const Kind kind : kAllStandardKinds) EXPECT_TRUE(store.CanAdd(kind) && store.Count(kind) == 0U);
}

TEST_F(StoreTest, ExistingFileIsListedByCaseSensitivePrefixAndNeverRewritten)
{
    WriteFileText(
        "[couplestd5]\n[resistorstd1]\n[CoupleStd9]\n[couplestd-hand-made]\n[NTCThermistors7]\n"
        "[ntcthermistors8]\n[Other]\n[COUPLESTD5]\n[resistorstd]\n");
    const std::string before = ReadBytes(m_folder.File());
    StandardsStore store = MakeStore();
    StandardRecord record;
    EXPECT_EQ(store.AddStandard(Kind::Thermocouple, record), Status::NoCoupleTemplate);
    EXPECT_EQ(store.AddStandard(Kind::Resistor, record), Status::NoResistorTemplate);
    EXPECT_EQ(ReadBytes(m_folder.File()), before);
    EXPECT_EQ(store.Names(Kind::Thermocouple), (std::vector<std::string>{"couplestd5", "couplestd-hand-made"}));
    EXPECT_EQ(store.Names(Kind::Resistor), (std::vector<std::string>{"resistorstd1", "resistorstd"}));
    EXPECT_EQ(store.Names(Kind::Thermistor), (std::vector<std::string>{"NTCThermistors7"}));
    EXPECT_EQ(store.GetStandardName(Kind::Thermocouple, 1), "couplestd-hand-made");
    EXPECT_EQ(store.GetStandardName(Kind::Thermocouple, 2), "");
}

// Template sections are found by case-sensitive prefix; a resistor template alone adds a blank thermistor.
TEST_F(StoreTest, TemplateSectionsAllowTheirKinds)
{
    const std::tuple<const char*, bool, bool> rows[] = {
        {"[CoupleTemplate]\n", true, false},      {"[ResistorTemplate]\n", false, true},
        {"[NTCTemplate]\n", false, true},         {"[CoupleTemplateOld]\n", true, false},
        {"[coupletemplate]\n[ntctemplate]\n", false, false}};
    for (const auto& [sections, couple, resistorAndThermistor] : rows) {
        SCOPED_TRACE(sections);
        WriteFileText(sections);
        const StandardsStore store = MakeStore();
        EXPECT_EQ(store.CanAdd(Kind::Thermocouple), couple);
        EXPECT_EQ(store.CanAdd(Kind::Resistor), resistorAndThermistor);
        EXPECT_EQ(store.CanAdd(Kind::Thermistor), resistorAndThermistor);
    }
    WriteFileText("[ResistorTemplate]\nrtp = 25.5\n");
    StandardsStore store = MakeStore();
    const StandardRecord record = Added(store, Kind::Thermistor);
    EXPECT_EQ(record.Value("ProductNo").size(), 22U);
    for (const std::string_view key : StandardKeys(Kind::Thermistor))
        EXPECT_TRUE(key == "ProductNo" || record.Value(key).empty()) << key;
    EXPECT_EQ(store.Count(Kind::Thermistor), 1U);
}

TEST_F(StoreTest, AddCopiesTheTemplateUnderAFreshNameAndProductNumber)
{
    // Section: the tick count's first 8 digits; product number: date and time, then the next tick's digits.
    m_clock.ticks = {1234567890, 1234567901};
    StandardsStore store = MakeStore();
    const StandardRecord record = Added(store, Kind::Thermocouple);
    EXPECT_EQ(store.Names(Kind::Thermocouple), (std::vector<std::string>{"couplestd12345678"}));
    EXPECT_EQ(record.Value("ProductNo"), "2024030914050712345679");
    EXPECT_EQ(record.ColumnValues(),
              (std::vector<std::string>{"2024030914050712345679", "StdCouple001", "S", "3.4472", "5.8605",
                                        "10.5822", "1", "QX10000001", "Fixed point", "", ""}));
    EXPECT_NE(FileText(store.Path())
                  .find("[couplestd12345678]\nProductNo = 2024030914050712345679\n"
                        "TypeNo = StdCouple001\nCertNo = QX10000001\nGraduation = S\nClassNo = 1\n"
                        "CalMethod = Fixed point\nZn = 3.4472\nAl = 5.8605\nCu = 10.5822\n"
                        "TempRange = 0\nc0 = 0\nc1 = 0\nc2 = 0\nc3 = 0\nc4 = 0\nc5 = 0\nc6 = 0\n"
                        "c7 = 0\nc8 = 0\n"),
              std::string::npos);
    EXPECT_EQ(store.LoadStandardAt(Kind::Thermocouple, 0), record);
    EXPECT_EQ(Added(store, Kind::Resistor).Value("Rtp"), "25.12462");  // the template writes "rtp"
    EXPECT_EQ(Added(store, Kind::Thermistor).Value("D"), "");          // the template has no D
}

// The section takes at most 8 digits of the tick count's low 32 bits, the product number all of them.
TEST_F(StoreTest, NameAndProductNumberDigitsOfTheTicks)
{
    const std::tuple<std::uint64_t, const char*, const char*> rows[] = {
        {4321, "couplestd4321", "202403091405074321"},
        {10000000, "couplestd10000000", "2024030914050710000000"},
        {(std::uint64_t{1} << 32) + 5, "couplestd5", "202403091405075"},
        {0xFFFFFFFFu, "couplestd42949672", "2024030914050742949672"}};
    for (const auto& [ticks, section, productNo] : rows) {
        SCOPED_TRACE(ticks);
        m_clock = test::ScriptedClock{{ticks}};
        fs::remove(m_folder.File());
        StandardsStore store = MakeStore();
        const StandardRecord record = Added(store, Kind::Thermocouple);
        EXPECT_EQ(store.GetStandardName(Kind::Thermocouple, 0), section);
        EXPECT_EQ(record.Value("ProductNo"), productNo);
    }
}

// Regression: with the same first 8 tick digits the second Add once replaced the first standard. Only the
// thermistor prefix tests the case-folding name check; the third Add, by another copy, knows only the file.
TEST_F(StoreTest, AddsWithCollidingTicksKeepEveryStandardOfEveryKind)
{
    for (const Kind kind : kAllStandardKinds) {
        m_clock = test::ScriptedClock{{1234567890, 1234567891, 1234567899}};
        StandardsStore store = MakeStore();
        StandardsStore other = MakeStore();
        Added(store, kind);
        const std::string key(StandardKeys(kind)[2]);
        ASSERT_EQ(store.SetStandardValue(kind, 0, key, "first"), Status::Ok);
        Added(store, kind);
        Added(other, kind);
        const std::string prefix(StandardSectionPrefix(kind));
        ASSERT_TRUE(store.RefreshIfChanged(kind));
        ASSERT_EQ(store.Names(kind),
                  (std::vector<std::string>{prefix + "12345678", prefix + "12345679", prefix + "12345680"}));
        EXPECT_EQ(store.LoadStandardAt(kind, 0)->Value(key), "first");
        EXPECT_NE(store.LoadStandardAt(kind, 1)->Value(key), "first");
    }
}

// name, kind, values (key in any case, value), a part of the file after the save, written by key (not whole)
using SaveRow = std::tuple<const char*, Kind, std::vector<std::pair<std::string, std::string>>, std::string, bool>;

class StoreSaves : public StoreTest, public testing::WithParamInterface<SaveRow> {};

TEST_P(StoreSaves, ReadBackWholeByKeyAndInTheList)
{
    const auto& [rowName, kind, values, written, oneByKey] = GetParam();
    StandardsStore store = MakeStore();
    StandardRecord record = Added(store, kind);
    const std::string name = store.GetStandardName(kind, 0);
    for (const auto& [key, value] : values) {
        ASSERT_TRUE(record.SetValue(key, value)) << key;
        ASSERT_EQ(oneByKey ? store.SetStandardValue(kind, 0, key, value) : Status::Ok, Status::Ok) << key;
    }
    ASSERT_EQ(oneByKey ? Status::Ok : store.SaveStandard(kind, name, record), Status::Ok);
    StandardRecord loaded;
    ASSERT_EQ(store.LoadStandard(kind, name, loaded), Status::Ok);
    EXPECT_EQ(loaded, record);
    for (const auto& [key, value] : values) EXPECT_EQ(loaded.Value(key), value) << key;
    EXPECT_NE(FileText(store.Path()).find(written), std::string::npos);
    // Each column of the list shows its own key.
    const auto listed = store.LoadListRows(kind).at(0);
    for (std::size_t c = 0; c < listed.size(); ++c) {
        EXPECT_EQ(listed[c], loaded.Value(StandardListColumnKey(kind, static_cast<int>(c)))) << c;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Records, StoreSaves,
    testing::Values(
        // The record holds a11 before a10; the file and the list do not.
        SaveRow{"ResistorA10AndA11ByKey", Kind::Resistor, {{"a10", "-1.5e-5"}, {"A11", "2.25e-6"}},
                "b9 = 0\na10 = -1.5e-5\na11 = 2.25e-6\n", false},
        SaveRow{"ThermistorBodyWritesDWithoutSpace", Kind::Thermistor, {{"D", "1.5E-9"}},
                "[NTCThermistors12345678]\nProductNo = 2024030914050712345678\nTypeNo = NTC001\n"
                "CertNo = QX10000003\nMethod = 1\nR25 = 10000\nBeta = 3380.13\n"
                "A = 0.8744102777E-3\nB = 2.537694912E-4\nC = 1.821320203E-7\nD =1.5E-9\n", false},
        // Regression: c1 to c8 were once written as fixed zeros, so a saved c5 of 7 read back as 0.
        SaveRow{"ThermocoupleCoefficientsFromTheRecord", Kind::Thermocouple, {{"c5", "7"}, {"c8", "-2.5e-3"}},
                "c4 = 0\nc5 = 7\nc6 = 0\nc7 = 0\nc8 = -2.5e-3\n", false},
        // Regression: a 32-character coefficient was once cut to 31 and read back as "...e-0", 1e5 too large.
        SaveRow{"LongValuesStayWhole", Kind::Resistor,
                {{"A8", "1.23456789012345678901234567e-05"}, {"CertNo", std::string(300, 'x')}},
                "a8 = 1.23456789012345678901234567e-05\n", true},
        // The certificate's expanded uncertainty and k follow the last key of the kind, in any case.
        SaveRow{"CertificateUncertaintyWhole", Kind::Resistor, {{"CertU", "0.00012"}, {"certk", "2"}},
                "a11 = 0\nCertU = 0.00012\nCertK = 2\n", false},
        SaveRow{"CertificateUncertaintyByKey", Kind::Thermistor, {{"CERTU", "3"}, {"CertK", "2.1"}},
                "CertU = 3\nCertK = 2.1\n", true}), test::kRowName);

// A standard from before the certificate keys saves the bytes it always did: no empty CertU or CertK.
TEST_F(StoreTest, StandardWithoutCertificateKeysSavesAsBefore)
{
    StandardsStore store = MakeStore();
    for (const Kind kind : kAllStandardKinds) {
        const StandardRecord record = Added(store, kind);
        ASSERT_EQ(store.SaveStandard(kind, store.GetStandardName(kind, 0), record), Status::Ok);
    }
    EXPECT_EQ(FileText(store.Path()).find("Cert"), FileText(store.Path()).find("CertNo"));
    EXPECT_EQ(FileText(store.Path()).find("CertU"), std::string::npos);
}

TEST_F(StoreTest, DeleteRemovesTheSectionAndMovesLaterStandardsUp)
{
    m_clock.ticks = {11, 12, 21, 22, 31, 32};
    StandardsStore store = MakeStore();
    for (int i = 0; i < 3; ++i) Added(store, Kind::Thermocouple);
    ASSERT_EQ(store.DeleteStandard(Kind::Thermocouple, 0), Status::Ok);
    EXPECT_EQ(store.Names(Kind::Thermocouple), (std::vector<std::string>{"couplestd21", "couplestd31"}));
    EXPECT_EQ(FileText(store.Path()).find("[couplestd11]"), std::string::npos);
    EXPECT_EQ(store.LoadStandardAt(Kind::Thermocouple, 0)->Value("ProductNo"), "2024030914050722");
    EXPECT_EQ(store.DeleteStandard(Kind::Thermocouple, 2), Status::BadIndex);
    // A second store over the same file sees exactly what this one has.
    const StandardsStore reopened = MakeStore();
    EXPECT_EQ(reopened.Names(Kind::Thermocouple), store.Names(Kind::Thermocouple));
    EXPECT_EQ(reopened.LoadAllStandards(Kind::Thermocouple), store.LoadAllStandards(Kind::Thermocouple));
}

TEST_F(StoreTest, SetsOneValueByKeyInAnyCaseAndRejectsWhatTheFileCannotHold)
{
    StandardsStore store = MakeStore();
    Added(store, Kind::Thermocouple);
    EXPECT_EQ(store.SetStandardValue(Kind::Thermocouple, 0, "zn", "  3.4480 "), Status::Ok);
    EXPECT_NE(FileText(store.Path()).find("\nZn = 3.4480\n"), std::string::npos);
    const std::string before = ReadBytes(store.Path());
    const StandardRecord couple(Kind::Thermocouple);
    StandardRecord broken(Kind::Thermocouple);
    broken.SetValue("Zn", "1\n[couplestd9]");
    EXPECT_EQ(store.SetStandardValue(Kind::Thermocouple, 0, "Rtp", "1"), Status::UnknownKey);
    EXPECT_EQ(store.SetStandardValue(Kind::Thermocouple, 0, "Zn", "1\n[x]"), Status::BadValue);
    // Regression: the refused characters, written without their count, stopped at the NUL and let it in.
    EXPECT_EQ(store.SetStandardValue(Kind::Thermocouple, 0, "Zn", std::string("1\0[x]", 5)), Status::BadValue);
    broken.SetValue("Al", std::string("2\0", 2));
    EXPECT_EQ(store.SaveStandard(Kind::Thermocouple, store.GetStandardName(Kind::Thermocouple, 0), broken),
              Status::BadValue);
    EXPECT_EQ(store.SetStandardValue(Kind::Thermocouple, 1, "Zn", "1"), Status::BadIndex);
    EXPECT_EQ(store.SaveStandard(Kind::Thermocouple, "", couple), Status::BadName);
    EXPECT_EQ(store.SaveStandard(Kind::Thermocouple, "couple]std", couple), Status::BadName);
    EXPECT_EQ(store.SaveStandard(Kind::Thermocouple, " couplestd1", couple), Status::BadName);
    EXPECT_EQ(store.SaveStandard(Kind::Resistor, "resistorstd1", couple), Status::KindMismatch);
    EXPECT_EQ(ReadBytes(store.Path()), before);
    StandardRecord record;
    EXPECT_EQ(store.LoadStandard(Kind::Thermocouple, "", record), Status::BadName);
    EXPECT_EQ(store.LoadStandard(Kind::Thermocouple, "couplestd404", record), Status::Ok);
    EXPECT_EQ(record, StandardRecord(Kind::Thermocouple));  // a missing section reads empty
}

// A crash between writing the temporary file and renaming it leaves the old file whole.
TEST_F(StoreTest, InterruptedSaveLeavesTheOldFileIntact)
{
    bool interrupt = false;
    fs::path abandoned;
    StandardsStore store = MakeStore(FileWriteHooks{[&](const fs::path& temp) {
        abandoned = temp;
        return !interrupt;
    }});
    StandardRecord record = Added(store, Kind::Thermocouple);
    const std::string before = ReadBytes(store.Path());
    interrupt = true;
    EXPECT_EQ(store.SetStandardValue(Kind::Thermocouple, 0, "Zn", "9.9"), Status::WriteFailed);
    EXPECT_EQ(store.AddStandard(Kind::Resistor, record), Status::WriteFailed);
    EXPECT_EQ(ReadBytes(store.Path()), before);
    EXPECT_EQ(store.Count(Kind::Resistor), 0U);
    EXPECT_EQ(abandoned.parent_path(), m_folder.Path());  // same folder, so the rename cannot cross disks
    EXPECT_NE(FileText(abandoned).find("[resistorstd"), std::string::npos);  // the new file was complete
    const StandardsStore reopened = MakeStore();
    EXPECT_EQ(reopened.LoadStandardAt(Kind::Thermocouple, 0)->Value("Zn"), "3.4472");
    EXPECT_EQ(reopened.Count(Kind::Resistor), 0U);
    EXPECT_FALSE(fs::exists(abandoned));  // the next start cleans up after the crash
}

TEST_F(StoreTest, ReadOnlyFileRefusesEveryChange)
{
    StandardsStore store = MakeStore();
    StandardRecord record = Added(store, Kind::Thermocouple);
    fs::permissions(store.Path(), fs::perms::owner_read | fs::perms::group_read);
    const std::string before = ReadBytes(store.Path());
    EXPECT_EQ(store.SetStandardValue(Kind::Thermocouple, 0, "Zn", "1"), Status::ReadOnly);
    EXPECT_EQ(store.AddStandard(Kind::Thermocouple, record), Status::ReadOnly);
    EXPECT_EQ(store.DeleteStandard(Kind::Thermocouple, 0), Status::ReadOnly);
    EXPECT_EQ(store.Count(Kind::Thermocouple), 1U);  // the row stays
    EXPECT_EQ(ReadBytes(store.Path()), before);
}

TEST_F(StoreTest, FolderWithoutWritePermission)
{
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    StandardsStore store = MakeStore();
    Added(store, Kind::Thermocouple);
    fs::permissions(m_folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(store.SetStandardValue(Kind::Thermocouple, 0, "Zn", "1"), Status::WriteFailed);
    EXPECT_EQ(store.DeleteStandard(Kind::Thermocouple, 0), Status::WriteFailed);
    EXPECT_EQ(store.Count(Kind::Thermocouple), 1U);
}

TEST_F(StoreTest, SaveKeepsPermissionsAndSymbolicLinks)
{
    const fs::path real = m_folder.Path() / "elsewhere.ini";
    WriteBytes(real, Utf16Bytes("[CoupleTemplate]\nZn = 1\n"));
    fs::create_symlink(real, m_folder.File());
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(real, perms);
    StandardsStore store = MakeStore();
    Added(store, Kind::Thermocouple);
    EXPECT_TRUE(fs::is_symlink(m_folder.File()));
    EXPECT_NE(FileText(real).find("[couplestd"), std::string::npos);
    EXPECT_EQ(fs::status(real).permissions(), perms);
    // A link to nothing is an unreadable file, not an empty one that refuses every Add without saying why.
    fs::remove(real);
    StandardsStore dangling = MakeStore();
    EXPECT_EQ(dangling.StartStatus(), Status::Unreadable);
    StandardRecord record;
    EXPECT_EQ(dangling.AddStandard(Kind::Thermocouple, record), Status::Unreadable);
    EXPECT_EQ(store.AddStandard(Kind::Thermocouple, record), Status::Unreadable);
    EXPECT_FALSE(fs::exists(real));
}

TEST_F(StoreTest, UnwritableFolderStillRuns)
{
    const fs::path plainFile = m_folder.Path() / "not_a_folder";
    WriteBytes(plainFile, "x");
    StandardsStore store(StandardsStoreOptions{plainFile / "sub", m_clock.Bind(), {}});
    EXPECT_EQ(store.StartStatus(), Status::WriteFailed);
    for (const Kind kind : kAllStandardKinds) EXPECT_EQ(store.Count(kind), 0U);
    StandardRecord record;
    EXPECT_EQ(store.AddStandard(Kind::Thermocouple, record), Status::NoCoupleTemplate);
    EXPECT_EQ(store.AddStandard(Kind::Thermistor, record), Status::NoResistorTemplate);
    EXPECT_EQ(store.SaveStandard(Kind::Thermocouple, "couplestd1", record), Status::WriteFailed);
}

TEST_F(StoreTest, FileDeletedWhileRunning)
{
    StandardsStore store = MakeStore();
    Added(store, Kind::Thermocouple);
    fs::remove(store.Path());
    EXPECT_EQ(store.LoadStandardAt(Kind::Thermocouple, 0), StandardRecord(Kind::Thermocouple));
    EXPECT_EQ(store.SetStandardValue(Kind::Thermocouple, 0, "Zn", "2"), Status::NotFound);
    EXPECT_FALSE(fs::exists(store.Path()));
    const StandardRecord added = Added(store, Kind::Thermocouple);  // recreated without templates
    EXPECT_EQ(added.Value("Zn"), "");
    EXPECT_TRUE(store.RefreshIfChanged(Kind::Thermocouple));
    EXPECT_EQ(store.Count(Kind::Thermocouple), 1U);
}

TEST_F(StoreTest, FileLargerThanTheReaderTakesIsNeverRewritten)
{
    // Regression: a file just over a limit of whole 64 KiB pieces once read as whole, and was saved cut.
    for (const std::size_t limit : {std::size_t{1500}, std::size_t{2} << 16}) {
        std::string bytes = StandardsTemplateImage();
        bytes.resize(std::max(bytes.size(), limit + 1), '\0');
        test::WriteBytes(m_folder.File(), bytes);
        const std::string before = ReadBytes(m_folder.File());
        StandardsStore store = MakeStore({}, limit);
        EXPECT_EQ(store.StartStatus(), Status::Unreadable) << limit;
        EXPECT_TRUE(store.CanAdd(Kind::Thermocouple));  // what could be read is read
        StandardRecord record;
        EXPECT_EQ(store.AddStandard(Kind::Thermocouple, record), Status::Unreadable);
        EXPECT_EQ(ReadBytes(m_folder.File()), before);
    }
}

// The list columns of each kind: headings of consecutive string ids and their widths at 1920 pixels,
// then the certificate's U and k.
TEST(ListColumns, HeadingsWidthsKeysAndTruncatedSinglePrecisionScaling)
{
    const std::tuple<Kind, int, std::vector<int>> rows[] = {
        {Kind::Thermocouple, 657, {170, 150, 60, 120, 120, 120, 60, 150, 100, 90, 50}},
        {Kind::Resistor, 666, {150, 100, 120, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 90, 50}},
        {Kind::Thermistor, 721, {150, 100, 120, 60, 80, 80, 120, 120, 120, 120, 90, 50, 0}},
    };
    for (const auto& [kind, firstHeading, widths] : rows) {
        SCOPED_TRACE(firstHeading);
        const auto columns = StandardListColumns(kind);
        ASSERT_EQ(columns.size(), widths.size());
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const int certificate = static_cast<int>(c) - static_cast<int>(columns.size()) +
                                    (kind == Kind::Thermistor ? 3 : 2);
            const int heading = certificate == 0   ? kStrCertificateU
                                : certificate == 1 ? kStrCertificateK
                                : certificate == 2 ? 731
                                                   : firstHeading + static_cast<int>(c);
            EXPECT_EQ(columns[c].headingId, heading) << "column " << c;
            EXPECT_EQ(columns[c].width, widths[c]) << "column " << c;
        }
    }
    // The thermistor list's last column shows and edits nothing, nor does a column beyond the list.
    EXPECT_EQ(StandardListColumnKey(Kind::Thermistor, 9), "D");
    EXPECT_EQ(StandardListColumnKey(Kind::Thermistor, 10), "CertU");
    EXPECT_EQ(StandardListColumnKey(Kind::Thermistor, 11), "CertK");
    EXPECT_EQ(StandardListColumnKey(Kind::Thermistor, 12), "");
    EXPECT_EQ(StandardListColumnKey(Kind::Resistor, 17), "CertU");
    EXPECT_EQ(StandardListColumnKey(Kind::Thermocouple, 10), "CertK");
    EXPECT_EQ(StandardListColumnKey(Kind::Thermocouple, 11), "");
    EXPECT_EQ(StandardListColumnKey(Kind::Thermocouple, -1), "");
    // Scaled widths keep exact products and cut fractional ones, never rounding up (170 x 1366/1920 = 120.95).
    const int scaled[][3] = {{1920, 170, 170}, {1366, 170, 120}, {1366, 60, 42},   {2560, 170, 226},
                             {2560, 150, 200}, {1440, 60, 45},   {3840, 120, 240}, {1920, 0, 0}};
    for (const auto& [screenWidth, width, expected] : scaled) {
        const auto scale = static_cast<float>(screenWidth / 1920.0);
        EXPECT_EQ(ScaledColumnWidth(width, scale), expected) << screenWidth << " " << width;
    }
}

}  // namespace
}  // namespace tmcalc
