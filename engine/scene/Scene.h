#pragma once
// TvgCustomScene: the window control that hosts a tree of scene objects. It owns the root
// objects, an off-screen canvas of its own size and the background brush Fill, and turns the
// objects' invalidations into paint passes: the tree is painted into the canvas and copied into
// the window, or, with Transparency on a form, handed with its per-pixel alpha to the window
// system as a layered window. Objects reach the scene only through IvgWindowScene.
//
// Invalidations are rectangles in scene pixels, snapped outward. A layered scene collects them
// and posts itself one vgSceneDrawMessage per invalidation; the first of those that the message
// loop delivers takes the others out of the queue and paints all rectangles in one pass. Other
// scenes leave the collecting to the window's update region and paint on WM_PAINT. Rectangles
// invalidated while a pass paints are kept for the next pass.
#include <memory>
#include <string>
#include <vector>

#include "classlib/desktop/CustomControl.h"
#include "classlib/desktop/Timer.h"
#include "engine/tree/Object.h"
#include "engine/scene/SceneInterface.h"

class TvgBrush;
class TvgCanvas;
class TvgFrame;
class TvgSceneDropTarget;
class TvgSceneInput;

inline constexpr UINT vgSceneDrawMessage = WM_USER + 123;

class TvgCustomScene : public TCustomControl, public IvgWindowScene {
  CL_CLASS(TvgCustomScene, TCustomControl)
public:
  explicit TvgCustomScene(TComponent* owner);
  ~TvgCustomScene() override;

  TvgBrush* Fill() const { return fill_.get(); }
  void SetFill(TvgBrush* fill);
  bool Transparency() const { return transparency_; }
  void SetTransparency(bool transparency);  // reaches the window at its next creation
  bool AnimatedCaret() const { return animatedCaret_; }
  void SetAnimatedCaret(bool animated) { animatedCaret_ = animated; }
  TvgControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TvgControl* control);
  // The frame that shows this scene's root; while one does, the scene paints nothing.
  TvgFrame* Frame() const { return frame_; }
  void SetFrame(TvgFrame* frame) { frame_ = frame; }

  bool DesignSnapGridShow() const { return snapGridShow_; }
  void SetDesignSnapGridShow(bool show) { snapGridShow_ = show; }
  bool DesignSnapToGrid() const { return snapToGrid_; }
  void SetDesignSnapToGrid(bool snap) { snapToGrid_ = snap; }
  bool DesignSnapToLines() const { return snapToLines_; }
  void SetDesignSnapToLines(bool snap) { snapToLines_ = snap; }
  float DesignSnapGridSize() const { return snapGridSize_; }

  int RootCount() const { return int(roots_.size()); }
  TvgObject* Roots(int index) const { return roots_.at(size_t(index)); }

  // One paint pass over the pending update rectangles.
  virtual void Draw();

  // IvgWindowScene.
  void AddObject(TvgObject* object) override;
  void RemoveObject(TvgObject* object) override;
  void BeginWindowDrag() override;
  void BeginWindowResize() override;
  void AddUpdateRect(const TvgRect& rect) override;
  void InsertObject(const std::string&) override {}
  TvgControl* GetActiveControl() const override { return activeControl_; }
  bool GetDisableUpdate() const override { return disableUpdate_; }
  void SetDisableUpdate(bool value) override { disableUpdate_ = value; }
  bool GetDesignTime() const override { return designTime_; }
  TvgCanvas* GetCanvas() const override { return canvas_.get(); }
  TvgObject* GetRoot() const override { return roots_.empty() ? nullptr : roots_.front(); }
  TComponent* GetOwner() const override { return Owner(); }
  TComponent* GetComponent() override { return this; }
  TvgResources* GetStyle() const override { return style_; }
  void SetStyle(TvgResources* style) override;
  bool GetTransparency() const override { return transparency_; }
  void UpdateResource() override;
  void Notification(TComponent* component, TOperation operation) override;
  TvgVisualObject* GetSelected() const override { return selected_; }
  TvgVisualObject* GetDesignPlaceObject() const override { return designPlaceObject_; }
  int GetUpdateRectsCount() const override { return int(updateRects_.size()); }
  TvgRect GetUpdateRect(int index) const override { return updateRects_.at(size_t(index)); }
  void SetCaptured(TvgVisualObject* object) override;
  TvgVisualObject* GetCaptured() const override { return captured_; }
  void SetFocused(TvgVisualObject* object) override;
  TvgVisualObject* GetFocused() const override { return focused_; }
  TvgPoint GetMousePos() const override { return mousePos_; }
  TvgPoint LocalToScreen(const TvgPoint& point) const override;
  // A drag of one of its objects inside the scene, until the mouse is released.
  void BeginVCLDrag(TvgVisualObject* object) override;
  void DesignSelect(TvgVisualObject* object) override { selected_ = object; }
  bool GetAnimatedCaret() const override { return animatedCaret_; }

  void DefineProperties(TFiler& filer) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
  void Loaded() override;
  void SetBounds(int left, int top, int width, int height) override;
  void WndProc(TMessage& message) override;

protected:
  void CreateWnd() override;
  void DestroyWnd() override;
  void Paint() override {}
  // Input routing (SceneInput.cpp).
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD& key, TShiftState shift) override;

private:
  friend class TvgSceneInput;
  // The input messages the scene handles itself; true when nothing else is to see the message.
  bool InputMessage(TMessage& message);
  void RegisterDropTarget();
  void RevokeDropTarget();
  bool ParentIsForm() const;
  // Transparency on a form outside the designer, with the window system's layered windows.
  bool Layered() const;
  void FillChanged();
  void RealignRoot();
  void LoadedTimerTick();
  void PaintMessage(TMessage& message);
  void EraseBackgroundMessage(TMessage& message);
  void DrawMessage();
  void PaintBackground();
  void FillScene();
  void PaintParentBackground();
  void PaintRoots();
  void Flush();
  void UpdateLayeredWindow();
  void PaintChildControls(HDC dc);
  void ReleaseFocused();

  std::unique_ptr<TvgCanvas> canvas_;
  bool disableUpdate_ = false;
  std::vector<TvgObject*> roots_;
  TvgVisualObject* selected_ = nullptr;
  TvgVisualObject* captured_ = nullptr;
  TvgVisualObject* hovered_ = nullptr;
  TvgVisualObject* focused_ = nullptr;
  TvgVisualObject* designPlaceObject_ = nullptr;
  TvgPoint mousePos_;
  std::unique_ptr<TvgBrush> fill_;
  bool transparency_ = false;
  bool snapGridShow_ = false;
  bool snapToGrid_ = false;
  bool snapToLines_ = true;
  float snapGridSize_ = 1;
  TvgFrame* frame_ = nullptr;
  bool painting_ = false;
  std::unique_ptr<TTimer> loadedTimer_;
  TvgResources* style_ = nullptr;
  TCursor savedCursor_ = crDefault;
  TvgControl* activeControl_ = nullptr;
  bool animatedCaret_ = true;
  std::vector<TvgRect> updateRects_;
  std::vector<TvgRect> lateRects_;  // invalidated while a pass paints
  HDC paintDC_ = nullptr;
  bool designTime_ = false;
  // Input routing: the host form being moved (from the grab point) or resized (from the
  // previous point, with the size so far), and the window's drop target.
  bool windowMoving_ = false;
  TvgPoint grabPoint_;
  bool windowResizing_ = false;
  TvgPoint resizePoint_;
  int resizeWidth_ = 0, resizeHeight_ = 0;
  TvgSceneDropTarget* dropTarget_ = nullptr;
};

// The scene placed on forms: the published properties of TvgCustomScene.
class TvgWindowScene : public TvgCustomScene {
  CL_CLASS(TvgWindowScene, TvgCustomScene)
public:
  using TvgCustomScene::TvgCustomScene;
};
