#include "standards/profile_file.h"

#include <algorithm>

#include "framework/utf_text.h"

namespace tmcalc {
namespace {

bool IsProfileSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\v' || c == u'\f';
}

char16_t FoldChar(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

std::u16string DecodeUtf16Le(std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto low = static_cast<unsigned char>(bytes[i]);
        const auto high = static_cast<unsigned char>(bytes[i + 1]);
        const auto unit = static_cast<char16_t>(low | (high << 8));
        if (unit != 0) text.push_back(unit);
    }
    return text;
}

bool StartsWithBytes(std::string_view bytes, std::string_view prefix)
{
    return bytes.size() >= prefix.size() && bytes.substr(0, prefix.size()) == prefix;
}

bool IsHeader(std::u16string_view trimmed)
{
    return !trimmed.empty() && trimmed.front() == u'[';
}

std::u16string HeaderName(std::u16string_view trimmed)
{
    std::u16string_view inner = trimmed.substr(1);
    const std::size_t close = inner.find(u']');
    // A header cut off before its bracket (a truncated file) still names its section.
    if (close != std::u16string_view::npos) inner = inner.substr(0, close);
    return std::u16string(TrimProfileSpace(inner));
}

// Splits "key = value"; lines without an equals sign are not entries.
bool SplitEntry(std::u16string_view line, std::u16string_view& key, std::u16string_view& value)
{
    const std::size_t equals = line.find(u'=');
    if (equals == std::u16string_view::npos) return false;
    key = TrimProfileSpace(line.substr(0, equals));
    value = TrimProfileSpace(line.substr(equals + 1));
    return true;
}

bool IsBlank(std::u16string_view line)
{
    return TrimProfileSpace(line).empty();
}

}  // namespace

std::u16string_view TrimProfileSpace(std::u16string_view text)
{
    while (!text.empty() && IsProfileSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsProfileSpace(text.back())) text.remove_suffix(1);
    return text;
}

std::u16string FoldCase(std::u16string_view text)
{
    std::u16string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), FoldChar);
    return folded;
}

bool EqualsIgnoreCase(std::u16string_view a, std::u16string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char16_t x, char16_t y) { return FoldChar(x) == FoldChar(y); });
}

ProfileFile ProfileFile::FromBytes(std::string_view bytes)
{
    // Anything the program writes has a zero byte (the high byte of every line feed), so it never
    // passes for UTF-8 here.
    std::string_view utf8 = bytes;
    if (StartsWithBytes(utf8, "\xEF\xBB\xBF")) utf8.remove_prefix(3);
    if (utf8.find('\0') == std::string_view::npos && IsValidUtf8(utf8)) return FromText(Utf8ToUtf16(utf8));
    if (StartsWithBytes(bytes, "\xFF\xFE")) bytes.remove_prefix(2);
    ProfileFile file = FromText(DecodeUtf16Le(bytes));
    if (bytes.size() % 2 != 0) file.m_oddByte.assign(1, bytes.back());
    return file;
}

ProfileFile ProfileFile::FromText(std::u16string_view text)
{
    ProfileFile file;
    std::vector<std::u16string>* target = &file.m_preamble;
    // Byte-order marks (one or, from careless concatenation, several) are not text; left in place, one
    // would be written back at the start and read as a mark the next time.
    std::size_t start = text.find_first_not_of(u'\uFEFF');
    if (start == std::u16string_view::npos) start = text.size();
    while (start < text.size()) {
        std::size_t end = text.find(u'\n', start);
        if (end == std::u16string_view::npos) end = text.size();
        std::u16string line(text.substr(start, end - start));
        std::erase(line, u'\0');
        start = end + 1;

        const std::u16string_view trimmed = TrimProfileSpace(line);
        if (IsHeader(trimmed)) {
            std::u16string name = HeaderName(trimmed);
            file.m_sections.push_back(Section{std::move(line), std::move(name), {}});
            target = &file.m_sections.back().lines;
        } else {
            target->push_back(std::move(line));
        }
    }
    file.RebuildIndex();
    return file;
}

std::u16string ProfileFile::ToText() const
{
    std::size_t size = 0;
    for (const auto& line : m_preamble) size += line.size() + 1;
    for (const auto& section : m_sections) {
        size += section.header.size() + 1;
        for (const auto& line : section.lines) size += line.size() + 1;
    }
    std::u16string text;
    text.reserve(size);
    const auto append = [&text](const std::u16string& line) {
        text += line;
        text.push_back(u'\n');
    };
    std::for_each(m_preamble.begin(), m_preamble.end(), append);
    for (const auto& section : m_sections) {
        append(section.header);
        std::for_each(section.lines.begin(), section.lines.end(), append);
    }
    return text;
}

std::string ProfileFile::ToBytes() const
{
    const std::u16string text = ToText();
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    // Alone, the byte would read back as a one-character UTF-8 file.
    if (!bytes.empty()) bytes += m_oddByte;
    return bytes;
}

std::vector<std::u16string> ProfileFile::SectionNames() const
{
    std::vector<std::u16string> names;
    names.reserve(m_index.size());
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        // Only the first section of a name is reachable; listing a later twin would show the same
        // standard twice.
        const auto it = m_index.find(FoldCase(m_sections[i].name));
        if (it != m_index.end() && it->second == i) names.push_back(m_sections[i].name);
    }
    return names;
}

bool ProfileFile::HasSection(std::u16string_view section) const
{
    return FindSection(section) != nullptr;
}

std::optional<std::u16string> ProfileFile::Find(std::u16string_view section, std::u16string_view key) const
{
    const Section* found = FindSection(section);
    if (found == nullptr) return std::nullopt;
    const std::u16string_view wanted = TrimProfileSpace(key);
    for (const auto& line : found->lines) {
        std::u16string_view entryKey;
        std::u16string_view entryValue;
        if (SplitEntry(line, entryKey, entryValue) && EqualsIgnoreCase(entryKey, wanted)) {
            return std::u16string(entryValue);
        }
    }
    return std::nullopt;
}

std::u16string ProfileFile::Value(std::u16string_view section, std::u16string_view key) const
{
    return Find(section, key).value_or(std::u16string());
}

void ProfileFile::SetValue(std::u16string_view section, std::u16string_view key, std::u16string_view value)
{
    const std::u16string_view wanted = TrimProfileSpace(key);
    std::u16string line(wanted);
    line += u" = ";
    line += value;

    Section& target = SectionForWrite(section);
    for (auto& existing : target.lines) {
        std::u16string_view entryKey;
        std::u16string_view entryValue;
        if (SplitEntry(existing, entryKey, entryValue) && EqualsIgnoreCase(entryKey, wanted)) {
            existing = std::move(line);
            return;
        }
    }
    auto lastEntry = std::find_if(target.lines.rbegin(), target.lines.rend(),
                                  [](const std::u16string& l) { return !IsBlank(l); });
    target.lines.insert(lastEntry.base(), std::move(line));
}

void ProfileFile::ReplaceSection(std::u16string_view section, std::span<const std::u16string> lines)
{
    Section& target = SectionForWrite(section);
    const auto lastEntry = std::find_if(target.lines.rbegin(), target.lines.rend(),
                                        [](const std::u16string& l) { return !IsBlank(l); });
    std::vector<std::u16string> replaced(lines.begin(), lines.end());
    replaced.insert(replaced.end(), lastEntry.base(), target.lines.end());
    target.lines = std::move(replaced);
}

bool ProfileFile::DeleteSection(std::u16string_view section)
{
    const std::u16string folded = FoldCase(TrimProfileSpace(section));
    const std::size_t removed =
        std::erase_if(m_sections, [&folded](const Section& s) { return FoldCase(s.name) == folded; });
    if (removed > 0) RebuildIndex();
    return removed > 0;
}

const ProfileFile::Section* ProfileFile::FindSection(std::u16string_view section) const
{
    const auto it = m_index.find(FoldCase(TrimProfileSpace(section)));
    return it == m_index.end() ? nullptr : &m_sections[it->second];
}

ProfileFile::Section& ProfileFile::SectionForWrite(std::u16string_view section)
{
    const std::u16string_view name = TrimProfileSpace(section);
    const auto [it, added] = m_index.try_emplace(FoldCase(name), m_sections.size());
    if (added) {
        std::u16string header(u"[");
        header += name;
        header += u']';
        m_sections.push_back(Section{std::move(header), std::u16string(name), {}});
    }
    return m_sections[it->second];
}

void ProfileFile::RebuildIndex()
{
    m_index.clear();
    for (std::size_t i = 0; i < m_sections.size(); ++i) m_index.try_emplace(FoldCase(m_sections[i].name), i);
}

}  // namespace tmcalc
