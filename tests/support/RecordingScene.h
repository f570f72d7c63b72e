#pragma once
// A scene for object-tree tests: a component that keeps root objects and records what objects
// ask of it (invalidations, removal notifications).
#include <algorithm>
#include <vector>

#include "classlib/core/Component.h"
#include "engine/tree/Object.h"
#include "engine/scene/SceneInterface.h"

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
  std::vector<TvgRect> updateRects;

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
  void AddUpdateRect(const TvgRect& rect) override { updateRects.push_back(rect); }
  TvgObject* GetRoot() const override { return roots.empty() ? nullptr : roots.front(); }
  TComponent* GetComponent() override { return this; }
  TComponent* GetOwner() const override { return Owner(); }

  void BeginWindowDrag() override {}
  void BeginWindowResize() override {}
  void InsertObject(const std::string&) override {}
  TvgControl* GetActiveControl() const override { return nullptr; }
  bool GetDisableUpdate() const override { return false; }
  void SetDisableUpdate(bool) override {}
  bool GetDesignTime() const override { return false; }
  TvgCanvas* GetCanvas() const override { return nullptr; }
  TvgResources* GetStyle() const override { return nullptr; }
  void SetStyle(TvgResources*) override {}
  bool GetTransparency() const override { return false; }
  void UpdateResource() override {}
  TvgVisualObject* GetSelected() const override { return nullptr; }
  TvgVisualObject* GetDesignPlaceObject() const override { return nullptr; }
  int GetUpdateRectsCount() const override { return int(updateRects.size()); }
  TvgRect GetUpdateRect(int index) const override { return updateRects.at(size_t(index)); }
  void SetCaptured(TvgVisualObject*) override {}
  TvgVisualObject* GetCaptured() const override { return nullptr; }
  void SetFocused(TvgVisualObject*) override {}
  TvgVisualObject* GetFocused() const override { return nullptr; }
  TvgPoint GetMousePos() const override { return {}; }
  TvgPoint LocalToScreen(const TvgPoint& point) const override { return point; }
  void BeginVCLDrag(TvgVisualObject*) override {}
  void DesignSelect(TvgVisualObject*) override {}
  bool GetAnimatedCaret() const override { return true; }
  bool IsSelectedByDesigner(TvgObject*) const override { return false; }
};
