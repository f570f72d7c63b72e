#include "engine/scene/Scene.h"

#include <algorithm>
#include <cstring>

#include "classlib/core/Reader.h"
#include "classlib/core/SysUtils.h"
#include "classlib/core/Writer.h"
#include "classlib/desktop/Form.h"
#include "engine/design/SceneDesigner.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/scene/Frame.h"
#include "engine/tree/Control.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/styles/Resources.h"
#include "engine/scene/SceneUnit.h"
#include "engine/tree/VisualObject.h"

namespace {

constexpr TvgCorners kAllCorners{vgCornerTopLeft, vgCornerTopRight, vgCornerBottomLeft, vgCornerBottomRight};
// More pending rectangles than this are painted as their union.
constexpr size_t kMaxUpdateRects = 20;
// Invalidated when the whole window is to be painted, whatever its size.
constexpr TvgRect kEverything{0, 0, 65535, 65535};

std::vector<TvgRect> RegionRects(HRGN region) {
  const DWORD size = GetRegionData(region, 0, nullptr);
  if (size < sizeof(RGNDATAHEADER)) return {};
  std::vector<uint8_t> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (!GetRegionData(region, size, data)) return {};
  std::vector<TvgRect> rects;
  const auto* r = reinterpret_cast<const RECT*>(data->Buffer);
  for (DWORD i = 0; i < data->rdh.nCount; ++i)
    rects.push_back({float(r[i].left), float(r[i].top), float(r[i].right), float(r[i].bottom)});
  return rects;
}

}  // namespace

CL_PUBLISHED(TvgCustomScene) {}

CL_PUBLISHED(TvgWindowScene) {
  using S = TvgWindowScene;
  published.Property("AnimatedCaret", &S::AnimatedCaret, &S::SetAnimatedCaret).Default(true);
  published.Property("Fill", &S::Fill, &S::SetFill);
  published.Property("Transparency", &S::Transparency, &S::SetTransparency).Default(false);
  published.Property("Style", &S::GetStyle, &S::SetStyle);
  published.Property("ActiveControl", &S::ActiveControl, &S::SetActiveControl);
}

TvgCustomScene::TvgCustomScene(TComponent* owner) : TCustomControl(owner) {
  vgAddScene(this);
  SetShowHint(true);
  designTime_ = HasState(csDesigning);
  TControlStyle style = ControlStyle();
  style.Exclude(csAcceptsControls);
  SetControlStyle(style | TControlStyle{csActionClient, csCaptureMouse, csOpaque, csDoubleClicks});
  if (DefaultCanvasClass) {
    canvas_.reset(DefaultCanvasClass->Create(Width(), Height()));
    canvas_->Scene = this;
  }
  fill_ = std::make_unique<TvgBrush>(vgBrushSolid, 0xFF000000);
  fill_->OnChanged = [this](TObject*) { FillChanged(); };
  SetBounds(Left(), Top(), 100, 100);
  if (designTime_) designer_ = std::make_unique<TvgSceneDesigner>(*this);
}

// Roots go first to last, each without its scene, so that none reports back to this scene.
TvgCustomScene::~TvgCustomScene() {
  designer_.reset();
  for (TvgVisualObject* held : {std::exchange(hovered_, nullptr), std::exchange(focused_, nullptr)})
    if (held) held->RemoveFreeNotification(this);
  if (style_) style_->RemoveFreeNotification(this);
  if (frame_) frame_->SetSceneObject(nullptr);
  loadedTimer_.reset();
  for (TvgObject* root : std::exchange(roots_, {})) {
    root->SetScene(nullptr);
    root->Free();
  }
  fill_.reset();
  canvas_.reset();
  vgRemoveScene(this);
}

// --- Properties ------------------------------------------------------------------------------

void TvgCustomScene::SetFill(TvgBrush* fill) { fill_->Assign(fill); }

void TvgCustomScene::FillChanged() {
  updateRects_.clear();
  AddUpdateRect({0, 0, float(Width()), float(Height())});
}

void TvgCustomScene::SetTransparency(bool transparency) {
  if (transparency == transparency_) return;
  transparency_ = transparency;
  AddUpdateRect({0, 0, 10000, 10000});
}

void TvgCustomScene::SetActiveControl(TvgControl* control) {
  activeControl_ = control;
  if (control && !HasState(csLoading)) control->SetFocus();
}

void TvgCustomScene::SetStyle(TvgResources* style) {
  if (style == style_) return;
  if (style_) style_->RemoveFreeNotification(this);
  style_ = style;
  if (style_) style_->FreeNotification(this);
  UpdateResource();
}

void TvgCustomScene::UpdateResource() {
  if (TvgObject* root = GetRoot()) root->UpdateResource();
}

void TvgCustomScene::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == style_) SetStyle(nullptr);
  auto forget = [component](auto*& reference) {
    if (reference && static_cast<TComponent*>(reference) == component) reference = nullptr;
  };
  forget(activeControl_);
  forget(captured_);
  forget(selected_);
  forget(hovered_);
  forget(focused_);
  forget(designPlaceObject_);
  forget(frame_);
  if (designer_) designer_->Forget(component);
}

void TvgCustomScene::SetCaptured(TvgVisualObject* object) {
  captured_ = object;
  if (!HandleAllocated()) return;
  if (object) SetCapture(Handle());
  else if (GetCapture() == Handle()) ReleaseCapture();
}

void TvgCustomScene::SetFocused(TvgVisualObject* object) {
  if (object == focused_) return;
  ReleaseFocused();
  focused_ = object;
  if (!focused_) return;
  focused_->FreeNotification(this);
  focused_->EnterFocus();
}

void TvgCustomScene::ReleaseFocused() {
  TvgVisualObject* old = std::exchange(focused_, nullptr);
  if (!old) return;
  old->RemoveFreeNotification(this);
  old->KillFocus();
}

// The designer of the first form among the scene's owners.
bool TvgCustomScene::IsSelectedByDesigner(TvgObject* object) const {
  for (TComponent* owner = Owner(); owner; owner = owner->Owner())
    if (auto* form = dynamic_cast<TCustomForm*>(owner)) return form->Designer() && form->Designer()->IsSelected(object);
  return false;
}

TvgPoint TvgCustomScene::LocalToScreen(const TvgPoint& point) const {
  POINT p{LONG(Trunc(point.X)), LONG(Trunc(point.Y))};
  if (HandleAllocated()) ::ClientToScreen(const_cast<TvgCustomScene*>(this)->Handle(), &p);
  return {float(p.x), float(p.y)};
}

// --- Actions --------------------------------------------------------------------------------

namespace {

void UpdateActions(TvgObject& object) {
  TvgVisualObject* visual = object.Visual();
  if (visual && !visual->Visible()) return;
  if (auto* control = dynamic_cast<TvgControl*>(&object); control && control->GetAction()) control->InitiateAction();
  for (int i = 0; i < object.ChildrenCount(); ++i) UpdateActions(*object.Children(i));
}

}  // namespace

void TvgCustomScene::InitiateAction() {
  TCustomControl::InitiateAction();
  if (TvgObject* root = GetRoot()) UpdateActions(*root);
}

// --- Design time -----------------------------------------------------------------------------

void TvgCustomScene::InsertObject(const std::string& className) {
  if (designer_) designer_->InsertObject(className);
}

// The selection is told, and the whole scene shows the new state at once.
void TvgCustomScene::DesignSelect(TvgVisualObject* object) {
  if (object && object->Scene() != this) return;
  selected_ = object;
  if (object) object->DesignSelect();
  AddUpdateRect({0, 0, 10000, 10000});
  Draw();
}

// --- Streaming -------------------------------------------------------------------------------

void TvgCustomScene::DefineProperties(TFiler& filer) {
  TCustomControl::DefineProperties(filer);
  // The grid is shown only in the designer: elsewhere a stored true reads as false.
  auto define = [&filer](const char* name, bool& field, bool readable) {
    filer.DefineProperty(
        name, [&field, readable](TReader& reader) { field = reader.ReadBoolean() && readable; },
        [&field](TWriter& writer) { writer.WriteBoolean(field); }, true);
  };
  define("DesignSnapGridShow", snapGridShow_, designTime_);
  define("DesignSnapToGrid", snapToGrid_, true);
  define("DesignSnapToLines", snapToLines_, true);
}

void TvgCustomScene::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  TCustomControl::GetChildren(proc, root);
  for (TvgObject* object : roots_)
    if (object->Stored()) proc(object);
}

// The first full paint of a streamed scene comes from the message loop, once the form has
// finished loading.
void TvgCustomScene::Loaded() {
  TCustomControl::Loaded();
  savedCursor_ = Cursor();
  if (snapToLines_) snapToGrid_ = false;
  loadedTimer_ = std::make_unique<TTimer>(nullptr);
  loadedTimer_->SetInterval(1);
  loadedTimer_->SetOnTimer([this](TObject*) { LoadedTimerTick(); });
}

void TvgCustomScene::LoadedTimerTick() {
  loadedTimer_->SetEnabled(false);
  AddUpdateRect(kEverything);
  loadedTimer_.reset();
}

// --- Roots -----------------------------------------------------------------------------------

void TvgCustomScene::AddObject(TvgObject* object) {
  if (!object) return;
  if (object->Parent()) object->SetParent(nullptr);
  else if (object->Scene() && object->Scene() != this) object->Scene()->RemoveObject(object);
  if (std::find(roots_.begin(), roots_.end(), object) == roots_.end()) roots_.push_back(object);
  object->SetScene(this);
  TvgVisualObject* visual = object->Visual();
  if (!visual || HasState(csDestroying)) return;
  visual->RecalcAbsolute();
  visual->Repaint();
  RealignRoot();
}

void TvgCustomScene::RestoreRoot(TvgObject* object) {
  if (!object) return;
  AddObject(object);
  std::stable_partition(roots_.begin(), roots_.end(), [object](TvgObject* root) { return root == object; });
  if (!HasState(csDestroying)) RealignRoot();
}

void TvgCustomScene::RemoveObject(TvgObject* object) {
  auto it = std::find(roots_.begin(), roots_.end(), object);
  if (it == roots_.end()) return;
  AddUpdateRect({0, 0, float(Width()), float(Height())});
  object->SetScene(nullptr);
  Notification(object, opRemove);
  std::erase(roots_, object);
}

// The root covers the scene; a root turned a quarter is laid out turned and centred.
void TvgCustomScene::RealignRoot() {
  TvgVisualObject* root = roots_.empty() ? nullptr : roots_.front()->Visual();
  if (!root) return;
  const float angle = root->RotateAngle();
  const TvgPoint scale = root->Scale()->GetPoint();
  if (scale.X == 0 || scale.Y == 0) return;
  const float width = float(Width()), height = float(Height());
  if (angle != 90 && angle != -90 && angle != 270 && angle != -270) {
    root->SetBounds(0, 0, width / scale.X, height / scale.Y);
  } else {
    const float d = width - height;
    root->SetBounds(d / 2, -d / 2, height / scale.Y, width / scale.X);
  }
}

// --- Window ----------------------------------------------------------------------------------

bool TvgCustomScene::ParentIsForm() const { return dynamic_cast<TCustomForm*>(Parent()) != nullptr; }

// Without the window system's layered windows a transparent scene on a form paints as any other.
bool TvgCustomScene::Layered() const {
  return transparency_ && ParentIsForm() && !designTime_ && vgUpdateLayeredWindow;
}

void TvgCustomScene::SetBounds(int left, int top, int width, int height) {
  TCustomControl::SetBounds(left, top, width, height);
  if (!canvas_ || !HandleAllocated()) return;
  if (canvas_->Width() != Width() || canvas_->Height() != Height()) canvas_->ResizeBuffer(Width(), Height());
  RealignRoot();
}

void TvgCustomScene::CreateWnd() {
  TCustomControl::CreateWnd();
  if (canvas_) {
    canvas_->WindowHandle = Handle();
    canvas_->ResizeBuffer(Width(), Height());
  }
  RealignRoot();
  AddUpdateRect({0, 0, float(Width()), float(Height())});
  RegisterDropTarget();
  if (!Layered()) return;
  HWND form = Parent()->Handle();
  SetWindowLongW(form, GWL_EXSTYLE, GetWindowLongW(form, GWL_EXSTYLE) | WS_EX_LAYERED);
  UpdateLayeredWindow();
  AddUpdateRect(kEverything);
  // Painted now rather than on the message loop's next turn: the form shows once its windows are
  // made, and until a layered window has a picture, clicks pass through it to what lies beneath.
  Draw();
}

void TvgCustomScene::DestroyWnd() {
  RevokeDropTarget();
  if (canvas_) canvas_->WindowHandle = nullptr;
  TCustomControl::DestroyWnd();
}

void TvgCustomScene::WndProc(TMessage& message) {
  if (InputMessage(message)) return;
  switch (message.Msg) {
    case WM_PAINT:
      return PaintMessage(message);
    case WM_ERASEBKGND:
      return EraseBackgroundMessage(message);
    case vgSceneDrawMessage:
      return DrawMessage();
    case CM_DESIGNHITTEST:
      message.Result = designer_ && designer_->TakesMouse({float(message.XPos()), float(message.YPos())});
      return;
  }
  TCustomControl::WndProc(message);
}

// --- Invalidation ----------------------------------------------------------------------------

void TvgCustomScene::AddUpdateRect(const TvgRect& rect) {
  if (disableUpdate_ || HasState(csLoading) || HasState(csDestroying) || !HandleAllocated()) return;
  if (!canvas_ || (canvas_->Buffered() && !canvas_->BufferBits())) return;
  if (vgRectWidth(rect) == 0 || vgRectHeight(rect) == 0) return;
  const TvgRect snapped{float(Trunc(rect.Left)), float(Trunc(rect.Top)), float(Trunc(rect.Right) + 1),
                        float(Trunc(rect.Bottom) + 1)};
  TvgRect visible;
  if (!vgIntersectRect(visible, snapped, {0, 0, float(Width()), float(Height())})) return;
  if (painting_) {
    lateRects_.push_back(snapped);
    if (Layered()) PostMessageW(Handle(), vgSceneDrawMessage, 0, 0);
    return;
  }
  if (Layered()) {
    updateRects_.push_back(snapped);
    PostMessageW(Handle(), vgSceneDrawMessage, 0, 0);
    return;
  }
  const RECT area{LONG(snapped.Left), LONG(snapped.Top), LONG(snapped.Right), LONG(snapped.Bottom)};
  InvalidateRect(Handle(), &area, FALSE);
}

// The first posted message of a turn takes the others out of the queue; a quit message that
// the draining pulls out is put back.
void TvgCustomScene::DrawMessage() {
  MSG msg;
  while (PeekMessageW(&msg, Handle(), vgSceneDrawMessage, vgSceneDrawMessage, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(int(msg.wParam));
      break;
    }
  }
  Draw();
}

void TvgCustomScene::PaintMessage(TMessage& message) {
  if (!painting_) {
    HWND window = Handle();
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetUpdateRgn(window, region, FALSE);
    if (kind == SIMPLEREGION || kind == COMPLEXREGION) updateRects_ = RegionRects(region);
    DeleteObject(region);
    struct TWindowDC {
      HWND window;
      HDC& field;
      TWindowDC(HWND w, HDC& f) : window(w), field(f) { field = GetDC(window); }
      ~TWindowDC() {
        ReleaseDC(window, field);
        field = nullptr;
      }
    } dc(window, paintDC_);
    Draw();
  }
  TCustomControl::WndProc(message);
  if (Layered()) return;
  for (const TvgRect& r : std::exchange(updateRects_, {})) {
    const RECT area{LONG(r.Left), LONG(r.Top), LONG(r.Right), LONG(r.Bottom)};
    InvalidateRect(Handle(), &area, FALSE);
  }
}

// A context that asks for the picture while nothing is pending gets the last painted one.
void TvgCustomScene::EraseBackgroundMessage(TMessage& message) {
  message.Result = 1;
  auto dc = reinterpret_cast<HDC>(message.WParam);
  if (dc && canvas_ && !::GetUpdateRect(Handle(), nullptr, FALSE)) canvas_->FlushBuffer(0, 0, dc);
}

// --- Painting --------------------------------------------------------------------------------

void TvgCustomScene::Draw() {
  if ((!designTime_ && frame_) || painting_ || updateRects_.empty()) return;
  struct TPass {
    TvgCustomScene& scene;
    explicit TPass(TvgCustomScene& s) : scene(s) { scene.painting_ = true; }
    // What was invalidated while painting waits for the next pass.
    ~TPass() {
      scene.updateRects_ = std::exchange(scene.lateRects_, {});
      scene.painting_ = false;
    }
  } pass(*this);
  if (updateRects_.size() > kMaxUpdateRects) {
    TvgRect all = updateRects_.front();
    for (const TvgRect& r : updateRects_) all = vgUnionRect(all, r);
    updateRects_.assign(1, all);
  }
  if (canvas_ && canvas_->BeginScene()) {
    canvas_->ResetClipRect();
    canvas_->SetMatrix(vgIdentityMatrix);
    canvas_->SetClipRects(updateRects_);
    PaintBackground();
    canvas_->StrokeThickness = 1;
    canvas_->StrokeCap = vgCapFlat;
    canvas_->StrokeJoin = vgJoinMiter;
    canvas_->SetStrokeDash(vgDashSolid);
    canvas_->Stroke()->SetStyle(vgBrushSolid);
    canvas_->Fill()->SetStyle(vgBrushSolid);
    PaintRoots();
    if (designer_) designer_->PaintOverlay(*canvas_);
    canvas_->EndScene();
  }
  Flush();
}

void TvgCustomScene::PaintBackground() {
  if (transparency_ && !ParentIsForm()) {
    if (fill_->Style() != vgBrushNone) FillScene();
    else PaintParentBackground();
    return;
  }
  const bool clear = fill_->Style() == vgBrushNone ||
                     (fill_->Style() == vgBrushSolid && (fill_->SolidColor() & 0xFF000000) == 0);
  if (!clear) return FillScene();
  const TvgColor color = transparency_ ? 0 : fill_->SolidColor() & 0x00FFFFFF;
  for (const TvgRect& r : updateRects_) canvas_->ClearRect(r, color);
}

// The clip keeps the fill inside the pending rectangles.
void TvgCustomScene::FillScene() {
  canvas_->Fill()->Assign(fill_.get());
  canvas_->FillRect({-1, -1, float(Width() + 1), float(Height() + 1)}, 0, 0, kAllCorners, 1, vgCornerRound);
}

// Each root whose update rect meets a pending rectangle paints its subtree, once per pass.
void TvgCustomScene::PaintRoots() {
  for (size_t i = 0; i < roots_.size(); ++i) {
    TvgVisualObject* root = roots_[i]->Visual();
    if (!root || !root->Visible()) continue;
    const TvgRect area = root->GetUpdateRect();
    if (std::none_of(updateRects_.begin(), updateRects_.end(),
                     [&area](const TvgRect& r) { return vgRectsIntersect(area, r); }))
      continue;
    canvas_->SetMatrix(root->GetAbsoluteMatrix());
    root->BeforePaint();
    root->Paint();
    root->AfterPaint();
    root->PaintChildren();
    if (root->OnPaint) {
      canvas_->SetMatrix(root->GetAbsoluteMatrix());
      root->OnPaint(root, canvas_.get(), root->GetLocalRect());
    }
  }
}

void TvgCustomScene::Flush() {
  if (!canvas_) return;
  if (Layered()) return UpdateLayeredWindow();
  if (!paintDC_) return;
  for (const TvgRect& r : updateRects_) canvas_->FlushBufferRect(0, 0, paintDC_, r);
}

void TvgCustomScene::UpdateLayeredWindow() {
  if (designTime_ || !dynamic_cast<TWinControl*>(Owner()) || !Parent() || !Parent()->HandleAllocated()) return;
  if (!canvas_ || !canvas_->Handle() || !vgUpdateLayeredWindow) return;
  POINT destination{Parent()->Left() + Left(), Parent()->Top() + Top()};
  SIZE size{Width(), Height()};
  POINT source{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  auto dc = static_cast<HDC>(canvas_->Handle());
  if (ControlCount() > 0) PaintChildControls(dc);
  vgUpdateLayeredWindow(Parent()->Handle(), nullptr, &destination, &size, dc, &source, 0, &blend, ULW_ALPHA);
}

// Window controls placed on the scene paint into the buffer and show with the scene's alpha:
// their drawing is kept, the alpha bytes are put back from before.
void TvgCustomScene::PaintChildControls(HDC dc) {
  TvgColor* bits = canvas_->BufferBits();
  if (!bits) return;
  const size_t count = size_t(canvas_->Width()) * size_t(canvas_->Height());
  std::vector<TvgColor> saved(bits, bits + count);
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* control = Controls(i);
    if (!control->Visible()) continue;
    const int state = SaveDC(dc);
    SetViewportOrgEx(dc, control->Left(), control->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, state);
  }
  GdiFlush();
  for (size_t i = 0; i < count; ++i) bits[i] = (bits[i] & 0x00FFFFFF) | (saved[i] & 0xFF000000);
}

// A see-through scene without a fill shows what its parent and the controls before it in the
// parent's list paint beneath it, limited to the pending rectangles.
void TvgCustomScene::PaintParentBackground() {
  auto dc = static_cast<HDC>(canvas_->Handle());
  TWinControl* parent = Parent();
  if (!dc || !parent || !parent->HandleAllocated()) return;
  HRGN clip = CreateRectRgn(0, 0, 0, 0);
  for (const TvgRect& r : updateRects_) {
    HRGN part = CreateRectRgn(int(r.Left), int(r.Top), int(r.Right), int(r.Bottom));
    CombineRgn(clip, clip, part, RGN_OR);
    DeleteObject(part);
  }
  const int state = SaveDC(dc);
  SelectClipRgn(dc, clip);
  DeleteObject(clip);

  const int parentState = SaveDC(dc);
  SetViewportOrgEx(dc, -Left(), -Top(), nullptr);
  IntersectClipRect(dc, 0, 0, parent->ClientWidth(), parent->ClientHeight());
  auto* form = dynamic_cast<TCustomForm*>(parent);
  parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  if (!form) parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  RestoreDC(dc, parentState);

  const RECT own = BoundsRect();
  std::function<void(TWinControl*, POINT)> paintUnder = [&](TWinControl* container, POINT offset) {
    for (int i = 0; i < container->ControlCount(); ++i) {
      TControl* control = container->Controls(i);
      if (control == this) return;
      auto* custom = dynamic_cast<TCustomControl*>(control);
      if (!custom || !custom->Visible()) continue;
      RECT placed = control->BoundsRect();
      OffsetRect(&placed, offset.x, offset.y);
      RECT overlap;
      if (!IntersectRect(&overlap, &placed, &own)) continue;
      const int controlState = SaveDC(dc);
      SetViewportOrgEx(dc, placed.left - own.left, placed.top - own.top, nullptr);
      IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
      control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
      RestoreDC(dc, controlState);
      paintUnder(custom, {placed.left, placed.top});
    }
  };
  paintUnder(parent, {0, 0});
  RestoreDC(dc, state);
  GdiFlush();
}
