// Window frames in the default style: the close button that closes its form only on a release
// over it, size grips the scene resizes the form by, the HUD window's parts, and the splitter
// that resizes its neighbour within its limits.
#include "tests/support/ControlsFixture.h"
//
#include <string>

#include "controls/panels/StatusBar.h"
#include "controls/windows/CloseButton.h"
#include "controls/windows/SizeGrip.h"
#include "controls/windows/Splitter.h"
#include "controls/windows/Window.h"
#include "engine/paint/Brush.h"
#include "engine/scene/SizeGripInterface.h"
#include "engine/shapes/Shapes.h"

namespace {

class WindowsTest : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    form->OnClose = [this](TObject*, TCloseAction&) { ++closes; };
  }
  template <class T = TvgCloseButton>
  T* AddCloseButton() {
    T* button = Add<T>(20, 20, 20, 20);
    button->OnClick = [this](TObject*) { ++clicks; };
    return button;
  }
  static TvgVisualObject* Part(TvgControl* control, const char* name) {
    TvgObject* part = control->FindResource(name);
    return part ? part->Visual() : nullptr;
  }

  int closes = 0;
  int clicks = 0;
};

TEST_F(WindowsTest, TheCloseButtonClosesItsFormOnlyOnAReleaseOverIt) {
  AddCloseButton();
  ClickAt(30, 30);
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(clicks, 1);

  Press(30, 30);
  Move(150, 150, MK_LBUTTON);
  Send(WM_LBUTTONUP, 0, MAKELPARAM(150, 150));
  EXPECT_EQ(closes, 1) << "released off the button";
  EXPECT_EQ(clicks, 1);

  Press(150, 150);
  Release(30, 30);
  EXPECT_EQ(closes, 1) << "pressed elsewhere";
  Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 30));
  Send(WM_RBUTTONUP, 0, MAKELPARAM(30, 30));
  EXPECT_EQ(closes, 1) << "the right button";
}

TEST_F(WindowsTest, ACloseButtonThatDoesNotCloseTheFormOnlyReportsItsClick) {
  TvgCloseButton* button = AddCloseButton();
  button->SetCloseForm(false);
  ClickAt(30, 30);
  EXPECT_EQ(closes, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(button->CanFocused());
}

TEST_F(WindowsTest, SizeGripsAreWhatTheSceneResizesTheFormByAndTakeThePointer) {
  auto* bar = Add<TvgStatusBar>(0, 178, 300, 22);
  TvgVisualObject* grip = Part(bar, "sizegrip");
  ASSERT_NE(dynamic_cast<TvgSizeGrip*>(grip), nullptr) << "a real grip in the status bar's style";
  EXPECT_TRUE(grip->HitTest());
  grip->Visual()->ApplyResource();
  EXPECT_NE(Part(static_cast<TvgSizeGrip*>(grip), "grip"), nullptr) << "the dots of sizegripstyle";
  for (const char* name : {"TvgSizeGrip", "TvgHudSizeGrip"}) {
    TObject* object = GetClass(name)->Construct(nullptr);
    EXPECT_NE(dynamic_cast<IvgSizeGrip*>(object), nullptr) << name;
    object->Free();
  }
}

TEST_F(WindowsTest, TheHudWindowBindsItsFrameCaptionCloseButtonAndGrip) {
  auto* window = Add<TvgHudWindow>(10, 10, 200, 150);
  window->SetText(L"Tools");
  TvgVisualObject *close = Part(window, "close"), *grip = Part(window, "sizegrip");
  ASSERT_NE(dynamic_cast<TvgCloseButton*>(close), nullptr);
  ASSERT_NE(dynamic_cast<TvgSizeGrip*>(grip), nullptr);
  EXPECT_TRUE(close->Visible());
  EXPECT_EQ(close->Align(), vaLeft);
  EXPECT_EQ(grip->GetAbsoluteRect(), (TvgRect{193, 143, 209, 159})) << "in the corner, inside the outline";
  EXPECT_EQ(Part(window, "caption")->Height(), 21);
  EXPECT_EQ(static_cast<TvgShape*>(Part(window, "back"))->Fill()->SolidColor(), 0xEA2F2F2Fu);

  window->Fill()->SetSolidColor(0xFF102030);
  EXPECT_EQ(static_cast<TvgShape*>(Part(window, "back"))->Fill()->SolidColor(), 0xFF102030u);
  window->SetStrokeThickness(3);
  EXPECT_EQ(Part(window, "caption")->Height(), 23);
  EXPECT_EQ(Part(window, "stroke")->Margins()->GetRect(), (TvgRect{3, 3, 3, 3}));
  window->SetButtonAlign(vgButtonAlignRight);
  EXPECT_EQ(Part(window, "close")->Align(), vaRight);
  window->SetShowCaption(false);
  EXPECT_FALSE(Part(window, "caption")->Visible());
  EXPECT_FALSE(Part(window, "text")->Visible());
  EXPECT_FALSE(Part(window, "close")->Visible());
  EXPECT_TRUE(Part(window, "caption")->DesignHide());

  window->SetShowSizeGrip(false);
  EXPECT_FALSE(Part(window, "sizegrip")->Visible());
  window->SetShowCloseButton(false);
  EXPECT_FALSE(Part(window, "close")->Visible());
}

TEST_F(WindowsTest, AWindowWithOnCloseClickRunsItInsteadOfClosingTheForm) {
  auto* window = Add<TvgHudWindow>(0, 0, 200, 150);
  int closeClicks = 0;
  window->OnCloseClick = [&](TObject*) { ++closeClicks; };
  window->SetResource("");
  const TvgPoint close = Part(window, "close")->LocalToAbsolute({10, 10});
  ClickAt(int(close.X), int(close.Y));
  EXPECT_EQ(closeClicks, 1);
  EXPECT_EQ(closes, 0);

  window->OnCloseClick = nullptr;
  window->SetResource("");
  ClickAt(int(close.X), int(close.Y));
  EXPECT_EQ(closes, 1);
}

// --- Splitter ---------------------------------------------------------------------------------

// In a 300 x 200 container: a left panel 100 wide, the splitter beside it, a right panel 50 wide
// and the client area between.
class SplitterTest : public WindowsTest {
protected:
  void SetUp() override {
    WindowsTest::SetUp();
    container = new TvgVisualObject(nullptr);
    root->AddObject(container);
    container->SetBounds(0, 0, 300, 200);
    left = AddPanel(vaLeft, 0, 100);
    splitter = new TvgSplitter(nullptr);
    container->AddObject(splitter);
    splitter->Position()->SetX(100);
    right = AddPanel(vaRight, 250, 50);
    AddPanel(vaClient, 105, 0);
  }
  TvgRectangle* AddPanel(TvgAlign align, float x, float width) {
    auto* panel = new TvgRectangle(nullptr);
    container->AddObject(panel);
    panel->SetBounds(x, 0, width, 200);
    panel->SetAlign(align);
    return panel;
  }
  // Drags the splitter's middle by dx, dy.
  void Drag(TvgSplitter* bar, int dx, int dy) {
    const TvgPoint middle = bar->LocalToAbsolute({bar->Width() / 2, bar->Height() / 2});
    Press(int(middle.X), int(middle.Y));
    Move(int(middle.X) + dx, int(middle.Y) + dy, MK_LBUTTON);
    Release(int(middle.X) + dx, int(middle.Y) + dy);
  }

  TvgVisualObject* container = nullptr;
  TvgRectangle *left = nullptr, *right = nullptr;
  TvgSplitter* splitter = nullptr;
};

TEST_F(SplitterTest, DraggingResizesTheNeighbourWithinMinSizeAndTheRoomTheOthersLeave) {
  ASSERT_EQ(splitter->Position()->X(), 100);
  Drag(splitter, -30, 0);
  EXPECT_EQ(left->Width(), 70);
  EXPECT_EQ(splitter->Position()->X(), 70) << "the alignment moves the splitter along";
  Drag(splitter, -500, 0);
  EXPECT_EQ(left->Width(), 20) << "MinSize";
  Drag(splitter, 1000, 0);
  EXPECT_EQ(left->Width(), 225) << "300 less MinSize and the other left/right objects";
  EXPECT_EQ(right->Width(), 50);
}

TEST_F(SplitterTest, ARightSplitterGrowsItsNeighbourLeftwardsAndTheCursorFollowsTheAlign) {
  auto* rightSplitter = new TvgSplitter(nullptr);
  container->AddObject(rightSplitter);
  rightSplitter->Position()->SetX(240);
  rightSplitter->SetAlign(vaRight);
  container->Realign();
  EXPECT_EQ(rightSplitter->Cursor(), -14);
  Drag(rightSplitter, -40, 0);
  EXPECT_EQ(right->Width(), 90);
  EXPECT_EQ(right->Position()->X(), 210);
  rightSplitter->SetAlign(vaTop);
  EXPECT_EQ(rightSplitter->Cursor(), -15);
}

TEST_F(SplitterTest, SplittersAlignedNeitherWayResizeNothing) {
  for (TvgAlign align : {vaClient, vaNone}) {
    splitter->SetAlign(align);
    splitter->SetBounds(100, 0, 5, 200);
    splitter->BringToFront();
    Drag(splitter, 40, 0);
    EXPECT_EQ(left->Width(), 100) << align;
  }
}

TEST_F(SplitterTest, TheGripShowsWhileShowGrip) {
  splitter->ApplyResource();
  TvgVisualObject* grip = Part(splitter, "grip");
  ASSERT_NE(grip, nullptr);
  EXPECT_TRUE(grip->Visible());
  splitter->SetShowGrip(false);
  EXPECT_FALSE(grip->Visible());
}

}  // namespace
