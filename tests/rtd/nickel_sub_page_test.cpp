#include "rtd/nickel_sub_page.h"

#include "framework/numeric_edit.h"
#include "ui_test_util.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QRadioButton>

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

constexpr int C = kNiCelsius, F = C + 1, K = C + 2, R = C + 3, Re = C + 4;
constexpr int kA = kNiFirstCoefficient;  // c1; c2 to c6 follow

const QString kOut = QStringLiteral("Out of Rage.");

class NickelSubPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_page = std::make_unique<NickelSubPage>(nullptr, QRect(0, 0, 1052, 394));
        ASSERT_TRUE(test::ShowActive(m_page.get()));
    }

    QLineEdit* field(int id) const { return m_page->edit(id); }
    QString text(int id) const { return field(id)->text(); }
    QStringList scales() const { return {text(C), text(F), text(K), text(R), text(Re)}; }
    QStringList outputs() const { return {text(kNiResistance), text(kNiSlope)}; }
    QStringList parameters() const
    {
        QStringList out;
        for (int i = 0; i < 6; ++i) out << text(kA + i);
        return out << text(kNiR0);
    }

    void Enter(int id, const QString& keys)
    {
        test::Focus(field(id));
        field(id)->selectAll();
        QTest::keyClicks(field(id), keys);
    }

    void Click(int preset)
    {
        QRadioButton* b = m_page->presetButton(preset);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }

    std::unique_ptr<NickelSubPage> m_page;
};

TEST_F(NickelSubPageTest, OpensWithTheFirstPresetLoaded)
{
    EXPECT_EQ(m_page->objectName(), "gyrdzNi");
    EXPECT_TRUE(m_page->presetButton(1)->isChecked());
    EXPECT_EQ(m_page->presetButton(1)->text(), "ND(6180 ppm/K)");
    EXPECT_EQ(m_page->presetButton(4)->text(), "NA(6720 ppm/K)");
    EXPECT_EQ(parameters(), (QStringList{"0.005485", "6.65e-06", "0", "2.805e-11", "0", "-2e-17", "1000."}));
    EXPECT_EQ(scales(), (QStringList{"", "", "", "", ""}));
    EXPECT_EQ(outputs(), (QStringList{"", ""}));
    EXPECT_EQ(m_page->field(kA)->label->text(), "A = ");
    EXPECT_EQ(m_page->field(kNiR0)->label->text(), "R(0\u2103\uff09");
    EXPECT_TRUE(m_page->field(kNiR0)->unit->text().isEmpty());
    EXPECT_EQ(m_page->field(kNiSlope)->label->text(), "Differential Resis.");
    EXPECT_EQ(m_page->field(F)->unit->text(), "\u00b0F");
    EXPECT_EQ(m_page->field(kNiSlope)->unit->text(), "\u03a9/\u2103");
}

TEST_F(NickelSubPageTest, NdAt100AndBack)
{
    Type(field(C), "100");
    EXPECT_EQ(scales(), (QStringList{"100", "212", "373.15", "671.67", "80"}));
    // W = 1.617785 with R0 = 1000; dR/dt = 1000 (c1 + 2 c2 t + 4 c4 t^3 + 6 c6 t^5).
    EXPECT_EQ(outputs(), (QStringList{"1617.785", "6.926"}));
    Enter(kNiResistance, "1617.785");
    EXPECT_EQ(scales(), (QStringList{"100.", "212", "373.15", "671.67", "80"}));
    EXPECT_EQ(text(kNiSlope), "6.926");
    Enter(kNiResistance, "1000");  // W exactly 1
    EXPECT_EQ(text(C), "0.");
    Enter(F, "-76");  // -60 °C
    EXPECT_EQ(outputs(), (QStringList{"695.2026", "4.662858"}));
}

TEST_F(NickelSubPageTest, EveryPresetClickLoadsItAndEmptiesTheValues)
{
    Type(field(C), "100");
    Click(4);
    EXPECT_TRUE(m_page->presetButton(4)->isChecked());
    EXPECT_FALSE(m_page->presetButton(1)->isChecked());
    EXPECT_EQ(parameters(),
              (QStringList{"0.00588025", "8.28385e-06", "0", "7.67175e-12", "0", "1.49e-16", "1000."}));
    EXPECT_EQ(scales(), (QStringList{"", "", "", "", ""}));
    EXPECT_EQ(outputs(), (QStringList{"", ""}));
    Type(field(kNiResistance), "2000");
    EXPECT_EQ(text(C), "141.2382");
    EXPECT_EQ(text(kNiSlope), "8.356948");

    // A click on the chosen button loads it again: edited coefficients are restored.
    Enter(kA, "0.006");
    Click(4);
    EXPECT_EQ(text(kA), "0.00588025");
    EXPECT_TRUE(text(kNiResistance).isEmpty());

    Click(2);
    EXPECT_EQ(parameters(), (QStringList{"0.004427", "5.172e-06", "5.585e-09", "0", "0", "0", "1000."}));
    Type(field(C), "100");
    EXPECT_EQ(outputs(), (QStringList{"1500.005", "5.62895"}));
    Click(3);
    EXPECT_EQ(parameters(), (QStringList{"0.0056472", "6.69504e-06", "5.68816e-09", "0", "0", "0", "1000."}));
    Type(field(C), "100");
    EXPECT_EQ(outputs(), (QStringList{"1637.359", "7.156853"}));
}

TEST_F(NickelSubPageTest, ArrowKeysMoveThePresetToo)
{
    m_page->presetButton(1)->setFocus();
    QTest::keyClick(m_page->presetButton(1), Qt::Key_Down);
    EXPECT_TRUE(m_page->presetButton(2)->isChecked());
    EXPECT_EQ(text(kA), "0.004427");
}

TEST_F(NickelSubPageTest, CoefficientsCountFromTheNextEdit)
{
    Type(field(C), "100");
    Enter(kNiR0, "100");
    EXPECT_EQ(text(kNiResistance), "1617.785");  // R0 starts nothing
    Enter(C, "100");
    EXPECT_EQ(outputs(), (QStringList{"161.7785", "0.6926000"}));
}

TEST_F(NickelSubPageTest, UnfilledR0C1OrC2WritesNothing)
{
    Type(field(C), "100");
    for (int id : {static_cast<int>(kNiR0), kA, kA + 1}) {
        const QString kept = text(id);
        for (const char* unfilled : {"0", "-0", "abc", ""}) {
            PasteOver(field(id), unfilled);
            const QStringList before = outputs();
            Enter(C, "50");
            EXPECT_EQ(outputs(), before) << id << ' ' << unfilled;
            EXPECT_EQ(text(F), "122");  // the strip itself still follows the typed temperature
            Enter(kNiResistance, "1200");
            EXPECT_EQ(text(C), "50") << id << ' ' << unfilled;
            EXPECT_EQ(text(kNiSlope), before[1]);
        }
        PasteOver(field(id), kept);
    }
    // c3 to c6 may be zero or unfilled: they count as 0.
    PasteOver(field(kA + 3), "");
    PasteOver(field(kA + 5), "junk");
    Enter(C, "100");
    EXPECT_EQ(outputs(), (QStringList{"1615.", "6.815"}));
}

TEST_F(NickelSubPageTest, TextWithoutANumberEmptiesItsDirection)
{
    Type(field(C), "100");
    PasteOver(field(C), "abc");
    EXPECT_EQ(outputs(), (QStringList{"", ""}));
    Type(field(kNiResistance), "1617.785");
    EXPECT_EQ(text(K), "373.15");
    PasteOver(field(kNiResistance), "\u03a9");
    EXPECT_EQ(scales(), (QStringList{"", "", "", "", ""}));
    EXPECT_EQ(text(kNiSlope), "");
    Type(field(kNiResistance), "1617.785");
    Backspace(field(kNiResistance), 8);
    EXPECT_EQ(scales(), (QStringList{"", "", "", "", ""}));
    EXPECT_EQ(text(kNiSlope), "");
}

TEST_F(NickelSubPageTest, WrittenFieldsNeverConvertBack)
{
    Type(field(kNiResistance), "1617.785");
    EXPECT_EQ(text(C), "100.");
    field(C)->setText("0");
    field(kNiSlope)->setText("0");
    EXPECT_EQ(text(kNiResistance), "1617.785");
    Type(field(kNiSlope), "5");
    Type(field(kA + 2), "1");
    EXPECT_EQ(text(kNiResistance), "1617.785");
    EXPECT_EQ(text(F), "212");
}

TEST_F(NickelSubPageTest, BadAndHugeValuesAnswerAtOnce)
{
    const QString digits(2000, QLatin1Char('9'));
    const auto start = std::chrono::steady_clock::now();
    for (int id = kNiCelsius; id <= kNiR0; ++id) {
        for (const QString& input : {QString("1e300"), QString("-1e300"), QString("1e12"), QString("-1e10"),
                                     QString("nan"), QString("inf"), QString("-5"), digits, QString("~")}) {
            PasteOver(field(id), input);
            PasteOver(field(C), "25");
            PasteOver(field(kNiResistance), "1100");
        }
        PasteOver(field(id), "");
        Click(1);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));

    PasteOver(field(kNiResistance), "1e300");  // no root within the step bound
    EXPECT_EQ(text(C), kOut);
    EXPECT_EQ(text(F), kOut);
    EXPECT_EQ(text(kNiSlope), kOut);
    PasteOver(field(C), "1e300");
    EXPECT_EQ(outputs(), (QStringList{"-inf", "-inf"}));  // c6 < 0 wins
    PasteOver(field(C), "nan");
    EXPECT_EQ(outputs(), (QStringList{kOut, kOut}));
    PasteOver(field(C), digits);
    EXPECT_EQ(text(F), "inf");
}

}  // namespace
}  // namespace tmcalc
