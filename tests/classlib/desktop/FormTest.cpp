#include "tests/support/DesktopFixture.h"
#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Screen.h"
#include "classlib/desktop/Timer.h"

namespace {
class FormTest : public DesktopTest {
protected:
  Owned<TForm> form{new TForm(nullptr)};
  std::vector<std::string> events;

  void SetUp() override {
    DesktopTest::SetUp();
    form->OnDestroy = [this](TObject*) { events.push_back("destroy"); };
  }
  static RECT WindowRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
  }
  static RECT ClientRectOnScreen(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
};
}  // namespace

TEST_F(FormTest, ABorderlessFormCoversExactlyItsBounds) {
  form->SetBorderStyle(bsNone);
  form->SetBounds(120, 80, 474, 408);
  form->Show();
  HWND window = form->Handle();
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME));
  EXPECT_EQ(WindowRect(window), (RECT{120, 80, 594, 488}));
  EXPECT_EQ(ClientRectOnScreen(window), (RECT{120, 80, 594, 488}));
}

TEST_F(FormTest, ClientSizeIsTheSizeInsideTheFrame) {
  struct Case {
    TFormBorderStyle border;
  } cases[] = {{bsNone}, {bsSingle}, {bsSizeable}, {bsDialog}, {bsToolWindow}};
  for (const Case& c : cases) {
    Owned<TForm> f(new TForm(nullptr));
    f->SetBorderStyle(c.border);
    f->SetClientWidth(300);
    f->SetClientHeight(200);
    EXPECT_EQ(f->ClientWidth(), 300) << c.border;  // before the window exists
    RECT client;
    GetClientRect(f->Handle(), &client);
    EXPECT_EQ(client, (RECT{0, 0, 300, 200})) << c.border;
    EXPECT_EQ(f->ClientHeight(), 200) << c.border;
  }
}

TEST_F(FormTest, WhileStreamingInTheFormWaitsForLoadedToSizeAndShowItself) {
  form->SetState(csLoading, true);
  form->SetClientWidth(800);
  form->SetClientHeight(600);
  form->SetBorderStyle(bsNone);  // streamed after the client size
  form->SetVisible(true);
  EXPECT_FALSE(form->HandleAllocated());
  form->Loaded();
  EXPECT_EQ(form->Width(), 800);
  EXPECT_EQ(form->Height(), 600);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(FormTest, PositionPlacesTheFormWhenItIsFirstShown) {
  const int screenWidth = Screen->Width(), screenHeight = Screen->Height();
  struct Case {
    TPosition position;
    int left, top;
  } cases[] = {
      {poDesigned, 30, 40},
      {poScreenCenter, (screenWidth - 400) / 2, (screenHeight - 300) / 2},
      {poDesktopCenter, Screen->DesktopLeft() + (Screen->DesktopWidth() - 400) / 2,
       Screen->DesktopTop() + (Screen->DesktopHeight() - 300) / 2},
  };
  for (const Case& c : cases) {
    Owned<TForm> f(new TForm(nullptr));
    f->SetBorderStyle(bsNone);
    f->SetBounds(30, 40, 400, 300);
    f->SetPosition(c.position);
    f->Show();
    EXPECT_EQ(WindowRect(f->Handle()), (RECT{c.left, c.top, c.left + 400, c.top + 300})) << c.position;
    EXPECT_EQ(f->Left(), c.left);
    // Moved by the program afterwards, it stays where it was put.
    f->SetBounds(10, 20, 400, 300);
    f->Hide();
    f->Show();
    EXPECT_EQ(WindowRect(f->Handle()), (RECT{10, 20, 410, 320})) << c.position;
  }
}

TEST_F(FormTest, StaysOnTopAndShowsItsGbkCaption) {
  form->SetCaption("\xBF\xEC\xBD\xDD\xCC\xE1\xCA\xBE");
  form->Show();
  EXPECT_FALSE(GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  form->SetFormStyle(fsStayOnTop);  // a shown form goes on top at once
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  wchar_t text[32];
  GetWindowTextW(form->Handle(), text, 32);
  EXPECT_STREQ(text, L"\u5FEB\u6377\u63D0\u793A");
}

TEST_F(FormTest, FormsAreOwnedByTheApplicationWindow) {
  EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), Application->Handle());
  EXPECT_EQ(Screen->Forms(Screen->FormCount() - 1), form.get());
  form->Show();
  EXPECT_EQ(Screen->ActiveForm(), form.get());
}

TEST_F(FormTest, CloseActsOnTheActionOnCloseChooses) {
  TCloseAction chosen = caHide;
  form->OnClose = [&](TObject* sender, TCloseAction& action) {
    EXPECT_EQ(sender, form.get());
    EXPECT_EQ(action, caHide);
    action = chosen;
    events.push_back("close");
  };
  form->Show();
  chosen = caNone;
  form->Close();
  EXPECT_TRUE(form->Visible());
  chosen = caHide;
  SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form->Visible());
  EXPECT_TRUE(IsWindow(form->Handle()));
  chosen = caFree;
  form->Show();
  form->Close();
  EXPECT_EQ(events, (std::vector<std::string>{"close", "close", "close"}));
  // Freed from the message loop, after the close returned.
  PumpUntil([&] { return events.size() == 4; });
  EXPECT_EQ(events.back(), "destroy");
  (void)form.release();
}

TEST_F(FormTest, ReleaseFreesTheFormAfterTheMessagesAlreadyWaiting) {
  HWND window = form->Handle();
  bool handled = false;
  auto* other = new TForm(nullptr);
  other->OnDestroy = [&](TObject*) { EXPECT_TRUE(handled); };
  PostMessageW(window, WM_NULL, 0, 0);
  form->OnClose = [&](TObject*, TCloseAction&) { handled = true; };
  PostMessageW(window, WM_CLOSE, 0, 0);
  form->Release();
  other->Release();
  EXPECT_TRUE(IsWindow(window));
  PumpUntil([&] { return !IsWindow(window) && Screen->FormCount() == 0; });
  EXPECT_TRUE(handled);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(events, (std::vector<std::string>{"destroy"}));
  (void)form.release();
}

TEST_F(FormTest, ShowModalRunsUntilAModalResultIsSetAndDisablesTheOtherWindows) {
  Owned<TForm> owner(new TForm(nullptr));
  owner->Show();
  form->OnClose = [&](TObject*, TCloseAction&) { events.push_back("close"); };
  struct Case {
    TModalResult set;  // mrNone: the form is closed instead
    TModalResult expected;
  } cases[] = {{mrOk, mrOk}, {mrYes, mrYes}, {mrNone, mrCancel}};
  for (const Case& c : cases) {
    bool ownerWasDisabled = false;
    TTimer ender(nullptr);  // ticks inside the modal loop
    ender.SetInterval(30);
    ender.SetOnTimer([&](TObject*) {
      ender.SetEnabled(false);
      ownerWasDisabled = !IsWindowEnabled(owner->Handle());
      if (c.set != mrNone) form->SetModalResult(c.set);
      else form->Close();
    });
    EXPECT_EQ(form->ShowModal(), c.expected);
    EXPECT_TRUE(ownerWasDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->Modal());
  }
  EXPECT_EQ(events, (std::vector<std::string>{"close", "close", "close"}));
  form->Show();
  EXPECT_THROW(form->ShowModal(), EInvalidOperation);
}

TEST_F(FormTest, AModalFormThatRefusesToCloseKeepsRunning) {
  int attempts = 0;
  form->OnClose = [&](TObject*, TCloseAction& action) {
    if (++attempts == 1) action = caNone;
  };
  TTimer ender(nullptr);
  ender.SetInterval(30);
  ender.SetOnTimer([&](TObject*) {
    if (attempts >= 2) ender.SetEnabled(false);
    else form->SetModalResult(mrOk);
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(attempts, 2);
}

TEST_F(FormTest, AnExceptionInOnCreateIsShownAndTheFormIsStillMade) {
  struct TCreatingForm : TForm {
    using TForm::TForm;
    using TForm::DoCreate;
  };
  Owned<TCreatingForm> creating(new TCreatingForm(nullptr));
  creating->OnCreate = [](TObject*) { throw Exception("create failed"); };
  creating->DoCreate();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Text, L"create failed");
}
