#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>

namespace tmcalc {

enum class FileLockStatus {
    Held,    // ours until the object goes
    Busy,    // another holder kept it for the whole wait
    Failed,  // the lock file could not be made or opened (an unwritable folder)
};

// An exclusive advisory lock on a small file of its own, so that every copy of the program that changes
// a data file reads, modifies, writes and renames it one copy at a time. Two objects lock each other out
// even inside one process. The lock file is never removed: a holder that removed it would let the next
// two copies lock two different files.
//
// The lock file also counts the changes made under it, which tells a reader that the data file changed
// even when its size and time stamps came out the same.
class FileLock {
public:
    FileLock() = default;
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Tries at once, then every few milliseconds until `wait` has passed.
    [[nodiscard]] static FileLock Acquire(const std::filesystem::path& lockFile, std::chrono::milliseconds wait);

    [[nodiscard]] FileLockStatus Status() const { return m_status; }
    // Adds one to the change count; does nothing unless held.
    void CountChange();

private:
    void Release();

    int m_fd = -1;
    FileLockStatus m_status = FileLockStatus::Failed;
};

// What a data file looked like at one moment, cheap enough to take before every change. Our writes
// replace the file by a rename, so its identity changes with every write even inside one clock tick; the
// change count covers a freed file number that is used again.
struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    std::uint64_t device = 0;
    std::uint64_t fileNumber = 0;
    std::uint64_t changeCount = 0;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// A symbolic link is followed: the stamp is the file it names.
[[nodiscard]] FileStamp StampOf(const std::filesystem::path& file, const std::filesystem::path& lockFile);

}  // namespace tmcalc
