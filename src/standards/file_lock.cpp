#include "standards/file_lock.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <thread>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/locking.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tmcalc {
namespace fs = std::filesystem;
namespace {

// The change count: the first 8 bytes of the lock file, little-endian.
constexpr int kCountBytes = 8;

std::uint64_t DecodeCount(const std::array<unsigned char, kCountBytes>& bytes)
{
    std::uint64_t count = 0;
    for (int i = kCountBytes - 1; i >= 0; --i) count = (count << 8) | bytes[static_cast<std::size_t>(i)];
    return count;
}

std::array<unsigned char, kCountBytes> EncodeCount(std::uint64_t count)
{
    std::array<unsigned char, kCountBytes> bytes{};
    for (auto& byte : bytes) {
        byte = static_cast<unsigned char>(count & 0xFF);
        count >>= 8;
    }
    return bytes;
}

#ifdef _WIN32

// Windows byte-range locks are mandatory, so the locked byte lies behind the change count, which others
// read without the lock.
constexpr long kLockedByte = 16;

int OpenLockFile(const fs::path& path)
{
    int fd = -1;
    if (_wsopen_s(&fd, path.c_str(), _O_RDWR | _O_CREAT | _O_BINARY | _O_NOINHERIT, _SH_DENYNO,
                  _S_IREAD | _S_IWRITE) == 0) {
        return fd;
    }
    return _wsopen_s(&fd, path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT, _SH_DENYNO, _S_IREAD) == 0 ? fd : -1;
}

// 1 taken, 0 held by someone else, -1 failed.
int TryLock(int fd)
{
    if (_lseek(fd, kLockedByte, SEEK_SET) < 0) return -1;
    if (_locking(fd, _LK_NBLCK, 1) == 0) return 1;
    return errno == EACCES || errno == EDEADLOCK ? 0 : -1;
}

void Unlock(int fd)
{
    if (_lseek(fd, kLockedByte, SEEK_SET) >= 0) static_cast<void>(_locking(fd, _LK_UNLCK, 1));
}

void CloseFile(int fd)
{
    _close(fd);
}

bool ReadCount(int fd, std::array<unsigned char, kCountBytes>& bytes)
{
    return _lseek(fd, 0, SEEK_SET) == 0 && _read(fd, bytes.data(), kCountBytes) == kCountBytes;
}

void WriteCount(int fd, const std::array<unsigned char, kCountBytes>& bytes)
{
    if (_lseek(fd, 0, SEEK_SET) == 0) static_cast<void>(_write(fd, bytes.data(), kCountBytes));
}

int OpenForReading(const fs::path& path)
{
    int fd = -1;
    return _wsopen_s(&fd, path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT, _SH_DENYNO, _S_IREAD) == 0 ? fd : -1;
}

#else

int OpenLockFile(const fs::path& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    // A lock file made by another user may not be writable for us; locking needs no write access.
    return fd >= 0 ? fd : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

int TryLock(int fd)
{
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return 1;
        if (errno == EINTR) continue;
        return errno == EWOULDBLOCK ? 0 : -1;
    }
}

void Unlock(int fd)
{
    static_cast<void>(::flock(fd, LOCK_UN));
}

void CloseFile(int fd)
{
    ::close(fd);
}

bool ReadCount(int fd, std::array<unsigned char, kCountBytes>& bytes)
{
    return ::pread(fd, bytes.data(), kCountBytes, 0) == kCountBytes;
}

void WriteCount(int fd, const std::array<unsigned char, kCountBytes>& bytes)
{
    static_cast<void>(::pwrite(fd, bytes.data(), kCountBytes, 0));
}

int OpenForReading(const fs::path& path)
{
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

#endif

std::uint64_t ChangeCountOf(const fs::path& lockFile)
{
    const int fd = OpenForReading(lockFile);
    if (fd < 0) return 0;
    std::array<unsigned char, kCountBytes> bytes{};
    const std::uint64_t count = ReadCount(fd, bytes) ? DecodeCount(bytes) : 0;
    CloseFile(fd);
    return count;
}

}  // namespace

FileLock::~FileLock()
{
    Release();
}

FileLock::FileLock(FileLock&& other) noexcept : m_fd(other.m_fd), m_status(other.m_status)
{
    other.m_fd = -1;
    other.m_status = FileLockStatus::Failed;
}

FileLock& FileLock::operator=(FileLock&& other) noexcept
{
    if (this != &other) {
        Release();
        m_fd = other.m_fd;
        m_status = other.m_status;
        other.m_fd = -1;
        other.m_status = FileLockStatus::Failed;
    }
    return *this;
}

void FileLock::Release()
{
    if (m_fd < 0) return;
    Unlock(m_fd);
    CloseFile(m_fd);
    m_fd = -1;
}

FileLock FileLock::Acquire(const fs::path& lockFile, std::chrono::milliseconds wait)
{
    using Clock = std::chrono::steady_clock;
    FileLock lock;
    const int fd = OpenLockFile(lockFile);
    if (fd < 0) return lock;
    const Clock::time_point deadline = Clock::now() + wait;
    // A save holds the lock for a few milliseconds; short naps catch its end without spinning.
    std::chrono::milliseconds nap{1};
    for (;;) {
        const int taken = TryLock(fd);
        if (taken > 0) {
            lock.m_fd = fd;
            lock.m_status = FileLockStatus::Held;
            return lock;
        }
        const Clock::time_point now = Clock::now();
        if (taken < 0 || now >= deadline) {
            CloseFile(fd);
            lock.m_status = taken < 0 ? FileLockStatus::Failed : FileLockStatus::Busy;
            return lock;
        }
        std::this_thread::sleep_for(std::min<Clock::duration>(nap, deadline - now));
        nap = std::min(nap * 2, std::chrono::milliseconds{8});
    }
}

void FileLock::CountChange()
{
    if (m_status != FileLockStatus::Held) return;
    std::array<unsigned char, kCountBytes> bytes{};
    const std::uint64_t count = ReadCount(m_fd, bytes) ? DecodeCount(bytes) : 0;
    WriteCount(m_fd, EncodeCount(count + 1));
}

FileStamp StampOf(const fs::path& file, const fs::path& lockFile)
{
    FileStamp stamp;
    stamp.changeCount = ChangeCountOf(lockFile);
#ifdef _WIN32
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    if (ec) return stamp;
    stamp.exists = true;
    stamp.size = size;
    stamp.modifiedNs = static_cast<std::int64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(fs::last_write_time(file, ec).time_since_epoch())
            .count());
#else
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) return stamp;
    stamp.exists = true;
    stamp.size = static_cast<std::uint64_t>(info.st_size);
    stamp.modifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    stamp.changedNs = static_cast<std::int64_t>(info.st_ctim.tv_sec) * 1'000'000'000 + info.st_ctim.tv_nsec;
    stamp.device = static_cast<std::uint64_t>(info.st_dev);
    stamp.fileNumber = static_cast<std::uint64_t>(info.st_ino);
#endif
    return stamp;
}

}  // namespace tmcalc
