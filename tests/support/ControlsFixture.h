#pragma once
// What the controls tests share: the scene fixture, styled by the default style unless a test
// gives the scene styles of its own, with a root as large as the form; controls added with their
// style applied; clicks and keys; and an animation clock that moves only when the test ticks it.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "classlib/core/StringList.h"
#include "engine/animation/AnimationClock.h"
#include "engine/tree/Control.h"
#include "engine/styles/Resources.h"
#include "engine/styles/Style.h"
#include "tests/support/SceneFixture.h"

class ControlsTest : public SceneTest {
protected:
  void SetUp() override {
    vgFreeAnimationClock();
    now = 500000;
    vgSetAnimationTickSource([] { return now; });
    SceneTest::SetUp();
  }
  void TearDown() override {
    SceneTest::TearDown();
    if (styles) styles->Free();
    vgFreeAnimationClock();
    vgSetAnimationTickSource(nullptr);
  }
  TvgVisualObject* NewRoot() override {
    auto* made = new TvgVisualObject(nullptr);
    made->SetBounds(0, 0, 300, 200);
    return made;
  }

  // A control at (x, y) of the root with its style applied, as its first paint would; setUp runs
  // before the style is applied.
  template <class T>
  T* Add(float x, float y, float width, float height, const std::string& resource = "",
         const std::function<void(T&)>& setUp = nullptr) {
    auto* control = new T(nullptr);
    control->BeginUpdate();
    control->SetResource(resource);
    if (setUp) setUp(*control);
    control->EndUpdate();
    root->AddObject(control);
    control->SetBounds(x, y, width, height);
    control->ApplyResource();
    return control;
  }
  // Styles of the scene's own, given as object text: a root object holding one style per child.
  void UseStyles(const std::string& text) {
    if (!styles) styles = new TvgResources(nullptr);
    styles->Resource()->SetText(text);
    ASSERT_NE(styles->Root(), nullptr) << "the styles do not load";
    scene->SetStyle(styles);
  }

  // One tick of the animation clock after milliseconds have passed.
  static void Tick(uint32_t milliseconds = 33) {
    now += milliseconds;
    if (TvgAniThread* clock = vgAnimationClock()) clock->Tick();
  }
  static void TickFor(uint32_t milliseconds) {
    for (uint32_t passed = 0; passed < milliseconds; passed += 33) Tick();
  }

  void Release(int x, int y) {
    Move(x, y, MK_LBUTTON);
    Send(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  void ClickAt(int x, int y) {
    Press(x, y);
    Release(x, y);
  }
  void Key(WPARAM key) {
    Send(WM_KEYDOWN, key, 0);
    Send(WM_KEYUP, key, 0);
  }

  static inline uint32_t now = 0;
  TvgResources* styles = nullptr;
};
