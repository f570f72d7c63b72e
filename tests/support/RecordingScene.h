#pragma once
// A scene without a window for object-tree tests: a component that keeps root objects, records
// what the objects ask of it (update rectangles, removal notifications), keeps the focused and the
// selected object, and answers with the canvas, design state and update switch a test gives it.
#include <algorithm>
#include <vector>

#include "classlib/core/Component.h"
#include "engine/tree/Object.h"
#include "engine/scene/SceneInterface.h"
#include "engine/tree/VisualObject.h"

class TRecordingScene : public TComponent, public IvgWindowScene {
public:
  TRecordingScene() : TComponent(nullptr) {}
  ~TRecordingScene() override {
    while (!roots.empty()) {
      TvgObject* root = roots.back();
      roots.pop_back();
      root->SetScene(nullptr);
      root->Free();
    }
  }

  std::vector<TvgObject*> roots;
  std::vector<TComponent*> removals;
  std::vector<TvgRect> updateRects;  // what was invalidated while updates were on: what a paint pass paints
  TvgCanvas* canvas = nullptr;
  bool designing = false;
  bool disableUpdate = false;
  bool animatedCaret = true;
  TvgVisualObject* focused = nullptr;
  TvgVisualObject* selected = nullptr;

  // A visual root object of the given size at the origin.
  template <class T = TvgVisualObject>
  T* AddRoot(float width, float height) {
    T* root = new T(nullptr);
    root->SetBounds(0, 0, width, height);
    AddObject(root);
    return root;
  }
  bool Invalidated(const TvgRect& rect) const {
    return std::find(updateRects.begin(), updateRects.end(), rect) != updateRects.end();
  }

  void AddObject(TvgObject* object) override {
    if (!object) return;
    object->SetParent(nullptr);
    if (std::find(roots.begin(), roots.end(), object) == roots.end()) roots.push_back(object);
    object->SetScene(this);
  }
  void RemoveObject(TvgObject* object) override {
    object->SetScene(nullptr);
    std::erase(roots, object);
  }
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == opRemove) removals.push_back(component);
  }
  void AddUpdateRect(const TvgRect& rect) override {
    if (!disableUpdate) updateRects.push_back(rect);
  }
  TvgObject* GetRoot() const override { return roots.empty() ? nullptr : roots.front(); }
  TComponent* GetComponent() override { return this; }
  TComponent* GetOwner() const override { return Owner(); }
  bool GetDisableUpdate() const override { return disableUpdate; }
  void SetDisableUpdate(bool value) override { disableUpdate = value; }
  bool GetDesignTime() const override { return designing; }
  TvgCanvas* GetCanvas() const override { return canvas; }
  int GetUpdateRectsCount() const override { return int(updateRects.size()); }
  TvgRect GetUpdateRect(int index) const override { return updateRects.at(size_t(index)); }
  void SetFocused(TvgVisualObject* object) override {
    if (object == focused) return;
    if (focused) focused->KillFocus();
    focused = object;
    if (focused) focused->EnterFocus();
  }
  TvgVisualObject* GetFocused() const override { return focused; }
  TvgVisualObject* GetSelected() const override { return selected; }
  void DesignSelect(TvgVisualObject* object) override { selected = object; }
  bool GetAnimatedCaret() const override { return animatedCaret; }

  void BeginWindowDrag() override {}
  void BeginWindowResize() override {}
  void InsertObject(const std::string&) override {}
  TvgControl* GetActiveControl() const override { return nullptr; }
  TvgResources* GetStyle() const override { return nullptr; }
  void SetStyle(TvgResources*) override {}
  bool GetTransparency() const override { return false; }
  void UpdateResource() override {}
  TvgVisualObject* GetDesignPlaceObject() const override { return nullptr; }
  void SetCaptured(TvgVisualObject*) override {}
  TvgVisualObject* GetCaptured() const override { return nullptr; }
  TvgPoint GetMousePos() const override { return {}; }
  TvgPoint LocalToScreen(const TvgPoint& point) const override { return point; }
  void BeginVCLDrag(TvgVisualObject*) override {}
};
