#include <gtest/gtest.h>

#include <cwchar>

#include "AppFixture.h"
#include "ScriptedPageHost.h"
#include "classlib/desktop/Application.h"
#include "tips/app/ProgramStarts.h"
#include "tips/app/TipsRegistry.h"
#include "tips/app/untTips.h"

namespace {

class LoginWindow : public AppTest {
protected:
  TScriptedPages pages;
  Owned<TfrmTips> form;
  int closes = 0;

  void MakeForm() {
    form.reset(TCustomForm::Create<TfrmTips>(Application));
    form->OnClose = [this](TObject*, TCloseAction&) { ++closes; };
  }
  void SetUp() override {
    AppTest::SetUp();
    if (!HasFatalFailure()) MakeForm();
  }
  void TearDown() override {
    form.reset();
    AppTest::TearDown();
  }
  TScriptedPageHost& Page() { return pages.Of(form->embdwb1); }

  // A page of the site with the given elements, completed as the top-level document.
  std::shared_ptr<TScriptedDocument> LoadPage(TScriptedElements elements = {}) {
    auto document = std::make_shared<TScriptedDocument>(std::move(elements));
    Page().CompleteTop(document, L"http://tips.kest.example/kest_tips");
    return document;
  }
  static TScriptedElements WithUserData(const std::wstring& data) { return {{L"userdata", {{L"data", data}}}}; }
  static std::string KestCommand(const std::string& address) {
    return ProgramFolder() + "kest.exe \"" + address + "\"";
  }
  static std::string CommandOf(const std::string& record) { return record.substr(record.find("command=") + 8); }
  void TickDebounce() { SendMessageW(form->Timer1->Handle(), WM_TIMER, 1, 0); }
};

TEST_F(LoginWindow, ComesFromItsFormResource) {
  EXPECT_EQ(form->Caption(), "kest_tips");
  EXPECT_EQ(form->BorderStyle(), bsNone);
  EXPECT_EQ(form->Position(), poDesktopCenter);
  EXPECT_EQ(form->ClientWidth(), 800);
  EXPECT_EQ(form->ClientHeight(), 600);
  TEmbeddedWB& browser = *form->embdwb1;
  EXPECT_EQ(browser.Align(), alClient);
  EXPECT_FALSE(browser.Silent);
  EXPECT_EQ(browser.UserInterfaceOptions,
            TUserInterfaceOptions({DisableTextSelect, DontUse3DBorders, EnablesFormsAutoComplete, EnableThemes}));
  EXPECT_EQ(browser.DisabledPopupMenus, TMenuContexts({rcmAll}));
  EXPECT_EQ(browser.DisableCtrlShortcuts, "N");
  EXPECT_FALSE(form->Timer1->Enabled());
  EXPECT_EQ(form->Timer1->Interval(), 500u);
  ASSERT_EQ(form->HtmlListener1->Handlers()->Count(), 1);
  EXPECT_EQ(form->HtmlListener1->Handlers()->Items(0)->EventID, eiOnClick);
  EXPECT_EQ(form->HtmlListener1->SinkKind, skDocument);
}

TEST_F(LoginWindow, OpensTheLoginPageOfTheSite) {
  EXPECT_EQ(Page().Navigations(), std::vector<std::wstring>{L"http://tips.kest.example/kest_tips"});
  EXPECT_TRUE(boxes.empty());
}

TEST_F(LoginWindow, DoesNotPinKestWhenItIsMissing) {
  // Pinning a missing kest.exe would fail in the shell and show the error.
  EXPECT_TRUE(boxes.empty());
}

TEST_F(LoginWindow, PinsKestWhenItExists) {
  form.reset();
  InstallKest();
  MakeForm();
  // Wine's shell has no pin verb: the walk over kest.exe's verbs finds nothing to invoke.
  EXPECT_TRUE(boxes.empty());
}

struct TNavigationCase {
  const wchar_t* Url;
  bool Loads;
  const char* HandedToKest;
  friend void PrintTo(const TNavigationCase& c, std::ostream* out) {
    *out << std::string(c.Url, c.Url + wcslen(c.Url));
  }
};

class LoginNavigation : public LoginWindow, public testing::WithParamInterface<TNavigationCase> {};

TEST_P(LoginNavigation, LoadsTheSiteAndHandsEverythingElseToKest) {
  InstallKest();
  const TNavigationCase& c = GetParam();
  EXPECT_EQ(Page().BeforeNavigate(c.Url), !c.Loads);
  // A navigation that leaves the site afterwards shows that the first one started nothing.
  EXPECT_TRUE(Page().BeforeNavigate(L"http://away.example/"));
  ASSERT_TRUE(WaitForKestStarts(c.Loads ? 1 : 2));
  std::vector<std::string> commands;
  for (const std::string& record : KestLog()) commands.push_back(CommandOf(record));
  std::vector<std::string> expected;
  if (!c.Loads) expected.push_back(KestCommand(c.HandedToKest));
  expected.push_back(KestCommand("http://away.example/"));
  EXPECT_EQ(commands, expected);
  EXPECT_EQ(KestLog().front().substr(0, 7), "show=1 ");
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, LoginNavigation,
    testing::Values(TNavigationCase{L"about:blank", true, ""},
                    TNavigationCase{L"http://tips.kest.example/kest_tips", true, ""},
                    TNavigationCase{L"HTTP://ELSEWHERE.example/Kest_Tips/page", true, ""},
                    TNavigationCase{L"http://www.kest.example/news", true, ""},
                    TNavigationCase{L"http://shop.partner.example/", true, ""},
                    TNavigationCase{L"http://Other.Example/Some/Path?Q=A", false, "http://other.example/some/path?q=a"},
                    TNavigationCase{L"  http://other.example/x  ", false, "http://other.example/x"}));

TEST_F(LoginWindow, StoresTheUserRecordTrimmedAndStartsTheTrayMode) {
  RecordOwnStarts();
  LoadPage(WithUserData(L"  eyJpZCI6IjEifQ==\t"));
  EXPECT_EQ(RegistryString(kUserRecordKey, kUserRecordValue), "eyJpZCI6IjEifQ==");
  ASSERT_TRUE(WaitForOwnStarts(1));
  EXPECT_EQ(OwnStarts(), std::vector<std::string>{"command=" + OwnExePath() + " \"-auto\""});
  EXPECT_EQ(closes, 0);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(LoginWindow, StoresAndStartsNothingWithoutAUserRecord) {
  RecordOwnStarts();
  for (const TScriptedElements& elements :
       {TScriptedElements{}, TScriptedElements{{L"userdata", {}}}, WithUserData(L""), WithUserData(L" \r\n ")})
    LoadPage(elements);
  EXPECT_EQ(RegistryString(kUserRecordKey, kUserRecordValue), std::nullopt);
  // The one start after the record arrives shows that the pages before started nothing.
  LoadPage(WithUserData(L"cmVjb3Jk"));
  ASSERT_TRUE(WaitForOwnStarts(1));
  PumpFor(300);
  EXPECT_EQ(OwnStarts().size(), 1u);
}

TEST_F(LoginWindow, ReadsTheUserRecordFromTheTopDocumentForEveryFrame) {
  RecordOwnStarts();
  const auto top = LoadPage(WithUserData(L"dG9w"));
  const auto frame = std::make_shared<TScriptedDocument>(WithUserData(L"ZnJhbWU="));
  Page().CompleteFrame(frame, L"http://tips.kest.example/kest_tips/frame");
  EXPECT_EQ(RegistryString(kUserRecordKey, kUserRecordValue), "dG9w");
  ASSERT_TRUE(WaitForOwnStarts(2));
  EXPECT_EQ(top->Connections(), 1);
  EXPECT_EQ(frame->Connections(), 1);
  EXPECT_EQ(form->ListenerLinks().Count(), 2);
}

TEST_F(LoginWindow, IgnoresCompletionsWithoutAnHtmlDocument) {
  Page().CompleteWithoutFrame(L"http://tips.kest.example/kest_tips");
  Page().CompleteTopWithoutHtml(L"http://tips.kest.example/picture.png");
  EXPECT_EQ(form->ListenerLinks().Count(), 0);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(LoginWindow, ReportsAFrameCompletingBelowATopDocumentThatIsNoHtml) {
  Page().CompleteTopWithoutHtml(L"http://tips.kest.example/picture.png");
  Page().CompleteFrame(std::make_shared<TScriptedDocument>(), L"http://tips.kest.example/kest_tips/frame");
  EXPECT_EQ(form->ListenerLinks().Count(), 1);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Text, L"Interface not supported");
  EXPECT_EQ(RegistryString(kUserRecordKey, kUserRecordValue), std::nullopt);
}

TEST_F(LoginWindow, SkipsADocumentWithoutConnectionPoints) {
  Page().CompleteTop(std::make_shared<TScriptedDocument>(TScriptedElements{}, false), L"about:blank");
  EXPECT_EQ(form->ListenerLinks().Count(), 0);
  EXPECT_EQ(form->ListenerLinks().LastLink(), nullptr);
}

TEST_F(LoginWindow, DisconnectsEveryDocumentWhenDestroyed) {
  const auto first = LoadPage();
  const auto second = LoadPage();
  EXPECT_EQ(form->ListenerLinks().Count(), 2);
  form.reset();
  EXPECT_EQ(first->Connections(), 0);
  EXPECT_EQ(second->Connections(), 0);
}

class LoginClose : public LoginWindow, public testing::WithParamInterface<const wchar_t*> {};

TEST_P(LoginClose, ClosesOnTheWordCloseInAnyCase) {
  LoadPage()->Click(GetParam());
  EXPECT_EQ(closes, 1);
}

INSTANTIATE_TEST_SUITE_P(ClassNames, LoginClose, testing::Values(L"close", L"Close", L"CLOSE"));

class LoginNoCommand : public LoginWindow, public testing::WithParamInterface<const wchar_t*> {};

TEST_P(LoginNoCommand, DoesNothingForOtherClassNames) {
  InstallKest();
  LoadPage()->Click(GetParam());
  EXPECT_EQ(closes, 0);
  EXPECT_EQ(RegistryString(kRunKey, kRunValue), std::nullopt);
  EXPECT_TRUE(form->Timer1->Enabled());
}

INSTANTIATE_TEST_SUITE_P(ClassNames, LoginNoCommand, testing::Values(L"btn close", L"", L"closed", L"autorun now"));

TEST_F(LoginWindow, AutorunWritesTheLogonStartAndCloses) {
  LoadPage()->Click(L"autorun");
  EXPECT_EQ(RegistryString(kRunKey, kRunValue), "\"" + OwnExePath() + "\" -auto");
  EXPECT_EQ(closes, 1);
}

TEST_F(LoginWindow, DelautorunRemovesTheLogonStartAndStaysOpen) {
  SetRegistryString(kRunKey, kRunValue, "\"C:\\tips.exe\" -auto");
  SetRegistryString(kRunKey, "other", "kept");
  LoadPage()->Click(L"DelAutoRun");
  EXPECT_EQ(RegistryString(kRunKey, kRunValue), std::nullopt);
  EXPECT_EQ(RegistryString(kRunKey, "other"), "kept");
  DeleteRegistryValue(kRunKey, "other");
  EXPECT_EQ(closes, 0);
}

TEST_F(LoginWindow, ZunohuanOpensTheSiteInKest) {
  InstallKest();
  LoadPage()->Click(L"zunohuan");
  ASSERT_TRUE(WaitForKestStarts(1));
  EXPECT_EQ(CommandOf(KestLog()[0]), KestCommand("http://tips.kest.example"));
  EXPECT_EQ(closes, 0);
}

TEST_F(LoginWindow, ActsOnOneClickUntilTheDebounceTimerFires) {
  InstallKest();
  const auto page = LoadPage();
  page->Click(L"ZUNOHUAN");
  EXPECT_TRUE(form->Timer1->Enabled());
  EXPECT_EQ(form->Timer1->Interval(), 500u);
  page->Click(L"ZUNOHUAN");
  page->Click(L"CLOSE");
  EXPECT_EQ(closes, 0);
  TickDebounce();
  EXPECT_FALSE(form->Timer1->Enabled());
  page->Click(L"ZUNOHUAN");
  ASSERT_TRUE(WaitForKestStarts(2));
  PumpFor(300);
  EXPECT_EQ(KestLog().size(), 2u);
}

TEST_F(LoginWindow, ActsOnceOnAClickDeliveredTwiceToADocumentConnectedTwice) {
  const auto page = LoadPage();
  Page().CompleteFrame(page, L"http://tips.kest.example/kest_tips");
  EXPECT_EQ(page->Connections(), 2);
  page->Click(L"close");
  EXPECT_EQ(closes, 1);
}

TEST_F(LoginWindow, TheDebounceTimerRunsByItself) {
  const auto page = LoadPage();
  page->Click(L"nothing");
  ASSERT_TRUE(PumpUntil([&] { return !form->Timer1->Enabled(); }));
  page->Click(L"close");
  EXPECT_EQ(closes, 1);
}

// The keys of the page's own windows (inside the browser's window, not made by the class
// library) reach the page's accelerators through the application's message loop, and the host
// swallows the Ctrl shortcuts it filters: Ctrl+N, which would open a browser window of its own.
class LoginWindowKeys : public LoginWindow {
protected:
  static inline int dispatchedKeys = 0;
  HWND pageWindow = nullptr;

  static LRESULT CALLBACK PageWindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_KEYDOWN) ++dispatchedKeys;
    return DefWindowProcW(window, msg, wParam, lParam);
  }
  void SetUp() override {
    LoginWindow::SetUp();
    if (HasFatalFailure()) return;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &PageWindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KestTestPageWindow";
    RegisterClassW(&windowClass);
    pageWindow = CreateWindowExW(0, L"KestTestPageWindow", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100,
                                 form->embdwb1->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(pageWindow, nullptr);
    dispatchedKeys = 0;
  }
  void TearDown() override {
    SetCtrl(false);
    if (pageWindow) DestroyWindow(pageWindow);
    LoginWindow::TearDown();
  }
  static void SetCtrl(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = down ? 0x80 : 0;
    SetKeyboardState(keys);
  }
  // Posts the key to the page's window and runs the application's message loop over it.
  void Press(WORD key, bool ctrl) {
    SetCtrl(ctrl);
    PostMessageW(pageWindow, WM_KEYDOWN, key, 1);
    Application->ProcessMessages();
  }
};

TEST_F(LoginWindowKeys, OffersThePageItsAcceleratorsAndSwallowsTheFilteredShortcuts) {
  const struct {
    WORD Key;
    bool Ctrl;
    bool Swallowed;
    const wchar_t* PageKey;  // what the page did with it; nullptr: the key went on to its window
    int Offered;             // a key left to its window comes back translated, as WM_CHAR
  } cases[] = {
      {'N', true, true, nullptr, 1}, {'P', true, false, L"Ctrl+P", 1}, {VK_TAB, false, false, L"Tab", 1},
      {'N', false, false, nullptr, 2}, {'A', false, false, nullptr, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "key " << c.Key << (c.Ctrl ? " with Ctrl" : ""));
    const int offered = Page().OfferedKeys(), swallowed = Page().SwallowedKeys(), dispatched = dispatchedKeys;
    const size_t pageKeys = Page().PageKeys().size();
    Press(c.Key, c.Ctrl);
    EXPECT_EQ(Page().OfferedKeys(), offered + c.Offered);
    EXPECT_EQ(Page().SwallowedKeys(), swallowed + (c.Swallowed ? 1 : 0));
    if (c.PageKey) {
      ASSERT_EQ(Page().PageKeys().size(), pageKeys + 1);
      EXPECT_EQ(Page().PageKeys().back(), c.PageKey);
    } else {
      EXPECT_EQ(Page().PageKeys().size(), pageKeys);
    }
    const bool handled = c.Swallowed || c.PageKey;
    EXPECT_EQ(dispatchedKeys, dispatched + (handled ? 0 : 1)) << "a handled key goes no further";
  }
  EXPECT_EQ(closes, 0);
  EXPECT_EQ(KestLog().size(), 0u);
}

TEST_F(LoginWindowKeys, LeavesOtherMessagesAndTheCapturedMouseAlone) {
  PostMessageW(pageWindow, WM_MOUSEMOVE, 0, 0);
  Application->ProcessMessages();
  EXPECT_EQ(Page().OfferedKeys(), 0);
  SetCapture(pageWindow);
  Press(VK_TAB, false);
  ReleaseCapture();
  EXPECT_EQ(Page().OfferedKeys(), 0);
  EXPECT_EQ(dispatchedKeys, 1);
}

}  // namespace
