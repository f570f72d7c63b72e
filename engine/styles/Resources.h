#pragma once
// TvgResources: the style container a form places beside its scenes. It holds one root object
// whose children are styles, streamed as the form's binary property "ResourcesBin" (a complete
// "TPF0" stream), or given as object text in Resource, or read from the file FileName. Every
// replacement of the root makes the scenes that use this container re-apply their styles;
// controls keep the clones they made of the old styles until they clone again.
#include <memory>
#include <string>

#include "classlib/core/Component.h"

class TStringList;
class TvgObject;

class TvgResources : public TComponent {
  CL_CLASS(TvgResources, TComponent)
public:
  explicit TvgResources(TComponent* owner);
  ~TvgResources() override;

  // The style tree in the object text form; every change replaces the root.
  TStringList* Resource() const { return resource_.get(); }
  void SetResource(TStringList* strings);
  // A file of object text, looked for in the program's folder first, then as given.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& fileName);

  TvgObject* Root() const { return root_; }  // nullptr when empty

  // Each scene whose Style is this container, in the order of the scene list, re-applies the
  // styles of its tree.
  void UpdateScenes();

  void DefineProperties(TFiler& filer) override;
  void Loaded() override;

private:
  void ReadResources(TStream& stream);
  void WriteResources(TStream& stream);
  void ResourceChanged();
  void LoadFileName();
  void ReplaceRoot(TvgObject* root);
  // The path of the existing file: in the program's folder, else as given; empty when none.
  static std::string FindStyleFile(const std::string& fileName);

  std::unique_ptr<TStringList> resource_;
  TvgObject* root_ = nullptr;
  std::string fileName_;
};
