#pragma once
// TvgFilter: the image codec behind every image file and image stream of the toolkit. Bitmaps
// create a fresh instance of DefaultFilterClass for each load and save; the GDI+ unit sets it
// at start-up.
#include <memory>
#include <string>

#include "classlib/core/Persistent.h"
#include "engine/values/Geometry.h"

class TStream;
class TvgBitmap;

class TvgFilter : public TPersistent {
  CL_CLASS(TvgFilter, TPersistent)
public:
  virtual std::string GetFileTypes() { return ""; }  // masks separated by ";"
  virtual TvgPoint GetImageSize(const std::string&) { return {}; }
  virtual bool LoadFromFile(const std::string& fileName, float rotate, TvgBitmap& bitmap) = 0;
  virtual bool LoadThumbnailFromFile(const std::string& fileName, float fitWidth, float fitHeight,
                                     bool useEmbedded, TvgBitmap& bitmap) = 0;
  virtual bool SaveToFile(const std::string& fileName, TvgBitmap& bitmap, const std::string& params) = 0;
  virtual bool LoadFromStream(TStream& stream, TvgBitmap& bitmap) = 0;
  // format: "png", "jpeg" ...; params: "quality=100" ...
  virtual bool SaveToStream(TStream& stream, TvgBitmap& bitmap, const std::string& format,
                            const std::string& params) = 0;
};

// A TvgFilter descendant, or nullptr while none is installed.
extern TClass DefaultFilterClass;
// A new instance of DefaultFilterClass; nullptr while none is installed.
std::unique_ptr<TvgFilter> vgCreateDefaultFilter();
