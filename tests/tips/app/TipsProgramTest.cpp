#include <gtest/gtest.h>

#include "TestTexts.h"
#include "classlib/desktop/Application.h"
#include "tips/app/ProgramStarts.h"
#include "tips/rpc/TipsCall.h"
#include "tips/app/TipsProgram.h"
#include "tips/app/TipsSite.h"
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
