#include "standards/standards_manager.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>
#include <optional>

#include "framework/numeric_edit.h"  // ui_test_util.h uses it without including it
#include "framework/ui_context.h"
#include "resources/string_table.h"
#include "standards_test_support.h"
#include "ui_test_util.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace tmcalc {
namespace {

namespace fs = std::filesystem;
using test::FileText;
using test::ReadBytes;

StandardsStoreOptions InFolder(const fs::path& folder, StandardsClock clock = StandardsClock::System(),
                               FileWriteHooks hooks = {})
{
    StandardsStoreOptions options;
    options.folder = folder;
    options.clock = std::move(clock);
    options.writeHooks = std::move(hooks);
    return options;
}

// What a container page is told by its manager: the chosen indexes, and its combo box of product numbers.
struct RecordingOwner {
    QComboBox combo;
    std::vector<int> chosen;
};

// Collects the lines of the diagnostics category while alive.
class DiagnosticCapture {
public:
    DiagnosticCapture()
    {
        s_lines = &m_lines;
        QLoggingCategory::setFilterRules(QStringLiteral("tmcalc.diagnostics.debug=true"));
        m_previous = qInstallMessageHandler(&Handle);
    }
    ~DiagnosticCapture()
    {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QString());
        s_lines = nullptr;
    }
    DiagnosticCapture(const DiagnosticCapture&) = delete;
    DiagnosticCapture& operator=(const DiagnosticCapture&) = delete;

    [[nodiscard]] const QStringList& lines() const { return m_lines; }

private:
    static void Handle(QtMsgType /*type*/, const QMessageLogContext& context, const QString& message)
    {
        if (s_lines && context.category && QByteArray(context.category) == "tmcalc.diagnostics") {
            s_lines->append(message);
        }
    }

    static inline QStringList* s_lines = nullptr;
    QStringList m_lines;
    QtMessageHandler m_previous = nullptr;
};

class ManagerTest : public testing::Test {
protected:
    void SetUp() override { m_store.emplace(InFolder(m_folder.Path(), m_clock.Bind(), m_hooks)); }

    // Standards made through the store before the window exists, numbered in their Zn values.
    void AddStandards(StandardKind kind, int count)
    {
        for (int i = 0; i < count; ++i) {
            StandardRecord record(kind);
            ASSERT_EQ(m_store->AddStandard(kind, record), StoreStatus::Ok);
            if (kind == StandardKind::Thermocouple) {
                ASSERT_EQ(m_store->SetStandardValue(kind, m_store->Count(kind) - 1, "Zn", std::to_string(i)),
                          StoreStatus::Ok);
            }
        }
    }

    StandardsManager& Open(StandardKind kind = StandardKind::Thermocouple)
    {
        m_manager = std::make_unique<StandardsManager>(nullptr, *m_store, kind, &m_owner.combo);
        m_manager->resize(1054, 420);
        QObject::connect(m_manager.get(), &StandardsManager::standardChosen, m_manager.get(),
                         [this](int index) { m_owner.chosen.push_back(index); });
        m_manager->setDeleteConfirmation([this](QWidget*, const QString& productNo) {
            m_asked.push_back(productNo);
            return m_answer;
        });
        EXPECT_TRUE(test::ShowActive(m_manager.get()));
        return *m_manager;
    }

    QTableWidget* list() const { return m_manager->list(); }
    QString cell(int row, int column) const
    {
        const QTableWidgetItem* item = list()->item(row, column);
        return item ? item->text() : QStringLiteral("<none>");
    }
    // The open cell editor; a closed one lingers hidden until it is deleted.
    QLineEdit* editor() const
    {
        for (QLineEdit* edit : list()->findChildren<QLineEdit*>(QStringLiteral("ConfigurationCellEdit"))) {
            if (edit->isVisible()) return edit;
        }
        return nullptr;
    }
    QPoint CellCentre(int row, int column) const
    {
        return list()->visualRect(list()->model()->index(row, column)).center();
    }
    QPoint BelowRows() const { return {20, list()->viewport()->height() - 10}; }

    // A right-click at a viewport point, delivered through the window as the platform delivers it (the
    // press, then the context-menu request), and a click on the named item of the menu that opens; an
    // empty name closes the menu without a choice. Returns the menu's items as shown ("-" a separator).
    QStringList RightClickAndChoose(const QPoint& viewportPos, const QString& actionName)
    {
        QStringList shown;
        QObject guard;
        QTimer::singleShot(0, &guard, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) return;
            for (const QAction* action : menu->actions()) shown << (action->isSeparator() ? "-" : action->text());
            auto* action = actionName.isEmpty() ? nullptr : menu->findChild<QAction*>(actionName);
            if (action != nullptr) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            } else {
                menu->close();
            }
        });
        // Never wait for ever on a menu the first timer missed.
        QTimer::singleShot(3000, &guard, [] {
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        });
        QWidget* top = m_manager->window();
        QTest::mouseClick(top->windowHandle(), Qt::RightButton, {}, list()->viewport()->mapTo(top, viewportPos));
        // A desktop gives the activation back to the window when its popup closes; offscreen does not.
        EXPECT_TRUE(test::ShowActive(top));
        return shown;
    }
    void RightClickCell(int row, int column, const char* actionName)
    {
        list()->scrollTo(list()->model()->index(row, column));
        RightClickAndChoose(CellCentre(row, column), QString::fromLatin1(actionName));
    }
    void DoubleClickCell(int row, int column)
    {
        list()->scrollTo(list()->model()->index(row, column));
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
    [[nodiscard]] std::string StoredValue(StandardKind kind, std::size_t index, std::string_view key) const
    {
        const StandardsStore reader(InFolder(m_folder.Path()));
        const auto record = reader.LoadStandardAt(kind, index);
        return record ? record->Value(key) : "<missing>";
    }

    test::TempFolder m_folder;
    test::ScriptedClock m_clock{{123456789, 987654321}};
    FileWriteHooks m_hooks;
    std::optional<StandardsStore> m_store;
    RecordingOwner m_owner;
    std::unique_ptr<StandardsManager> m_manager;
    QStringList m_asked;
    bool m_answer = true;
};

constexpr int kZn = 3;

TEST_F(ManagerTest, ListIsAReportWithTheKindsHeadingsAndWidths)
{
    AddStandards(StandardKind::Thermistor, 1);
    Open(StandardKind::Thermistor);
    EXPECT_EQ(m_manager->objectName(), "StdUI_NAME");
    EXPECT_EQ(list()->objectName(), "ConfigurationListView");
    EXPECT_TRUE(list()->showGrid());
    EXPECT_EQ(list()->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list()->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_FALSE(list()->verticalHeader()->isVisible());
    EXPECT_EQ(m_manager->menuMode(), ManagerCommand::None);
    EXPECT_EQ(m_manager->lastRightClickRow(), 0);
    EXPECT_EQ(m_manager->lastRightClickColumn(), 0);

    ASSERT_EQ(list()->columnCount(), 11);
    QStringList headings;
    for (int c = 0; c < 10; ++c) headings << list()->horizontalHeaderItem(c)->text();
    EXPECT_EQ(headings, (QStringList{"Mode", "S/N", "CertNo", "Method", "R(25℃) Ω", "β", "A", "B", "C", "D"}));
    EXPECT_EQ(list()->columnWidth(0), 150);
    EXPECT_EQ(list()->columnWidth(9), 120);
    // The eleventh column never shows, not even after the user drags header edges.
    EXPECT_TRUE(list()->isColumnHidden(10));
    EXPECT_EQ(list()->horizontalHeader()->sectionSize(10), 0);

    ASSERT_EQ(list()->rowCount(), 1);
    EXPECT_EQ(cell(0, 1), "NTC001");
    EXPECT_EQ(cell(0, 4), "10000");
    EXPECT_EQ(cell(0, 5), "3380.13");  // the template's trailing blanks are not part of the value
    EXPECT_EQ(cell(0, 6), "0.8744102777E-3");
    EXPECT_EQ(cell(0, 9), "");  // the template has no D
}

TEST_F(ManagerTest, ColumnWidthsFollowTheScreenWidth)
{
    InitUiContext(1366, 768);
    Open(StandardKind::Thermocouple);
    InitUiContext(1920, 1080);
    EXPECT_EQ(list()->columnWidth(0), 120);  // 170 x 1366/1920 = 120.95, truncated
    EXPECT_EQ(list()->columnWidth(2), 42);   // 60 x 0.7114583 = 42.69
    EXPECT_EQ(list()->horizontalHeaderItem(3)->text(), "Zn (mV)");
}

TEST_F(ManagerTest, AddAppendsTheTemplateAndRefillsTheOwnersComboBox)
{
    AddStandards(StandardKind::Thermocouple, 1);
    m_clock.next = 0;  // the new section name collides with the first and must count up
    Open();
    DiagnosticCapture diagnostics;

    const QStringList menu = RightClickAndChoose(BelowRows(), QStringLiteral("AddAction"));
    EXPECT_EQ(menu, (QStringList{"Choose", "-", "Edit", "Save", "Add", "Delete"}));
    EXPECT_EQ(m_manager->lastRightClickRow(), -1);  // the click hit no row; Add does not need one
    EXPECT_EQ(m_manager->menuMode(), ManagerCommand::Add);
    EXPECT_EQ(diagnostics.lines(), QStringList{"\n code= -5 , NM_RCLICK = -5\n"});

    ASSERT_EQ(list()->rowCount(), 2);
    QStringList row;
    for (int c = 0; c < 9; ++c) row << cell(1, c);
    // Product number: the date and time as 14 digits, then the first 8 digits of the tick count.
    EXPECT_EQ(row, (QStringList{"2024030914050798765432", "StdCouple001", "S", "3.4472", "5.8605", "10.5822", "1",
                                "QX10000001", "Fixed point"}));
    EXPECT_EQ(StoredValue(StandardKind::Thermocouple, 1, "ProductNo"), "2024030914050798765432");

    ASSERT_EQ(m_owner.combo.count(), 2);
    EXPECT_EQ(m_owner.combo.itemText(1), "2024030914050798765432");
    EXPECT_EQ(m_owner.combo.currentIndex(), 0);
    EXPECT_EQ(m_owner.combo.maxVisibleItems(), 3);  // every standard and one more
    EXPECT_TRUE(m_manager->messageLabel()->isHidden());
}

TEST_F(ManagerTest, AddIsRefusedFromTheTenthRowOnAndWithoutATemplate)
{
    AddStandards(StandardKind::Thermocouple, 9);
    Open();
    RightClickAndChoose(BelowRows(), QStringLiteral("AddAction"));
    EXPECT_EQ(list()->rowCount(), 10);  // nine rows still take one more

    const std::string before = ReadBytes(m_folder.File());
    RightClickCell(3, 0, "AddAction");
    EXPECT_EQ(list()->rowCount(), 10);
    EXPECT_EQ(m_store->Count(StandardKind::Thermocouple), 10U);
    EXPECT_EQ(ReadBytes(m_folder.File()), before);
}

TEST(ManagerWithoutTemplate, AddLeavesTheListAsItWas)
{
    test::TempFolder folder;
    test::WriteBytes(folder.File(), test::Utf16Bytes("[couplestd1]\nProductNo = P1\nZn = 3.5\n"));
    StandardsStore store(InFolder(folder.Path()));
    StandardsManager manager(nullptr, store, StandardKind::Thermocouple);
    ASSERT_EQ(manager.list()->rowCount(), 1);
    manager.RunCommand(ManagerCommand::Add);
    EXPECT_EQ(manager.list()->rowCount(), 1);
    EXPECT_TRUE(manager.messageLabel()->isHidden());  // no template is not a write failure
}

TEST_F(ManagerTest, EditZnWithEnterWritesTheKeyAtOnce)
{
    AddStandards(StandardKind::Thermocouple, 2);
    Open();
    RightClickCell(1, kZn, "EditAction");
    EXPECT_EQ(m_manager->lastRightClickRow(), 1);
    EXPECT_EQ(m_manager->lastRightClickColumn(), kZn);
    EXPECT_TRUE(m_manager->isEditing());
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->text(), "1");
    EXPECT_TRUE(editor()->hasFocus());

    TypeInCell(QStringLiteral("3.44725"), Qt::Key_Return);
    EXPECT_FALSE(m_manager->isEditing());
    EXPECT_EQ(cell(1, kZn), "3.44725");
    EXPECT_EQ(StoredValue(StandardKind::Thermocouple, 1, "Zn"), "3.44725");
    EXPECT_EQ(StoredValue(StandardKind::Thermocouple, 0, "Zn"), "0");
    EXPECT_NE(FileText(m_folder.File()).find("Zn = 3.44725\n"), std::string::npos);
    EXPECT_EQ(m_manager->menuMode(), ManagerCommand::None);

    // A further edit needs Edit again: a double-click now only selects.
    DoubleClickCell(0, kZn);
    EXPECT_FALSE(m_manager->isEditing());
    EXPECT_EQ(editor(), nullptr);
}

TEST_F(ManagerTest, EscapeWritesNothingAndDoubleClickEditsAgain)
{
    AddStandards(StandardKind::Thermocouple, 2);
    Open();
    const std::string before = ReadBytes(m_folder.File());
    RightClickCell(0, kZn, "EditAction");
    TypeInCell(QStringLiteral("9.9"), Qt::Key_Escape);
    EXPECT_FALSE(m_manager->isEditing());
    EXPECT_EQ(cell(0, kZn), "0");
    EXPECT_EQ(ReadBytes(m_folder.File()), before);
    EXPECT_EQ(m_manager->menuMode(), ManagerCommand::Edit);

    // Still in Edit mode: the double-clicked cell opens for editing.
    DoubleClickCell(1, 4);
    ASSERT_TRUE(m_manager->isEditing());
    TypeInCell(QStringLiteral("5.86"), Qt::Key_Enter);
    EXPECT_EQ(cell(1, 4), "5.86");
    EXPECT_EQ(StoredValue(StandardKind::Thermocouple, 1, "Al"), "5.86");
    EXPECT_EQ(m_manager->menuMode(), ManagerCommand::None);
}

TEST_F(ManagerTest, TabEndsTheEditWithoutOpeningTheNextCell)
{
    AddStandards(StandardKind::Thermocouple, 1);
    Open();
    RightClickCell(0, kZn, "EditAction");
    TypeInCell(QStringLiteral("3.4"), Qt::Key_Tab);
    EXPECT_FALSE(m_manager->isEditing());
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(StoredValue(StandardKind::Thermocouple, 0, "Zn"), "3.4");
}

TEST_F(ManagerTest, ClosingTheWindowDuringAnEditWritesNothing)
{
    AddStandards(StandardKind::Thermocouple, 1);
    Open();
    const std::string before = ReadBytes(m_folder.File());
    RightClickCell(0, kZn, "EditAction");
    ASSERT_NE(editor(), nullptr);
    QTest::keyClicks(editor(), QStringLiteral("7"));
    m_manager.reset();
    EXPECT_EQ(ReadBytes(m_folder.File()), before);
}

TEST_F(ManagerTest, LongValuesAreKeptWhole)
{
    // Regression: a 32-character coefficient once read back as "1.23456789012345678901234567e-0",
    // 1e5 times too large.
    AddStandards(StandardKind::Resistor, 1);
    Open(StandardKind::Resistor);
    const QString coefficient = QStringLiteral("1.23456789012345678901234567e-05");
    RightClickCell(0, 15, "EditAction");  // a10
    TypeInCell(coefficient, Qt::Key_Return);
    EXPECT_EQ(cell(0, 15), coefficient);
    EXPECT_EQ(StoredValue(StandardKind::Resistor, 0, "a10"), coefficient.toStdString());
    EXPECT_EQ(StoredValue(StandardKind::Resistor, 0, "a11"), "0");

    const QString remark = QString(300, u'7');
    RightClickCell(0, 1, "EditAction");
    TypeInCell(remark, Qt::Key_Return);
    EXPECT_EQ(StoredValue(StandardKind::Resistor, 0, "TypeNo"), remark.toStdString());
}

TEST_F(ManagerTest, EditingTheProductNumberRenamesItsComboItemOnly)
{
    AddStandards(StandardKind::Thermocouple, 2);
    Open();
    FillProductNumbers(m_owner.combo, *m_store, StandardKind::Thermocouple);
    m_owner.combo.setCurrentIndex(1);
    RightClickCell(1, 0, "EditAction");
    TypeInCell(QStringLiteral("  B-7  "), Qt::Key_Return);
    EXPECT_EQ(cell(1, 0), "B-7");  // shown as the file keeps it: trimmed
    EXPECT_EQ(m_owner.combo.itemText(1), "B-7");
    EXPECT_EQ(m_owner.combo.currentIndex(), 1);
}

TEST_F(ManagerTest, DeleteAsksFirstAndNoKeepsTheStandard)
{
    AddStandards(StandardKind::Thermocouple, 3);
    Open();
    const std::string first = m_store->GetStandardName(StandardKind::Thermocouple, 0);
    const std::string second = m_store->GetStandardName(StandardKind::Thermocouple, 1);
    const QString firstProduct = cell(0, 0);
    const std::string before = ReadBytes(m_folder.File());

    m_answer = false;
    RightClickCell(0, 5, "DeleteAction");
    EXPECT_EQ(m_asked, QStringList{firstProduct});
    EXPECT_EQ(list()->rowCount(), 3);
    EXPECT_EQ(ReadBytes(m_folder.File()), before);

    m_answer = true;
    RightClickCell(0, 5, "DeleteAction");
    ASSERT_EQ(list()->rowCount(), 2);
    EXPECT_EQ(cell(0, kZn), "1");  // the former row 1
    EXPECT_EQ(FileText(m_folder.File()).find("[" + first + "]"), std::string::npos);
    EXPECT_NE(FileText(m_folder.File()).find("[" + second + "]"), std::string::npos);
    EXPECT_EQ(m_store->GetStandardName(StandardKind::Thermocouple, 0), second);
    EXPECT_EQ(StoredValue(StandardKind::Thermocouple, 0, "Zn"), "1");
    ASSERT_EQ(m_owner.combo.count(), 2);
    EXPECT_EQ(m_owner.combo.itemText(0), cell(0, 0));
    EXPECT_EQ(m_owner.combo.maxVisibleItems(), 3);
}

TEST_F(ManagerTest, TheDefaultQuestionAnswersNoToEnter)
{
    AddStandards(StandardKind::Thermocouple, 1);
    Open();
    m_manager->setDeleteConfirmation(&AskToDeleteStandard);
    QString question;
    QString defaultButton;
    // The question comes up after the menu has closed; look for it until it is there.
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
    QObject guard;
    QTimer::singleShot(3000, &guard, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    RightClickCell(0, 0, "DeleteAction");
    EXPECT_EQ(defaultButton, "DeleteNoButton");
    EXPECT_EQ(question, "Delete the standard " + cell(0, 0) + " and its certificate values from the file?");
    EXPECT_EQ(list()->rowCount(), 1);
    EXPECT_EQ(m_store->Count(StandardKind::Thermocouple), 1U);
}

TEST_F(ManagerTest, ChooseTellsTheOwnerTheRowIndex)
{
    AddStandards(StandardKind::Thermocouple, 3);
    Open();
    RightClickCell(2, 6, "ChooseAction");
    RightClickCell(0, 1, "ChooseAction");
    EXPECT_EQ(m_owner.chosen, (std::vector<int>{2, 0}));
    EXPECT_EQ(m_manager->menuMode(), ManagerCommand::Choose);
}

TEST_F(ManagerTest, CommandsNeedingARowAreIgnoredAfterARightClickOnNoRow)
{
    AddStandards(StandardKind::Thermocouple, 2);
    Open();
    const std::string before = ReadBytes(m_folder.File());
    for (const char* action : {"EditAction", "DeleteAction", "ChooseAction", "SaveAction"}) {
        RightClickAndChoose(BelowRows(), QString::fromLatin1(action));
        EXPECT_EQ(m_manager->lastRightClickRow(), -1) << action;
        EXPECT_FALSE(m_manager->isEditing()) << action;
    }
    EXPECT_TRUE(m_asked.isEmpty());
    EXPECT_TRUE(m_owner.chosen.empty());
    EXPECT_EQ(list()->rowCount(), 2);
    EXPECT_EQ(ReadBytes(m_folder.File()), before);

    // The remembered cell follows every right-click; a menu closed without a choice leaves no mode.
    RightClickAndChoose(CellCentre(1, 7), QString());
    EXPECT_EQ(m_manager->lastRightClickRow(), 1);
    EXPECT_EQ(m_manager->lastRightClickColumn(), 7);
    EXPECT_EQ(m_manager->menuMode(), ManagerCommand::None);
}

TEST_F(ManagerTest, TheMenuKeyActsOnTheCurrentCell)
{
    AddStandards(StandardKind::Thermocouple, 2);
    Open();
    list()->setCurrentCell(1, kZn);
    QObject guard;
    QTimer::singleShot(0, &guard, [] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            QAction* choose = menu->findChild<QAction*>(QStringLiteral("ChooseAction"));
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(choose).center());
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5), list()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(list(), &event);
    EXPECT_EQ(m_owner.chosen, std::vector<int>{1});
    EXPECT_EQ(m_manager->lastRightClickColumn(), kZn);
}

TEST_F(ManagerTest, AReadOnlyFileRestoresTheCellAndSaysSo)
{
    AddStandards(StandardKind::Thermocouple, 2);
    Open();
    fs::permissions(m_folder.File(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string before = ReadBytes(m_folder.File());

    RightClickCell(0, kZn, "EditAction");
    TypeInCell(QStringLiteral("4.2"), Qt::Key_Return);
    EXPECT_EQ(cell(0, kZn), "0");  // never shown as saved
    EXPECT_FALSE(m_manager->messageLabel()->isHidden());
    EXPECT_EQ(m_manager->messageLabel()->text(), "The standards file is read-only: the change was not saved.");
    EXPECT_EQ(m_manager->menuMode(), ManagerCommand::Edit);  // nothing written: a double-click may retry

    RightClickCell(1, 0, "DeleteAction");
    EXPECT_EQ(list()->rowCount(), 2);
    EXPECT_EQ(m_owner.combo.count(), 0);  // not refilled: nothing changed
    RightClickCell(1, 0, "AddAction");
    EXPECT_EQ(list()->rowCount(), 2);
    EXPECT_EQ(ReadBytes(m_folder.File()), before);

    // Writable again: the next edit is saved and the message goes away.
    fs::permissions(m_folder.File(), fs::perms::owner_write, fs::perm_options::add);
    RightClickCell(0, kZn, "EditAction");
    TypeInCell(QStringLiteral("4.2"), Qt::Key_Return);
    EXPECT_EQ(cell(0, kZn), "4.2");
    EXPECT_TRUE(m_manager->messageLabel()->isHidden());
}

TEST_F(ManagerTest, AWriteCutShortKeepsTheRowAndTheOldFile)
{
    AddStandards(StandardKind::Thermocouple, 2);
    bool failWrites = false;
    m_hooks.beforeRename = [&failWrites](const fs::path&) { return !failWrites; };
    m_store.emplace(InFolder(m_folder.Path(), m_clock.Bind(), m_hooks));
    Open();
    const std::string before = ReadBytes(m_folder.File());

    failWrites = true;
    RightClickCell(0, 0, "DeleteAction");
    EXPECT_EQ(list()->rowCount(), 2);
    EXPECT_EQ(m_manager->messageLabel()->text(),
              "The standards file could not be written: the change was not saved.");
    RightClickCell(1, kZn, "EditAction");
    TypeInCell(QStringLiteral("8"), Qt::Key_Return);
    EXPECT_EQ(cell(1, kZn), "1");
    EXPECT_EQ(ReadBytes(m_folder.File()), before);
}

TEST(ManagerLanguage, ChineseHeadingsAndMenu)
{
    test::TempFolder folder;
    StandardsStore store(InFolder(folder.Path()));
    SetLanguage(Language::Chinese);
    StandardsManager manager(nullptr, store, StandardKind::Thermocouple);
    SetLanguage(Language::English);
    EXPECT_EQ(manager.list()->horizontalHeaderItem(0)->text(), "出厂编号");
    EXPECT_EQ(manager.list()->horizontalHeaderItem(1)->text(), "型号");
}

// Pictures of the window for a person to look at: set TMCALC_SCREENSHOT_DIR to a folder.
TEST(ManagerPicture, BothLanguages)
{
    const QByteArray dir = qgetenv("TMCALC_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "TMCALC_SCREENSHOT_DIR not set";
    for (const Language language : {Language::English, Language::Chinese}) {
        test::TempFolder folder;
        test::ScriptedClock clock{{11111111, 22222222, 33333333, 44444444}};
        StandardsStore store(InFolder(folder.Path(), clock.Bind()));
        for (const StandardKind kind : kAllStandardKinds) {
            for (int i = 0; i < 2; ++i) {
                StandardRecord record(kind);
                ASSERT_EQ(store.AddStandard(kind, record), StoreStatus::Ok);
            }
        }
        SetLanguage(language);
        for (const StandardKind kind : kAllStandardKinds) {
            StandardsManager manager(nullptr, store, kind);
            manager.resize(1054, 300);
            manager.show();
            if (kind == StandardKind::Thermocouple) {
                fs::permissions(store.Path(), fs::perms::owner_read);
                manager.RunCommand(ManagerCommand::Add);
                fs::permissions(store.Path(), fs::perms::owner_read | fs::perms::owner_write);
                manager.RunCommand(ManagerCommand::Edit);  // the cell (0, 0) remembered before any click
            }
            QApplication::processEvents();
            const QString name = QStringLiteral("%1/standards_manager_%2_%3.png")
                                     .arg(QString::fromLocal8Bit(dir))
                                     .arg(static_cast<int>(kind))
                                     .arg(language == Language::Chinese ? "zh" : "en");
            EXPECT_TRUE(manager.grab().save(name));
        }
        StandardsManager manager(nullptr, store, StandardKind::Resistor);
        manager.resize(600, 200);
        manager.show();
        QObject guard;
        QTimer::singleShot(0, &guard, [&] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                menu->grab().save(QStringLiteral("%1/standards_manager_menu_%2.png")
                                      .arg(QString::fromLocal8Bit(dir))
                                      .arg(language == Language::Chinese ? "zh" : "en"));
                menu->close();
            }
        });
        QWidget* viewport = manager.list()->viewport();
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(30, 30), viewport->mapToGlobal(QPoint(30, 30)));
        QApplication::sendEvent(viewport, &request);
        SetLanguage(Language::English);
    }
}

}  // namespace
}  // namespace tmcalc
