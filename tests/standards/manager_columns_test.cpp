#include "standards/manager_columns.h"

#include <gtest/gtest.h>

#include <vector>

#include "standards_test_support.h"

namespace tmcalc {
namespace {

struct ColumnRow {
    const char* name;
    StandardKind kind;
    int firstHeading;
    std::vector<int> widths;
};

class ListColumnsTest : public testing::TestWithParam<ColumnRow> {};

TEST_P(ListColumnsTest, HeadingsAreConsecutiveIdsAndWidthsAsLaidOut)
{
    const ColumnRow& row = GetParam();
    const auto columns = StandardListColumns(row.kind);
    ASSERT_EQ(columns.size(), row.widths.size());
    for (std::size_t c = 0; c < columns.size(); ++c) {
        EXPECT_EQ(columns[c].headingId, row.firstHeading + static_cast<int>(c)) << "column " << c;
        EXPECT_EQ(columns[c].width, row.widths[c]) << "column " << c;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ListColumnsTest,
    testing::Values(
        ColumnRow{"Thermocouple", StandardKind::Thermocouple, 657, {170, 150, 60, 120, 120, 120, 60, 150, 100}},
        ColumnRow{"Resistor",
                  StandardKind::Resistor,
                  666,
                  {150, 100, 120, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80}},
        ColumnRow{
            "Thermistor", StandardKind::Thermistor, 721, {150, 100, 120, 60, 80, 80, 120, 120, 120, 120, 0}}),
    test::kRowName);

// The thermistor list's eleventh column shows and edits nothing, nor does a column beyond the list.
TEST(ListColumnKeys, OnlyColumnsThatShowAValueHaveAKey)
{
    EXPECT_EQ(StandardListColumnKey(StandardKind::Thermistor, 9), "D");
    EXPECT_EQ(StandardListColumnKey(StandardKind::Thermistor, 10), "");
    EXPECT_EQ(StandardListColumnKey(StandardKind::Thermocouple, 9), "");
    EXPECT_EQ(StandardListColumnKey(StandardKind::Thermocouple, -1), "");
}

TEST(ScaledColumnWidth, TruncatesTheSinglePrecisionProduct)
{
    struct ScaleRow {
        int screenWidth, width, expected;
    };
    // Exact products are kept; fractional ones are cut, never rounded up (170 x 1366/1920 = 120.95).
    const ScaleRow rows[] = {
        {1920, 170, 170}, {1366, 170, 120}, {1366, 60, 42},   {2560, 170, 226},
        {2560, 150, 200}, {1440, 60, 45},   {3840, 120, 240}, {1920, 0, 0},
    };
    for (const ScaleRow& r : rows) {
        const auto scale = static_cast<float>(r.screenWidth / 1920.0);
        EXPECT_EQ(ScaledColumnWidth(r.width, scale), r.expected) << r.screenWidth << " " << r.width;
    }
}

}  // namespace
}  // namespace tmcalc
