// The standard platinum resistance thermometer page as a user meets it, in both languages, and the common cases.
// Rtp 10 Ω and coefficients of 1e-15 make W the reference function: the published ITS-90 ratios Wr to 7 digits
// (Zn 2.56891730, Sn 1.89279768, Ga 1.11813889, Hg 0.84414211; ITS-90 text, table 1).
#include "rtd/ui/sprt_pages.h"

#include "app/ui/page_registry.h"
#include "cases/work_page_cases.h"
#include "framework/ui/container_page.h"
#include "framework/ui/numeric_edit.h"
#include "framework/ui/sub_page_tabs.h"
#include "framework/ui/ui_context.h"
#include "framework/ui/uncertainty_panel.h"
#include "page_scenario.h"
#include "resources/string_table.h"
#include "rtd/sprt_page_layout.h"
#include "rtd/ui/sprt_certificate.h"
#include "rtd/ui/sprt_coefficient_sub_page.h"
#include "rtd/ui/sprt_conversion_sub_page.h"
#include "standards/ui/standards_library.h"
#include "standards/ui/standards_manager.h"
#include "ui_test_util.h"
#include "ui_text_check.h"
#include "standards/standards_test_support.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QTableWidget>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>

namespace tmcalc {
namespace {

using enum test::Act;
using test::Scenario;

// Driver ids: "T ↔ R" fields by their own ids, the coefficient page's as kFit + id. Below zero: the shown
// coefficient rows' labels and accessible names, the tab, the product index, the shown fixed-point rows
// ("number temperature"); the groups T|R|dR/dt|W|dW/dt, Rtp and the coefficients, the results and names.
constexpr int kFit = 1000, kRows = -1, kNames = -2, kTab = -3, kProduct = -4, kGridRows = -5;
constexpr int kOutputs = -10, kCoeffs = -11, kResults = -12, kResultNames = -13;
// Clicks: a tab by its number; kPick + k picks the k-th product; kChoose + k chooses row k in the manager.
constexpr int kPick = 10, kChoose = 20;

constexpr int R = kSprtResistance, T = kSprtTemperature, Rtp = kSprtRtp, Range = kSprtRange;
constexpr int U1 = kSprtUpper1, U2 = kSprtUpper2, L1 = kSprtLower1, L2 = kSprtLower2;
constexpr int FitRange = kFit + kSprtFitRange, FitRtp = kFit + kSprtFitRtp;
constexpr int Point(int row) { return kFit + SprtGridCell(kSprtFirstPointRow + row, 2); }

// The standard with a gallium to mercury range carries a coefficient longer than a double shows.
constexpr const char* kLongA11 = "-1.23456789012345678901e-4";

struct Case { const char* name; Scenario steps; };
void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class SprtPages : public testing::Test {
protected:
    void SetUp() override
    {
        StandardsStore& store = m_scratch.store;
        StandardRecord record(StandardKind::Resistor);
        for (std::size_t row : {0u, 1u}) {
            ASSERT_EQ(store.AddStandard(StandardKind::Resistor, record), StoreStatus::Ok);
            // One product number on both (it is editable): the list must select a chosen standard by its row.
            ASSERT_EQ(store.SetStandardValue(StandardKind::Resistor, row, "ProductNo", "42"), StoreStatus::Ok);
        }
        for (const auto& [key, value] : {std::pair{"TempRange", "-38.8344~29.7647"}, {"Rtp", "25.5"},
                                         {"a11", kLongA11}, {"a5", "2e-5"}, {"b5", "-3e-6"}})
            ASSERT_EQ(store.SetStandardValue(StandardKind::Resistor, 1, key, value), StoreStatus::Ok);
        Open();
    }
    void TearDown() override { SetLanguage(Language::English); }

    void Open()
    {
        m_container.reset();
        m_library = std::make_unique<StandardsLibrary>(m_scratch.store);
        m_container.reset(CreateSprtPage(nullptr, test::PageRectAtOrigin(), *m_library));
        ASSERT_TRUE(test::ShowActive(m_container.get()));
    }

    template <typename T>
    [[nodiscard]] T* Sub(int tab) const { return static_cast<T*>(m_container->subPage(tab)); }
    [[nodiscard]] auto* Conversion() const { return Sub<SprtConversionSubPage>(kSprtTabConversion); }
    [[nodiscard]] Page* Coefficients() const { return Sub<Page>(kSprtTabCoefficients); }
    [[nodiscard]] auto* Manager() const { return Sub<StandardsManager>(kSprtTabConfigure); }
    void ClickTab(int tab) const
    {
        const Rect r = SubPageTabRects(m_container->clientArea().width, 3)[static_cast<std::size_t>(tab)];
        QTest::mouseClick(m_container->tabs(), Qt::LeftButton, {}, QPoint(r.x + r.width / 2, r.height / 2));
    }

    void Press(int id) const
    {
        if (id < kPick) return ClickTab(id);
        if (id < kChoose) {
            // A pick in the list, as the popup reports it.
            QComboBox* list = Conversion()->productList();
            list->setCurrentIndex(id - kPick);
            Q_EMIT list->activated(id - kPick);
            return;
        }
        ClickTab(kSprtTabConfigure);
        QTableWidget* list = Manager()->list();
        const QRect cell = list->visualRect(list->model()->index(id - kChoose, 0));
        QTest::mousePress(list->viewport(), Qt::RightButton, {}, cell.center());
        QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, cell.center());
        Manager()->RunCommand(ManagerCommand::Choose);
        QCoreApplication::processEvents();  // the choice is queued
    }

    static bool Shown(Page* page, int id) { return page->edit(id)->isVisibleTo(page); }
    [[nodiscard]] QString Text(int id) const
    {
        if (id == kTab) return QString::number(m_container->selectedTab());
        if (id == kProduct) return QString::number(Conversion()->productList()->currentIndex());
        QStringList texts;
        Page* const t = Conversion();
        Page* const f = Coefficients();
        for (int k = U1; (id == kRows || id == kNames) && k <= L2; ++k)
            if (Shown(t, k)) texts << (id == kRows ? t->field(k)->label->text() : t->edit(k)->accessibleName());
        for (int row = kSprtFirstPointRow; id == kGridRows && row < kSprtGridRows; ++row) {
            const int cell = SprtGridCell(row, 0);
            if (Shown(f, cell)) texts << f->edit(cell)->text() + ' ' + f->edit(SprtGridCell(row, 1))->text();
        }
        for (int k = 0; id == kResultNames && k < kSprtResultPairs; ++k)
            if (Shown(f, SprtResultName(k))) texts << f->edit(SprtResultName(k))->text();
        return texts.join(',');
    }

    [[nodiscard]] test::PageDriver Driver() const
    {
        return {[this](int id) -> QLineEdit* {
                    if (id < 0) return nullptr;
                    return id >= kFit ? Coefficients()->edit(id - kFit) : Conversion()->edit(id);
                },
                [](int group) {
                    std::vector<int> ids;
                    if (group == kOutputs) ids = {T, R, kSprtResistanceSlope, kSprtRatio, kSprtRatioSlope};
                    if (group == kCoeffs) ids = {Rtp, U1, U2, kSprtUpper3, L1, L2};
                    for (int k = 0; group == kResults && k < kSprtResultPairs; ++k)
                        ids.push_back(kFit + SprtResultValue(k));
                    return ids;
                },
                [this](int id) { return Text(id); }, [this](int id) { Press(id); }};
    }

    test::ScratchStandards m_scratch;
    std::unique_ptr<StandardsLibrary> m_library;
    std::unique_ptr<ContainerPage> m_container;
};

class SprtScenario : public SprtPages, public testing::WithParamInterface<Case> {};
TEST_P(SprtScenario, Steps) { test::RunScenario(Driver(), GetParam().steps); }

// Rtp 10 and all coefficients 1e-15 on the range's groups, then the steps given.
Scenario Calibrated(const QString& range, std::vector<int> coefficients, const Scenario& then)
{
    Scenario s{{Over, Range, range}, {Type, Rtp, "10"}};
    for (int id : coefficients) s.push_back({Type, id, "1e-15"});
    s.insert(s.end(), then.begin(), then.end());
    return s;
}

const Case kCases[] = {
    // The list is filled but loads nothing: the page opens with its default range, values empty.
    {"OpensWithA7B7C7AndA4B4",
     {{Look, 0, {}, {{Range, "-189.344~660.23"}, {kRows, "a7,b7,c7,a4,b4"}, {kNames, "a7,b7,c7,a4,b4"},
                     {kCoeffs, "|||||"}, {kOutputs, "||||"}, {kTab, "0"}, {kProduct, "0"}}}}},
    // A typed range relabels and empties all but itself; its first keystroke has no upper bound: no groups.
    {"TypedRangeRelabelsAndEmpties",
     {{Type, Rtp, "25.5"}, {Type, U1, "1e-4"}, {Type, T, "12"},
      {Over, Range, "0~419.527", {{kRows, "a8,b8"}, {kNames, "a8,b8"}, {kCoeffs, "|||||"}, {kOutputs, "||||"}}},
      {Over, Range, "-38.8344~29.7647", {{kRows, "a11,a5,b5"}, {Range, "-38.8344~29.7647"}}},
      {Over, Range, "0~231.928", {{kRows, "a9,b9"}}}, {Over, Range, "0", {{kRows, ""}}},
      {Over, Range, "-300~1000", {{kRows, "a7,b7,c7,a4,b4"}}}}},
    // Emptying the driving field empties what it wrote; the whole text counts, and junk reads as no number.
    {"EmptiedHugeAndJunkTexts", Calibrated("0~419.527", {U1, U2}, {
      {Type, T, "419.527", {{kOutputs, "419.527|25.6891730|#|2.568917|#"}}},
      {Back, T, "7", {{kOutputs, "||||"}}},
      {Paste, R, QString(2000, '9'), {{kOutputs, "OUT|*|OUT|OUT|OUT"}}},
      {Paste, R, "junk", {{kOutputs, "|junk|||"}}}})},
    // With a11 above 0 °C, a5/b5 takes the mercury point.
    {"MercuryFromA5B5", Calibrated("-38.8344~29.7647", {U1, L1, L2}, {
      {Type, T, "-38.8344", {{kOutputs, "-38.8344|8.4414211|#|0.8441421|#"}}}})},
    // Without Rtp or without a complete group nothing is written.
    {"IncompleteSetWritesNothing",
     {{Type, T, "100", {{kOutputs, "100||||"}}}, {Type, Rtp, "10"}, {Type, U1, "1e-5"},
      {Over, T, "50", {{kOutputs, "50||||"}}}, {Type, U2, "1e-6"}, {Over, Rtp, "0"},
      {Over, T, "60", {{kOutputs, "60||||"}}}}},
    // Loading writes the record's texts verbatim and relabels, emptying nothing; the template has "rtp".
    {"PickTheTemplateStandard",
     {{Type, T, "100"},
      {Click, kPick + 0, {}, {{kCoeffs, "25.12462|0|0||0|0"}, {Range, "-189.344~419.527"}, {kRows, "a8,b8,a4,b4"},
                              {kOutputs, "100||||"}, {kTab, "0"}}}}},
    // The list follows a choice in the manager, by row: the two standards share a product number.
    {"ChooseInConfigureWhileTextsAreShown", Calibrated("0~419.527", {U1, U2}, {
      {Type, T, "419.527", {{kOutputs, "419.527|25.6891730|#|2.568917|#"}}},
      {Click, kSprtTabConfigure, {}, {{kTab, "2"}}},
      {Click, kChoose + 1, {}, {{kTab, "0"}, {kRows, "a11,a5,b5"}, {kNames, "a11,a5,b5"}, {kProduct, "1"},
                                {kCoeffs, QString("25.5|") + kLongA11 + "|1e-15||2e-5|-3e-6"},
                                {kOutputs, "419.527|25.6891730|#|2.568917|#"}}},
      {Click, kChoose + 0, {}, {{Range, "-189.344~419.527"}, {kRows, "a8,b8,a4,b4"}, {kProduct, "0"}}}})},
    // Any change of the range rebuilds the rows, typed or not; Rtp goes back to its default.
    {"FixedPointRowsFollowTheRange",
     {{Click, kSprtTabCoefficients, {}, {{FitRange, "-200~660"}, {kResultNames, "a7,b7,c7,a4,b4"},
       {kGridRows, "1 660.323000,2 419.527000,3 231.928000,4 -189.344200,5 -38.834400"}}},
      {Over, FitRange, "-38.8344~29.7647",
       {{kGridRows, "1 29.765000,2 29.764600,3 -38.834400"}, {kResultNames, "a11,a5,b5"}}}, {Over, FitRtp, "24"},
      {Write, FitRange, "0~156.5985", {{kGridRows, "1 156.598500"}, {kResultNames, "a10"}, {FitRtp, "25.12461"}}},
      {Over, FitRange, "0", {{kGridRows, ""}, {kResultNames, ""}}}}},
    // Each group is fitted as soon as its own cells hold numbers, whatever the other's hold; Rtp starts nothing.
    {"GroupsFitIndependently",
     {{Click, kSprtTabCoefficients}, {Type, Point(0), "84.2", {{kResults, "||||"}}}, {Type, Point(1), "64.5"},
      {Type, Point(2), "47.5", {{kResults, "#|#|#||"}}}, {Type, Point(3), "5.4"},
      {Type, Point(4), "21.2", {{kResults, "#|#|#|#|#"}}}, {Back, Point(1), "4", {{kResults, "|||#|#"}}},
      {Over, FitRtp, "0", {{kResults, "|||#|#"}}}}},
};

INSTANTIATE_TEST_SUITE_P(User, SprtScenario, testing::ValuesIn(kCases), test::RowName{});

// A common row entered on "T ↔ R": settings pasted in order (the range first: it empties), the value typed.
class SprtRow : public SprtPages, public testing::WithParamInterface<cases::WorkPageCase> {};

TEST_P(SprtRow, ShowsTheSharedTexts)
{
    const cases::WorkPageCase& c = GetParam();
    const test::PageDriver page = Driver();
    const auto id = [this](const QString& name) {
        if (name == "range" || name == "temp") return name == "range" ? Range : T;
        if (name == "rtp" || name == "res") return name == "rtp" ? Rtp : R;
        for (int k = U1; k <= L2; ++k)
            if (Shown(Conversion(), k) && Conversion()->field(k)->label->text() == name) return k;
        ADD_FAILURE() << "no row " << name.toStdString();
        return -1;
    };
    for (const cases::Setting& s : c.settings) test::RunScenario(page, {{Paste, id(s.name), s.text}});
    ASSERT_FALSE(HasFailure());
    const QString typed = c.typed;
    test::Step typing{std::ranges::all_of(typed, IsNumericFieldChar) ? Type : Paste, id(c.field), typed};
    const QStringList texts = QString(c.shown).split(QLatin1Char('|'));
    const int outputs[] = {typing.field == T ? R : T, kSprtRatio, kSprtRatioSlope, kSprtResistanceSlope};
    ASSERT_EQ(texts.size(), 4);
    for (int i = 0; i < 4; ++i) typing.shows.push_back({outputs[i], texts[i]});
    test::RunScenario(page, {typing});
}

INSTANTIATE_TEST_SUITE_P(Shared, SprtRow, testing::ValuesIn(cases::CasesOf("sprt")), test::RowName{});

// A fit's coefficients on "T ↔ R" give back the fixed points; with a positive deviation one read "Out of Rage.".
class SprtFitRoundTrip : public SprtPages {};

TEST_F(SprtFitRoundTrip, FixedPointsComeBack)
{
    // Resistances in the grid's row order, the "T ↔ R" rows of the results, and grid row -> temperature.
    struct FitCase { const char* name; const char* range; std::vector<const char*> resistances; std::vector<int> rows;
                     std::vector<std::pair<int, const char*>> back; };
    const FitCase cases[] = {
        {"A8B8", "0~419.527", {"65.5105", "48.2679"}, {U1, U2}, {{0, "419.5270000"}, {1, "231.9280000"}}},
        {"A11A5B5", "-38.8344~29.7647", {"28.5131", "28.5131", "21.5254"}, {U1, L1, L2},
         {{0, "29.7646000"}, {2, "-38.8344000"}}},
        {"A7B7C7A4B4", "-200~660", {"86.092", "65.5105", "48.2679", "5.5039", "21.5254"},
         {U1, U2, kSprtUpper3, L1, L2},
         {{0, "660.3230000"}, {1, "419.5270000"}, {3, "-189.3442000"}, {4, "-38.8344000"}}},
    };
    const test::PageDriver page = Driver();
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.name);
        Scenario fit{{Click, kSprtTabCoefficients}, {Over, FitRange, c.range}, {Over, FitRtp, "25.5"}};
        for (std::size_t i = 0; i < c.resistances.size(); ++i)
            fit.push_back({Type, Point(static_cast<int>(i)), c.resistances[i]});
        test::RunScenario(page, fit);
        Scenario convert{{Click, kSprtTabConversion}, {Over, Range, c.range}, {Type, Rtp, "25.5"}};
        for (std::size_t k = 0; k < c.rows.size(); ++k)
            convert.push_back({Type, c.rows[k], page.edit(kFit + SprtResultValue(static_cast<int>(k)))->text()});
        for (const auto& [row, t] : c.back)
            convert.push_back({Over, R, c.resistances[static_cast<std::size_t>(row)], {{T, t}}});
        test::RunScenario(page, convert);
    }
}

// Configure's certificate commands: a malformed string adds nothing and says what is wrong; a good one adds a
// standard that converts, copies back as its string and is drawn as a QR code.
TEST_F(SprtPages, CertificatesArePastedCopiedAndSavedAsQrCodes)
{
    ClickTab(kSprtTabConfigure);
    QTableWidget* list = Manager()->list();
    const auto run = [this](int command) { Manager()->RunCommand(static_cast<ManagerCommand>(command)); };
    const auto rightClick = [list](int row) {
        const QRect cell = list->visualRect(list->model()->index(row, 0));
        QTest::mousePress(list->viewport(), Qt::RightButton, {}, cell.center());
        QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, cell.center());
    };
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("qt90://8/W~0.009K100.0135_692,677~0.096K256.6981/-2E-04_-8E-05"));
    run(kStrPasteCertificate);
    EXPECT_EQ(list->rowCount(), 2);
    EXPECT_EQ(Manager()->messageLabel()->text(),
              "The certificate was not added: point 2 (692,677~0.096K256.6981): a decimal comma is not allowed; "
              "write a point");

    clipboard->setText(QStringLiteral("qt90://8/W~0.009K100.0135~0.006_T~0.012K188.9427~0.006_Z~0.096K256.6981~0.006/"
                                      "-2.0786366E-04_-8.8309895E-05\n"));
    run(kStrPasteCertificate);
    ASSERT_EQ(list->rowCount(), 3);
    EXPECT_TRUE(Manager()->messageLabel()->isHidden());
    const std::optional<StandardRecord> added = m_scratch.store.LoadStandardAt(StandardKind::Resistor, 2);
    ASSERT_TRUE(added);
    EXPECT_EQ(added->Value("TempRange"), "0~419.527");
    EXPECT_EQ(added->Value("Rtp"), "100.0135");
    EXPECT_EQ(added->Value("a8"), "-2.0786366E-04");
    EXPECT_EQ(added->Value("b8"), "-8.8309895E-05");
    EXPECT_EQ(added->Value("Qt90"), "qt90://8/W~0.009K100.0135~0.006_T~0.012K188.9427~0.006_Z~0.096K256.6981~0.006/"
                                    "-2.0786366E-04_-8.8309895E-05");
    // Chosen, it converts as its coefficients typed out.
    Press(kChoose + 2);
    test::RunScenario(Driver(), {{Over, R, "150"}});
    const QString pasted = Conversion()->edit(T)->text();
    test::RunScenario(Driver(), {{Over, U1, "-2.0786366E-04"}, {Over, U2, "-8.8309895E-05"}, {Over, R, "150"}});
    EXPECT_EQ(Conversion()->edit(T)->text(), pasted);
    EXPECT_FALSE(pasted.isEmpty());

    // Copied, the standard gives back every number of its string; once a value was edited, its own.
    ClickTab(kSprtTabConfigure);
    rightClick(2);
    clipboard->clear();
    run(kStrCopyCertificate);
    EXPECT_EQ(clipboard->text(), "qt90://8/W~0.009K100.0135~0.006_T~0.012K188.9427~0.006_Z~0.096K256.6981~0.006/"
                                 "-2.0786366E-04_-8.8309895E-05");
    ASSERT_EQ(m_scratch.store.SetStandardValue(StandardKind::Resistor, 2, "a8", "-2.1E-04"), StoreStatus::Ok);
    run(kStrCopyCertificate);
    EXPECT_EQ(clipboard->text(), "qt90://8/W~0K100.0135/-2.1E-04_-8.8309895E-05");

    const test::TempFolder folder;
    const QString png = QString::fromStdString((folder.Path() / "sprt.png").string());
    SetQrCodePathForTests(png);
    run(kStrSaveQrCode);
    SetQrCodePathForTests(std::nullopt);
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), image.height());
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32),
              QrCodeImage(clipboard->text(), 8).convertToFormat(QImage::Format_RGB32));
}

// Page 4 of the main window is this container, under its title.
// A standard's certificate U over its k fills the u box of R(TPW); one without them empties it.
TEST_F(SprtPages, ChosenStandardFillsTheUncertaintyOfRtp)
{
    ASSERT_EQ(m_scratch.store.SetStandardValue(StandardKind::Resistor, 1, "CertU", "0.0001"), StoreStatus::Ok);
    ASSERT_EQ(m_scratch.store.SetStandardValue(StandardKind::Resistor, 1, "CertK", "2"), StoreStatus::Ok);
    UncertaintyPanel& panel = *Conversion()->uncertainty();
    panel.SetOn(true);
    Press(kPick + 1);
    EXPECT_EQ(panel.uBox(Rtp)->text(), "5e-05");
    test::Type(Conversion()->edit(R), QStringLiteral("25.5"));
    EXPECT_FALSE(panel.UBox(T)->text().isEmpty());
    Press(kPick + 0);
    EXPECT_EQ(panel.uBox(Rtp)->text(), "");
}

TEST_F(SprtPages, MainWindowPageFour)
{
    const PageEntry& entry = PageRegistry()[4];
    std::unique_ptr<QWidget> page(entry.create({nullptr, test::PageRectAtOrigin(), entry.titleId, m_library.get()}));
    auto* container = qobject_cast<ContainerPage*>(page.get());
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->titleId(), kStrTitleSprt);
    EXPECT_EQ(container->subPage(kSprtTabConversion)->objectName(), "bzrdzRtoT");
    EXPECT_EQ(container->subPage(kSprtTabCoefficients)->objectName(), "bzrdzCalCoffe");
    EXPECT_NE(qobject_cast<StandardsManager*>(container->subPage(kSprtTabConfigure)), nullptr);
}

// Every label and unit can be read, on both sub-pages, for each set of rows, in both languages.
TEST_F(SprtPages, TextsAreReadableInBothLanguages)
{
    for (Language language : {Language::English, Language::Chinese}) {
        SetLanguage(language);
        Open();
        for (const char* range : {"-189.344~660.23", "-38.8344~29.7647", "0~419.527"}) {
            test::RunScenario(Driver(), {{Over, Range, range}, {Write, FitRange, range}});
            for (Page* page : {static_cast<Page*>(Conversion()), Coefficients()})
                EXPECT_EQ(test::UnreadableTexts(*page), std::vector<std::string>{}) << range;
        }
        EXPECT_EQ(Conversion()->field(T)->label->text(), Str(kStrSprtLabels + 7));
    }
}

}  // namespace
}  // namespace tmcalc
