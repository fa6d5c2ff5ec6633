#pragma once

#include "resources/string_ids.h"

#include <cstddef>
#include <string_view>

namespace tmcalc {

// Languages are identified by their Windows language ids, which also name the two string tables.
enum class Language : int {
    English = 1033,
    Chinese = 2052,
};


// Chinese for a Simplified Chinese system locale ("zh_CN", "zh-CN", "zh-Hans...", a bare "zh"), English for
// every other one. Accepts POSIX ("zh_CN.UTF-8") and BCP 47 names.
[[nodiscard]] Language LanguageForLocaleName(std::string_view localeName);

// The language of every later lookup; English until set.
void SetLanguage(Language language);
[[nodiscard]] Language CurrentLanguage();

// The UTF-8 text of `id` in the current (or the given) language; empty when the table has no such id.
// The texts live as long as the program.
[[nodiscard]] std::string_view LoadString(int id);
[[nodiscard]] std::string_view LoadString(int id, Language language);

// Every id of a table, ascending (for checks that both tables agree).
[[nodiscard]] std::size_t StringCount(Language language);
[[nodiscard]] int StringIdAt(Language language, std::size_t index);

}  // namespace tmcalc
