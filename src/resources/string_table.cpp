#include "resources/string_table.h"

#include "resources/string_table_data.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <string>
#include <utility>
#include <vector>

namespace tmcalc {
namespace {

std::atomic<Language> g_language{Language::English};

struct Entry {
    int id;
    std::string text;
};

// Table files: one "id<TAB>text[<TAB>name]" line per entry, '#' starts a comment line, and the escapes \t, \n and
// \\ stand for a tab, a line feed and a backslash (labels may hold both).
std::string Unescape(std::string_view raw)
{
    std::string out;
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size()) {
            const char next = raw[i + 1];
            if (next == 't' || next == 'n' || next == '\\') {
                out.push_back(next == 't' ? '\t' : next == 'n' ? '\n' : '\\');
                ++i;
                continue;
            }
        }
        out.push_back(raw[i]);
    }
    return out;
}

std::vector<Entry> ParseTable(std::string_view data)
{
    std::vector<Entry> entries;
    while (!data.empty()) {
        const std::size_t eol = std::min(data.find('\n'), data.size());
        std::string_view line = data.substr(0, eol);
        data.remove_prefix(std::min(eol + 1, data.size()));
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) continue;
        int id = 0;
        const auto r = std::from_chars(line.data(), line.data() + tab, id);
        if (r.ec != std::errc() || r.ptr != line.data() + tab) continue;
        // A third column names the id for the code (it becomes a constant of resources/string_ids.h).
        std::string_view text = line.substr(tab + 1);
        text = text.substr(0, std::min(text.find('\t'), text.size()));
        entries.push_back({id, Unescape(text)});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.id < b.id; });
    return entries;
}

const std::vector<Entry>& Table(Language language)
{
    static const std::vector<Entry> english = ParseTable(kStringTableEnglish);
    static const std::vector<Entry> chinese = ParseTable(kStringTableChinese);
    return language == Language::Chinese ? chinese : english;
}

}  // namespace

Language LanguageForLocaleName(std::string_view name)
{
    auto lower = [](std::string_view s) {
        std::string out(s);
        for (char& c : out) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            if (c == '-') c = '_';
        }
        return out;
    };
    std::string n = lower(name.substr(0, std::min(name.find_first_of(".@"), name.size())));
    if (n == "zh" || n.rfind("zh_cn", 0) == 0 || n.rfind("zh_hans", 0) == 0)
        return Language::Chinese;
    return Language::English;
}

void SetLanguage(Language language) { g_language.store(language); }

Language CurrentLanguage() { return g_language.load(); }

std::string_view LoadString(int id) { return LoadString(id, CurrentLanguage()); }

std::string_view LoadString(int id, Language language)
{
    const auto& table = Table(language);
    const auto it = std::lower_bound(table.begin(), table.end(), id, [](const Entry& e, int v) { return e.id < v; });
    if (it == table.end() || it->id != id) return {};
    return it->text;
}

std::size_t StringCount(Language language) { return Table(language).size(); }

int StringIdAt(Language language, std::size_t index) { return Table(language).at(index).id; }

}  // namespace tmcalc
