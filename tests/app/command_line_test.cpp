#include "app/command_line.h"

#include "app/version.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tmcalc {
namespace {

const std::string kVersionLine = std::string("tmcalc ") + kVersion + "\n";

struct CommandLineRow {
    const char* name;
    std::vector<const char*> args;  // after the program name
    const char* answerStart;        // nullptr: the program starts
};

class CommandLineTest : public testing::TestWithParam<CommandLineRow> {};

TEST_P(CommandLineTest, AnswersOnlyItsOwnOptions)
{
    std::vector<const char*> argv{"tmcalc"};
    argv.insert(argv.end(), GetParam().args.begin(), GetParam().args.end());
    const std::optional<std::string> answer = CommandLineAnswer(static_cast<int>(argv.size()), argv.data());
    if (GetParam().answerStart == nullptr) {
        EXPECT_FALSE(answer.has_value());
        return;
    }
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->rfind(GetParam().answerStart, 0), 0u) << *answer;
}

const char* const kUsage = "Usage: tmcalc [OPTION]...\n";

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineTest,
    testing::Values(CommandLineRow{"NoArguments", {}, nullptr},
                    CommandLineRow{
                        "QtOptionsAreLeftToQt", {"-platform", "offscreen", "-style", "fusion"}, nullptr},
                    CommandLineRow{"UnknownOptionStarts", {"--verbose"}, nullptr},
                    CommandLineRow{"NearMissesAreNotOptions", {"--versions", "-help", "--Help", "help"}, nullptr},
                    CommandLineRow{"Version", {"--version"}, kVersionLine.c_str()},
                    CommandLineRow{"Help", {"--help"}, kUsage}, CommandLineRow{"ShortHelp", {"-h"}, kUsage},
                    CommandLineRow{"AfterQtOptions", {"-platform", "xcb", "--version"}, kVersionLine.c_str()},
                    CommandLineRow{"FirstOneWins", {"--version", "--help"}, kVersionLine.c_str()},
                    CommandLineRow{"FirstOneWinsTheOtherWay", {"-h", "--version"}, kUsage}), test::RowName{});

TEST(CommandLineHelp, ListsBothOptionsForTheManPage)
{
    const char* argv[] = {"tmcalc", "--help"};
    const std::string help = CommandLineAnswer(2, argv).value_or("");
    // help2man takes the option list from the "Options:" section.
    EXPECT_NE(help.find("\nOptions:\n  -h, --help "), std::string::npos);
    EXPECT_NE(help.find("\n      --version "), std::string::npos);
    EXPECT_EQ(help.back(), '\n');
}

}  // namespace
}  // namespace tmcalc
