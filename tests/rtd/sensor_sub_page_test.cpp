#include "rtd/sensor_sub_page.h"

#include "framework/numeric_edit.h"
#include "ui_test_util.h"

#include <gtest/gtest.h>
#include <QLabel>

#include <chrono>
#include <memory>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out);
void PrintTo(const QStringList& texts, std::ostream* out);

namespace tmcalc {
namespace {

using test::Backspace;
using test::PasteOver;
using test::Type;

constexpr int C = 0, F = 1, K = 2, R = 3, Re = 4;  // the five-scale fields
constexpr int kPt100 = 0, kPt50 = 1, kPtX = 2, kCu100 = 3, kCu50 = 4;

const QString kOut = QStringLiteral("Out of Rage.");

class SensorSubPageTest : public ::testing::Test {
protected:
    void Open(int tab)
    {
        m_page = std::make_unique<RtdSensorSubPage>(nullptr, QRect(0, 0, 1052, 394),
                                                    kRtdSensorPages[static_cast<std::size_t>(tab)]);
        ASSERT_TRUE(test::ShowActive(m_page.get()));
    }

    QLineEdit* field(int id) const { return m_page->edit(id); }
    QString text(int id) const { return field(id)->text(); }
    QStringList scales() const { return {text(C), text(F), text(K), text(R), text(Re)}; }
    QStringList outputs() const { return {text(kRtdResistance), text(kRtdSlope)}; }

    // Replaces the whole text of a field by typing, as a user selecting it and typing over it.
    void Enter(int id, const QString& keys)
    {
        test::Focus(field(id));
        field(id)->selectAll();
        QTest::keyClicks(field(id), keys);
    }

    std::unique_ptr<RtdSensorSubPage> m_page;
};

TEST_F(SensorSubPageTest, OpensWithItsR0AndEverythingElseEmpty)
{
    const char* const r0[] = {"100.00", "50.00", "25.00", "100.00", "50.00"};
    for (int tab = 0; tab < kRtdSensorPageCount; ++tab) {
        Open(tab);
        EXPECT_EQ(text(kRtdR0), r0[tab]);
        EXPECT_EQ(field(kRtdR0)->isEnabled(), tab == kPtX);
        EXPECT_EQ(scales(), (QStringList{"", "", "", "", ""}));
        EXPECT_EQ(outputs(), (QStringList{"", ""}));
    }
    EXPECT_EQ(m_page->objectName(), "gyrdzCu50");
    EXPECT_EQ(m_page->field(kRtdResistance)->label->text(), "Resistance");
    EXPECT_EQ(m_page->field(kRtdSlope)->label->text(), "Differential thermal resist.");
    EXPECT_EQ(m_page->field(kRtdR0)->label->text(), "R0");
    EXPECT_EQ(m_page->field(C)->label->text(), " ");  // the unit symbol names the field in English
    const QStringList units{"\u2103", "\u2109", "K", "\u00b0R", "\u00b0Re", "\u03a9", "\u03a9/\u2103", "\u03a9"};
    const int ids[] = {0, 1, 2, 3, 4, kRtdResistance, kRtdSlope, kRtdR0};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(m_page->field(ids[i])->unit->text(), units[i]);
}

TEST_F(SensorSubPageTest, Pt100At100FillsTheStripResistanceAndSlope)
{
    Open(kPt100);
    Type(field(C), "100");
    EXPECT_EQ(scales(), (QStringList{"100", "212", "373.15", "671.67", "80"}));
    EXPECT_EQ(outputs(), (QStringList{"138.5055", "0.3792800"}));
    // Every keystroke computes: "1" and "10" before.
    Backspace(field(C));
    EXPECT_EQ(outputs(), (QStringList{"103.9025", "0.3896750"}));
}

TEST_F(SensorSubPageTest, OtherScalesComputeThroughCelsius)
{
    Open(kPt50);
    Type(field(F), "212");
    EXPECT_EQ(scales(), (QStringList{"100", "212", "373.15", "671.67", "80"}));
    // Exactly 69.25275 Ω, computed as 69.25274999999999: the tie still rounds up (it once showed 69.2527).
    EXPECT_EQ(outputs(), (QStringList{"69.2528", "0.1896400"}));
    Enter(K, "0");
    EXPECT_EQ(text(C), "-273.15");
    EXPECT_EQ(outputs(), (QStringList{kOut, ""}));
}

TEST_F(SensorSubPageTest, ResistanceEqualToR0ShowsTheLiteralZero)
{
    Open(kPt100);
    Type(field(kRtdResistance), "100");
    EXPECT_EQ(scales(), (QStringList{"0.0", "32", "273.15", "491.67", "0"}));
    EXPECT_EQ(text(kRtdSlope), "0.3908300");
    // 100.0 is the same number: the literal again, not "0".
    Type(field(kRtdResistance), ".0");
    EXPECT_EQ(text(C), "0.0");

    Open(kCu50);
    Type(field(kRtdResistance), "50");
    EXPECT_EQ(text(C), "0.0");
    EXPECT_EQ(text(kRtdSlope), "0.2144655");
}

TEST_F(SensorSubPageTest, ResistanceToTemperatureFillsTheStrip)
{
    Open(kPt100);
    Type(field(kRtdResistance), "138.5055");
    EXPECT_EQ(scales(), (QStringList{"100", "212", "373.15", "671.67", "80"}));
    EXPECT_EQ(text(kRtdSlope), "0.3792800");
    Enter(kRtdResistance, "84.2707");  // below R0: the quartic
    EXPECT_EQ(text(C), "-39.99988");
    EXPECT_EQ(text(kRtdSlope), "0.3957579");
    EXPECT_EQ(text(kRtdResistance), "84.2707");  // the driving field is never rewritten
}

TEST_F(SensorSubPageTest, SensorRangeEmptiesTheSlope)
{
    Open(kPt100);
    Type(field(C), "850.01");
    EXPECT_EQ(outputs(), (QStringList{kOut, ""}));
    Backspace(field(C));
    EXPECT_EQ(outputs(), (QStringList{"390.4811", "0.2926550"}));
    Enter(C, "-200");
    EXPECT_EQ(outputs(), (QStringList{"18.5201", "0.4323352"}));

    Open(kCu50);
    Type(field(C), "100");
    EXPECT_EQ(outputs(), (QStringList{"71.4", "0.2141495"}));
    Enter(C, "150.01");
    EXPECT_EQ(outputs(), (QStringList{kOut, ""}));
    Enter(C, "-50");
    EXPECT_EQ(outputs(), (QStringList{"39.242", "0.2160073"}));
}

struct BandRow {
    const char* name;
    int tab;
    const char* resistance;
    const char* celsius;
    const char* slope;
};

// The temperature from a resistance is shown within a tolerance band beyond the range: 0.6 + 0.01|t| on
// Pt100 and Pt50 (upper end exclusive), 0.3 + 0.006|t| on Cu100 and Cu50, none on PtX (R0 100 here).
constexpr BandRow kBands[] = {
    {"Pt100At855", kPt100, "391.943", "855.0001", "Out of Rage."},
    {"Pt100At859_1", kPt100, "393.1395", "859.1", "Out of Rage."},
    {"Pt100At859_3", kPt100, "393.1978", "Out of Rage.", "Out of Rage."},
    {"Pt100AtMinus202_6", kPt100, "17.3948", "-202.5999", "Out of Rage."},
    {"Pt100AtMinus202_7", kPt100, "17.3514", "Out of Rage.", "Out of Rage."},
    {"Pt100At850_05", kPt100, "390.4958", "850.0501", "0.2926492"},
    {"PtXAt850_05", kPtX, "390.4958", "Out of Rage.", "0.2926492"},
    {"PtXAt855", kPtX, "391.943", "Out of Rage.", "Out of Rage."},
    {"Cu100At151", kCu100, "164.6993", "150.9999", "Out of Rage."},
    {"Cu100At151_3", kCu100, "164.8286", "Out of Rage.", "Out of Rage."},
    {"Cu100AtMinus50_4", kCu100, "78.3112", "-50.40009", "Out of Rage."},
    {"Cu100AtMinus51", kCu100, "78.052", "Out of Rage.", "Out of Rage."},
};

class SensorBandTest : public SensorSubPageTest, public testing::WithParamInterface<BandRow> {};

TEST_P(SensorBandTest, TemperatureShownOrRejected)
{
    const BandRow& row = GetParam();
    Open(row.tab);
    if (row.tab == kPtX) PasteOver(field(kRtdR0), "100");
    PasteOver(field(kRtdResistance), row.resistance);
    EXPECT_EQ(text(C), row.celsius);
    EXPECT_EQ(text(kRtdSlope), row.slope);
    const bool shown = QString(row.celsius) != kOut;
    EXPECT_EQ(text(F) != kOut, shown);  // the strip follows the °C text
}

INSTANTIATE_TEST_SUITE_P(RtdPages, SensorBandTest, testing::ValuesIn(kBands),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(SensorSubPageTest, PtXR0CountsFromTheNextEdit)
{
    Open(kPtX);
    Type(field(C), "100");
    EXPECT_EQ(outputs(), (QStringList{"34.6264", "0.0948200"}));
    Enter(kRtdR0, "1000");
    EXPECT_EQ(outputs(), (QStringList{"34.6264", "0.0948200"}));  // nothing yet
    EXPECT_EQ(text(C), "100");
    Enter(C, "100");
    EXPECT_EQ(outputs(), (QStringList{"1385.055", "3.7928000"}));
    Enter(kRtdR0, "25");
    Enter(kRtdResistance, "25");
    EXPECT_EQ(text(C), "0.0");
    // Pt1000 in the resistance direction: seven digits, not rounded twice.
    Enter(kRtdR0, "1000");
    Enter(C, "1.4");
    EXPECT_EQ(text(kRtdResistance), "1005.47");  // once 1005.471
}

TEST_F(SensorSubPageTest, EmptyingADrivingFieldEmptiesWhatItDrives)
{
    Open(kCu100);
    Type(field(Re), "80");
    EXPECT_EQ(text(C), "100");
    EXPECT_EQ(outputs(), (QStringList{"142.8", "0.4282990"}));
    Backspace(field(Re), 2);
    EXPECT_EQ(scales(), (QStringList{"", "", "", "", ""}));
    EXPECT_EQ(outputs(), (QStringList{"", ""}));

    Type(field(kRtdResistance), "142.8");
    EXPECT_EQ(text(K), "373.15");
    Backspace(field(kRtdResistance), 5);
    EXPECT_EQ(scales(), (QStringList{"", "", "", "", ""}));
    EXPECT_EQ(outputs(), (QStringList{"", ""}));
    EXPECT_EQ(text(kRtdR0), "100.00");
}

TEST_F(SensorSubPageTest, WrittenFieldsNeverConvertBack)
{
    Open(kPt100);
    Type(field(C), "-40");
    // The resistance written from -40 °C (84.2707) inverts to -39.99988: had it driven, °C would show that.
    EXPECT_EQ(text(C), "-40");
    EXPECT_EQ(text(kRtdResistance), "84.2707");
    field(kRtdResistance)->setText("200");
    field(F)->setText("0");
    EXPECT_EQ(text(C), "-40");
    EXPECT_EQ(text(kRtdSlope), "0.3957579");
    // Typing into the slope (an output) computes nothing.
    Type(field(kRtdSlope), "5");
    EXPECT_EQ(text(C), "-40");
    EXPECT_EQ(text(kRtdResistance), "200");

    Open(kPtX);
    Type(field(kRtdResistance), "50");
    const QStringList before = scales();
    Type(field(kRtdR0), "0");  // "25.000": R0 alone starts nothing
    EXPECT_EQ(scales(), before);
}

TEST_F(SensorSubPageTest, PastedJunkReadsAsWhatItBeginsWith)
{
    Open(kPt100);
    PasteOver(field(C), "12abc");
    EXPECT_EQ(text(F), "53.6");
    EXPECT_EQ(text(kRtdResistance), "104.6816");
    PasteOver(field(C), "abc");  // no number: 0 °C
    EXPECT_EQ(outputs(), (QStringList{"100", "0.3908300"}));
    PasteOver(field(kRtdResistance), "abc");  // 0 Ω: about -242 °C, beyond the band
    EXPECT_EQ(text(C), kOut);
    EXPECT_EQ(text(F), kOut);
    PasteOver(field(C), "nan");
    EXPECT_EQ(outputs(), (QStringList{kOut, ""}));
    PasteOver(field(F), "nan");  // the strip writes the out-of-range text into °C, which stays so
    EXPECT_EQ(text(C), kOut);
    EXPECT_EQ(outputs(), (QStringList{kOut, ""}));
    PasteOver(field(C), "-inf");
    EXPECT_EQ(outputs(), (QStringList{kOut, ""}));
    PasteOver(field(kRtdResistance), "  138.5055 \u03a9");
    EXPECT_EQ(text(C), "100");
}

TEST_F(SensorSubPageTest, FarOffResistancesAnswerAtOnce)
{
    // Within a few dozen steps Newton reaches a root far beyond any sensor (-69899 °C for Pt100) or stops
    // where its iterate no longer moves (Cu50); either way the page shows the out-of-range text.
    Open(kPt100);
    auto start = std::chrono::steady_clock::now();
    PasteOver(field(kRtdResistance), "-1e10");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));
    EXPECT_EQ(text(C), kOut);
    EXPECT_EQ(text(kRtdSlope), kOut);

    Open(kCu50);
    start = std::chrono::steady_clock::now();
    PasteOver(field(kRtdResistance), "1e12");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));
    EXPECT_EQ(text(C), kOut);
    EXPECT_EQ(text(kRtdSlope), kOut);
}

TEST_F(SensorSubPageTest, BadInputInEveryFieldOfEveryPage)
{
    const QString digits(2000, QLatin1Char('9'));
    const QStringList inputs{"0",
                             "-5",
                             "",
                             "abc",
                             "1e308",
                             "-1e308",
                             "1e12",
                             "-1e10",
                             "nan",
                             "inf",
                             "-0",
                             "~",
                             "e-",
                             digits,
                             QString(2000, QChar(0x6e29)),
                             "4.096" + QString(1995, QLatin1Char('x'))};
    const auto start = std::chrono::steady_clock::now();
    for (int tab = 0; tab < kRtdSensorPageCount; ++tab) {
        Open(tab);
        for (int id : {C, F, K, R, Re, static_cast<int>(kRtdResistance), static_cast<int>(kRtdSlope),
                       static_cast<int>(kRtdR0)}) {
            if (!field(id)->isEnabled()) continue;
            for (const QString& input : inputs) PasteOver(field(id), input);
        }
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));

    // The whole text counts: 2000 nines are an infinite resistance, not 31 of them.
    Open(kPt100);
    PasteOver(field(kRtdResistance), digits);
    EXPECT_EQ(text(C), kOut);
    PasteOver(field(C), digits);
    EXPECT_EQ(text(F), "inf");
    EXPECT_EQ(outputs(), (QStringList{kOut, ""}));
    PasteOver(field(C), "1" + QString(1999, QLatin1Char('0')));
    EXPECT_EQ(outputs(), (QStringList{kOut, ""}));
    PasteOver(field(C), "0." + QString(1997, QLatin1Char('0')) + "1");  // a tiny positive temperature
    EXPECT_EQ(outputs(), (QStringList{"100", "0.3908300"}));
}

}  // namespace
}  // namespace tmcalc
