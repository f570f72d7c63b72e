#include "up/UpdateCheck.h"
#include <gtest/gtest.h>

struct DecisionCase {
  const char* name;
  const char* document;
  const char* browserVersion;
  bool due;
  friend std::ostream& operator<<(std::ostream& out, const DecisionCase& c) { return out << c.name; }
};

class DecideUpdateTest : public testing::TestWithParam<DecisionCase> {};

TEST_P(DecideUpdateTest, ComparesPackedVersionsUnsigned) {
  EXPECT_EQ(DecideUpdate(GetParam().document, GetParam().browserVersion).Due, GetParam().due);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecideUpdateTest,
    testing::Values(DecisionCase{"newer", R"({"version":"1.0.10.100"})", "1.0.10.99", true},
                    DecisionCase{"equal", R"({"version":"1.0.10.99"})", "1.0.10.99", false},
                    DecisionCase{"older", R"({"version":"1.0.10.98"})", "1.0.10.99", false},
                    DecisionCase{"numeric_not_textual", R"({"version":"2.0.0.0"})", "10.0.0.0", false},
                    DecisionCase{"above_2_31", R"({"version":"200.0.0.0"})", "100.0.0.0", true},
                    DecisionCase{"malformed_vs_unversioned", R"({"version":"1..2.3"})", "0.0.0.0", true},
                    DecisionCase{"malformed_vs_1000", R"({"version":"1..2.3"})", "1.0.0.0", false},
                    DecisionCase{"missing_vs_unversioned", R"({"file":"x"})", "0.0.0.0", true},
                    DecisionCase{"not_a_string", R"({"version":2})", "0.0.0.0", true},
                    DecisionCase{"empty_document", "", "0.0.0.0", false},
                    DecisionCase{"not_json", "<html>404</html>", "0.0.0.0", false},
                    DecisionCase{"json_array", R"(["9.9.9.9"])", "0.0.0.0", false},
                    DecisionCase{"json_string", R"("9.9.9.9")", "0.0.0.0", false},
                    DecisionCase{"truncated_json", R"({"version":"9.9.9.9")", "0.0.0.0", false},
                    DecisionCase{"invalid_utf8", "{\"version\":\"9.9.9.9\",\"info\":\"\xFF\"}", "0.0.0.0", false}),
    [](const testing::TestParamInfo<DecisionCase>& info) { return std::string(info.param.name); });

TEST(DecideUpdate, TakesTheInstallerAndNotesWhenDue) {
  const TUpdateDecision d = DecideUpdate(
      R"({"version":"2.0.0.0","file":"http://h/setup.exe","info":"\u7acb\u5373","extra":[1]})", "1.0.0.0");
  EXPECT_TRUE(d.Due);
  EXPECT_EQ(d.RemoteVersion, 0x02000000u);
  EXPECT_EQ(d.LocalVersion, 0x01000000u);
  EXPECT_EQ(d.InstallerAddress, "http://h/setup.exe");
  EXPECT_EQ(d.Notes, "\xE7\xAB\x8B\xE5\x8D\xB3");
}

TEST(DecideUpdate, ReadsMissingMembersAsEmptyTexts) {
  const TUpdateDecision d = DecideUpdate(R"({"version":"2.0.0.0","file":7})", "1.0.0.0");
  EXPECT_TRUE(d.Due);
  EXPECT_EQ(d.InstallerAddress, "");
  EXPECT_EQ(d.Notes, "");
}

TEST(DecideUpdate, SurvivesDeeplyNestedDocuments) {
  const std::string deep = std::string(100000, '[') + std::string(100000, ']');
  EXPECT_FALSE(DecideUpdate(deep, "0.0.0.0").Due);
  EXPECT_FALSE(DecideUpdate(std::string(100000, '['), "0.0.0.0").Due);
}

TEST(UpdateServiceUrl, IsPlainHttpWithTheFixedPath) {
  EXPECT_EQ(UpdateServiceUrl("127.0.0.1:8080"), "http://127.0.0.1:8080/update/");
}
