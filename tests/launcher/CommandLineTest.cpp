#include "launcher/CommandLine.h"
#include <gtest/gtest.h>

using Arguments = std::vector<std::string>;

struct SplitCase {
  const char* line;
  Arguments arguments;
  friend std::ostream& operator<<(std::ostream& out, const SplitCase& c) { return out << c.line; }
};

class CommandLineArgumentsTest : public testing::TestWithParam<SplitCase> {};

TEST_P(CommandLineArgumentsTest, SplitsAsTheRuntimeDoes) {
  EXPECT_EQ(CommandLineArguments(GetParam().line), GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineArgumentsTest,
    testing::Values(SplitCase{"kest_launcher.exe", {}}, SplitCase{"\"C:\\a b\\kest_launcher.exe\"  ", {}},
                    SplitCase{"l.exe one", {"one"}}, SplitCase{"l.exe  one\ttwo  three", {"one", "two", "three"}},
                    SplitCase{"l.exe \"a b\" c", {"a b", "c"}}, SplitCase{"l.exe x\"y z\"w", {"xy zw"}},
                    SplitCase{"l.exe \"C:\\dir\\\" next", {"C:\\dir\\", "next"}},
                    SplitCase{"l.exe \"open", {"open"}}));

// The runtime skips every empty pair of quotes before a parameter, and ParamCount stops at the
// first empty parameter, which only the end of the line gives then.
INSTANTIATE_TEST_SUITE_P(
    EmptyPairs, CommandLineArgumentsTest,
    testing::Values(SplitCase{"l.exe \"\" second", {"second"}}, SplitCase{"l.exe first \"\"", {"first"}},
                    SplitCase{"l.exe \"\" \"\" a b", {"a", "b"}}, SplitCase{"l.exe a \"\"\"\" b", {"a", "b"}},
                    SplitCase{"l.exe \"\"a b", {"a", "b"}}, SplitCase{"l.exe a\"\" b", {"a", "b"}},
                    SplitCase{"l.exe a \"\"\" b", {"a", " b"}}, SplitCase{"l.exe a \"", {"a"}},
                    SplitCase{"l.exe \"\"", {}}, SplitCase{"\"\" l.exe a", {"a"}},
                    SplitCase{"l.exe \"\"\t\"\" x", {"x"}}, SplitCase{"l.exe \"a\"\"b\" c", {"ab", "c"}}));

struct LaunchCase {
  const char* line;
  const char* command;
  friend std::ostream& operator<<(std::ostream& out, const LaunchCase& c) { return out << c.line; }
};

class BrowserCommandLineTest : public testing::TestWithParam<LaunchCase> {};

// From the launcher's whole command line to the browser's, as ParamCount and ParamStr(1) give it.
TEST_P(BrowserCommandLineTest, FollowsParamCountAndParamStr) {
  EXPECT_EQ(BrowserCommand("C:\\K\\", CommandLineArguments(GetParam().line)), GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrowserCommandLineTest,
    testing::Values(LaunchCase{"l.exe", "C:\\K\\kest.exe"}, LaunchCase{"l.exe first", "C:\\K\\kest.exe"},
                    LaunchCase{"l.exe first second", "C:\\K\\kest.exe first"},
                    LaunchCase{"l.exe \"\" second", "C:\\K\\kest.exe"},
                    LaunchCase{"l.exe first \"\"", "C:\\K\\kest.exe"},
                    LaunchCase{"l.exe \"\" first second", "C:\\K\\kest.exe first"},
                    LaunchCase{"l.exe first \"\" second", "C:\\K\\kest.exe first"},
                    LaunchCase{"l.exe \"a b\" \"\"", "C:\\K\\kest.exe"},
                    LaunchCase{"l.exe \"a b\" c", "C:\\K\\kest.exe a b"}));

TEST(BrowserCommand, PassesTheFirstArgumentOnlyFromTwoArgumentsOn) {
  EXPECT_EQ(BrowserCommand("C:\\K\\", {}), "C:\\K\\kest.exe");
  EXPECT_EQ(BrowserCommand("C:\\K\\", {"one"}), "C:\\K\\kest.exe");
  EXPECT_EQ(BrowserCommand("C:\\K\\", {"one", "two"}), "C:\\K\\kest.exe one");
  EXPECT_EQ(BrowserCommand("C:\\K\\", {"a b", "two", "three"}), "C:\\K\\kest.exe a b");
  EXPECT_EQ(BrowserCommand("C:\\Program Files\\K\\", {}), "C:\\Program Files\\K\\kest.exe");
}
