#pragma once
// What the scene demo programs share: a block filled with one colour, a scene that counts its
// paint passes, and a check for the stop file that ends a demo. Each demo is one source file
// that includes this header once.
#include "classlib/desktop/Win32.h"

#include <string>

#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/scene/Scene.h"
#include "engine/tree/VisualObject.h"

class TBlock : public TvgVisualObject {
  CL_CLASS(TBlock, TvgVisualObject)
public:
  using TvgVisualObject::TvgVisualObject;
  TvgColor color = 0;
  void Paint() override {
    constexpr TvgCorners kAllCorners{vgCornerTopLeft, vgCornerTopRight, vgCornerBottomLeft, vgCornerBottomRight};
    GetCanvas()->Fill()->SetStyle(vgBrushSolid);
    GetCanvas()->Fill()->SetSolidColor(color);
    GetCanvas()->FillRect(GetLocalRect(), 0, 0, kAllCorners, GetAbsoluteOpacity(), vgCornerRound);
  }
};
CL_PUBLISHED(TBlock) {}

// Counts the paint passes.
class TDemoScene : public TvgWindowScene {
public:
  using TvgWindowScene::TvgWindowScene;
  int draws = 0;
  void Draw() override {
    TvgWindowScene::Draw();
    ++draws;
  }
};

inline TBlock* AddBlock(TvgObject* parent, TvgColor color, float x, float y, float width, float height) {
  auto* block = new TBlock(nullptr);
  block->color = color;
  block->SetBounds(x, y, width, height);
  parent->AddObject(block);
  return block;
}

inline bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
