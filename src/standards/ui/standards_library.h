#pragma once

#include "standards/standard_records.h"

#include <QAbstractListModel>

#include <array>
#include <memory>
#include <optional>

class QComboBox;

namespace tmcalc {

class StandardsStore;

// The product numbers of the stored standards of one kind, in list order, as the file holds them. Every
// product-number combo box and every manager of the kind share one model, so an Add, Delete or rename
// in one manager shows everywhere at once.
class ProductNumberModel final : public QAbstractListModel {
    Q_OBJECT
public:
    ProductNumberModel(StandardsStore& store, StandardKind kind, QObject* parent = nullptr);

    [[nodiscard]] StandardsStore& store() const { return m_store; }
    [[nodiscard]] StandardKind kind() const { return m_kind; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    // Reads the list again from the file; views are reset.
    void Refresh();
    // The record of the index-th standard, read from the file now.
    [[nodiscard]] std::optional<StandardRecord> Load(int index) const;

private:
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

// A combo box of the kind's product numbers; it lists them all without scrolling.
[[nodiscard]] QComboBox* MakeProductCombo(QWidget* parent, ProductNumberModel& products);

}  // namespace tmcalc
