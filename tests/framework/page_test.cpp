#include "framework/ui/page.h"

#include "framework/ui/numeric_edit.h"
#include "framework/ui/sub_page_tabs.h"
#include "framework/ui/ui_context.h"
#include "ui_test_util.h"

#include <QLabel>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace tmcalc {
namespace {

// A page that records which fields drove a recompute and echoes the driving text into field 10.
class RecordingPage : public Page {
public:
    RecordingPage() : Page(nullptr, QRect(0, 0, 1054, 537), 105, true)
    {
        BuildInputOutputRows(201, 211);
        ShareFocusFlag({0, 1});
    }
    std::vector<int> driven;

protected:
    void Recompute(int id) override
    {
        driven.push_back(id);
        edit(10)->setText(edit(id)->text());
        edit(11)->setText(QStringLiteral("x"));  // writing other fields never drives
    }
};

TEST(PageFramework, OnlyTheFocusedFieldDrivesAndWrittenFieldsDoNot)
{
    RecordingPage page;
    ASSERT_TRUE(test::ShowActive(&page));
    page.edit(3)->setText(QStringLiteral("5"));  // no focus: no recompute
    EXPECT_TRUE(page.driven.empty());
    test::Type(page.edit(3), QStringLiteral("12"));
    EXPECT_EQ(page.driven, (std::vector<int>{3, 3}));
    EXPECT_EQ(page.edit(10)->text(), "512");
    EXPECT_EQ(page.edit(11)->text(), "x");
}

TEST(PageFramework, SharedFocusFlagLetsEitherFieldDrive)
{
    RecordingPage page;
    ASSERT_TRUE(test::ShowActive(&page));
    test::Focus(page.edit(0));
    page.edit(1)->setText(QStringLiteral("7"));  // shares the flag of field 0, which has the focus
    EXPECT_EQ(page.driven, (std::vector<int>{1}));
    test::Focus(page.edit(2));  // leaving 0 clears the shared flag
    page.edit(1)->setText(QStringLiteral("8"));
    EXPECT_EQ(page.driven, (std::vector<int>{1}));
}

TEST(PageFramework, BuilderIdsLabelsAndFonts)
{
    RecordingPage page;
    ASSERT_EQ(page.fields().size(), 8u);
    const std::vector<int> ids{0, 1, 2, 3, 4, 10, 11, 12};
    for (std::size_t i = 0; i < ids.size(); ++i) {
        Field* f = page.fields()[i];
        EXPECT_EQ(f->id, ids[i]);
        EXPECT_EQ(f->edit->font().pixelSize(), 27);
        EXPECT_EQ(f->label->font().pixelSize(), 16);
        EXPECT_EQ(f->label->alignment(), Qt::AlignRight | Qt::AlignVCenter);
        EXPECT_EQ(f->unit->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        EXPECT_TRUE(f->edit->text().isEmpty());
    }
    EXPECT_EQ(page.fields()[5]->unit->text(), Str(216));
}

TEST(PageFramework, TitleBandIsPaintedInItsColours)
{
    RecordingPage page;
    const QImage image = page.grab().toImage();
    EXPECT_EQ(image.pixelColor(5, 5), QColor(11, 75, 136));
    EXPECT_EQ(image.pixelColor(5, 200), QColor(Qt::white));
}

TEST(SubPageTabStrip, ClickChoosesTheTabUnderThePointer)
{
    QWidget container;
    container.resize(1052, 535);
    SubPageTabs tabs(&container, SubPageTabRects(1052, 4), 20010);
    QSignalSpy chosen(&tabs, &SubPageTabs::subPageChosen);
    EXPECT_EQ(tabs.selected(), 0);
    EXPECT_EQ(tabs.geometry(), QRect(0, 93, 1052, 46));
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, QPoint(263, 10));  // first pixel of tab 1
    EXPECT_EQ(tabs.selected(), 1);
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, QPoint(1051, 45));
    EXPECT_EQ(tabs.selected(), 3);
    QTest::mouseClick(&tabs, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(tabs.selected(), 3);
    QTest::mousePress(&tabs, Qt::LeftButton, {}, QPoint(600, 10));  // the release chooses, not the press
    EXPECT_EQ(tabs.selected(), 3);
    QTest::mouseRelease(&tabs, Qt::LeftButton, {}, QPoint(600, 10));
    EXPECT_EQ(tabs.selected(), 2);
    ASSERT_EQ(chosen.count(), 3);
    EXPECT_EQ(chosen.at(1).at(0).toInt(), 3);
    const QImage image = tabs.grab().toImage();
    EXPECT_EQ(image.pixelColor(600, 40), QColor(238, 138, 138));
    EXPECT_EQ(image.pixelColor(3, 3), QColor(89, 115, 152));
}

TEST(NumericFilter, CharacterSet)
{
    for (QChar c : QStringLiteral("0123456789eE.-~")) EXPECT_TRUE(IsNumericFieldChar(c)) << static_cast<int>(c.unicode());
    for (QChar c : QStringLiteral("+ ,aEfx\t℃")) {
        if (c == QLatin1Char('E')) continue;
        EXPECT_FALSE(IsNumericFieldChar(c)) << static_cast<int>(c.unicode());
    }
}

}  // namespace
}  // namespace tmcalc

namespace tmcalc {
namespace {

// The widest grid: three columns of nine rows on the wide builder, with the length units' texts (the
// longest of the three-column pages). Units of one column sit under the labels of the next, and the
// first labels start left of the page.
class WideGridPage : public Page {
public:
    explicit WideGridPage(bool chinese) : Page(nullptr, QRect(223, 120, 1054, 537), 189, true)
    {
        BuildWideFieldGrid(9, 3, 0, 0);
        static const char* const kEnglish[] = {
            "Meter", "kilometer", "Decimeter", "Centimeter", "Millimeter", "Micron", "Nano", "Picometer",
            "Light year", "inch", "mil", "Foot", "Yard", "Mile", "Nautical mile", "Fathom", "furlong", "cn mile",
            "Ten feet", "cn foot", "cn inch", "cn fen", "cn li", "cn hao", "Astronomy"};
        static const char* const kChinese[] = {"米", "千米", "分米", "厘米", "毫米", "微米", "纳米", "皮米", "光年",
                                               "英寸", "密耳", "英尺", "码", "英里", "海里", "海寻", "弗隆", "里",
                                               "丈", "尺", "寸", "分", "厘", "毫", "天文单位"};
        static const char* const kUnits[] = {"m",   "km",   "dm",       "cm",        "mm",     "um",     "nm",
                                             "pm",  "ly",   "in",       "mil",       "ft",     "yd",     "mile",
                                             "n mile", "fm", "fur",     "mile(cn)",  "zhang(cn)", "chi(cn)",
                                             "cun(cn)", "fen(cn)", "li(cn)", "hao(cn)", "Au"};
        for (std::size_t i = 0; i < fields().size(); ++i) {
            if (i >= 25) {
                fields()[i]->edit->hide();
                continue;
            }
            fields()[i]->label->setText(QString::fromUtf8(chinese ? kChinese[i] : kEnglish[i]));
            fields()[i]->unit->setText(QString::fromUtf8(kUnits[i]));
        }
    }

protected:
    void Recompute(int /*id*/) override {}
};

TEST(OverlappingGeometry, NoTextIsHiddenOnTheWidestGrid)
{
    for (bool chinese : {false, true}) {
        WideGridPage page(chinese);
        EXPECT_EQ(test::UnreadableTexts(page), std::vector<std::string>{}) << (chinese ? "Chinese" : "English");
        // Edit boxes take every click inside them, also where a neighbour's label box overlaps them.
        for (Field* f : page.fields()) {
            if (!f->edit->isVisibleTo(&page)) continue;
            const QPoint inside = f->edit->geometry().topRight() + QPoint(-2, 2);
            EXPECT_EQ(page.childAt(inside), f->edit) << f->id;
        }
    }
}

}  // namespace
}  // namespace tmcalc
