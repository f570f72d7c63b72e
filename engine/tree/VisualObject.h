#pragma once
// TvgVisualObject: the scene object with a place and a look. Size, position, scale and rotation
// make its local matrix; margins, padding and alignment lay out its children; it paints itself
// and its children through the canvas and answers the input the scene routes to it.
//
// Derived values (absolute matrix, opacity, enabled state, update rect) are cached and marked
// stale by the setters that change them, down the subtree.
#include <memory>
#include <string>
#include <vector>

#include "classlib/core/Set.h"
#include "engine/values/Bounds.h"
#include "engine/values/Colors.h"
#include "engine/values/Geometry.h"
#include "engine/tree/Object.h"

class TvgCanvas;
class TvgBitmap;
class TvgDragObject;
class TvgEffect;
class TvgRectangle;
class TPopupMenu;
class TvgPopup;

// The class library's input types, declared as its window controls declare them, so that this
// header stays free of the platform's headers.
enum TMouseButton : int;
enum TvgStrokeDash : int;
enum TShiftStateItem : int;
using TShiftState = TSet<TShiftStateItem>;
using TCursor = int32_t;

CL_ENUM(TvgAlign, vaNone, vaTopLeft, vaTopRight, vaBottomLeft, vaBottomRight, vaTop, vaLeft, vaRight, vaBottom,
        vaMostTop, vaMostBottom, vaMostLeft, vaMostRight, vaClient, vaContents, vaCenter, vaVertCenter,
        vaHorzCenter, vaHorizontal, vaVertical, vaScale, vaFit, vaFitLeft, vaFitRight)
CL_ENUM(TvgDragMode, vgDragManual, vgDragAutomatic)

using TvgMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, float, float>;
using TvgMouseMoveEvent = TEvent<TObject*, TShiftState, float, float, float, float>;
using TvgMouseWheelEvent = TEvent<TObject*, TShiftState, int, const TvgPoint&, bool&>;
using TvgKeyEvent = TEvent<TObject*, uint16_t&, wchar_t&, TShiftState>;
using TvgCanFocusedEvent = TEvent<TObject*, bool&>;
using TvgPaintEvent = TEvent<TObject*, TvgCanvas*, const TvgRect&>;
using TvgDragEnterEvent = TEvent<TObject*, TvgDragObject*, const TvgPoint&>;
using TvgDragOverEvent = TEvent<TObject*, TvgDragObject*, const TvgPoint&, bool&>;

// The toolkit-wide switch that keeps focus changes from starting "IsFocused" triggers.
extern bool vgDisableFocusEffect;

class TvgVisualObject : public TvgObject {
  CL_CLASS(TvgVisualObject, TvgObject)
public:
  explicit TvgVisualObject(TComponent* owner);
  ~TvgVisualObject() override;

  // Geometry.
  float Width() const { return width_; }
  float Height() const { return height_; }
  TvgBounds* Margins() const { return margins_.get(); }
  void SetMargins(TvgBounds* margins) { margins_->Assign(margins); }
  TvgBounds* Padding() const { return padding_.get(); }
  void SetPadding(TvgBounds* padding) { padding_->Assign(padding); }
  TvgPosition* Position() const { return position_.get(); }
  void SetPosition(TvgPosition* position) { position_->Assign(position); }
  TvgPosition* Scale() const { return scale_.get(); }
  void SetScale(TvgPosition* scale) { scale_->Assign(scale); }
  TvgPosition* RotateCenter() const { return rotateCenter_.get(); }
  void SetRotateCenter(TvgPosition* center) { rotateCenter_->Assign(center); }
  float RotateAngle() const { return rotateAngle_; }
  void SetRotateAngle(float angle);
  TvgAlign Align() const { return align_; }
  float Opacity() const { return opacity_; }
  void SetOpacity(float opacity);
  const TvgMatrix& LocalMatrix() const { return localMatrix_; }
  // Width, Height and the last laid-out size at once, without repaint, layout or effects.
  void SetSizeDirect(float width, float height);

  // State.
  bool Visible() const { return visible_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Locked() const { return locked_; }
  void SetLocked(bool locked) { locked_ = locked; }
  void LockWithChildren();  // Locked on the object and every visual descendant
  bool HitTest() const { return hitTest_; }
  void SetHitTest(bool hitTest) { hitTest_ = hitTest; }
  bool ClipChildren() const { return clipChildren_; }
  void SetClipChildren(bool clip);
  bool ClipParent() const { return clipParent_; }
  void SetClipParent(bool clip) { clipParent_ = clip; }
  bool CanClipped() const { return canClipped_; }
  void SetCanClipped(bool value) { canClipped_ = value; }
  bool DesignHide() const { return designHide_; }
  void SetDesignHide(bool hide);
  bool CanFocused() const { return canFocused_; }
  void SetCanFocused(bool value) { canFocused_ = value; }
  bool DisableFocusEffect() const { return disableFocusEffect_; }
  void SetDisableFocusEffect(bool value) { disableFocusEffect_ = value; }
  // While set, Realign does nothing (controls set it on inner parts they place themselves).
  bool LayoutDisabled() const { return layoutDisabled_; }
  void SetLayoutDisabled(bool disabled) { layoutDisabled_ = disabled; }
  bool EffectsDisabled() const { return effectsDisabled_; }
  void SetEffectsDisabled(bool disabled) { effectsDisabled_ = disabled; }
  bool IsMouseOver() const { return isMouseOver_; }
  bool IsFocused() const { return isFocused_; }
  bool IsDragOver() const { return isDragOver_; }
  bool IsVisible() const { return visible_; }
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor) { cursor_ = cursor; }
  TvgDragMode DragMode() const { return dragMode_; }
  void SetDragMode(TvgDragMode mode) { dragMode_ = mode; }
  bool DragDisableHighlight() const { return dragDisableHighlight_; }
  void SetDragDisableHighlight(bool value) { dragDisableHighlight_ = value; }
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint) { hint_ = hint; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show) { showHint_ = show; }
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);
  // Opened, modally, by the context menu when there is no PopupMenu.
  TvgPopup* Popup() const { return popup_; }
  void SetPopup(TvgPopup* popup);

  // Painting.
  TvgCanvas* Canvas() const { return canvas_; }
  TvgCanvas* GetCanvas() const;  // its own canvas, else the scene's
  void AssignCanvas(TvgCanvas* canvas);  // on the object and every visual descendant
  void Repaint();
  // Paints the object and its subtree into another canvas so that its local rect fills rect, as
  // if it were a child of temporaryParent (which may be nullptr).
  void PaintTo(TvgCanvas* canvas, const TvgRect& rect, TvgVisualObject* temporaryParent = nullptr);
  std::unique_ptr<TvgBitmap> MakeScreenshot();  // Width x Height, nullptr when there is nothing
  // Marks the effect bitmap stale on the object (when it has effects) and on every ancestor.
  void UpdateEffects();
  bool HasEffects() const { return hasEffects_; }
  TvgBitmap* EffectBitmap() const { return effectBitmap_.get(); }
  // An effect child was added, removed, switched on or off: has-effects and the update rect
  // follow. RepaintEffects re-renders the effect output and repaints its area.
  void EffectsChanged();
  void RepaintEffects();
  // Marks the cached update rect stale on the object and its visual descendants, and on the
  // ancestors that it may stick out of.
  void RecalcUpdateRect();

  // The caret of text editors: a small rectangle child made on first use, blinking through its
  // "caret" animation when the scene animates carets.
  void ShowCaret();
  void HideCaret();
  void SetCaretPos(const TvgPoint& point);  // rounded to whole units
  void SetCaretSize(const TvgPoint& size);
  void SetCaretColor(TvgColor color);
  TvgRectangle* Caret() const { return caret_; }

  // Makes the object the scene's focused object, when it can take the focus and OnCanFocused
  // does not refuse.
  void SetFocus();
  const std::vector<TvgVisualObject*>& TabList() const { return tabList_; }
  // Appends the tab list; recursive puts each entry's own list right after the entry.
  void GetTabList(std::vector<TvgVisualObject*>& list, bool recursive) const;
  // Moves a child of the tab list to the position, kept within the list.
  void MoveInTabList(TvgVisualObject* child, int position);

  // The scene's mouse capture.
  void Capture();
  void ReleaseCapture();  // only when this object holds it
  // HitTest, or in the designer: neither Locked nor DesignHide.
  bool CheckHitTest() const;
  // The topmost object under the scene point that accepts the drag data (DragOver).
  TvgVisualObject* FindTarget(const TvgPoint& point, TvgDragObject* data);

  // Bookkeeping of the tree when a child comes or goes.
  void ChildAdded(TvgObject* child);
  void ChildRemoving(TvgObject* child);
  void ChildRemoved(TvgObject* child);

  TvgMouseEvent OnMouseDown, OnMouseUp;
  TvgMouseMoveEvent OnMouseMove;
  TvgMouseWheelEvent OnMouseWheel;
  TNotifyEvent OnClick, OnDblClick;
  TvgCanFocusedEvent OnCanFocused;
  TNotifyEvent OnEnterFocus, OnKillFocus, OnMouseEnter, OnMouseLeave;
  TvgPaintEvent OnPaint, OnBeforePaint;
  TvgDragEnterEvent OnDragEnter, OnDragDrop;
  TvgDragOverEvent OnDragOver;
  TNotifyEvent OnDragLeave, OnDragEnd;
  TvgKeyEvent OnKeyDown, OnKeyUp;
  TNotifyEvent OnApplyResource;

  void SetScene(IvgWindowScene* scene) override;
  void DeleteChildren() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  virtual void SetVisible(bool visible);
  virtual void SetHeight(float height);
  virtual void SetWidth(float width);
  virtual void SetAlign(TvgAlign align);
  virtual TvgRect GetAbsoluteRect();
  virtual TvgMatrix GetAbsoluteMatrix();
  virtual TvgMatrix GetChildrenMatrix();
  virtual TvgPoint GetAbsoluteScale();
  virtual TvgRect GetLocalRect();
  virtual TvgRect GetUpdateRect();
  virtual TvgRect GetSelectionRect();
  virtual TvgRect GetParentedRect();
  virtual TvgRect GetClipRect();
  virtual TvgRect GetEffectsRect();
  virtual bool GetAbsoluteEnabled();
  virtual void SetLocalRect(const TvgRect& rect);
  virtual void RecalcOpacity();
  virtual void RecalcAbsolute();
  virtual float GetAbsoluteOpacity();
  virtual void DesignSelect() {}
  virtual void DesignDblClick() {}
  virtual void DesignInsert() {}
  virtual void BeginAutoDrag();
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, float x, float y);
  virtual void MouseMove(TShiftState shift, float x, float y, float dx, float dy);
  virtual void MouseUp(TMouseButton button, TShiftState shift, float x, float y);
  virtual void MouseWheel(TShiftState shift, int wheelDelta, bool& handled);
  virtual void KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift);
  virtual void KeyUp(uint16_t& key, wchar_t& keyChar, TShiftState shift);
  virtual void DialogKey(uint16_t& key, TShiftState shift);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void ContextMenu(const TvgPoint& screenPoint);
  virtual void DragEnter(TvgDragObject* data, const TvgPoint& point);
  virtual void DragOver(TvgDragObject* data, const TvgPoint& point, bool& accept);
  virtual void DragDrop(TvgDragObject* data, const TvgPoint& point);
  virtual void DragLeave();
  virtual void DragEnd();
  virtual bool EnterChildren(TvgVisualObject*) { return false; }
  virtual void EnterFocus();
  virtual void KillFocus();
  virtual void ApplyResource() {}
  virtual void BeforePaint() {}
  virtual void Paint() {}
  virtual void AfterPaint() {}
  virtual void PaintChildren();
  virtual void MarginsChanged(TObject* sender);
  virtual void PaddingChanged(TObject* sender);
  virtual void MatrixChanged(TObject* sender);
  virtual TvgPoint AbsoluteToLocal(const TvgPoint& point);
  virtual TvgPoint LocalToAbsolute(const TvgPoint& point);
  virtual TvgVector AbsoluteToLocalVector(const TvgVector& vector);
  virtual TvgVector LocalToAbsoluteVector(const TvgVector& vector);
  virtual TvgVisualObject* ObjectAtPoint(const TvgPoint& point);
  virtual bool PointInObject(float x, float y);
  virtual void SetBounds(float x, float y, float width, float height);
  virtual bool CheckParentVisible();  // every visual ancestor is visible
  virtual void BeginUpdate();
  virtual void EndUpdate();
  virtual void Realign();

protected:
  // A child that changes its size while not aligned asks such a parent to lay out again (the
  // content of a scroll box, whose bounds follow its children).
  virtual bool RealignsOnChildResize() const { return false; }
  // When set, a press on the object captures the mouse.
  bool AutoCapture() const { return autoCapture_; }
  void SetAutoCapture(bool value) { autoCapture_ = value; }
  // The tab order read while loading; Loaded orders the parent's tab list by it.
  void SetStoredTabOrder(int order) { storedTabOrder_ = int16_t(order); }
  bool Designing() const;  // the scene is being designed
  // One step of PaintChildren: the child with its effects, its children and its paint events.
  void PaintChild(TvgCanvas& canvas, TvgVisualObject& child);

  bool isMouseOver_ = false;
  bool isFocused_ = false;
  bool isDragOver_ = false;
  int updateCount_ = 0;

private:
  TvgVisualObject* VisualParent() const { return Parent() ? Parent()->Visual() : nullptr; }
  bool ScenePaints() const;  // a scene whose updates are on
  void StoreSize(float& field, float value, TvgPosition& flipped, bool horizontal);
  void SizeChanged();
  void MoveQuietly(const TvgPoint& point);
  void ScaleQuietly(const TvgPoint& scale);
  // The local matrix from position, scale and rotation; the absolute matrices below go stale.
  // Nothing else hears of it: painting into another canvas moves the object only for a while.
  void UpdateLocalMatrix();
  void RecalcEnabled();
  void RecalcUpdateRectDown();
  void SetPaintingToCanvas(bool painting);
  void OrderTabListByStoredOrders();
  void CreateCaret();
  std::vector<TvgEffect*> EnabledEffects() const;
  bool HasEffectReplacingPainting() const;
  bool HasEffectPaintingAfter() const;

  // Layout.
  std::vector<TvgVisualObject*> ChildrenToAlign(TvgAlign align);
  void PlaceChild(TvgVisualObject& child, TvgAlign align, TvgRect& free);
  void FitChild(TvgVisualObject& child, TvgAlign align);
  void SetChildGeometry(TvgVisualObject& child, const TvgPoint& position, float width, float height);

  // Painting.
  bool MeetsDirtyRects(TvgVisualObject& child);
  void PaintOwnLook(TvgCanvas& canvas);
  // The local rect inset by 1 unit, outlined: the designer's mark and the drag-over highlight.
  void PaintInnerOutline(TvgCanvas& canvas, TvgColor color, float thickness, TvgStrokeDash dash);
  void ApplyEffects(TvgCanvas& canvas);
  void RenderEffect(TvgEffect& effect, const TvgPoint& scale);

  bool hitTest_ = true;
  bool clipChildren_ = false;
  bool autoCapture_ = false;
  std::unique_ptr<TvgBounds> margins_;
  TvgAlign align_ = vaNone;
  bool layoutDisabled_ = false;
  std::unique_ptr<TvgBounds> padding_;
  TvgCanvas* canvas_ = nullptr;
  float rotateAngle_ = 0;
  std::unique_ptr<TvgPosition> position_;
  std::unique_ptr<TvgPosition> scale_;
  std::unique_ptr<TvgPosition> rotateCenter_;
  bool canFocused_ = false;
  bool disableFocusEffect_ = false;
  bool clipParent_ = false;
  bool designHide_ = false;
  bool canClipped_ = true;
  TCursor cursor_ = 0;  // crDefault
  TvgDragMode dragMode_ = vgDragManual;
  bool dragDisableHighlight_ = false;
  std::wstring hint_;
  bool showHint_ = false;
  TPopupMenu* popupMenu_ = nullptr;
  TvgPopup* popup_ = nullptr;
  bool absoluteEnabled_ = true;
  bool enabledStale_ = true;
  bool enabled_ = true;
  int16_t storedTabOrder_ = -1;
  std::vector<TvgVisualObject*> tabList_;
  bool hasAlignedChildren_ = false;
  float height_ = 50, lastHeight_ = 50;
  float width_ = 50, lastWidth_ = 50;
  bool visible_ = true;
  TvgMatrix localMatrix_ = vgIdentityMatrix;
  TvgMatrix absoluteMatrix_ = vgIdentityMatrix;
  bool matrixStale_ = true;
  bool effectBitmapStale_ = true;
  std::unique_ptr<TvgBitmap> effectBitmap_;
  bool locked_ = false;
  float opacity_ = 1;
  float absoluteOpacity_ = 1;
  bool opacityStale_ = true;
  bool paintingToCanvas_ = false;
  TvgRect updateRect_;
  bool updateRectStale_ = true;
  bool realigning_ = false;
  bool effectsDisabled_ = false;
  bool hasEffects_ = false;
  TvgRectangle* caret_ = nullptr;
  // From a press to the next release: a left press, and a double click.
  bool pressed_ = false;
  bool doubleClicked_ = false;
};
