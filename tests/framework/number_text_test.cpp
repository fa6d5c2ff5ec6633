#include "framework/field_policy.h"
#include "framework/number_text.h"
#include "framework/utf_text.h"
#include "resources/string_table.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>

namespace tmcalc {
namespace {

using test::kInf;
using test::kNaN;

// Every row starts with its name, which names its test.
constexpr auto kName = [](const auto& info) { return std::string(std::get<0>(info.param)); };

using ShowRow = std::tuple<const char*, int, int, double, const char*>;  // name, digits, decimals, value, text

class ShowValueFormat : public ::testing::TestWithParam<ShowRow> {};

TEST_P(ShowValueFormat, WritesTheExpectedText)
{
    SetLanguage(Language::English);
    const auto& [name, digits, decimals, value, expected] = GetParam();
    const auto text = FormatShowValue(digits, decimals, value);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ShowValueFormat,
    ::testing::Values(
        // fixed notation inside [10^-decimals, 10^(digits - decimals)), trailing zeros kept
        ShowRow{"half", 7, 7, 0.5, "0.5000000"}, ShowRow{"lower_bound", 7, 7, 0.0000001, "0.0000001"},
        ShowRow{"rounds_up_to_one", 7, 7, 0.99999999, "1.0000000"},
        ShowRow{"wide_fixed", 11, 7, 1234.5, "1234.5000000"}, ShowRow{"slope", 8, 7, 0.37928, "0.3792800"},
        ShowRow{"fifteen", 15, 15, 0.5, "0.500000000000000"}, ShowRow{"negative_fixed", 7, 7, -0.25, "-0.2500000"},
        // general conversion: fixed with the point kept, or three-digit exponents
        ShowRow{"zero", 7, 7, 0.0, "0."}, ShowRow{"negative_zero", 7, 7, -0.0, "-0."},
        ShowRow{"hundred", 7, 7, 100.0, "100."}, ShowRow{"one", 7, 7, 1.0, "1."},
        ShowRow{"rounded_integer", 7, 7, 1234567.8, "1234568"},
        ShowRow{"tie_to_even_up", 7, 7, 1234567.5, "1234568"},
        ShowRow{"tie_to_even_down", 7, 7, 1234568.5, "1234568"},
        ShowRow{"small_exponent", 7, 7, 1.5e-8, "1.5e-008"}, ShowRow{"small_digits", 7, 7, 0.00000001234, "1.234e-008"},
        ShowRow{"carry_into_tens", 7, 7, 9.9999999, "10."},
        ShowRow{"just_below_range", 7, 7, 0.00000009999999, "9.999999e-008"},
        ShowRow{"carry_to_range_edge", 7, 7, 0.000000099999999, "1.e-007"},
        ShowRow{"eight_digits", 7, 7, 12345678.0, "1.234568e+007"},
        ShowRow{"carry_into_exponent", 7, 7, 9999999.5, "1.e+007"},
        ShowRow{"huge", 7, 7, 1e300, "1.e+300"}, ShowRow{"tiny", 7, 7, 4.9e-324, "4.940656e-324"},
        ShowRow{"negative_exponent_form", 7, 7, -2.5e-8, "-2.5e-008"},
        ShowRow{"infinity", 7, 7, kInf, "inf"}, ShowRow{"negative_infinity", 7, 7, -kInf, "-inf"},
        ShowRow{"four_digits_fraction", 4, 7, 0.5, "0.5"}, ShowRow{"four_digits_hundredth", 4, 7, 0.05, "5.e-002"},
        ShowRow{"thousandth_exponent", 4, 7, 0.005, "5.e-003"}, ShowRow{"below_hundredth", 4, 2, 0.001234, "1.234e-003"},
        ShowRow{"fifteen_digits_large", 15, 15, 123456.789, "123456.789"}), kName);

// NaN shows the out-of-range text of the language; a conversion that does not fit writes nothing.
TEST(ShowValueFormat, NaNShowsTheOutOfRangeTextAndConversionThatDoesNotFitWritesNothing)
{
    SetLanguage(Language::English);
    EXPECT_EQ(FormatShowValue(7, 7, kNaN), "Out of Rage.");
    SetLanguage(Language::Chinese);
    EXPECT_EQ(FormatShowValue(7, 7, kNaN), "超出范围");
    EXPECT_EQ(FormatValueG7(kNaN), "超出范围");
    SetLanguage(Language::English);
    EXPECT_FALSE(FormatShowValue(32, 7, 1e30).has_value());  // general conversion with 32 digits
    EXPECT_EQ(FormatShowValue(32, 7, 12345.0), "12345.0000000");  // fixed notation needs no general conversion
    EXPECT_FALSE(FormatGeneral(1.0, 40).has_value());
    EXPECT_FALSE(FormatGeneral(1.0, 32).has_value());  // the buffer's own size is one digit too many
    // 31 digits with a sign, point and exponent do not fit the 32-byte buffer either.
    EXPECT_FALSE(FormatGeneral(-1.2345678901234567e100, 31).has_value());
    EXPECT_TRUE(FormatGeneral(1.5, 31).has_value());
}

using G7Row = std::tuple<const char*, double, const char*>;  // name, value, text

class FormatG7 : public ::testing::TestWithParam<G7Row> {};

TEST_P(FormatG7, MatchesPrintfG7)
{
    EXPECT_EQ(FormatValueG7(std::get<1>(GetParam())), std::get<2>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FormatG7,
    ::testing::Values(G7Row{"third", 1.0 / 3.0, "0.3333333"}, G7Row{"hundred", 100.0, "100"},
                      G7Row{"exponent", 12345678.0, "1.234568e+07"}, G7Row{"rankine", (1 + 273.15) * 1.8, "493.47"},
                      G7Row{"small_fixed", 0.0001, "0.0001"}, G7Row{"small_exponent", 0.00001, "1e-05"},
                      G7Row{"seven_digits", 1234567.0, "1234567"}, G7Row{"zero", 0.0, "0"},
                      G7Row{"negative_zero", -0.0, "-0"}, G7Row{"infinity", kInf, "inf"},
                      G7Row{"negative_infinity", -kInf, "-inf"}, G7Row{"tie_even", 1234568.5, "1234568"},
                      G7Row{"carry", 9999999.5, "1e+07"}, G7Row{"three_digit_exponent", 1e-300, "1e-300"},
                      G7Row{"kelvin_zero_in_celsius", 0.0 - 273.15, "-273.15"}), kName);

using ReadRow = std::tuple<const char*, std::u16string, double, bool>;  // name, text, value, consumed

class ReadValue : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ReadValue, ParsesLikeTheCLibraryInTheCLocale)
{
    const auto& [name, text, expected, consumed] = GetParam();
    const double value = ReadFieldValue(text);
    const CheckedValue checked = ReadFieldValueChecked(text);
    EXPECT_EQ(checked.consumed, consumed);
    const auto same = [want = expected](double v) {  // NaN for NaN, else the same number with the same sign
        return std::isnan(want) ? std::isnan(v) : v == want && std::signbit(v) == std::signbit(want);
    };
    EXPECT_TRUE(same(value)) << value;
    EXPECT_TRUE(same(checked.value)) << checked.value;
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ReadValue,
    ::testing::Values(
        ReadRow{"plain", u"100", 100.0, true}, ReadRow{"trailing_junk", u"12abc", 12.0, true},
        ReadRow{"lone_minus", u"-", 0.0, false}, ReadRow{"empty", u"", 0.0, false},
        ReadRow{"letters", u"abc", 0.0, false}, ReadRow{"leading_space", u" \t 3.5", 3.5, true},
        ReadRow{"leading_c_white_space", u"\v\f\r\n 7", 7.0, true},
        ReadRow{"nbsp_is_no_space", u"\u00a07", 0.0, false}, ReadRow{"plus_sign", u"+5", 5.0, true},
        ReadRow{"point_first", u".5", 0.5, true}, ReadRow{"point_alone", u".", 0.0, false},
        ReadRow{"comma_is_no_point", u"1,5", 1.0, true}, ReadRow{"exponent", u"1.5e3", 1500.0, true},
        ReadRow{"dangling_exponent", u"1e", 1.0, true}, ReadRow{"dangling_exponent_sign", u"2E-", 2.0, true},
        ReadRow{"overflow", u"1e400", kInf, true}, ReadRow{"negative_overflow", u"-1e400", -kInf, true},
        ReadRow{"underflow", u"1e-400", 0.0, true}, ReadRow{"negative_underflow", u"-1e-400", -0.0, true},
        ReadRow{"overflow_by_digits", std::u16string(400, u'9'), kInf, true},
        ReadRow{"infinity", u"inf", kInf, true}, ReadRow{"infinity_word", u"-Infinity", -kInf, true},
        ReadRow{"nan", u"nan", kNaN, true}, ReadRow{"nan_payload", u"NaN(123)", kNaN, true},
        ReadRow{"hex", u"0x1p3", 8.0, true}, ReadRow{"hex_fraction", u"0x1.8", 1.5, true},
        ReadRow{"hex_without_digits", u"0x", 0.0, true}, ReadRow{"hex_overflow", u"0x1p99999", kInf, true},
        ReadRow{"tilde", u"~5", 0.0, false}, ReadRow{"unit_after_number", u"25 ℃", 25.0, true},
        ReadRow{"unit_before_number", u"℃25", 0.0, false}, ReadRow{"latin1_letter", u"7\u00e9", 7.0, true},
        ReadRow{"nul_ends_number", std::u16string(u"4\0" u"2", 3), 4.0, true},
        ReadRow{"fullwidth_digit", u"\uff11", 0.0, false},
        // A 33-digit value was once cut after 31 characters and read 100 times too small.
        ReadRow{"thirty_three_digits", u"123456789012345678901234567890123", 1.23456789012345678901234567890123e32,
                true},
        ReadRow{"forty_zeros", u"1." + std::u16string(40, u'0') + u"e-9", 1e-9, true},
        ReadRow{"pasted_100000_zeros", u"2.5" + std::u16string(100000, u'0') + u"xyz", 2.5, true}), kName);

using RangeRow = std::tuple<const char*, std::u16string, double, bool, double, bool>;  // name, text, low, high

class RangeTextReader : public ::testing::TestWithParam<RangeRow> {};

TEST_P(RangeTextReader, ReadsHighAfterWhereLowStopped)
{
    const auto& [name, text, low, hasLow, high, hasHigh] = GetParam();
    const RangeText range = ReadRangeText(text);
    EXPECT_EQ(range.low.consumed, hasLow);
    EXPECT_EQ(range.high.consumed, hasHigh);
    EXPECT_EQ(range.low.value, low);
    EXPECT_EQ(range.high.value, high);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RangeTextReader,
    ::testing::Values(
        RangeRow{"signal", u"4~20", 4, true, 20, true}, RangeRow{"any_separator", u"1x5", 1, true, 5, true},
        RangeRow{"negative_low", u"-189.3442~0.01", -189.3442, true, 0.01, true},
        RangeRow{"exponent_low", u"1e1~2e1", 10, true, 20, true}, RangeRow{"only_low", u"-200", -200, true, 0, false},
        RangeRow{"separator_at_end", u"0~", 0, true, 0, false}, RangeRow{"tilde_alone", u"~", 0, false, 0, false},
        // Nothing read for low: high starts one character in, as the C library's end pointer says.
        RangeRow{"no_low", u"~5", 0, false, 5, true}, RangeRow{"overflowing_low", u"1e999~2", kInf, true, 2, true},
        RangeRow{"wide_separator", u"0\u2192660", 0, true, 660, true},
        RangeRow{"two_separators", u"0~~5", 0, true, 0, false}, RangeRow{"empty", u"", 0, false, 0, false}),
    kName);

// The one read policy of every field: what each rule makes of the texts a user types or pastes and of
// the out-of-range text a computation wrote (NaN marks "NaN, consumed").
TEST(FieldPolicy, EachReadRuleOnTypedPastedAndWrittenTexts)
{
    const std::u16string outOfRange = Utf8ToUtf16(FormatValueG7(kNaN));
    struct Case { std::u16string text; CheckedValue plain, typed, written; };
    const Case cases[] = {
        {u"", {0, false}, {0, false}, {0, false}},
        {u"12.5", {12.5, true}, {12.5, true}, {12.5, true}},
        {u" -3e2x", {-300, true}, {-300, true}, {-300, true}},
        {u"-", {0, true}, {0, false}, {0, false}},
        {u"abc", {0, true}, {0, false}, {0, false}},
        {outOfRange, {0, true}, {0, false}, {kNaN, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf16ToUtf8(c.text));
        const std::pair<ReadRule, CheckedValue> rules[] = {
            {ReadRule::Plain, c.plain}, {ReadRule::Typed, c.typed}, {ReadRule::Written, c.written}};
        for (const auto& [rule, want] : rules) {
            const CheckedValue got = ReadFieldText(c.text, rule);
            EXPECT_EQ(got.consumed, want.consumed) << static_cast<int>(rule);
            if (std::isnan(want.value)) {
                EXPECT_TRUE(std::isnan(got.value)) << static_cast<int>(rule);
            } else {
                EXPECT_EQ(got.value, want.value) << static_cast<int>(rule);
            }
        }
    }
    // Display: the field's format, the out-of-range text for NaN, nothing where the text cannot be formed.
    EXPECT_EQ(FieldTextFor(DisplayFormat::G7(), 1.0 / 3), "0.3333333");
    EXPECT_EQ(FieldTextFor(DisplayFormat::Show(7, 7), 0.5), "0.5000000");
    EXPECT_EQ(FieldTextFor(DisplayFormat::Show(12, 7), kNaN), FormatValueG7(kNaN));
    EXPECT_EQ(FieldTextFor(DisplayFormat::Show(40, 7), 1e300), std::nullopt);
}

TEST(ReadValue, IgnoresTheProcessLocale)
{
    bool applied = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"})
        applied = applied || std::setlocale(LC_ALL, name) != nullptr;
    if (!applied) GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(ReadFieldValue(u"1.5"), 1.5);
    EXPECT_EQ(ReadFieldValue(u"1,5"), 1.0);
    EXPECT_EQ(FormatShowValue(7, 7, 1.5), "1.5");
    EXPECT_EQ(FormatShowValue(7, 7, 0.5), "0.5000000");
    EXPECT_EQ(FormatValueG7(34.7), "34.7");
    EXPECT_EQ(FormatValueG(0.0069980447, 5), "0.006998");
    EXPECT_EQ(ReadRangeText(u"0.5~1.5").high.value, 1.5);
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace tmcalc
