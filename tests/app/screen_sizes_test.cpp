// Every page, tab, tile and radio mode of the main window on six screens in both languages: each text is
// whole in its box, each field shows its digits uncut, and nothing lies outside its parent or on
// another text. One test per screen and language, so that ctest runs them side by side.
#include "app/ui/main_window.h"
#include "framework/ui/container_page.h"
#include "framework/ui/ui_context.h"
#include "resources/string_table.h"
#include "ui_test_util.h"
#include "ui_text_check.h"
#include "standards/standards_test_support.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QFontInfo>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <array>
#include <cstdio>
#include <set>
#include <string>

namespace tmcalc {
namespace {

struct Screen {
    int width = 0;
    int height = 0;
    Language language = Language::English;
};

std::string Name(const Screen& s)
{
    return std::to_string(s.width) + "x" + std::to_string(s.height) +
           (s.language == Language::Chinese ? "_zh" : "_en");
}

class ScreenWalk {
public:
    explicit ScreenWalk(MainWindow& window) : m_window(window) {}

    // The window's own texts (banner, navigation, footer) with no page over them.
    void CheckFrame()
    {
        QWidget* page = m_window.page(m_window.currentPage());
        page->hide();
        m_page = &m_window;
        Check("main window");
        page->show();
    }

    // Checks page `index` as it shows now, then every tab of every container and every radio mode on
    // the way.
    void WalkPage(int index)
    {
        m_window.ShowPage(index);
        m_page = m_window.page(index);
        Walk(m_page, "page " + std::to_string(index));
    }

    [[nodiscard]] const std::set<std::string>& problems() const { return m_problems; }

private:
    // `where` names the page and tab in the problems found.
    void Walk(QWidget* widget, const std::string& where)
    {
        if (auto* container = FindContainer(widget)) {
            for (int tab = 0; tab < container->tabCount(); ++tab) {
                container->selectTab(tab);
                Walk(container->subPage(tab), where + ", tab " + std::to_string(tab));
            }
            return;
        }
        Check(where);
        for (QRadioButton* radio : widget->findChildren<QRadioButton*>()) {
            if (!radio->isVisibleTo(widget) || radio->isChecked()) continue;
            QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(4, radio->height() / 2));
            Check(where);  // a text cut in several modes counts once
        }
    }

    static ContainerPage* FindContainer(QWidget* widget)
    {
        if (auto* container = qobject_cast<ContainerPage*>(widget)) return container;
        for (auto* child : widget->findChildren<ContainerPage*>(Qt::FindDirectChildrenOnly))
            if (child->isVisibleTo(widget)) return child;
        return nullptr;
    }

    void Check(const std::string& where)
    {
        QApplication::processEvents();
        for (const std::string& p : test::UnreadableTexts(*m_page, test::PaintedTextsOf(*m_page)))
            m_problems.insert(where + ": " + p);
    }

    MainWindow& m_window;
    QWidget* m_page = nullptr;
    std::set<std::string> m_problems;
};

class EveryScreen : public ::testing::TestWithParam<Screen> {
protected:
    void TearDown() override
    {
        SetLanguage(Language::English);
    }
};

TEST_P(EveryScreen, NothingIsCutOrOutOfPlace)
{
    const Screen& screen = GetParam();
    const ScreenOverride screenSize(screen.width, screen.height);
    SetLanguage(screen.language);
    test::ScratchStandards standards;
    MainWindow window(standards.store);
    window.show();
    ScreenWalk walk(window);
    walk.CheckFrame();
    for (int page = 0; page < kPageCount; ++page) {
        walk.WalkPage(page);
        const QRect client = window.rect().adjusted(0, window.layout().banner.bottom, 0, 0);
        if (!client.contains(window.page(page)->geometry()))
            ADD_FAILURE() << "page " << page << " outside the window under the banner";
    }
    std::printf("%s: %zu texts cut or out of place\n", Name(screen).c_str(), walk.problems().size());
    for (const std::string& p : walk.problems()) ADD_FAILURE() << p;
}

// Indicators, menus and combo arrows double with the window from 1920 x 1080 to 3840 x 2160.
TEST(ScreenScale, IndicatorsMenusAndArrowsFollowTheWindow)
{
    const auto measure = [] {
        QComboBox combo;
        combo.resize(200, 40);
        QStyleOptionComboBox option;
        option.initFrom(&combo);
        const QStyle* style = QApplication::style();
        return std::array<int, 5>{
            style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth), style->pixelMetric(QStyle::PM_IndicatorHeight),
            style->pixelMetric(QStyle::PM_HeaderMargin), QFontInfo(QApplication::font("QMenu")).pixelSize(),
            style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, &combo).width()};
    };
    const auto design = measure();
    {
        const ScreenOverride doubledScreen(3840, 2160);
        const auto doubled = measure();
        for (std::size_t k = 0; k < design.size(); ++k) EXPECT_EQ(doubled[k], 2 * design[k]) << k;
    }
    EXPECT_EQ(measure(), design);
}

std::vector<Screen> Screens()
{
    std::vector<Screen> out;
    for (const auto& [w, h] :
         {std::pair{1280, 720}, {1366, 768}, {1600, 900}, {1920, 1080}, {2560, 1440}, {3840, 2160}})
        for (Language language : {Language::English, Language::Chinese}) out.push_back({w, h, language});
    return out;
}

INSTANTIATE_TEST_SUITE_P(Screens, EveryScreen, ::testing::ValuesIn(Screens()),
                         [](const auto& p) { return Name(p.param); });

}  // namespace
}  // namespace tmcalc
