// The container as a user meets it: tabs, switching, both languages, and once through the main window.
#include "rtd/rtd_pages.h"

#include "app/main_window.h"
#include "framework/numeric_edit.h"
#include "framework/sub_page_tabs.h"
#include "framework/ui_context.h"
#include "resources/string_table.h"
#include "rtd/coefficient_sub_page.h"
#include "rtd/nickel_sub_page.h"
#include "rtd/sensor_sub_page.h"
#include "ui_test_util.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QLabel>
#include <QRadioButton>

#include <memory>
#include <ostream>

// Readable failures: the texts rather than their bytes.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << texts.join(" | ").toStdString();
}

namespace tmcalc {
namespace {

const char* const kSubPageNames[] = {"gyrdzPt100", "gyrdzPt50", "gyrdzPtX",        "gyrdzCu100",
                                     "gyrdzCu50",  "gyrdzNi",   "gyrdzPtCalCoffe", "gyrdzCuCalCoffe"};

class RtdContainerTest : public ::testing::Test {
protected:
    void Open()
    {
        m_container = std::make_unique<WorkRtdContainer>(nullptr, QRect(0, 0, 1054, 537));
        ASSERT_TRUE(test::ShowActive(m_container.get()));
    }
    void TearDown() override { SetLanguage(Language::English); }

    void ClickTab(int tab)
    {
        const Rect r = SubPageTabRects(m_container->clientArea().width, 8)[static_cast<std::size_t>(tab)];
        const QPoint centre(r.x + r.width / 2, r.height / 2);  // the strip starts at the band's top
        QTest::mouseClick(m_container->tabs(), Qt::LeftButton, {}, centre);
    }

    [[nodiscard]] int VisibleSubPages() const
    {
        int n = 0;
        for (int i = 0; i < 8; ++i) n += m_container->subPage(i)->isVisible() ? 1 : 0;
        return n;
    }

    std::unique_ptr<WorkRtdContainer> m_container;
};

TEST_F(RtdContainerTest, OpensOnPt100UnderTheTitleAndTheTabs)
{
    Open();
    EXPECT_EQ(m_container->titleId(), 107);
    EXPECT_EQ(m_container->selectedTab(), 0);
    EXPECT_EQ(VisibleSubPages(), 1);
    Page* pt100 = m_container->subPage(0);
    EXPECT_TRUE(pt100->isVisible());
    EXPECT_EQ(pt100->edit(kRtdR0)->text(), "100.00");
    EXPECT_FALSE(pt100->edit(kRtdR0)->isEnabled());
    // The band under the title band (93 pixels of 1052): 93 to 139, then the sub-pages two pixels lower.
    EXPECT_EQ(m_container->tabs()->geometry(), QRect(1, 94, 1052, 46));
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(m_container->subPage(i)->geometry(), QRect(1, 142, 1052, 394)) << i;
        EXPECT_EQ(m_container->subPage(i)->objectName(), kSubPageNames[i]);
    }

    const QImage image = m_container->grab().toImage();
    EXPECT_EQ(image.pixelColor(5, 5), QColor(11, 75, 136));       // title band
    EXPECT_EQ(image.pixelColor(60, 100), QColor(238, 138, 138));  // Pt100 tab selected
    EXPECT_EQ(image.pixelColor(200, 100), QColor(89, 115, 152));
    const QColor line = image.pixelColor(500, 140);  // the selection colour at alpha 200 over white
    EXPECT_GT(line.red() - line.green(), 50);
    EXPECT_EQ(image.pixelColor(500, 300), QColor(Qt::white));
}

TEST_F(RtdContainerTest, EachTabShowsItsSubPageAndEveryTextSurvivesSwitching)
{
    Open();
    for (int tab = 7; tab >= 0; --tab) {
        ClickTab(tab);
        EXPECT_EQ(m_container->selectedTab(), tab);
        EXPECT_TRUE(m_container->subPage(tab)->isVisible()) << tab;
        EXPECT_EQ(VisibleSubPages(), 1);
    }

    Page* pt100 = m_container->subPage(0);
    test::Type(pt100->edit(kRtdCelsius), "100");
    ClickTab(4);
    Page* cu50 = m_container->subPage(4);
    test::Type(cu50->edit(kRtdCelsius), "100");
    EXPECT_EQ(cu50->edit(kRtdResistance)->text(), "71.4");
    ClickTab(5);
    Page* ni = m_container->subPage(5);
    test::Type(ni->edit(kNiCelsius), "100");
    EXPECT_EQ(ni->edit(kNiResistance)->text(), "1617.785");
    ClickTab(6);
    auto* ptFit = static_cast<RtdCoefficientSubPage*>(m_container->subPage(6));
    test::Type(ptFit->edit(8), "84.2707");
    test::Type(ptFit->edit(11), "138.5055");
    test::Type(ptFit->edit(14), "212.0515");
    EXPECT_EQ(ptFit->edit(16)->text(), "0.003908300000000");

    ClickTab(0);
    EXPECT_FALSE(ptFit->isVisible());
    EXPECT_EQ(pt100->edit(kRtdResistance)->text(), "138.5055");
    EXPECT_EQ(pt100->edit(kRtdSlope)->text(), "0.3792800");
    ClickTab(4);
    EXPECT_EQ(cu50->edit(3)->text(), "671.67");
    ClickTab(5);
    EXPECT_EQ(ni->edit(kNiSlope)->text(), "6.926");
    ClickTab(6);
    // The fitted coefficients are kept with the texts: the check row uses them.
    test::Type(ptFit->edit(ptFit->checkTemperatureId()), "100");
    EXPECT_EQ(ptFit->edit(ptFit->checkResistanceId())->text(), "138.5055000");
}

TEST_F(RtdContainerTest, ClicksOutsideTheTabsChangeNothing)
{
    Open();
    ClickTab(3);
    QTest::mouseClick(m_container->tabs(), Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseClick(m_container.get(), Qt::LeftButton, {}, QPoint(500, 50));  // on the title band
    EXPECT_EQ(m_container->selectedTab(), 3);
    EXPECT_EQ(VisibleSubPages(), 1);
}

// Every sub-page in both languages: saved as PNGs to look at, and no label or unit text cut, outside the
// page, under an edit box or over another text.
TEST_F(RtdContainerTest, EverySubPageReadsInBothLanguages)
{
    const QString dir = QDir::temp().filePath(QStringLiteral("rtd_pages"));
    QDir().mkpath(dir);
    for (Language language : {Language::English, Language::Chinese}) {
        SetLanguage(language);
        Open();
        const QString tag = language == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
        for (int tab = 0; tab < 8; ++tab) {
            ClickTab(tab);
            Page* sub = m_container->subPage(tab);
            if (tab < 5) test::Type(sub->edit(kRtdCelsius), "-123.456");
            if (tab == 5) test::Type(sub->edit(kNiResistance), "1234.5678");
            if (tab >= 6) {
                // Fitted coefficients and a check: the widest texts these pages show.
                const bool pt = tab == 6;
                test::Type(sub->edit(8), pt ? "84.2707" : "71.4");
                test::Type(sub->edit(11), pt ? "138.5055" : "82.1343");
                test::Type(sub->edit(14), pt ? "212.0515" : "47.8542");
                test::Type(sub->edit(pt ? 3043 : 3045), "-60.123456");
                EXPECT_FALSE(sub->edit(pt ? 3042 : 3044)->text().isEmpty());
            }
            const std::vector<std::string> problems = test::UnreadableTexts(*sub);
            EXPECT_TRUE(problems.empty()) << tag.toStdString() << ' ' << tab << ": " << problems.front();
            m_container->grab().save(
                QStringLiteral("%1/%2_%3_%4.png").arg(dir, tag).arg(tab).arg(kSubPageNames[tab]));
        }
        for (int k = 1; k <= 4; ++k) {
            const QRadioButton* b = static_cast<NickelSubPage*>(m_container->subPage(5))->presetButton(k);
            EXPECT_LE(b->sizeHint().width(), b->width()) << k;
        }
    }
    SetLanguage(Language::Chinese);
    Open();
    EXPECT_EQ(m_container->subPage(0)->field(kRtdCelsius)->label->text(), "\u6444\u6c0f\u5ea6");
    test::Type(m_container->subPage(0)->edit(kRtdCelsius), "900");
    EXPECT_EQ(m_container->subPage(0)->edit(kRtdResistance)->text(), "\u8d85\u51fa\u8303\u56f4");
}

TEST(RtdThroughMainWindow, NavigationItemTwoThenATab)
{
    MainWindow window;
    ASSERT_TRUE(test::ShowActive(&window));
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(100, 100 + 2 * 54 + 20));
    ASSERT_EQ(window.currentPage(), 2);
    auto* container = qobject_cast<WorkRtdContainer*>(window.page(2));
    ASSERT_NE(container, nullptr);
    EXPECT_TRUE(container->isVisible());
    EXPECT_TRUE(container->subPage(0)->isVisible());

    const Rect ptx = SubPageTabRects(container->clientArea().width, 8)[2];
    QTest::mouseClick(container->tabs(), Qt::LeftButton, {}, QPoint(ptx.x + ptx.width / 2, ptx.height / 2));
    Page* page = container->subPage(2);
    ASSERT_TRUE(page->isVisible());
    EXPECT_EQ(page->objectName(), "gyrdzPtX");
    test::Type(page->edit(kRtdResistance), "25");
    EXPECT_EQ(page->edit(kRtdCelsius)->text(), "0.0");
    EXPECT_EQ(page->edit(2)->text(), "273.15");
}

}  // namespace
}  // namespace tmcalc
