// Buttons showing actions: a button streamed with its action by name takes the caption and runs
// the action when clicked; a bitmap button shows the image of its action's image index.
#include "tests/support/ControlsFixture.h"
//
#include "classlib/core/StringStream.h"
#include "controls/buttons/BitmapButton.h"
#include "controls/buttons/Button.h"
#include "engine/paint/Bitmap.h"
#include "classlib/desktop/ActionList.h"
#include "classlib/desktop/Bitmap.h"
#include "classlib/desktop/ImageList.h"

namespace {

class ButtonActionTest : public ControlsTest {};

TEST_F(ButtonActionTest, AClickedButtonRunsItsActionAndShowsItsCaption) {
  TAction action(form);
  action.SetName("SaveAction");
  action.SetCaption("Save");
  int runs = 0;
  action.SetOnExecute([&](TObject*) { ++runs; });
  auto* button = Add<TvgButton>(50, 40, 80, 22);
  button->SetAction(&action);
  EXPECT_EQ(button->Text(), L"Save");
  scene->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(90, 50));
  scene->Perform(WM_LBUTTONUP, 0, MAKELPARAM(90, 50));
  EXPECT_EQ(runs, 1);
  action.SetEnabled(false);
  EXPECT_FALSE(button->Enabled());
  button->SetAction(nullptr);
}

TEST_F(ButtonActionTest, TheActionIsPublishedAsAReferenceByName) {
  const TPropInfo* prop = FindPropInfo(Add<TvgButton>(0, 0, 80, 22), "Action");
  ASSERT_NE(prop, nullptr);
  EXPECT_TRUE(prop->IsComponentReference());
}

TEST_F(ButtonActionTest, ABitmapButtonShowsTheImageOfItsActionsIndex) {
  auto* images = new TImageList(form);
  TBitmap glyph;
  glyph.SetPixelFormat(pf32bit);
  for (uint32_t color : {0xFFFF0000u, 0xFF0000FFu}) {
    glyph.SetSize(0, 0);
    glyph.SetSize(8, 8);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) static_cast<uint32_t*>(glyph.ScanLine(y))[x] = color;
    images->Add(&glyph);
  }
  auto* list = new TActionList(form);
  list->SetImages(images);
  auto* action = new TAction(form);
  action->SetActionList(list);
  action->SetImageIndex(1);
  auto* button = Add<TvgBitmapButton>(10, 10, 60, 60);
  button->SetAction(action);
  ASSERT_EQ(button->Bitmap()->Width(), 8);
  EXPECT_EQ(button->Bitmap()->GetScanline(4)[4], 0xFF0000FFu);
  action->SetImageIndex(0);
  EXPECT_EQ(button->Bitmap()->GetScanline(4)[4], 0xFFFF0000u);
  action->SetImageIndex(5);  // outside the list: the glyph stays
  EXPECT_EQ(button->Bitmap()->GetScanline(4)[4], 0xFFFF0000u);
}

}  // namespace
