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
                    SplitCase{"l.exe \"\" b", {"", "b"}}, SplitCase{"l.exe \"open", {"open"}}));

TEST(BrowserCommand, PassesTheFirstArgumentOnlyFromTwoArgumentsOn) {
  EXPECT_EQ(BrowserCommand("C:\\K\\", {}), "C:\\K\\kest.exe");
  EXPECT_EQ(BrowserCommand("C:\\K\\", {"one"}), "C:\\K\\kest.exe");
  EXPECT_EQ(BrowserCommand("C:\\K\\", {"one", "two"}), "C:\\K\\kest.exe one");
  EXPECT_EQ(BrowserCommand("C:\\K\\", {"a b", "two", "three"}), "C:\\K\\kest.exe a b");
  EXPECT_EQ(BrowserCommand("C:\\Program Files\\K\\", {}), "C:\\Program Files\\K\\kest.exe");
}
