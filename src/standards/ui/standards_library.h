#pragma once

#include "framework/ui/container_page.h"
#include "standards/standard_records.h"

#include <QAbstractListModel>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QRect;
class QWidget;

namespace tmcalc {

class StandardsManager;
class StandardsStore;

// The product numbers of the stored standards of one kind, in list order, as the file holds them. Every
// product-number combo box and every manager of the kind share one model, so an Add, Delete or rename
// in one manager shows everywhere at once. Another copy of the program may change the file too; the
// model follows it when asked (RefreshIfChanged), which its views do whenever they open and before
// every change, with no watcher running in between.
class ProductNumberModel final : public QAbstractListModel {
    Q_OBJECT
public:
    ProductNumberModel(StandardsStore& store, StandardKind kind, QObject* parent = nullptr);

    [[nodiscard]] StandardsStore& store() const { return m_store; }
    [[nodiscard]] StandardKind kind() const { return m_kind; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    // Reads the list again from the file (the store's list too, if the file changed meanwhile); views
    // are reset when the count changed, else told of the rows that did. Ends with `reread`.
    void Refresh();
    // Refresh, but only when the file changed since the kind's list was last read; true when it did.
    bool RefreshIfChanged();
    // The record of the index-th standard, read from the file now.
    [[nodiscard]] std::optional<StandardRecord> Load(int index) const;

Q_SIGNALS:
    // The rows were read from the file again; a view showing more than product numbers reads them too.
    void reread();

private:
    void ReadRows();

    StandardsStore& m_store;
    StandardKind m_kind;
    QStringList m_numbers;
};

// The program's standards as the pages see them: the store and one product-number model per kind.
class StandardsLibrary {
public:
    explicit StandardsLibrary(StandardsStore& store);
    ~StandardsLibrary();
    StandardsLibrary(const StandardsLibrary&) = delete;
    StandardsLibrary& operator=(const StandardsLibrary&) = delete;

    [[nodiscard]] StandardsStore& store() const { return m_store; }
    [[nodiscard]] ProductNumberModel& products(StandardKind kind) const;

private:
    StandardsStore& m_store;
    std::array<std::unique_ptr<ProductNumberModel>, 3> m_models;
};

// A combo box of the kind's product numbers; it lists them all without scrolling and looks at the file
// again each time it opens. With a container, the user's pick (not a refill of the list) loads that
// standard into it, as a Choose in its manager does, and the list follows every standard chosen there.
[[nodiscard]] QComboBox* MakeProductCombo(QWidget* parent, ProductNumberModel& products,
                                          ContainerPage* container = nullptr);

// The "Configure" sub-page of a container: the kind's manager, whose Choose loads the chosen standard
// into the container. Queued: the manager's menu is still on the stack when it reports the choice.
[[nodiscard]] StandardsManager* MakeConfigureSubPage(ContainerPage& container, QWidget* host,
                                                     const QRect& geometry, ProductNumberModel& products);

// The choice of a standard in a container whose sub-pages work with standards (Choose in its manager, a
// pick in a product-number list), passed on to whichever of its widgets follows it: the record as the
// file holds it now, and its position in the kind's list (-1: a record from elsewhere). One lives as a
// child of each such container.
class StandardChooser final : public QObject {
    Q_OBJECT
public:
    // The container's chooser, made on first use.
    [[nodiscard]] static StandardChooser& Of(QObject& container);

    void Choose(const StandardRecord& record, int index = -1) { Q_EMIT chosen(record, index); }

Q_SIGNALS:
    void chosen(const tmcalc::StandardRecord& record, int index);

private:
    explicit StandardChooser(QObject* container) : QObject(container) {}
};

// A sub-page that takes the standard a container's user chose.
class StandardLoader {
public:
    virtual void LoadStandard(const StandardRecord& record) = 0;

protected:
    ~StandardLoader() = default;
};

// A container whose sub-pages work with the standards of `products`' kind: its last tab is the kind's
// "Configure" manager, and a standard chosen anywhere in it (the manager, a product-number list) is
// loaded into the sub-page of `loadingTab`, a StandardLoader, which then comes to the front. `make`
// makes every tab but the last; `extend`, when given, adds the page's own commands to the manager.
[[nodiscard]] ContainerPage* MakeStandardsContainer(
    QWidget* parent, const QRect& geometry, const ContainerOptions& options, ProductNumberModel& products,
    int loadingTab, const SubPageFactory& make, std::function<void(StandardsManager&)> extend = {});

// Loads the index-th standard of the products' kind from the file and hands it to the container.
void ChooseStandard(ContainerPage& container, const ProductNumberModel& products, int index);

}  // namespace tmcalc
