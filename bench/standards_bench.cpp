// Reading all standards of a kind (the manager's fill) and one save (every edit, Add and Delete),
// for a small and a very large file. A save includes taking the lock, reading and parsing the file,
// writing the whole new file, flushing it and its folder to the disk and the rename; the flushes are
// wall time, so the CPU column is the one to compare with and without the lock.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "standards/file_lock.h"
#include "standards/profile_file.h"
#include "standards/standards_store.h"
#include "standards/standards_template.h"
#include "framework/utf_text.h"

namespace {

namespace fs = std::filesystem;
using tmcalc::StandardKind;

class StandardsFile {
public:
    explicit StandardsFile(int standards)
    {
        m_folder = fs::temp_directory_path() /
                   ("tmcalc_standards_bench_" +
                    std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(m_folder);
        std::string text = tmcalc::Utf16ToUtf8(tmcalc::StandardsTemplateText());
        for (int i = 0; i < standards; ++i) {
            text += "[resistorstd" + std::to_string(10000000 + i) + "]\n";
            for (const std::string_view key : tmcalc::StandardKeys(StandardKind::Resistor)) {
                text += std::string(key) + " = " + (key == "Rtp" ? "25.5" : "-1.23456789e-05") + "\n";
            }
        }
        std::string bytes;
        for (const char16_t unit : tmcalc::Utf8ToUtf16(text)) {
            bytes.push_back(static_cast<char>(unit & 0xFF));
            bytes.push_back(static_cast<char>(unit >> 8));
        }
        std::ofstream(m_folder / tmcalc::kStandardsFileName, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        m_bytes = bytes.size();
    }
    ~StandardsFile()
    {
        std::error_code ec;
        fs::remove_all(m_folder, ec);
    }
    StandardsFile(const StandardsFile&) = delete;
    StandardsFile& operator=(const StandardsFile&) = delete;

    [[nodiscard]] tmcalc::StandardsStore Store() const
    {
        tmcalc::StandardsStoreOptions options;
        options.folder = m_folder;
        return tmcalc::StandardsStore(std::move(options));
    }
    [[nodiscard]] std::size_t Bytes() const { return m_bytes; }
    [[nodiscard]] fs::path Path() const { return m_folder / tmcalc::kStandardsFileName; }
    [[nodiscard]] fs::path LockPath() const { return m_folder / tmcalc::kStandardsLockFileName; }

private:
    fs::path m_folder;
    std::size_t m_bytes = 0;
};

void BM_LoadAllStandards(benchmark::State& state)
{
    const StandardsFile file(static_cast<int>(state.range(0)));
    const tmcalc::StandardsStore store = file.Store();
    for (auto _ : state) benchmark::DoNotOptimize(store.LoadAllStandards(StandardKind::Resistor));
    state.counters["file_bytes"] = static_cast<double>(file.Bytes());
}
BENCHMARK(BM_LoadAllStandards)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_LoadOneStandard(benchmark::State& state)
{
    const StandardsFile file(static_cast<int>(state.range(0)));
    const tmcalc::StandardsStore store = file.Store();
    const std::size_t last = store.Count(StandardKind::Resistor) - 1;
    for (auto _ : state) benchmark::DoNotOptimize(store.LoadStandardAt(StandardKind::Resistor, last));
}
BENCHMARK(BM_LoadOneStandard)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_SaveStandard(benchmark::State& state)
{
    const StandardsFile file(static_cast<int>(state.range(0)));
    tmcalc::StandardsStore store = file.Store();
    const std::size_t middle = store.Count(StandardKind::Resistor) / 2;
    const std::string name = store.GetStandardName(StandardKind::Resistor, middle);
    tmcalc::StandardRecord record = *store.LoadStandardAt(StandardKind::Resistor, middle);
    int edit = 0;
    for (auto _ : state) {
        record.SetValue("a8", std::to_string(++edit));
        if (store.SaveStandard(StandardKind::Resistor, name, record) != tmcalc::StoreStatus::Ok) {
            state.SkipWithError("save failed");
            break;
        }
    }
}
BENCHMARK(BM_SaveStandard)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The same save done as the store did it before it took the lock (read, replace the section, write and
// rename atomically), so that the difference to BM_SaveStandard is what the lock costs.
void BM_SaveStandardUnlocked(benchmark::State& state)
{
    const StandardsFile file(static_cast<int>(state.range(0)));
    const tmcalc::StandardsStore store = file.Store();
    const std::size_t middle = store.Count(StandardKind::Resistor) / 2;
    const std::u16string name = tmcalc::Utf8ToUtf16(store.GetStandardName(StandardKind::Resistor, middle));
    tmcalc::StandardRecord record = *store.LoadStandardAt(StandardKind::Resistor, middle);
    int edit = 0;
    for (auto _ : state) {
        record.SetValue("a8", std::to_string(++edit));
        std::vector<std::u16string> body;
        for (const std::string& line : tmcalc::StandardSaveBody(record)) body.push_back(tmcalc::Utf8ToUtf16(line));
        const tmcalc::FileReadResult read = tmcalc::ReadWholeFile(file.Path(), tmcalc::kStandardsFileMaxBytes);
        tmcalc::ProfileFile profile = tmcalc::ProfileFile::FromBytes(read.bytes);
        if (!profile.HasSection(name)) state.SkipWithError("no section");
        profile.ReplaceSection(name, body);
        if (tmcalc::ReplaceFileAtomically(file.Path(), profile.ToBytes()) != tmcalc::FileWriteStatus::Ok) {
            state.SkipWithError("save failed");
            break;
        }
    }
}
BENCHMARK(BM_SaveStandardUnlocked)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond)->UseRealTime();

// What every change adds: take the lock, stamp the file before and after, count the change, let go.
void BM_LockAndStamps(benchmark::State& state)
{
    const StandardsFile file(10);
    for (auto _ : state) {
        tmcalc::FileLock lock = tmcalc::FileLock::Acquire(file.LockPath(), std::chrono::milliseconds{0});
        benchmark::DoNotOptimize(tmcalc::StampOf(file.Path(), file.LockPath()));
        lock.CountChange();
        benchmark::DoNotOptimize(tmcalc::StampOf(file.Path(), file.LockPath()));
    }
}
BENCHMARK(BM_LockAndStamps)->Unit(benchmark::kMicrosecond);

// The check a list makes when its window or menu opens and before every change, the file unchanged.
void BM_RefreshIfUnchanged(benchmark::State& state)
{
    const StandardsFile file(10);
    tmcalc::StandardsStore store = file.Store();
    for (auto _ : state) benchmark::DoNotOptimize(store.RefreshIfChanged(StandardKind::Resistor));
}
BENCHMARK(BM_RefreshIfUnchanged)->Unit(benchmark::kMicrosecond);

void BM_SetStandardValue(benchmark::State& state)
{
    const StandardsFile file(static_cast<int>(state.range(0)));
    tmcalc::StandardsStore store = file.Store();
    int edit = 0;
    for (auto _ : state) {
        if (store.SetStandardValue(StandardKind::Resistor, 0, "Rtp", std::to_string(++edit)) !=
            tmcalc::StoreStatus::Ok) {
            state.SkipWithError("write failed");
            break;
        }
    }
}
BENCHMARK(BM_SetStandardValue)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
