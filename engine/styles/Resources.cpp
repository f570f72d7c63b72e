#include "engine/styles/Resources.h"

#include <algorithm>
#include <vector>

#include "classlib/core/FileStream.h"
#include "classlib/core/MemoryStream.h"
#include "classlib/core/StringList.h"
#include "classlib/core/SysUtils.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/tree/ObjectStreaming.h"
#include "engine/scene/SceneInterface.h"
#include "engine/tree/VisualObject.h"

namespace {

// Styles are hidden in the designer of the style file; once in a container they are shown.
void ShowInDesigner(TvgObject* object) {
  TvgVisualObject* visual = object->Visual();
  if (!visual) return;
  visual->SetDesignHide(false);
  for (int i = 0; i < object->ChildrenCount(); ++i) ShowInDesigner(object->Children(i));
}

std::string ReadWholeFile(const std::string& path) {
  TFileStream file(path, fmOpenRead | fmShareDenyWrite);
  std::string text(size_t(file.Size()), '\0');
  file.ReadBuffer(text.data(), int64_t(text.size()));
  return text;
}

}  // namespace

CL_PUBLISHED(TvgResources) {
  published.Property("Resource", &TvgResources::Resource, &TvgResources::SetResource);
  published.Property("FileName", &TvgResources::FileName, &TvgResources::SetFileName);
}

TvgResources::TvgResources(TComponent* owner) : TComponent(owner), resource_(std::make_unique<TStringList>()) {
  resource_->OnChange = [this](TObject*) { ResourceChanged(); };
}

// Scenes let go of the container before its styles go, so that none keeps a dangling Style.
TvgResources::~TvgResources() {
  resource_->OnChange = nullptr;
  const std::vector<IvgWindowScene*> scenes = vgScenes();
  for (IvgWindowScene* scene : scenes)
    if (scene->GetStyle() == this) scene->SetStyle(nullptr);
  FreeAndNil(root_);
}

void TvgResources::SetResource(TStringList* strings) { resource_->Assign(strings); }

void TvgResources::SetFileName(const std::string& fileName) {
  if (fileName == fileName_) return;
  fileName_ = fileName;
  if (!HasState(csLoading)) LoadFileName();
}

void TvgResources::Loaded() {
  TComponent::Loaded();
  if (!fileName_.empty()) LoadFileName();
}

// A file that is missing or cannot be read leaves the styles as they are.
void TvgResources::LoadFileName() {
  const std::string path = FindStyleFile(fileName_);
  if (path.empty()) return;
  std::string text;
  try {
    text = ReadWholeFile(path);
  } catch (const Exception&) {
    return;
  }
  resource_->SetText(text);
}

void TvgResources::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "ResourcesBin", [this](TStream& stream) { ReadResources(stream); },
      [this](TStream& stream) { WriteResources(stream); }, root_ != nullptr);
}

void TvgResources::ReadResources(TStream& stream) {
  FreeAndNil(root_);
  ReplaceRoot(vgLoadObjectFromBinary(nullptr, stream));
}

void TvgResources::WriteResources(TStream& stream) {
  if (root_) vgSaveObjectToStream(root_, stream);
}

void TvgResources::ResourceChanged() {
  FreeAndNil(root_);
  TMemoryStream text;
  const std::string lines = resource_->Text();
  text.WriteBuffer(lines.data(), int64_t(lines.size()));
  text.SetPosition(0);
  ReplaceRoot(text.Size() > 0 ? vgLoadObjectFromText(nullptr, text) : nullptr);
}

// The old root is gone already, so that no scene clones from it again.
void TvgResources::ReplaceRoot(TvgObject* root) {
  root_ = root;
  if (root_) ShowInDesigner(root_);
  UpdateScenes();
}

// Scenes are taken from the scene list at each call, so a freed scene or one that has switched
// to another container is never told.
void TvgResources::UpdateScenes() {
  const std::vector<IvgWindowScene*> scenes = vgScenes();
  for (IvgWindowScene* scene : scenes) {
    const auto& live = vgScenes();
    if (std::find(live.begin(), live.end(), scene) != live.end() && scene->GetStyle() == this)
      scene->UpdateResource();
  }
}
