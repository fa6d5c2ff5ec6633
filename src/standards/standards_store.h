#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "standards/atomic_file.h"
#include "standards/file_lock.h"
#include "standards/profile_file.h"
#include "standards/standard_records.h"

namespace tmcalc {

inline constexpr std::string_view kStandardsFileName = "DuzuZedezurIreReduri.ini";
// Beside the standards file; every change holds it (see FileLock).
inline constexpr std::string_view kStandardsLockFileName = "DuzuZedezurIreReduri.ini.lock";

// How long a change waits for another copy of the program to finish its own. A save holds the lock for
// a few milliseconds (longer on a slow USB stick); a longer wait would freeze the window for nothing.
inline constexpr std::chrono::milliseconds kStandardsLockWait{1000};

// Far above any real collection (1000 standards take about 1 MB) and small enough to read in a blink;
// a larger file is read up to here and then never rewritten, so its tail cannot be lost.
inline constexpr std::size_t kStandardsFileMaxBytes = std::size_t{64} << 20;

// What a store operation came to. Everything but Ok means the file on disk was left as it was.
enum class StoreStatus {
    Ok,
    BadName,             // empty section name, or one a header cannot hold (bracket, line break, outer blanks)
    BadIndex,            // index not below the kind's count
    KindMismatch,        // the record belongs to another kind than the one asked for
    UnknownKey,          // the kind stores no such key
    BadValue,            // a line break or NUL in a value would split the entry or hide it from the reader
    NoCoupleTemplate,    // no CoupleTemplate section at start: thermocouple standards cannot be added
    NoResistorTemplate,  // neither ResistorTemplate nor NTCTemplate at start: resistor and thermistor
                         // standards cannot be added (the two kinds share the mark)
    ReadOnly,            // the file is marked read-only; the user's choice is respected
    Unreadable,          // the file exists but could not be read whole; rewriting it would lose the rest
    WriteFailed,         // the new file could not be written or put in place (unwritable folder, full disk)
    Busy,                // another copy of the program kept the file locked for the whole wait; try again
    NotFound,            // the standard's section is no longer in the file (removed by another copy or by hand)
};

[[nodiscard]] std::string_view StoreStatusText(StoreStatus status);

// Where new section names and product numbers come from; tests put fixed readings here.
struct StandardsClock {
    std::function<std::chrono::local_seconds()> localTime;  // the wall clock of the computer's time zone
    std::function<std::uint64_t()> tickCount;  // milliseconds since the computer started

    [[nodiscard]] static StandardsClock System();
};

struct StandardsStoreOptions {
    std::filesystem::path folder;  // empty: the current directory when the store is built
    StandardsClock clock = StandardsClock::System();
    FileWriteHooks writeHooks;  // applied to saves, not to the first-start creation
    std::size_t maxFileBytes = kStandardsFileMaxBytes;
    std::chrono::milliseconds lockWait = kStandardsLockWait;
    // Only reads: no creation from the templates, no lock file, no clean-up, and every change is ReadOnly.
    bool readOnly = false;
};

// The standards configuration file and the lists of the standards in it, one list per kind; a
// standard's position in its list is its index for the pages and the manager. Values are read from the
// file whenever they are asked for, so an edit is seen by the next load. Every change rewrites the
// whole file atomically and reports whether it reached the disk.
//
// Other copies of the program may share the file. Each change holds the lock file across reading,
// changing, writing and renaming, and acts on the file as it then is, addressing a standard by its
// section name. A kind's list changes with a successful Add or Delete and when RefreshIfChanged finds
// the file changed, never behind its caller's back, so that indices stay what the caller showed.
//
// Texts are UTF-8 (std::string); the file itself is UTF-16.
class StandardsStore {
public:
    // Creates the file from the templates when there is none (an existing file is never rewritten),
    // then lists its standards by section-name prefix and notes which templates it has. Holding the
    // lock (when it comes within the wait), first removes what cut-short writes left behind.
    explicit StandardsStore(StandardsStoreOptions options = {});

    [[nodiscard]] const std::filesystem::path& Path() const { return m_path; }
    [[nodiscard]] const std::filesystem::path& LockPath() const { return m_lockPath; }
    // Ok, or why the file is not usable as found at start (creation failed, unreadable).
    [[nodiscard]] StoreStatus StartStatus() const { return m_startStatus; }
    // The template mark of the kind (the resistor and thermistor kinds share one).
    [[nodiscard]] bool CanAdd(StandardKind kind) const;

    [[nodiscard]] std::size_t Count(StandardKind kind) const;
    [[nodiscard]] std::vector<std::string> Names(StandardKind kind) const;
    // The section name of the index-th standard of the kind; empty when the index is not below Count.
    [[nodiscard]] std::string GetStandardName(StandardKind kind, std::size_t index) const;

    // Reads every key of the kind from the section into a fresh record; missing keys (or a missing
    // section or file) read as empty text. BadName for an empty name, else Ok.
    StoreStatus LoadStandard(StandardKind kind, std::string_view sectionName, StandardRecord& record) const;
    [[nodiscard]] std::optional<StandardRecord> LoadStandardAt(StandardKind kind, std::size_t index) const;
    // One record per standard of the kind, in list order, from one reading of the file.
    [[nodiscard]] std::vector<StandardRecord> LoadAllStandards(StandardKind kind) const;
    // The same as rows of the manager's list: values in StandardColumnKeys order.
    [[nodiscard]] std::vector<std::vector<std::string>> LoadListRows(StandardKind kind) const;

    // Reads the kind's list again when the file changed since the list was last read for the kind, by
    // another copy or by hand (this store's own changes do not count: its callers know them). True when
    // it did; the caller then shows the list anew.
    bool RefreshIfChanged(StandardKind kind);

    // Replaces the whole section with the record's entries (values trimmed, as a reader would see them);
    // NotFound when the file holds no such section any more.
    [[nodiscard]] StoreStatus SaveStandard(StandardKind kind, std::string_view sectionName,
                                           const StandardRecord& record);
    // Copies the kind's template into the record, gives it a section name that is free in the file as it
    // is now, and a fresh product number, and saves it; on success the standard becomes the last of its
    // list. Without the kind's template: NoCoupleTemplate or NoResistorTemplate, or Unreadable when the
    // file could not be read to find one.
    [[nodiscard]] StoreStatus AddStandard(StandardKind kind, StandardRecord& record);
    // Removes the section from the file and then the name from the list (later standards move up). A
    // section already gone from the file is Ok: the standard is deleted either way.
    [[nodiscard]] StoreStatus DeleteStandard(StandardKind kind, std::size_t index);
    [[nodiscard]] StoreStatus DeleteStandard(StandardKind kind, std::string_view sectionName);
    // Writes one value into the standard's existing section (NotFound when it is gone); the key is one of
    // the kind's keys in any case and is written as the file spells it.
    [[nodiscard]] StoreStatus SetStandardValue(StandardKind kind, std::size_t index, std::string_view key,
                                               std::string_view value);
    [[nodiscard]] StoreStatus SetStandardValue(StandardKind kind, std::string_view sectionName,
                                               std::string_view key, std::string_view value);

private:
    struct Snapshot {
        StoreStatus status = StoreStatus::Ok;
        ProfileFile file;
        FileStamp stamp;  // taken just before the reading
    };

    [[nodiscard]] Snapshot ReadFile() const;
    [[nodiscard]] StoreStatus WriteFile(const ProfileFile& file) const;
    // Holds the lock across reading the file, `edit` and writing it back; `edit` returns Ok to have the
    // file written, anything else to leave it alone and report that.
    [[nodiscard]] StoreStatus Change(const std::function<StoreStatus(ProfileFile&)>& edit);
    void ListStandards(const ProfileFile& file, std::optional<StandardKind> onlyKind);
    // By the name as the file spells it (the public ones take UTF-8, which a damaged name may not survive).
    [[nodiscard]] StoreStatus DeleteSection(StandardKind kind, const std::u16string& name);
    [[nodiscard]] StoreStatus SetValueIn(StandardKind kind, const std::u16string& name, std::string_view key,
                                         std::string_view value);
    [[nodiscard]] std::u16string FreshSectionName(const ProfileFile& file, StandardKind kind) const;
    [[nodiscard]] std::vector<std::u16string>& ListOf(StandardKind kind);
    [[nodiscard]] const std::vector<std::u16string>& ListOf(StandardKind kind) const;

    StandardsStoreOptions m_options;
    std::filesystem::path m_path;
    std::filesystem::path m_lockPath;
    StoreStatus m_startStatus = StoreStatus::Ok;
    // Names stay UTF-16 as the file has them, so even a name that is not valid Unicode addresses its
    // own section.
    std::array<std::vector<std::u16string>, 3> m_names;
    // The file as it was when each kind's list last matched it.
    std::array<FileStamp, 3> m_seen;
    bool m_coupleTemplate = false;
    bool m_resistorTemplate = false;
};

}  // namespace tmcalc
