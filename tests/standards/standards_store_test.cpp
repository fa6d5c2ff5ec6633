#include "standards/standards_store.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include "standards_test_support.h"

namespace tmcalc {
namespace {

namespace fs = std::filesystem;
using test::FileText;
using test::ReadBytes;
using test::Utf16Bytes;
using test::WriteBytes;

// The first-start text as the file format defines it, typed out independently of the program's copy.
std::string ExpectedTemplateText()
{
    const std::string s12(12, ' ');
    std::string text =
        "[CoupleTemplate]\nProductNo = 20230107001\nTypeNo = StdCouple001\nCertNo = QX10000001\n"
        "Graduation = S" +
        s12 +
        "\nClassNo = 1\nCalMethod = Fixed point\nZn = 3.4472\nAl = 5.8605\n"
        "Cu = 10.5822\nTempRange = 0\nc0 = 0\nc1 = 0\nc2 = 0\nc3 = 0" +
        s12 +
        "\nc4 = 0\nc5 = 0\n"
        "c6 = 0\nc7 = 0\nc8 = 0\n" +
        s12 + "\n";
    text +=
        "[ResistorTemplate]\nProductNo = 20230107002\nTypeNo = StdResistance001\nCertNo = QX10000002\n"
        "ClassNo = 1" +
        s12 +
        "\nTempRange = -189.344~419.527\nrtp = 25.12462\na4 = 0\nb4 = 0\na5 = 0\n"
        "b5 = 0\na7 = 0\nb7 = 0\nc7 = 0\na8 = 0\nb8 = 0\na9 = 0" +
        s12 + "\nb9 = 0\na10 = 0\na11 = 0\n" + s12 + "\n";
    text +=
        "[NTCTemplate]\nProductNo = 20230107003\nTypeNo = NTC001\nCertNo = QX10000003\nMethod = 1\n"
        "R25 = 10000\nBeta = 3380.13" +
        s12 + "\nA = 0.8744102777E-3\nB = 2.537694912E-4\nC = 1.821320203E-7\n";
    return text;
}

class StoreTest : public testing::Test {
protected:
    StandardsStore MakeStore(FileWriteHooks hooks = {}, std::size_t maxBytes = kStandardsFileMaxBytes)
    {
        return StandardsStore(StandardsStoreOptions{m_folder.Path(), m_clock.Bind(), std::move(hooks), maxBytes});
    }
    void WriteFileText(std::string_view utf8) { WriteBytes(m_folder.File(), Utf16Bytes(utf8)); }

    test::TempFolder m_folder;
    test::ScriptedClock m_clock{{1234567890}};
};

TEST_F(StoreTest, FirstStartWritesTheTemplateImageByteForByte)
{
    const StandardsStore store = MakeStore();
    EXPECT_EQ(store.StartStatus(), StoreStatus::Ok);
    const std::string text = ExpectedTemplateText();
    ASSERT_EQ(text.size(), 742U);
    std::string expected = Utf16Bytes(text);
    expected.resize(2048, '\0');  // a zero terminator, then zeros up to 2048 bytes
    EXPECT_EQ(ReadBytes(store.Path()), expected);
    EXPECT_TRUE(store.CanAdd(StandardKind::Thermocouple));
    EXPECT_TRUE(store.CanAdd(StandardKind::Thermistor));
    for (const StandardKind kind : kAllStandardKinds) EXPECT_EQ(store.Count(kind), 0U);
}

TEST_F(StoreTest, ExistingFileIsNeverRewritten)
{
    WriteFileText("[couplestd1]\nZn = 1\n");
    const std::string before = ReadBytes(m_folder.File());
    StandardsStore store = MakeStore();
    EXPECT_EQ(ReadBytes(m_folder.File()), before);
    EXPECT_EQ(store.Count(StandardKind::Thermocouple), 1U);
    StandardRecord record;
    EXPECT_EQ(store.AddStandard(StandardKind::Thermocouple, record), StoreStatus::NoCoupleTemplate);
    EXPECT_EQ(store.AddStandard(StandardKind::Resistor, record), StoreStatus::NoResistorTemplate);
    EXPECT_EQ(ReadBytes(m_folder.File()), before);
}

TEST_F(StoreTest, ListsByCaseSensitivePrefixInFileOrder)
{
    WriteFileText(
        "[couplestd5]\n[resistorstd1]\n[CoupleStd9]\n[couplestd-hand-made]\n[NTCThermistors7]\n"
        "[ntcthermistors8]\n[Other]\n[COUPLESTD5]\n[resistorstd]\n");
    const StandardsStore store = MakeStore();
    EXPECT_EQ(store.Names(StandardKind::Thermocouple),
              (std::vector<std::string>{"couplestd5", "couplestd-hand-made"}));
    EXPECT_EQ(store.Names(StandardKind::Resistor), (std::vector<std::string>{"resistorstd1", "resistorstd"}));
    EXPECT_EQ(store.Names(StandardKind::Thermistor), (std::vector<std::string>{"NTCThermistors7"}));
    EXPECT_EQ(store.GetStandardName(StandardKind::Thermocouple, 1), "couplestd-hand-made");
    EXPECT_EQ(store.GetStandardName(StandardKind::Thermocouple, 2), "");
}

struct MarkRow {
    const char* name;
    const char* sections;
    bool couple;
    bool resistorAndThermistor;
};

class StoreMarks : public StoreTest, public testing::WithParamInterface<MarkRow> {};

TEST_P(StoreMarks, FollowTemplateSections)
{
    WriteFileText(GetParam().sections);
    const StandardsStore store = MakeStore();
    EXPECT_EQ(store.CanAdd(StandardKind::Thermocouple), GetParam().couple);
    EXPECT_EQ(store.CanAdd(StandardKind::Resistor), GetParam().resistorAndThermistor);
    EXPECT_EQ(store.CanAdd(StandardKind::Thermistor), GetParam().resistorAndThermistor);
}

INSTANTIATE_TEST_SUITE_P(Sections, StoreMarks,
                         testing::Values(MarkRow{"CoupleOnly", "[CoupleTemplate]\n", true, false},
                                         MarkRow{"ResistorOnly", "[ResistorTemplate]\n", false, true},
                                         MarkRow{"NtcOnly", "[NTCTemplate]\n", false, true},
                                         MarkRow{"PrefixSuffices", "[CoupleTemplateOld]\n", true, false},
                                         MarkRow{"CaseMatters", "[coupletemplate]\n[ntctemplate]\n", false, false},
                                         MarkRow{"None", "[Other]\n", false, false}),
                         [](const testing::TestParamInfo<MarkRow>& row) { return std::string(row.param.name); });

TEST_F(StoreTest, AddThermocoupleFromTheTemplate)
{
    m_clock.ticks = {1234567890, 1234567901};  // at least 10000000 ms after start: 8 digits each
    StandardsStore store = MakeStore();
    StandardRecord record;
    ASSERT_EQ(store.AddStandard(StandardKind::Thermocouple, record), StoreStatus::Ok);
    EXPECT_EQ(store.Names(StandardKind::Thermocouple), (std::vector<std::string>{"couplestd12345678"}));
    EXPECT_EQ(record.Value("ProductNo"), "2024030914050712345679");
    EXPECT_EQ(record.ColumnValues(),
              (std::vector<std::string>{"2024030914050712345679", "StdCouple001", "S", "3.4472", "5.8605",
                                        "10.5822", "1", "QX10000001", "Fixed point"}));
    EXPECT_NE(FileText(store.Path())
                  .find("[couplestd12345678]\nProductNo = 2024030914050712345679\n"
                        "TypeNo = StdCouple001\nCertNo = QX10000001\nGraduation = S\nClassNo = 1\n"
                        "CalMethod = Fixed point\nZn = 3.4472\nAl = 5.8605\nCu = 10.5822\n"
                        "TempRange = 0\nc0 = 0\nc1 = 0\nc2 = 0\nc3 = 0\nc4 = 0\nc5 = 0\nc6 = 0\n"
                        "c7 = 0\nc8 = 0\n"),
              std::string::npos);
    EXPECT_EQ(store.LoadStandardAt(StandardKind::Thermocouple, 0), record);
}

struct TickRow {
    const char* name;
    std::uint64_t ticks;
    const char* section;
    const char* productNo;
};

class StoreTicks : public StoreTest, public testing::WithParamInterface<TickRow> {};

TEST_P(StoreTicks, NameAndProductNumberDigits)
{
    m_clock.ticks = {GetParam().ticks};
    StandardsStore store = MakeStore();
    StandardRecord record;
    ASSERT_EQ(store.AddStandard(StandardKind::Thermocouple, record), StoreStatus::Ok);
    EXPECT_EQ(store.GetStandardName(StandardKind::Thermocouple, 0), GetParam().section);
    EXPECT_EQ(record.Value("ProductNo"), GetParam().productNo);
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, StoreTicks,
    testing::Values(TickRow{"ShortlyAfterStart", 4321, "couplestd4321", "202403091405074321"},
                    TickRow{"EightDigitsExactly", 10000000, "couplestd10000000", "2024030914050710000000"},
                    TickRow{"OnlyLow32BitsCount", (std::uint64_t{1} << 32) + 5, "couplestd5", "202403091405075"},
                    TickRow{"LongestLow32Bits", 0xFFFFFFFFu, "couplestd42949672", "2024030914050742949672"}),
    [](const testing::TestParamInfo<TickRow>& row) { return std::string(row.param.name); });

// Regression: with the same first 8 tick digits the second Add once got the first one's section
// name and replaced that standard.
TEST_F(StoreTest, TwoAddsWithCollidingTicksKeepBothStandards)
{
    m_clock.ticks = {1234567890, 1234567891, 1234567899, 1234567899};
    StandardsStore store = MakeStore();
    StandardRecord first;
    StandardRecord second;
    ASSERT_EQ(store.AddStandard(StandardKind::Thermocouple, first), StoreStatus::Ok);
    ASSERT_EQ(store.SetStandardValue(StandardKind::Thermocouple, 0, "Zn", "3.5"), StoreStatus::Ok);
    ASSERT_EQ(store.AddStandard(StandardKind::Thermocouple, second), StoreStatus::Ok);
    EXPECT_EQ(store.Names(StandardKind::Thermocouple),
              (std::vector<std::string>{"couplestd12345678", "couplestd12345679"}));
    EXPECT_EQ(store.LoadStandardAt(StandardKind::Thermocouple, 0)->Value("Zn"), "3.5");
    EXPECT_EQ(store.LoadStandardAt(StandardKind::Thermocouple, 1)->Value("Zn"), "3.4472");
}

TEST_F(StoreTest, ResistorRoundTripAddressesA10AndA11ByKey)
{
    StandardsStore store = MakeStore();
    StandardRecord record;
    ASSERT_EQ(store.AddStandard(StandardKind::Resistor, record), StoreStatus::Ok);
    EXPECT_EQ(record.Value("Rtp"), "25.12462");  // the template writes "rtp"
    ASSERT_TRUE(record.SetValue("a10", "-1.5e-5"));
    ASSERT_TRUE(record.SetValue("A11", "2.25e-6"));
    EXPECT_EQ(record.Fields()[17], "2.25e-6");  // the record holds a11 before a10
    const std::string name = store.GetStandardName(StandardKind::Resistor, 0);
    ASSERT_EQ(store.SaveStandard(StandardKind::Resistor, name, record), StoreStatus::Ok);

    StandardRecord loaded;
    ASSERT_EQ(store.LoadStandard(StandardKind::Resistor, name, loaded), StoreStatus::Ok);
    EXPECT_EQ(loaded, record);
    EXPECT_EQ(loaded.Value("a10"), "-1.5e-5");
    EXPECT_EQ(loaded.Value("a11"), "2.25e-6");
    EXPECT_NE(FileText(store.Path()).find("b9 = 0\na10 = -1.5e-5\na11 = 2.25e-6\n"), std::string::npos);
    EXPECT_EQ(store.LoadListRows(StandardKind::Resistor)[0].back(), "2.25e-6");  // column a11 is last
}

TEST_F(StoreTest, ThermistorBodyWritesDWithoutSpace)
{
    StandardsStore store = MakeStore();
    StandardRecord record;
    ASSERT_EQ(store.AddStandard(StandardKind::Thermistor, record), StoreStatus::Ok);
    EXPECT_EQ(record.Value("D"), "");  // the template has no D
    record.SetValue("D", "1.5E-9");
    const std::string name = store.GetStandardName(StandardKind::Thermistor, 0);
    ASSERT_EQ(store.SaveStandard(StandardKind::Thermistor, name, record), StoreStatus::Ok);
    EXPECT_NE(FileText(store.Path())
                  .find("[" + name + "]\nProductNo = " + record.Value("ProductNo") +
                        "\nTypeNo = NTC001\nCertNo = QX10000003\nMethod = 1\nR25 = 10000\n"
                        "Beta = 3380.13\nA = 0.8744102777E-3\nB = 2.537694912E-4\n"
                        "C = 1.821320203E-7\nD =1.5E-9\n"),
              std::string::npos);
    EXPECT_EQ(store.LoadStandardAt(StandardKind::Thermistor, 0), record);
}

// Regression: c1 to c8 were once written as fixed zeros, so a saved c5 of 7 read back as 0.
TEST_F(StoreTest, ThermocoupleCoefficientsAreSavedFromTheRecord)
{
    StandardsStore store = MakeStore();
    StandardRecord record;
    ASSERT_EQ(store.AddStandard(StandardKind::Thermocouple, record), StoreStatus::Ok);
    record.SetValue("c5", "7");
    record.SetValue("c8", "-2.5e-3");
    ASSERT_EQ(store.SaveStandard(StandardKind::Thermocouple, store.GetStandardName(StandardKind::Thermocouple, 0),
                                 record),
              StoreStatus::Ok);
    const auto loaded = store.LoadStandardAt(StandardKind::Thermocouple, 0);
    EXPECT_EQ(loaded->Value("c5"), "7");
    EXPECT_EQ(loaded->Value("c8"), "-2.5e-3");
}

TEST_F(StoreTest, ResistorTemplateAloneAllowsAThermistor)
{
    WriteFileText("[ResistorTemplate]\nrtp = 25.5\n");
    StandardsStore store = MakeStore();
    StandardRecord record;
    ASSERT_EQ(store.AddStandard(StandardKind::Thermistor, record), StoreStatus::Ok);
    EXPECT_EQ(record.Value("ProductNo").size(), 22U);
    for (const std::string_view key : StandardKeys(StandardKind::Thermistor)) {
        if (key != "ProductNo") {
            EXPECT_EQ(record.Value(key), "") << key;
        }
    }
    EXPECT_EQ(store.Count(StandardKind::Thermistor), 1U);
}

TEST_F(StoreTest, DeleteRemovesTheSectionAndMovesLaterStandardsUp)
{
    m_clock.ticks = {11, 12, 21, 22, 31, 32};
    StandardsStore store = MakeStore();
    StandardRecord record;
    for (int i = 0; i < 3; ++i) ASSERT_EQ(store.AddStandard(StandardKind::Thermocouple, record), StoreStatus::Ok);
    ASSERT_EQ(store.DeleteStandard(StandardKind::Thermocouple, 0), StoreStatus::Ok);
    EXPECT_EQ(store.Names(StandardKind::Thermocouple), (std::vector<std::string>{"couplestd21", "couplestd31"}));
    EXPECT_EQ(FileText(store.Path()).find("[couplestd11]"), std::string::npos);
    EXPECT_EQ(store.LoadStandardAt(StandardKind::Thermocouple, 0)->Value("ProductNo"), "2024030914050722");
    EXPECT_EQ(store.DeleteStandard(StandardKind::Thermocouple, 2), StoreStatus::BadIndex);

    // A second store over the same file sees exactly what this one has.
    const StandardsStore reopened = MakeStore();
    EXPECT_EQ(reopened.Names(StandardKind::Thermocouple), store.Names(StandardKind::Thermocouple));
    EXPECT_EQ(reopened.LoadAllStandards(StandardKind::Thermocouple),
              store.LoadAllStandards(StandardKind::Thermocouple));
}

TEST_F(StoreTest, SetOneValueByKeyInAnyCase)
{
    StandardsStore store = MakeStore();
    StandardRecord record;
    ASSERT_EQ(store.AddStandard(StandardKind::Thermocouple, record), StoreStatus::Ok);
    EXPECT_EQ(store.SetStandardValue(StandardKind::Thermocouple, 0, "zn", "  3.4480 "), StoreStatus::Ok);
    EXPECT_NE(FileText(store.Path()).find("\nZn = 3.4480\n"), std::string::npos);
    EXPECT_EQ(store.LoadStandardAt(StandardKind::Thermocouple, 0)->Value("Zn"), "3.4480");

    EXPECT_EQ(store.SetStandardValue(StandardKind::Thermocouple, 0, "Rtp", "1"), StoreStatus::UnknownKey);
    EXPECT_EQ(store.SetStandardValue(StandardKind::Thermocouple, 0, "Zn", "1\n[x]"), StoreStatus::BadValue);
    EXPECT_EQ(store.SetStandardValue(StandardKind::Thermocouple, 1, "Zn", "1"), StoreStatus::BadIndex);
}

// Regression: a 32-character coefficient was once cut to 31 and read back as "...e-0", 1e5 too large.
TEST_F(StoreTest, LongValuesStayWhole)
{
    StandardsStore store = MakeStore();
    StandardRecord record;
    ASSERT_EQ(store.AddStandard(StandardKind::Resistor, record), StoreStatus::Ok);
    const std::string coefficient = "1.23456789012345678901234567e-05";
    const std::string longText(300, 'x');
    ASSERT_EQ(store.SetStandardValue(StandardKind::Resistor, 0, "a8", coefficient), StoreStatus::Ok);
    ASSERT_EQ(store.SetStandardValue(StandardKind::Resistor, 0, "CertNo", longText), StoreStatus::Ok);
    const auto loaded = store.LoadStandardAt(StandardKind::Resistor, 0);
    EXPECT_EQ(loaded->Value("a8"), coefficient);
    EXPECT_EQ(loaded->Value("CertNo"), longText);
}

TEST_F(StoreTest, RejectsWhatTheFileCannotHold)
{
    StandardsStore store = MakeStore();
    const StandardRecord couple(StandardKind::Thermocouple);
    StandardRecord broken(StandardKind::Thermocouple);
    broken.SetValue("Zn", "1\n[couplestd9]");
    EXPECT_EQ(store.SaveStandard(StandardKind::Thermocouple, "", couple), StoreStatus::BadName);
    EXPECT_EQ(store.SaveStandard(StandardKind::Thermocouple, "couple]std", couple), StoreStatus::BadName);
    EXPECT_EQ(store.SaveStandard(StandardKind::Thermocouple, " couplestd1", couple), StoreStatus::BadName);
    EXPECT_EQ(store.SaveStandard(StandardKind::Resistor, "resistorstd1", couple), StoreStatus::KindMismatch);
    EXPECT_EQ(store.SaveStandard(StandardKind::Thermocouple, "couplestd1", broken), StoreStatus::BadValue);
    StandardRecord record;
    EXPECT_EQ(store.LoadStandard(StandardKind::Thermocouple, "", record), StoreStatus::BadName);
    EXPECT_EQ(store.LoadStandard(StandardKind::Thermocouple, "couplestd404", record), StoreStatus::Ok);
    EXPECT_EQ(record, StandardRecord(StandardKind::Thermocouple));  // a missing section reads empty
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
    StandardRecord record;
    ASSERT_EQ(store.AddStandard(StandardKind::Thermocouple, record), StoreStatus::Ok);
    const std::string before = ReadBytes(store.Path());

    interrupt = true;
    EXPECT_EQ(store.SetStandardValue(StandardKind::Thermocouple, 0, "Zn", "9.9"), StoreStatus::WriteFailed);
    EXPECT_EQ(store.AddStandard(StandardKind::Resistor, record), StoreStatus::WriteFailed);
    EXPECT_EQ(ReadBytes(store.Path()), before);
    EXPECT_EQ(store.Count(StandardKind::Resistor), 0U);
    EXPECT_EQ(abandoned.parent_path(), m_folder.Path());  // same folder, so the rename cannot cross disks
    EXPECT_NE(FileText(abandoned).find("[resistorstd"), std::string::npos);  // the new file was complete

    const StandardsStore reopened = MakeStore();
    EXPECT_EQ(reopened.LoadStandardAt(StandardKind::Thermocouple, 0)->Value("Zn"), "3.4472");
    EXPECT_EQ(reopened.Count(StandardKind::Resistor), 0U);
}

TEST_F(StoreTest, ReadOnlyFileIsRespectedAndReported)
{
    StandardsStore store = MakeStore();
    StandardRecord record;
    ASSERT_EQ(store.AddStandard(StandardKind::Thermocouple, record), StoreStatus::Ok);
    fs::permissions(store.Path(), fs::perms::owner_read | fs::perms::group_read);
    const std::string before = ReadBytes(store.Path());

    EXPECT_EQ(store.SetStandardValue(StandardKind::Thermocouple, 0, "Zn", "1"), StoreStatus::ReadOnly);
    EXPECT_EQ(store.AddStandard(StandardKind::Thermocouple, record), StoreStatus::ReadOnly);
    EXPECT_EQ(store.DeleteStandard(StandardKind::Thermocouple, 0), StoreStatus::ReadOnly);
    EXPECT_EQ(store.Count(StandardKind::Thermocouple), 1U);  // the row stays
    EXPECT_EQ(ReadBytes(store.Path()), before);
}

TEST_F(StoreTest, SaveKeepsPermissionsAndSymbolicLinks)
{
    const fs::path real = m_folder.Path() / "elsewhere.ini";
    WriteBytes(real, Utf16Bytes("[CoupleTemplate]\nZn = 1\n"));
    fs::create_symlink(real, m_folder.File());
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    StandardsStore store = MakeStore();
    StandardRecord record;
    ASSERT_EQ(store.AddStandard(StandardKind::Thermocouple, record), StoreStatus::Ok);
    EXPECT_TRUE(fs::is_symlink(m_folder.File()));
    EXPECT_NE(FileText(real).find("[couplestd"), std::string::npos);
    EXPECT_EQ(fs::status(real).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(StoreTest, UnwritableFolderStillRuns)
{
    const fs::path plainFile = m_folder.Path() / "not_a_folder";
    WriteBytes(plainFile, "x");
    StandardsStore store(StandardsStoreOptions{plainFile / "sub", m_clock.Bind(), {}, kStandardsFileMaxBytes});
    EXPECT_EQ(store.StartStatus(), StoreStatus::WriteFailed);
    for (const StandardKind kind : kAllStandardKinds) EXPECT_EQ(store.Count(kind), 0U);
    StandardRecord record;
    EXPECT_EQ(store.AddStandard(StandardKind::Thermocouple, record), StoreStatus::NoCoupleTemplate);
    EXPECT_EQ(store.AddStandard(StandardKind::Thermistor, record), StoreStatus::NoResistorTemplate);
    EXPECT_EQ(store.SaveStandard(StandardKind::Thermocouple, "couplestd1", record), StoreStatus::WriteFailed);
}

TEST_F(StoreTest, FolderWithoutWritePermission)
{
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    StandardsStore store = MakeStore();
    StandardRecord record;
    ASSERT_EQ(store.AddStandard(StandardKind::Thermocouple, record), StoreStatus::Ok);
    fs::permissions(m_folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(store.SetStandardValue(StandardKind::Thermocouple, 0, "Zn", "1"), StoreStatus::WriteFailed);
    EXPECT_EQ(store.DeleteStandard(StandardKind::Thermocouple, 0), StoreStatus::WriteFailed);
    EXPECT_EQ(store.Count(StandardKind::Thermocouple), 1U);
}

TEST_F(StoreTest, FileDeletedWhileRunning)
{
    StandardsStore store = MakeStore();
    StandardRecord record;
    ASSERT_EQ(store.AddStandard(StandardKind::Thermocouple, record), StoreStatus::Ok);
    fs::remove(store.Path());
    EXPECT_EQ(store.LoadStandardAt(StandardKind::Thermocouple, 0), StandardRecord(StandardKind::Thermocouple));
    ASSERT_EQ(store.SetStandardValue(StandardKind::Thermocouple, 0, "Zn", "2"), StoreStatus::Ok);
    EXPECT_EQ(FileText(store.Path()), "[couplestd12345678]\nZn = 2\n");  // recreated without templates
}

TEST_F(StoreTest, FileLargerThanTheReaderTakesIsNeverRewritten)
{
    StandardsStore first = MakeStore();  // the 2048-byte template file
    const std::string before = ReadBytes(first.Path());
    StandardsStore store = MakeStore({}, 1500);
    EXPECT_EQ(store.StartStatus(), StoreStatus::Unreadable);
    EXPECT_TRUE(store.CanAdd(StandardKind::Thermocouple));  // what could be read is read
    StandardRecord record;
    EXPECT_EQ(store.AddStandard(StandardKind::Thermocouple, record), StoreStatus::Unreadable);
    EXPECT_EQ(store.SaveStandard(StandardKind::Thermocouple, "couplestd1", record), StoreStatus::Unreadable);
    EXPECT_EQ(ReadBytes(store.Path()), before);
}

}  // namespace
}  // namespace tmcalc
