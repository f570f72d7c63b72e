#include "up/UpdateCheck.h"
#include "common/DeployConfig.h"
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
                    DecisionCase{"not_utf8_read_as_gbk", "{\"version\":\"9.9.9.9\",\"info\":\"\xFF\"}", "0.0.0.0", true},
                    DecisionCase{"comments", "// offer\n{\"version\":\"9.9.9.9\" /* newest */}", "0.0.0.0", true}),
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

// The same document as UTF-8 (with and without a byte order mark), with the notes escaped, and in
// the system code page of Chinese Windows (GBK): the notes come out the same.
TEST(DecideUpdate, ReadsUtf8DocumentsAndWidensOthersFromTheCodePage) {
  const std::string notes = "\xE4\xBF\xAE\xE5\xA4\x8D\xE4\xBA\x86\xE8\x8B\xA5\xE5\xB9\xB2\xE9\x97\xAE\xE9\xA2\x98"
                            "\xE3\x80\x82\nKest 2.0";  // 修复了若干问题。
  const std::string gbkNotes = "\xD0\xDE\xB8\xB4\xC1\xCB\xC8\xF4\xB8\xC9\xCE\xCA\xCC\xE2\xA1\xA3\\nKest 2.0";
  const struct {
    const char* Name;
    std::string Document;
  } cases[] = {
      {"utf8", "{\"version\":\"2.0.0.0\",\"file\":\"http://h/s.exe\",\"info\":\"" +
                   std::string(notes).replace(notes.find('\n'), 1, "\\n") + "\"}"},
      {"utf8 with bom", "\xEF\xBB\xBF{\"version\":\"2.0.0.0\",\"file\":\"http://h/s.exe\",\"info\":\"" +
                            std::string(notes).replace(notes.find('\n'), 1, "\\n") + "\"}"},
      {"escaped", R"({"version":"2.0.0.0","file":"http://h/s.exe","info":"\u4fee\u590d\u4e86\u82e5\u5e72\u95ee\u9898\u3002\nKest 2.0"})"},
      {"gbk", "{\"version\":\"2.0.0.0\",\"file\":\"http://h/s.exe\",\"info\":\"" + gbkNotes + "\"}"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const TUpdateDecision d = DecideUpdate(c.Document, "1.0.0.0");
    EXPECT_TRUE(d.Due);
    EXPECT_EQ(d.InstallerAddress, "http://h/s.exe");
    EXPECT_EQ(d.Notes, notes);
  }
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

TEST(UpTimeouts, AreThoseShippedUnlessTheConfigurationShortensThem) {
  const auto same = [](const TInetTimeouts& a, const TInetTimeouts& b) {
    return a.Connect == b.Connect && a.Send == b.Send && a.Receive == b.Receive;
  };
  EXPECT_TRUE(same(kUpdateTimeouts, {30000, 30000, 30000}));
  EXPECT_TRUE(same(kDownloadTimeouts, {30000, 30000, 60000}));
  TDeployConfig config;
  EXPECT_TRUE(same(UpdateTimeouts(config), kUpdateTimeouts));
  EXPECT_TRUE(same(DownloadTimeouts(config), kDownloadTimeouts));
  config.UpdateTimeoutMs = "1500";
  config.DownloadTimeoutMs = "2000";
  EXPECT_TRUE(same(UpdateTimeouts(config), {1500, 1500, 1500}));
  EXPECT_TRUE(same(DownloadTimeouts(config), {2000, 2000, 2000}));
  for (const char* wrong : {"", "0", "-5", "1.5", "soon"}) {
    SCOPED_TRACE(wrong);
    config.UpdateTimeoutMs = config.DownloadTimeoutMs = wrong;
    EXPECT_TRUE(same(UpdateTimeouts(config), kUpdateTimeouts));
    EXPECT_TRUE(same(DownloadTimeouts(config), kDownloadTimeouts));
  }
}
