#include "tests/support/DesktopFixture.h"
#include "ProbeForm.h"
#include "classlib/desktop/Screen.h"

namespace {
class FormResourceTest : public DesktopTest {
protected:
  void SetUp() override {
    DesktopTest::SetUp();
    RegisterClasses({TProbeControl::StaticClass()});
  }
  static RECT WindowRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
  }
};
}  // namespace

TEST_F(FormResourceTest, StreamsTheFormAndItsComponentsThenRunsOnCreate) {
  Owned<TfrmProbe> form(TCustomForm::Create<TfrmProbe>(nullptr));
  EXPECT_EQ(form->Name(), "frmProbe");
  EXPECT_EQ(form->BorderStyle(), bsNone);
  EXPECT_EQ(form->FormStyle(), fsStayOnTop);
  EXPECT_EQ(form->Caption(), "\xBF\xEC\xBD\xDD\xCC\xE1\xCA\xBE");
  EXPECT_EQ(form->Font()->Name(), "Tahoma");
  EXPECT_EQ(form->ClientWidth(), 300);
  EXPECT_EQ(form->ClientHeight(), 200);
  // OnCreate runs once, after every component is there.
  EXPECT_EQ(form->events, (std::vector<std::string>{"create 7"}));

  auto* timer = form->Find<TTimer>("Timer1");
  ASSERT_NE(timer, nullptr);
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 500u);
  SendMessageW(timer->Handle(), WM_TIMER, 1, 0);
  EXPECT_EQ(form->events.back(), "tick");

  auto* surface = form->Find<TProbeControl>("Surface");
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(surface->Parent(), form.get());
  EXPECT_EQ(surface->Cursor(), crHandPoint);
  EXPECT_EQ(surface->BoundsRect(), (RECT{0, 0, 300, 200}));  // aligned to the client area
}

TEST_F(FormResourceTest, MenuItemsComeInOrderUnderTheirMenu) {
  Owned<TfrmProbe> form(TCustomForm::Create<TfrmProbe>(nullptr));
  auto* menu = form->Find<TPopupMenu>("PopupMenu1");
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->AutoHotkeys(), maManual);
  TMenuItem* items = menu->Items();
  ASSERT_EQ(items->Count(), 4);
  struct Expected {
    const char* name;
    std::string caption;
    bool visible, isDefault;
  } expected[] = {
      {"N3", "\xC7\xD0\xBB\xBB\xD5\xCA\xBA\xC5", true, false},
      {"N2", "-", true, false},
      {"N1", "\xCD\xCB\xB3\xF6", true, true},
      {"N4", "\xB2\xE2\xCA\xD4", false, false},
  };
  for (int i = 0; i < 4; ++i) {
    TMenuItem* item = items->Items(i);
    EXPECT_EQ(item->Name(), expected[i].name);
    EXPECT_EQ(item->Caption(), expected[i].caption) << i;
    EXPECT_EQ(item->Visible(), expected[i].visible) << i;
    EXPECT_EQ(item->Default(), expected[i].isDefault) << i;
    EXPECT_EQ(item->GetParentComponent(), menu);
    EXPECT_EQ(item->Owner(), form.get());
  }
  items->Items(0)->Click();
  EXPECT_EQ(form->events.back(), "N3");
}

TEST_F(FormResourceTest, AppearsAtItsStreamedPositionAndSizeWithoutABorder) {
  Owned<TfrmProbe> form(TCustomForm::Create<TfrmProbe>(nullptr));
  form->Show();
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(WindowRect(form->Handle()), (RECT{140, 90, 440, 290}));
  EXPECT_FALSE(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_CAPTION);
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(FormResourceTest, AClassWithoutAFormResourceIsRefused) {
  const int forms = Screen->FormCount();
  EXPECT_THROW(TCustomForm::Create<TfrmMissing>(nullptr), EResNotFound);
  EXPECT_EQ(Screen->FormCount(), forms);
}

TEST_F(FormResourceTest, AFailingOnCreateIsShownAndTheFormStillComes) {
  Owned<TfrmFailing> form(TCustomForm::Create<TfrmFailing>(nullptr));
  EXPECT_EQ(form->ClientWidth(), 60);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Text, L"cannot create");
}

TEST_F(FormResourceTest, RunShowsTheMainFormAndClosingItEndsTheLoop) {
  auto* form = Application->CreateForm<TfrmProbe>();
  ASSERT_EQ(Application->MainForm(), form);
  bool visibleWhileRunning = false;
  form->Find<TTimer>("Timer1")->SetInterval(20);
  form->Find<TTimer>("Timer1")->SetEnabled(true);
  form->onTimer = [&] {
    visibleWhileRunning = IsWindowVisible(form->Handle()) && IsWindowVisible(Application->Handle());
    PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
    form->Find<TTimer>("Timer1")->SetEnabled(false);
  };
  Application->Run();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_TRUE(visibleWhileRunning);
  EXPECT_EQ(form->events.back(), "close");
  form->Free();
  EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(FormResourceTest, WithoutShowMainFormTheMainFormStaysHiddenWhileRunning) {
  auto* form = Application->CreateForm<TfrmProbe>();
  Application->SetShowMainForm(false);
  int ticks = 0;
  bool everVisible = false;
  form->Find<TTimer>("Timer1")->SetInterval(20);
  form->Find<TTimer>("Timer1")->SetEnabled(true);
  form->onTimer = [&] {
    everVisible = everVisible || IsWindowVisible(form->Handle());
    if (++ticks == 3) Application->Terminate();
  };
  Application->Run();
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(everVisible);
  form->Free();
  Application->SetShowMainForm(true);
}

TEST_F(FormResourceTest, TheApplicationWindowClosesTheMainFormAndSeesItsMinimising) {
  auto* form = Application->CreateForm<TfrmProbe>();
  std::vector<WPARAM> commands;
  const int cookie = Application->HookMainWindow([&](TMessage& message) {
    if (message.Msg == WM_SYSCOMMAND) commands.push_back(message.WParam & 0xFFF0);
    return message.Msg == WM_SYSCOMMAND;  // keeps the application from minimising
  });
  SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_EQ(commands, (std::vector<WPARAM>{SC_MINIMIZE}));
  Application->UnhookMainWindow(cookie);
  SendMessageW(Application->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(form->events.back(), "close");
  Application->ProcessMessages();
  EXPECT_TRUE(Application->Terminated());
  form->Free();
}
