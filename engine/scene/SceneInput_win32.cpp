// The scene's input routing: mouse, wheel, keys and characters, the input method, and moving or
// resizing a borderless host form with the mouse. Messages reach the captured object, the object
// under the mouse, or the focused object.
#include "engine/scene/Scene.h"

#include "classlib/core/TextCodec.h"
#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Form.h"
#include "classlib/desktop/Screen.h"
#include "engine/paint/Font.h"
#include "engine/scene/DragDrop.h"
#include "engine/scene/Ime.h"
#include "engine/scene/SizeGripInterface.h"
#include "engine/tree/VisualObject.h"

#include <algorithm>
#include <utility>

namespace {

// A pop-up form carries this Tag: a press on its empty space does not move it.
constexpr int32_t kPopupFormTag = 65535;
constexpr LANGID kKoreanLanguage = 1042;
// Arrows, Tab and characters reach the scene inside dialogs.
constexpr LRESULT kDialogCodes = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;

// Keys the root's DialogKey sees before anyone else.
bool IsDialogKey(uint16_t key) {
  switch (key) {
    case VK_ESCAPE: case VK_RETURN: case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
    case VK_HOME: case VK_END: case VK_ADD: case VK_SUBTRACT:
      return true;
  }
  return false;
}

// The letter of the editing shortcuts that arrive as control characters (Ctrl+A, C, V, X, Z).
wchar_t ShortcutLetter(wchar_t character) {
  switch (character) {
    case 1: return L'a';
    case 3: return L'c';
    case 22: return L'v';
    case 24: return L'x';
    case 26: return L'z';
  }
  return 0;
}

bool IsSizeGrip(TvgVisualObject* object) { return dynamic_cast<IvgSizeGrip*>(object) != nullptr; }

// Tab moves to objects that are shown, enabled and can take the focus.
bool IsTabCandidate(TvgVisualObject* object) {
  return object->Visible() && object->CheckParentVisible() && object->CanFocused() && object->GetAbsoluteEnabled();
}

// The first candidate after the focused one, wrapping to the start; backward the last one before
// it, wrapping to the end. Without a focused object in the list the search covers it all.
TvgVisualObject* NextTabStop(const std::vector<TvgVisualObject*>& list, TvgVisualObject* focused, bool forward) {
  const auto count = std::ptrdiff_t(list.size());
  const auto found = std::find(list.begin(), list.end(), focused);
  const std::ptrdiff_t at = found == list.end() ? (forward ? -1 : count) : found - list.begin();
  for (std::ptrdiff_t step = 1; step <= count; ++step) {
    const std::ptrdiff_t i = ((forward ? at + step : at - step) % count + count) % count;
    if (list[size_t(i)] != focused && IsTabCandidate(list[size_t(i)])) return list[size_t(i)];
  }
  return nullptr;
}

LOGFONTW CompositionFont(const TvgFont& font) {
  LOGFONTW logFont{};
  logFont.lfHeight = -MulDiv(int(Trunc(font.Size())), Screen->PixelsPerInch(), 72);
  const TvgFontStyle style = font.Style();
  logFont.lfWeight = style == vgFontBold || style == vgFontBoldItalic ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = style == vgFontItalic || style == vgFontBoldItalic;
  const std::wstring face = GbkToUtf16(font.Family());
  face.copy(logFont.lfFaceName, LF_FACESIZE - 1);
  return logFont;
}

}  // namespace

// The routing steps, kept out of the scene's header.
class TvgSceneInput {
public:
  static TvgVisualObject* ObjectAt(TvgCustomScene& scene, const TvgPoint& point);
  static TvgPoint Snapped(const TvgCustomScene& scene, int x, int y);
  static void StoreMousePos(TvgCustomScene& scene, int x, int y);
  static TvgPoint LocalMousePos(const TvgCustomScene& scene, TvgVisualObject& object);
  static void Hover(TvgCustomScene& scene, TvgVisualObject* object);
  static void KeyDown(TvgCustomScene& scene, uint16_t& key, wchar_t& keyChar, TShiftState shift);
  static void KeyUp(TvgCustomScene& scene, uint16_t& key, wchar_t& keyChar, TShiftState shift);
  static void Character(TvgCustomScene& scene, wchar_t character);
  static bool CloseModalOwner(TvgCustomScene& scene);
  static void MoveFocus(TvgCustomScene& scene, TvgVisualObject& root, bool forward);
  static TWinControl* HostForm(const TvgCustomScene& scene);
  static TvgPoint CursorInHostForm(const TvgCustomScene& scene);
  static TvgPoint InHostForm(TvgCustomScene& scene, int x, int y);
  static void MoveHostForm(TvgCustomScene& scene, int x, int y);
  static void ResizeHostForm(TvgCustomScene& scene, int x, int y);
  static void StartComposition(TvgCustomScene& scene, TMessage& message);
  static bool Composition(TvgCustomScene& scene, TMessage& message);
  static bool Dragging(TvgCustomScene& scene);
  static void DragMove(TvgCustomScene& scene);
  static void DragRelease(TvgCustomScene& scene);
};

// --- Objects under the mouse -----------------------------------------------------------------

// Roots from the last to the first, up to the first that is not visual; an invisible root
// answers nothing outside the designer.
TvgVisualObject* TvgSceneInput::ObjectAt(TvgCustomScene& scene, const TvgPoint& point) {
  for (auto it = scene.roots_.rbegin(); it != scene.roots_.rend(); ++it) {
    TvgVisualObject* root = (*it)->Visual();
    if (!root) return nullptr;
    if (TvgVisualObject* hit = root->ObjectAtPoint(point)) return hit;
  }
  return nullptr;
}

TvgPoint TvgSceneInput::Snapped(const TvgCustomScene& scene, int x, int y) {
  TvgPoint point{float(x), float(y)};
  if (!scene.snapToGrid_ || scene.snapGridSize_ == 0) return point;
  const float size = scene.snapGridSize_;
  return {float(Trunc(point.X / size)) * size, float(Trunc(point.Y / size)) * size};
}

void TvgSceneInput::StoreMousePos(TvgCustomScene& scene, int x, int y) { scene.mousePos_ = Snapped(scene, x, y); }

TvgPoint TvgSceneInput::LocalMousePos(const TvgCustomScene& scene, TvgVisualObject& object) {
  return object.AbsoluteToLocal(scene.mousePos_);
}

// nullptr leaves the hovered object, if any.
void TvgSceneInput::Hover(TvgCustomScene& scene, TvgVisualObject* object) {
  if (object == scene.hovered_) return;
  if (TvgVisualObject* old = std::exchange(scene.hovered_, nullptr)) {
    old->RemoveFreeNotification(&scene);
    old->MouseLeave();
  }
  if (!object) return;
  scene.hovered_ = object;
  object->FreeNotification(&scene);
  object->MouseEnter();
}

// --- Mouse -----------------------------------------------------------------------------------

void TvgCustomScene::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (CanFocus()) SetFocus();
  TvgSceneInput::StoreMousePos(*this, x, y);
  if (designTime_) return;
  TvgVisualObject* object = TvgSceneInput::ObjectAt(*this, mousePos_);
  if (!object) return BeginWindowDrag();
  if (IsSizeGrip(object)) return BeginWindowResize();
  const TvgPoint local = TvgSceneInput::LocalMousePos(*this, *object);
  object->MouseDown(button, shift, local.X, local.Y);
  if (object->DragMode() == vgDragAutomatic) object->BeginAutoDrag();
}

void TvgCustomScene::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (windowMoving_) return TvgSceneInput::MoveHostForm(*this, x, y);
  if (windowResizing_) return TvgSceneInput::ResizeHostForm(*this, x, y);
  TvgSceneInput::StoreMousePos(*this, x, y);
  if (designTime_) return;
  if (TvgSceneInput::Dragging(*this)) return TvgSceneInput::DragMove(*this);
  if (captured_) {
    const TvgPoint local = TvgSceneInput::LocalMousePos(*this, *captured_);
    return captured_->MouseMove(shift, local.X, local.Y, 0, 0);
  }
  TvgVisualObject* object = TvgSceneInput::ObjectAt(*this, mousePos_);
  TvgSceneInput::Hover(*this, object);
  TCursor cursor = savedCursor_;
  if (object) {
    SetHint(object->ShowHint() ? Utf16ToGbk(object->Hint()) : std::string());
    cursor = IsSizeGrip(object) ? crSizeNWSE : object->Cursor();
    const TvgPoint local = TvgSceneInput::LocalMousePos(*this, *object);
    object->MouseMove(shift, local.X, local.Y, 0, 0);
  }
  SetCursor(cursor);
}

// The object gets the position stored with the last move, not the release's own.
void TvgCustomScene::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  windowMoving_ = false;
  windowResizing_ = false;
  if (designTime_) return;
  if (TvgSceneInput::Dragging(*this)) return TvgSceneInput::DragRelease(*this);
  TvgVisualObject* object = captured_ ? captured_ : TvgSceneInput::ObjectAt(*this, mousePos_);
  if (!object) return;
  const TvgPoint local = TvgSceneInput::LocalMousePos(*this, *object);
  object->MouseUp(button, shift, local.X, local.Y);
}

// Without capture the turn goes up from the object under the mouse until one handles it.
bool TvgCustomScene::DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) {
  bool handled = TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos);
  if (captured_) {
    captured_->MouseWheel(shift, wheelDelta, handled);
    return handled;
  }
  for (TvgVisualObject* object = TvgSceneInput::ObjectAt(*this, mousePos_); object && !handled;
       object = object->Parent() ? object->Parent()->Visual() : nullptr)
    object->MouseWheel(shift, wheelDelta, handled);
  return handled;
}

// --- Moving and resizing the host form -------------------------------------------------------

TWinControl* TvgSceneInput::HostForm(const TvgCustomScene& scene) { return dynamic_cast<TWinControl*>(scene.Owner()); }

TvgPoint TvgSceneInput::CursorInHostForm(const TvgCustomScene& scene) {
  POINT cursor{};
  GetCursorPos(&cursor);
  if (TWinControl* form = HostForm(scene)) cursor = form->ScreenToClient(cursor);
  return {float(cursor.x), float(cursor.y)};
}

// Points of the scene taken into the host form's client area, where the grab point lies.
TvgPoint TvgSceneInput::InHostForm(TvgCustomScene& scene, int x, int y) {
  POINT point{x, y};
  if (TWinControl* form = HostForm(scene)) MapWindowPoints(scene.Handle(), form->Handle(), &point, 1);
  return {float(point.x), float(point.y)};
}

void TvgSceneInput::MoveHostForm(TvgCustomScene& scene, int x, int y) {
  TWinControl* form = HostForm(scene);
  if (!form) return;
  const TvgPoint at = InHostForm(scene, x, y);
  form->SetBounds(int(Round(at.X - scene.grabPoint_.X + float(form->Left()))),
                  int(Round(at.Y - scene.grabPoint_.Y + float(form->Top()))), form->Width(), form->Height());
}

void TvgSceneInput::ResizeHostForm(TvgCustomScene& scene, int x, int y) {
  TWinControl* form = HostForm(scene);
  if (!form) return;
  const TvgPoint at = InHostForm(scene, x, y);
  scene.resizeWidth_ = int(Round(at.X - scene.resizePoint_.X + float(scene.resizeWidth_)));
  scene.resizeHeight_ = int(Round(at.Y - scene.resizePoint_.Y + float(scene.resizeHeight_)));
  form->SetBounds(form->Left(), form->Top(), scene.resizeWidth_, scene.resizeHeight_);
  scene.SetCursor(crSizeNWSE);
  scene.resizePoint_ = at;
}

void TvgCustomScene::BeginWindowDrag() {
  if (Parent() && Parent()->Tag() == kPopupFormTag) return;
  windowMoving_ = true;
  grabPoint_ = TvgSceneInput::CursorInHostForm(*this);
}

void TvgCustomScene::BeginWindowResize() {
  windowResizing_ = true;
  resizePoint_ = TvgSceneInput::CursorInHostForm(*this);
  if (TWinControl* form = TvgSceneInput::HostForm(*this)) {
    resizeWidth_ = form->Width();
    resizeHeight_ = form->Height();
  }
}

// --- Dragging objects inside the scene ------------------------------------------------------

void TvgCustomScene::BeginVCLDrag(TvgVisualObject* object) {
  if (!object || vgDraggedObject()) return;
  vgSetDraggedObject(object);
  SetCapture(Handle());
}

bool TvgSceneInput::Dragging(TvgCustomScene& scene) {
  TvgVisualObject* dragged = vgDraggedObject();
  return dragged && dragged->Scene() == &scene;
}

// The object that accepts the dragged one becomes the target; the dragged object itself is
// none. The cursor tells whether a release would drop.
void TvgSceneInput::DragMove(TvgCustomScene& scene) {
  TvgObject* rootObject = scene.GetRoot();
  TvgVisualObject* root = rootObject ? rootObject->Visual() : nullptr;
  TvgDragObject data;
  data.Source = vgDraggedObject();
  TvgVisualObject* target = root ? root->FindTarget(scene.mousePos_, &data) : nullptr;
  if (target == data.Source) {
    if (TvgVisualObject* current = vgDragTarget()) {
      vgForgetDragTarget();
      current->DragLeave();
    }
    target = nullptr;
  } else {
    bool accept = false;
    if (TvgVisualObject* current = vgDragTarget()) current->DragOver(&data, scene.mousePos_, accept);
    vgSwitchDragTarget(target, data, scene.mousePos_);
  }
  scene.SetCursor(target ? crDrag : crNoDrop);
}

// The drop's handler may free the dragged object; it hears of the end only when it is still there.
void TvgSceneInput::DragRelease(TvgCustomScene& scene) {
  if (TvgVisualObject* target = vgDragTarget()) {
    TvgDragObject data;
    data.Source = vgDraggedObject();
    vgForgetDragTarget();
    target->DragDrop(&data, scene.mousePos_);
  }
  TvgVisualObject* dragged = vgDraggedObject();
  vgSetDraggedObject(nullptr);
  scene.SetCursor(scene.savedCursor_);
  if (dragged) dragged->DragEnd();
}

// --- Keys ------------------------------------------------------------------------------------

void TvgCustomScene::KeyDown(WORD& key, TShiftState shift) {
  wchar_t keyChar = 0;
  TvgSceneInput::KeyDown(*this, key, keyChar, shift);
}

void TvgCustomScene::KeyUp(WORD& key, TShiftState shift) {
  wchar_t keyChar = 0;
  TvgSceneInput::KeyUp(*this, key, keyChar, shift);
}

// Keys and characters meet here: dialog keys for the root first, Escape for a modal form, Tab
// for the focus, the rest for the focused object.
void TvgSceneInput::KeyDown(TvgCustomScene& scene, uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  TvgObject* rootObject = scene.GetRoot();
  TvgVisualObject* root = rootObject ? rootObject->Visual() : nullptr;
  if (root && IsDialogKey(key)) {
    root->DialogKey(key, shift);
    if (key == 0) return;
  }
  if (key == VK_ESCAPE && CloseModalOwner(scene)) {
    key = 0;
    return;
  }
  if (key == VK_TAB && rootObject) {
    key = 0;
    if (root) MoveFocus(scene, *root, !shift.Contains(ssShift));
    return;
  }
  if (scene.focused_) scene.focused_->KeyDown(key, keyChar, shift);
}

void TvgSceneInput::KeyUp(TvgCustomScene& scene, uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  if (scene.designTime_ && key == VK_DELETE && scene.selected_) scene.selected_->Free();
  if (scene.focused_) scene.focused_->KeyUp(key, keyChar, shift);
}

bool TvgSceneInput::CloseModalOwner(TvgCustomScene& scene) {
  for (TComponent* owner = scene.Owner(); owner; owner = owner->Owner())
    if (auto* form = dynamic_cast<TCustomForm*>(owner); form && form->Modal()) {
      form->SetModalResult(mrCancel);
      return true;
    }
  return false;
}

void TvgSceneInput::MoveFocus(TvgCustomScene& scene, TvgVisualObject& root, bool forward) {
  std::vector<TvgVisualObject*> list;
  root.GetTabList(list, true);
  if (TvgVisualObject* next = NextTabStop(list, scene.focused_, forward)) next->SetFocus();
}

// The editing shortcuts come as their letters, pressed and released; Enter's character is
// dropped; every other character is pressed with key 0.
void TvgSceneInput::Character(TvgCustomScene& scene, wchar_t character) {
  const TShiftState shift = KeyboardShiftState();
  uint16_t key = 0;
  if (const wchar_t letter = ShortcutLetter(character)) {
    wchar_t keyChar = letter;
    KeyDown(scene, key, keyChar, shift);
    key = 0;
    keyChar = letter;
    KeyUp(scene, key, keyChar, shift);
    return;
  }
  if (character == L'\r') return;
  KeyDown(scene, key, character, shift);
}

// --- Input method ----------------------------------------------------------------------------

// The composition window opens at the caret of the focused text control, in its font, inside
// the scene's client area.
void TvgSceneInput::StartComposition(TvgCustomScene& scene, TMessage& message) {
  scene.TCustomControl::WndProc(message);
  message.Result = 1;
  auto* target = dynamic_cast<IvgImeTarget*>(scene.focused_);
  if (!target) return;
  HWND window = scene.Handle();
  if (TvgFont* font = target->ImeFont()) vgIme().SetCompositionFont(window, CompositionFont(*font));
  const TvgPoint origin = scene.focused_->LocalToAbsolute({0, 0});
  const TvgPoint caret = target->ImeCaretOffset();
  COMPOSITIONFORM form{};
  form.dwStyle = CFS_RECT;
  form.ptCurrentPos = {LONG(Trunc(origin.X) + Trunc(caret.X)), LONG(Trunc(origin.Y) + Trunc(caret.Y))};
  GetClientRect(window, &form.rcArea);
  if (vgIme().KeyboardLanguage() == kKoreanLanguage) {
    form.rcArea.left = form.ptCurrentPos.x;
    form.rcArea.top = form.ptCurrentPos.y + 1;
  }
  vgIme().SetCompositionWindow(window, form);
}

// A finished composition arrives character by character; a Korean composition window then
// follows the caret.
bool TvgSceneInput::Composition(TvgCustomScene& scene, TMessage& message) {
  if (!(message.LParam & GCS_RESULTSTR)) return false;
  const TShiftState shift = KeyboardShiftState();
  for (wchar_t character : vgIme().ResultString(scene.Handle())) {
    uint16_t key = 0;
    KeyDown(scene, key, character, shift);
  }
  message.Result = 0;
  if (vgIme().KeyboardLanguage() == kKoreanLanguage) PostMessageW(scene.Handle(), WM_IME_STARTCOMPOSITION, 0, 0);
  return true;
}

// --- Messages --------------------------------------------------------------------------------

bool TvgCustomScene::InputMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = kDialogCodes;
      return true;
    case CM_MOUSELEAVE:
      TvgSceneInput::Hover(*this, nullptr);
      return false;
    case WM_CHAR:
      TvgSceneInput::Character(*this, wchar_t(message.WParam));
      return false;
    case WM_IME_STARTCOMPOSITION:
      TvgSceneInput::StartComposition(*this, message);
      return true;
    case WM_IME_COMPOSITION:
      return TvgSceneInput::Composition(*this, message);
  }
  return false;
}

// --- Drop target -----------------------------------------------------------------------------

void TvgCustomScene::RegisterDropTarget() {
  RevokeDropTarget();
  dropTarget_ = new TvgSceneDropTarget(this);
  RegisterDragDrop(Handle(), dropTarget_);
}

void TvgCustomScene::RevokeDropTarget() {
  if (!dropTarget_) return;
  if (HandleAllocated()) RevokeDragDrop(Handle());
  dropTarget_->Detach();
  std::exchange(dropTarget_, nullptr)->Release();
}
