// The standards manager at work: building the list from the file, a confirmed cell edit (Enter to the
// file written and the cell shown), and an Add followed by a Delete, each with a full list of 10.
#include "framework/ui/ui_context.h"
#include "standards/manager_columns.h"
#include "standards/ui/standards_manager.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <optional>

namespace {

namespace fs = std::filesystem;
using tmcalc::ManagerCommand;
using tmcalc::StandardKind;
using tmcalc::StandardsManager;
using tmcalc::StandardsStore;

// A folder of its own with a file of `count` standards of the kind, removed at the end.
class BenchFolder {
public:
    BenchFolder(StandardKind kind, int count)
    {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_path = fs::temp_directory_path() / ("tmcalc_manager_bench_" + std::to_string(stamp));
        fs::create_directories(m_path);
        tmcalc::StandardsStoreOptions options;
        options.folder = m_path;
        m_store.emplace(options);
        for (int i = 0; i < count; ++i) {
            tmcalc::StandardRecord record(kind);
            (void)m_store->AddStandard(kind, record);
        }
    }
    ~BenchFolder()
    {
        m_store.reset();
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    StandardsStore& store() { return *m_store; }

private:
    fs::path m_path;
    std::optional<StandardsStore> m_store;
};

void BM_ManagerFill(benchmark::State& state)
{
    const auto kind = static_cast<StandardKind>(state.range(0));
    BenchFolder folder(kind, tmcalc::kMaxListedStandards);
    for (auto _ : state) {
        tmcalc::ProductNumberModel products(folder.store(), kind);
        StandardsManager manager(nullptr, products);
        benchmark::DoNotOptimize(manager.list()->rowCount());
    }
}
BENCHMARK(BM_ManagerFill)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

void BM_ManagerEditCommit(benchmark::State& state)
{
    BenchFolder folder(StandardKind::Thermocouple, tmcalc::kMaxListedStandards);
    tmcalc::ProductNumberModel products(folder.store(), StandardKind::Thermocouple);
    StandardsManager manager(nullptr, products);
    manager.resize(1054, 400);
    manager.show();
    QApplication::processEvents();
    bool odd = false;
    for (auto _ : state) {
        state.PauseTiming();
        manager.RunCommand(ManagerCommand::Edit);  // the remembered cell (0, 0)
        QLineEdit* edit = nullptr;
        for (QLineEdit* child : manager.list()->findChildren<QLineEdit*>()) {
            if (child->isVisible()) edit = child;
        }
        if (edit == nullptr) {
            state.SkipWithError("no cell editor opened");
            break;
        }
        edit->setText(odd ? QStringLiteral("P-1") : QStringLiteral("P-2"));
        odd = !odd;
        state.ResumeTiming();
        QTest::keyClick(edit, Qt::Key_Return);
        QApplication::processEvents();  // Enter commits through a queued call
        state.PauseTiming();
        if (manager.isEditing()) {
            state.SkipWithError("the edit was not confirmed");
            break;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ManagerEditCommit)->Unit(benchmark::kMicrosecond);

void BM_ManagerAddThenDelete(benchmark::State& state)
{
    BenchFolder folder(StandardKind::Resistor, tmcalc::kMaxListedStandards - 1);
    tmcalc::ProductNumberModel products(folder.store(), StandardKind::Resistor);
    StandardsManager manager(nullptr, products);
    manager.setDeleteConfirmation([](QWidget*, const QString&) { return true; });
    for (auto _ : state) {
        manager.RunCommand(ManagerCommand::Add);     // the tenth row
        manager.RunCommand(ManagerCommand::Delete);  // the remembered row 0
    }
    if (manager.list()->rowCount() != tmcalc::kMaxListedStandards - 1) state.SkipWithError("rows lost or gained");
}
BENCHMARK(BM_ManagerAddThenDelete)->Unit(benchmark::kMicrosecond);

}  // namespace

