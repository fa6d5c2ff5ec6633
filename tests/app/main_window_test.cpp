#include "app/ui/main_window.h"

#include "app/shell_geometry.h"
#include "app/ui/page_registry.h"
#include "app/ui/pages.h"
#include "framework/ui/container_page.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/ui_context.h"
#include "resources/string_table.h"
#include "resources/ui/artwork/images.h"
#include "ui_test_util.h"
#include "standards/standards_test_support.h"

#include <QFontMetrics>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace tmcalc {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window = std::make_unique<MainWindow>(m_standards.store);
        ASSERT_TRUE(test::ShowActive(m_window.get()));
    }
    void Click(int x, int y) { QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, QPoint(x, y)); }
    int VisiblePages() const
    {
        int n = 0;
        for (int i = 0; i < kPageCount; ++i) n += m_window->page(i)->isVisible() ? 1 : 0;
        return n;
    }
    test::ScratchStandards m_standards;
    std::unique_ptr<MainWindow> m_window;
};

TEST_F(MainWindowTest, OpensCentredWithPageZeroAndEdgesAndDeadAreasChangeNothing)
{
    EXPECT_EQ(m_window->geometry(), QRect(310, 124, 1300, 831));
    EXPECT_TRUE(m_window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(m_window->currentPage(), 0);
    EXPECT_EQ(m_window->selectedNavigationItem(), 0);
    EXPECT_EQ(VisiblePages(), 1);
    for (int i = 0; i < kPageCount; ++i) EXPECT_EQ(m_window->page(i)->geometry(), QRect(223, 120, 1054, 537)) << i;
    const QImage image = m_window->grab().toImage();
    EXPECT_EQ(image.pixelColor(10, 140), QColor(238, 138, 138));  // Temperature selected
    EXPECT_EQ(image.pixelColor(10, 200), QColor(89, 115, 152));
    EXPECT_EQ(image.pixelColor(1290, 400), QColor(234, 238, 247));  // background beside the pages
    Click(100, 154);  // top edge of item 1 belongs to item 0, the current page
    EXPECT_EQ(m_window->currentPage(), 0);
    Click(100, 100 + 12 * 54 + 5);  // below the last item
    EXPECT_EQ(m_window->currentPage(), 0);
    Click(600, 400);  // on the window background right of the column (a page is there: it takes the click)
    Click(1290, 60);  // close column below the top strip
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(m_window->currentPage(), 0);
}

TEST_F(MainWindowTest, NavigationSwitchesPagesKeepingTheirTextsAndMoreTilesAndThermocoupleTabsWork)
{
    auto* celsius = m_window->page(0)->findChild<NumericEdit*>(QStringLiteral("edit_0"));
    ASSERT_NE(celsius, nullptr);
    test::Type(celsius, QStringLiteral("100"));
    Click(100, 100 + 3 * 54 + 20);
    EXPECT_EQ(m_window->currentPage(), 3);
    EXPECT_FALSE(m_window->page(0)->isVisible());
    EXPECT_TRUE(m_window->page(3)->isVisible());
    EXPECT_EQ(VisiblePages(), 1);
    Click(100, 120);
    EXPECT_EQ(m_window->currentPage(), 0);
    EXPECT_EQ(celsius->text(), "100");
    auto* kelvin = m_window->page(0)->findChild<NumericEdit*>(QStringLiteral("edit_2"));
    EXPECT_EQ(kelvin->text(), "373.15");
    // The More tiles lead to the unit pages and keep More selected.
    Click(100, 100 + 11 * 54 + 20);
    EXPECT_EQ(m_window->currentPage(), kMorePage);
    QWidget* more = m_window->page(kMorePage);
    // The grid is centred in the page's 1052 x 535 client area.
    const auto tiles = CentredTiles(MoreTileRects(1300.0), 1052, 535);
    const auto centre = [&tiles](int k) {
        const Edges& e = tiles[static_cast<std::size_t>(k)];
        return QPoint(1 + (e.left + e.right) / 2, 1 + (e.top + e.bottom) / 2);
    };
    QTest::mouseClick(more, Qt::LeftButton, {}, QPoint(1 + tiles[0].left, 1 + tiles[0].top));  // edge included
    EXPECT_EQ(m_window->currentPage(), 12);
    EXPECT_FALSE(more->isVisible());
    EXPECT_EQ(m_window->selectedNavigationItem(), kMorePage);
    Click(100, 100 + 11 * 54 + 20);
    QTest::mouseClick(more, Qt::LeftButton, {}, centre(10));
    EXPECT_EQ(m_window->currentPage(), 22);
    QTest::mouseClick(more, Qt::LeftButton, {}, QPoint(1 + tiles[0].right + 3, centre(0).y()));  // gap: nothing
    EXPECT_EQ(m_window->currentPage(), 22);
    Click(100, 100 + 11 * 54 + 20);
    QTest::mouseClick(more, Qt::LeftButton, {}, centre(11));  // the sixth column
    EXPECT_EQ(m_window->currentPage(), 23);
    EXPECT_EQ(PageTitleId(23), kStrTitleTemperatureDifference);
    Click(100, 100 + 11 * 54 + 20);
    QTest::mouseClick(more, Qt::LeftButton, {}, centre(12));
    EXPECT_EQ(m_window->currentPage(), 24);
    EXPECT_EQ(PageTitleId(24), kStrTitleHistoricScales);
    // The thermocouple tabs keep the type on clicks outside their row.
    Click(100, 100 + 54 + 20);
    auto* container = qobject_cast<ContainerPage*>(m_window->page(1));
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->selectedTab(), 0);
    EXPECT_TRUE(container->subPage(0)->isVisible());
    QTest::mouseClick(container, Qt::LeftButton, {}, QPoint(1 + 3 * 105 + 10, 1 + 110));
    EXPECT_EQ(container->selectedTab(), 3);
    EXPECT_TRUE(container->subPage(3)->isVisible());
    EXPECT_FALSE(container->subPage(0)->isVisible());
    QTest::mouseClick(container, Qt::LeftButton, {}, QPoint(1 + 700, 1 + 93));  // on the row's top edge
    QTest::mouseClick(container, Qt::LeftButton, {}, QPoint(1 + 700, 1 + 50));  // title band
    EXPECT_EQ(container->selectedTab(), 3);
}

TEST_F(MainWindowTest, CloseAreaEndsTheProgramWithCodeZero)
{
    QTimer::singleShot(0, m_window.get(), [this] { Click(1295, 5); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(7); });  // a safety net, never reached
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(m_window->isVisible());
}

// A text too wide for its tile wraps at words (once cut: "Coefficient Co", "e Tension Conv", "Viscosity Conv").
TEST(MoreTiles, EveryTextIsWholeInItsTileInBothLanguages)
{
    const auto tiles = MoreTileRects(Ui().geometry.W);
    const QFontMetrics metrics(MoreTileFont());
    int wrapped = 0;
    for (Language language : {Language::English, Language::Chinese}) {
        SetLanguage(language);
        for (int k = 0; k < kMoreTileCount; ++k) {
            const QRect tile = ToQRect(ToRect(tiles[static_cast<std::size_t>(k)]));
            const QString text = Str(MoreTileTextId(k));
            const QRect shown = metrics.boundingRect(tile, Qt::AlignCenter | Qt::TextWordWrap, text);
            EXPECT_TRUE(tile.contains(shown)) << text.toStdString();
            const bool fits = metrics.horizontalAdvance(text) <= tile.width();
            EXPECT_EQ(shown.height() < 2 * metrics.height(), fits) << text.toStdString();  // one line or more
            if (!fits) ++wrapped;
            if (language == Language::Chinese) { EXPECT_TRUE(fits) << text.toStdString(); }
        }
    }
    SetLanguage(Language::English);
    EXPECT_GE(wrapped, 3);
}

// Pages are made when first shown and then kept; the titles follow the language the window was made in.
TEST(MainWindowPages, AreMadeWhenFirstShownAndThenKeptWithChineseTitles)
{
    SetLanguage(Language::Chinese);
    test::ScratchStandards standards;
    MainWindow window(standards.store);
    SetLanguage(Language::English);
    EXPECT_EQ(window.windowTitle(), "单位换算");
    EXPECT_EQ(PageTitleId(kMorePage), 0);
    for (int i = 1; i < kPageCount; ++i) EXPECT_FALSE(window.isPageMade(i)) << i;
    EXPECT_TRUE(window.isPageMade(0));
    window.ShowPage(5);
    QWidget* page = window.page(5);
    window.ShowPage(0);
    window.ShowPage(5);
    EXPECT_EQ(window.page(5), page);
    EXPECT_TRUE(page->isVisibleTo(&window));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::current_path() / kStandardsFileName));
}

TEST(Artwork, ImagesAreCompiledInAtTheirSizes)
{
    ASSERT_TRUE(ImagesAvailable());
    const std::pair<int, QSize> images[] = {{11, {56, 19}},    {12, {1300, 120}}, {13, {1097, 151}},
                                            {14, {1097, 151}}, {15, {500, 297}},  {16, {526, 113}}};
    for (const auto& [id, size] : images) {
        const QImage& image = ArtworkImage(id);
        EXPECT_EQ(image.size(), size) << id;
        EXPECT_TRUE(image.hasAlphaChannel()) << id;
        // Read from the raw pixels, not an empty canvas of the right size.
        EXPECT_NE(image.pixel(size.width() / 2, size.height() / 2), 0u) << id;
    }
    EXPECT_EQ(ArtworkImage(5).size(), QSize(256, 256));
}

}  // namespace
}  // namespace tmcalc
