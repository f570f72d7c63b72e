#pragma once
// The scene tests' fixture: a scene filling a borderless 300 x 200 form at a known place on the
// screen, with a root that is not hit-testable (so that empty space stays empty), and window
// messages sent to the scene as the platform sends them.
#include <gtest/gtest.h>

#include <initializer_list>

#include "classlib/desktop/Form.h"
#include "classlib/desktop/Win32.h"
#include "engine/scene/Scene.h"
#include "engine/tree/VisualObject.h"
#include "tests/support/DesktopFixture.h"
#include "toolkit/Toolkit.h"

class SceneTest : public DesktopTest {
protected:
  static constexpr int kFormLeft = 420, kFormTop = 260;

  static void SetUpTestSuite() { vgInitializeToolkit(); }
  void SetUp() override {
    DesktopTest::SetUp();
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(kFormLeft, kFormTop, 300, 200);
    scene = new TvgWindowScene(form);
    scene->SetParent(form);
    scene->SetAlign(alClient);
    root = NewRoot();
    root->SetHitTest(false);
    scene->AddObject(root);
    // A window without the screen's mouse: only the messages the test sends reach it.
    form->HandleNeeded();
  }
  void TearDown() override {
    HoldKeys({});
    form->Free();
    DesktopTest::TearDown();
  }
  // The root object, before it joins the scene.
  virtual TvgVisualObject* NewRoot() { return new TvgVisualObject(nullptr); }

  HWND Window() { return scene->Handle(); }
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) { return SendMessageW(Window(), msg, wParam, lParam); }
  void Move(int x, int y, WPARAM keys = 0) { Send(WM_MOUSEMOVE, keys, MAKELPARAM(x, y)); }
  void Press(int x, int y, UINT msg = WM_LBUTTONDOWN, WPARAM keys = MK_LBUTTON) {
    Move(x, y);
    Send(msg, keys, MAKELPARAM(x, y));
  }
  // Keys that GetKeyState reports as held, for the shift state of key messages.
  static void HoldKeys(std::initializer_list<int> keys) {
    BYTE state[256] = {};
    for (int key : keys) state[key] = 0x80;
    SetKeyboardState(state);
  }

  TForm* form = nullptr;
  TvgWindowScene* scene = nullptr;
  TvgVisualObject* root = nullptr;
};
