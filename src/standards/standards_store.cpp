#include "standards/standards_store.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <optional>
#include <unordered_set>

#include "framework/diagnostics.h"
#include "standards/standards_template.h"
#include "framework/utf_text.h"

namespace tmcalc {
namespace fs = std::filesystem;
namespace {

std::u16string Widen(std::string_view ascii)
{
    return {ascii.begin(), ascii.end()};
}

bool StartsWith(std::u16string_view text, std::string_view asciiPrefix)
{
    return text.size() >= asciiPrefix.size() &&
           std::equal(asciiPrefix.begin(), asciiPrefix.end(), text.begin(),
                      [](char a, char16_t b) { return static_cast<char16_t>(a) == b; });
}

bool IsValueSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view TrimValue(std::string_view value)
{
    while (!value.empty() && IsValueSpace(value.front())) value.remove_prefix(1);
    while (!value.empty() && IsValueSpace(value.back())) value.remove_suffix(1);
    return value;
}

bool HoldsLineBreakOrNul(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != text.npos;
}

bool IsValidSectionName(std::u16string_view name)
{
    return !name.empty() && name == TrimProfileSpace(name) && name.find_first_of(u"]\r\n") == name.npos &&
           name.find(u'\0') == name.npos;
}

// The tick count as the names use it: its low 32 bits in decimal, at most the first 8 digits.
std::string TickDigits(std::uint64_t ticks)
{
    std::string digits = std::to_string(static_cast<std::uint32_t>(ticks & 0xFFFFFFFFu));
    if (digits.size() > 8) digits.resize(8);
    return digits;
}

void FillRecord(const ProfileFile& file, std::u16string_view section, StandardRecord& record)
{
    for (const std::string_view key : StandardKeys(record.Kind())) {
        record.SetValue(key, Utf16ToUtf8(file.Value(section, Widen(key))));
    }
}

std::vector<std::u16string> BodyLines(const StandardRecord& record)
{
    std::vector<std::u16string> lines;
    for (const std::string& line : StandardSaveBody(record)) lines.push_back(Utf8ToUtf16(line));
    return lines;
}

// A reader trims values, so a value is stored trimmed: what is written is exactly what reads back.
std::optional<StandardRecord> NormalisedForSaving(const StandardRecord& record)
{
    StandardRecord clean(record.Kind());
    for (const std::string_view key : StandardRecordFields(record.Kind())) {
        const std::string& value = record.Value(key);
        if (HoldsLineBreakOrNul(value)) return std::nullopt;
        clean.SetValue(key, std::string(TrimValue(value)));
    }
    return clean;
}

// For diagnostics only; u8string never fails on a name the system could not convert to its code page.
std::string PathText(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::chrono::local_seconds SystemLocalTime()
{
    using namespace std::chrono;
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    const year_month_day date{year{parts.tm_year + 1900}, month{static_cast<unsigned>(parts.tm_mon + 1)},
                              day{static_cast<unsigned>(parts.tm_mday)}};
    return local_days{date} + hours{parts.tm_hour} + minutes{parts.tm_min} + seconds{parts.tm_sec};
}

// "yyyymmddhhmmss", the start of a new standard's product number.
std::string StampText(std::chrono::local_seconds time)
{
    using namespace std::chrono;
    const local_days midnight = floor<days>(time);
    const year_month_day date{midnight};
    const hh_mm_ss clock{time - midnight};
    std::array<char, 64> stamp{};
    std::snprintf(stamp.data(), stamp.size(), "%04d%02u%02u%02d%02d%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return stamp.data();
}

std::uint64_t SystemTickCount()
{
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

}  // namespace

std::string_view StoreStatusText(StoreStatus status)
{
    switch (status) {
        case StoreStatus::Ok:
            return "ok";
        case StoreStatus::BadName:
            return "bad section name";
        case StoreStatus::BadIndex:
            return "no standard at that index";
        case StoreStatus::KindMismatch:
            return "record of another kind";
        case StoreStatus::UnknownKey:
            return "key not stored for this kind";
        case StoreStatus::BadValue:
            return "value holds a line break or NUL";
        case StoreStatus::NoCoupleTemplate:
            return "no CoupleTemplate section";
        case StoreStatus::NoResistorTemplate:
            return "no ResistorTemplate or NTCTemplate section";
        case StoreStatus::ReadOnly:
            return "file is read-only";
        case StoreStatus::Unreadable:
            return "file cannot be read whole";
        case StoreStatus::WriteFailed:
            return "file could not be written";
        case StoreStatus::Busy:
            return "file is locked by another copy of the program";
        case StoreStatus::NotFound:
            return "standard no longer in the file";
    }
    return "unknown";
}

StandardsClock StandardsClock::System()
{
    return {SystemLocalTime, SystemTickCount};
}

StandardsStore::StandardsStore(StandardsStoreOptions options) : m_options(std::move(options))
{
    fs::path folder = m_options.folder;
    if (folder.empty()) {
        std::error_code ec;
        folder = fs::current_path(ec);
    }
    m_path = folder / kStandardsFileName;
    m_lockPath = folder / kStandardsLockFileName;

    // Without the lock (another copy busy, or a folder we cannot write) leftovers stay for the next
    // start: one of them could be that copy's write in progress.
    const FileLock lock = m_options.readOnly ? FileLock() : FileLock::Acquire(m_lockPath, m_options.lockWait);
    if (lock.Status() == FileLockStatus::Held) {
        if (const std::size_t removed = RemoveLeftoverTempFiles(m_path)) {
            EmitDiagnostic("removed " + std::to_string(removed) + " leftover temporary standards files");
        }
    }
    if (!m_options.readOnly &&
        CreateFileExclusively(m_path, StandardsTemplateImage()) == FileWriteStatus::Failed) {
        // Runs on, as with a file without templates: lists empty, nothing can be added.
        m_startStatus = StoreStatus::WriteFailed;
        EmitDiagnostic("standards file could not be created: " + PathText(m_path));
    }

    const Snapshot snapshot = ReadFile();
    if (snapshot.status != StoreStatus::Ok) m_startStatus = snapshot.status;
    ListStandards(snapshot.file, std::nullopt);
    m_seen.fill(snapshot.stamp);
}

void StandardsStore::ListStandards(const ProfileFile& file, std::optional<StandardKind> onlyKind)
{
    const auto take = [&](StandardKind kind, const std::u16string& name) {
        if (!onlyKind || *onlyKind == kind) ListOf(kind).push_back(name);
    };
    for (const StandardKind kind : kAllStandardKinds) {
        if (!onlyKind || *onlyKind == kind) ListOf(kind).clear();
    }
    for (const std::u16string& name : file.SectionNames()) {
        if (StartsWith(name, "couplestd")) {
            take(StandardKind::Thermocouple, name);
        } else if (StartsWith(name, "resistorstd")) {
            take(StandardKind::Resistor, name);
        } else if (StartsWith(name, "NTCThermistors")) {
            take(StandardKind::Thermistor, name);
        } else if (onlyKind) {
            // The marks stay as the file had them at start.
        } else if (StartsWith(name, "CoupleTemplate")) {
            m_coupleTemplate = true;
        } else if (StartsWith(name, "ResistorTemplate") || StartsWith(name, "NTCTemplate")) {
            m_resistorTemplate = true;
        }
    }
}

bool StandardsStore::RefreshIfChanged(StandardKind kind)
{
    FileStamp& seen = m_seen[static_cast<std::size_t>(kind) - 1];
    if (StampOf(m_path, m_lockPath) == seen) return false;
    // No lock needed: every write renames a whole file into place, so a read sees one whole version.
    const Snapshot snapshot = ReadFile();
    ListStandards(snapshot.file, kind);
    seen = snapshot.stamp;
    return true;
}

bool StandardsStore::CanAdd(StandardKind kind) const
{
    return kind == StandardKind::Thermocouple ? m_coupleTemplate : m_resistorTemplate;
}

std::size_t StandardsStore::Count(StandardKind kind) const
{
    return ListOf(kind).size();
}

std::vector<std::string> StandardsStore::Names(StandardKind kind) const
{
    std::vector<std::string> names;
    for (const auto& name : ListOf(kind)) names.push_back(Utf16ToUtf8(name));
    return names;
}

std::string StandardsStore::GetStandardName(StandardKind kind, std::size_t index) const
{
    const auto& list = ListOf(kind);
    return index < list.size() ? Utf16ToUtf8(list[index]) : std::string();
}

StoreStatus StandardsStore::LoadStandard(StandardKind kind, std::string_view sectionName,
                                         StandardRecord& record) const
{
    if (sectionName.empty()) return StoreStatus::BadName;
    record = StandardRecord(kind);
    FillRecord(ReadFile().file, Utf8ToUtf16(sectionName), record);
    return StoreStatus::Ok;
}

std::optional<StandardRecord> StandardsStore::LoadStandardAt(StandardKind kind, std::size_t index) const
{
    const auto& list = ListOf(kind);
    if (index >= list.size()) return std::nullopt;
    StandardRecord record(kind);
    FillRecord(ReadFile().file, list[index], record);
    return record;
}

std::vector<StandardRecord> StandardsStore::LoadAllStandards(StandardKind kind) const
{
    const Snapshot snapshot = ReadFile();
    std::vector<StandardRecord> records;
    records.reserve(ListOf(kind).size());
    for (const auto& name : ListOf(kind)) {
        FillRecord(snapshot.file, name, records.emplace_back(kind));
    }
    return records;
}

std::vector<std::vector<std::string>> StandardsStore::LoadListRows(StandardKind kind) const
{
    std::vector<std::vector<std::string>> rows;
    for (const auto& record : LoadAllStandards(kind)) rows.push_back(record.ColumnValues());
    return rows;
}

StoreStatus StandardsStore::SaveStandard(StandardKind kind, std::string_view sectionName,
                                         const StandardRecord& record)
{
    const std::u16string name = Utf8ToUtf16(sectionName);
    if (!IsValidSectionName(name)) return StoreStatus::BadName;
    if (record.Kind() != kind) return StoreStatus::KindMismatch;
    const auto clean = NormalisedForSaving(record);
    if (!clean) return StoreStatus::BadValue;

    return Change([&](ProfileFile& file) {
        if (!file.HasSection(name)) return StoreStatus::NotFound;
        file.ReplaceSection(name, BodyLines(*clean));
        return StoreStatus::Ok;
    });
}

StoreStatus StandardsStore::AddStandard(StandardKind kind, StandardRecord& record)
{
    if (!CanAdd(kind)) {
        // A file that cannot be read shows no templates either; say which it is.
        if (ReadFile().status != StoreStatus::Ok) return StoreStatus::Unreadable;
        return kind == StandardKind::Thermocouple ? StoreStatus::NoCoupleTemplate
                                                  : StoreStatus::NoResistorTemplate;
    }
    std::u16string name;
    const StoreStatus status = Change([&](ProfileFile& file) {
        // A thermistor may be added from a file with only the resistor template (the marks are shared);
        // its values then start empty.
        record = StandardRecord(kind);
        FillRecord(file, Widen(StandardTemplateSection(kind)), record);

        name = FreshSectionName(file, kind);
        const std::string stamp = StampText(m_options.clock.localTime());
        record.SetValue("ProductNo", stamp + TickDigits(m_options.clock.tickCount()));

        const auto clean = NormalisedForSaving(record);
        if (!clean) return StoreStatus::BadValue;
        file.ReplaceSection(name, BodyLines(*clean));
        return StoreStatus::Ok;
    });
    if (status == StoreStatus::Ok) ListOf(kind).push_back(name);
    return status;
}

StoreStatus StandardsStore::DeleteStandard(StandardKind kind, std::size_t index)
{
    const auto& list = ListOf(kind);
    if (index >= list.size()) return StoreStatus::BadIndex;
    return DeleteSection(kind, std::u16string(list[index]));
}

StoreStatus StandardsStore::DeleteStandard(StandardKind kind, std::string_view sectionName)
{
    return sectionName.empty() ? StoreStatus::BadName : DeleteSection(kind, Utf8ToUtf16(sectionName));
}

StoreStatus StandardsStore::DeleteSection(StandardKind kind, const std::u16string& name)
{
    StoreStatus status = Change(
        [&](ProfileFile& file) { return file.DeleteSection(name) ? StoreStatus::Ok : StoreStatus::NotFound; });
    if (status == StoreStatus::NotFound) status = StoreStatus::Ok;
    if (status == StoreStatus::Ok) {
        std::erase_if(ListOf(kind),
                      [&name](const std::u16string& listed) { return EqualsIgnoreCase(listed, name); });
    }
    return status;
}

StoreStatus StandardsStore::SetStandardValue(StandardKind kind, std::size_t index, std::string_view key,
                                             std::string_view value)
{
    const auto& list = ListOf(kind);
    if (index >= list.size()) return StoreStatus::BadIndex;
    return SetValueIn(kind, std::u16string(list[index]), key, value);
}

StoreStatus StandardsStore::SetStandardValue(StandardKind kind, std::string_view sectionName, std::string_view key,
                                             std::string_view value)
{
    return sectionName.empty() ? StoreStatus::BadName : SetValueIn(kind, Utf8ToUtf16(sectionName), key, value);
}

StoreStatus StandardsStore::SetValueIn(StandardKind kind, const std::u16string& name, std::string_view key,
                                       std::string_view value)
{
    const std::string_view canonical = CanonicalStandardKey(kind, key);
    if (canonical.empty()) return StoreStatus::UnknownKey;
    if (HoldsLineBreakOrNul(value)) return StoreStatus::BadValue;

    // Without the check a standard deleted by another copy would come back holding this one value.
    return Change([&](ProfileFile& file) {
        if (!file.HasSection(name)) return StoreStatus::NotFound;
        file.SetValue(name, Widen(canonical), Utf8ToUtf16(TrimValue(value)));
        return StoreStatus::Ok;
    });
}

StandardsStore::Snapshot StandardsStore::ReadFile() const
{
    const FileStamp stamp = StampOf(m_path, m_lockPath);
    FileReadResult read = ReadWholeFile(m_path, m_options.maxFileBytes);
    switch (read.status) {
        case FileReadStatus::Ok:
            return {StoreStatus::Ok, ProfileFile::FromBytes(read.bytes), stamp};
        case FileReadStatus::Missing:
            return {StoreStatus::Ok, ProfileFile(), stamp};
        // What could be read is still shown; only writing is refused.
        case FileReadStatus::TooLarge:
            return {StoreStatus::Unreadable, ProfileFile::FromBytes(read.bytes), stamp};
        case FileReadStatus::Failed:
            break;
    }
    return {StoreStatus::Unreadable, ProfileFile(), stamp};
}

StoreStatus StandardsStore::Change(const std::function<StoreStatus(ProfileFile&)>& edit)
{
    if (m_options.readOnly) return StoreStatus::ReadOnly;
    FileLock lock = FileLock::Acquire(m_lockPath, m_options.lockWait);
    if (lock.Status() != FileLockStatus::Held) {
        const StoreStatus status =
            lock.Status() == FileLockStatus::Busy ? StoreStatus::Busy : StoreStatus::WriteFailed;
        EmitDiagnostic("standards file not written (" + std::string(StoreStatusText(status)) +
                       "): " + PathText(m_lockPath));
        return status;
    }
    Snapshot snapshot = ReadFile();
    if (snapshot.status != StoreStatus::Ok) return snapshot.status;
    const StoreStatus edited = edit(snapshot.file);
    if (edited != StoreStatus::Ok) return edited;
    // Counted before the write: should the write fail half-way, readers look once more for nothing.
    lock.CountChange();
    const StoreStatus written = WriteFile(snapshot.file);
    if (written != StoreStatus::Ok) return written;
    // A list that matched the file before still matches it: this change altered the list it was made
    // through the same way (Add, Delete) or none at all.
    const FileStamp after = StampOf(m_path, m_lockPath);
    for (FileStamp& seen : m_seen) {
        if (seen == snapshot.stamp) seen = after;
    }
    return StoreStatus::Ok;
}

StoreStatus StandardsStore::WriteFile(const ProfileFile& file) const
{
    const FileWriteStatus written = ReplaceFileAtomically(m_path, file.ToBytes(), m_options.writeHooks);
    if (written == FileWriteStatus::Ok) return StoreStatus::Ok;
    const StoreStatus status =
        written == FileWriteStatus::ReadOnly ? StoreStatus::ReadOnly : StoreStatus::WriteFailed;
    EmitDiagnostic("standards file not written (" + std::string(StoreStatusText(status)) +
                   "): " + PathText(m_path));
    return status;
}

std::u16string StandardsStore::FreshSectionName(const ProfileFile& file, StandardKind kind) const
{
    // Two Adds within the same stretch of ticks would get the same name, and the second would replace
    // the first standard. Names already in the file or in any list are skipped by counting up; each
    // taken name rules out one candidate, so the loop ends within taken.size() + 1 steps.
    std::unordered_set<std::u16string> taken;
    for (const auto& name : file.SectionNames()) taken.insert(FoldCase(name));
    for (const auto& list : m_names) {
        for (const auto& name : list) taken.insert(FoldCase(name));
    }
    const std::u16string prefix = Widen(StandardSectionPrefix(kind));
    std::uint32_t number = static_cast<std::uint32_t>(std::stoul(TickDigits(m_options.clock.tickCount())));
    for (std::size_t attempt = 0;; ++attempt) {
        std::u16string candidate = prefix + Widen(std::to_string(number));
        if (!taken.contains(FoldCase(candidate)) || attempt > taken.size()) return candidate;
        number = (number + 1) % 100000000u;
    }
}

std::vector<std::u16string>& StandardsStore::ListOf(StandardKind kind)
{
    return m_names[static_cast<std::size_t>(kind) - 1];
}

const std::vector<std::u16string>& StandardsStore::ListOf(StandardKind kind) const
{
    return m_names[static_cast<std::size_t>(kind) - 1];
}

}  // namespace tmcalc
