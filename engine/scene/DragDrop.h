#pragma once
// Drag and drop into scenes. TvgDragObject is what the objects under a drag are told. The drop
// target is the OLE side of a scene window: it reads the dragged file names or text, asks the
// scene's root which object accepts them, and moves the toolkit's one current drop target.
#include "classlib/desktop/Win32.h"
#include <ole2.h>

#include <string>
#include <vector>

#include "classlib/core/Variant.h"
#include "engine/values/Geometry.h"

class TObject;
class TvgCustomScene;
class TvgVisualObject;

class TvgDragObject {
public:
  TObject* Source = nullptr;  // the dragged scene object, or the class library's drag source
  std::vector<std::wstring> Files;
  Variant Data;  // the dragged text, or the first file name
};

// The file list (CF_HDROP) of an OLE data object, else its text (CF_UNICODETEXT).
TvgDragObject vgReadDragData(IDataObject* data);

// The object that the toolkit's drag is over now, nullptr when none; forgotten when it is freed.
TvgVisualObject* vgDragTarget();
// A different target: the old one gets DragLeave, the new one DragEnter.
void vgSwitchDragTarget(TvgVisualObject* target, TvgDragObject& data, const TvgPoint& point);
// Forgets the target without telling it.
void vgForgetDragTarget();
// The scene object being dragged inside its scene, nullptr when none; forgotten when it is freed.
TvgVisualObject* vgDraggedObject();
void vgSetDraggedObject(TvgVisualObject* object);
// Lets go of the target, the data object and the drag-image helper that an OLE drag holds.
void vgReleaseDragDrop();

class TvgSceneDropTarget : public IDropTarget {
public:
  explicit TvgSceneDropTarget(TvgCustomScene* scene) : scene_(scene) {}
  TvgSceneDropTarget(const TvgSceneDropTarget&) = delete;
  TvgSceneDropTarget& operator=(const TvgSceneDropTarget&) = delete;
  // The scene goes: a drag still running refuses the drop from now on.
  void Detach() { scene_ = nullptr; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

private:
  ~TvgSceneDropTarget() = default;  // Release frees it
  TvgVisualObject* Root() const;
  TvgPoint ScenePoint(POINTL point) const;

  TvgCustomScene* scene_;
  LONG references_ = 1;
};
