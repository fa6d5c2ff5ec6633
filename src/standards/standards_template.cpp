#include "standards/standards_template.h"

#include <array>

namespace tmcalc {
namespace {

constexpr std::array<std::string_view, 52> kTemplateLines = {
    "[CoupleTemplate]",
    "ProductNo = 20230107001",
    "TypeNo = StdCouple001",
    "CertNo = QX10000001",
    "Graduation = S            ",
    "ClassNo = 1",
    "CalMethod = Fixed point",
    "Zn = 3.4472",
    "Al = 5.8605",
    "Cu = 10.5822",
    "TempRange = 0",
    "c0 = 0",
    "c1 = 0",
    "c2 = 0",
    "c3 = 0            ",
    "c4 = 0",
    "c5 = 0",
    "c6 = 0",
    "c7 = 0",
    "c8 = 0",
    "            ",
    "[ResistorTemplate]",
    "ProductNo = 20230107002",
    "TypeNo = StdResistance001",
    "CertNo = QX10000002",
    "ClassNo = 1            ",
    "TempRange = -189.344~419.527",
    "rtp = 25.12462",
    "a4 = 0",
    "b4 = 0",
    "a5 = 0",
    "b5 = 0",
    "a7 = 0",
    "b7 = 0",
    "c7 = 0",
    "a8 = 0",
    "b8 = 0",
    "a9 = 0            ",
    "b9 = 0",
    "a10 = 0",
    "a11 = 0",
    "            ",
    "[NTCTemplate]",
    "ProductNo = 20230107003",
    "TypeNo = NTC001",
    "CertNo = QX10000003",
    "Method = 1",
    "R25 = 10000",
    "Beta = 3380.13            ",
    "A = 0.8744102777E-3",
    "B = 2.537694912E-4",
    "C = 1.821320203E-7",
};

}  // namespace

std::u16string StandardsTemplateText()
{
    std::u16string text;
    for (const std::string_view line : kTemplateLines) {
        text.append(line.begin(), line.end());  // all ASCII
        text.push_back(u'\n');
    }
    return text;
}

std::string StandardsTemplateImage()
{
    std::string image(kStandardsTemplateImageBytes, '\0');
    std::size_t at = 0;
    for (const char16_t unit : StandardsTemplateText()) {
        image[at++] = static_cast<char>(unit & 0xFF);
        image[at++] = static_cast<char>(unit >> 8);
    }
    return image;
}

}  // namespace tmcalc
