#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tmcalc {

// The text of an INI ("profile") file in memory, read and edited with the classic profile rules:
// section headers in square brackets, "key = value" entries, section and key names compared without
// regard to ASCII case, keys and values trimmed of white space, the first of duplicate sections or
// keys wins, and a missing key reads as the empty text.
//
// Lines the rules do not understand (comments, text before the first section, stray lines) are kept as
// they stand, so an edit changes only the lines it is about and a hand-edited file keeps its shape.
class ProfileFile {
public:
    ProfileFile() = default;

    // Bytes as found on disk. The file is normally UTF-16 little-endian without a byte-order mark. A file
    // with no zero byte at all that is valid UTF-8 (after an optional UTF-8 mark) is read as UTF-8: an
    // editor saved it so, since UTF-16 text with any bracket, equals sign or line feed has zero bytes.
    // Anything else is UTF-16LE, with a byte-order mark skipped, NUL characters dropped wherever they
    // stand (which removes the zero padding behind the first-start template). An odd last byte is no
    // text; it is kept and written back last, so that saving a damaged file loses nothing more of it.
    [[nodiscard]] static ProfileFile FromBytes(std::string_view bytes);
    [[nodiscard]] static ProfileFile FromText(std::u16string_view text);

    // Every line ends in a line feed; lines that came in with a carriage return keep it.
    [[nodiscard]] std::u16string ToText() const;
    // UTF-16 little-endian without a byte-order mark, then the odd last byte the file came with, if any.
    [[nodiscard]] std::string ToBytes() const;

    // Distinct section names in file order, each spelled as its first header spells it.
    [[nodiscard]] std::vector<std::u16string> SectionNames() const;
    [[nodiscard]] bool HasSection(std::u16string_view section) const;
    [[nodiscard]] std::optional<std::u16string> Find(std::u16string_view section, std::u16string_view key) const;
    [[nodiscard]] std::u16string Value(std::u16string_view section, std::u16string_view key) const;

    // Writes "key = value" over the first entry of the key, or adds it after the section's last entry,
    // or adds the section at the end of the file.
    void SetValue(std::u16string_view section, std::u16string_view key, std::u16string_view value);
    // Replaces all lines of the section (adding it at the end of the file when missing). White-space
    // lines at the end of the old section stay, since they separate it from the next header.
    void ReplaceSection(std::u16string_view section, std::span<const std::u16string> lines);
    // Removes every section of that name (a hand-made duplicate would otherwise come back to life).
    bool DeleteSection(std::u16string_view section);

    [[nodiscard]] std::size_t SectionCount() const { return m_sections.size(); }

private:
    struct Section {
        std::u16string header;  // the header line as written
        std::u16string name;    // trimmed text between the brackets
        std::vector<std::u16string> lines;
    };

    [[nodiscard]] const Section* FindSection(std::u16string_view section) const;
    Section& SectionForWrite(std::u16string_view section);
    void RebuildIndex();

    std::vector<std::u16string> m_preamble;  // lines before the first header
    std::string m_oddByte;                   // empty, or the half UTF-16 unit that ended the file
    std::vector<Section> m_sections;
    std::unordered_map<std::u16string, std::size_t> m_index;  // folded name -> first section of it
};

// ASCII-only case folding: our section names and keys are ASCII, and other scripts have no case
// variants that a user could type by accident in this file.
[[nodiscard]] std::u16string FoldCase(std::u16string_view text);
[[nodiscard]] bool EqualsIgnoreCase(std::u16string_view a, std::u16string_view b);
[[nodiscard]] std::u16string_view TrimProfileSpace(std::u16string_view text);

}  // namespace tmcalc
