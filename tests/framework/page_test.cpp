#include "framework/ui/page.h"

#include "framework/ui/container_page.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/sub_page_tabs.h"
#include "framework/ui/ui_context.h"
#include "ui_test_util.h"

#include <QLabel>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace tmcalc {
namespace {

// A page that records which fields drove a recompute and echoes the driving text into field 10.
class RecordingPage : public Page {
public:
    RecordingPage() : Page(nullptr, test::PageRectAtOrigin(), 105, true)
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

// Builder ids, fonts, colours; only the focused field (or one sharing its flag) drives, never a written one.
TEST(PageFramework, BuilderLaysOutFieldsAndOnlyTheFocusedFieldDrives)
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
    const QImage image = page.grab().toImage();
    EXPECT_EQ(image.pixelColor(5, 5), QColor(11, 75, 136));
    EXPECT_EQ(image.pixelColor(5, 200), QColor(Qt::white));
    ASSERT_TRUE(test::ShowActive(&page));
    page.edit(3)->setText(QStringLiteral("5"));  // no focus: no recompute
    EXPECT_TRUE(page.driven.empty());
    test::Type(page.edit(3), QStringLiteral("12"));
    EXPECT_EQ(page.driven, (std::vector<int>{3, 3}));
    EXPECT_EQ(page.edit(10)->text(), "512");
    EXPECT_EQ(page.edit(11)->text(), "x");
    page.driven.clear();
    test::Focus(page.edit(0));
    page.edit(1)->setText(QStringLiteral("7"));  // shares the flag of field 0, which has the focus
    EXPECT_EQ(page.driven, (std::vector<int>{1}));
    test::Focus(page.edit(2));  // leaving 0 clears the shared flag
    page.edit(1)->setText(QStringLiteral("8"));
    EXPECT_EQ(page.driven, (std::vector<int>{1}));
}

// A row relabelled "a7" must not still answer to "a4" for a screen reader; a bare cell answers to its headings.
class DataPage : public Page {
public:
    DataPage() : Page(nullptr, test::PageRectAtOrigin(), 0, false)
    {
        BuildFieldGridInRect({10, 10, 600, 300}, 1, 2, 617, 0, {ReadRule::Written, DisplayFormat::Show(10, 7)});
        AddCell({50}, {700, 10, 100, 40}, EditStyle::Plain, QStringLiteral("neg temp pt"), QStringLiteral("R"));
    }

protected:
    void Recompute(int /*id*/) override {}
};

TEST(PageFramework, FieldsAsDataAndTheNumericCharacterSet)
{
    DataPage page;
    page.RelabelField(617, QStringLiteral("a7"), QStringLiteral("Ω"));
    EXPECT_EQ(page.field(617)->label->text(), "a7");
    EXPECT_EQ(page.edit(617)->accessibleName(), "a7 Ω");
    EXPECT_EQ(page.edit(50)->accessibleName(), "neg temp pt R");
    EXPECT_EQ(page.field(50)->label, nullptr);
    page.RelabelField(50, QStringLiteral("x"), QStringLiteral("y"));  // a cell has no label: nothing happens
    page.show();
    page.SetFieldShown(618, false);
    EXPECT_FALSE(page.field(618)->label->isVisible() || page.edit(618)->isVisible() ||
                 page.field(618)->unit->isVisible());
    page.SetFieldShown(618, true);
    EXPECT_TRUE(page.edit(618)->isVisible());
    EXPECT_TRUE(page.Show(617, 0.5));
    EXPECT_EQ(page.edit(617)->text(), "0.5000000");
    EXPECT_FALSE(page.Show(617, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_TRUE(std::isnan(page.Read(617).value));  // the out-of-range text the program wrote
    page.edit(50)->setText(QStringLiteral("Out of Rage."));
    EXPECT_FALSE(page.Read(50).consumed);  // typed: no number
    page.edit(50)->setText(QStringLiteral(" 2.5e1x"));
    EXPECT_EQ(page.Read(50).value, 25.0);
    // The characters a numeric field takes.
    for (QChar c : QStringLiteral("0123456789eE.-~")) EXPECT_TRUE(IsNumericFieldChar(c)) << +c.unicode();
    for (QChar c : QStringLiteral("+ ,afx\t℃")) EXPECT_FALSE(IsNumericFieldChar(c)) << +c.unicode();
}

TEST(ContainerPageTest, HostsAnyWidget)
{
    const ContainerOptions options{105, 20010, 3, ContainerTabs::Strip, QColor(238, 138, 138, 200)};
    ContainerPage container(nullptr, test::PageRectAtOrigin(), options, [](ContainerPage&, QWidget* host, const QRect& r, int tab) {
        auto* label = new QLabel(QString::number(tab), host);
        label->setGeometry(r);
        return label;
    });
    ASSERT_TRUE(test::ShowActive(&container));
    EXPECT_EQ(container.subPage(0)->geometry(), QRect(1, 142, 1052, 394));
    container.selectTab(2);
    EXPECT_EQ(container.selectedTab(), 2);
    EXPECT_TRUE(container.subPage(2)->isVisible());
    EXPECT_FALSE(container.subPage(0)->isVisible());
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

}  // namespace
}  // namespace tmcalc
