#pragma once
// What the controls tests share: a scene filling a borderless 300 x 200 form, styled by the
// default style unless a test gives the scene styles of its own, with a root that lets the
// pointer through; window messages sent to it as the platform sends them; and an animation
// clock that moves only when the test ticks it.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "DesktopFixture.h"
#include "classlib/core/StringList.h"
#include "classlib/desktop/Form.h"
#include "engine/animation/AnimationClock.h"
#include "engine/scene/Scene.h"
#include "engine/tree/Control.h"
#include "engine/styles/Resources.h"
#include "engine/styles/Style.h"
#include "toolkit/Toolkit.h"

class ControlsTest : public DesktopTest {
protected:
  static constexpr int kFormLeft = 420, kFormTop = 260;

  static void SetUpTestSuite() { vgInitializeToolkit(); }
  void SetUp() override {
    DesktopTest::SetUp();
    vgFreeAnimationClock();
    now = 500000;
    vgSetAnimationTickSource([] { return now; });
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(kFormLeft, kFormTop, 300, 200);
    scene = new TvgWindowScene(form);
    scene->SetParent(form);
    scene->SetAlign(alClient);
    root = new TvgVisualObject(nullptr);
    root->SetBounds(0, 0, 300, 200);
    root->SetHitTest(false);
    scene->AddObject(root);
    // A window without the screen's mouse: only the messages the test sends reach it.
    form->HandleNeeded();
  }
  void TearDown() override {
    HoldKeys({});
    form->Free();
    if (styles) styles->Free();
    vgFreeAnimationClock();
    vgSetAnimationTickSource(nullptr);
    DesktopTest::TearDown();
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

  HWND Window() { return scene->Handle(); }
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) { return SendMessageW(Window(), msg, wParam, lParam); }
  void Move(int x, int y, WPARAM keys = 0) { Send(WM_MOUSEMOVE, keys, MAKELPARAM(x, y)); }
  void Press(int x, int y, UINT msg = WM_LBUTTONDOWN) {
    Move(x, y);
    Send(msg, MK_LBUTTON, MAKELPARAM(x, y));
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
  // Keys that GetKeyState reports as held, for the shift state of key messages.
  static void HoldKeys(std::initializer_list<int> keys) {
    BYTE state[256] = {};
    for (int key : keys) state[key] = 0x80;
    SetKeyboardState(state);
  }

  static inline uint32_t now = 0;
  TForm* form = nullptr;
  TvgWindowScene* scene = nullptr;
  TvgVisualObject* root = nullptr;
  TvgResources* styles = nullptr;
};
