#include <algorithm>

#include "tests/support/DesktopFixture.h"
#include "ProbeControl.h"
#include "classlib/desktop/Screen.h"

namespace {
class ControlTest : public DesktopTest {
protected:
  Owned<TForm> form{new TForm(nullptr)};
  TProbeControl* probe = nullptr;

  void SetUp() override {
    DesktopTest::SetUp();
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 120, 300, 200);
    probe = AddProbe(10, 20, 100, 50);
  }
  TProbeControl* AddProbe(int left, int top, int width, int height) {
    auto* control = new TProbeControl(form.get());
    control->SetBounds(left, top, width, height);
    control->SetParent(form.get());
    return control;
  }
  static RECT WindowRectIn(HWND window, HWND parent) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  bool HasEvent(const std::string& event) const {
    return std::find(probe->events.begin(), probe->events.end(), event) != probe->events.end();
  }
};
}  // namespace

TEST_F(ControlTest, MakesItsWindowOnDemandInsideItsParentsWindow) {
  EXPECT_FALSE(form->HandleAllocated());
  HWND window = probe->Handle();
  ASSERT_TRUE(window);
  EXPECT_TRUE(form->HandleAllocated());
  EXPECT_EQ(GetParent(window), form->Handle());
  EXPECT_TRUE(IsWindowUnicode(window));
  wchar_t className[64];
  GetClassNameW(window, className, 64);
  EXPECT_STREQ(className, L"TProbeControl");
  EXPECT_EQ(WindowRectIn(window, form->Handle()), (RECT{10, 20, 110, 70}));
  probe->SetBounds(5, 6, 70, 80);
  EXPECT_EQ(WindowRectIn(window, form->Handle()), (RECT{5, 6, 75, 86}));
}

TEST_F(ControlTest, AlignsChildrenInTheClientAreaAndFollowsResizing) {
  probe->SetParent(nullptr);
  struct Case {
    TAlign align;
    int width, height;
    RECT expected, afterResize;
  } cases[] = {
      {alTop, 0, 20, {0, 0, 300, 20}, {0, 0, 400, 20}},
      {alBottom, 0, 30, {0, 170, 300, 200}, {0, 270, 400, 300}},
      {alLeft, 40, 0, {0, 20, 40, 170}, {0, 20, 40, 270}},
      {alRight, 50, 0, {250, 20, 300, 170}, {350, 20, 400, 270}},
      {alClient, 0, 0, {40, 20, 250, 170}, {40, 20, 350, 270}},
  };
  std::vector<TProbeControl*> controls;
  for (const Case& c : cases) {
    controls.push_back(AddProbe(1, 1, c.width, c.height));
    controls.back()->SetAlign(c.align);
  }
  for (size_t i = 0; i < controls.size(); ++i) EXPECT_EQ(controls[i]->BoundsRect(), cases[i].expected) << i;
  form->Handle();
  form->SetBounds(100, 120, 400, 300);
  for (size_t i = 0; i < controls.size(); ++i) {
    EXPECT_EQ(controls[i]->BoundsRect(), cases[i].afterResize) << i;
    EXPECT_EQ(WindowRectIn(controls[i]->Handle(), form->Handle()), cases[i].afterResize) << i;
  }
}

TEST_F(ControlTest, ShowsOnlyWhileItAndItsParentAreVisible) {
  probe->Handle();
  EXPECT_FALSE(probe->Showing());
  EXPECT_FALSE(IsWindowVisible(probe->Handle()));
  form->Show();
  EXPECT_TRUE(probe->Showing());
  EXPECT_TRUE(IsWindowVisible(probe->Handle()));
  probe->Hide();
  EXPECT_FALSE(probe->Showing());
  EXPECT_FALSE(IsWindowVisible(probe->Handle()));
  probe->Show();
  form->Hide();
  EXPECT_FALSE(probe->Showing());
}

TEST_F(ControlTest, DispatchesByMessageIdAndLeavesTheRestToTheDefault) {
  EXPECT_EQ(probe->Perform(kProbeMessage), 42);
  EXPECT_EQ(SendMessageW(probe->Handle(), kProbeMessage, 0, 0), 42);
  EXPECT_EQ(std::count(probe->defaults.begin(), probe->defaults.end(), kProbeMessage), 0);
  // Text messages are not handled by the controls: the system's wide default keeps the text.
  SetWindowTextW(probe->Handle(), L"\u795D\u8BFA");
  wchar_t text[16];
  GetWindowTextW(probe->Handle(), text, 16);
  EXPECT_STREQ(text, L"\u795D\u8BFA");
  EXPECT_GT(std::count(probe->defaults.begin(), probe->defaults.end(), UINT(WM_SETTEXT)), 0);
}

TEST_F(ControlTest, TurnsMouseMessagesIntoHooksAndCapturesTheMouse) {
  HWND window = probe->Handle();
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
  EXPECT_EQ(GetCapture(), window);
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, 3));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(-5, 3));
  EXPECT_NE(GetCapture(), window);
  SendMessageW(window, WM_RBUTTONDBLCLK, MK_RBUTTON, MAKELPARAM(1, 2));
  SendMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(1, 2));
  std::vector<std::string> mouse;
  std::copy_if(probe->events.begin(), probe->events.end(), std::back_inserter(mouse),
               [](const std::string& e) { return e != "enter" && e != "leave"; });
  EXPECT_EQ(mouse, (std::vector<std::string>{"down 0 10,20", "move -5,3", "up 0 -5,3", "down 1 1,2 double", "up 1 1,2"}));
}

TEST_F(ControlTest, TheWheelHookTakesTheTurnsItHandles) {
  HWND window = probe->Handle();
  SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(300, 400));
  SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(-3, 400));
  EXPECT_EQ(probe->events, (std::vector<std::string>{"wheel 120 300,400", "wheel -120 -3,400"}));
  EXPECT_EQ(std::count(probe->defaults.begin(), probe->defaults.end(), UINT(WM_MOUSEWHEEL)), 1);
}

TEST_F(ControlTest, KeyHooksCanConsumeKeysAndSeeWideCharacters) {
  HWND window = probe->Handle();
  SendMessageW(window, WM_KEYDOWN, VK_F5, 0);
  SendMessageW(window, WM_KEYDOWN, VK_F6, 0);
  SendMessageW(window, WM_CHAR, 0x4F60, 0);
  SendMessageW(window, WM_CHAR, L'x', 0);
  EXPECT_EQ(probe->events,
            (std::vector<std::string>{"keydown 116", "keydown 117", "char 4F60", "char 0078"}));
  // Only the keys the hooks left alone go on to the default handling.
  EXPECT_EQ(std::count(probe->defaults.begin(), probe->defaults.end(), UINT(WM_KEYDOWN)), 1);
  EXPECT_EQ(std::count(probe->defaults.begin(), probe->defaults.end(), UINT(WM_CHAR)), 1);
}

TEST_F(ControlTest, FocusHooksFollowTheKeyboardFocus) {
  TProbeControl* other = AddProbe(150, 20, 100, 50);
  form->Show();
  probe->SetFocus();
  EXPECT_TRUE(probe->Focused());
  other->SetFocus();
  EXPECT_FALSE(probe->Focused());
  EXPECT_EQ(probe->events, (std::vector<std::string>{"enter focus", "exit focus"}));
  EXPECT_EQ(other->events, (std::vector<std::string>{"enter focus"}));
  other->Hide();
  EXPECT_FALSE(other->CanFocus());
  EXPECT_THROW(other->SetFocus(), EInvalidOperation);
}

TEST_F(ControlTest, PaintsIntoTheUpdateRegionOrIntoAGivenContext) {
  form->Show();
  HWND window = probe->Handle();
  probe->events.clear();
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
  EXPECT_EQ(probe->events, (std::vector<std::string>{"paint"}));
  RECT pending;
  EXPECT_FALSE(GetUpdateRect(window, &pending, FALSE));

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 100, 50);
  HGDIOBJ old = SelectObject(memory, bitmap);
  SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
  EXPECT_EQ(GetPixel(memory, 50, 25), probe->paintColor);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

TEST_F(ControlTest, ShowsItsCursorFromTheScreensCursorTable) {
  HWND window = probe->Handle();
  const LPARAM overClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
  probe->SetCursor(crHandPoint);
  EXPECT_TRUE(SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), overClient));
  EXPECT_EQ(GetCursor(), Screen->Cursors(crHandPoint));
  HCURSOR cross = LoadCursorA(nullptr, IDC_CROSS);
  Screen->SetCursors(crHandPoint, cross);
  SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), overClient);
  EXPECT_EQ(GetCursor(), cross);
  Screen->SetCursors(crHandPoint, nullptr);
  probe->SetCursor(crDefault);
  SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), overClient);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
}

TEST_F(ControlTest, AnExceptionInAHandlerGoesToTheApplicationAndTheControlLivesOn) {
  Application->SetTitle("probe title");
  SendMessageW(probe->Handle(), kThrowMessage, 0, 0);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Text, L"probe failed");
  EXPECT_EQ(boxes[0].Caption, L"probe title");
  EXPECT_EQ(boxes[0].Flags, UINT(MB_OK | MB_ICONSTOP));
  EXPECT_EQ(SendMessageW(probe->Handle(), kProbeMessage, 0, 0), 42);
}

TEST_F(ControlTest, AParentFreesItsChildrenAndTheirOwnersForgetThem) {
  bool destroyed = false;
  auto* orphan = new TProbeControl(nullptr);
  orphan->destroyed = &destroyed;
  orphan->SetParent(form.get());
  orphan->Handle();
  const int owned = form->ComponentCount();
  probe->Free();
  EXPECT_EQ(form->ComponentCount(), owned - 1);
  EXPECT_EQ(form->ControlCount(), 1);
  form.reset();
  EXPECT_TRUE(destroyed);
}

TEST_F(ControlTest, ANewBorderMakesNewWindowsForTheFormAndItsChildren) {
  form->Show();
  HWND oldForm = form->Handle();
  form->SetBorderStyle(bsSingle);
  EXPECT_FALSE(IsWindow(oldForm));
  EXPECT_TRUE(form->Showing());
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_CAPTION);
  EXPECT_EQ(GetParent(probe->Handle()), form->Handle());
  EXPECT_TRUE(IsWindowVisible(probe->Handle()));
}
