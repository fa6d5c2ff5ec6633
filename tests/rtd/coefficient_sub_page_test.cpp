#include "rtd/coefficient_sub_page.h"

#include "framework/numeric_edit.h"
#include "ui_test_util.h"

#include <gtest/gtest.h>
#include <QLabel>

#include <chrono>
#include <cmath>
#include <memory>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out);
void PrintTo(const QStringList& texts, std::ostream* out);

namespace tmcalc {
namespace {

using test::PasteOver;
using test::Type;

const QString kOut = QStringLiteral("Out of Rage.");

class CoefficientSubPageTest : public ::testing::Test {
protected:
    void Open(RtdMetal metal)
    {
        m_page = std::make_unique<RtdCoefficientSubPage>(nullptr, QRect(0, 0, 1052, 394), metal);
        ASSERT_TRUE(test::ShowActive(m_page.get()));
    }

    QLineEdit* cell(int id) const { return m_page->edit(id); }
    QString text(int id) const { return cell(id)->text(); }
    QStringList results() const { return {text(16), text(18), text(20)}; }
    QLineEdit* checkT() const { return cell(m_page->checkTemperatureId()); }
    QLineEdit* checkR() const { return cell(m_page->checkResistanceId()); }

    void Enter(QLineEdit* edit, const QString& keys)
    {
        test::Focus(edit);
        edit->selectAll();
        QTest::keyClicks(edit, keys);
    }
    void Enter(int id, const QString& keys) { Enter(cell(id), keys); }

    std::unique_ptr<RtdCoefficientSubPage> m_page;
};

TEST_F(CoefficientSubPageTest, GridOpensWithItsDefaultTexts)
{
    Open(RtdMetal::Platinum);
    EXPECT_EQ(m_page->objectName(), "gyrdzPtCalCoffe");
    QStringList texts;
    for (int i = 0; i < kCoefficientCellCount; ++i) texts << text(i);
    EXPECT_EQ(texts, (QStringList{"",
                                  "Temperature \u2103",
                                  "Resistance \u03a9",
                                  "R0",
                                  "0",
                                  "100",
                                  "neg temp pt",
                                  "-40",
                                  "",
                                  "posi temp pt",
                                  "100",
                                  "",
                                  "posi temp pt",
                                  "300",
                                  "",
                                  "A",
                                  "",
                                  "B",
                                  "",
                                  "C",
                                  ""}));
    EXPECT_EQ(m_page->checkTemperatureId(), 3042);
    EXPECT_EQ(m_page->checkResistanceId(), 3043);
    EXPECT_EQ(m_page->field(3042)->label->text(), "Temperature");
    EXPECT_EQ(m_page->field(3043)->label->text(), "Resistance");
    EXPECT_EQ(m_page->field(3042)->unit->text(), "\u2103");
    EXPECT_EQ(m_page->field(3043)->unit->text(), "\u03a9");
    EXPECT_EQ(cell(0)->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_EQ(cell(8)->accessibleName(), "neg temp pt Resistance \u03a9");
    EXPECT_EQ(cell(4)->accessibleName(), "R0 Temperature \u2103");
    EXPECT_EQ(cell(20)->accessibleName(), "C");

    Open(RtdMetal::Copper);
    EXPECT_EQ(m_page->objectName(), "gyrdzCuCalCoffe");
    texts.clear();
    for (int i = 0; i < kCoefficientCellCount; ++i) texts << text(i);
    EXPECT_EQ(texts, (QStringList{"",
                                  "Temperature \u2103",
                                  "Resistance \u03a9",
                                  "R0",
                                  "0",
                                  "50",
                                  "temp pt",
                                  "100",
                                  "",
                                  "temp pt",
                                  "150",
                                  "",
                                  "temp pt",
                                  "-10",
                                  "",
                                  "\u03b1",
                                  "",
                                  "\u03b2",
                                  "",
                                  "\u03b3",
                                  ""}));
    EXPECT_EQ(m_page->checkTemperatureId(), 3044);
    EXPECT_EQ(m_page->checkResistanceId(), 3045);
    EXPECT_EQ(m_page->field(3044)->label->text(), "Temperature");
}

TEST_F(CoefficientSubPageTest, PlatinumFitReproducesTheStandardCoefficients)
{
    Open(RtdMetal::Platinum);
    // Nothing until every input is filled in (an empty cell reads as 0, which means "not yet").
    Type(cell(8), "84.2707");
    Type(cell(11), "138.5055");
    EXPECT_EQ(results(), (QStringList{"", "", ""}));
    Type(cell(14), "212.0515");
    // A and B to about 12 digits; C is limited by the 0.1 mΩ resistance at -40 °C (IEC: -4.183e-12).
    EXPECT_EQ(results(), (QStringList{"0.003908300000000", "-0.000000577500000", "-0.000000000004129"}));
    EXPECT_NEAR(m_page->fitted()[0], 3.9083e-3, 1e-17);
    EXPECT_NEAR(m_page->fitted()[1], -5.775e-7, 1e-17);
    EXPECT_NEAR(m_page->fitted()[2], -4.129e-12, 1e-15);

    // The check row converts with the fitted coefficients, both ways, 12 digits and 7 decimals.
    Type(checkT(), "100");
    EXPECT_EQ(checkR()->text(), "138.5055000");
    Enter(checkT(), "-100");
    EXPECT_EQ(checkR()->text(), "60.2569107");
    Enter(checkT(), "850.1");  // a tenth beyond the range still converts
    EXPECT_EQ(checkR()->text(), "390.5103899");
    Enter(checkT(), "850.2");
    EXPECT_EQ(checkR()->text(), kOut);
    Enter(checkR(), "138.5055");
    EXPECT_EQ(checkT()->text(), "100.0000000");
    Enter(checkR(), "60.2558");
    EXPECT_EQ(checkT()->text(), "-100.0027407");
    Enter(checkR(), "100");  // W exactly 1
    EXPECT_EQ(checkT()->text(), "0.");
}

TEST_F(CoefficientSubPageTest, EqualUpperTemperaturesGiveNoCoefficients)
{
    Open(RtdMetal::Platinum);
    Type(cell(8), "84.2707");
    Type(cell(11), "138.5055");
    Type(cell(14), "212.0515");
    PasteOver(cell(13), "100");
    EXPECT_EQ(results(), (QStringList{kOut, kOut, kOut}));
    EXPECT_TRUE(std::isnan(m_page->fitted()[0]));
    Type(checkT(), "50");
    EXPECT_EQ(checkR()->text(), kOut);
    PasteOver(cell(13), "300");
    EXPECT_EQ(results()[0], "0.003908300000000");
}

TEST_F(CoefficientSubPageTest, ZeroOrMissingInputsLeaveTheResults)
{
    Open(RtdMetal::Platinum);
    Type(cell(8), "84.2707");
    Type(cell(11), "138.5055");
    Type(cell(14), "212.0515");
    const QStringList fitted = results();
    for (int id : {5, 7, 8, 10, 11, 13, 14}) {
        const QString kept = text(id);
        for (const char* unfilled : {"0", "", "abc", "-0", "0e5"}) {
            PasteOver(cell(id), unfilled);
            EXPECT_EQ(results(), fitted) << id << ' ' << unfilled;
        }
        PasteOver(cell(id), kept);
    }
    // The temperature of R0 is not read, yet its edits run the fit like the other inputs.
    PasteOver(cell(4), "20");
    EXPECT_EQ(results(), fitted);
}

TEST_F(CoefficientSubPageTest, OnlyTheEightInputCellsFit)
{
    Open(RtdMetal::Platinum);
    Type(cell(8), "84.2707");
    Type(cell(11), "138.5055");
    // Written by the program while no input cell has the focus: no fit. (The program writes only the
    // result cells and the check row, never an input cell.)
    test::Focus(cell(0));
    cell(14)->setText("212.0515");
    EXPECT_EQ(results(), (QStringList{"", "", ""}));
    for (int id : {0, 1, 2, 3, 6, 9, 12, 15, 16, 17, 18, 19, 20}) Type(cell(id), "5");
    EXPECT_EQ(results(), (QStringList{"5", "5", "5"}));  // typed into, nothing fitted
    Type(cell(14), "");                                  // focus and no change: nothing
    EXPECT_EQ(text(16), "5");
    // The flag is shared by the eight input cells: moving from one to another and typing fits.
    test::Focus(cell(5));
    test::Focus(cell(14));
    QTest::keyClick(cell(14), Qt::Key_Backspace);
    QTest::keyClick(cell(14), Qt::Key_5);
    EXPECT_EQ(results()[0], "0.003908300000000");
}

TEST_F(CoefficientSubPageTest, CheckRowBeforeAnyFitUsesZeroCoefficients)
{
    Open(RtdMetal::Platinum);
    Type(checkT(), "50");
    EXPECT_EQ(checkR()->text(), "100.0000000");  // R0 (1 + 0 t)
    Enter(checkR(), "120");
    EXPECT_EQ(checkT()->text(), kOut);
    // R0 or the typed value without a number: nothing happens.
    PasteOver(cell(5), "abc");
    Enter(checkT(), "25");
    EXPECT_EQ(checkR()->text(), "120");
    PasteOver(cell(5), "100");
    PasteOver(checkT(), "junk");
    EXPECT_EQ(checkR()->text(), "120");
}

TEST_F(CoefficientSubPageTest, CopperFitAndCheckRow)
{
    Open(RtdMetal::Copper);
    // Cu50 resistances of the standard at 100, 150 and -10 °C.
    Type(cell(8), "71.4");
    Type(cell(11), "82.1343");
    Type(cell(14), "47.8542");
    EXPECT_EQ(results(), (QStringList{"0.004280000000000", "-0.000000093146970", "0.000000001230758"}));
    // 12 digits and 12 decimals, trailing zeros dropped in the general form.
    Type(checkT(), "100");
    EXPECT_EQ(checkR()->text(), "71.4");
    Enter(checkT(), "50");
    EXPECT_EQ(checkR()->text(), "60.7039511364");
    Enter(checkT(), "150.2");
    EXPECT_EQ(checkR()->text(), kOut);
    Enter(checkR(), "60");
    EXPECT_EQ(checkT()->text(), "46.7082324705");
    Enter(checkR(), "50");
    EXPECT_EQ(checkT()->text(), "0.");
}

TEST_F(CoefficientSubPageTest, SingularCopperSystemShowsThePreviousCoefficientsAgain)
{
    Open(RtdMetal::Copper);
    Type(cell(8), "71.4");
    Type(cell(11), "82.1343");
    Type(cell(14), "47.8542");
    const QStringList fitted = results();
    Type(cell(16), "9");  // a result cell is passive: typing into it changes nothing else
    EXPECT_EQ(text(16), "0.0042800000000009");
    PasteOver(cell(10), "100");  // two points at 100 °C
    EXPECT_EQ(results(), fitted);
    Type(checkT(), "100");
    EXPECT_EQ(checkR()->text(), "71.4");
}

TEST_F(CoefficientSubPageTest, MistypedPointsAndBadInputAnswerAtOnce)
{
    // A fit from a mistyped point makes the check row's Newton iteration diverge on every keystroke; it
    // gives up within its step bound.
    Open(RtdMetal::Platinum);
    Type(cell(8), "84.2707");
    Type(cell(11), "138.5055");
    Type(cell(14), "21.0515");
    auto start = std::chrono::steady_clock::now();
    Type(checkR(), "80.5");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    EXPECT_EQ(checkT()->text(), kOut);

    const QString digits(2000, QLatin1Char('9'));
    start = std::chrono::steady_clock::now();
    for (RtdMetal metal : {RtdMetal::Platinum, RtdMetal::Copper}) {
        Open(metal);
        const int ids[] = {4, 5, 7, 8, 10, 11, 13, 14, m_page->checkTemperatureId(), m_page->checkResistanceId(),
                           0};
        for (int id : ids) {
            for (const QString& input : {QString("1e300"), QString("-1e10"), QString("1e12"), QString("nan"),
                                         QString("-inf"), QString("-5"), digits, QString(2000, QChar(0x6e29))}) {
                PasteOver(cell(id), input);
                PasteOver(checkR(), "80.5");
                PasteOver(checkT(), "20");
            }
        }
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

}  // namespace
}  // namespace tmcalc
