// Pop-ups on real windows under Xvfb: placement of their own window in screen coordinates and of
// overlays in the scene, the open list and the closing rules driven by window messages, modal
// runs, the follow timer ticked through its window, and streaming.
#include "engine/scene/Popup.h"
//
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/RecordingScene.h"
#include "tests/support/SceneFixture.h"
#include "tests/support/ValueStreaming.h"
#include "classlib/desktop/Timer.h"
#include "engine/animation/FloatAnimation.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/scene/PopupForm.h"
#include "engine/scene/Scene.h"
#include "toolkit/Toolkit.h"

namespace {

// The scene fixture with a 100 x 30 target at (40, 50) and an 80 x 40 pop-up beneath the root.
class PopupTest : public SceneTest {
protected:
  static constexpr int kTargetLeft = kFormLeft + 40, kTargetTop = kFormTop + 50;

  void SetUp() override {
    SceneTest::SetUp();
    target = new TvgVisualObject(nullptr);
    target->SetBounds(40, 50, 100, 30);
    root->AddObject(target);
    popup = MakePopup<TvgPopup>(root);
    form->Show();
  }
  void TearDown() override {
    SceneTest::TearDown();
    PumpFor(20);  // lets released pop-up forms go
  }

  template <class P>
  P* MakePopup(TvgVisualObject* parent, TComponent* owner = nullptr) {
    auto* made = new P(owner ? owner : form);
    made->SetWidth(80);
    made->SetHeight(40);
    if (parent) parent->AddObject(made);
    return made;
  }

  static RECT WindowRect(TvgPopup* open) {
    RECT r{};
    GetWindowRect(open->PopupForm()->Handle(), &r);
    return r;
  }
  static POINT TopLeft(TvgPopup* open) {
    const RECT r = WindowRect(open);
    return {r.left, r.top};
  }
  // Waits until the released window of a closed pop-up is gone.
  static bool WindowGone(HWND window) {
    return PumpUntil([window] { return !IsWindow(window); });
  }

  TvgVisualObject* target = nullptr;
  TvgPopup* popup = nullptr;
};

struct PlacementCase {
  const char* name;
  TvgPlacement placement;
  float hx, vy;
  TvgRect rectangle;
  POINT expected;
};

TEST_F(PopupTest, OwnWindowIsPlacedBesideItsTargetOnTheScreen) {
  const TvgRect none{};
  const TvgRect inner{10, 5, 30, 25};
  const PlacementCase cases[] = {
      {"bottom: top-left at the target's bottom-left", vgPlacementBottom, 0, 0, none, {kTargetLeft, kTargetTop + 30}},
      {"top: bottom edge 5 above the target", vgPlacementTop, 0, 5, none, {kTargetLeft, kTargetTop - 45}},
      {"left", vgPlacementLeft, 3, 0, none, {kTargetLeft - 83, kTargetTop}},
      {"right", vgPlacementRight, 0, 4, none, {kTargetLeft + 100, kTargetTop + 4}},
      {"center", vgPlacementCenter, 0, 0, none, {kTargetLeft + 10, kTargetTop - 5}},
      {"bottom center", vgPlacementBottomCenter, 0, 0, none, {kTargetLeft + 10, kTargetTop + 30}},
      {"top center", vgPlacementTopCenter, 2, 0, none, {kTargetLeft + 12, kTargetTop - 40}},
      {"left center", vgPlacementLeftCenter, 0, 0, none, {kTargetLeft - 80, kTargetTop - 5}},
      {"right center", vgPlacementRightCenter, 0, 0, none, {kTargetLeft + 100, kTargetTop - 5}},
      {"a fraction is dropped in scene units", vgPlacementBottom, 0.7f, 0, none, {kTargetLeft, kTargetTop + 30}},
      {"bottom of a rectangle", vgPlacementBottom, 0, 0, inner, {kTargetLeft + 10, kTargetTop + 25}},
      {"top of a rectangle", vgPlacementTop, 1, 2, inner, {kTargetLeft + 11, kTargetTop - 37}},
      {"right of a rectangle", vgPlacementRight, 0, 0, inner, {kTargetLeft + 30, kTargetTop + 5}},
      {"center of a rectangle", vgPlacementCenter, 0, 0, inner, {kTargetLeft - 20, kTargetTop - 5}},
      {"top center of a rectangle", vgPlacementTopCenter, 0, 0, inner, {kTargetLeft - 20, kTargetTop - 35}},
      {"left center of a rectangle: its top", vgPlacementLeftCenter, 0, 0, inner, {kTargetLeft - 70, kTargetTop + 5}},
  };
  popup->SetPlacementTarget(target);
  for (const PlacementCase& c : cases) {
    popup->SetPlacement(c.placement);
    popup->SetHorizontalOffset(c.hx);
    popup->SetVerticalOffset(c.vy);
    popup->PlacementRectangle()->SetRect(c.rectangle);
    popup->SetIsOpen(true);
    ASSERT_NE(popup->PopupForm(), nullptr) << c.name;
    const POINT at = TopLeft(popup);
    EXPECT_EQ(at.x, c.expected.x) << c.name;
    EXPECT_EQ(at.y, c.expected.y) << c.name;
    popup->SetIsOpen(false);
  }
}

TEST_F(PopupTest, WithoutTargetTheRectangleIsInScreenCoordinates) {
  const TvgRect r{300, 200, 400, 220};
  const PlacementCase cases[] = {
      {"bottom", vgPlacementBottom, 0, 0, r, {300, 220}},
      {"bottom center as bottom", vgPlacementBottomCenter, 0, 0, r, {300, 220}},
      {"top center as top", vgPlacementTopCenter, 0, 0, r, {300, 160}},
      {"right center as right", vgPlacementRightCenter, 5, 0, r, {405, 200}},
      {"left center as left", vgPlacementLeftCenter, 0, 0, r, {220, 200}},
      {"center", vgPlacementCenter, 0, 0, r, {310, 190}},
      {"absolute: rounded, halves to even", vgPlacementAbsolute, 9, 9, {123.6f, 46.5f, 0, 0}, {124, 46}},
  };
  TvgPopup* alone = MakePopup<TvgPopup>(nullptr);
  for (const PlacementCase& c : cases) {
    alone->SetPlacement(c.placement);
    alone->SetHorizontalOffset(c.hx);
    alone->SetVerticalOffset(c.vy);
    alone->PlacementRectangle()->SetRect(c.rectangle);
    alone->SetIsOpen(true);
    ASSERT_NE(alone->PopupForm(), nullptr) << c.name;
    const POINT at = TopLeft(alone);
    EXPECT_EQ(at.x, c.expected.x) << c.name;
    EXPECT_EQ(at.y, c.expected.y) << c.name;
    alone->SetIsOpen(false);
  }
}

TEST_F(PopupTest, OwnWindowIsPulledBackOverTheMonitorsRightAndBottomEdgesOnly) {
  const float w = float(GetSystemMetrics(SM_CXSCREEN)), h = float(GetSystemMetrics(SM_CYSCREEN));
  const PlacementCase cases[] = {
      {"past the right edge: ends at it", vgPlacementBottom, 0, 0, {w - 30, 100, w - 20, 120}, {LONG(w) - 80, 120}},
      {"past the bottom edge: ends at it", vgPlacementBottom, 0, 0, {100, h - 20, 120, h - 10}, {100, LONG(h) - 40}},
      {"past the left edge: stays", vgPlacementBottom, 0, 0, {-50, 100, -40, 120}, {-50, 120}},
      {"past the top edge: stays", vgPlacementTop, 0, 0, {100, 10, 120, 20}, {100, -30}},
      {"absolute: not pulled back", vgPlacementAbsolute, 0, 0, {w - 10, 10, 0, 0}, {LONG(w) - 10, 10}},
  };
  TvgPopup* alone = MakePopup<TvgPopup>(nullptr);
  for (const PlacementCase& c : cases) {
    alone->SetPlacement(c.placement);
    alone->PlacementRectangle()->SetRect(c.rectangle);
    alone->SetIsOpen(true);
    ASSERT_NE(alone->PopupForm(), nullptr) << c.name;
    const POINT at = TopLeft(alone);
    EXPECT_EQ(at.x, c.expected.x) << c.name;
    EXPECT_EQ(at.y, c.expected.y) << c.name;
    alone->SetIsOpen(false);
  }
}

TEST_F(PopupTest, OpensInATopMostWindowOfItsOwnAndReturnsOnClose) {
  int closed = 0;
  popup->OnClosePopup = [&closed](TObject*) { ++closed; };
  popup->SetIsOpen(true);
  TvgPopupForm* popupForm = popup->PopupForm();
  ASSERT_NE(popupForm, nullptr);
  const HWND window = popupForm->Handle();
  EXPECT_EQ(popupForm->Tag(), 65535);
  EXPECT_EQ(popupForm->OwnerForm(), form);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & WS_CAPTION);
  EXPECT_TRUE(GetClassLongW(window, GCL_STYLE) & CS_SAVEBITS);
  EXPECT_EQ(WindowRect(popup).right - WindowRect(popup).left, 80);
  EXPECT_EQ(popup->PopupScene()->GetRoot(), popup);
  EXPECT_TRUE(popup->PopupScene()->Transparency());
  EXPECT_EQ(popup->PopupScene()->GetFocused(), popup);
  EXPECT_EQ(popup->Parent(), nullptr);
  EXPECT_TRUE(popup->Visible());
  EXPECT_EQ(vgOpenPopups(), std::vector<TvgPopup*>{popup});

  popup->SetIsOpen(false);
  EXPECT_EQ(popup->PopupForm(), nullptr);
  EXPECT_EQ(popup->Parent(), root);
  EXPECT_EQ(popup->Scene(), scene);
  EXPECT_FALSE(popup->Visible());
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_EQ(closed, 1);
  EXPECT_TRUE(vgOpenPopups().empty());
  EXPECT_TRUE(WindowGone(window));
}

TEST_F(PopupTest, OwnWindowKeepsTheScaledSizeAndTheScaleIsRestored) {
  root->Scale()->SetPoint({2, 1.5f});
  popup->SetIsOpen(true);
  ASSERT_NE(popup->PopupForm(), nullptr);
  const RECT r = WindowRect(popup);
  EXPECT_EQ(r.right - r.left, 160);
  EXPECT_EQ(r.bottom - r.top, 60);
  EXPECT_EQ(popup->Scale()->GetPoint(), (TvgPoint{2, 1.5f}));
  popup->SetIsOpen(false);
  EXPECT_EQ(popup->Scale()->GetPoint(), (TvgPoint{1, 1}));
}

TEST_F(PopupTest, OpeningStartsTheIsOpenAnimationsAndClosingRunsThemToTheirEnd) {
  auto* fade = new TvgFloatAnimation(nullptr);
  fade->SetPropertyName("Opacity");
  fade->SetStartValue(0.2f);
  fade->SetStopValue(1);
  fade->SetDuration(0.1f);
  fade->SetTrigger("IsOpen=true");
  fade->SetTriggerInverse("IsOpen=false");
  popup->AddObject(fade);
  popup->SetIsOpen(true);
  EXPECT_TRUE(fade->Running());
  popup->SetIsOpen(false);
  EXPECT_FALSE(fade->Running());
  EXPECT_FLOAT_EQ(popup->Opacity(), 0.2f) << "the inverse run went to its end";
}

TEST_F(PopupTest, OpeningAnOpenPopupClosesIt) {
  popup->Popup();
  ASSERT_TRUE(popup->IsOpen());
  popup->Popup();
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_EQ(popup->PopupForm(), nullptr);
  EXPECT_EQ(popup->Parent(), root);
}

TEST_F(PopupTest, ClosingAClosedPopupDoesNothing) {
  int closed = 0;
  popup->OnClosePopup = [&closed](TObject*) { ++closed; };
  for (int mode : {vgPopupOwnForm, vgPopupOverlay}) {
    popup->SetPopupMode(mode);
    popup->ClosePopup();
    EXPECT_EQ(popup->Parent(), root) << mode;
  }
  EXPECT_EQ(closed, 0);
}

TEST_F(PopupTest, EscapeInItsWindowClosesAPopupThatDoesNotStayOpen) {
  for (bool staysOpen : {false, true}) {
    popup->SetStaysOpen(staysOpen);
    popup->SetIsOpen(true);
    ASSERT_NE(popup->PopupScene(), nullptr);
    SendMessageW(popup->PopupScene()->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(popup->IsOpen(), staysOpen) << staysOpen;
    popup->SetIsOpen(false);
  }
}

TEST_F(PopupTest, ActivatingAnotherProgramsWindowClosesThePopupsThatDoNotStayOpen) {
  TvgPopup* staying = MakePopup<TvgPopup>(root);
  staying->SetStaysOpen(true);
  staying->SetPlacementTarget(target);
  staying->SetIsOpen(true);
  popup->SetIsOpen(true);
  TvgPopup* second = MakePopup<TvgPopup>(root);
  second->SetIsOpen(true);
  ASSERT_EQ(vgOpenPopups(), (std::vector<TvgPopup*>{popup, second}));
  // The window being activated belongs to another thread: the message names none.
  SendMessageW(staying->PopupForm()->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_TRUE(popup->IsOpen()) << "a pop-up that stays open closes nothing";
  SendMessageW(second->PopupForm()->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_FALSE(second->IsOpen());
  EXPECT_TRUE(staying->IsOpen());
  EXPECT_TRUE(vgOpenPopups().empty());
}

TEST_F(PopupTest, ActivationMovingBetweenOpenPopupsClosesOnlyTheLaterOne) {
  popup->SetIsOpen(true);
  TvgPopup* later = MakePopup<TvgPopup>(root);
  later->SetIsOpen(true);
  ASSERT_TRUE(popup->IsOpen()) << "opening the later one activated its window";
  const HWND first = popup->PopupForm()->Handle(), second = later->PopupForm()->Handle();
  SendMessageW(first, WM_ACTIVATE, WA_INACTIVE, LPARAM(second));
  EXPECT_TRUE(popup->IsOpen()) << "to a pop-up opened after it";
  EXPECT_TRUE(later->IsOpen());
  SendMessageW(second, WM_ACTIVATE, WA_INACTIVE, LPARAM(first));
  EXPECT_FALSE(later->IsOpen()) << "to a pop-up opened before it";
  EXPECT_TRUE(popup->IsOpen());
  EXPECT_EQ(vgOpenPopups(), std::vector<TvgPopup*>{popup});
}

TEST_F(PopupTest, ActivatingAnotherWindowOfTheProgramClosesTheOpenPopups) {
  Owned<TForm> other(new TForm(nullptr));
  other->SetBounds(50, 50, 100, 100);
  other->Show();
  popup->SetIsOpen(true);
  ASSERT_TRUE(popup->IsOpen());
  SetActiveWindow(other->Handle());
  EXPECT_FALSE(popup->IsOpen());
}

TEST_F(PopupTest, ThePopupWindowOfAnOwnedPopupIsNotActivatedByClicks) {
  popup->SetIsOpen(true);
  const HWND window = popup->PopupForm()->Handle();
  EXPECT_EQ(SendMessageW(window, WM_MOUSEACTIVATE, WPARAM(form->Handle()), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
            MA_NOACTIVATE);
}

TEST_F(PopupTest, ClosingThePopupWindowClosesThePopup) {
  popup->SetIsOpen(true);
  const HWND window = popup->PopupForm()->Handle();
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_EQ(popup->Parent(), root);
  EXPECT_TRUE(WindowGone(window));
}

TEST_F(PopupTest, FreeingAnOpenPopupTakesItsWindowAlong) {
  popup->SetIsOpen(true);
  const HWND window = popup->PopupForm()->Handle();
  popup->Free();
  popup = nullptr;
  EXPECT_TRUE(vgOpenPopups().empty());
  EXPECT_TRUE(WindowGone(window));
}

TEST_F(PopupTest, FreeingThePopupWindowReturnsThePopup) {
  popup->SetIsOpen(true);
  popup->PopupForm()->Free();
  EXPECT_EQ(popup->PopupForm(), nullptr);
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_EQ(popup->Parent(), root);
}

TEST_F(PopupTest, AFreedPlacementTargetIsForgotten) {
  auto* gone = new TvgVisualObject(nullptr);
  popup->SetPlacementTarget(gone);
  gone->Free();
  EXPECT_EQ(popup->PlacementTarget(), nullptr);
}

TEST_F(PopupTest, FollowTimerReplacesTheWindowOnEveryTick) {
  popup->SetPlacementTarget(target);
  for (auto [drag, staysOpen] : {std::pair{true, false}, std::pair{false, true}}) {
    popup->SetDragWithParent(drag);
    popup->SetStaysOpen(staysOpen);
    popup->SetIsOpen(true);
    EXPECT_EQ(popup->DragTimer(), nullptr) << "drag " << drag << ", stays open " << staysOpen;
    popup->SetIsOpen(false);
  }
  popup->SetDragWithParent(true);
  popup->SetIsOpen(true);
  ASSERT_NE(popup->DragTimer(), nullptr);
  EXPECT_EQ(popup->DragTimer()->Interval(), 10u);
  form->SetBounds(kFormLeft + 30, kFormTop + 20, 300, 200);
  EXPECT_EQ(TopLeft(popup).x, kTargetLeft) << "nothing moves between ticks";
  SendMessageW(popup->DragTimer()->Handle(), WM_TIMER, 1, 0);
  EXPECT_EQ(TopLeft(popup).x, kTargetLeft + 30);
  EXPECT_EQ(TopLeft(popup).y, kTargetTop + 20 + 30);
  popup->SetIsOpen(false);
  EXPECT_EQ(popup->DragTimer(), nullptr);
}

// Runs the action once from the message loop, shortly after the test's modal run has started.
class TSoon {
public:
  explicit TSoon(std::function<void()> action) : timer_(new TTimer(nullptr)) {
    timer_->SetInterval(5);
    timer_->SetOnTimer([this, action](TObject*) {
      timer_->SetEnabled(false);
      action();
    });
  }

private:
  Owned<TTimer> timer_;
};

TEST_F(PopupTest, EscapeEndsAModalRunWithResultTwo) {
  TSoon escape([this] { PostMessageW(popup->PopupScene()->Handle(), WM_KEYDOWN, VK_ESCAPE, 0); });
  EXPECT_EQ(popup->PopupModal(), 2);
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_EQ(popup->PopupForm(), nullptr);
  EXPECT_EQ(popup->Parent(), root);
}

TEST_F(PopupTest, AModalRunReturnsTheResultSet) {
  // Other test programs' windows share the desktop: their activation must not cancel this run.
  popup->SetStaysOpen(true);
  TSoon answer([this] { popup->SetModalResult(7); });
  EXPECT_EQ(popup->PopupModal(), 7);
  EXPECT_FALSE(popup->IsOpen());
}

TEST_F(PopupTest, AMessagePopupDisablesTheSceneWhileItRunsAndHangsCentredBelowTheFormsTop) {
  for (bool enabledBefore : {true, false}) {
    root->SetEnabled(enabledBefore);
    auto* message = MakePopup<TvgMessagePopup>(root);
    bool enabledDuring = true;
    POINT at{};
    TSoon answer([&] {
      enabledDuring = root->Enabled();
      at = TopLeft(message);
      message->SetModalResult(1);
    });
    EXPECT_EQ(message->PopupModal(), 1);
    EXPECT_FALSE(enabledDuring);
    EXPECT_EQ(root->Enabled(), enabledBefore);
    EXPECT_EQ(at.x, kFormLeft + (300 - 80) / 2);
    EXPECT_EQ(at.y, kFormTop);
    message->Free();
  }
}

TEST_F(PopupTest, AMessagePopupWithATargetIsCentredOnIt) {
  auto* message = MakePopup<TvgMessagePopup>(root);
  message->SetPlacementTarget(target);
  message->SetIsOpen(true);
  EXPECT_EQ(TopLeft(message).x, kTargetLeft + 10);
  EXPECT_EQ(TopLeft(message).y, kTargetTop + 30);
  ASSERT_NE(message->DragTimer(), nullptr) << "it follows its owner";
  EXPECT_TRUE(vgOpenPopups().empty()) << "it stays open";
  message->Free();
}

// --- Overlay ----------------------------------------------------------------------------------

TEST_F(PopupTest, AnOverlayPopupIsPlacedInTheSceneAndAClickBesideItClosesIt) {
  auto* focused = new TvgVisualObject(nullptr);
  focused->SetCanFocused(true);
  focused->SetBounds(200, 150, 20, 20);
  root->AddObject(focused);
  focused->SetFocus();
  popup->SetPopupMode(vgPopupOverlay);
  popup->SetPlacementTarget(target);
  popup->SetHorizontalOffset(5);
  popup->SetIsOpen(true);
  ASSERT_TRUE(popup->IsOpen());
  auto* overlay = popup->Parent() ? popup->Parent()->Visual() : nullptr;
  ASSERT_NE(overlay, nullptr);
  EXPECT_EQ(overlay->Parent(), root);
  EXPECT_EQ(overlay->Align(), vaContents);
  EXPECT_EQ(overlay->Width(), 300);
  EXPECT_EQ(popup->Position()->GetPoint(), (TvgPoint{45, 80}));
  EXPECT_EQ(scene->GetFocused(), popup);
  EXPECT_EQ(popup->PopupForm(), nullptr);

  const HWND window = scene->Handle();
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(250, 20));
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(250, 20));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(250, 20));
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_EQ(popup->Parent(), root);
  EXPECT_EQ(scene->GetFocused(), focused);
  EXPECT_EQ(root->ChildrenCount(), 3) << "the overlay is gone";
}

TEST_F(PopupTest, AnOverlayOfAPopupThatStaysOpenLetsClicksThrough) {
  popup->SetPopupMode(vgPopupOverlay);
  popup->SetStaysOpen(true);
  popup->SetIsOpen(true);
  ASSERT_TRUE(popup->IsOpen());
  EXPECT_FALSE(popup->Parent()->Visual()->HitTest());
  popup->SetIsOpen(false);
  EXPECT_EQ(popup->Parent(), root);
}

TEST_F(PopupTest, AnOverlayNeedsASceneToOpenIn) {
  TvgPopup* alone = MakePopup<TvgPopup>(nullptr);
  alone->SetPopupMode(vgPopupOverlay);
  alone->SetIsOpen(true);
  EXPECT_FALSE(alone->IsOpen());
  EXPECT_TRUE(vgOpenPopups().empty());
}

// --- Design mode and streaming ----------------------------------------------------------------

TEST(PopupDesign, IsOpenStaysFalseInADesignedScene) {
  TRecordingScene designed;
  designed.designing = true;
  Owned<TvgPopup> designedPopup(new TvgPopup(nullptr));
  designed.AddObject(designedPopup.get());
  designedPopup->SetIsOpen(true);
  EXPECT_FALSE(designedPopup->IsOpen());
  EXPECT_EQ(designedPopup->PopupForm(), nullptr);
  designed.RemoveObject(designedPopup.get());
}

TEST(PopupStreaming, PropertiesRoundTripAndDefaultsStayOut) {
  vgInitializeToolkit();
  Owned<TvgPopup> written(new TvgPopup(nullptr));
  const std::string defaults = PropertyLines(written.get());
  for (const char* name : {"IsOpen", "StaysOpen", "Placement", "DragWithParent", "PlacementTarget"})
    EXPECT_EQ(defaults.find(name), std::string::npos) << name;
  written->SetStaysOpen(true);
  written->SetPlacement(vgPlacementRightCenter);
  written->PlacementRectangle()->SetRect({1, 2, 3, 4.5f});
  written->SetHorizontalOffset(2.5f);
  written->SetVerticalOffset(-3);
  written->SetDragWithParent(true);
  Owned<TvgPopup> read(new TvgPopup(nullptr));
  LoadFromText(read.get(), SaveAsText(written.get()));
  EXPECT_TRUE(read->StaysOpen());
  EXPECT_EQ(read->Placement(), vgPlacementRightCenter);
  EXPECT_EQ(read->PlacementRectangle()->GetRect(), (TvgRect{1, 2, 3, 4.5f}));
  EXPECT_EQ(read->HorizontalOffset(), 2.5f);
  EXPECT_EQ(read->VerticalOffset(), -3);
  EXPECT_TRUE(read->DragWithParent());
  EXPECT_FALSE(read->Visible());
}

TEST(PopupStreaming, AStreamNeverOpensAPopup) {
  vgInitializeToolkit();
  Owned<TvgPopup> read(new TvgPopup(nullptr));
  LoadFromText(read.get(), "object TvgPopup\r\n  IsOpen = True\r\nend\r\n");
  EXPECT_FALSE(read->IsOpen());
  EXPECT_EQ(read->PopupForm(), nullptr);
}

TEST(PopupStreaming, AMessagePopupStaysOpenFollowsAndDisablesByDefault) {
  vgInitializeToolkit();
  Owned<TvgMessagePopup> written(new TvgMessagePopup(nullptr));
  const std::string defaults = PropertyLines(written.get());
  for (const char* name : {"StaysOpen", "DragWithParent", "DisableScene"})
    EXPECT_EQ(defaults.find(name), std::string::npos) << name;
  written->SetDisableScene(false);
  written->SetStaysOpen(false);
  Owned<TvgMessagePopup> read(new TvgMessagePopup(nullptr));
  LoadFromText(read.get(), SaveAsText(written.get()));
  EXPECT_FALSE(read->DisableScene());
  EXPECT_FALSE(read->StaysOpen());
  EXPECT_TRUE(read->DragWithParent());
}

TEST(PopupRegistry, BothClassesAreRegisteredUnderPopup) {
  vgInitializeToolkit();
  std::vector<TClass> popupClasses;
  for (const TvgObjectCategory& entry : vgObjectCategories())
    if (entry.Category == "Popup") popupClasses.push_back(entry.Class);
  EXPECT_EQ(popupClasses, (std::vector<TClass>{TvgPopup::StaticClass(), TvgMessagePopup::StaticClass()}));
  EXPECT_EQ(GetClass("TvgPopup"), TvgPopup::StaticClass());
  EXPECT_EQ(GetClass("TvgMessagePopup"), TvgMessagePopup::StaticClass());
}

}  // namespace
