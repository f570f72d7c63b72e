#pragma once
// The one way scene objects reach the scene that hosts their tree. Every object of a tree holds
// the same pointer; the scene outlives the objects it hosts (it frees its roots when it goes), so
// the reference does not govern the scene's lifetime.
#include "classlib/core/Component.h"
#include "engine/values/Geometry.h"

class TvgObject;
class TvgVisualObject;
class TvgControl;
class TvgCanvas;
class TvgResources;

class IvgWindowScene {
public:
  virtual void AddObject(TvgObject* object) = 0;     // a new root object
  virtual void RemoveObject(TvgObject* object) = 0;  // a root object leaves the scene
  virtual void BeginWindowDrag() = 0;
  virtual void BeginWindowResize() = 0;
  virtual void AddUpdateRect(const TvgRect& rect) = 0;  // every invalidation goes through here
  virtual void InsertObject(const std::string& className) = 0;
  virtual TvgControl* GetActiveControl() const = 0;
  virtual bool GetDisableUpdate() const = 0;
  virtual void SetDisableUpdate(bool value) = 0;
  virtual bool GetDesignTime() const = 0;
  virtual TvgCanvas* GetCanvas() const = 0;
  virtual TvgObject* GetRoot() const = 0;
  virtual TComponent* GetOwner() const = 0;
  virtual TComponent* GetComponent() = 0;  // the scene control itself
  virtual TvgResources* GetStyle() const = 0;
  virtual void SetStyle(TvgResources* style) = 0;
  virtual bool GetTransparency() const = 0;
  virtual void UpdateResource() = 0;  // the root re-applies styles
  virtual void Notification(TComponent* component, TOperation operation) = 0;
  virtual TvgVisualObject* GetSelected() const = 0;
  virtual TvgVisualObject* GetDesignPlaceObject() const = 0;
  virtual int GetUpdateRectsCount() const = 0;
  virtual TvgRect GetUpdateRect(int index) const = 0;
  virtual void SetCaptured(TvgVisualObject* object) = 0;
  virtual TvgVisualObject* GetCaptured() const = 0;
  virtual void SetFocused(TvgVisualObject* object) = 0;
  virtual TvgVisualObject* GetFocused() const = 0;
  virtual TvgPoint GetMousePos() const = 0;  // scene coordinates
  virtual TvgPoint LocalToScreen(const TvgPoint& point) const = 0;
  virtual void BeginVCLDrag(TvgVisualObject* object) = 0;
  virtual void DesignSelect(TvgVisualObject* object) = 0;
  virtual bool GetAnimatedCaret() const = 0;

protected:
  ~IvgWindowScene() = default;
};
