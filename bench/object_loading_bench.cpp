// Loading and cloning a stream of about 700 scene objects, the size of the default style: a root
// with 126 styles, each a control holding a few parts with gradient brushes. Prints the object
// count, then microseconds per object for loading from the binary stream and for cloning.
#include <chrono>
#include <cstdio>
#include <string>

#include "classlib/core/MemoryStream.h"
#include "engine/tree/Content.h"
#include "engine/tree/Control.h"
#include "engine/tree/TreeUnit.h"
#include "engine/tree/ObjectStreaming.h"
#include "engine/styles/ResourceObjects.h"

namespace {

constexpr int kStyles = 126;
constexpr int kPartsPerStyle = 4;
constexpr int kRuns = 20;

TvgObject* AddPart(TvgObject* parent, const std::string& resourceName) {
  auto* part = new TvgBrushObject(parent->Owner());
  part->SetResourceName(resourceName);
  TvgBrush* brush = part->Brush();
  brush->SetStyle(vgBrushGradient);
  brush->Gradient()->Points()->Points(0)->SetColor("#FF505050");
  brush->Gradient()->Points()->Points(1)->SetColor("#FF303030");
  parent->AddObject(part);
  return part;
}

TvgObject* BuildStyleTree(TComponent* owner) {
  auto* root = new TvgControl(owner);
  root->SetResourceName("defaultstyle");
  for (int s = 0; s < kStyles; ++s) {
    auto* style = new TvgControl(owner);
    style->SetResourceName("style" + std::to_string(s));
    style->SetBounds(float(s), float(s), 73, 26);
    root->AddObject(style);
    auto* content = new TvgContent(owner);
    content->SetResourceName("content");
    style->AddObject(content);
    for (int p = 0; p < kPartsPerStyle; ++p) AddPart(content, "part" + std::to_string(p));
  }
  return root;
}

int CountObjects(TvgObject* object) {
  std::vector<TvgObject*> all;
  object->AddObjectsToList(all);
  return int(all.size());
}

template <class F>
double MicrosecondsPerObject(int objects, F&& action) {
  auto start = std::chrono::steady_clock::now();
  for (int run = 0; run < kRuns; ++run) action();
  std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
  return elapsed.count() / kRuns / objects;
}

}  // namespace

int main() {
  vgInitializeTreeUnit();
  TComponent owner(nullptr);
  TvgObject* tree = BuildStyleTree(&owner);
  int objects = CountObjects(tree);
  TMemoryStream stream;
  vgSaveObjectToStream(tree, stream);

  bool failed = false;
  double load = MicrosecondsPerObject(objects, [&] {
    stream.SetPosition(0);
    TvgObject* loaded = vgLoadObjectFromBinary(nullptr, stream);
    failed |= !loaded || CountObjects(loaded) != objects;
    if (loaded) loaded->Free();
  });
  double clone = MicrosecondsPerObject(objects, [&] {
    TvgObject* copy = tree->Clone(nullptr);
    failed |= !copy || CountObjects(copy) != objects;
    if (copy) copy->Free();
  });
  if (failed) {
    std::fprintf(stderr, "a loaded or cloned tree lost objects\n");
    return 1;
  }
  std::printf("objects %d\nstream bytes %lld\nload us/object %.2f\nclone us/object %.2f\n", objects,
              static_cast<long long>(stream.Size()), load, clone);
  return 0;
}
