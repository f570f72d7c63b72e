// TvgNonVGLayout: a real child window of a form follows the layout's rect in the scene and the
// visibility of the layout's ancestors, the latter also through its 100 ms timer.
#include "engine/layouts/LayoutNonVG.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "tests/support/RecordingScene.h"
#include "classlib/desktop/Form.h"
#include "classlib/desktop/Timer.h"
#include "classlib/desktop/WinControl.h"

namespace {

class NonVGLayout : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_NE(getenv("DISPLAY"), nullptr) << "these tests need the X display that the test fixture starts";
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 300, 200);
    control->SetParent(form);
    control->SetBounds(0, 0, 10, 10);
    ancestor = scene.AddRoot<TvgVisualObject>(300, 200);
    layout = new TvgNonVGLayout(nullptr);
    layout->SetBounds(10.5f, 20.4f, 100.2f, 50.5f);
    ancestor->AddObject(layout);
  }
  void TearDown() override {
    control->Free();
    form->Free();
  }
  // Left, top, right, bottom of the control's window in the form's client area.
  std::vector<LONG> ControlRect() const {
    RECT r;
    GetWindowRect(control->Handle(), &r);
    MapWindowPoints(HWND_DESKTOP, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
  }

  TRecordingScene scene;
  TForm* form = new TForm(nullptr);
  TWinControl* control = new TWinControl(nullptr);
  TvgVisualObject* ancestor = nullptr;
  TvgNonVGLayout* layout = nullptr;
};

TEST_F(NonVGLayout, TheControlTakesTheLayoutsRectRounded) {
  layout->SetNonVGControl(control);
  EXPECT_EQ(ControlRect(), (std::vector<LONG>{10, 20, 111, 71})) << "left 10.5 rounds to even, right 110.7 to 111";
  layout->Position()->SetX(40);
  EXPECT_EQ(ControlRect(), (std::vector<LONG>{40, 20, 140, 71}));
  ancestor->Position()->SetY(30);
  layout->Realign();
  EXPECT_EQ(ControlRect(), (std::vector<LONG>{40, 50, 140, 101}));
}

TEST_F(NonVGLayout, HidingAnAncestorHidesTheControlOnTheNextTimerTick) {
  layout->SetNonVGControl(control);
  TTimer* timer = layout->VisibilityTimer();
  EXPECT_EQ(timer->Interval(), 100u);
  EXPECT_TRUE(timer->Enabled()) << "a shown control is watched";
  ancestor->SetVisible(false);
  EXPECT_TRUE(control->Visible());
  SendMessage(timer->Handle(), WM_TIMER, 1, 0);
  EXPECT_FALSE(control->Visible());
  EXPECT_FALSE(timer->Enabled());
  ancestor->SetVisible(true);
  layout->Position()->SetX(60);
  EXPECT_TRUE(layout->CheckParentVisible());
  EXPECT_TRUE(control->Visible());
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(ControlRect()[0], 60) << "a control shown again is placed again";
}

TEST_F(NonVGLayout, ForgetsAControlThatIsFreed) {
  TvgNonVGLayout unused(nullptr);
  EXPECT_FALSE(unused.VisibilityTimer()->Enabled());
  layout->SetNonVGControl(control);
  control->Free();
  control = new TWinControl(nullptr);
  EXPECT_EQ(layout->NonVGControl(), nullptr);
  EXPECT_FALSE(layout->VisibilityTimer()->Enabled());
}

}  // namespace
