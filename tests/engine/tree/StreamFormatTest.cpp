// The binary form of a tree is the same whatever the pointer size of the build that writes it:
// the bytes are compared with a form written once and checked in (fixtures/stream_format.bin).
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "classlib/core/MemoryStream.h"
#include "classlib/desktop/ResourceStream.h"
#include "engine/tree/Content.h"
#include "engine/tree/TreeUnit.h"
#include "engine/tree/ObjectStreaming.h"
#include "engine/styles/ResourceObjects.h"

namespace {

std::string Bytes(TCustomMemoryStream& stream) {
  return std::string(static_cast<const char*>(stream.Memory()), size_t(stream.Size()));
}

// Integers, floats, enumerations, sets, wide texts, collections and binary path data.
TvgObject* TreeOfEveryValueKind() {
  auto* root = new TvgObject(nullptr);
  root->SetName("Root");
  root->SetTag(-2147483647);
  root->SetResourceName("formatstyle");
  auto* content = new TvgContent(root);
  content->SetBounds(10, 20, 30.5f, 1e-3f);
  content->SetAlign(vaClient);
  content->SetRotateAngle(-45.25f);
  content->SetHint(L"\u63d0\u793a");
  content->Margins()->SetRect({1, 2, 3, 4});
  root->AddObject(content);
  auto* brush = new TvgBrushObject(root);
  brush->SetResourceName("grad");
  brush->Brush()->SetStyle(vgBrushGradient);
  brush->Brush()->Gradient()->Points()->Add(0xFF00FF00, 0.5f);
  root->AddObject(brush);
  auto* path = new TvgPathObject(root);
  path->Path()->SetData("M 0 0 L 10.5 10 C 1 2 3 4 5 6 Z");
  root->AddObject(path);
  return root;
}

TEST(StreamFormat, TheBinaryFormIsTheSameOnEveryArchitecture) {
  vgInitializeTreeUnit();
  TvgObject* tree = TreeOfEveryValueKind();
  TMemoryStream written;
  vgSaveObjectToStream(tree, written);
  tree->Free();
  TResourceStream fixture("STREAMFORMAT");
  if (Bytes(written) != Bytes(fixture)) {
    std::ofstream("stream_format.bin", std::ios::binary) << Bytes(written);
    FAIL() << "the binary form differs from the checked-in one; this build's bytes are in stream_format.bin";
  }
}

}  // namespace
