#pragma once
// What animation tests share: a clock advanced by hand (its time source is a counter the test
// moves on before each tick), a scene that can be put into design mode, and a shape with the kinds
// of property animations write. TAnimatedShape's property table is in AnimationTest.cpp.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "RecordingScene.h"
#include "engine/animation/AnimationClock.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/tree/VisualObject.h"

class TAnimatedShape : public TvgVisualObject {
  CL_CLASS(TAnimatedShape, TvgVisualObject)
public:
  explicit TAnimatedShape(TComponent* owner)
      : TvgVisualObject(owner), fill_(std::make_unique<TvgBrush>()), picture_(std::make_unique<TvgBitmap>()) {}

  TvgBrush* Fill() const { return fill_.get(); }
  void SetFill(TvgBrush* brush) { fill_->Assign(brush); }
  TvgBitmap* Picture() const { return picture_.get(); }
  void SetPicture(TvgBitmap* bitmap) { picture_->Assign(bitmap); }
  float Level() const { return level_; }
  void SetLevel(float level) { level_ = level; }
  uint32_t ColorNumber() const { return colorNumber_; }
  void SetColorNumber(uint32_t color) { colorNumber_ = color; }
  bool IsPressed() const { return isPressed_; }
  void SetIsPressed(bool pressed) { isPressed_ = pressed; }
  void SetIsMouseOver(bool over) { isMouseOver_ = over; }

private:
  std::unique_ptr<TvgBrush> fill_;
  std::unique_ptr<TvgBitmap> picture_;
  float level_ = 0;
  uint32_t colorNumber_ = 0;
  bool isPressed_ = false;
};

class AnimationFixture : public ::testing::Test {
protected:
  void SetUp() override {
    vgFreeAnimationClock();
    now = 500000;
    vgSetAnimationTickSource([] { return now; });
  }
  void TearDown() override {
    vgFreeAnimationClock();
    vgSetAnimationTickSource(nullptr);
  }

  // One tick of the clock after milliseconds have passed.
  static void Tick(uint32_t milliseconds = 33) {
    now += milliseconds;
    if (TvgAniThread* clock = vgAnimationClock()) clock->Tick();
  }
  static void Ticks(int count, uint32_t milliseconds = 33) {
    for (int i = 0; i < count; ++i) Tick(milliseconds);
  }

  // A shape that is a root of the scene, and an animation child of it.
  TAnimatedShape* NewShape() {
    auto* shape = new TAnimatedShape(nullptr);
    scene.AddObject(shape);
    return shape;
  }
  template <class A>
  static A* NewAnimation(TvgObject* parent) {
    auto* animation = new A(nullptr);
    parent->AddObject(animation);
    return animation;
  }

  inline static uint32_t now = 0;
  TRecordingScene scene;
};
