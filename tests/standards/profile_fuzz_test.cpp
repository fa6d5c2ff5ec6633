// Any file reads without a crash or hang and survives a write and a read; sizes suit AddressSanitizer.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "standards/profile_file.h"
#include "standards/standards_store.h"
#include "standards/standards_template.h"
#include "standards_test_support.h"

namespace tmcalc {
namespace {

// Bytes that matter to the reader are drawn far more often than chance would draw them.
std::string RandomBytes(std::mt19937& random, std::size_t size)
{
    static constexpr char kInteresting[] = {'[', ']', '=',    '\n',   '\r',   ' ',    '\t',   '\0',   'a',
                                            'A', 'c', '\xFF', '\xFE', '\xEF', '\xBB', '\xBF', '\xD8', '\xDC'};
    std::uniform_int_distribution<int> coin(0, 3);
    std::uniform_int_distribution<std::size_t> pick(0, sizeof(kInteresting) - 1);
    std::uniform_int_distribution<int> any(0, 255);
    std::string bytes(size, '\0');
    for (auto& b : bytes) b = coin(random) == 0 ? static_cast<char>(any(random)) : kInteresting[pick(random)];
    return bytes;
}

// The properties every parse must keep, whatever the input.
void CheckReadsBackStable(std::string_view bytes)
{
    ProfileFile file = ProfileFile::FromBytes(bytes);
    const std::u16string text = file.ToText();
    ASSERT_EQ(ProfileFile::FromBytes(file.ToBytes()).ToText(), text);
    const auto names = file.SectionNames();
    for (const auto& name : names) static_cast<void>(file.Value(name, u"Rtp"));

    file.SetValue(u"couplestd1", u"Zn", u"3.4472");
    const ProfileFile again = ProfileFile::FromBytes(file.ToBytes());
    ASSERT_EQ(again.Value(u"couplestd1", u"zn"), u"3.4472");
    ASSERT_GE(again.SectionNames().size(), names.empty() ? 1U : names.size());
}

TEST(ProfileFuzz, RandomBytesMutatedStoreFilesAndFilesCutAtEveryLength)
{
    std::mt19937 random(20240309);
    std::uniform_int_distribution<std::size_t> size(0, 1500);
    for (int i = 0; i < 1500; ++i) {
        SCOPED_TRACE(i);
        CheckReadsBackStable(RandomBytes(random, size(random)));
    }
    // A store file with a few bytes inserted, erased or replaced.
    const std::string original = test::Utf16Bytes(
        "[CoupleTemplate]\nZn = 1\n[couplestd1]\nProductNo = 1\nZn = 2\n[resistorstd2]\nrtp = 25\n");
    std::uniform_int_distribution<int> action(0, 2);
    for (int i = 0; i < 1500; ++i) {
        std::string bytes = original;
        for (int edit = 0; edit < 4; ++edit) {
            const std::size_t pos = std::uniform_int_distribution<std::size_t>(0, bytes.size())(random);
            const int what = action(random);
            if (what == 0) bytes.insert(pos, RandomBytes(random, 3));
            if (what == 1) bytes.erase(pos, 3);
            if (what == 2 && pos < bytes.size()) bytes[pos] = RandomBytes(random, 1)[0];
        }
        SCOPED_TRACE(i);
        CheckReadsBackStable(bytes);
    }
    // A file cut at every length, except deep inside the zero padding, where one cut reads like the next.
    const std::string full =
        StandardsTemplateImage() + test::Utf16Bytes("[couplestd1]\nZn = 3.4\n[NTCThermistors2]\nD =1\n");
    for (std::size_t length = 0; length <= full.size(); length += (length > 1500 && length < 2040) ? 29 : 1) {
        SCOPED_TRACE(length);
        CheckReadsBackStable(std::string_view(full).substr(0, length));
    }
}

TEST(ProfileFuzz, HugeLinesAndManySectionsStayFast)
{
    const auto start = std::chrono::steady_clock::now();
    std::string text =
        "[couplestd1]\nZn = " + std::string(1'000'000, '7') + "\n" + std::string(500'000, '[') + "\n";
    for (int i = 0; i < 10000; ++i) text += "[s" + std::to_string(i) + "]\nk=v\n";
    const ProfileFile file = ProfileFile::FromBytes(test::Utf16Bytes(text));
    EXPECT_EQ(file.Value(u"couplestd1", u"Zn").size(), 1'000'000U);
    EXPECT_EQ(file.SectionNames().size(), 10002U);
    EXPECT_EQ(file.Value(u"S9999", u"K"), u"v");
    // Generous for a sanitizer build on a shared machine; a quadratic step would take minutes.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST(ProfileFuzz, StoreSurvivesAnyFile)
{
    std::mt19937 random(11);
    test::ScriptedClock clock{{1234567890}};
    for (int i = 0; i < 60; ++i) {
        SCOPED_TRACE(i);
        test::TempFolder folder;
        std::string bytes =
            i % 2 == 0 ? RandomBytes(random, 600) : StandardsTemplateImage().substr(0, 97 + 13 * i);
        test::WriteBytes(folder.File(), bytes);
        StandardsStore store(StandardsStoreOptions{folder.Path(), clock.Bind(), {}, kStandardsFileMaxBytes});
        for (const StandardKind kind : kAllStandardKinds) {
            static_cast<void>(store.LoadAllStandards(kind));
            StandardRecord added(kind);
            if (store.AddStandard(kind, added) == StoreStatus::Ok) {
                const auto loaded = store.LoadStandardAt(kind, store.Count(kind) - 1);
                ASSERT_TRUE(loaded.has_value());
                EXPECT_EQ(*loaded, added);
            }
        }
    }
}

}  // namespace
}  // namespace tmcalc
