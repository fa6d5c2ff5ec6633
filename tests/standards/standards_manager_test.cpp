// The standards manager as a user meets it, while another copy of the program may change the file.
#include "standards/ui/standards_manager.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QHeaderView>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>
#include <QWindow>

#include <memory>
#include <optional>

#include "framework/ui/ui_context.h"
#include "page_scenario.h"  // the user's actions and readable QString failures
#include "resources/string_table.h"
#include "standards/file_lock.h"
#include "standards/ui/standards_library.h"
#include "standards_test_support.h"
#include "ui_text_check.h"

namespace tmcalc {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Kind = StandardKind;

constexpr int kZn = 3;

class ManagerTest : public testing::Test {
protected:
    // Saves fail while m_failWrites is set; a lock held elsewhere is waited for only briefly.
    void SetUp() override
    {
        FileWriteHooks hooks{[this](const fs::path&) { return !m_failWrites; }};
        m_store.emplace(
            StandardsStoreOptions{m_folder.Path(), m_clock.Bind(), hooks, kStandardsFileMaxBytes, 2ms});
    }

    // Standards made through the store before the window exists; thermocouples numbered in their Zn values.
    void AddStandards(Kind kind, int count)
    {
        for (int i = 0; i < count; ++i) {
            StandardRecord record(kind);
            ASSERT_EQ(m_store->AddStandard(kind, record), StoreStatus::Ok);
            if (kind == Kind::Thermocouple) {
                ASSERT_EQ(m_store->SetStandardValue(kind, m_store->Count(kind) - 1, "Zn", std::to_string(i)),
                          StoreStatus::Ok);
            }
        }
    }

    void Open(Kind kind = Kind::Thermocouple)
    {
        m_manager.reset();
        m_owner.reset();
        m_products.emplace(*m_store, kind);
        m_owner.reset(MakeProductCombo(nullptr, *m_products));
        m_manager = std::make_unique<StandardsManager>(nullptr, *m_products);
        m_manager->resize(1054, 420);
        QObject::connect(m_manager.get(), &StandardsManager::standardChosen, m_manager.get(),
                         [this](int index) { m_chosen.push_back(index); });
        m_manager->setDeleteConfirmation([this](QWidget*, const QString& productNo) {
            m_asked.push_back(productNo);
            return m_answer;
        });
        EXPECT_TRUE(test::ShowActive(m_manager.get()));
    }
    // A second copy of the program on the same file.
    [[nodiscard]] StandardsStore OtherCopy() const
    {
        return StandardsStore(StandardsStoreOptions{m_folder.Path(), StandardsClock::System(), {}});
    }

    QTableWidget* list() const { return m_manager->list(); }
    QString cell(int row, int column) const
    {
        const QTableWidgetItem* item = list()->item(row, column);
        return item ? item->text() : QStringLiteral("<none>");
    }
    QStringList Row(int row, int columns) const
    {
        QStringList values;
        for (int c = 0; c < columns; ++c) values << cell(row, c);
        return values;
    }
    QString message() const
    {
        return m_manager->messageLabel()->isHidden() ? QString() : m_manager->messageLabel()->text();
    }
    // The open cell editor; a closed one lingers hidden until it is deleted.
    QLineEdit* editor() const
    {
        for (QLineEdit* edit : list()->findChildren<QLineEdit*>(QStringLiteral("ConfigurationCellEdit")))
            if (edit->isVisible()) return edit;
        return nullptr;
    }
    QPoint CellCentre(int row, int column) const
    {
        list()->scrollTo(list()->model()->index(row, column));
        return list()->visualRect(list()->model()->index(row, column)).center();
    }
    QPoint BelowRows() const { return {20, list()->viewport()->height() - 10}; }

    // Right-clicks through the window as the platform does (unless `open` opens the menu), runs `whileOpen`
    // and clicks the named item; no name closes the menu. Returns the items shown ("-" a separator).
    QStringList RightClickAndChoose(const QPoint& viewportPos, const QString& actionName,
                                    const std::function<void()>& whileOpen = {},
                                    const std::function<void()>& open = {})
    {
        QStringList shown;
        QObject guard;
        QTimer::singleShot(0, &guard, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) return;
            for (const QAction* action : menu->actions()) shown << (action->isSeparator() ? "-" : action->text());
            if (whileOpen) whileOpen();
            auto* action = actionName.isEmpty() ? nullptr : menu->findChild<QAction*>(actionName);
            if (action != nullptr)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            menu->close();  // nothing when an item was chosen and closed it
        });
        // Never wait for ever on a menu the first timer missed, nor on a question the test does not answer.
        QTimer::singleShot(3000, &guard, [] {
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        QWidget* top = m_manager->window();
        const QPoint at = list()->viewport()->mapTo(top, viewportPos);
        open ? open() : QTest::mouseClick(top->windowHandle(), Qt::RightButton, {}, at);
        // A desktop gives the activation back to the window when its popup closes; offscreen does not.
        EXPECT_TRUE(test::ShowActive(top));
        return shown;
    }
    void RightClickCell(int row, int column, const char* actionName, const std::function<void()>& whileOpen = {})
    {
        RightClickAndChoose(CellCentre(row, column), QString::fromLatin1(actionName), whileOpen);
    }
    void DoubleClickCell(int row, int column)
    {
        QWidget* top = m_manager->window();
        QTest::mouseDClick(top->windowHandle(), Qt::LeftButton, {},
                           list()->viewport()->mapTo(top, CellCentre(row, column)));
    }
    // Types over the selected text of the open cell editor and ends with the given key.
    void TypeInCell(const QString& text, Qt::Key end)
    {
        QLineEdit* edit = editor();
        ASSERT_NE(edit, nullptr) << "no cell editor is open";
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, end);
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A fresh reading of the file, as the pages see it after the manager wrote it.
    std::vector<StandardRecord> Stored(Kind kind) const { return OtherCopy().LoadAllStandards(kind); }
    [[nodiscard]] std::string Bytes() const { return test::ReadBytes(m_folder.File()); }
    [[nodiscard]] QStringList ComboItems() const
    {
        QStringList items;
        for (int i = 0; i < m_owner->count(); ++i) items << m_owner->itemText(i);
        return items;
    }

    test::TempFolder m_folder;
    test::ScriptedClock m_clock{{123456789, 987654321}};
    bool m_failWrites = false;
    std::optional<StandardsStore> m_store;
    std::optional<ProductNumberModel> m_products;
    std::unique_ptr<QComboBox> m_owner;  // the owning page's combo box of product numbers
    std::vector<int> m_chosen;
    std::unique_ptr<StandardsManager> m_manager;
    QStringList m_asked;
    bool m_answer = true;
};

TEST_F(ManagerTest, ListIsAReportWithTheKindsHeadingsAndScaledWidths)
{
    AddStandards(Kind::Thermistor, 1);
    {
        const ScreenOverride small(1366, 768);
        Open(Kind::Thermistor);
    }
    EXPECT_EQ(m_manager->objectName(), "StdUI_NAME");
    EXPECT_EQ(list()->objectName(), "ConfigurationListView");
    EXPECT_EQ(m_manager->menuMode(), ManagerCommand::None);
    EXPECT_EQ(m_manager->lastRightClickRow(), 0);
    EXPECT_EQ(m_manager->lastRightClickColumn(), 0);
    ASSERT_EQ(list()->columnCount(), 13);
    QStringList headings;
    for (int c = 0; c < 12; ++c) headings << list()->horizontalHeaderItem(c)->text();
    EXPECT_EQ(headings, (QStringList{"Mode", "S/N", "CertNo", "Method", "R(25℃) Ω", "β", "A", "B", "C", "D",
                                     "U (cert.)", "k (cert.)"}));
    EXPECT_EQ(list()->columnWidth(0), 106);  // 150 x 1366/1920 = 106.7, truncated
    EXPECT_EQ(list()->columnWidth(9), 85);   // 120 x 0.7114583 = 85.4
    // The last column never shows, not even after the user drags header edges.
    EXPECT_TRUE(list()->isColumnHidden(12));
    EXPECT_EQ(list()->horizontalHeader()->sectionSize(12), 0);
    // The template's trailing blanks are not part of a value; the template has no D.
    ASSERT_EQ(list()->rowCount(), 1);
    EXPECT_EQ(Row(0, 12).mid(1), (QStringList{"NTC001", "QX10000003", "1", "10000", "3380.13", "0.8744102777E-3",
                                              "2.537694912E-4", "1.821320203E-7", "", "", ""}));
}

// An empty list says in one line, centred, how to begin; the first standard takes its place.
TEST_F(ManagerTest, AnEmptyListHintsAtTheRightClickUntilItHoldsAStandard)
{
    const auto hints = [this] {
        std::vector<QRect> boxes;
        for (const PaintedText& p : test::PaintedTextsOf(*m_manager))
            if (p.text == "Right-click to add a standard") boxes.push_back(p.box);
        return boxes;
    };
    Open();
    ASSERT_EQ(list()->rowCount(), 0);
    const std::vector<QRect> shown = hints();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NEAR(shown[0].center().y(), list()->viewport()->height() / 2, 1);
    EXPECT_EQ(shown[0].width(), list()->viewport()->width());
    RightClickAndChoose(BelowRows(), QStringLiteral("AddAction"));
    ASSERT_EQ(list()->rowCount(), 1);
    EXPECT_TRUE(hints().empty());
}

TEST_F(ManagerTest, AddAppendsTheTemplateUpToTenRowsAndOnlyWithATemplate)
{
    AddStandards(Kind::Thermocouple, 8);
    m_clock.next = 0;  // the new section name collides with the first and must count up
    Open();
    static QStringList diagnostics;
    QLoggingCategory::setFilterRules(QStringLiteral("tmcalc.diagnostics.debug=true"));
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext& c, const QString& m) {
            if (c.category && QByteArray(c.category) == "tmcalc.diagnostics") diagnostics.append(m);
        });
    const QStringList menu = RightClickAndChoose(BelowRows(), QStringLiteral("AddAction"));
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    EXPECT_EQ(menu, (QStringList{"Choose", "-", "Edit", "Save", "Add", "Delete"}));
    EXPECT_EQ((QStringList{list()->horizontalHeaderItem(0)->text(), list()->horizontalHeaderItem(1)->text()}),
              (QStringList{"Model", "S/N"}));
    EXPECT_EQ(m_manager->lastRightClickRow(), -1);  // the click hit no row; Add does not need one
    EXPECT_EQ(m_manager->menuMode(), ManagerCommand::Add);
    EXPECT_EQ(diagnostics, QStringList{"\n code= -5 , NM_RCLICK = -5\n"});
    ASSERT_EQ(list()->rowCount(), 9);
    // Product number: the date and time as 14 digits, then the first 8 digits of the tick count.
    EXPECT_EQ(Row(8, 4), (QStringList{"2024030914050798765432", "StdCouple001", "S", "3.4472"}));
    EXPECT_EQ(Stored(Kind::Thermocouple).at(8).Value("ProductNo"), "2024030914050798765432");
    ASSERT_EQ(m_owner->count(), 9);
    EXPECT_EQ(m_owner->itemText(8), "2024030914050798765432");
    EXPECT_EQ(m_owner->currentIndex(), 0);
    EXPECT_EQ(m_owner->maxVisibleItems(), 10);  // every standard and one more
    EXPECT_EQ(message(), "");
    RightClickAndChoose(BelowRows(), QStringLiteral("AddAction"));
    EXPECT_EQ(list()->rowCount(), 10);  // nine rows still take one more
    const std::string before = Bytes();
    RightClickCell(3, 0, "AddAction");
    EXPECT_EQ(list()->rowCount(), 10);
    EXPECT_EQ(m_store->Count(Kind::Thermocouple), 10U);
    EXPECT_EQ(Bytes(), before);
    m_manager.reset();
    test::WriteBytes(m_folder.File(), test::Utf16Bytes("[couplestd1]\nProductNo = P1\nZn = 3.5\n"));
    m_store.emplace(StandardsStoreOptions{m_folder.Path(), StandardsClock::System(), {}});
    Open();
    ASSERT_EQ(list()->rowCount(), 1);
    m_manager->RunCommand(ManagerCommand::Add);
    EXPECT_EQ(list()->rowCount(), 1);
    EXPECT_EQ(message(), "");  // no template is not a write failure
}

// One edit chosen from a cell's menu, ended with a key: what the cell, the file and the combo box show.
// name, kind, row, column, typed, ending key, the cell's text after it (the file's under `key` unless escaped)
using EditRow = std::tuple<const char*, Kind, int, int, QString, Qt::Key, QString, const char*>;

class ManagerEdit : public ManagerTest, public testing::WithParamInterface<EditRow> {};

TEST_P(ManagerEdit, WritesOnlyThatValueAtOnce)
{
    const auto& [name, kind, row, column, typed, end, shown, key] = GetParam();
    AddStandards(kind, 2);
    Open(kind);
    m_owner->setCurrentIndex(1);
    std::vector<StandardRecord> expected = Stored(kind);
    const std::string before = Bytes();
    const QString old = cell(row, column);
    RightClickCell(row, column, "EditAction");
    EXPECT_EQ(m_manager->lastRightClickRow(), row);
    EXPECT_EQ(m_manager->lastRightClickColumn(), column);
    EXPECT_TRUE(m_manager->isEditing());
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->text(), old);
    EXPECT_TRUE(editor()->hasFocus());
    TypeInCell(typed, end);
    EXPECT_FALSE(m_manager->isEditing());
    EXPECT_EQ(editor(), nullptr);  // Tab does not open the next cell
    EXPECT_EQ(cell(row, column), shown);
    if (end == Qt::Key_Escape) {
        EXPECT_EQ(Bytes(), before);
        EXPECT_EQ(m_manager->menuMode(), ManagerCommand::Edit);
    } else {
        expected.at(static_cast<std::size_t>(row)).SetValue(key, shown.toStdString());
        EXPECT_EQ(m_manager->menuMode(), ManagerCommand::None);
    }
    EXPECT_EQ(Stored(kind), expected);
    // A new product number renames its combo item only.
    EXPECT_EQ(ComboItems(), (QStringList{cell(0, 0), cell(1, 0)}));
    EXPECT_EQ(m_owner->currentIndex(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, ManagerEdit,
    testing::Values(
        EditRow{"ZnWithReturn", Kind::Thermocouple, 1, kZn, "3.44725", Qt::Key_Return, "3.44725", "Zn"},
        EditRow{"ZnWithTab", Kind::Thermocouple, 0, kZn, "3.4", Qt::Key_Tab, "3.4", "Zn"},
        EditRow{"ZnEscaped", Kind::Thermocouple, 0, kZn, "9.9", Qt::Key_Escape, "0", "Zn"},
        EditRow{"ProductNumberTrimmed", Kind::Thermocouple, 1, 0, "  B-7  ", Qt::Key_Return, "B-7", "ProductNo"},
        // Regression: a 32-digit coefficient once read back as "1.23456789012345678901234567e-0", 1e5 too big.
        EditRow{"LongCoefficient", Kind::Resistor, 0, 15, "1.23456789012345678901234567e-05", Qt::Key_Return,
                "1.23456789012345678901234567e-05", "a10"},
        EditRow{"LongText", Kind::Resistor, 0, 1, QString(300, u'7'), Qt::Key_Return, QString(300, u'7'),
                "TypeNo"}),
    test::kRowName);

TEST_F(ManagerTest, EditModeLastsUntilAnEditIsSavedAndClosingWritesNothing)
{
    AddStandards(Kind::Thermocouple, 2);
    Open();
    RightClickCell(0, kZn, "EditAction");
    TypeInCell(QStringLiteral("9.9"), Qt::Key_Escape);
    // Still in Edit mode: the double-clicked cell opens for editing; the keypad's Enter ends it too.
    DoubleClickCell(1, 4);
    ASSERT_TRUE(m_manager->isEditing());
    TypeInCell(QStringLiteral("5.86"), Qt::Key_Enter);
    EXPECT_EQ(cell(1, 4), "5.86");
    EXPECT_EQ(Stored(Kind::Thermocouple).at(1).Value("Al"), "5.86");
    EXPECT_EQ(m_manager->menuMode(), ManagerCommand::None);
    // A further edit needs Edit again: a double-click now only selects.
    DoubleClickCell(0, kZn);
    EXPECT_FALSE(m_manager->isEditing());
    EXPECT_EQ(editor(), nullptr);
    // An edit still open when the window goes is dropped unwritten.
    const std::string before = Bytes();
    RightClickCell(0, kZn, "EditAction");
    ASSERT_NE(editor(), nullptr);
    QTest::keyClicks(editor(), QStringLiteral("7"));
    m_manager.reset();
    EXPECT_EQ(Bytes(), before);
}

TEST_F(ManagerTest, ChooseTellsTheOwnerTheRowCommandsNeedARowAndDeleteAsksFirst)
{
    AddStandards(Kind::Thermocouple, 3);
    Open();
    RightClickCell(2, 6, "ChooseAction");
    RightClickCell(0, 1, "ChooseAction");
    EXPECT_EQ(m_manager->menuMode(), ManagerCommand::Choose);
    // The menu key acts on the current cell.
    list()->setCurrentCell(1, kZn);
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5), list()->mapToGlobal(QPoint(5, 5)));
    RightClickAndChoose({}, QStringLiteral("ChooseAction"), {}, [&] { QApplication::sendEvent(list(), &event); });
    EXPECT_EQ(m_chosen, (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(m_manager->lastRightClickColumn(), kZn);
    // Commands that need a row are ignored after a right-click on no row.
    m_chosen.clear();
    const std::string before = Bytes();
    for (const char* action : {"EditAction", "DeleteAction", "ChooseAction", "SaveAction"}) {
        RightClickAndChoose(BelowRows(), QString::fromLatin1(action));
        EXPECT_EQ(m_manager->lastRightClickRow(), -1) << action;
        EXPECT_FALSE(m_manager->isEditing()) << action;
    }
    EXPECT_TRUE(m_asked.isEmpty());
    EXPECT_TRUE(m_chosen.empty());
    EXPECT_EQ(message(), "");
    EXPECT_EQ(Bytes(), before);
    // The remembered cell follows every right-click; a menu closed without a choice leaves no mode.
    RightClickAndChoose(CellCentre(1, 7), QString());
    EXPECT_EQ(m_manager->lastRightClickRow(), 1);
    EXPECT_EQ(m_manager->lastRightClickColumn(), 7);
    EXPECT_EQ(m_manager->menuMode(), ManagerCommand::None);
    // Delete asks first, and No keeps the standard.
    const std::vector<std::string> names = m_store->Names(Kind::Thermocouple);
    const QString firstProduct = cell(0, 0);
    m_answer = false;
    RightClickCell(0, 5, "DeleteAction");
    EXPECT_EQ(m_asked, QStringList{firstProduct});
    EXPECT_EQ(list()->rowCount(), 3);
    EXPECT_EQ(Bytes(), before);
    m_answer = true;
    RightClickCell(0, 5, "DeleteAction");
    ASSERT_EQ(list()->rowCount(), 2);
    EXPECT_EQ(cell(0, kZn), "1");  // the former row 1
    EXPECT_EQ(OtherCopy().Names(Kind::Thermocouple), (std::vector<std::string>{names[1], names[2]}));
    EXPECT_EQ(ComboItems(), (QStringList{cell(0, 0), cell(1, 0)}));
    EXPECT_EQ(m_owner->maxVisibleItems(), 3);
    // The question's default button is No: a stray Enter keeps the standard. It comes after the menu closed.
    m_manager->setDeleteConfirmation(&AskToDeleteStandard);
    QString question, defaultButton;
    QTimer poll;
    poll.callOnTimeout(&poll, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        poll.stop();
        question = box->text();
        defaultButton = box->defaultButton() ? box->defaultButton()->objectName() : QString();
        QTest::keyClick(box, Qt::Key_Return);
    });
    poll.start(5);
    RightClickCell(0, 0, "DeleteAction");
    EXPECT_EQ(defaultButton, "DeleteNoButton");
    EXPECT_EQ(question, "Delete the standard " + cell(0, 0) + " and its certificate values from the file?");
    EXPECT_EQ(m_store->Count(Kind::Thermocouple), 2U);
}

// A change the file refuses is undone on screen and reported under the list, until a change is saved.
enum class Refusal { ReadOnly, CutShort, Busy };

using RefusalRow = std::tuple<const char*, Refusal, QString>;  // name, refusal, message

class ManagerRefusal : public ManagerTest, public testing::WithParamInterface<RefusalRow> {};

TEST_P(ManagerRefusal, KeepsTheRowsAndTheOldFileAndSaysSo)
{
    AddStandards(Kind::Thermocouple, 2);
    Open();
    std::optional<FileLock> otherCopy;  // holds the lock, as another copy in the middle of its save
    const auto& [name, refusal, refused] = GetParam();
    if (refusal == Refusal::ReadOnly)
        fs::permissions(m_folder.File(), fs::perms::owner_read | fs::perms::group_read);
    if (refusal == Refusal::Busy) otherCopy = FileLock::Acquire(m_store->LockPath(), 0ms);
    m_failWrites = refusal == Refusal::CutShort;
    const std::string before = Bytes();
    RightClickCell(0, kZn, "EditAction");
    TypeInCell(QStringLiteral("4.2"), Qt::Key_Return);
    EXPECT_EQ(cell(0, kZn), "0");  // never shown as saved
    EXPECT_EQ(message(), refused);
    EXPECT_EQ(m_manager->menuMode(), ManagerCommand::Edit);  // nothing written: a double-click may retry
    RightClickCell(1, 0, "DeleteAction");
    EXPECT_EQ(list()->rowCount(), 2);
    EXPECT_EQ(m_owner->count(), 2);  // the file still holds both
    RightClickCell(1, 0, "AddAction");
    EXPECT_EQ(list()->rowCount(), 2);
    EXPECT_EQ(Bytes(), before);
    // Writable again: the next edit is saved and the message goes away.
    fs::permissions(m_folder.File(), fs::perms::owner_write, fs::perm_options::add);
    m_failWrites = false;
    otherCopy.reset();
    RightClickCell(0, kZn, "EditAction");
    TypeInCell(QStringLiteral("4.2"), Qt::Key_Return);
    EXPECT_EQ(cell(0, kZn), "4.2");
    EXPECT_EQ(message(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Writes, ManagerRefusal,
    testing::Values(
        RefusalRow{"ReadOnlyFile", Refusal::ReadOnly,
                   "The standards file is read-only: the change was not saved."},
        RefusalRow{"WriteCutShort", Refusal::CutShort,
                   "The standards file could not be written: the change was not saved."},
        RefusalRow{"LockedByAnotherCopy", Refusal::Busy,
                   "The standards file is in use by another copy of the program: the change was not saved. Try "
                   "again."}),
    test::kRowName);

TEST_F(ManagerTest, ListAndComboBoxFollowAnotherCopy)
{
    AddStandards(Kind::Thermocouple, 1);
    Open();
    StandardsStore other = OtherCopy();
    StandardRecord record(Kind::Thermocouple);
    ASSERT_EQ(other.AddStandard(Kind::Thermocouple, record), StoreStatus::Ok);
    ASSERT_EQ(other.SetStandardValue(Kind::Thermocouple, 0, "Zn", "7"), StoreStatus::Ok);
    EXPECT_EQ(list()->rowCount(), 1);  // no watcher: nothing moves under the user's eyes
    m_owner->showPopup();              // opening the combo box's list looks at the file
    m_owner->hidePopup();
    EXPECT_EQ(ComboItems(), (QStringList{cell(0, 0), QString::fromStdString(record.Value("ProductNo"))}));
    EXPECT_EQ(cell(0, kZn), "7");  // the manager of the kind follows its model
    ASSERT_EQ(other.SetStandardValue(Kind::Thermocouple, 1, "Zn", "8"), StoreStatus::Ok);
    RightClickAndChoose(CellCentre(1, kZn), {});  // so does opening the menu
    EXPECT_EQ(cell(1, kZn), "8");
    ASSERT_EQ(other.DeleteStandard(Kind::Thermocouple, 0), StoreStatus::Ok);
    m_manager->hide();
    m_manager->show();  // and showing the window
    EXPECT_EQ(list()->rowCount(), 1);
    EXPECT_EQ(cell(0, kZn), "8");
}

// Regression: an edit of a standard another copy had deleted wrote a section holding that one value, and
// a command chosen from the menu acted on whichever standard then filled the clicked row.
TEST_F(ManagerTest, AStandardRemovedElsewhereIsSaidAndNothingElseIsTouched)
{
    AddStandards(Kind::Thermocouple, 3);
    Open();
    StandardsStore other = OtherCopy();
    const QString removedText =
        QStringLiteral("This standard was removed elsewhere: the list now shows the file as it is.");
    RightClickCell(2, kZn, "EditAction");
    ASSERT_EQ(other.DeleteStandard(Kind::Thermocouple, 2), StoreStatus::Ok);
    std::string before = Bytes();
    TypeInCell(QStringLiteral("4.2"), Qt::Key_Return);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(message(), removedText);
    QApplication::processEvents();  // the list is filled again once the editor has closed
    EXPECT_EQ(list()->rowCount(), 2);
    EXPECT_EQ(m_owner->count(), 2);
    const auto removeFirst = [&] { ASSERT_EQ(other.DeleteStandard(Kind::Thermocouple, 0), StoreStatus::Ok); };
    for (const char* action : {"DeleteAction", "ChooseAction"}) {
        m_manager->messageLabel()->hide();
        RightClickCell(0, kZn, action, removeFirst);  // gone between the click and the choice
        EXPECT_EQ(message(), removedText) << action;
        EXPECT_EQ(m_manager->lastRightClickRow(), -1) << action;
        StandardRecord added(Kind::Thermocouple);
        ASSERT_EQ(other.AddStandard(Kind::Thermocouple, added), StoreStatus::Ok);
    }
    EXPECT_TRUE(m_chosen.empty());
    EXPECT_EQ(Stored(Kind::Thermocouple).size(), 2U);  // each command left the standard now in row 0 alone
}

// The Chinese headings name the first two columns in the other order ("Model", "S/N" in English).
TEST_F(ManagerTest, HeadingsAndMenuInChinese)
{
    AddStandards(Kind::Thermocouple, 1);
    SetLanguage(Language::Chinese);
    Open();
    EXPECT_EQ((QStringList{list()->horizontalHeaderItem(0)->text(), list()->horizontalHeaderItem(1)->text()}),
              (QStringList{"出厂编号", "型号"}));
    EXPECT_EQ(RightClickAndChoose(BelowRows(), {}), (QStringList{"选择", "-", "编辑", "保存", "添加", "删除"}));
    SetLanguage(Language::English);
}

// A container's chooser is one object, made on first use, that passes a chosen record on unchanged.
TEST(StandardChooserTest, OnePerContainerPassesAChosenStandardOn)
{
    QWidget container;
    StandardChooser& chooser = StandardChooser::Of(container);
    EXPECT_EQ(&StandardChooser::Of(container), &chooser);
    QSignalSpy chosen(&chooser, &StandardChooser::chosen);
    StandardRecord record(StandardKind::Resistor);
    record.SetValue("Rtp", "25.5");
    chooser.Choose(record);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).value<StandardRecord>().Value("rtp"), "25.5");
    EXPECT_EQ(chosen.at(0).at(1).toInt(), -1);
}

}  // namespace
}  // namespace tmcalc
