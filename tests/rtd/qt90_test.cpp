// ITS-90 Compact strings: the published examples read alike, every malformed form named in the format's
// notes is refused for its own reason, and a thermometer survives writing and reading back.
#include "rtd/qt90.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tmcalc {
namespace {

// The four worked examples of the format's README (one sub-range-8 calibration: TPW, tin, zinc).
const std::string kNumeric =
    "qt90://8/273.16~0.009K100.0135~0.006_505.078~0.012K188.9427~0.006_692.677~0.096K256.6981~0.006/"
    "-2.0786366E-04_-8.8309895E-05";
const std::string kLettered =
    "qt90://8/W~0.009K100.0135~0.006_T~0.012K188.9427~0.006_Z~0.096K256.6981~0.006/-2.0786366E-04_-8.8309895E-05";
const std::string kPointsOnly = "qt90://8/W~0.009K100.0135~0.006_T~0.012K188.9427~0.006_Z~0.096K256.6981~0.006";
const std::string kWaterOnly = "qt90://8/W~0.009K100.0135/-2.0786366E-04_-8.8309895E-05";

TEST(Qt90, NumericAndLetteredExamplesGiveTheSameNumbers)
{
    const Qt90Read a = ReadQt90(kNumeric);
    const Qt90Read b = ReadQt90(kLettered);
    ASSERT_TRUE(a.certificate && b.certificate);
    ASSERT_EQ(a.certificate->points.size(), 3U);
    for (std::size_t i = 0; i < 3; ++i) {
        const Qt90Point& p = a.certificate->points[i];
        const Qt90Point& q = b.certificate->points[i];
        EXPECT_EQ(p.letter, q.letter);
        EXPECT_EQ(p.kelvin, q.kelvin);
        EXPECT_EQ(p.kelvinUncertainty, q.kelvinUncertainty);
        EXPECT_EQ(p.ohms, q.ohms);
        EXPECT_EQ(p.ohmsUncertainty, q.ohmsUncertainty);
    }
    EXPECT_EQ(a.certificate->points[1].letter, 'T');
    EXPECT_EQ(a.certificate->points[2].kelvinUncertainty, 0.096);
    EXPECT_EQ(a.certificate->coefficients, (std::vector<double>{-2.0786366e-4, -8.8309895e-5}));
    EXPECT_EQ(b.certificate->coefficients, a.certificate->coefficients);

    const Qt90Read c = ReadQt90(kWaterOnly);
    ASSERT_TRUE(c.certificate);
    ASSERT_EQ(c.certificate->points.size(), 1U);
    EXPECT_EQ(c.certificate->points[0].ohms, 100.0135);
    EXPECT_FALSE(c.certificate->points[0].ohmsUncertainty);
    // Each string writes back as itself (every number kept), and reads back the same.
    for (const std::string& s : {kNumeric, kLettered, kPointsOnly, kWaterOnly}) {
        const Qt90Read r = ReadQt90(s);
        ASSERT_TRUE(r.certificate) << s;
        EXPECT_EQ(WriteQt90(*r.certificate), s);
    }
    // Surrounding white space and percent-escapes as a URL carries them.
    EXPECT_TRUE(ReadQt90("  qt90://8/W%7E0.009K100.0135/-2.0786366E-04_-8.8309895E-05\n").certificate);
}

struct Refusal {
    const char* name;
    std::string text;
    Qt90Fault fault;
    Qt90Part part;
    int index;
};
void PrintTo(const Refusal& r, std::ostream* out)
{
    *out << r.name;
}

const std::string kW = "W~0.009K100.0135";
const std::string kCoef = "/-2.0786366E-04_-8.8309895E-05";
const Refusal kRefusals[] = {
    {"OtherScheme", "http://8/" + kW + kCoef, Qt90Fault::NotThisFormat, Qt90Part::Prefix, 0},
    {"Qt68Scheme", "qt68://8/" + kW + kCoef, Qt90Fault::NotThisFormat, Qt90Part::Prefix, 0},
    {"NoPrefix", "8/" + kW + kCoef, Qt90Fault::NotThisFormat, Qt90Part::Prefix, 0},
    {"UpperCasePrefix", "QT90://8/" + kW + kCoef, Qt90Fault::NotThisFormat, Qt90Part::Prefix, 0},
    {"SubRange0", "qt90://0/" + kW + kCoef, Qt90Fault::BadSubRange, Qt90Part::SubRange, 0},
    {"SubRange12", "qt90://12/" + kW + kCoef, Qt90Fault::BadSubRange, Qt90Part::SubRange, 0},
    {"SubRangeMinus8", "qt90://-8/" + kW + kCoef, Qt90Fault::BadSubRange, Qt90Part::SubRange, 0},
    {"SubRange8Point0", "qt90://8.0/" + kW + kCoef, Qt90Fault::BadSubRange, Qt90Part::SubRange, 0},
    {"SubRange08", "qt90://08/" + kW + kCoef, Qt90Fault::BadSubRange, Qt90Part::SubRange, 0},
    {"SubRangeEmpty", "qt90:///" + kW + kCoef, Qt90Fault::BadSubRange, Qt90Part::SubRange, 0},
    {"SubRangeOnly", "qt90://8", Qt90Fault::BadSections, Qt90Part::Sections, 0},
    {"SubRangeAndSlash", "qt90://8/", Qt90Fault::BadSections, Qt90Part::Sections, 0},
    {"EmptySection", "qt90://8//x", Qt90Fault::BadSections, Qt90Part::Sections, 0},
    {"ThreeSections", "qt90://8/" + kW + kCoef + "/1", Qt90Fault::BadSections, Qt90Part::Sections, 0},
    {"TrailingSlash", "qt90://8/" + kW + kCoef + "/", Qt90Fault::BadSections, Qt90Part::Sections, 0},
    {"LetterWithoutUncertainty", "qt90://8/W0.009K100.0135" + kCoef, Qt90Fault::NoTemperatureUncertainty,
     Qt90Part::Point, 1},
    {"NumberWithoutUncertainty", "qt90://8/273.16K100.0135" + kCoef, Qt90Fault::NoTemperatureUncertainty,
     Qt90Part::Point, 1},
    {"NoK", "qt90://8/273.16~0.009100.0135" + kCoef, Qt90Fault::OneK, Qt90Part::Point, 1},
    {"TwoK", "qt90://8/W~0.009K100K1" + kCoef, Qt90Fault::OneK, Qt90Part::Point, 1},
    {"LowerCaseK", "qt90://8/W~0.009k100.0135" + kCoef, Qt90Fault::OneK, Qt90Part::Point, 1},
    {"PlusSeparator", "qt90://8/" + kW + "_505.078+0.012K188.9427~0.006", Qt90Fault::WrongSeparator,
     Qt90Part::Point, 2},
    {"PlusMinusSeparator",
     "qt90://8/" + kW +
         "_T\xC2\xB1"
         "0.012K188.9427",
     Qt90Fault::WrongSeparator, Qt90Part::Point, 2},
    {"DecimalComma", "qt90://8/" + kW + "_692,677~0.096K256.6981", Qt90Fault::DecimalComma, Qt90Part::Point, 2},
    // The README's full payload carries both slips; the first one met is named.
    {"ReadmeFullPayload",
     "qt90://8/273.16~0.009K100.0135~0.006_505.078+0.012K188.9427~0.006_692,677~0.096K256.6981~0.006/"
     "-2.0786366E-04_-8.8309895E-05",
     Qt90Fault::WrongSeparator, Qt90Part::Point, 2},
    {"UnknownLetter", "qt90://8/A~0.009K100.0135" + kCoef, Qt90Fault::UnknownLetter, Qt90Part::Point, 1},
    {"LowerCaseLetter", "qt90://8/w~0.009K100.0135" + kCoef, Qt90Fault::UnknownLetter, Qt90Part::Point, 1},
    {"ZeroKelvin", "qt90://8/" + kW + "_0~0.01K188.9", Qt90Fault::OutOfLimits, Qt90Part::Point, 2},
    {"ZeroOhms", "qt90://8/W~0.009K0" + kCoef, Qt90Fault::OutOfLimits, Qt90Part::Point, 1},
    {"NegativeUncertainty", "qt90://8/W~-0.009K100.0135" + kCoef, Qt90Fault::OutOfLimits, Qt90Part::Point, 1},
    {"Overflow", "qt90://8/W~0.009K1E+999" + kCoef, Qt90Fault::OutOfLimits, Qt90Part::Point, 1},
    {"NaN", "qt90://8/W~0.009Knan" + kCoef, Qt90Fault::BadNumber, Qt90Part::Point, 1},
    {"LeadingPlus", "qt90://8/W~0.009K+100.0135" + kCoef, Qt90Fault::BadNumber, Qt90Part::Point, 1},
    {"BarePoint", "qt90://8/W~.5K100.0135" + kCoef, Qt90Fault::BadNumber, Qt90Part::Point, 1},
    {"TrailingPoint", "qt90://8/W~5.K100.0135" + kCoef, Qt90Fault::BadNumber, Qt90Part::Point, 1},
    {"ExponentWithoutDigits", "qt90://8/" + kW + "/1E_2", Qt90Fault::BadNumber, Qt90Part::Coefficient, 1},
    {"Space", "qt90://8/W~0.009K100 .0135" + kCoef, Qt90Fault::BadNumber, Qt90Part::Point, 1},
    {"ThousandsSpace", "qt90://8/" + kW + "/1 000_2", Qt90Fault::BadNumber, Qt90Part::Coefficient, 1},
    {"EmptyPoint", "qt90://8/" + kW + "__T~0.01K188.9" + kCoef, Qt90Fault::EmptyItem, Qt90Part::Point, 2},
    {"LeadingUnderscore", "qt90://8/_" + kW + kCoef, Qt90Fault::EmptyItem, Qt90Part::Point, 1},
    {"TrailingUnderscore", "qt90://8/" + kW + "/1E-4_2E-5_", Qt90Fault::EmptyItem, Qt90Part::Coefficient, 3},
    {"ThreeCoefficientsForRange8", "qt90://8/" + kW + "/1E-4_2E-5_3E-6", Qt90Fault::CoefficientCount,
     Qt90Part::Coefficients, 0},
    {"ThreeCoefficientsForRange6", "qt90://6/" + kW + "/1E-4_2E-5_3E-6", Qt90Fault::CoefficientCount,
     Qt90Part::Coefficients, 0},
    {"SingleTinPointWithCoefficients", "qt90://8/T~0.012K188.9427" + kCoef, Qt90Fault::NotWaterPoint,
     Qt90Part::Point, 1},
    {"NoWaterPoint", "qt90://8/T~0.012K188.9427_Z~0.096K256.6981", Qt90Fault::NoWaterPoint, Qt90Part::Sections, 0},
    {"ZincInRange11", "qt90://11/" + kW + "_Z~0.096K256.6981/1E-4", Qt90Fault::PointNotOfRange, Qt90Part::Point,
     2},
    {"NumberOutsideRange1", "qt90://8/" + kW + "_17.035~0.01K1.2" + kCoef, Qt90Fault::PointNotOfRange,
     Qt90Part::Point, 2},
    {"WaterTwice", "qt90://8/" + kW + "_273.16~0.01K100.0136" + kCoef, Qt90Fault::RepeatedPoint, Qt90Part::Point,
     2},
};

class Qt90Refusal : public ::testing::TestWithParam<Refusal> {};
TEST_P(Qt90Refusal, NamesThePartAndTheReason)
{
    const Refusal& r = GetParam();
    const Qt90Read read = ReadQt90(r.text);
    ASSERT_FALSE(read.certificate);
    EXPECT_EQ(read.error.fault, r.fault);
    EXPECT_EQ(read.error.part, r.part);
    EXPECT_EQ(read.error.index, r.index);
    EXPECT_FALSE(Qt90ErrorText(read.error, Language::English).empty());
    EXPECT_FALSE(ThermometerFromQt90(r.text).thermometer);
}
INSTANTIATE_TEST_SUITE_P(Qt90, Qt90Refusal, ::testing::ValuesIn(kRefusals), test::RowName{});

TEST(Qt90, MessagesNameThePartAndReasonInBothLanguages)
{
    const Qt90Read read = ReadQt90("qt90://8/" + kW + "_505.078+0.012K188.9427~0.006");
    EXPECT_EQ(Qt90ErrorText(read.error, Language::English),
              "point 2 (505.078+0.012K188.9427~0.006): + and ± do not separate an uncertainty; ~ does");
    EXPECT_EQ(Qt90ErrorText(read.error, Language::Chinese),
              "第 2 个点（505.078+0.012K188.9427~0.006）：+ 和 ± 不是不确定度分隔符，应为 ~");
    const Qt90Read count = ReadQt90("qt90://8/" + kW + "/1E-4_2E-5_3E-6");
    EXPECT_EQ(Qt90ErrorText(count.error, Language::English),
              "the coefficients (1E-4_2E-5_3E-6): sub-range 8 takes 2 coefficients");
}

// Counts that catch a reader assuming at most three coefficients; letters that catch H as helium, M as a
// freezing point, or °C in place of K.
TEST(Qt90, SubRangeTableAndFixedPointLetters)
{
    const int counts[] = {7, 5, 3, 2, 2, 4, 3, 2, 2, 1, 1};
    for (int n = 1; n <= 11; ++n) EXPECT_EQ(Qt90SubRangeInfo(n).coefficientCount, counts[n - 1]) << n;
    EXPECT_EQ(Qt90LetterKelvin('H'), 13.8033);   // e-H2 triple point
    EXPECT_EQ(Qt90LetterKelvin('M'), 234.3156);  // mercury triple point
    EXPECT_EQ(Qt90LetterKelvin('W'), 273.16);
    EXPECT_EQ(Qt90LetterKelvin('S'), 1234.93);
    EXPECT_TRUE(std::isnan(Qt90LetterKelvin('K')));
    EXPECT_TRUE(ReadQt90("qt90://1/H~0.001K0.0302_17.035~0.001K0.0541_20.27~0.001K0.0724_N~0.001K0.2_O~0.001K2.3_"
                         "R~0.001K5.4_M~0.001K21.1_W~0.001K25.0/1_2_3_4_5_6_7")
                    .certificate);
    EXPECT_TRUE(ReadQt90("qt90://6/W~0.001K25/1E-4_2E-5_3E-6_4E-7").certificate);
}

// A certificate gives the same thermometer as its coefficients typed out; writing and reading it back too.
TEST(Qt90, ThermometerFromCertificateAndBack)
{
    const Qt90ThermometerRead read = ThermometerFromQt90(kLettered);
    ASSERT_TRUE(read.thermometer);
    const Qt90Thermometer& t = *read.thermometer;
    EXPECT_EQ(t.rtp, 100.0135);
    EXPECT_EQ(t.codes.upper, 1);
    EXPECT_EQ(t.codes.lower, 2);
    EXPECT_EQ(t.upper[0], -2.0786366e-4);
    EXPECT_EQ(t.upper[1], -8.8309895e-5);
    const SprtRangeCodes codes = SprtRangeClasses(u"0~419.527");
    EXPECT_EQ(Qt90RangeText(t.codes), "0~419.527");
    const SprtCoefficientSet typed = SprtSetFromGroups(codes, {-2.0786366e-4, -8.8309895e-5, 0}, {0, 0});
    const SprtCoefficientSet pasted = SprtSetFromGroups(t.codes, t.upper, t.lower);
    for (double r : {100.0135, 120.0, 188.9427, 256.0}) {
        EXPECT_EQ(SprtFromResistance(pasted, t.rtp, r)->t, SprtFromResistance(typed, 100.0135, r)->t) << r;
    }
    // An upper and a lower group from two lines, written back as two strings that read as the same.
    const std::string both = kWaterOnly + "\nqt90://4/W~0K100.0135/-1.5E-04_2.5E-05\n";
    const Qt90ThermometerRead two = ThermometerFromQt90(both);
    ASSERT_TRUE(two.thermometer);
    EXPECT_EQ(Qt90RangeText(two.thermometer->codes), "-189.3442~419.527");
    EXPECT_EQ(SprtRangeClasses(u"-189.3442~419.527").lower, two.thermometer->codes.lower);
    std::string written;
    for (const Qt90Certificate& c : Qt90FromThermometer(*two.thermometer)) written += WriteQt90(c) + "\n";
    EXPECT_EQ(written,
              "qt90://8/W~0K100.0135/-2.0786366E-04_-8.8309895E-05\nqt90://4/W~0K100.0135/-1.5E-04_2.5E-05\n");
    const Qt90ThermometerRead back = ThermometerFromQt90(written);
    ASSERT_TRUE(back.thermometer);
    EXPECT_EQ(back.thermometer->upper, two.thermometer->upper);
    EXPECT_EQ(back.thermometer->lower, two.thermometer->lower);
    EXPECT_EQ(back.thermometer->rtp, two.thermometer->rtp);
    // Points only: the coefficients are fitted (the README's points do not belong to its coefficients).
    const Qt90ThermometerRead fitted = ThermometerFromQt90(kPointsOnly);
    ASSERT_TRUE(fitted.thermometer);
    EXPECT_NEAR(fitted.thermometer->upper[0], -7.517e-3, 2e-6);
    EXPECT_NEAR(fitted.thermometer->upper[1], 3.868e-3, 2e-6);
    // Sub-ranges this program has no deviation function for, and a side given twice.
    for (const std::string& s :
         {std::string("qt90://6/W~0.001K25/1E-4_2E-5_3E-6_4E-7"), kWaterOnly + "\n" + kLettered}) {
        const Qt90ThermometerRead r = ThermometerFromQt90(s);
        ASSERT_FALSE(r.thermometer);
        EXPECT_EQ(r.error.fault, Qt90Fault::SubRangeNotCarried);
    }
}

}  // namespace
}  // namespace tmcalc
