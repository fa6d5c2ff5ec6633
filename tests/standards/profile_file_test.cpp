#include "standards/profile_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "standards/standards_template.h"
#include "standards_test_support.h"

namespace tmcalc {
namespace {

using test::Utf16Bytes;

const auto U = [](std::string_view utf8) { return Utf8ToUtf16(utf8); };

constexpr std::string_view kHandEdited =
    "; notes before any section\n"
    "[Alpha]\n"
    "  Key1   =   value one   \n"
    "key1 = shadowed by the first\n"
    "KEY2=v2\n"
    "Empty =\n"
    "a line without equals sign\n"
    "Eq = a=b\n"
    "\vKey4\f=\f4\v\n"
    "\t[ Beta ]\r\n"
    "x = 1\r\n"
    "[alpha]\n"
    "Key3 = in a twin section\n";

TEST(ProfileFile, LookupSectionsAndWriteBackFollowProfileRules)
{
    const std::tuple<const char*, const char*, const char*, std::optional<std::string>> rows[] = {
        {"TrimmedKeyAndValue", "Alpha", "key1", "value one"},
        {"SectionAndKeyIgnoreCase", "ALPHA", "Key2", "v2"},
        {"EmptyValueIsPresent", "alpha", "empty", ""},
        {"MissingKeyReadsEmpty", "Alpha", "Key9", std::nullopt},
        {"ValueKeepsLaterEquals", "Alpha", "EQ", "a=b"},
        {"VerticalTabAndFormFeedTrimmed", "Alpha", "key4", "4"},
        {"HeaderTrimmedAndCarriageReturns", "beta", "X", "1"},
        {"TwinSectionUnreachable", "Alpha", "Key3", std::nullopt},
        {"MissingSection", "Gamma", "x", std::nullopt},
    };
    const ProfileFile file = ProfileFile::FromBytes(Utf16Bytes(kHandEdited));
    for (const auto& [name, section, key, expected] : rows) {
        SCOPED_TRACE(name);
        const auto found = file.Find(U(section), U(key));
        EXPECT_EQ(found ? std::optional(Utf16ToUtf8(*found)) : std::nullopt, expected);
        EXPECT_EQ(Utf16ToUtf8(file.Value(U(section), U(key))), expected.value_or(""));
    }
    // Distinct section names in file order; text nobody touched writes back unchanged.
    EXPECT_EQ(file.SectionNames(), (std::vector<std::u16string>{u"Alpha", u"Beta"}));
    // A header cut before its bracket still names a section.
    EXPECT_EQ(ProfileFile::FromText(u"[A]\nk = 1\n[couplestd12").SectionNames(),
              (std::vector<std::u16string>{u"A", u"couplestd12"}));
    EXPECT_EQ(file.ToBytes(), Utf16Bytes(kHandEdited));
    // Every line, the last included, ends in a line feed.
    EXPECT_EQ(Utf16ToUtf8(ProfileFile::FromText(u"[A]\nk = v").ToText()), "[A]\nk = v\n");
}

TEST(ProfileFile, NulCharactersAreIgnoredWhereverTheyStand)
{
    const std::string nul(2, '\0');
    const ProfileFile file = ProfileFile::FromBytes(Utf16Bytes("[Se") + nul + Utf16Bytes("c]\nR") + nul + nul +
                                                    Utf16Bytes("tp = 1") + nul + Utf16Bytes(".5\n"));
    EXPECT_EQ(file.Value(u"Sec", u"Rtp"), u"1.5");
    // A section appended behind the zero padding of a first-start file is not lost.
    const ProfileFile padded =
        ProfileFile::FromBytes(StandardsTemplateImage() + Utf16Bytes("[couplestd1]\nZn = 2\n"));
    EXPECT_EQ(padded.Value(u"couplestd1", u"Zn"), u"2");
    EXPECT_EQ(padded.SectionNames().size(), 4U);
}

// Regression: an odd last byte once made a stray line, and a save dropped it.
TEST(ProfileFile, EveryEncodingReadsTheSameEntryAndAnOddLastByteIsNoTextAndIsKept)
{
    const std::string text = "[NTCThermistors1]\nTypeNo = 型号 NTC\n";
    const std::pair<const char*, std::string> rows[] = {
        {"Utf16Le", Utf16Bytes(text)},
        {"Utf16LeWithMark", "\xFF\xFE" + Utf16Bytes(text)},
        {"Utf8", "[NTCThermistors1]\r\nTypeNo = 型号 NTC\r\n"},
        {"Utf8WithMark", "\xEF\xBB\xBF" + text},
    };
    for (const auto& [name, bytes] : rows) {
        const ProfileFile file = ProfileFile::FromBytes(bytes);
        EXPECT_EQ(Utf16ToUtf8(file.Value(u"NTCThermistors1", u"TypeNo")), "型号 NTC") << name;
    }
    for (const char odd : {'\x41', '\0', '\xFF'}) {
        ProfileFile file = ProfileFile::FromBytes(Utf16Bytes(text) + odd);
        EXPECT_EQ(Utf16ToUtf8(file.ToText()), text);
        EXPECT_EQ(file.ToBytes(), Utf16Bytes(text) + odd);
        file.SetValue(u"NTCThermistors1", u"D", u"1");
        EXPECT_EQ(file.ToBytes(), Utf16Bytes(text + "D = 1\n") + odd);
    }
}

TEST(ProfileFile, EditsChangeOnlyTheirLinesAndKeepSeparators)
{
    ProfileFile file = ProfileFile::FromText(u"[A]\nk1 = 1\nK2 = 2\n   \n[B]\nz = 9\n[a]\nk = 3\n");
    file.SetValue(u"a", u"k2", u"20");  // existing key: rewritten where it stands
    file.SetValue(u"A", u"k3", u"30");  // new key: after the last entry, before the blank separator
    file.SetValue(u"C", u"n", u"new");  // new section: at the end
    EXPECT_EQ(Utf16ToUtf8(file.ToText()),
              "[A]\nk1 = 1\nk2 = 20\nk3 = 30\n   \n[B]\nz = 9\n[a]\nk = 3\n[C]\nn = new\n");
    const std::vector<std::u16string> body = {u"n1 = a", u"n2 = b"};
    file.ReplaceSection(u"a", body);  // the separator behind the old lines stays
    file.ReplaceSection(u"New", body);
    EXPECT_TRUE(file.DeleteSection(u"B"));
    EXPECT_EQ(Utf16ToUtf8(file.ToText()),
              "[A]\nn1 = a\nn2 = b\n   \n[a]\nk = 3\n[C]\nn = new\n[New]\nn1 = a\nn2 = b\n");
    EXPECT_TRUE(file.DeleteSection(u"A"));  // a hand-made twin too, or it would come back to life
    EXPECT_EQ(Utf16ToUtf8(file.ToText()), "[C]\nn = new\n[New]\nn1 = a\nn2 = b\n");
    EXPECT_FALSE(file.DeleteSection(u"A"));
}

}  // namespace
}  // namespace tmcalc
