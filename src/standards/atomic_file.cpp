#include "standards/atomic_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <optional>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#endif

namespace tmcalc {
namespace fs = std::filesystem;
namespace {

#ifdef _WIN32

// Creates the file (failing if it exists), writes it whole and forces it to the disk; a file that could
// not be completed is removed again.
bool WriteNewFile(const fs::path& path, std::string_view bytes, std::optional<fs::perms> /*perms*/ = {})
{
    std::FILE* file = _wfopen(path.c_str(), L"wbx");
    if (file == nullptr) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0 &&
              _commit(_fileno(file)) == 0;
    ok = std::fclose(file) == 0 && ok;
    if (!ok) _wremove(path.c_str());
    return ok;
}

bool DeniesWriting(const fs::path&)
{
    return false;
}

bool SyncFolder(const fs::path&)
{
    return true;  // NTFS journals the rename itself
}

#else

// With `perms`, the file takes them before it is flushed, so that the flush covers them too.
bool WriteNewFile(const fs::path& path, std::string_view bytes, std::optional<fs::perms> perms = {})
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            break;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    bool ok = left == 0;
    if (ok && perms) ok = ::fchmod(fd, static_cast<mode_t>(*perms & fs::perms::mask)) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok) ::unlink(path.c_str());
    return ok;
}

// A file owned by someone else may lack write access for us even with its owner-write bit set.
bool DeniesWriting(const fs::path& path)
{
    return ::access(path.c_str(), W_OK) != 0;
}

// Without this the rename itself may not survive a power cut on some file systems. A file system that
// cannot sync folders at all (EINVAL) has nothing more to offer and counts as synced.
bool SyncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return ok;
}

#endif

constexpr std::string_view kTempSuffix = ".tmp";
constexpr std::size_t kTempTokenDigits = 16;

// "<file name>.<16 lowercase hex digits>.tmp": unique per write so that two running copies of the
// program never write into each other's temporary file; the random part only has to avoid those
// collisions, not be secret. Leftovers are recognised by exactly this shape.
fs::path TempPathBeside(const fs::path& target)
{
    static std::mt19937_64 generator{std::random_device{}()};
    static constexpr std::array<char, 16> kHex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    std::uint64_t token = generator();
    std::string suffix = ".";
    for (std::size_t i = 0; i < kTempTokenDigits; ++i, token >>= 4) suffix.push_back(kHex[token & 0xF]);
    suffix += kTempSuffix;
    fs::path temp = target;
    temp += suffix;
    return temp;
}

// Compared in the system's own characters, so that no file name needs converting.
bool IsTempNameOf(const fs::path::string_type& name, const fs::path::string_type& targetName)
{
    using Char = fs::path::value_type;
    const std::size_t tokenStart = targetName.size() + 1;
    const std::size_t suffixStart = tokenStart + kTempTokenDigits;
    if (name.size() != suffixStart + kTempSuffix.size()) return false;
    if (name.compare(0, targetName.size(), targetName) != 0 || name[targetName.size()] != Char('.')) return false;
    const auto isToken = [](Char c) {
        return (c >= Char('0') && c <= Char('9')) || (c >= Char('a') && c <= Char('f'));
    };
    for (std::size_t i = tokenStart; i < suffixStart; ++i) {
        if (!isToken(name[i])) return false;
    }
    for (std::size_t i = 0; i < kTempSuffix.size(); ++i) {
        if (name[suffixStart + i] != Char(kTempSuffix[i])) return false;
    }
    return true;
}

// Temporary files are made beside the file a symbolic link names, where the rename puts them in place.
fs::path ResolvedTarget(const fs::path& target, std::error_code& ec)
{
    if (fs::is_symlink(target, ec)) return fs::canonical(target, ec);
    ec.clear();  // a missing file is no error here
    return target;
}

}  // namespace

FileReadResult ReadWholeFile(const fs::path& path, std::size_t maxBytes)
{
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) {
        // A link whose file is gone is not a fresh start: writing would put a file where it points.
        const bool dangling = fs::symlink_status(path, ec).type() == fs::file_type::symlink;
        return {dangling ? FileReadStatus::Failed : FileReadStatus::Missing, {}};
    }
    if (status.type() != fs::file_type::regular) return {FileReadStatus::Failed, {}};

    std::ifstream in(path, std::ios::binary);
    if (!in) return {FileReadStatus::Failed, {}};
    // Read in pieces up to one byte past the limit rather than trusting the size reported up front: the
    // file may change while it is read.
    FileReadResult result{FileReadStatus::Ok, {}};
    constexpr std::size_t kPiece = std::size_t{1} << 16;
    while (in && result.bytes.size() <= maxBytes) {
        const std::size_t old = result.bytes.size();
        const std::size_t want = std::min(kPiece, maxBytes + 1 - old);
        result.bytes.resize(old + want);
        in.read(result.bytes.data() + old, static_cast<std::streamsize>(want));
        result.bytes.resize(old + static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return {FileReadStatus::Failed, {}};
    if (result.bytes.size() > maxBytes) {
        result.bytes.resize(maxBytes);
        result.status = FileReadStatus::TooLarge;
    }
    return result;
}

FileWriteStatus ReplaceFileAtomically(const fs::path& target, std::string_view bytes, const FileWriteHooks& hooks)
{
    std::error_code ec;
    const fs::path real = ResolvedTarget(target, ec);
    if (ec) return FileWriteStatus::Failed;
    const fs::file_status status = fs::status(real, ec);
    const bool exists = status.type() == fs::file_type::regular;
    if (!exists && status.type() != fs::file_type::not_found) return FileWriteStatus::Failed;
    if (exists && ((status.permissions() & fs::perms::owner_write) == fs::perms::none || DeniesWriting(real))) {
        return FileWriteStatus::ReadOnly;
    }

    const fs::path temp = TempPathBeside(real);
    std::optional<fs::perms> keep;
    if (exists) keep = status.permissions();
    if (!WriteNewFile(temp, bytes, keep)) return FileWriteStatus::Failed;
#ifdef _WIN32
    if (exists) fs::permissions(temp, status.permissions(), ec);
#endif
    if (hooks.beforeRename && !hooks.beforeRename(temp)) return FileWriteStatus::Failed;

    fs::rename(temp, real, ec);
    if (ec) {
        fs::remove(temp, ec);
        return FileWriteStatus::Failed;
    }
    return SyncFolder(real.parent_path()) ? FileWriteStatus::Ok : FileWriteStatus::Failed;
}

FileWriteStatus CreateFileExclusively(const fs::path& target, std::string_view bytes, const FileWriteHooks& hooks)
{
    std::error_code ec;
    if (fs::symlink_status(target, ec).type() != fs::file_type::not_found) return FileWriteStatus::Exists;

    const fs::path temp = TempPathBeside(target);
    if (!WriteNewFile(temp, bytes)) return FileWriteStatus::Failed;
    if (hooks.beforeRename && !hooks.beforeRename(temp)) return FileWriteStatus::Failed;

    // A hard link puts the finished file in place but, unlike a rename, never replaces one that another
    // copy of the program created meanwhile.
    fs::create_hard_link(temp, target, ec);
    const std::error_code linkError = ec;
    fs::remove(temp, ec);
    if (!linkError) return SyncFolder(target.parent_path()) ? FileWriteStatus::Ok : FileWriteStatus::Failed;
    if (linkError == std::errc::file_exists) return FileWriteStatus::Exists;
    // File systems without hard links (FAT on a USB stick): create the file in place, still exclusively.
    if (WriteNewFile(target, bytes)) {
        return SyncFolder(target.parent_path()) ? FileWriteStatus::Ok : FileWriteStatus::Failed;
    }
    return fs::exists(target, ec) ? FileWriteStatus::Exists : FileWriteStatus::Failed;
}

std::size_t RemoveLeftoverTempFiles(const fs::path& target)
{
    std::error_code ec;
    const fs::path real = ResolvedTarget(target, ec);
    if (ec) return 0;
    const fs::path::string_type targetName = real.filename().native();
    fs::path folder = real.parent_path();
    if (folder.empty()) folder = ".";
    std::size_t removed = 0;
    fs::directory_iterator entries(folder, ec);
    for (const fs::directory_iterator end; !ec && entries != end; entries.increment(ec)) {
        const fs::path& path = entries->path();
        if (!IsTempNameOf(path.filename().native(), targetName)) continue;
        std::error_code typeError;
        if (fs::symlink_status(path, typeError).type() != fs::file_type::regular) continue;
        if (fs::remove(path, typeError)) ++removed;
    }
    return removed;
}

}  // namespace tmcalc
