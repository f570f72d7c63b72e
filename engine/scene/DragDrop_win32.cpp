#include "engine/scene/DragDrop.h"

#include <shlobj.h>

#include <cstring>
#include <optional>
#include <string_view>

#include "classlib/core/TextCodec.h"
#include "engine/scene/Scene.h"
#include "engine/tree/VisualObject.h"

namespace {

// The longest file name taken from a file list.
constexpr size_t kMaxFileName = 260;

// A reference to a scene object, cleared when the object is freed.
class TObjectWatch : public TComponent {
public:
  TObjectWatch() : TComponent(nullptr) {}
  TvgVisualObject* Get() const { return target_; }
  void Set(TvgVisualObject* target) {
    if (target_) target_->RemoveFreeNotification(this);
    target_ = target;
    if (target_) target_->FreeNotification(this);
  }
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == target_) target_ = nullptr;
  }

private:
  TvgVisualObject* target_ = nullptr;
};

TObjectWatch& Target() {
  static TObjectWatch watch;
  return watch;
}

TObjectWatch& Dragged() {
  static TObjectWatch watch;
  return watch;
}

// What an OLE drag holds from its entry to its leaving or drop.
IDataObject* heldData = nullptr;
IDropTargetHelper* dragImage = nullptr;

template <class T>
void ReleaseInterface(T*& object) {
  if (object) object->Release();
  object = nullptr;
}

void HoldData(IDataObject* data) {
  if (data) data->AddRef();
  ReleaseInterface(heldData);
  heldData = data;
}

void CreateDragImage() {
  ReleaseInterface(dragImage);
  if (FAILED(CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDropTargetHelper,
                              reinterpret_cast<void**>(&dragImage))))
    dragImage = nullptr;
}

// The bytes of an HGLOBAL medium, locked while the view lives.
class TGlobalView {
public:
  explicit TGlobalView(HGLOBAL memory) : memory_(memory), bytes_(static_cast<const uint8_t*>(GlobalLock(memory))) {
    size_ = bytes_ ? GlobalSize(memory) : 0;
  }
  ~TGlobalView() {
    if (bytes_) GlobalUnlock(memory_);
  }
  TGlobalView(const TGlobalView&) = delete;
  TGlobalView& operator=(const TGlobalView&) = delete;
  const uint8_t* Bytes() const { return bytes_; }
  size_t Size() const { return size_; }

private:
  HGLOBAL memory_;
  const uint8_t* bytes_;
  size_t size_ = 0;
};

// A data object's global memory in one format, released with the medium.
class TGlobalData {
public:
  TGlobalData(IDataObject* data, CLIPFORMAT format) {
    FORMATETC wanted{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    present_ = SUCCEEDED(data->GetData(&wanted, &medium_));
    if (present_ && (medium_.tymed != TYMED_HGLOBAL || !medium_.hGlobal)) {
      ReleaseStgMedium(&medium_);
      present_ = false;
    }
  }
  ~TGlobalData() {
    if (present_) ReleaseStgMedium(&medium_);
  }
  TGlobalData(const TGlobalData&) = delete;
  TGlobalData& operator=(const TGlobalData&) = delete;
  bool Present() const { return present_; }
  HGLOBAL Memory() const { return medium_.hGlobal; }

private:
  STGMEDIUM medium_{};
  bool present_ = false;
};

// The names of a file list, read within its memory whatever its offsets and terminators say.
std::vector<std::wstring> ParseFileList(const uint8_t* bytes, size_t size) {
  std::vector<std::wstring> names;
  DROPFILES header;
  if (!bytes || size < sizeof(header)) return names;
  std::memcpy(&header, bytes, sizeof(header));
  if (header.pFiles < sizeof(header) || header.pFiles >= size) return names;
  const uint8_t* start = bytes + header.pFiles;
  const size_t length = size - header.pFiles;
  auto add = [&names](std::wstring name) {
    if (name.size() > kMaxFileName) name.resize(kMaxFileName);
    names.push_back(std::move(name));
  };
  if (header.fWide) {
    std::wstring_view all(reinterpret_cast<const wchar_t*>(start), length / sizeof(wchar_t));
    for (size_t at = 0; at < all.size() && all[at] != L'\0';) {
      const size_t end = std::min(all.find(L'\0', at), all.size());
      add(std::wstring(all.substr(at, end - at)));
      at = end + 1;
    }
  } else {
    std::string_view all(reinterpret_cast<const char*>(start), length);
    for (size_t at = 0; at < all.size() && all[at] != '\0';) {
      const size_t end = std::min(all.find('\0', at), all.size());
      add(AnsiToWide(all.substr(at, end - at)));
      at = end + 1;
    }
  }
  return names;
}

std::optional<std::vector<std::wstring>> ReadFiles(IDataObject* data) {
  TGlobalData files(data, CF_HDROP);
  if (!files.Present()) return std::nullopt;
  TGlobalView view(files.Memory());
  return ParseFileList(view.Bytes(), view.Size());
}

std::optional<std::wstring> ReadText(IDataObject* data) {
  TGlobalData text(data, CF_UNICODETEXT);
  if (!text.Present()) return std::nullopt;
  TGlobalView view(text.Memory());
  if (!view.Bytes()) return std::wstring();
  std::wstring_view all(reinterpret_cast<const wchar_t*>(view.Bytes()), view.Size() / sizeof(wchar_t));
  return std::wstring(all.substr(0, all.find(L'\0')));
}

}  // namespace

TvgDragObject vgReadDragData(IDataObject* data) {
  TvgDragObject drag;
  if (!data) return drag;
  if (auto files = ReadFiles(data)) {
    drag.Files = std::move(*files);
    if (!drag.Files.empty()) drag.Data = drag.Files.front();
  } else if (auto text = ReadText(data)) {
    drag.Data = std::move(*text);
  }
  return drag;
}

TvgVisualObject* vgDragTarget() { return Target().Get(); }

void vgSwitchDragTarget(TvgVisualObject* target, TvgDragObject& data, const TvgPoint& point) {
  TvgVisualObject* old = Target().Get();
  if (target == old) return;
  Target().Set(target);
  if (old) old->DragLeave();
  if (target) target->DragEnter(&data, point);
}

void vgForgetDragTarget() { Target().Set(nullptr); }

TvgVisualObject* vgDraggedObject() { return Dragged().Get(); }

void vgSetDraggedObject(TvgVisualObject* object) { Dragged().Set(object); }

void vgReleaseDragDrop() {
  vgForgetDragTarget();
  ReleaseInterface(dragImage);
  ReleaseInterface(heldData);
}

// --- The drop target -------------------------------------------------------------------------

HRESULT TvgSceneDropTarget::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
    *object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG TvgSceneDropTarget::AddRef() { return ULONG(InterlockedIncrement(&references_)); }

ULONG TvgSceneDropTarget::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return ULONG(left);
}

TvgVisualObject* TvgSceneDropTarget::Root() const {
  TvgObject* root = scene_ ? scene_->GetRoot() : nullptr;
  return root ? root->Visual() : nullptr;
}

TvgPoint TvgSceneDropTarget::ScenePoint(POINTL point) const {
  POINT client{point.x, point.y};
  ScreenToClient(scene_->Handle(), &client);
  return {float(client.x), float(client.y)};
}

// Nothing escapes a callback of the window system: a failure refuses the drop.
HRESULT TvgSceneDropTarget::DragEnter(IDataObject* data, DWORD, POINTL point, DWORD* effect) {
  try {
    *effect = DROPEFFECT_NONE;
    if (!scene_ || !scene_->GetRoot()) return S_OK;
    HoldData(data);
    CreateDragImage();
    POINT at{point.x, point.y};
    if (dragImage) dragImage->DragEnter(scene_->Handle(), data, &at, *effect);
    return S_OK;
  } catch (...) {
    *effect = DROPEFFECT_NONE;
    return E_UNEXPECTED;
  }
}

HRESULT TvgSceneDropTarget::DragOver(DWORD, POINTL point, DWORD* effect) {
  try {
    *effect = DROPEFFECT_NONE;
    TvgVisualObject* root = Root();
    if (root && heldData) {
      const TvgPoint at = ScenePoint(point);
      TvgDragObject drag = vgReadDragData(heldData);
      TvgVisualObject* target = root->FindTarget(at, &drag);
      vgSwitchDragTarget(target, drag, at);
      if (target) *effect = DROPEFFECT_LINK;
    }
    POINT at{point.x, point.y};
    if (dragImage) dragImage->DragOver(&at, *effect);
    return S_OK;
  } catch (...) {
    *effect = DROPEFFECT_NONE;
    return E_UNEXPECTED;
  }
}

HRESULT TvgSceneDropTarget::DragLeave() {
  try {
    if (TvgVisualObject* target = vgDragTarget()) {
      vgForgetDragTarget();
      target->DragLeave();
    }
    if (dragImage) dragImage->DragLeave();
    vgReleaseDragDrop();
    return S_OK;
  } catch (...) {
    vgReleaseDragDrop();
    return E_UNEXPECTED;
  }
}

// The target is forgotten before it hears of the drop, whose handler may free it.
HRESULT TvgSceneDropTarget::Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) {
  try {
    *effect = DROPEFFECT_NONE;
    if (TvgVisualObject* target = scene_ ? vgDragTarget() : nullptr) {
      const TvgPoint at = ScenePoint(point);
      TvgDragObject drag = vgReadDragData(data);
      vgForgetDragTarget();
      target->DragDrop(&drag, at);
      *effect = DROPEFFECT_LINK;
    }
    POINT at{point.x, point.y};
    if (dragImage) dragImage->Drop(data, &at, *effect);
    vgReleaseDragDrop();
    return S_OK;
  } catch (...) {
    vgReleaseDragDrop();
    *effect = DROPEFFECT_NONE;
    return E_UNEXPECTED;
  }
}
