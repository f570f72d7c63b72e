#pragma once
// What the input tests share: the scene fixture with a root that logs the dialog keys offered to
// it, and objects that log every event reaching them as "name:Event".
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "classlib/desktop/Menus.h"
#include "engine/scene/DragDrop.h"
#include "engine/tree/VisualObject.h"
#include "tests/support/SceneFixture.h"

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

class InputTest : public SceneTest {
protected:
  TvgVisualObject* NewRoot() override {
    dialogRoot = new TDialogRoot(log);
    dialogRoot->SetName("root");
    return dialogRoot;
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

  void Release(int x, int y, UINT msg = WM_LBUTTONUP) { Send(msg, 0, MAKELPARAM(x, y)); }
  void Key(UINT msg, WPARAM key) { Send(msg, key, 0); }

  TDialogRoot* dialogRoot = nullptr;  // the root
  TEventLog log;
};
