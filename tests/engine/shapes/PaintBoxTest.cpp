// TvgPaintBox: its OnPaint handler draws in local coordinates on the scene's canvas, and is bound
// by name as a published event.
#include "engine/shapes/PaintBox.h"

#include <gtest/gtest.h>

#include "tests/support/ShapeFixture.h"

namespace {

constexpr TvgColor kGreen = 0xFF00FF00;

// Fills a 10 x 10 square at the paint box's origin.
void PaintSquare(TObject*, TvgCanvas* canvas) {
  SetSolid(canvas->Fill(), kGreen);
  canvas->FillRect({0, 0, 10, 10}, 0, 0, {}, 1, vgCornerRound);
}

class TPaintBoxForm : public TComponent {
  CL_CLASS(TPaintBoxForm, TComponent)
public:
  using TComponent::TComponent;
  TObject* sender = nullptr;
  void BoxPaint(TObject* paintBox, TvgCanvas* canvas) {
    sender = paintBox;
    PaintSquare(paintBox, canvas);
  }
};

}  // namespace

CL_PUBLISHED(TPaintBoxForm) { CL_METHOD(TPaintBoxForm, BoxPaint); }

namespace {

class PaintBoxPixels : public ShapePixels {};

TEST_F(PaintBoxPixels, TheHandlerDrawsInTheBoxsOwnCoordinates) {
  auto* box = Add<TvgPaintBox>(30, 40, 50, 50);
  TvgCanvas* given = nullptr;
  box->OnPaint = [&given](TObject* sender, TvgCanvas* canvas) {
    given = canvas;
    PaintSquare(sender, canvas);
  };
  Paint();
  EXPECT_EQ(given, canvas.get());
  EXPECT_EQ(InkBounds(), (TvgRect{30, 40, 40, 50}));
  EXPECT_TRUE(NearColor(At(35, 45), kGreen, 0));
}

TEST_F(PaintBoxPixels, WithoutAHandlerNothingIsDrawn) {
  Add<TvgPaintBox>(30, 40, 50, 50);
  Paint();
  EXPECT_EQ(InkedCount(), 0);
}

TEST_F(PaintBoxPixels, AHandlerBoundByNameGetsTheBoxAndItsCanvas) {
  TPaintBoxForm form(nullptr);
  auto* box = Add<TvgPaintBox>(0, 0, 50, 50);
  const TPropInfo* event = FindPropInfo(box, "OnPaint");
  ASSERT_NE(event, nullptr);
  EXPECT_EQ(event->Kind, TPropKind::Method);
  event->Set(*box, TMethod{form.MethodAddress("BoxPaint"), &form});
  Paint();
  EXPECT_EQ(form.sender, box);
  EXPECT_TRUE(NearColor(At(5, 5), kGreen, 0));
  EXPECT_EQ(std::get<TMethod>(event->Get(*box)).Code, form.MethodAddress("BoxPaint"));
}

}  // namespace
