#include "engine/values/Bounds.h"

#include <gtest/gtest.h>

#include "tests/support/ValueStreaming.h"

namespace {

class TGeometryHolder : public TComponent {
  CL_CLASS(TGeometryHolder, TComponent)
public:
  using TComponent::TComponent;
  TvgBounds* Margins() const { return margins_.get(); }
  TvgPosition* Position() const { return position_.get(); }
  TvgTransform* Transform() const { return transform_.get(); }

private:
  std::unique_ptr<TvgBounds> margins_ = std::make_unique<TvgBounds>();
  std::unique_ptr<TvgPosition> position_ = std::make_unique<TvgPosition>(TvgPoint{0, 1});
  std::unique_ptr<TvgTransform> transform_ = std::make_unique<TvgTransform>();
};

}  // namespace

CL_PUBLISHED(TGeometryHolder) {
  published.Property("Margins", &TGeometryHolder::Margins);
  published.Property("Position", &TGeometryHolder::Position);
  published.Property("Transform", &TGeometryHolder::Transform);
}

TEST(Bounds, StreamsRectOnlyWhenItDiffersFromTheDefault) {
  TGeometryHolder holder(nullptr);
  EXPECT_EQ(PropertyLines(&holder), "");
  holder.Margins()->SetRect({10, 10, 10, 10});
  EXPECT_EQ(PropertyLines(&holder), "  Margins.Rect = '(10,10,10,10)'\r\n");
  holder.Margins()->SetRect({});
  EXPECT_EQ(PropertyLines(&holder), "");
  TvgBounds padded({2, 2, 2, 2});
  padded.SetRect({0, 0, 0, 0});
  holder.Margins()->Assign(&padded);
  EXPECT_EQ(PropertyLines(&holder), "");
}

TEST(Bounds, ReadsRectTextAndZerosWhatDoesNotParse) {
  TGeometryHolder holder(nullptr);
  LoadFromText(&holder, "object H: TGeometryHolder\r\n  Margins.Rect = '(1,2.500,3,4)'\r\nend\r\n");
  EXPECT_EQ(holder.Margins()->GetRect(), (TvgRect{1, 2.5f, 3, 4}));
  LoadFromText(&holder, "object H: TGeometryHolder\r\n  Margins.Rect = '(1,2'\r\nend\r\n");
  EXPECT_EQ(holder.Margins()->GetRect(), (TvgRect{}));
}

TEST(Bounds, SetRectRaisesOneChangeOnlyForRealChanges) {
  TvgBounds bounds({1, 2, 3, 4});
  int changes = 0;
  bounds.OnChange = [&](TObject*) { ++changes; };
  bounds.SetRect({1, 2, 3, 4});
  bounds.SetLeft(1);
  EXPECT_EQ(changes, 0);
  bounds.SetRect({5, 6, 7, 8});
  EXPECT_EQ(changes, 1);
  bounds.SetBottom(9);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(bounds.MarginRect({0, 0, 100, 100}), (TvgRect{5, 6, 93, 91}));
  EXPECT_FALSE(bounds.Empty());
  EXPECT_FALSE(bounds.IsRectEmpty());
  bounds.SetRight(5);
  EXPECT_TRUE(bounds.IsRectEmpty());
}

TEST(Position, StreamsPointOnlyWhenItDiffersFromTheDefault) {
  TGeometryHolder holder(nullptr);
  holder.Position()->SetPoint({0, 1});
  EXPECT_EQ(PropertyLines(&holder), "");
  holder.Position()->SetX(0.5f);
  EXPECT_EQ(PropertyLines(&holder), "  Position.Point = '(0.500,1)'\r\n");
  TGeometryHolder copy(nullptr);
  LoadFromText(&copy, SaveAsText(&holder));
  EXPECT_EQ(copy.Position()->GetPoint(), (TvgPoint{0.5f, 1}));
  LoadFromText(&copy, "object H: TGeometryHolder\r\n  Position.Point = 'nonsense'\r\nend\r\n");
  EXPECT_EQ(copy.Position()->GetPoint(), (TvgPoint{0, 0}));
}

TEST(Position, SetPointAlwaysRaisesButSettersOnlyOnChange) {
  TvgPosition position({3, 4});
  int changes = 0;
  position.OnChange = [&](TObject*) { ++changes; };
  position.SetX(3);
  position.SetY(4);
  EXPECT_EQ(changes, 0);
  position.SetPoint({3, 4});
  EXPECT_EQ(changes, 1);
  position.SetY(5);
  EXPECT_EQ(changes, 2);
}

TEST(Transform, RotatesThenScalesThenMoves) {
  TvgTransform transform;
  transform.Scale()->SetPoint({2, 1});
  transform.Position()->SetPoint({10, 0});
  transform.SetRotateAngle(90);
  TvgVector p = vgVectorTransform({1, 0, 1}, transform.Matrix());
  EXPECT_NEAR(p.X, 10, 1e-5);
  EXPECT_NEAR(p.Y, 1, 1e-5);
}

TEST(Transform, EveryPartChangeRebuildsTheMatrixAndRaisesOnChange) {
  TvgTransform transform;
  EXPECT_EQ(transform.Matrix(), vgIdentityMatrix);
  int changes = 0;
  transform.OnChange = [&](TObject*) { ++changes; };
  transform.SetRotateAngle(30);
  EXPECT_NE(transform.Matrix(), vgIdentityMatrix);
  EXPECT_EQ(changes, 1);
  transform.SetRotateAngle(30);
  EXPECT_EQ(changes, 1);
  transform.Position()->SetX(4);
  EXPECT_FLOAT_EQ(transform.Matrix().m31, 4);
  EXPECT_EQ(changes, 2);
  transform.RotateCenter()->SetX(0);
  EXPECT_EQ(changes, 3);
}

TEST(Transform, AssignCopiesAllPartsWithOneEvent) {
  TvgTransform source, dest;
  source.Scale()->SetPoint({3, 3});
  source.RotateCenter()->SetPoint({0, 0});
  source.SetRotateAngle(45);
  int changes = 0;
  dest.OnChange = [&](TObject*) { ++changes; };
  dest.Assign(&source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(dest.Matrix(), source.Matrix());
  EXPECT_EQ(dest.RotateCenter()->GetPoint(), (TvgPoint{0, 0}));
  dest.Scale()->SetX(1);  // the parts still report to the transform after the copy
  EXPECT_EQ(changes, 2);
}

TEST(Transform, StreamsItsChangedPartsAsNestedTexts) {
  TGeometryHolder holder(nullptr), copy(nullptr);
  EXPECT_EQ(PropertyLines(&holder), "");
  holder.Transform()->Scale()->SetPoint({2, 1});
  holder.Transform()->SetRotateAngle(90);
  EXPECT_EQ(PropertyLines(&holder),
            "  Transform.Scale.Point = '(2,1)'\r\n  Transform.RotateAngle = 90.000000000000000000\r\n");
  LoadFromText(&copy, SaveAsText(&holder));
  EXPECT_EQ(copy.Transform()->Matrix(), holder.Transform()->Matrix());
}
