#pragma once

#include <QFrame>
#include <QPersistentModelIndex>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "resources/string_ids.h"
#include "standards/standard_records.h"
#include "standards/standards_store.h"
#include "standards/ui/standards_library.h"

class QContextMenuEvent;
class QLabel;
class QShowEvent;
class QTableWidget;

namespace tmcalc {

class ConfigurationList;

// The context menu's commands. Each number is also the string id of the command's text, and the last
// command chosen is the manager's menu mode.
enum class ManagerCommand : int {
    None = 0,
    Edit = kStrManagerEdit,
    Save = kStrManagerSave,
    Add = kStrManagerAdd,
    Delete = kStrManagerDelete,
    Choose = kStrManagerChoose,
};

// Certificate values are kept whole in the file; this bound only keeps a pasted page of text out of it.
inline constexpr int kMaxCellTextLength = 1024;

// Answers whether the standard with this product number may be deleted.
using DeleteConfirmation = std::function<bool(QWidget* parent, const QString& productNo)>;

class StandardsManager;

// A command a page adds to its kind's menu (after the manager's own, behind a separator). Its text id is
// its command number, as for the manager's own; `run` gets the manager and the right-clicked row (-1: none).
struct ManagerExtraCommand {
    int textId = 0;
    const char* objectName = "";
    bool needsRow = false;  // shown disabled when the click hit no standard
    std::function<void(StandardsManager& manager, int row)> run;
};

// Asks with a Yes / No message box whose default button is No, so that a stray Enter keeps the record.
[[nodiscard]] bool AskToDeleteStandard(QWidget* parent, const QString& productNo);

// The list of the stored standards of one kind: one row per standard (row = the standard's index in the
// store), one column per shown value. A right-click opens a menu to choose, edit, add or delete a
// standard; every change goes to the file at once, and a change the file refused is undone on screen
// and reported in a line under the list.
//
// Another copy of the program may change the file meanwhile. The list is read again when the window is
// shown, when the menu opens and before every change if the file changed, and a command acts on the
// standard the user clicked, found by its section name, never on whatever now fills its row.
class StandardsManager : public QFrame {
    Q_OBJECT
public:
    // Lists the standards of the products' kind; after every Add, Delete and change of a product number
    // the shared product list is read again, which every view of the kind follows.
    StandardsManager(QWidget* parent, ProductNumberModel& products);
    ~StandardsManager() override;
    StandardsManager(const StandardsManager&) = delete;
    StandardsManager& operator=(const StandardsManager&) = delete;

    [[nodiscard]] StandardKind kind() const { return m_kind; }
    [[nodiscard]] QTableWidget* list() const;
    [[nodiscard]] QLabel* messageLabel() const { return m_message; }

    // Replaces the question asked before a Delete (tests answer it without a dialog).
    void setDeleteConfirmation(DeleteConfirmation confirm) { m_confirmDelete = std::move(confirm); }

    // The last command chosen from the menu; back to None after a confirmed edit.
    [[nodiscard]] ManagerCommand menuMode() const { return m_menuMode; }
    // Cell of the last right-click on the list: (0, 0) before the first, row -1 when it hit no row or
    // when the standard there has since gone from the file.
    [[nodiscard]] int lastRightClickRow() const { return m_clickRow; }
    [[nodiscard]] int lastRightClickColumn() const { return m_clickColumn; }
    [[nodiscard]] bool isEditing() const { return m_editing; }

    // Carries out a menu command on the remembered cell, exactly as when it is chosen from the menu.
    void RunCommand(ManagerCommand command);

    // Commands of the page that owns this kind's list.
    void AddCommands(std::vector<ManagerExtraCommand> commands);
    // The standard of a row as the file holds it now; empty when the row or its section is gone.
    [[nodiscard]] std::optional<StandardRecord> RecordAt(int row) const;
    // Adds a standard from the kind's template (a fresh product number) with the given values on top of
    // it (keys of the record that are empty keep the template's); the outcome is reported as by Add.
    StoreStatus AddStandardWith(const StandardRecord& values);
    // A line under the list (empty: hides it).
    void ShowText(const QString& text);

Q_SIGNALS:
    // The user chose the standard at `index` in its kind's list; the owner loads it from the store.
    // Owners that must not re-enter the manager connect with Qt::QueuedConnection.
    void standardChosen(int index);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Fill();
    void FollowFile();
    void AppendRow(const std::vector<std::string>& values);
    void OnRightPress(const QPoint& viewportPos);
    void OnContextMenu(QContextMenuEvent* event);
    void OpenMenu(const QPoint& globalPos);
    void OnDoubleClick(const QModelIndex& index);
    void BeginEdit(int row, int column);
    void CommitEdit(const QString& text);
    void EndEdit();
    void AddStandard();
    void DeleteStandard(int row);
    void ReportWrite(StoreStatus status);
    void ShowMessage(int stringId);
    [[nodiscard]] std::string RowName(int row) const;

    ProductNumberModel& m_products;
    StandardsStore& m_store;
    StandardKind m_kind;
    ConfigurationList* m_list = nullptr;
    QLabel* m_message = nullptr;
    DeleteConfirmation m_confirmDelete = &AskToDeleteStandard;
    std::vector<ManagerExtraCommand> m_extraCommands;

    ManagerCommand m_menuMode = ManagerCommand::None;
    int m_clickRow = 0;
    int m_clickColumn = 0;
    std::string m_clickName;              // section of the right-clicked standard; empty: none yet
    std::vector<std::string> m_rowNames;  // section of each row, as filled
    bool m_editing = false;
    bool m_editCommitted = false;
    bool m_stale = false;  // the list changed elsewhere during an edit
    QPersistentModelIndex m_editIndex;
    std::string m_editName;  // section of the standard being edited
};

}  // namespace tmcalc
