#include "humidity/transmitter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>

namespace tmcalc {
namespace {

struct TransmitterRow {
    const char* name;
    const char16_t* signal;
    const char16_t* conversion;
    bool forward;  // value to signal
    double x;
    std::optional<double> want;  // empty: the page writes nothing
};
void PrintTo(const TransmitterRow& row, std::ostream* out) { *out << row.name; }

class Transmitter : public ::testing::TestWithParam<TransmitterRow> {};

// Slopes like 0.16 are inexact in binary; 1e-12 covers the few roundings of the two formulas.
TEST_P(Transmitter, ConvertsLinearlyWithoutClamping)
{
    const TransmitterRow& row = GetParam();
    const TransmitterRange signal = TransmitterRangeFromText(ReadRangeText(row.signal));
    const TransmitterRange conversion = TransmitterRangeFromText(ReadRangeText(row.conversion));
    const std::optional<double> got =
        row.forward ? TransmitterSignal(signal, conversion, row.x) : TransmitterValue(signal, conversion, row.x);
    ASSERT_EQ(got.has_value(), row.want.has_value());
    if (!got) return;
    if (std::isnan(*row.want)) {
        EXPECT_TRUE(std::isnan(*got)) << *got;
    } else {
        EXPECT_NEAR(*got, *row.want, 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(
    TransmitterRanges, Transmitter,
    ::testing::Values(TransmitterRow{"Middle", u"4~20", u"0~100", true, 50, 12},
                      TransmitterRow{"AboveTheRange", u"4~20", u"0~100", true, 150, 28},
                      TransmitterRow{"TopBack", u"4~20", u"0~100", false, 20, 100},
                      TransmitterRow{"BottomBack", u"4~20", u"0~100", false, 4, 0},
                      TransmitterRow{"EightMilliamps", u"4~20", u"0~100", false, 8, 25},
                      TransmitterRow{"Custom", u"2~10", u"-50~150", true, 0, 4},
                      TransmitterRow{"Falling", u"20~4", u"0~100", true, 25, 16},
                      TransmitterRow{"EqualConversion", u"4~20", u"5~5", true, 5, std::nullopt},
                      TransmitterRow{"EqualSignal", u"4~4", u"0~100", false, 5, std::nullopt},
                      TransmitterRow{"OneNumber", u"4~20", u"100", true, 5, std::nullopt},
                      TransmitterRow{"OneNumberSignal", u"20", u"0~100", false, 5, std::nullopt},
                      TransmitterRow{"SeparatorOnly", u"~", u"0~100", true, 5, std::nullopt},
                      TransmitterRow{"MissingLowReadsZero", u"~20", u"0~100", true, 50, 10},
                      TransmitterRow{"Overflow", u"1e999~2", u"0~100", true, 50, std::nan("")}),
    [](const ::testing::TestParamInfo<TransmitterRow>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tmcalc
