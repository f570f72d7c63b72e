#pragma once
// What scroll box tests share: a scroll bar with the value rules the box relies on (its values
// clamp to Min .. Max - ViewportSize and every change of Value reports OnChange), a style for
// boxes built by hand (a viewport "content" beside a vertical bar on the right and a horizontal
// bar at the bottom, each 20 wide, small bars 8 wide, a size grip), and an animation clock
// advanced by hand.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "PaintLog.h"
#include "RecordingScene.h"
#include "engine/animation/AnimationClock.h"
#include "engine/tree/Control.h"
#include "engine/layouts/ScrollBox.h"

namespace {

// Stands for the toolkit's scroll bar control by its class name, in its place in the streaming
// registry while a test runs.
class TvgScrollBar : public TvgControl {
  CL_CLASS(TvgScrollBar, TvgControl)
public:
  explicit TvgScrollBar(TComponent* owner) : TvgControl(owner) { SetBounds(0, 0, 150, 18); }

  float Min() const { return min_; }
  void SetMin(float value) {
    if (value == min_) return;
    min_ = value;
    if (min_ > value_) SetValue(min_);
  }
  float Max() const { return max_; }
  void SetMax(float value) {
    if (value == max_) return;
    max_ = value < min_ ? min_ + 0.001f : value;
    if (max_ - viewportSize_ < value_) SetValue(max_ - viewportSize_);
    if (viewportSize_ > max_ - min_) viewportSize_ = max_ - min_;
  }
  float ViewportSize() const { return viewportSize_; }
  void SetViewportSize(float value) {
    if (value == viewportSize_) return;
    viewportSize_ = value > max_ - min_ ? max_ - min_ : value;
    if (value_ > max_ - viewportSize_) SetValue(max_ - viewportSize_);
  }
  float Value() const { return value_; }
  void SetValue(float value) {
    if (value == value_) return;
    value_ = value;
    if (value_ > max_ - viewportSize_) value_ = max_ - viewportSize_;
    if (value_ < min_) value_ = min_;
    OnChange(this);
  }
  float SmallChange() const { return smallChange_; }
  void SetSmallChange(float value) { smallChange_ = value; }
  TNotifyEvent OnChange;

private:
  float min_ = 0, max_ = 100, viewportSize_ = 0, value_ = 0, smallChange_ = 1;
};

CL_PUBLISHED(TvgScrollBar) {
  using S = TvgScrollBar;
  published.Property("Min", &S::Min, &S::SetMin).Default(0.0f);
  published.Property("Max", &S::Max, &S::SetMax).Default(100.0f);
  published.Property("ViewportSize", &S::ViewportSize, &S::SetViewportSize).Default(0.0f);
  published.Property("Value", &S::Value, &S::SetValue).Default(0.0f);
  published.Property("SmallChange", &S::SmallChange, &S::SetSmallChange).Default(1.0f);
  published.Property("OnChange", &S::OnChange, &S::OnChange);
}

class ScrollBoxFixture : public testing::Test {
protected:
  static constexpr uint32_t kStart = 500000;

  ScrollBoxFixture() : canvas(static_cast<TPaintLogCanvas*>(vgCanvasClass<TPaintLogCanvas>()->Create(300, 300))) {
    realScrollBar = GetClass("TvgScrollBar");
    if (realScrollBar) UnRegisterClass(realScrollBar);
    RegisterClasses({TvgVisualObject::StaticClass(), TvgScrollBar::StaticClass(), TvgControl::StaticClass()});
    scene.canvas = canvas.get();
    vgFreeAnimationClock();
    now = kStart;
    vgSetAnimationTickSource([] { return now; });
  }
  ~ScrollBoxFixture() override {
    if (style) style->Free();
    vgFreeAnimationClock();
    vgSetAnimationTickSource(nullptr);
    UnRegisterClass(TvgScrollBar::StaticClass());
    if (realScrollBar) RegisterClasses({realScrollBar});
  }

  // The hand-made style, found by the resource name "teststyle"; parts can be left out or given
  // another class.
  TvgVisualObject* MakeStyle(bool smallBars = true, const char* vbarClass = "TvgScrollBar") {
    style = new TvgVisualObject(nullptr);
    style->SetResourceName("teststyle");
    style->SetBounds(0, 0, 200, 200);
    AddPart(vbarClass, "vscrollbar", vaRight, 20);
    AddPart("TvgScrollBar", "hscrollbar", vaBottom, 20);
    if (smallBars) {
      AddPart("TvgScrollBar", "vsmallscrollbar", vaRight, 8);
      AddPart("TvgScrollBar", "hsmallscrollbar", vaBottom, 8);
    }
    AddPart("TvgVisualObject", "sizegrip", vaNone, 10);
    AddPart("TvgVisualObject", "content", vaClient, 0);
    return style;
  }
  void AddPart(const char* className, const char* name, TvgAlign align, float thickness) {
    auto* part = static_cast<TvgVisualObject*>(GetClass(className)->Construct(nullptr));
    part->SetResourceName(name);
    if (align == vaRight || align == vaNone) part->SetWidth(thickness);
    if (align == vaBottom || align == vaNone) part->SetHeight(thickness);
    style->AddObject(part);
    part->SetAlign(align);
  }

  // A styled box of the given size in the scene, holding one child of the given bounds. Adding
  // an item leaves the bars alone until the box is next laid out.
  template <class B = TvgScrollBox>
  B* AddBox(float width, float height, const TvgRect& child = {0, 0, 10, 10}) {
    if (!style) MakeStyle();
    auto* box = new B(nullptr);
    box->SetResource("teststyle");
    box->SetBounds(0, 0, width, height);
    scene.AddObject(box);
    item = AddProbe(box, 0xFF000000, child);
    box->ApplyResource();
    box->Realign();
    return box;
  }
  static TvgScrollBar* Bar(TvgControl* bar) { return dynamic_cast<TvgScrollBar*>(bar); }
  // One tick of the clock after milliseconds have passed.
  static void Tick(uint32_t milliseconds) {
    now += milliseconds;
    vgNeedAnimationClock()->Tick();
  }

  static inline uint32_t now = kStart;
  TRecordingScene scene;
  std::unique_ptr<TPaintLogCanvas> canvas;
  TvgVisualObject* style = nullptr;
  TPaintProbe* item = nullptr;
  TClass realScrollBar = nullptr;
};

}  // namespace
