#include "standards/ui/standards_manager.h"

#include <QAbstractItemDelegate>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "framework/ui/text_fit.h"
#include "framework/ui/ui_context.h"
#include "resources/string_table.h"
#include "standards/manager_columns.h"

namespace tmcalc {

// The list with the hooks the manager needs: which cell a right-click hit, the context-menu request,
// and the end of an in-place edit. Edits never reach the model by themselves: the manager writes the
// file first and shows the value only when the file took it.
class ConfigurationList final : public QTableWidget {
public:
    explicit ConfigurationList(QWidget* parent) : QTableWidget(parent) {}

    // Opens the cell editor whatever the edit triggers say; false when the cell cannot be edited.
    bool StartEdit(const QModelIndex& index) { return edit(index, QAbstractItemView::AllEditTriggers, nullptr); }

    std::function<void(const QPoint&)> onRightPress;  // viewport coordinates
    std::function<void(QContextMenuEvent*)> onContextMenu;
    std::function<void(const QString&)> onCommit;
    std::function<void()> onEditorClosed;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        QTableWidget::mousePressEvent(event);
        if (event->button() == Qt::RightButton && onRightPress) onRightPress(event->position().toPoint());
    }

    void contextMenuEvent(QContextMenuEvent* event) override
    {
        if (onContextMenu) onContextMenu(event);
    }

    // An empty list says how to begin: Add, Edit and Delete live on the right-click menu alone.
    void paintEvent(QPaintEvent* event) override
    {
        QTableWidget::paintEvent(event);
        if (rowCount() > 0) return;
        QPainter painter(viewport());
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
        const int line = verticalHeader()->defaultSectionSize();
        const QRect box(0, (viewport()->height() - line) / 2, viewport()->width(), line);
        DrawFittedText(painter, box, Qt::AlignCenter | Qt::TextSingleLine, Str(kStrEmptyStandardsHint));
    }

    void commitData(QWidget* editor) override
    {
        if (auto* edit = qobject_cast<QLineEdit*>(editor); edit && onCommit) onCommit(edit->text());
    }

    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override
    {
        if (onEditorClosed) onEditorClosed();
        // Tab ends the edit like Enter; it must not open the next cell, which would edit without the menu.
        if (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem) {
            hint = QAbstractItemDelegate::SubmitModelCache;
        }
        QTableWidget::closeEditor(editor, hint);
    }
};

namespace {

// The list's right-click notification code, as the diagnostic line shows it.
constexpr int kRightClickCode = -5;

// The store refuses line breaks and NULs, which would split or hide the entry; a pasted value keeps its
// words on one line instead.
std::string ValueForFile(QString text)
{
    for (QChar& c : text) {
        if (c == u'\r' || c == u'\n' || c == u'\0') c = u' ';
    }
    return text.toStdString();
}

bool FileRefused(StoreStatus status)
{
    return status == StoreStatus::ReadOnly || status == StoreStatus::WriteFailed ||
           status == StoreStatus::Unreadable || status == StoreStatus::Busy;
}

// The cell editor: long enough for any certificate value, its text selected so typing replaces it.
class CellEditDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                          const QModelIndex& /*index*/) const override
    {
        auto* edit = new QLineEdit(parent);
        edit->setObjectName(QStringLiteral("ConfigurationCellEdit"));
        edit->setMaxLength(kMaxCellTextLength);
        return edit;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            edit->setText(index.data(Qt::DisplayRole).toString());
            edit->selectAll();
        }
    }
};

}  // namespace

bool AskToDeleteStandard(QWidget* parent, const QString& productNo)
{
    QMessageBox box(QMessageBox::Question, Str(static_cast<int>(ManagerCommand::Delete)),
                    Str(kStrDeleteStandardQuestion).arg(productNo), QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("DeleteStandardQuestion"));
    QPushButton* yes = box.addButton(Str(kStrYes), QMessageBox::YesRole);
    QPushButton* no = box.addButton(Str(kStrNo), QMessageBox::NoRole);
    yes->setObjectName(QStringLiteral("DeleteYesButton"));
    no->setObjectName(QStringLiteral("DeleteNoButton"));
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

StandardsManager::StandardsManager(QWidget* parent, ProductNumberModel& products)
    : QFrame(parent), m_products(products), m_store(products.store()), m_kind(products.kind())
{
    setObjectName(QStringLiteral("StdUI_NAME"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);

    m_list = new ConfigurationList(this);
    m_list->setObjectName(QStringLiteral("ConfigurationListView"));
    m_list->setShowGrid(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);  // only the Edit command starts an edit
    m_list->setItemDelegate(new CellEditDelegate(m_list));
    m_list->setWordWrap(false);
    m_list->setCornerButtonEnabled(false);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list->horizontalHeader()->setHighlightSections(false);
    m_list->horizontalHeader()->setObjectName(QStringLiteral("ConfigurationListHeader"));
    // The size of the desktop's own list text (9 points at 96 dpi) scaled with the columns, so that a
    // 22-digit product number fits its 170-pixel column; rows only as high as the text needs, as in a
    // report list.
    QFont listFont(Ui().fontFamily);
    listFont.setPixelSize(ScaledPixels(Ui().geometry, 12));
    m_list->setFont(listFont);
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(QFontMetrics(listFont).height() +
                                                    ScaledPixels(Ui().geometry, 6));

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("StandardsFileMessage"));
    m_message->setContentsMargins(6, 3, 6, 3);
    m_message->setStyleSheet(QStringLiteral("color: rgb(170, 0, 0);"));
    m_message->setWordWrap(true);
    m_message->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_message);

    m_list->onRightPress = [this](const QPoint& pos) { OnRightPress(pos); };
    m_list->onContextMenu = [this](QContextMenuEvent* event) { OnContextMenu(event); };
    m_list->onCommit = [this](const QString& text) { CommitEdit(text); };
    m_list->onEditorClosed = [this] { EndEdit(); };
    connect(m_list, &QAbstractItemView::doubleClicked, this, &StandardsManager::OnDoubleClick);
    // The list was read again (a change here, in another manager of the kind or in another copy of the
    // program): show the file as it is now, but never under an open cell editor (the list is filled
    // again once the edit has ended).
    connect(&m_products, &ProductNumberModel::reread, this, [this] {
        if (m_editing) {
            m_stale = true;
        } else {
            Fill();
        }
    });

    if (!m_products.RefreshIfChanged()) Fill();
    m_menuMode = ManagerCommand::None;
}

StandardsManager::~StandardsManager()
{
    // The list outlives this part of the object while QWidget deletes the children, and an open cell
    // editor announces its end then; an edit still open when the window goes is dropped unwritten.
    m_list->onRightPress = nullptr;
    m_list->onContextMenu = nullptr;
    m_list->onCommit = nullptr;
    m_list->onEditorClosed = nullptr;
}

QTableWidget* StandardsManager::list() const
{
    return m_list;
}

void StandardsManager::showEvent(QShowEvent* event)
{
    FollowFile();
    QFrame::showEvent(event);
}

void StandardsManager::FollowFile()
{
    m_products.RefreshIfChanged();
}

void StandardsManager::Fill()
{
    m_list->setRowCount(0);
    const auto columns = StandardListColumns(m_kind);
    m_list->setColumnCount(static_cast<int>(columns.size()));
    const float scale = Ui().geometry.scaleX();
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        const StandardListColumn& column = columns[static_cast<std::size_t>(c)];
        m_list->setHorizontalHeaderItem(c, new QTableWidgetItem(Str(column.headingId)));
        m_list->setColumnWidth(c, ScaledColumnWidth(column.width, scale));
        // A zero-width column could still be dragged open by its edge; it holds nothing, so hide it.
        m_list->setColumnHidden(c, column.width == 0);
    }
    for (const auto& values : m_store.LoadListRows(m_kind)) AppendRow(values);
    m_rowNames = m_store.Names(m_kind);
    // The remembered click follows its standard to wherever it now stands.
    if (!m_clickName.empty()) {
        const auto found = std::find(m_rowNames.begin(), m_rowNames.end(), m_clickName);
        m_clickRow = found == m_rowNames.end() ? -1 : static_cast<int>(found - m_rowNames.begin());
    }
}

void StandardsManager::AppendRow(const std::vector<std::string>& values)
{
    const int row = m_list->rowCount();
    m_list->insertRow(row);
    for (int c = 0; c < m_list->columnCount(); ++c) {
        const auto index = static_cast<std::size_t>(c);
        auto* item = new QTableWidgetItem(index < values.size() ? FromUtf8(values[index]) : QString());
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable);
        m_list->setItem(row, c, item);
    }
}

void StandardsManager::OnRightPress(const QPoint& viewportPos)
{
    const QModelIndex index = m_list->indexAt(viewportPos);
    m_clickRow = index.isValid() ? index.row() : -1;
    m_clickColumn = index.isValid() ? index.column() : m_list->columnAt(viewportPos.x());
    m_clickName = RowName(m_clickRow);
    qCDebug(lcDiagnostics).noquote() << QString::asprintf("\n code= %d , NM_RCLICK = %d\n", kRightClickCode,
                                                          kRightClickCode);
}

void StandardsManager::OnContextMenu(QContextMenuEvent* event)
{
    event->accept();
    if (event->reason() == QContextMenuEvent::Mouse) {
        // The event comes through the viewport, in its coordinates; a request over the header or a
        // scroll bar opens nothing.
        if (!m_list->viewport()->rect().contains(event->pos())) return;
        OpenMenu(event->globalPos());
        return;
    }
    // The menu key: the current cell stands for the right-clicked one, so the list works without a mouse.
    const QModelIndex current = m_list->currentIndex();
    m_clickRow = current.isValid() ? current.row() : -1;
    m_clickColumn = current.isValid() ? current.column() : 0;
    m_clickName = RowName(m_clickRow);
    const QRect cell = m_list->visualRect(current);
    const QPoint at = cell.isValid() ? cell.center() : m_list->viewport()->rect().center();
    OpenMenu(m_list->viewport()->mapToGlobal(at));
}

void StandardsManager::OpenMenu(const QPoint& globalPos)
{
    FollowFile();
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("StandardsContextMenu"));
    const auto add = [&menu](ManagerCommand command, const char* objectName) {
        QAction* action = menu.addAction(Str(static_cast<int>(command)));
        action->setObjectName(QString::fromLatin1(objectName));
        action->setData(static_cast<int>(command));
    };
    add(ManagerCommand::Choose, "ChooseAction");
    menu.addSeparator();
    add(ManagerCommand::Edit, "EditAction");
    add(ManagerCommand::Save, "SaveAction");
    add(ManagerCommand::Add, "AddAction");
    add(ManagerCommand::Delete, "DeleteAction");
    if (!m_extraCommands.empty()) menu.addSeparator();
    const bool onRow = m_clickRow >= 0 && m_clickRow < m_list->rowCount();
    for (const ManagerExtraCommand& extra : m_extraCommands) {
        QAction* action = menu.addAction(Str(extra.textId));
        action->setObjectName(QString::fromLatin1(extra.objectName));
        action->setData(extra.textId);
        action->setEnabled(onRow || !extra.needsRow);
    }

    const QAction* chosen = menu.exec(globalPos);
    // A menu closed without a choice leaves no command behind, as choosing nothing.
    RunCommand(chosen ? static_cast<ManagerCommand>(chosen->data().toInt()) : ManagerCommand::None);
}

void StandardsManager::RunCommand(ManagerCommand command)
{
    m_menuMode = command;
    FollowFile();
    for (const ManagerExtraCommand& extra : m_extraCommands) {
        if (static_cast<int>(command) != extra.textId) continue;
        const bool onRow = m_clickRow >= 0 && m_clickRow < m_list->rowCount();
        if (extra.needsRow && !onRow) {
            if (!m_clickName.empty()) ShowMessage(kStrStandardRemovedElsewhere);
            return;
        }
        extra.run(*this, onRow ? m_clickRow : -1);
        return;
    }
    if (command == ManagerCommand::Add) {
        AddStandard();
        return;
    }
    if (m_clickRow < 0 || m_clickRow >= m_list->rowCount()) {
        // A click on no row asks for nothing; a click on a standard that has since gone is told.
        const bool needsRow = command == ManagerCommand::Edit || command == ManagerCommand::Delete ||
                              command == ManagerCommand::Choose;
        if (needsRow && !m_clickName.empty()) ShowMessage(kStrStandardRemovedElsewhere);
        return;
    }
    switch (command) {
        case ManagerCommand::Edit:
            BeginEdit(m_clickRow, m_clickColumn);
            break;
        case ManagerCommand::Delete:
            DeleteStandard(m_clickRow);
            break;
        case ManagerCommand::Choose:
            Q_EMIT standardChosen(m_clickRow);
            break;
        case ManagerCommand::Save:  // every change is in the file already
        case ManagerCommand::Add:
        case ManagerCommand::None:
            break;
    }
}

void StandardsManager::OnDoubleClick(const QModelIndex& index)
{
    if (m_menuMode != ManagerCommand::Edit || m_editing || !index.isValid()) return;
    BeginEdit(index.row(), index.column());
}

void StandardsManager::BeginEdit(int row, int column)
{
    if (m_editing || StandardListColumnKey(m_kind, column).empty()) return;
    QTableWidgetItem* item = m_list->item(row, column);
    if (item == nullptr) return;
    m_editing = true;
    m_editCommitted = false;
    m_editIndex = m_list->model()->index(row, column);
    m_editName = RowName(row);
    m_list->setCurrentCell(row, column);
    if (!m_list->StartEdit(m_editIndex)) EndEdit();
}

void StandardsManager::CommitEdit(const QString& text)
{
    // One edit is written once, however many ways its end is announced.
    if (!m_editing || m_editCommitted || !m_editIndex.isValid()) return;
    m_editCommitted = true;
    const int row = m_editIndex.row();
    const int column = m_editIndex.column();
    const std::string_view key = StandardListColumnKey(m_kind, column);

    FollowFile();  // a refill this brings waits for the editor to close
    const StoreStatus status = m_store.SetStandardValue(m_kind, m_editName, key, ValueForFile(text));
    ReportWrite(status);
    if (status == StoreStatus::NotFound) m_products.Refresh();
    if (status != StoreStatus::Ok) return;  // the cell keeps the value the file still holds

    // Show the value as the file now gives it back (trimmed), not as typed.
    StandardRecord record(m_kind);
    const QString stored =
        m_store.LoadStandard(m_kind, m_editName, record) == StoreStatus::Ok ? FromUtf8(record.Value(key)) : text;
    if (QTableWidgetItem* item = m_list->item(row, column)) item->setText(stored);
    m_menuMode = ManagerCommand::None;
    if (key == "ProductNo") m_products.Refresh();
}

void StandardsManager::EndEdit()
{
    // A cancelled edit keeps the Edit mode, so a double-click starts the next one.
    m_editing = false;
    m_editIndex = QPersistentModelIndex();
    if (m_stale) {
        m_stale = false;
        // Not now: the list is still closing its editor.
        QMetaObject::invokeMethod(this, &StandardsManager::Fill, Qt::QueuedConnection);
    }
}

void StandardsManager::AddStandard()
{
    if (m_list->rowCount() >= kMaxListedStandards) return;
    StandardRecord record(m_kind);
    const StoreStatus status = m_store.AddStandard(m_kind, record);
    if (status != StoreStatus::Ok) {
        // Without the kind's template nothing can be added and nothing is said; a refused write is said.
        if (FileRefused(status)) ReportWrite(status);
        return;
    }
    ReportWrite(status);
    m_products.Refresh();
}

void StandardsManager::AddCommands(std::vector<ManagerExtraCommand> commands)
{
    for (ManagerExtraCommand& command : commands) m_extraCommands.push_back(std::move(command));
}

std::optional<StandardRecord> StandardsManager::RecordAt(int row) const
{
    const std::string name = RowName(row);
    if (name.empty()) return std::nullopt;
    StandardRecord record(m_kind);
    if (m_store.LoadStandard(m_kind, name, record) != StoreStatus::Ok) return std::nullopt;
    return record;
}

StoreStatus StandardsManager::AddStandardWith(const StandardRecord& values)
{
    if (m_list->rowCount() >= kMaxListedStandards) return StoreStatus::Ok;
    StandardRecord record(m_kind);
    StoreStatus status = m_store.AddStandard(m_kind, record);
    if (status == StoreStatus::Ok) {
        for (std::string_view key : StandardKeys(m_kind)) {
            if (!values.Value(key).empty()) record.SetValue(key, values.Value(key));
        }
        const std::string name = m_store.GetStandardName(m_kind, m_store.Count(m_kind) - 1);
        status = m_store.SaveStandard(m_kind, name, record);
    }
    if (status != StoreStatus::Ok && !FileRefused(status)) return status;
    ReportWrite(status);
    m_products.Refresh();
    return status;
}

void StandardsManager::ShowText(const QString& text)
{
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

void StandardsManager::DeleteStandard(int row)
{
    const QTableWidgetItem* first = m_list->item(row, 0);
    const QString productNo = first ? first->text() : QString();
    const std::string name = RowName(row);  // the question waits on the user; the row may move meanwhile
    if (m_confirmDelete && !m_confirmDelete(this, productNo)) return;
    const StoreStatus status = m_store.DeleteStandard(m_kind, name);
    ReportWrite(status);
    if (status != StoreStatus::Ok) return;  // the standard is still in the file, so its row stays
    m_products.Refresh();
}

void StandardsManager::ReportWrite(StoreStatus status)
{
    if (status == StoreStatus::Ok) {
        m_message->hide();
        m_message->clear();
        return;
    }
    switch (status) {
        case StoreStatus::ReadOnly:
            ShowMessage(kStrStandardsReadOnly);
            break;
        case StoreStatus::WriteFailed:
        case StoreStatus::Unreadable:
            ShowMessage(kStrStandardsWriteFailed);
            break;
        case StoreStatus::Busy:
            ShowMessage(kStrStandardsBusy);
            break;
        case StoreStatus::NotFound:
            ShowMessage(kStrStandardRemovedElsewhere);
            break;
        default:  // a value the file cannot hold never gets this far
            break;
    }
}

void StandardsManager::ShowMessage(int stringId)
{
    m_message->setText(Str(stringId));
    m_message->show();
}

std::string StandardsManager::RowName(int row) const
{
    return row >= 0 && static_cast<std::size_t>(row) < m_rowNames.size()
               ? m_rowNames[static_cast<std::size_t>(row)]
               : std::string();
}

}  // namespace tmcalc
