#include <gtest/gtest.h>

#include "AppFixture.h"
#include "ScriptedPageHost.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Screen.h"
#include "tips/rpc/HproseHttpClient.h"
#include "tips/rpc/Md5.h"
#include "tips/app/ProgramStarts.h"
#include "tips/app/TipsProgram.h"
#include "tips/app/TipsRegistry.h"
#include "tips/app/TipsSite.h"
#include "common/FileVersion.h"
#include "tips/app/untPopup.h"

namespace {

class PopupWindow : public AppTest {
protected:
  TScriptedPages pages;
  Owned<TfrmPopup> form;
  std::string savedTitle;
  int closes = 0;

  void SetUp() override {
    AppTest::SetUp();
    ExpectNotificationArea();
    savedTitle = Application->Title();
    Application->SetTitle(kTrayTitle);
  }
  void TearDown() override {
    form.reset();
    Application->SetTitle(savedTitle);
    AppTest::TearDown();
  }
  void MakeForm() {
    form.reset(TCustomForm::Create<TfrmPopup>(Application));
    form->OnClose = [this](TObject*, TCloseAction&) { ++closes; };
  }
  static void StoreRecord(const std::string& json) {
    SetRegistryString(kUserRecordKey, kUserRecordValue, EncodeBase64(json));
  }
  // A form for the user with this id and account ("1", "a" when not given).
  void MakeFormFor(const std::string& id) {
    StoreRecord("{\"id\":\"" + id + "\",\"account\":\"a\",\"nickname\":\"n\",\"thumb\":\"t\"}");
    MakeForm();
  }
  TScriptedPageHost& Page() { return pages.Of(form->EmbeddedWB1); }
  std::vector<std::wstring> Navigations() {
    // The browser asks for its host when it first navigates.
    return form->EmbeddedWB1->HandleAllocated() ? Page().Navigations() : std::vector<std::wstring>{};
  }
  static void Tick(TTimer* timer) { SendMessageW(timer->Handle(), WM_TIMER, 1, 0); }

  // What the tips service saw of the last call.
  static HproseValue LastCall() {
    THproseHttpClient client;
    client.SetURI(TipsRpcEndpoint());
    client.SetKeepAlive(false);
    return client.Invoke(L"lastCall", {});
  }
  static const HproseValue& Member(const HproseValue& map, const std::wstring& name) {
    for (const auto& [key, value] : map.AsMap())
      if (key.AsString() == name) return value;
    throw std::runtime_error("no member");
  }
};

TEST_F(PopupWindow, ComesFromItsFormResource) {
  MakeForm();
  EXPECT_EQ(form->Caption(), "popmsg");
  EXPECT_EQ(form->BorderStyle(), bsNone);
  EXPECT_EQ(form->FormStyle(), fsStayOnTop);
  EXPECT_EQ(form->ClientWidth(), 300);
  EXPECT_EQ(form->ClientHeight(), 200);
  TEmbeddedWB& browser = *form->EmbeddedWB1;
  EXPECT_EQ(browser.Align(), alClient);
  EXPECT_EQ(browser.UserInterfaceOptions, TUserInterfaceOptions({EnablesFormsAutoComplete, EnableThemes}));
  EXPECT_EQ(browser.DisabledPopupMenus, TMenuContexts({rcmAll}));
  EXPECT_EQ(browser.DisableCtrlShortcuts, "N");
  EXPECT_FALSE(form->Timer3->Enabled());
  EXPECT_EQ(form->Timer3->Interval(), 500u);
  TTrayIcon& tray = *form->TrayIcon1;
  EXPECT_FALSE(tray.AutoHide);
  EXPECT_EQ(tray.Hint(), Gbk("祖诺浏览器，挂机张诺豆！"));
  EXPECT_TRUE(tray.UseAppIcon());
  EXPECT_EQ(tray.PopupMenu(), form->PopupMenu1);
  EXPECT_EQ(form->PopupMenu1->AutoHotkeys(), maManual);
  const THproseHttpClient& client = form->HproseHttpClient1;
  EXPECT_EQ(client.Retry(), 10);
  EXPECT_EQ(client.Timeout(), 30000);
  EXPECT_TRUE(client.KeepAlive());
  EXPECT_EQ(client.KeepAliveTimeout(), 300);
  EXPECT_EQ(client.ConnectionTimeout(), 10000);
}

TEST_F(PopupWindow, HasTheMenuSwitchAccountAndExitWithAHiddenTest) {
  MakeForm();
  TMenuItem* items = form->PopupMenu1->Items();
  ASSERT_EQ(items->Count(), 4);
  const std::vector<std::pair<std::string, bool>> expected = {
      {Gbk("切换帐号"), true}, {"-", true}, {Gbk("退出"), true}, {Gbk("测试"), false}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(items->Items(i)->Caption(), expected[i].first) << i;
    EXPECT_EQ(items->Items(i)->Visible(), expected[i].second) << i;
  }
  EXPECT_EQ(items->Items(0), form->N3);
  EXPECT_EQ(items->Items(2), form->N1);
  EXPECT_EQ(items->Items(3), form->N4);
}

TEST_F(PopupWindow, StaysHiddenWithTheIconShownAndNoTaskbarButton) {
  MakeForm();
  EXPECT_FALSE(form->Visible());
  EXPECT_TRUE(form->TrayIcon1->Added());
  EXPECT_TRUE(GetWindowLongW(Application->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

TEST_F(PopupWindow, ReadsTheUserRecordAndCallsEveryElevenMinutes) {
  StoreRecord(R"({"id":"1","account":"a","nickname":"Nick","thumb":"http://x/t.png","level":3})");
  MakeForm();
  EXPECT_EQ(form->User().id, "1");
  EXPECT_EQ(form->User().account, "a");
  EXPECT_EQ(form->User().nickname, "Nick");
  EXPECT_EQ(form->User().thumb, "http://x/t.png");
  EXPECT_TRUE(form->Timer1->Enabled());
  EXPECT_EQ(form->Timer1->Interval(), 660000u);
  EXPECT_FALSE(form->Timer2->Enabled());
  EXPECT_EQ(form->Timer2->Interval(), 25000u);
}

TEST_F(PopupWindow, ReadsMissingMembersAsEmptyTexts) {
  StoreRecord(R"({"id":12,"account":null})");
  MakeForm();
  EXPECT_EQ(form->User().id, "12");
  EXPECT_EQ(form->User().account, "");
  EXPECT_EQ(form->User().nickname, "");
  EXPECT_EQ(form->User().thumb, "");
  EXPECT_TRUE(form->Timer1->Enabled());
}

class PopupBadRecord : public PopupWindow, public testing::WithParamInterface<const char*> {};

TEST_P(PopupBadRecord, KeepsOnlyTheIconAndMakesNoCalls) {
  SetRegistryString(kUserRecordKey, kUserRecordValue, GetParam());
  MakeForm();
  EXPECT_FALSE(form->Timer1->Enabled());
  EXPECT_FALSE(form->Timer2->Enabled());
  EXPECT_EQ(form->User().id, "");
  EXPECT_TRUE(form->TrayIcon1->Added());
  EXPECT_TRUE(boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Records, PopupBadRecord,
                         testing::Values("", "!!!!", "bm90IGpzb24=" /* not json */, "WzEsMl0=" /* [1,2] */,
                                         "InRleHQi" /* "text" */, "NDI=" /* 42 */, "bnVsbA==" /* null */,
                                         "eyJpZCI6" /* {"id": */, "/w==" /* one byte 0xFF */));

TEST_F(PopupWindow, MakesNoCallsWithoutAUserRecord) {
  MakeForm();
  EXPECT_FALSE(form->Timer1->Enabled());
  EXPECT_TRUE(form->TrayIcon1->Added());
}

TEST_F(PopupWindow, CallsTheServiceAndShowsTheNamedPageAtTheBottomRight) {
  MakeFormFor("1");
  Tick(form->Timer1);
  EXPECT_TRUE(boxes.empty()) << (boxes.empty() ? "" : std::string(boxes[0].Text.begin(), boxes[0].Text.end()));
  EXPECT_EQ(Navigations(), std::vector<std::wstring>{L"http://127.0.0.1/kest_tips/popup?id=1"});
  EXPECT_TRUE(form->Visible());
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT workArea{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  EXPECT_EQ(form->Left(), Screen->Width() - 300 - 25);
  EXPECT_EQ(form->Top() + form->Height(), workArea.bottom);
  EXPECT_TRUE(form->Timer2->Enabled());
  EXPECT_TRUE(form->Timer1->Enabled());

  const HproseValue call = LastCall();
  const HproseList& args = Member(call, L"args").AsList();
  ASSERT_EQ(args.size(), 3u);
  EXPECT_EQ(args[0].AsString(), L"1");
  EXPECT_EQ(args[1].AsString(), L"a");
  const std::string expectedAgent = "Mozilla/5.0 (WOW64) AppleWebKit/537.36 (KHTML, like Gecko) Safari/537.36 KEST/" +
                                    FileVersionText(OwnExePath());
  EXPECT_EQ(Member(call, L"userAgent").AsString(), std::wstring(expectedAgent.begin(), expectedAgent.end()));

  // 25 seconds later the second timer hides the page.
  Tick(form->Timer2);
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_FALSE(form->Timer2->Enabled());
  EXPECT_TRUE(form->Timer1->Enabled());
}

// The work area of the session, changed for one test and put back.
class TWorkAreaScope {
public:
  explicit TWorkAreaScope(int bottomBarHeight) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &saved_, 0);
    RECT changed = saved_;
    changed.bottom = Screen->Height() - bottomBarHeight;
    SystemParametersInfoW(SPI_SETWORKAREA, 0, &changed, 0);
  }
  ~TWorkAreaScope() { SystemParametersInfoW(SPI_SETWORKAREA, 0, &saved_, 0); }

private:
  RECT saved_{};
};

TEST_F(PopupWindow, ShowsThePageAboveATaskbarAtTheBottom) {
  MakeFormFor("1");
  {
    TWorkAreaScope taskbar(40);
    Tick(form->Timer1);
  }
  EXPECT_EQ(form->Left(), Screen->Width() - 325);
  EXPECT_EQ(form->Top() + form->Height(), Screen->Height() - 40);
  EXPECT_EQ(form->Width(), 300);
  EXPECT_EQ(form->Height(), 200);
}

TEST_F(PopupWindow, SignsTheCallWithTheMd5OfIdAccountAndId) {
  MakeFormFor("1");
  Tick(form->Timer1);
  const HproseValue call = LastCall();
  const HproseList& args = Member(call, L"args").AsList();
  ASSERT_EQ(args.size(), 3u);
  EXPECT_EQ(args[2].AsString(), L"fe45897650bcf550c9defc4520ab3313");
}

class PopupNothingToShow : public PopupWindow, public testing::WithParamInterface<const char*> {};

TEST_P(PopupNothingToShow, StaysHidden) {
  MakeFormFor(GetParam());
  Tick(form->Timer1);
  EXPECT_TRUE(boxes.empty());
  EXPECT_TRUE(Navigations().empty());
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(form->Timer2->Enabled());
  EXPECT_TRUE(form->Timer1->Enabled());
}

INSTANTIATE_TEST_SUITE_P(Answers, PopupNothingToShow, testing::Values("empty", "null"));

class PopupFailedCall : public PopupWindow, public testing::WithParamInterface<const char*> {};

TEST_P(PopupFailedCall, ShowsTheErrorTitledWithTheApplicationAndTriesAgainLater) {
  MakeFormFor(GetParam());
  Tick(form->Timer1);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Caption, Wide("挂机涨诺豆"));
  EXPECT_FALSE(boxes[0].Text.empty());
  EXPECT_TRUE(Navigations().empty());
  EXPECT_FALSE(form->Visible());
  EXPECT_TRUE(form->Timer1->Enabled());
  EXPECT_EQ(form->Timer1->Interval(), 660000u);
}

INSTANTIATE_TEST_SUITE_P(Replies, PopupFailedCall, testing::Values("fail", "malformed", "truncated", "list"));

TEST_F(PopupWindow, TheServersErrorTextReachesTheMessageBox) {
  MakeFormFor("fail");
  Tick(form->Timer1);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].Text.find(L"service paused"), std::wstring::npos);
}

TEST_F(PopupWindow, TheHiddenTestItemCallsAtOnce) {
  MakeFormFor("2");
  form->N4->Click();
  EXPECT_EQ(Navigations(), std::vector<std::wstring>{L"http://127.0.0.1/kest_tips/popup?id=2"});
  EXPECT_TRUE(form->Visible());
}

TEST_F(PopupWindow, ExitCloses) {
  MakeFormFor("1");
  Tick(form->Timer1);
  form->N1->Click();
  EXPECT_EQ(closes, 1);
}

TEST_F(PopupWindow, SwitchAccountStartsTheLoginModeAndCloses) {
  RecordOwnStarts();
  MakeForm();
  form->N3->Click();
  EXPECT_EQ(closes, 1);
  ASSERT_TRUE(WaitForOwnStarts(1));
  EXPECT_EQ(OwnStarts(), std::vector<std::string>{"command=" + OwnExePath()});
}

TEST_F(PopupWindow, HandsAddressesOutsideTheSiteToKestButNotThePartners) {
  InstallKest();
  MakeFormFor("1");
  Tick(form->Timer1);
  EXPECT_FALSE(Page().BeforeNavigate(L"http://127.0.0.1/kest_tips/popup?id=1"));
  EXPECT_FALSE(Page().BeforeNavigate(L"about:blank"));
  EXPECT_FALSE(Page().BeforeNavigate(L"http://news.kest.example/"));
  EXPECT_TRUE(Page().BeforeNavigate(L"http://Shop.Partner.example/"));
  ASSERT_TRUE(WaitForKestStarts(1));
  EXPECT_NE(KestLog()[0].find("command=" + ProgramFolder() + "kest.exe \"http://shop.partner.example/\""),
            std::string::npos);
}

TEST_F(PopupWindow, ListensToEveryCompletedDocumentButReadsNoUserRecord) {
  MakeFormFor("1");
  Tick(form->Timer1);
  const auto page = std::make_shared<TScriptedDocument>(TScriptedElements{{L"userdata", {{L"data", L"bmV3"}}}});
  Page().CompleteTop(page, L"http://127.0.0.1/kest_tips/popup?id=1");
  Page().CompleteWithoutFrame(L"about:blank");
  EXPECT_EQ(page->Connections(), 1);
  EXPECT_EQ(form->ListenerLinks().Count(), 1);
  EXPECT_EQ(RegistryString(kUserRecordKey, kUserRecordValue),
            EncodeBase64("{\"id\":\"1\",\"account\":\"a\",\"nickname\":\"n\",\"thumb\":\"t\"}"));
  form.reset();
  EXPECT_EQ(page->Connections(), 0);
}

TEST_F(PopupWindow, ClosesThePageOnCloseAndKeepsRunning) {
  MakeFormFor("1");
  Tick(form->Timer1);
  const auto page = std::make_shared<TScriptedDocument>();
  Page().CompleteTop(page, L"http://127.0.0.1/kest_tips/popup?id=1");
  page->Click(L"Close");
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(closes, 0);
  EXPECT_TRUE(form->Timer3->Enabled());
  // The hide timer still fires once and hides the hidden form.
  Tick(form->Timer2);
  EXPECT_FALSE(form->Visible());
}

TEST_F(PopupWindow, OpensTheSiteInKestAndDebouncesClicks) {
  InstallKest();
  MakeFormFor("1");
  Tick(form->Timer1);
  const auto page = std::make_shared<TScriptedDocument>();
  Page().CompleteTop(page, L"http://127.0.0.1/kest_tips/popup?id=1");
  page->Click(L"zunohuan");
  page->Click(L"close");
  EXPECT_TRUE(form->Visible());
  Tick(form->Timer3);
  EXPECT_FALSE(form->Timer3->Enabled());
  page->Click(L"autorun");  // no command of the pop-up
  EXPECT_EQ(RegistryString(kRunKey, kRunValue), std::nullopt);
  ASSERT_TRUE(WaitForKestStarts(1));
  EXPECT_NE(KestLog()[0].find("command=" + ProgramFolder() + "kest.exe \"http://tips.kest.example\""),
            std::string::npos);
}

}  // namespace
