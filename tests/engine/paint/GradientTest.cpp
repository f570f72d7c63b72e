#include "engine/paint/Gradient.h"

#include <gtest/gtest.h>

#include "tests/support/ValueStreaming.h"

namespace {

// A component to stream a gradient through, as a brush or a shape would own one.
class TGradientHolder : public TComponent {
  CL_CLASS(TGradientHolder, TComponent)
public:
  TGradientHolder() : TComponent(nullptr) {}
  TvgGradient* Gradient() const { return gradient_.get(); }
  void SetGradient(TvgGradient* gradient) { gradient_->Assign(gradient); }

private:
  std::unique_ptr<TvgGradient> gradient_ = std::make_unique<TvgGradient>();
};

CL_PUBLISHED(TGradientHolder) {
  published.Property("Gradient", &TGradientHolder::Gradient, &TGradientHolder::SetGradient);
}

void SetStops(TvgGradient& gradient, std::initializer_list<std::pair<TvgColor, float>> stops) {
  gradient.Points()->Clear();
  for (auto [color, offset] : stops) gradient.Points()->Add(color, offset);
}

TEST(Gradient, StartsBlackToWhiteFromTopToBottom) {
  TvgGradient gradient;
  ASSERT_EQ(gradient.Points()->Count(), 2);
  EXPECT_EQ(gradient.Points()->Points(0)->IntColor(), 0xFF000000u);
  EXPECT_EQ(gradient.Points()->Points(1)->Offset(), 1.0f);
  EXPECT_EQ(gradient.Style(), vgLinearGradient);
  EXPECT_EQ(gradient.StartPosition()->GetPoint(), (TvgPoint{0, 0}));
  EXPECT_EQ(gradient.StopPosition()->GetPoint(), (TvgPoint{0, 1}));
}

TEST(Gradient, InterpolatesAlongItsStopsInCollectionOrder) {
  TvgGradient standard;
  TvgGradient sameOffset, threeStops, single;
  SetStops(sameOffset, {{0xFFFF0000, 0.5f}, {0xFF0000FF, 0.5f}});
  SetStops(threeStops, {{0xFF000000, 0}, {0xFFFF0000, 0.25f}, {0xFFFFFFFF, 1}});
  SetStops(single, {{0xFFFF0000, 0}});
  struct Case {
    const TvgGradient* gradient;
    float offset;
    TvgColor expected;
  } cases[] = {
      {&standard, 0.5f, 0xFF7F7F7F},   {&standard, -1, 0xFF000000},   {&standard, 2, 0xFFFFFFFF},
      {&sameOffset, 0.2f, 0xFFFF0000}, {&sameOffset, 0.5f, 0xFFFF0000}, {&sameOffset, 0.8f, 0xFF0000FF},
      {&threeStops, 0.125f, 0xFF7F0000}, {&threeStops, 0.25f, 0xFFFF0000}, {&single, 0.5f, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.gradient->InterpolateColor(c.offset), c.expected) << "offset " << c.offset;
}

TEST(Gradient, RaisesOneChangeForAssignAndNoneForItsStops) {
  TvgGradient gradient;
  int changes = 0;
  gradient.OnChanged = [&](TObject*) { ++changes; };
  gradient.Points()->Points(0)->SetColor("#FF112233");
  gradient.Points()->Add(0xFF00FF00, 0.5f);
  EXPECT_EQ(changes, 0);
  gradient.StopPosition()->SetY(0.5f);
  gradient.SetStyle(vgRadialGradient);
  gradient.SetStyle(vgRadialGradient);
  gradient.RadialTransform()->SetRotateAngle(45);
  EXPECT_EQ(changes, 3);
  TvgGradient source;
  SetStops(source, {{0xFF010203, 0}, {0xFF040506, 0.3f}, {0xFF070809, 1}});
  source.SetStyle(vgLinearGradient);
  source.StartPosition()->SetX(0.25f);
  changes = 0;
  gradient.Assign(&source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(gradient.Points()->Count(), 3);
  EXPECT_EQ(gradient.Points()->Points(1)->IntColor(), 0xFF040506u);
  EXPECT_EQ(gradient.Style(), vgLinearGradient);
  EXPECT_EQ(gradient.StartPosition()->X(), 0.25f);
  TPersistent notAGradient;
  EXPECT_THROW(gradient.Assign(&notAGradient), EConvertError);
}

TEST(Gradient, StreamsThePositionsOrTheTransformItsStyleUses) {
  TGradientHolder holder;
  holder.Gradient()->StopPosition()->SetPoint({1, 1});
  holder.Gradient()->RadialTransform()->Scale()->SetX(2);
  EXPECT_EQ(PropertyLines(&holder),
            "  Gradient.Points = <\r\n"
            "    item\r\n"
            "      Color = '#FF000000'\r\n"
            "    end\r\n"
            "    item\r\n"
            "      Color = '#FFFFFFFF'\r\n"
            "      Offset = 1.000000000000000000\r\n"
            "    end>\r\n"
            "  Gradient.Style = vgLinearGradient\r\n"
            "  Gradient.StopPosition.Point = '(1,1)'\r\n");
  holder.Gradient()->SetStyle(vgRadialGradient);
  std::string radial = PropertyLines(&holder);
  EXPECT_NE(radial.find("Gradient.Style = vgRadialGradient"), std::string::npos);
  EXPECT_NE(radial.find("Gradient.RadialTransform.Scale.Point = '(2,1)'"), std::string::npos);
  EXPECT_EQ(radial.find("StopPosition"), std::string::npos);

  TGradientHolder copy;
  LoadFromText(&copy, SaveAsText(&holder));
  EXPECT_EQ(copy.Gradient()->Style(), vgRadialGradient);
  EXPECT_EQ(copy.Gradient()->RadialTransform()->Scale()->X(), 2);
  EXPECT_EQ(copy.Gradient()->Points()->Count(), 2);
  EXPECT_EQ(copy.Gradient()->Points()->Points(1)->IntColor(), 0xFFFFFFFFu);
}

}  // namespace
