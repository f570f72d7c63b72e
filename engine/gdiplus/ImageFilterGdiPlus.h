#pragma once
// TvgFilterGdiPlus: the toolkit's image codec over GDI+. Decodes into a bitmap's own
// premultiplied pixels and encodes them with the encoder that the file extension or format
// name selects. Files are opened read-only and shared with other readers and writers.
#include <string>
#include <vector>

#include "engine/paint/Filter.h"
#include "engine/gdiplus/GdiPlusApi.h"

class TvgFilterGdiPlus : public TvgFilter {
  CL_CLASS(TvgFilterGdiPlus, TvgFilter)
public:
  std::string GetFileTypes() override;
  TvgPoint GetImageSize(const std::string& fileName) override;  // (0, 0) when it does not decode
  // A whole multiple of 90 degrees turns the pixels exactly; any other angle draws the image
  // turned about its centre into its bounding box.
  bool LoadFromFile(const std::string& fileName, float rotate, TvgBitmap& bitmap) override;
  // Fitted into FitWidth x FitHeight, never enlarged.
  bool LoadThumbnailFromFile(const std::string& fileName, float fitWidth, float fitHeight, bool useEmbedded,
                             TvgBitmap& bitmap) override;
  bool SaveToFile(const std::string& fileName, TvgBitmap& bitmap, const std::string& params) override;
  bool LoadFromStream(TStream& stream, TvgBitmap& bitmap) override;
  bool SaveToStream(TStream& stream, TvgBitmap& bitmap, const std::string& format,
                    const std::string& params) override;
};

// The encoder parameters of a Params text such as "quality=80 size=3": one quality entry per
// "quality" token (any case), all carrying the last token's value; other tokens are ignored.
// A value that is not an integer raises EConvertError.
class TEncoderParameters {
public:
  explicit TEncoderParameters(const std::string& params);
  TEncoderParameters(const TEncoderParameters&) = delete;
  TEncoderParameters& operator=(const TEncoderParameters&) = delete;
  const GpEncoderParameters* List() const;  // null without any quality token

private:
  LONG quality_ = 0;
  std::vector<uint8_t> block_;
};
