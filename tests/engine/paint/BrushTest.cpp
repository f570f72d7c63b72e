#include "engine/paint/Brush.h"

#include <gtest/gtest.h>

#include "engine/tree/TreeUnit.h"
#include "engine/styles/ResourceObjects.h"
#include "engine/tree/VisualObject.h"
#include "tests/support/ValueStreaming.h"

namespace {

// A shape's fill as the shapes create it.
class TBrushHolder : public TComponent {
  CL_CLASS(TBrushHolder, TComponent)
public:
  TBrushHolder() : TComponent(nullptr) {}
  TvgBrush* Fill() const { return fill_.get(); }
  void SetFill(TvgBrush* brush) { fill_->Assign(brush); }

private:
  std::unique_ptr<TvgBrush> fill_ = std::make_unique<TvgBrush>(vgBrushSolid, 0xFFE0E0E0);
};

CL_PUBLISHED(TBrushHolder) { published.Property("Fill", &TBrushHolder::Fill, &TBrushHolder::SetFill); }

std::string FillLines(TBrushHolder& holder) { return PropertyLines(&holder); }

TEST(Brush, StreamsNothingWhileItHoldsItsDefaults) {
  TBrushHolder holder;
  EXPECT_EQ(FillLines(holder), "");
  holder.Fill()->SetColor("#FFE0E0E0");
  EXPECT_EQ(FillLines(holder), "");
  holder.Fill()->SetColor("#FF000000");
  EXPECT_EQ(FillLines(holder), "  Fill.Color = '#FF000000'\r\n");
}

TEST(Brush, StreamsOnlyWhatItsStyleSelects) {
  TBrushHolder holder;
  TvgBrush& fill = *holder.Fill();
  fill.SetColor("#FF123456");
  fill.Resource()->SetResourceName("grad");
  fill.Bitmap()->SetWrapMode(vgWrapTileStretch);
  struct Case {
    TvgBrushStyle style;
    std::vector<const char*> present, absent;
  } cases[] = {
      {vgBrushNone, {"Fill.Style = vgBrushNone"}, {"Color", "Gradient", "Bitmap", "Resource"}},
      {vgBrushSolid, {"Fill.Color = '#FF123456'"}, {"Style", "Gradient", "Bitmap", "Resource"}},
      {vgBrushGradient, {"Fill.Style = vgBrushGradient", "Fill.Gradient.Points = <", "Fill.Gradient.Style"},
       {"Fill.Color", "Bitmap", "Resource"}},
      {vgBrushBitmap, {"Fill.Style = vgBrushBitmap", "Fill.Bitmap.WrapMode = vgWrapTileStretch"},
       {"Fill.Color", "Gradient", "Resource"}},
      {vgBrushResource, {"Fill.Style = vgBrushResource", "Fill.Resource.ResourceName = 'grad'"},
       {"Fill.Color", "Gradient", "Bitmap"}},
      {vgBrushVisual, {"Fill.Style = vgBrushVisual"}, {"Fill.Color", "Gradient", "Bitmap", "Resource"}},
  };
  for (const auto& c : cases) {
    fill.SetStyle(c.style);
    std::string lines = FillLines(holder);
    for (const char* text : c.present) EXPECT_NE(lines.find(text), std::string::npos) << text << " in\n" << lines;
    for (const char* text : c.absent) EXPECT_EQ(lines.find(text), std::string::npos) << text << " in\n" << lines;
  }
}

TEST(Brush, ReadsBackWhatItWrote) {
  TBrushHolder holder;
  holder.Fill()->SetStyle(vgBrushGradient);
  holder.Fill()->Gradient()->Points()->Points(0)->SetColor("#FF505050");
  holder.Fill()->Gradient()->Points()->Points(1)->SetColor("#FF303030");
  TBrushHolder copy;
  LoadFromText(&copy, SaveAsText(&holder));
  EXPECT_EQ(copy.Fill()->Style(), vgBrushGradient);
  EXPECT_EQ(copy.Fill()->Gradient()->Points()->Points(0)->IntColor(), 0xFF505050u);
  EXPECT_EQ(copy.Fill()->Gradient()->Points()->Points(1)->IntColor(), 0xFF303030u);
}

TEST(Brush, ColourTextRecoloursTheFirstStopOfAGradient) {
  TvgBrush brush(vgBrushGradient, 0xFFFFFFFF);
  int changes = 0;
  brush.OnChanged = [&](TObject*) { ++changes; };
  brush.SetColor("#FFFF0000");
  EXPECT_EQ(brush.Gradient()->Points()->Points(0)->IntColor(), 0xFFFF0000u);
  EXPECT_EQ(brush.SolidColor(), 0xFFFF0000u);
  EXPECT_EQ(changes, 1);
  brush.SetColor("#FFFF0000");
  EXPECT_EQ(changes, 1);
  brush.SetColor("no colour");
  EXPECT_EQ(brush.SolidColor(), 0u);
  TvgBrush solid(vgBrushSolid, 0xFFFFFFFF);
  solid.SetColor("Red");
  EXPECT_EQ(solid.Gradient()->Points()->Points(0)->IntColor(), 0xFF000000u);
}

TEST(Brush, RaisesOneChangePerRealChange) {
  TvgBrush brush(vgBrushSolid, 0xFF000000);
  int changes = 0;
  brush.OnChanged = [&](TObject*) { ++changes; };
  struct Step {
    std::function<void()> action;
    int expected;
  } steps[] = {
      {[&] { brush.SetSolidColor(0xFF000000); }, 0},
      {[&] { brush.SetSolidColor(0xFF000001); }, 1},
      {[&] { brush.SetStyle(vgBrushSolid); }, 1},
      {[&] { brush.SetStyle(vgBrushGradient); }, 2},
      {[&] { brush.Gradient()->SetStyle(vgRadialGradient); }, 3},
      {[&] { brush.Bitmap()->SetWrapMode(vgWrapTileOriginal); }, 4},
      {[&] { brush.Bitmap()->Bitmap()->SetSize(2, 2); }, 5},
      {[&] {
         TvgBrush other(vgBrushGradient, 0);
         brush.Assign(&other);
       },
       6},
  };
  for (size_t i = 0; i < std::size(steps); ++i) {
    steps[i].action();
    EXPECT_EQ(changes, steps[i].expected) << "step " << i;
  }
}

TEST(Brush, AssignCopiesDefaultsColourStyleAndTheUsedPart) {
  TvgBrush source(vgBrushNone, 0xFF111111);
  source.SetSolidColor(0xFF222222);
  source.SetStyle(vgBrushGradient);
  source.Gradient()->Points()->Points(0)->SetIntColor(0xFF333333);
  TvgBrush target(vgBrushSolid, 0xFFE0E0E0);
  target.Assign(&source);
  EXPECT_EQ(target.DefaultStyle(), vgBrushNone);
  EXPECT_EQ(target.DefaultColor(), 0xFF111111u);
  EXPECT_EQ(target.SolidColor(), 0xFF222222u);
  EXPECT_EQ(target.Style(), vgBrushGradient);
  EXPECT_EQ(target.Gradient()->Points()->Points(0)->IntColor(), 0xFF333333u);
  TvgGradient notABrush;
  EXPECT_THROW(target.Assign(&notABrush), EConvertError);
}

class BrushResource : public ::testing::Test {
protected:
  void SetUp() override { vgInitializeTreeUnit(); }
  TComponent owner{nullptr};
  TvgBrushObject* MakeBrushObject(const std::string& name, TvgColor color) {
    auto* object = new TvgBrushObject(&owner);
    object->SetName(name);
    object->Brush()->SetSolidColor(color);
    return object;
  }
};

TEST_F(BrushResource, ResolvesByNameAlsoWhenTheObjectComesLater) {
  TvgBrush brush(vgBrushResource, 0);
  brush.Resource()->SetResourceName("accent");
  EXPECT_EQ(brush.Resource()->GetBrush(), nullptr);
  EXPECT_EQ(brush.GetSolidColor(), 0u);
  TvgBrushObject* accent = MakeBrushObject("Accent", 0xFF337AB7);
  EXPECT_EQ(accent->ResourceName(), "Accent");
  EXPECT_EQ(brush.Resource()->GetBrush(), accent->Brush());
  EXPECT_EQ(brush.Resource()->Resource(), accent);
  EXPECT_EQ(brush.GetSolidColor(), 0xFF337AB7u);
  accent->Free();
  EXPECT_EQ(brush.Resource()->Resource(), nullptr);
  EXPECT_EQ(brush.Resource()->ResourceName(), "Accent");
  EXPECT_EQ(brush.GetSolidColor(), 0u);
}

TEST_F(BrushResource, AssignTakesTheResolvedColour) {
  MakeBrushObject("Solid1", 0xFF00FF00);
  TvgBrush source(vgBrushResource, 0);
  source.Resource()->SetResourceName("solid1");
  TvgBrush target;
  target.Assign(&source);
  EXPECT_EQ(target.SolidColor(), 0xFF00FF00u);
  EXPECT_EQ(target.Style(), vgBrushResource);
  EXPECT_EQ(target.Resource()->Resource(), source.Resource()->Resource());
  EXPECT_EQ(target.Resource()->ResourceName(), "Solid1");  // the found object's own spelling
}

TEST_F(BrushResource, FollowsChainsAndStopsAtLoops) {
  TvgBrushObject* first = MakeBrushObject("First", 0xFF0000FF);
  TvgBrushObject* second = MakeBrushObject("Second", 0xFF00FF00);
  TvgBrushObject* third = MakeBrushObject("Third", 0xFFFF0000);
  first->Brush()->SetStyle(vgBrushResource);
  first->Brush()->Resource()->SetResource(second);
  second->Brush()->SetStyle(vgBrushResource);
  second->Brush()->Resource()->SetResource(third);
  EXPECT_EQ(first->Brush()->ResolveBrush(), third->Brush());
  EXPECT_EQ(first->Brush()->GetSolidColor(), 0xFFFF0000u);
  third->Brush()->SetStyle(vgBrushResource);
  third->Brush()->Resource()->SetResource(first);
  TvgBrush* resolved = first->Brush()->ResolveBrush();
  EXPECT_EQ(resolved->Style(), vgBrushResource);  // paints nothing rather than looping
  EXPECT_EQ(resolved, third->Brush());
}

TEST_F(BrushResource, VisualBrushForgetsAFreedObject) {
  auto* shown = new TvgVisualObject(&owner);
  TvgBrush brush(vgBrushVisual, 0);
  int changes = 0;
  brush.OnChanged = [&](TObject*) { ++changes; };
  brush.Visual()->SetVisualObject(shown);
  brush.Visual()->SetVisualObject(shown);
  EXPECT_EQ(changes, 1);
  shown->Free();
  EXPECT_EQ(brush.Visual()->VisualObject(), nullptr);
}

}  // namespace
