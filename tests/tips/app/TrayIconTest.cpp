#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AppFixture.h"
#include "ScriptedPageHost.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Timer.h"
#include "tips/app/TrayIcon.h"
#include "tips/app/untTips.h"

namespace {

class TrayIconTest : public AppTest {
protected:
  Owned<TTrayIcon> tray;
  std::vector<std::string> events;

  void SetUp() override {
    AppTest::SetUp();
    ExpectNotificationArea();
    if (HasFatalFailure()) return;
    tray.reset(new TTrayIcon(nullptr));
    tray->SetUseAppIcon(true);
    tray->Loaded();
    tray->OnClick = [this](TObject*, TMouseButton b, TShiftState, int, int) { events.push_back("click " + Name(b)); };
    tray->OnDblClick = [this](TObject*) { events.push_back("dblclick"); };
    tray->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState, int, int) { events.push_back("down " + Name(b)); };
    tray->OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int, int) { events.push_back("up " + Name(b)); };
  }
  void TearDown() override {
    tray.reset();
    AppTest::TearDown();
  }
  static std::string Name(TMouseButton button) { return button == mbLeft ? "left" : button == mbRight ? "right" : "middle"; }
  // What the shell sends when the mouse acts on the icon.
  void Mouse(UINT message) { SendMessageW(tray->Handle(), TTrayIcon::NotifyMessage(), 0, message); }
  // Whether the shell shows the icon: only a shown icon can be modified.
  bool ShellShowsIcon() {
    NOTIFYICONDATAA data = tray->NotifyData();
    return Shell_NotifyIconA(NIM_MODIFY, &data);
  }
  std::string Tip() const { return tray->NotifyData().szTip; }
};

TEST_F(TrayIconTest, AddsTheApplicationsIconWithItsNotificationRecord) {
  ASSERT_TRUE(tray->Added());
  EXPECT_TRUE(ShellShowsIcon());
  const NOTIFYICONDATAA& data = tray->NotifyData();
  EXPECT_EQ(data.cbSize, sizeof(void*) == 8 ? 504u : 488u);  // the version-2 record's documented size
  EXPECT_EQ(data.hWnd, tray->Handle());
  EXPECT_EQ(data.uID, 0u);
  EXPECT_EQ(data.uFlags, 0x17u);
  EXPECT_EQ(data.uCallbackMessage, RegisterWindowMessageA("TrayIconNotify"));
  EXPECT_NE(data.hIcon, nullptr);
  EXPECT_EQ(data.hIcon, tray->Icon()->Handle());
  EXPECT_EQ(data.dwInfoFlags, 0u);
  EXPECT_EQ(data.szInfo[0], '\0');
}

struct THintCase {
  std::string Hint, Tip;
  friend void PrintTo(const THintCase& c, std::ostream* out) { *out << "'" << c.Hint << "'"; }
};

class TrayIconHint : public TrayIconTest, public testing::WithParamInterface<THintCase> {};

TEST_P(TrayIconHint, ShowsTheShortPartCutTo63Characters) {
  tray->SetHint(GetParam().Hint);
  EXPECT_EQ(Tip(), GetParam().Tip);
  EXPECT_TRUE(ShellShowsIcon());
}

INSTANTIATE_TEST_SUITE_P(Hints, TrayIconHint,
                         testing::Values(THintCase{"short|a long explanation", "short"}, THintCase{"a|b|c", "a"},
                                         THintCase{"|only long", ""}, THintCase{std::string(100, 'x'), std::string(63, 'x')},
                                         THintCase{std::string(63, 'y') + "|z", std::string(63, 'y')},
                                         THintCase{"plain", "plain"}));

TEST_F(TrayIconTest, ShowsNoIconWithoutAPictureAndRemovesOneThatLosesIt) {
  Owned<TTrayIcon> bare(new TTrayIcon(nullptr));
  bare->Loaded();
  EXPECT_FALSE(bare->Added());
  bare->SetUseAppIcon(true);
  EXPECT_TRUE(bare->Added());
  bare->Icon()->SetHandle(nullptr);
  EXPECT_FALSE(bare->Added());
}

TEST_F(TrayIconTest, ActiveAddsAndRemoves) {
  tray->SetActive(false);
  EXPECT_FALSE(tray->Added());
  EXPECT_FALSE(ShellShowsIcon());
  tray->SetActive(true);
  EXPECT_TRUE(tray->Added());
  EXPECT_TRUE(ShellShowsIcon());
}

struct TButtonCase {
  UINT Down, Up, Double;
  const char* Name;
  friend void PrintTo(const TButtonCase& c, std::ostream* out) { *out << c.Name; }
};

class TrayIconButtons : public TrayIconTest, public testing::WithParamInterface<TButtonCase> {};

TEST_P(TrayIconButtons, ClickNeedsPressAndReleaseOnTheIcon) {
  const TButtonCase& b = GetParam();
  const std::string name = b.Name;
  Mouse(b.Down);
  Mouse(b.Up);
  EXPECT_EQ(events, (std::vector<std::string>{"down " + name, "click " + name, "up " + name}));
  events.clear();
  Mouse(b.Up);  // a release without a press
  EXPECT_EQ(events, std::vector<std::string>{"up " + name});
  events.clear();
  Mouse(b.Double);
  Mouse(b.Up);  // the release after a double click makes no second click
  EXPECT_EQ(events, (std::vector<std::string>{"dblclick", "down " + name, "up " + name}));
}

INSTANTIATE_TEST_SUITE_P(Buttons, TrayIconButtons,
                         testing::Values(TButtonCase{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, "left"},
                                         TButtonCase{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, "right"},
                                         TButtonCase{WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, "middle"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(TrayIconTest, ReportsTheCursorPositionOnTheScreen) {
  SetCursorPos(123, 234);
  POINT moved{};
  tray->OnMouseMove = [&](TObject*, TShiftState, int x, int y) { moved = {x, y}; };
  Mouse(WM_MOUSEMOVE);
  POINT cursor{};
  GetCursorPos(&cursor);
  EXPECT_EQ(moved.x, cursor.x);
  EXPECT_EQ(moved.y, cursor.y);
}

TEST_F(TrayIconTest, IgnoresTheMouseWhenDisabledButStaysShown) {
  tray->Enabled = false;
  Mouse(WM_LBUTTONDOWN);
  Mouse(WM_LBUTTONUP);
  Mouse(WM_LBUTTONDBLCLK);
  EXPECT_TRUE(events.empty());
  EXPECT_TRUE(tray->Added());
  EXPECT_TRUE(ShellShowsIcon());
}

// A menu popped up by the icon: while it is open a timer looks for the menu window and closes it.
class TrayIconMenu : public TrayIconTest {
protected:
  Owned<TPopupMenu> menu;
  Owned<TTimer> closer;
  TMenuItem* first = nullptr;
  TMenuItem* second = nullptr;
  int firstClicks = 0, secondClicks = 0;
  bool menuSeen = false;

  void SetUp() override {
    TrayIconTest::SetUp();
    menu.reset(new TPopupMenu(nullptr));
    first = new TMenuItem(menu.get());
    first->SetCaption("first");
    first->OnClick = [this](TObject*) { ++firstClicks; };
    second = new TMenuItem(menu.get());
    second->SetCaption("second");
    second->OnClick = [this](TObject*) { ++secondClicks; };
    menu->Items()->Add(first);
    menu->Items()->Add(second);
    closer.reset(new TTimer(nullptr));
    closer->SetEnabled(false);
    closer->SetInterval(20);
    closer->SetOnTimer([this](TObject*) {
      HWND shown = FindWindowW(L"#32768", nullptr);
      if (shown && IsWindowVisible(shown)) menuSeen = true;
      EndMenu();
    });
  }
  void TearDown() override {
    closer.reset();
    menu.reset();
    TrayIconTest::TearDown();
  }
  void RightClick() {
    closer->SetEnabled(true);
    Mouse(WM_RBUTTONDOWN);
    Mouse(WM_RBUTTONUP);
    closer->SetEnabled(false);
  }
};

TEST_F(TrayIconMenu, RightClickPopsTheMenuUpInsteadOfClicking) {
  tray->SetPopupMenu(menu.get());
  RightClick();
  EXPECT_TRUE(menuSeen);
  EXPECT_EQ(menu->PopupComponent(), tray.get());
  EXPECT_EQ(events, (std::vector<std::string>{"down right", "up right"}));
}

TEST_F(TrayIconMenu, RightClickWithoutAMenuIsAClick) {
  RightClick();
  EXPECT_FALSE(menuSeen);
  EXPECT_EQ(events, (std::vector<std::string>{"down right", "click right", "up right"}));
}

TEST_F(TrayIconMenu, AMenuThatDoesNotPopUpByItselfLeavesTheClick) {
  menu->SetAutoPopup(false);
  tray->SetPopupMenu(menu.get());
  RightClick();
  EXPECT_FALSE(menuSeen);
  EXPECT_EQ(events, (std::vector<std::string>{"down right", "click right", "up right"}));
}

TEST_F(TrayIconMenu, ForgetsAFreedMenu) {
  tray->SetPopupMenu(menu.get());
  menu.reset();
  EXPECT_EQ(tray->PopupMenu(), nullptr);
  RightClick();
  EXPECT_EQ(events, (std::vector<std::string>{"down right", "click right", "up right"}));
}

TEST_F(TrayIconMenu, DoubleClickRunsTheEnabledDefaultItem) {
  tray->SetPopupMenu(menu.get());
  second->SetDefault(true);
  Mouse(WM_LBUTTONDBLCLK);
  EXPECT_EQ(secondClicks, 1);
  EXPECT_EQ(firstClicks, 0);
  EXPECT_EQ(events, std::vector<std::string>{"down left"});
}

TEST_F(TrayIconMenu, DoubleClickWithoutAnEnabledDefaultItemIsReported) {
  tray->SetPopupMenu(menu.get());
  first->SetDefault(true);
  first->SetEnabled(false);
  Mouse(WM_LBUTTONDBLCLK);
  EXPECT_EQ(firstClicks + secondClicks, 0);
  EXPECT_EQ(events, (std::vector<std::string>{"dblclick", "down left"}));
}

TEST_F(TrayIconTest, ComesBackWhenTheTaskbarIsRecreated) {
  tray->SetHint("kept|hint");
  NOTIFYICONDATAA data = tray->NotifyData();
  // The shell forgets its icons when the taskbar goes.
  ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
  EXPECT_FALSE(ShellShowsIcon());
  SendMessageW(tray->Handle(), TTrayIcon::TaskbarCreatedMessage(), 0, 0);
  EXPECT_TRUE(tray->Added());
  EXPECT_TRUE(ShellShowsIcon());
  EXPECT_EQ(Tip(), "kept");
}

TEST_F(TrayIconTest, StaysAwayAfterTheTaskbarIsRecreatedWhenInactive) {
  tray->SetActive(false);
  SendMessageW(tray->Handle(), TTrayIcon::TaskbarCreatedMessage(), 0, 0);
  EXPECT_FALSE(tray->Added());
}

TEST_F(TrayIconTest, ShowsAnErrorOfAHandlerAndGoesOn) {
  tray->OnClick = [](TObject*, TMouseButton, TShiftState, int, int) { throw EConvertError("handler failed"); };
  Mouse(WM_LBUTTONDOWN);
  Mouse(WM_LBUTTONUP);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Text, L"handler failed");
  Mouse(WM_MOUSEMOVE);
  EXPECT_TRUE(tray->Added());
}

TEST_F(TrayIconTest, KeepsItsAboutText) {
  const std::string about = tray->About();
  EXPECT_FALSE(about.empty());
  SetPropValue(tray.get(), "About", std::string("changed"));
  EXPECT_EQ(tray->About(), about);
}

TEST_F(TrayIconTest, AutoHideHidesTheMainFormWhenTheApplicationIsMinimised) {
  TScriptedPages pages;
  Owned<TfrmTips> mainForm(Application->CreateForm<TfrmTips>());
  ASSERT_EQ(Application->MainForm(), mainForm.get());
  mainForm->Show();
  tray->AutoHide = true;
  SendMessageW(Application->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_FALSE(mainForm->Visible());
  EXPECT_TRUE(IsIconic(Application->Handle()));
}

TEST_F(TrayIconTest, WithoutAutoHideMinimisingLeavesTheMainForm) {
  TScriptedPages pages;
  Owned<TfrmTips> mainForm(Application->CreateForm<TfrmTips>());
  mainForm->Show();
  SendMessageW(Application->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(mainForm->Visible());
}

}  // namespace
