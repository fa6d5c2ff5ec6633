#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tmcalc {

enum class FileReadStatus {
    Ok,
    Missing,   // no file at the path: a fresh, empty document
    TooLarge,  // only the first maxBytes were read; rewriting from them would lose the rest
    Failed,    // it cannot be read (a folder, no permission, an I/O error, a link to nothing)
};

struct FileReadResult {
    FileReadStatus status = FileReadStatus::Failed;
    std::string bytes;
};

[[nodiscard]] FileReadResult ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes);

enum class FileWriteStatus {
    Ok,
    Exists,    // CreateFileExclusively only: a file was already there and was left alone
    ReadOnly,  // the file is marked read-only; the user's choice is respected and nothing is written
    Failed,    // the temporary file could not be made or written, or the rename failed
};

// Lets a test stop a write at its most delicate moment. beforeRename sees the complete temporary
// file; returning false abandons the write there, as a crash or power cut would.
struct FileWriteHooks {
    std::function<bool(const std::filesystem::path& tempFile)> beforeRename;
};

// Writes the bytes to a new temporary file in the target's folder, flushes it to the disk and renames it
// over the target, so that the file on disk is at every moment either the old or the new whole file.
// A symbolic link is followed, so the file it names is replaced and the link stays. The new file takes
// over the old one's permissions. Ok only once the folder, too, is flushed.
[[nodiscard]] FileWriteStatus ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                                    const FileWriteHooks& hooks = {});

// Makes the file with these bytes only when no file exists at the path; the file appears whole or not
// at all (written aside, then linked into place without replacing anything).
[[nodiscard]] FileWriteStatus CreateFileExclusively(const std::filesystem::path& target, std::string_view bytes,
                                                    const FileWriteHooks& hooks = {});

// Removes the temporary files that writes to the target left behind when they were cut short (a crash, a
// power cut), and nothing else: only plain files named exactly as the writes name them. Only safe while
// no write to the target can be under way, i.e. with the target's lock held. Returns how many went.
std::size_t RemoveLeftoverTempFiles(const std::filesystem::path& target);

}  // namespace tmcalc
