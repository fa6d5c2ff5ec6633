#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "standards/profile_file.h"
#include "standards/standards_store.h"
#include "framework/utf_text.h"

namespace tmcalc::test {

// A fresh folder per test, removed with everything in it (permissions restored first).
class TempFolder {
public:
    TempFolder()
    {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_path = std::filesystem::temp_directory_path() /
                 ("tmcalc_standards_" + std::to_string(stamp) + "_" + std::to_string(counter++));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        namespace fs = std::filesystem;
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(m_path, ec))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const { return m_path; }
    [[nodiscard]] std::filesystem::path File() const { return m_path / kStandardsFileName; }

private:
    std::filesystem::path m_path;
};

inline std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::ssize(bytes));
}

// UTF-8 text as the file holds it: UTF-16 little-endian, no byte-order mark.
inline std::string Utf16Bytes(std::string_view utf8)
{
    std::string bytes;
    for (const char16_t unit : Utf8ToUtf16(utf8))
        bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

// The file's lines as the reader takes them (the byte-exact checks use ReadBytes).
inline std::string FileText(const std::filesystem::path& path)
{
    return Utf16ToUtf8(ProfileFile::FromBytes(ReadBytes(path)).ToText());
}

// Names parameterized tests after their rows' first field, a name, rather than numbering them.
inline constexpr auto kRowName = [](const auto& info) { return std::string(std::get<0>(info.param)); };

// A reading of the local wall clock.
inline std::chrono::local_seconds LocalTime(int y, unsigned mo, unsigned d, int h, int mi, int s)
{
    using namespace std::chrono;
    return local_days{year{y} / month{mo} / day{d}} + hours{h} + minutes{mi} + seconds{s};
}

// Hands out the given tick readings in turn (the last one repeats) and a fixed local time.
struct ScriptedClock {
    std::vector<std::uint64_t> ticks;
    std::chrono::local_seconds now = LocalTime(2024, 3, 9, 14, 5, 7);
    std::size_t next = 0;

    StandardsClock Bind()
    {
        return {[this] { return now; }, [this] { return ticks[std::min(next++, ticks.size() - 1)]; }};
    }
};

// Product numbers end in the milliseconds since start-up, so two Adds by a test in one millisecond would
// share one: this clock moves on a second at every reading.
inline StandardsClock SteppingClock()
{
    auto ticks = std::make_shared<std::uint64_t>(10'000'000);
    return {[] { return LocalTime(2026, 12, 6, 9, 30, 0); }, [ticks] { return *ticks += 1000; }};
}

// A standards store in a folder of its own, removed afterwards: no test leaves a standards file behind.
struct ScratchStandards {
    TempFolder folder;
    StandardsStore store{StandardsStoreOptions{folder.Path(), SteppingClock(), {}}};
};

}  // namespace tmcalc::test
