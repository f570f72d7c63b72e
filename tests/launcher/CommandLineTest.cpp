#include "launcher/CommandLine.h"
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Arguments = std::vector<std::string>;

// The arguments as ParamStr(1) to ParamStr(ParamCount) give them.
Arguments CommandLineArguments(const char* line) {
  Arguments arguments;
  char parameter[64];
  NextParameter(line, nullptr, 0);  // the program itself
  while (NextParameter(line, parameter, sizeof parameter) > 0) arguments.push_back(parameter);
  return arguments;
}

// The browser's command line for a launcher at C:\K\, or "(does not fit)".
std::string BrowserCommandIn(size_t size, const char* line, const char* folder = "C:\\K\\") {
  std::vector<char> out(size, 'x');
  const bool fits = BrowserCommand(folder, line, out.data(), size);
  if (size > 0) EXPECT_EQ(fits, out[0] != '\0') << line;
  return fits ? std::string(out.data()) : "(does not fit)";
}

}  // namespace

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
  EXPECT_EQ(BrowserCommandIn(256, GetParam().line), GetParam().command);
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

TEST(BrowserCommand, KeepsTheFolderAsItIs) {
  EXPECT_EQ(BrowserCommandIn(256, "l.exe", "C:\\Program Files\\K\\"), "C:\\Program Files\\K\\kest.exe");
  EXPECT_EQ(BrowserCommandIn(256, "l.exe a b", ""), "kest.exe a");
}

TEST(BrowserCommand, FailsEmptyWhenTheCommandDoesNotFit) {
  // "C:\K\kest.exe" has 13 characters, " first" 6 more.
  const struct {
    size_t size;
    const char* line;
    const char* command;
  } cases[] = {
      {0, "l.exe", "(does not fit)"},
      {13, "l.exe", "(does not fit)"},
      {14, "l.exe", "C:\\K\\kest.exe"},
      {14, "l.exe first", "C:\\K\\kest.exe"},  // the first argument alone is not passed
      {14, "l.exe first second", "(does not fit)"},
      {19, "l.exe first second", "(does not fit)"},
      {20, "l.exe first second", "C:\\K\\kest.exe first"},
  };
  for (const auto& c : cases) EXPECT_EQ(BrowserCommandIn(c.size, c.line), c.command) << c.size << " " << c.line;
}

TEST(NextParameter, CutsWhatDoesNotFitAndTellsTheWholeLength) {
  const char* line = "\"abc def\" g";
  char out[4] = "xxx";
  EXPECT_EQ(NextParameter(line, out, sizeof out), 7u);
  EXPECT_STREQ(out, "abc");
  EXPECT_STREQ(line, " g");
  EXPECT_EQ(NextParameter(line, nullptr, 0), 1u);
  EXPECT_EQ(*line, '\0');
  EXPECT_EQ(NextParameter(line, out, sizeof out), 0u);
  EXPECT_STREQ(out, "");
}
