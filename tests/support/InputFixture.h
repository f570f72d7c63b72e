#pragma once
// What the input tests share: a scene filling a borderless 300 x 200 form at a known place on
// the screen, with a root that is not hit-testable (so that empty space stays empty), and
// objects that log every event reaching them as "name:Event".
#include "engine/scene/Scene.h"
//
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DesktopFixture.h"
#include "classlib/desktop/Form.h"
#include "classlib/desktop/Menus.h"
#include "engine/scene/DragDrop.h"
#include "toolkit/Toolkit.h"
#include "engine/tree/VisualObject.h"

using TEventLog = std::vector<std::string>;

inline void LogEvents(TvgVisualObject& object, TEventLog& log) {
  const std::string name = object.Name();
  auto note = [&log, name](const std::string& event) { log.push_back(name + ":" + event); };
  object.OnMouseDown = [note](TObject*, TMouseButton button, TShiftState shift, float, float) {
    note(std::string(button == mbRight ? "RightDown" : "Down") + (shift.Contains(ssDouble) ? "Double" : ""));
  };
  object.OnMouseUp = [note](TObject*, TMouseButton, TShiftState, float, float) { note("Up"); };
  object.OnMouseMove = [note](TObject*, TShiftState, float, float, float, float) { note("Move"); };
  object.OnClick = [note](TObject*) { note("Click"); };
  object.OnDblClick = [note](TObject*) { note("DblClick"); };
  object.OnMouseEnter = [note](TObject*) { note("Enter"); };
  object.OnMouseLeave = [note](TObject*) { note("Leave"); };
  object.OnEnterFocus = [note](TObject*) { note("Focus"); };
  object.OnKillFocus = [note](TObject*) { note("KillFocus"); };
  object.OnKeyDown = [note](TObject*, uint16_t& key, wchar_t& keyChar, TShiftState shift) {
    note("KeyDown(" + std::to_string(key) + "," + std::to_string(int(keyChar)) + (shift.Contains(ssCtrl) ? ",ctrl" : "") +
         ")");
  };
  object.OnKeyUp = [note](TObject*, uint16_t& key, wchar_t& keyChar, TShiftState) {
    note("KeyUp(" + std::to_string(key) + "," + std::to_string(int(keyChar)) + ")");
  };
  object.OnDragEnter = [note](TObject*, TvgDragObject*, const TvgPoint&) { note("DragEnter"); };
  object.OnDragLeave = [note](TObject*) { note("DragLeave"); };
  object.OnDragDrop = [note](TObject*, TvgDragObject*, const TvgPoint&) { note("DragDrop"); };
  object.OnDragEnd = [note](TObject*) { note("DragEnd"); };
}

// A root that logs the dialog keys offered to it and consumes those it is told to.
class TDialogRoot : public TvgVisualObject {
public:
  TDialogRoot(TEventLog& log) : TvgVisualObject(nullptr), log_(log) {}
  std::vector<uint16_t> consumed;
  void DialogKey(uint16_t& key, TShiftState shift) override {
    log_.push_back("root:DialogKey(" + std::to_string(key) + ")");
    if (std::find(consumed.begin(), consumed.end(), key) != consumed.end()) key = 0;
    TvgVisualObject::DialogKey(key, shift);
  }

private:
  TEventLog& log_;
};

// Opens nothing: notes where and for whom it would have popped up.
class TRecordingPopupMenu : public TPopupMenu {
public:
  TRecordingPopupMenu() : TPopupMenu(nullptr) {}
  std::vector<POINT> popups;
  void Popup(int x, int y) override { popups.push_back({x, y}); }
};

// A press on it captures the mouse.
class TCapturingObject : public TvgVisualObject {
public:
  explicit TCapturingObject(TComponent* owner) : TvgVisualObject(owner) { SetAutoCapture(true); }
};

// A press on it captures the mouse and starts dragging it.
class TAutoDragObject : public TCapturingObject {
public:
  explicit TAutoDragObject(TComponent* owner) : TCapturingObject(owner) { SetDragMode(vgDragAutomatic); }
};

class InputTest : public DesktopTest {
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
    root = new TDialogRoot(log);
    root->SetName("root");
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

  // A logging object at (x, y) in its parent, 50 x 40 unless said otherwise.
  template <class T = TvgVisualObject>
  T* Add(const std::string& name, float x, float y, TvgVisualObject* parent = nullptr, float width = 50,
         float height = 40) {
    auto* object = new T(nullptr);
    object->SetName(name);
    object->SetBounds(x, y, width, height);
    (parent ? parent : root)->AddObject(object);
    LogEvents(*object, log);
    return object;
  }

  HWND Window() { return scene->Handle(); }
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) { return SendMessageW(Window(), msg, wParam, lParam); }
  void Move(int x, int y, WPARAM keys = 0) { Send(WM_MOUSEMOVE, keys, MAKELPARAM(x, y)); }
  void Press(int x, int y, UINT msg = WM_LBUTTONDOWN, WPARAM keys = MK_LBUTTON) {
    Move(x, y);
    Send(msg, keys, MAKELPARAM(x, y));
  }
  void Release(int x, int y, UINT msg = WM_LBUTTONUP) { Send(msg, 0, MAKELPARAM(x, y)); }
  void Key(UINT msg, WPARAM key) { Send(msg, key, 0); }
  // Keys that GetKeyState reports as held, for the shift state of key messages.
  static void HoldKeys(std::initializer_list<int> keys) {
    BYTE state[256] = {};
    for (int key : keys) state[key] = 0x80;
    SetKeyboardState(state);
  }

  TForm* form = nullptr;
  TvgWindowScene* scene = nullptr;
  TDialogRoot* root = nullptr;
  TEventLog log;
};
