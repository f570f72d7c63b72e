// Pop-ups placed at the mouse: the real pointer is moved, so these run alone on the display.
#include "engine/scene/Popup.h"
//
#include <gtest/gtest.h>

#include "tests/support/DesktopFixture.h"
#include "classlib/desktop/Form.h"
#include "engine/scene/PopupForm.h"
#include "engine/scene/Scene.h"
#include "toolkit/Toolkit.h"

namespace {

class PopupAtMouse : public DesktopTest {
protected:
  static void SetUpTestSuite() { vgInitializeToolkit(); }
  void SetUp() override {
    DesktopTest::SetUp();
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 300, 200);
    scene = new TvgWindowScene(form);
    scene->SetParent(form);
    scene->SetAlign(alClient);
    root = new TvgVisualObject(nullptr);
    scene->AddObject(root);
    form->Show();
  }
  void TearDown() override {
    form->Free();
    DesktopTest::TearDown();
  }

  // An 80 x 40 pop-up beneath the root (so placed with a target) or alone.
  TvgPopup* MakePopup(bool inTree) {
    auto* made = new TvgPopup(form);
    made->SetWidth(80);
    made->SetHeight(40);
    if (inTree) root->AddObject(made);
    return made;
  }

  TForm* form = nullptr;
  TvgWindowScene* scene = nullptr;
  TvgVisualObject* root = nullptr;
};

TEST_F(PopupAtMouse, OpensAtTheCursorAndOnlyAPlacementWithATargetIsKeptOnTheMonitor) {
  const int w = GetSystemMetrics(SM_CXSCREEN);
  struct Case {
    const char* name;
    TvgPlacement placement;
    bool withTarget;
    POINT cursor, expected;
  };
  const Case cases[] = {
      {"at the cursor", vgPlacementMouse, true, {500, 300}, {500, 300}},
      {"centred: shifted left by half the width", vgPlacementMouseCenter, true, {500, 300}, {460, 300}},
      {"without target: at the cursor", vgPlacementMouse, false, {520, 310}, {520, 310}},
      {"with a target: pulled back from the right edge", vgPlacementMouse, true, {w - 20, 300}, {w - 80, 300}},
      {"without target: not pulled back", vgPlacementMouse, false, {w - 20, 300}, {w - 20, 300}},
  };
  for (const Case& c : cases) {
    TvgPopup* popup = MakePopup(c.withTarget);
    popup->SetPlacement(c.placement);
    ASSERT_TRUE(SetCursorPos(c.cursor.x, c.cursor.y));
    popup->SetIsOpen(true);
    ASSERT_NE(popup->PopupForm(), nullptr) << c.name;
    RECT r{};
    GetWindowRect(popup->PopupForm()->Handle(), &r);
    EXPECT_EQ(r.left, c.expected.x) << c.name;
    EXPECT_EQ(r.top, c.expected.y) << c.name;
    popup->Free();
  }
}

TEST_F(PopupAtMouse, AnOpenPopupDoesNotFollowTheCursor) {
  TvgPopup* popup = MakePopup(true);
  popup->SetPlacement(vgPlacementMouse);
  ASSERT_TRUE(SetCursorPos(400, 300));
  popup->SetIsOpen(true);
  ASSERT_TRUE(SetCursorPos(600, 350));
  popup->ApplyPlacement();
  RECT r{};
  GetWindowRect(popup->PopupForm()->Handle(), &r);
  EXPECT_EQ(r.left, 400);
  EXPECT_EQ(r.top, 300);
}

}  // namespace
