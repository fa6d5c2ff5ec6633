#include "standards/ui/standards_library.h"

#include "framework/ui/container_page.h"
#include "standards/standards_store.h"
#include "standards/ui/standards_manager.h"

#include <QComboBox>

namespace tmcalc {

ProductNumberModel::ProductNumberModel(StandardsStore& store, StandardKind kind, QObject* parent)
    : QAbstractListModel(parent), m_store(store), m_kind(kind)
{
    ReadRows();
}

int ProductNumberModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_numbers.size());
}

QVariant ProductNumberModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_numbers.size()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return m_numbers.at(index.row());
    return {};
}

void ProductNumberModel::Refresh()
{
    static_cast<void>(m_store.RefreshIfChanged(m_kind));
    ReadRows();
}

bool ProductNumberModel::RefreshIfChanged()
{
    if (!m_store.RefreshIfChanged(m_kind)) return false;
    ReadRows();
    return true;
}

void ProductNumberModel::ReadRows()
{
    QStringList numbers;
    for (const StandardRecord& record : m_store.LoadAllStandards(m_kind)) {
        const std::string& number = record.Value("ProductNo");
        numbers << QString::fromUtf8(number.data(), static_cast<qsizetype>(number.size()));
    }
    if (numbers.size() != m_numbers.size()) {
        beginResetModel();
        m_numbers = std::move(numbers);
        endResetModel();
    } else {
        // Same count, maybe renamed: a combo box keeps its selection.
        for (qsizetype row = 0; row < numbers.size(); ++row) {
            if (numbers.at(row) == m_numbers.at(row)) continue;
            m_numbers[row] = numbers.at(row);
            const QModelIndex changed = index(static_cast<int>(row));
            Q_EMIT dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
        }
    }
    Q_EMIT reread();
}

std::optional<StandardRecord> ProductNumberModel::Load(int index) const
{
    if (index < 0) return std::nullopt;
    return m_store.LoadStandardAt(m_kind, static_cast<std::size_t>(index));
}

StandardsLibrary::StandardsLibrary(StandardsStore& store) : m_store(store)
{
    for (StandardKind kind : kAllStandardKinds)
        m_models[static_cast<std::size_t>(kind) - 1] = std::make_unique<ProductNumberModel>(store, kind);
}

StandardsLibrary::~StandardsLibrary() = default;

ProductNumberModel& StandardsLibrary::products(StandardKind kind) const
{
    return *m_models[static_cast<std::size_t>(kind) - 1];
}

StandardChooser& StandardChooser::Of(QObject& container)
{
    if (auto* chooser = container.findChild<StandardChooser*>(QString(), Qt::FindDirectChildrenOnly)) return *chooser;
    return *new StandardChooser(&container);
}

void ChooseStandard(ContainerPage& container, const ProductNumberModel& products, int index)
{
    if (const std::optional<StandardRecord> record = products.Load(index))
        StandardChooser::Of(container).Choose(*record, index);
}

StandardsManager* MakeConfigureSubPage(ContainerPage& container, QWidget* host, const QRect& geometry,
                                       ProductNumberModel& products)
{
    auto* manager = new StandardsManager(host, products);
    manager->setGeometry(geometry);
    QObject::connect(
        manager, &StandardsManager::standardChosen, &container,
        [&container, &products](int index) { ChooseStandard(container, products, index); }, Qt::QueuedConnection);
    return manager;
}

ContainerPage* MakeStandardsContainer(QWidget* parent, const QRect& geometry, const ContainerOptions& options,
                                      ProductNumberModel& products, int loadingTab, const SubPageFactory& make,
                                      std::function<void(StandardsManager&)> extend)
{
    const int configureTab = options.tabCount - 1;
    return new ContainerPage(
        parent, geometry, options,
        [&products, loadingTab, configureTab, make, extend](ContainerPage& container, QWidget* host,
                                                             const QRect& rect, int tab) -> QWidget* {
            if (tab == configureTab) {
                StandardsManager* manager = MakeConfigureSubPage(container, host, rect, products);
                if (extend) extend(*manager);
                return manager;
            }
            QWidget* page = make(container, host, rect, tab);
            if (auto* loader = dynamic_cast<StandardLoader*>(page); loader != nullptr && tab == loadingTab) {
                QObject::connect(&StandardChooser::Of(container), &StandardChooser::chosen, page,
                                 [loader, &container, loadingTab](const StandardRecord& record) {
                                     loader->LoadStandard(record);
                                     container.selectTab(loadingTab);
                                 });
            }
            return page;
        });
}

namespace {

// Opening the list is the moment to look at the file again: a combo box has no other.
class ProductCombo final : public QComboBox {
public:
    ProductCombo(QWidget* parent, ProductNumberModel& products) : QComboBox(parent), m_products(products) {}

    void showPopup() override
    {
        m_products.RefreshIfChanged();
        QComboBox::showPopup();
    }

private:
    ProductNumberModel& m_products;
};

}  // namespace

QComboBox* MakeProductCombo(QWidget* parent, ProductNumberModel& products, ContainerPage* container)
{
    auto* combo = new ProductCombo(parent, products);
    combo->setObjectName(QStringLiteral("ProductNumbers"));
    combo->setModel(&products);
    const auto fitAll = [combo, &products] { combo->setMaxVisibleItems(products.rowCount() + 1); };
    fitAll();
    QObject::connect(&products, &QAbstractItemModel::modelReset, combo, fitAll);
    if (container != nullptr) {
        QObject::connect(combo, &QComboBox::activated, container,
                         [container, &products](int index) { ChooseStandard(*container, products, index); });
        // The list shows the standard the container now works with, however it was chosen: by its row,
        // since two standards may carry one product number.
        QObject::connect(&StandardChooser::Of(*container), &StandardChooser::chosen, combo,
                         [combo](const StandardRecord&, int index) {
                             if (index >= 0) combo->setCurrentIndex(index);
                         });
    }
    return combo;
}

}  // namespace tmcalc
