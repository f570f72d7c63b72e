#include "engine/styles/ResourceObjects.h"

namespace {
void NameResource(TvgObject& object, const std::string& name) {
  if (object.ResourceName().empty()) object.SetResourceName(name);
}
}  // namespace

CL_PUBLISHED(TvgBrushObject) { published.Property("Brush", &TvgBrushObject::Brush, &TvgBrushObject::SetBrush); }

TvgBrushObject::TvgBrushObject(TComponent* owner)
    : TvgObject(owner), brush_(std::make_unique<TvgBrush>(vgBrushSolid, 0xFFFFFFFF)) {}

void TvgBrushObject::SetName(const std::string& name) {
  TvgObject::SetName(name);
  NameResource(*this, name);
}

CL_PUBLISHED(TvgPathObject) { published.Property("Path", &TvgPathObject::Path, &TvgPathObject::SetPath); }

TvgPathObject::TvgPathObject(TComponent* owner) : TvgObject(owner), path_(std::make_unique<TvgPathData>()) {}

void TvgPathObject::SetName(const std::string& name) {
  TvgObject::SetName(name);
  NameResource(*this, name);
}

CL_PUBLISHED(TvgBitmapObject) {
  published.Property("Bitmap", &TvgBitmapObject::Bitmap, &TvgBitmapObject::SetBitmap);
}

TvgBitmapObject::TvgBitmapObject(TComponent* owner) : TvgObject(owner), bitmap_(std::make_unique<TvgBitmap>(1, 1)) {}

void TvgBitmapObject::SetName(const std::string& name) {
  TvgObject::SetName(name);
  NameResource(*this, name);
}
