#include <gtest/gtest.h>

#include "TestTexts.h"
#include "classlib/desktop/Application.h"
#include "tips/app/ProgramStarts.h"
#include "tips/rpc/TipsCall.h"
#include "tips/app/TipsProgram.h"
#include "tips/app/TipsSite.h"
#include "tips/app/UserRecord.h"
#include "common/DeployConfig.h"
#include "common/FileVersion.h"
#include "common/HideFromTaskbar.h"

namespace {

struct TSwitchCase {
  std::vector<std::string> Arguments;
  bool Tray;
  friend void PrintTo(const TSwitchCase& c, std::ostream* out) {
    if (c.Arguments.empty()) *out << "none";
    for (const std::string& argument : c.Arguments) *out << "'" << argument << "' ";
  }
};

class TrayModeSwitch : public testing::TestWithParam<TSwitchCase> {};

TEST_P(TrayModeSwitch, IsAutoAfterADashSlashOrBackslashInAnyCase) {
  EXPECT_EQ(HasTrayModeSwitch(GetParam().Arguments), GetParam().Tray);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, TrayModeSwitch,
    testing::Values(TSwitchCase{{"-auto"}, true}, TSwitchCase{{"/AUTO"}, true}, TSwitchCase{{"\\Auto"}, true},
                    TSwitchCase{{"x", "-aUtO"}, true}, TSwitchCase{{}, false}, TSwitchCase{{"auto"}, false},
                    TSwitchCase{{"--auto"}, false}, TSwitchCase{{"-autox"}, false}, TSwitchCase{{"-"}, false},
                    TSwitchCase{{"-auto "}, false}, TSwitchCase{{"+auto"}, false}));

TEST(TipsProgram, TitlesAreTheGbkTextsOfBothModes) {
  EXPECT_EQ(std::string(kLoginTitle), Gbk("快捷提示"));
  EXPECT_EQ(std::string(kTrayTitle), Gbk("挂机涨诺豆"));
}

TEST(TipsSite, AddressesComeFromTheDeploymentConfiguration) {
  const TDeployConfig config = DeployConfig();
  ASSERT_FALSE(config.TipsHost.empty());
  EXPECT_EQ(TipsHomePage(), "http://" + config.TipsHost);
  EXPECT_EQ(TipsLoginPage(), "http://" + config.TipsHost + "/kest_tips");
  EXPECT_EQ(TipsRpcEndpoint(), "http://" + config.TipsRpcHost + "/");
  EXPECT_EQ(LoginNavigationWords(),
            (std::vector<std::string>{"kest_tips", "about:blank", config.TipsDomain, config.PartnerDomain}));
  EXPECT_EQ(PopupNavigationWords(), (std::vector<std::string>{"kest_tips", "about:blank", config.TipsDomain}));
}

TEST(TipsCall, SignsWithTheLowerCaseMd5OfIdAccountAndId) {
  EXPECT_EQ(CallSignature("1", "a"), "fe45897650bcf550c9defc4520ab3313");
  EXPECT_EQ(CallSignature("", ""), "d41d8cd98f00b204e9800998ecf8427e");
}

TEST(TipsCall, UserAgentEndsInTheProgramsFileVersion) {
  EXPECT_EQ(TipsUserAgent(), "Mozilla/5.0 (WOW64) AppleWebKit/537.36 (KHTML, like Gecko) Safari/537.36 KEST/" +
                                 FileVersionText(OwnExePath()));
}

TEST(UserRecord, ReadsTheFourMembersAndIgnoresTheRest) {
  const TUserRecord user = DecodeUserRecord(
      EncodeBase64(R"({"other":{"id":"x"},"id":"7","account":"a@b","nickname":"Nick","thumb":"http://x/t.png"})"));
  EXPECT_EQ(user.id, "7");
  EXPECT_EQ(user.account, "a@b");
  EXPECT_EQ(user.nickname, "Nick");
  EXPECT_EQ(user.thumb, "http://x/t.png");
}

TEST(UserRecord, ReadsTextsInTheProgramsCodePage) {
  const TUserRecord user = DecodeUserRecord(EncodeBase64(Gbk(R"({"id":"1","nickname":"小明"})")));
  EXPECT_EQ(user.nickname, Gbk("小明"));
}

TEST(UserRecord, GivesMembersThatAreNoTextsAsTheirJson) {
  const TUserRecord user = DecodeUserRecord(EncodeBase64(R"({"id":42,"account":true,"nickname":[1],"thumb":null})"));
  EXPECT_EQ(user.id, "42");
  EXPECT_EQ(user.account, "true");
  EXPECT_EQ(user.nickname, "[1]");
  EXPECT_EQ(user.thumb, "");
}

// The record {"id":[[...]]} with the id's lists nested so that objects and lists reach the depth.
std::string RecordNested(size_t depth) {
  const size_t lists = depth - 1;
  return EncodeBase64("{\"id\":" + std::string(lists, '[') + std::string(lists, ']') + "}");
}

TEST(UserRecord, ReadsAMemberNestedAsDeepAsTheLimit) {
  EXPECT_EQ(DecodeUserRecord(RecordNested(64)).id, std::string(63, '[') + std::string(63, ']'));
}

class BadUserRecord : public testing::TestWithParam<std::string> {};

TEST_P(BadUserRecord, Raises) { EXPECT_THROW(DecodeUserRecord(GetParam()), EConvertError); }

INSTANTIATE_TEST_SUITE_P(Records, BadUserRecord,
                         testing::Values("", "%%%%", EncodeBase64("not json"), EncodeBase64("[]"),
                                         EncodeBase64("\"id\""), EncodeBase64("{\"id\":"),
                                         EncodeBase64("{} trailing"), RecordNested(65)));

// Before the limit such records ended the program: writing the member's text overflowed the stack.
TEST(UserRecord, RefusesAMemberNestedFarDeeper) {
  for (size_t depth : {20000, 1000000}) EXPECT_THROW(DecodeUserRecord(RecordNested(depth)), EConvertError) << depth;
}

TEST(HideFromTaskbar, GivesTheApplicationWindowTheToolWindowStyleAndTakesItBack) {
  const HWND window = Application->Handle();
  const LONG start = GetWindowLongA(window, GWL_EXSTYLE);
  HideFromTaskbar(true);
  HideFromTaskbar(true);
  // The system keeps the topmost flag to itself (only SetWindowPos changes it); the tool-window
  // style is what removes the taskbar button.
  EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & ~start & ~WS_EX_TOPMOST, WS_EX_TOOLWINDOW);
  EXPECT_TRUE(IsWindowVisible(window));
  HideFromTaskbar(false);
  EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE), start);
}

}  // namespace
