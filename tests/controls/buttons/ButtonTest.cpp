// Buttons in a real scene, driven by the window messages the platform sends: the pressed state
// and its trigger, hover and focus triggers, the repeat timer (ticked through its window message),
// Enter and Space, default and cancel keys, and the modal result of the host form.
#include "tests/support/ControlsFixture.h"
//
#include "ButtonStyle.h"
#include "classlib/desktop/Menus.h"
#include "classlib/desktop/Timer.h"
#include "controls/buttons/Button.h"
#include "controls/buttons/PopupButton.h"
#include "controls/buttons/SpeedButton.h"
#include "engine/effects/Effect.h"
#include "engine/shapes/Shapes.h"
#include "engine/shapes/Text.h"

namespace {

// A button 80 x 22 at (50, 40); (90, 50) lies inside it, (200, 150) outside.
constexpr int kInsideX = 90, kInsideY = 50, kOutsideX = 200, kOutsideY = 150;

class ButtonTest : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    UseStyles(kPressStyle);
  }

  template <class T = TvgButton>
  T* AddButton(float x = 50, float y = 40) {
    T* button = Add<T>(x, y, 80, 22, "pressstyle");
    button->OnClick = [this](TObject*) { ++clicks; };
    return button;
  }
  static TvgColor Background(TvgControl* button) {
    return static_cast<TvgRectangle*>(button->FindResource("background"))->Fill()->SolidColor();
  }
  static TvgEffect* Glow(TvgControl* button) {
    TvgObject* style = button->StyleObject();
    return dynamic_cast<TvgEffect*>(style->Children(style->ChildrenCount() - 1));
  }
  static TTimer* RepeatTimer(TComponent* button) {
    for (int i = 0; i < button->ComponentCount(); ++i)
      if (auto* timer = dynamic_cast<TTimer*>(button->Components(i))) return timer;
    return nullptr;
  }
  static void TickTimer(TTimer* timer) { SendMessageW(timer->Handle(), WM_TIMER, 1, 0); }

  int clicks = 0;
};

TEST_F(ButtonTest, APressHoldsIsPressedWhoseTriggerAnimatesTheStyleAndAReleaseInsideClicks) {
  TvgButton* button = AddButton();
  Press(kInsideX, kInsideY);
  EXPECT_TRUE(button->IsPressed());
  EXPECT_EQ(scene->GetCaptured(), button);
  TickFor(300);
  EXPECT_EQ(Background(button), kPressedColor);
  EXPECT_EQ(clicks, 0);

  Release(kInsideX, kInsideY);
  EXPECT_FALSE(button->IsPressed());
  EXPECT_EQ(clicks, 1);
  TickFor(300);
  EXPECT_EQ(Background(button), kHoverColor) << "released under the pointer, the hover look is back";
}

TEST_F(ButtonTest, HoverAndFocusReachTheStyleThroughTheirTriggers) {
  TvgButton* button = AddButton();
  TickFor(300);
  EXPECT_EQ(Background(button), kRestColor) << "the inverse runs that applying the style starts end at rest";
  Move(kInsideX, kInsideY);
  EXPECT_TRUE(button->IsMouseOver());
  TickFor(300);
  EXPECT_EQ(Background(button), kHoverColor);
  EXPECT_FALSE(Glow(button)->Enabled());

  ClickAt(kInsideX, kInsideY);
  EXPECT_TRUE(button->IsFocused());
  EXPECT_TRUE(Glow(button)->Enabled()) << "the focus glow";

  Move(kOutsideX, kOutsideY);
  TickFor(300);
  EXPECT_EQ(Background(button), kRestColor);
  AddButton(50, 100)->SetFocus();
  EXPECT_FALSE(Glow(button)->Enabled());
}

TEST_F(ButtonTest, LeavingWhilePressedShowsItReleasedAndAReleaseOutsideClicksNothing) {
  TvgButton* button = AddButton();
  Press(kInsideX, kInsideY);
  Move(kOutsideX, kOutsideY, MK_LBUTTON);
  EXPECT_FALSE(button->IsPressed());
  Move(130, 62, MK_LBUTTON);  // the bottom-right corner counts as inside
  EXPECT_TRUE(button->IsPressed());
  Move(kOutsideX, kOutsideY, MK_LBUTTON);
  Send(WM_LBUTTONUP, 0, MAKELPARAM(kOutsideX, kOutsideY));
  EXPECT_FALSE(button->IsPressed());
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(scene->GetCaptured(), nullptr);
}

TEST_F(ButtonTest, OnlyTheLeftButtonPresses) {
  TvgButton* button = AddButton();
  Move(kInsideX, kInsideY);
  Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(kInsideX, kInsideY));
  EXPECT_FALSE(button->IsPressed());
  Send(WM_RBUTTONUP, 0, MAKELPARAM(kInsideX, kInsideY));
  EXPECT_EQ(clicks, 0);
}

TEST_F(ButtonTest, AStaysPressedButtonTogglesOnEachPressAndKeepsItsStateOutside) {
  TvgButton* button = AddButton();
  button->SetIsPressed(true);
  EXPECT_FALSE(button->IsPressed()) << "refused without StaysPressed";

  button->SetStaysPressed(true);
  Press(kInsideX, kInsideY);
  EXPECT_TRUE(button->IsPressed());
  Move(kOutsideX, kOutsideY, MK_LBUTTON);
  EXPECT_TRUE(button->IsPressed());
  Send(WM_LBUTTONUP, 0, MAKELPARAM(kOutsideX, kOutsideY));
  EXPECT_TRUE(button->IsPressed());
  TickFor(300);
  EXPECT_EQ(Background(button), kPressedColor);

  ClickAt(kInsideX, kInsideY);
  EXPECT_FALSE(button->IsPressed());
  EXPECT_EQ(clicks, 1);
  button->SetIsPressed(true);
  EXPECT_TRUE(button->IsPressed()) << "taken from code with StaysPressed";
}

TEST_F(ButtonTest, RepeatClickWaitsFiveHundredMillisecondsThenClicksEveryHundred) {
  TvgButton* button = AddButton();
  button->SetRepeatClick(true);
  for (int press = 0; press < 2; ++press) {
    SCOPED_TRACE("press " + std::to_string(press + 1));
    clicks = 0;
    Press(kInsideX, kInsideY);
    TTimer* timer = RepeatTimer(button);
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 500u);
    TickTimer(timer);
    EXPECT_EQ(clicks, 0) << "the first tick only hands over";
    EXPECT_EQ(timer->Interval(), 100u);
    for (int tick = 1; tick <= 3; ++tick) {
      TickTimer(timer);
      EXPECT_EQ(clicks, tick);
    }
    EXPECT_TRUE(button->IsPressed());
    Release(kInsideX, kInsideY);
    EXPECT_EQ(clicks, 4) << "the release inside adds the ordinary click";
    EXPECT_FALSE(timer->Enabled());
  }
}

TEST_F(ButtonTest, ASpeedButtonRepeatsAndTakesNoFocus) {
  auto* button = AddButton<TvgSpeedButton>();
  Press(kInsideX, kInsideY);
  EXPECT_FALSE(button->IsFocused());
  TTimer* timer = RepeatTimer(button);
  ASSERT_NE(timer, nullptr);
  TickTimer(timer);
  TickTimer(timer);
  EXPECT_EQ(clicks, 1);
  Move(kOutsideX, kOutsideY, MK_LBUTTON);
  Send(WM_LBUTTONUP, 0, MAKELPARAM(kOutsideX, kOutsideY));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(timer->Enabled());
}

TEST_F(ButtonTest, ADoubleClickClicksOnTheFirstReleaseAndAtTheSecondPress) {
  TvgButton* button = AddButton();
  int doubleClicks = 0;
  button->OnDblClick = [&](TObject*) { ++doubleClicks; };
  ClickAt(kInsideX, kInsideY);
  Press(kInsideX, kInsideY, WM_LBUTTONDBLCLK);
  EXPECT_EQ(clicks, 2);
  Release(kInsideX, kInsideY);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(doubleClicks, 1);
}

TEST_F(ButtonTest, EnterAndSpaceClickTheFocusedButton) {
  for (WPARAM key : {VK_RETURN, VK_SPACE}) {
    SCOPED_TRACE(key);
    clicks = 0;
    AddButton()->SetFocus();
    Key(key);
    EXPECT_EQ(clicks, 1);
  }
  clicks = 0;
  Key('A');
  EXPECT_EQ(clicks, 0);
}

TEST_F(ButtonTest, DefaultAndCancelButtonsTakeEnterAndEscapeFromTheFocusedControl) {
  TvgButton* focused = AddButton(50, 10);
  TvgButton* defaultButton = AddButton(50, 40);
  TvgButton* cancelButton = AddButton(50, 70);
  defaultButton->SetDefault(true);
  cancelButton->SetCancel(true);
  std::vector<std::string> clicked;
  focused->OnClick = [&](TObject*) { clicked.push_back("focused"); };
  defaultButton->OnClick = [&](TObject*) { clicked.push_back("default"); };
  cancelButton->OnClick = [&](TObject*) { clicked.push_back("cancel"); };
  focused->SetFocus();

  Key(VK_RETURN);
  Key(VK_ESCAPE);
  EXPECT_EQ(clicked, (std::vector<std::string>{"default", "cancel"})) << "the keys were consumed";

  clicked.clear();
  defaultButton->SetEnabled(false);
  Key(VK_RETURN);
  EXPECT_EQ(clicked, std::vector<std::string>{"focused"}) << "a disabled default button is passed over";
}

TEST_F(ButtonTest, AButtonsModalResultBecomesTheHostFormsModalResult) {
  TvgButton* button = AddButton();
  button->SetModalResult(mrRetry);
  ClickAt(kInsideX, kInsideY);
  EXPECT_EQ(form->ModalResult(), mrRetry);
  EXPECT_EQ(clicks, 1) << "OnClick runs as well";
}

TEST_F(ButtonTest, DefaultAndCancelKeysEndAModalFormWithTheButtonsResults) {
  TvgButton* okButton = AddButton(50, 40);
  okButton->SetDefault(true);
  okButton->SetModalResult(mrOk);
  TvgButton* abortButton = AddButton(50, 70);
  abortButton->SetCancel(true);
  abortButton->SetModalResult(mrAbort);  // not the scene's own result for Escape
  struct Case {
    WPARAM key;
    TModalResult result;
  } cases[] = {{VK_RETURN, mrOk}, {VK_ESCAPE, mrAbort}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    PostMessageW(Window(), WM_KEYDOWN, c.key, 0);
    EXPECT_EQ(form->ShowModal(), c.result);
  }
}

TEST_F(ButtonTest, AModalResultWithoutAHostFormOnlyClicks) {
  auto* loneScene = new TvgWindowScene(nullptr);
  auto* button = new TvgButton(nullptr);
  loneScene->AddObject(button);
  button->SetModalResult(mrOk);
  button->OnClick = [this](TObject*) { ++clicks; };
  button->Click();
  EXPECT_EQ(clicks, 1);
  loneScene->Free();
}

// Opens nothing: notes where it would have popped up.
class TRecordingPopupMenu : public TPopupMenu {
public:
  TRecordingPopupMenu() : TPopupMenu(nullptr) {}
  std::vector<POINT> popups;
  void Popup(int x, int y) override { popups.push_back({x, y}); }
};

TEST_F(ButtonTest, APopupButtonOpensItsMenuBelowItselfAndForgetsAFreedMenu) {
  auto* button = AddButton<TvgPopupButton>(50, 40);
  auto* menu = new TRecordingPopupMenu;
  button->SetPopupMenu(menu);
  ClickAt(kInsideX, kInsideY);
  ASSERT_EQ(menu->popups.size(), 1u);
  EXPECT_EQ(menu->popups[0].x, kFormLeft + 50);
  EXPECT_EQ(menu->popups[0].y, kFormTop + 40 + 22);
  EXPECT_EQ(clicks, 1);
  menu->Free();
  EXPECT_EQ(button->PopupMenu(), nullptr);
  ClickAt(kInsideX, kInsideY);
  EXPECT_EQ(clicks, 2);
}

// A form-like owner of a published click handler.
class TClickTarget : public TComponent {
  CL_CLASS(TClickTarget, TComponent)
public:
  using TComponent::TComponent;
  int clicks = 0;
  void ButtonClick(TObject*) { ++clicks; }
};

CL_PUBLISHED(TClickTarget) { CL_METHOD(TClickTarget, ButtonClick); }

TEST_F(ButtonTest, APackedMethodGivenAsDataBecomesOnClickAndOtherValuesAreIgnored) {
  TvgButton* button = AddButton();
  TClickTarget target(nullptr);
  char packed[32];
  snprintf(packed, sizeof packed, "vgmet%08X%08X", unsigned(uintptr_t(&target)),
           unsigned(uintptr_t(target.MethodAddress("ButtonClick"))));
  for (const Variant& ignored : {Variant(L"pressed"), Variant(5), Variant::Null()}) button->SetData(ignored);
  button->Click();
  EXPECT_EQ(clicks, 1);

  button->SetData(Variant(packed));
  button->Click();
  EXPECT_EQ(target.clicks, 1);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
