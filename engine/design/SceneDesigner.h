#pragma once
// TvgSceneDesigner: the small editor a scene created in design mode runs over its own tree. A
// press selects the object under the mouse and drags it, or drags one of the handles drawn over
// the selection (four corners and four edge middles resize, the one above the top rotates); ALT
// while moving offers the object under the mouse as the new parent. Positions snap to the grid
// or to the lines of the selection's siblings, and a moved or resized object stays inside its
// parent. A right press opens the design menu. The overlay (selection, guides, drop hint) is
// painted over the tree by the scene's paint pass.
#include <memory>
#include <string>

#include "classlib/desktop/Control.h"
#include "engine/design/SnapLines.h"
#include "engine/values/Geometry.h"

class TComponent;
class TPopupMenu;
class TvgCanvas;
class TvgCustomScene;
class TvgObject;
class TvgVisualObject;

class TvgSceneDesigner {
public:
  enum THandle { hNone, hMove, hRotate, hTopLeft, hTopRight, hBottomRight, hBottomLeft, hTop, hRight, hBottom, hLeft };

  explicit TvgSceneDesigner(TvgCustomScene& scene);
  ~TvgSceneDesigner();

  // A new object of the registered class, under the selection (or the root; or as the root of
  // an empty scene), selected. EClassNotFound for a name that no class is registered under.
  void InsertObject(const std::string& className);
  // Whether the scene takes a press at the point from a form designer.
  bool TakesMouse(const TvgPoint& point);

  // Scene coordinates as they come: objects and handles are picked at the pointer itself, drags
  // follow it on the grid.
  void MouseDown(TMouseButton button, TShiftState shift, const TvgPoint& point);
  void MouseMove(TShiftState shift, const TvgPoint& point);
  void MouseUp(TMouseButton button, TShiftState shift, const TvgPoint& point);
  void PaintOverlay(TvgCanvas& canvas);
  void Forget(TComponent* component);

  // The design menu, built afresh for the current selection; shown at a screen point by
  // ShowMenu.
  TPopupMenu* BuildMenu();
  void ShowMenu(const TvgPoint& screenPoint);
  // On from construction; a design tool with a menu of its own switches it off.
  bool MenuEnabled() const { return menuEnabled_; }
  void SetMenuEnabled(bool enabled) { menuEnabled_ = enabled; }

  THandle DraggedHandle() const { return dragged_; }
  THandle HotHandle() const { return hot_; }
  const TvgSnapLines& SnapLines() const { return snapLines_; }
  // The selection when it is still an object of this scene.
  TvgVisualObject* Selection() const;

  // The menu's commands.
  void DeleteSelection();
  void LoadFromFile();
  void ToggleDesignHide();
  void CopyStyle(bool custom);
  void EditTabOrder();
  void BringToFront();
  void SendToBack();
  void CopyToClipboard();
  void PasteFromClipboard();
  void SetSnapping(bool grid, bool lines);
  void SetGridShown(bool shown);

private:
  // Where a handle's centre lies on the selection, in scene coordinates.
  bool HandleCenter(TvgVisualObject& selection, THandle handle, TvgPoint& center) const;
  THandle HandleAt(const TvgPoint& point) const;
  TvgPoint InParent(TvgVisualObject& selection, const TvgPoint& point) const;
  void Drag(TvgVisualObject& selection, const TvgPoint& point, TShiftState shift);
  void DragMove(TvgVisualObject& selection, const TvgPoint& inParent);
  void DragResize(TvgVisualObject& selection, TvgPoint inParent);
  void DragRotate(TvgVisualObject& selection, const TvgPoint& inParent);
  void OfferPlace(TvgVisualObject& selection, const TvgPoint& point, TShiftState shift);
  void PlaceIntoOffered(TvgVisualObject& selection);
  void EndDrag();
  // The scene area the overlay of the selection covers.
  TvgRect OverlayRect(TvgVisualObject& selection) const;
  void RepaintOverlay();
  // Puts an object read or made by the designer under the selection, or the root.
  void Adopt(TvgObject* object);
  void RepaintAll();

  TvgCustomScene& scene_;
  THandle dragged_ = hNone;
  THandle hot_ = hNone;
  TvgPoint downPoint_;   // in the selection's parent
  TvgRect startBounds_;  // of the selection in its parent at the press
  TvgSnapLines snapLines_;
  std::unique_ptr<TPopupMenu> menu_;
  bool menuEnabled_ = true;
};
