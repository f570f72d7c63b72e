// The designer's mouse handling, insertion, hit test and overlay; the design menu and its
// commands are in DesignMenu_win32.cpp.
#include "engine/design/SceneDesigner.h"

#include <algorithm>
#include <cmath>

#include "classlib/core/Property.h"
#include "classlib/core/SysUtils.h"
#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Menus.h"
#include "engine/design/Grips.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/paint/Font.h"
#include "engine/scene/Scene.h"
#include "engine/tree/VisualObject.h"

namespace {

constexpr float kHandleRadius = 3;
constexpr float kEdgeHandleSide = 6;
constexpr float kRotateHandleRise = 10;
// Edge handles appear on sides longer than this.
constexpr float kEdgeHandleMinLength = 12;
// A press this close to a handle's centre grabs it.
constexpr float kHandleReach = 4;
constexpr TvgColor kDropHintColor = 0xFF5B91DE;
constexpr float kDropHintWidth = 160, kDropHintHeight = 19;
constexpr TvgCorners kSquareCorners{};
constexpr float kDegreesPerRadian = 57.2957795f;

bool IsCorner(TvgSceneDesigner::THandle h) {
  return h >= TvgSceneDesigner::hTopLeft && h <= TvgSceneDesigner::hBottomLeft;
}
bool IsEdge(TvgSceneDesigner::THandle h) { return h >= TvgSceneDesigner::hTop && h <= TvgSceneDesigner::hLeft; }

bool Contains(TvgObject& ancestor, TvgObject* object) {
  for (; object; object = object->Parent())
    if (object == &ancestor) return true;
  return false;
}

std::wstring ObjectTitle(TvgObject& object) {
  return GbkToUtf16(object.Name().empty() ? object.ClassName() : object.Name());
}

}  // namespace

TvgSceneDesigner::TvgSceneDesigner(TvgCustomScene& scene) : scene_(scene) {}

TvgSceneDesigner::~TvgSceneDesigner() = default;

TvgVisualObject* TvgSceneDesigner::Selection() const {
  TvgVisualObject* selected = scene_.selected_;
  return selected && selected->Scene() == &scene_ ? selected : nullptr;
}

void TvgSceneDesigner::Forget(TComponent* component) { snapLines_.Forget(component); }

// --- Insertion -------------------------------------------------------------------------------

void TvgSceneDesigner::InsertObject(const std::string& className) {
  TClass objectClass = FindClass(className);
  if (!objectClass->InheritsFrom(TvgObject::StaticClass()) || !objectClass->Construct) return;
  auto* object = static_cast<TvgObject*>(objectClass->Construct(scene_.Owner()));
  TvgVisualObject* visual = object->Visual();
  if (const TPropInfo* text = objectClass->FindProperty("Text"); visual && text && !text->IsReadOnly()) {
    const std::string shown = className.substr(std::min<size_t>(3, className.size()));
    if (text->Kind == TPropKind::WideString) text->Set(*object, GbkToUtf16(shown));
    else if (text->Kind == TPropKind::String) text->Set(*object, shown);
  }
  Adopt(object);
  if (visual) scene_.DesignSelect(visual);
}

void TvgSceneDesigner::Adopt(TvgObject* object) {
  if (TvgObject* parent = Selection() ? Selection() : scene_.GetRoot()) parent->AddObject(object);
  else scene_.AddObject(object);
}

// --- Hit test --------------------------------------------------------------------------------

bool TvgSceneDesigner::TakesMouse(const TvgPoint& point) {
  if (scene_.roots_.empty() || dragged_ != hNone || scene_.ObjectAt(point)) return true;
  TvgVisualObject* selection = Selection();
  return selection && vgPtInRect(point, selection->GetAbsoluteRect());
}

// --- Handles ---------------------------------------------------------------------------------

bool TvgSceneDesigner::HandleCenter(TvgVisualObject& selection, THandle handle, TvgPoint& center) const {
  const TvgRect r = selection.GetSelectionRect();
  const float midX = (r.Left + r.Right) / 2, midY = (r.Top + r.Bottom) / 2;
  const bool wide = vgRectWidth(r) > kEdgeHandleMinLength, tall = vgRectHeight(r) > kEdgeHandleMinLength;
  TvgPoint local;
  switch (handle) {
    case hRotate: local = {midX, r.Top - kRotateHandleRise}; break;
    case hTopLeft: local = {r.Left, r.Top}; break;
    case hTopRight: local = {r.Right, r.Top}; break;
    case hBottomRight: local = {r.Right, r.Bottom}; break;
    case hBottomLeft: local = {r.Left, r.Bottom}; break;
    case hTop: if (!wide) return false; local = {midX, r.Top}; break;
    case hBottom: if (!wide) return false; local = {midX, r.Bottom}; break;
    case hLeft: if (!tall) return false; local = {r.Left, midY}; break;
    case hRight: if (!tall) return false; local = {r.Right, midY}; break;
    default: return false;
  }
  center = selection.LocalToAbsolute(local);
  return true;
}

// Corners before edges, the rotation handle last: where they overlap on a small object the
// corner wins.
TvgSceneDesigner::THandle TvgSceneDesigner::HandleAt(const TvgPoint& point) const {
  TvgVisualObject* selection = Selection();
  if (!selection || selection == scene_.GetRoot()) return hNone;
  for (THandle handle : {hTopLeft, hTopRight, hBottomRight, hBottomLeft, hTop, hRight, hBottom, hLeft, hRotate}) {
    TvgPoint center;
    if (HandleCenter(*selection, handle, center) && std::fabs(point.X - center.X) <= kHandleReach &&
        std::fabs(point.Y - center.Y) <= kHandleReach)
      return handle;
  }
  return hNone;
}

TvgPoint TvgSceneDesigner::InParent(TvgVisualObject& selection, const TvgPoint& point) const {
  TvgVisualObject* parent = vgVisualParent(selection);
  return parent ? parent->AbsoluteToLocal(point) : point;
}

// --- Mouse -----------------------------------------------------------------------------------

void TvgSceneDesigner::MouseDown(TMouseButton button, TShiftState shift, const TvgPoint& point) {
  const THandle handle = button == mbLeft ? HandleAt(point) : hNone;
  if (handle == hNone) {
    TvgVisualObject* object = scene_.ObjectAt(point);
    if (object != Selection()) scene_.DesignSelect(object);
    if (object && shift.Contains(ssDouble)) {
      object->DesignDblClick();
      RepaintAll();
      return;
    }
  }
  TvgVisualObject* selection = Selection();
  if (button == mbRight) return ShowMenu(scene_.LocalToScreen(point));
  if (button != mbLeft || !selection || !vgVisualParent(*selection)) return;
  dragged_ = handle == hNone ? hMove : handle;
  downPoint_ = InParent(*selection, scene_.SnapToGrid(point));
  const TvgPoint at = selection->Position()->GetPoint();
  startBounds_ = {at.X, at.Y, at.X + selection->Width(), at.Y + selection->Height()};
}

void TvgSceneDesigner::MouseMove(TShiftState shift, const TvgPoint& point) {
  TvgVisualObject* selection = Selection();
  if (dragged_ != hNone && selection && shift.Contains(ssLeft)) return Drag(*selection, point, shift);
  const THandle hot = HandleAt(point);
  if (hot == hot_) return;
  hot_ = hot;
  RepaintOverlay();
}

void TvgSceneDesigner::Drag(TvgVisualObject& selection, const TvgPoint& point, TShiftState shift) {
  RepaintOverlay();
  const TvgPoint inParent = InParent(selection, scene_.SnapToGrid(point));
  if (dragged_ == hMove) DragMove(selection, inParent);
  else if (dragged_ == hRotate) DragRotate(selection, inParent);
  else DragResize(selection, inParent);
  if (dragged_ == hMove) OfferPlace(selection, point, shift);
  RepaintOverlay();
}

// The grabbed point follows the pointer: on the grid when it is on, else pulled onto lined-up
// siblings; the object stays inside its parent.
void TvgSceneDesigner::DragMove(TvgVisualObject& selection, const TvgPoint& inParent) {
  TvgVisualObject& parent = *vgVisualParent(selection);
  TvgPoint position{startBounds_.Left + inParent.X - downPoint_.X, startBounds_.Top + inParent.Y - downPoint_.Y};
  position = scene_.SnapToGrid(position);
  const float maxX = std::max(parent.Width() - selection.Width(), 0.0f);
  const float maxY = std::max(parent.Height() - selection.Height(), 0.0f);
  auto keepInside = [&](TvgPoint p) { return TvgPoint{std::clamp(p.X, 0.0f, maxX), std::clamp(p.Y, 0.0f, maxY)}; };
  selection.Position()->SetPoint(keepInside(position));
  if (!scene_.snapToLines_) return;
  snapLines_.Search(selection, true);
  selection.Position()->SetPoint(keepInside(selection.Position()->GetPoint()));
}

// The grabbed corner or edge follows the pointer, cut to the parent, the opposite one stays;
// no side gets shorter than 1.
void TvgSceneDesigner::DragResize(TvgVisualObject& selection, TvgPoint inParent) {
  TvgVisualObject& parent = *vgVisualParent(selection);
  if (scene_.snapToLines_) {
    snapLines_.Search(selection, false);
    inParent = snapLines_.Snap(inParent);
  }
  inParent.X = std::clamp(inParent.X, 0.0f, std::max(parent.Width(), 0.0f));
  inParent.Y = std::clamp(inParent.Y, 0.0f, std::max(parent.Height(), 0.0f));
  TvgRect r = startBounds_;
  const bool left = dragged_ == hTopLeft || dragged_ == hBottomLeft || dragged_ == hLeft;
  const bool right = dragged_ == hTopRight || dragged_ == hBottomRight || dragged_ == hRight;
  const bool top = dragged_ == hTopLeft || dragged_ == hTopRight || dragged_ == hTop;
  const bool bottom = dragged_ == hBottomLeft || dragged_ == hBottomRight || dragged_ == hBottom;
  if (left) r.Left = std::min(inParent.X, r.Right - 1);
  if (right) r.Right = std::max(inParent.X, r.Left + 1);
  if (top) r.Top = std::min(inParent.Y, r.Bottom - 1);
  if (bottom) r.Bottom = std::max(inParent.Y, r.Top + 1);
  selection.SetBounds(r.Left, r.Top, vgRectWidth(r), vgRectHeight(r));
  if (scene_.snapToLines_) snapLines_.Search(selection, false);
}

// The rotation handle points from the object's centre to the pointer.
void TvgSceneDesigner::DragRotate(TvgVisualObject& selection, const TvgPoint& inParent) {
  const TvgPoint center{(startBounds_.Left + startBounds_.Right) / 2, (startBounds_.Top + startBounds_.Bottom) / 2};
  const float degrees = std::atan2(inParent.Y - center.Y, inParent.X - center.X) * kDegreesPerRadian + 90;
  selection.SetRotateAngle(float(Round(degrees)));
}

// With ALT the object under the mouse, other than the selection and what it holds, is offered
// as the selection's new parent.
void TvgSceneDesigner::OfferPlace(TvgVisualObject& selection, const TvgPoint& point, TShiftState shift) {
  TvgVisualObject* offered = nullptr;
  if (shift.Contains(ssAlt)) {
    // The selection, under the pointer while it moves, is passed over.
    const bool wasLocked = selection.Locked();
    selection.SetLocked(true);
    offered = scene_.ObjectAt(point);
    selection.SetLocked(wasLocked);
    if (offered && (Contains(selection, offered) || offered == selection.Parent())) offered = nullptr;
  }
  if (offered == scene_.designPlaceObject_) return;
  RepaintAll();
  scene_.designPlaceObject_ = offered;
}

// The selection keeps its place on the screen in its new parent.
void TvgSceneDesigner::PlaceIntoOffered(TvgVisualObject& selection) {
  TvgVisualObject* place = std::exchange(scene_.designPlaceObject_, nullptr);
  if (!place) return;
  const TvgPoint absolute = selection.LocalToAbsolute({0, 0});
  place->AddObject(&selection);
  selection.Position()->SetPoint(place->AbsoluteToLocal(absolute));
  RepaintAll();
}

void TvgSceneDesigner::MouseUp(TMouseButton, TShiftState, const TvgPoint&) {
  if (dragged_ == hNone) return;
  if (TvgVisualObject* selection = Selection()) {
    for (const TvgRect& rect : snapLines_.LineRects(*selection)) scene_.AddUpdateRect(rect);
    PlaceIntoOffered(*selection);
  }
  EndDrag();
}

void TvgSceneDesigner::EndDrag() {
  dragged_ = hNone;
  snapLines_.Clear();
  if (scene_.designPlaceObject_) RepaintAll();
  scene_.designPlaceObject_ = nullptr;
}

// --- Overlay ---------------------------------------------------------------------------------

TvgRect TvgSceneDesigner::OverlayRect(TvgVisualObject& selection) const {
  TvgRect rect = selection.GetAbsoluteRect();
  vgInflateRect(rect, kHandleReach + 1, kHandleReach + 1);
  rect.Top -= kRotateHandleRise;
  return rect;
}

void TvgSceneDesigner::RepaintOverlay() {
  if (TvgVisualObject* selection = Selection()) scene_.AddUpdateRect(OverlayRect(*selection));
}

void TvgSceneDesigner::RepaintAll() {
  scene_.AddUpdateRect({0, 0, 10000, 10000});
}

void TvgSceneDesigner::PaintOverlay(TvgCanvas& canvas) {
  TvgVisualObject* selection = Selection();
  if (selection && !selection->DesignHide()) {
    canvas.SetMatrix(selection->GetAbsoluteMatrix());
    vgPaintSelectionFrame(canvas, selection->GetSelectionRect(), 1);
    canvas.SetMatrix(vgIdentityMatrix);
    TvgPoint top, rotate;
    if (selection != scene_.GetRoot() && HandleCenter(*selection, hRotate, rotate)) {
      const TvgRect r = selection->GetSelectionRect();
      top = selection->LocalToAbsolute({(r.Left + r.Right) / 2, r.Top});
      canvas.Stroke()->SetSolidColor(vgGripLineColor);
      canvas.DrawLine(rotate, top, 1);
      vgPaintGrip(canvas, rotate, kHandleRadius, hot_ == hRotate, 1);
      for (THandle handle : {hTopLeft, hTopRight, hBottomRight, hBottomLeft, hTop, hRight, hBottom, hLeft}) {
        TvgPoint center;
        if (!HandleCenter(*selection, handle, center)) continue;
        if (IsCorner(handle)) vgPaintGrip(canvas, center, kHandleRadius, hot_ == handle, 1);
        else if (IsEdge(handle)) vgPaintSquareGrip(canvas, center, kEdgeHandleSide, hot_ == handle, 1);
      }
    }
  }
  if (selection && dragged_ != hNone) snapLines_.Paint(*selection, canvas);
  if (TvgVisualObject* place = scene_.designPlaceObject_) {
    canvas.SetMatrix(vgIdentityMatrix);
    const TvgRect area = place->GetAbsoluteRect();
    canvas.Stroke()->SetStyle(vgBrushSolid);
    canvas.Stroke()->SetSolidColor(kDropHintColor);
    canvas.SetStrokeDash(vgDashSolid);
    canvas.DrawRect(area, 0, 0, kSquareCorners, 1, vgCornerRound);
    const TvgRect label{area.Left, area.Top - kDropHintHeight, area.Left + kDropHintWidth, area.Top};
    canvas.Fill()->SetStyle(vgBrushSolid);
    canvas.Fill()->SetSolidColor(kDropHintColor);
    canvas.FillRect(label, 0, 0, kSquareCorners, 1, vgCornerRound);
    canvas.Font()->SetFamily("Tahoma");
    canvas.Font()->SetSize(9);
    canvas.Font()->SetStyle(vgFontRegular);
    canvas.Fill()->SetSolidColor(0xFFFFFFFF);
    canvas.FillText(label, label, L"ALT-drag to place into [" + ObjectTitle(*place) + L"]", false, 1,
                    vgTextAlignCenter, vgTextAlignCenter);
  }
}
