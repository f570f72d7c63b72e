// The GDI+ image filter: decoding and encoding PNG, JPEG and the other formats, quarter and free
// rotation, thumbnails, encoder parameters.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "classlib/core/MemoryStream.h"
#include "classlib/core/StreamErrors.h"
#include "engine/paint/Bitmap.h"
#include "engine/gdiplus/GdiPlusApi.h"
#include "engine/gdiplus/ImageFilterGdiPlus.h"

namespace {

namespace fs = std::filesystem;

// 3 x 2, straight alpha: red, green, blue at alpha 0x80 / white, transparent, black.
const std::vector<uint8_t> smallPng = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
    0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x9D, 0x74, 0x66, 0x1A, 0x00, 0x00, 0x00,
    0x19, 0x49, 0x44, 0x41, 0x54, 0x78, 0xDA, 0x63, 0xF8, 0xCF, 0xC0, 0xF0, 0x1F, 0x0C, 0x19, 0xFE, 0x37, 0x30,
    0xFC, 0x07, 0x02, 0x06, 0x08, 0xF8, 0x0F, 0x00, 0x95, 0x8B, 0x0A, 0x77, 0x4A, 0x02, 0x63, 0xC7, 0x00, 0x00,
    0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
const std::vector<TvgColor> smallPngPixels = {0xFFFF0000, 0xFF00FF00, 0x80000080,
                                              0xFFFFFFFF, 0x00000000, 0xFF000000};

std::vector<TvgColor> PixelsOf(const TvgBitmap& bitmap) {
  if (!bitmap.Bits()) return {};
  return {bitmap.Bits(), bitmap.Bits() + size_t(bitmap.Width()) * bitmap.Height()};
}

std::string Signature(const std::vector<uint8_t>& bytes) {
  if (bytes.size() >= 4 && bytes[0] == 0x89 && bytes[1] == 'P' && bytes[2] == 'N' && bytes[3] == 'G') return "png";
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) return "jpeg";
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return "bmp";
  if (bytes.size() >= 4 && bytes[0] == 'G' && bytes[1] == 'I' && bytes[2] == 'F') return "gif";
  bool intel = bytes.size() >= 4 && bytes[0] == 'I' && bytes[1] == 'I';
  bool motorola = bytes.size() >= 4 && bytes[0] == 'M' && bytes[1] == 'M';
  if (intel || motorola) return "tiff";
  return bytes.empty() ? "nothing" : "unknown";
}

std::vector<uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<uint8_t> BytesOf(TMemoryStream& stream) {
  auto* begin = static_cast<const uint8_t*>(static_cast<const TCustomMemoryStream&>(stream).Memory());
  return {begin, begin + stream.Size()};
}

class GdiPlusFilter : public testing::Test {
protected:
  void SetUp() override {
    StartupGdiplus();
    folder_ = fs::temp_directory_path() / ("gdiplus-filter-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
    ShutdownGdiplus();
  }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  std::string WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::ofstream(folder_ / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return PathOf(name);
  }

  // An opaque blue image with a red 2 x 2 block in its top-left corner, saved as PNG.
  std::string MarkedImage(const std::string& name, int width, int height) {
    TvgBitmap image(width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) image.GetScanline(y)[x] = (x < 2 && y < 2) ? 0xFFFF0000 : 0xFF0000FF;
    std::string path = PathOf(name);
    filter_.SaveToFile(path, image, "");
    return path;
  }

  TvgFilterGdiPlus filter_;
  fs::path folder_;
};

TEST_F(GdiPlusFilter, DecodesAPngIntoPremultipliedPixels) {
  TMemoryStream stream;
  stream.WriteBuffer(smallPng.data(), int64_t(smallPng.size()));
  stream.SetPosition(0);
  TvgBitmap bitmap;
  ASSERT_TRUE(filter_.LoadFromStream(stream, bitmap));
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(PixelsOf(bitmap), smallPngPixels);
}

TEST_F(GdiPlusFilter, DecodingReplacesWhatTheBitmapHeld) {
  TMemoryStream stream;
  stream.WriteBuffer(smallPng.data(), int64_t(smallPng.size()));
  stream.SetPosition(0);
  TvgBitmap bitmap(3, 2);
  bitmap.Clear(0xFF123456);
  ASSERT_TRUE(filter_.LoadFromStream(stream, bitmap));
  EXPECT_EQ(PixelsOf(bitmap), smallPngPixels);
}

TEST_F(GdiPlusFilter, PngKeepsTranslucentPixelsThroughARoundTrip) {
  TvgBitmap original(2, 1);
  original.GetScanline(0)[0] = 0x80000080;
  original.GetScanline(0)[1] = 0xFF00FF00;
  TMemoryStream stream;
  filter_.SaveToStream(stream, original, "png", "");
  stream.SetPosition(0);
  TvgBitmap decoded;
  ASSERT_TRUE(filter_.LoadFromStream(stream, decoded));
  EXPECT_EQ(PixelsOf(decoded), PixelsOf(original));
}

TEST_F(GdiPlusFilter, JpegRoundTripKeepsSizeAndApproximateColour) {
  TvgBitmap original(16, 8);
  original.Clear(0xFF2080C0);
  TMemoryStream stream;
  filter_.SaveToStream(stream, original, "jpeg", "quality=100");
  ASSERT_EQ(Signature(BytesOf(stream)), "jpeg");
  stream.SetPosition(0);
  TvgBitmap decoded;
  ASSERT_TRUE(filter_.LoadFromStream(stream, decoded));
  ASSERT_EQ(decoded.Width(), 16);
  ASSERT_EQ(decoded.Height(), 8);
  TvgColor pixel = decoded.GetScanline(4)[8];
  EXPECT_EQ(pixel >> 24, 0xFFu);
  EXPECT_NEAR(int((pixel >> 16) & 0xFF), 0x20, 4);
  EXPECT_NEAR(int((pixel >> 8) & 0xFF), 0x80, 4);
  EXPECT_NEAR(int(pixel & 0xFF), 0xC0, 4);
}

TEST_F(GdiPlusFilter, StreamFormatIsChosenByName) {
  const std::pair<const char*, const char*> cases[] = {
      {"png", "png"}, {"PNG", "png"}, {"jpeg", "jpeg"}, {"JPEG", "jpeg"}, {"jpg", "jpeg"},
      {"bmp", "bmp"}, {"gif", "gif"}, {"tif", "tiff"},  {"tiff", "tiff"}, {"webp", "png"}, {"", "png"}};
  TvgBitmap bitmap(4, 4);
  bitmap.Clear(0xFF808080);
  for (auto [format, expected] : cases) {
    TMemoryStream stream;
    filter_.SaveToStream(stream, bitmap, format, "");
    EXPECT_EQ(Signature(BytesOf(stream)), expected) << "format " << format;
  }
}

TEST_F(GdiPlusFilter, FileFormatIsChosenByTheLowerCasedExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"a.JPG", "jpeg"}, {"b.jpeg", "jpeg"}, {"c.Png", "png"}, {"d.bmp", "bmp"},
      {"e.tif", "tiff"}, {"f.gif", "gif"},   {"g.xyz", "nothing"}, {"h", "nothing"}};
  TvgBitmap bitmap(4, 4);
  bitmap.Clear(0xFF808080);
  for (auto [name, expected] : cases) {
    filter_.SaveToFile(PathOf(name), bitmap, "");
    EXPECT_EQ(Signature(ReadFile(folder_ / name)), expected) << name;
  }
}

TEST(GdiPlusEncoderParameters, QualityTokensBecomeQualityEntriesWithTheLastValue) {
  struct Case {
    const char* params;
    UINT entries;
    LONG quality;
  };
  const Case cases[] = {{"quality=80", 1, 80}, {"Quality=80", 1, 80}, {"size=3 quality=80", 1, 80},
                        {"quality=10 QUALITY=80", 2, 80}, {"size=3", 0, 0}, {"", 0, 0}};
  for (const Case& c : cases) {
    TEncoderParameters parameters(c.params);
    const GpEncoderParameters* list = parameters.List();
    if (c.entries == 0) {
      EXPECT_EQ(list, nullptr) << c.params;
      continue;
    }
    ASSERT_NE(list, nullptr) << c.params;
    ASSERT_EQ(list->Count, c.entries) << c.params;
    for (UINT i = 0; i < list->Count; ++i) {
      const GpEncoderParameter& entry = list->Parameter[i];
      EXPECT_TRUE(IsEqualGUID(entry.Guid, gpEncoderQuality));
      EXPECT_EQ(entry.NumberOfValues, 1u);
      EXPECT_EQ(entry.Type, 4u);
      EXPECT_EQ(*static_cast<const LONG*>(entry.Value), c.quality) << c.params;
    }
  }
  EXPECT_THROW(TEncoderParameters("quality=high"), EConvertError);
}

TEST_F(GdiPlusFilter, JpegIsSavedWithQualityParameters) {
  TvgBitmap bitmap(8, 8);
  bitmap.Clear(0xFF336699);
  TMemoryStream stream;
  EXPECT_TRUE(filter_.SaveToStream(stream, bitmap, "jpeg", "size=3 Quality=80"));
  EXPECT_EQ(Signature(BytesOf(stream)), "jpeg");
  EXPECT_THROW(filter_.SaveToStream(stream, bitmap, "jpeg", "quality=high"), EConvertError);
}

TEST_F(GdiPlusFilter, QuarterTurnsTurnThePixelsClockwise) {
  std::string path = MarkedImage("marked.png", 40, 20);
  struct Case {
    float rotate;
    int width, height, markX, markY;
  };
  const Case cases[] = {{0, 40, 20, 0, 0},   {90, 20, 40, 19, 0}, {180, 40, 20, 39, 19}, {270, 20, 40, 0, 39},
                        {360, 40, 20, 0, 0}, {-90, 20, 40, 0, 39}, {450, 20, 40, 19, 0}};
  for (const Case& c : cases) {
    TvgBitmap bitmap;
    ASSERT_TRUE(filter_.LoadFromFile(path, c.rotate, bitmap));
    ASSERT_EQ(bitmap.Width(), c.width) << c.rotate;
    ASSERT_EQ(bitmap.Height(), c.height) << c.rotate;
    EXPECT_EQ(bitmap.GetScanline(c.markY)[c.markX], 0xFFFF0000u) << c.rotate;
    EXPECT_EQ(bitmap.GetScanline(c.height / 2)[c.width / 2], 0xFF0000FFu) << c.rotate;
  }
}

TEST_F(GdiPlusFilter, OtherAnglesDrawIntoTheTurnedBoundingBox) {
  TvgBitmap square(10, 10);
  square.Clear(0xFF00FF00);
  std::string path = PathOf("square.png");
  filter_.SaveToFile(path, square, "");
  TvgBitmap bitmap;
  ASSERT_TRUE(filter_.LoadFromFile(path, 45, bitmap));
  EXPECT_EQ(bitmap.Width(), 14);
  EXPECT_EQ(bitmap.Height(), 14);
  EXPECT_EQ(bitmap.GetScanline(7)[7], 0xFF00FF00u);
  EXPECT_EQ(bitmap.GetScanline(0)[0], 0u);  // a corner outside the turned square
}

TEST_F(GdiPlusFilter, ThumbnailsShrinkToFitAndNeverEnlarge) {
  std::string path = MarkedImage("wide.png", 100, 50);
  struct Case {
    float fitWidth, fitHeight;
    bool useEmbedded;
    int width, height;
  };
  const Case cases[] = {{20, 20, false, 20, 10}, {400, 400, false, 100, 50}, {20, 20, true, 20, 10}};
  for (const Case& c : cases) {
    TvgBitmap bitmap;
    ASSERT_TRUE(filter_.LoadThumbnailFromFile(path, c.fitWidth, c.fitHeight, c.useEmbedded, bitmap));
    EXPECT_EQ(bitmap.Width(), c.width) << c.fitWidth << " embedded " << c.useEmbedded;
    ASSERT_EQ(bitmap.Height(), c.height) << c.fitWidth << " embedded " << c.useEmbedded;
    TvgColor centre = bitmap.GetScanline(c.height / 2)[c.width / 2];
    EXPECT_EQ(centre >> 24, 0xFFu);
    EXPECT_GT(centre & 0xFF, 0xF0u) << "blue in the middle";
  }
}

TEST_F(GdiPlusFilter, ImageSizeComesFromTheFile) {
  EXPECT_EQ(filter_.GetImageSize(MarkedImage("size.png", 40, 20)), (TvgPoint{40, 20}));
  EXPECT_EQ(filter_.GetImageSize(WriteFile("text.png", {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'})),
            (TvgPoint{0, 0}));
}

TEST_F(GdiPlusFilter, UndecodableInputLeavesTheBitmapAlone) {
  std::string path = WriteFile("broken.png", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0});
  TvgBitmap bitmap(2, 2);
  bitmap.Clear(0xFF112233);
  EXPECT_FALSE(filter_.LoadFromFile(path, 0, bitmap));
  EXPECT_FALSE(filter_.LoadThumbnailFromFile(path, 10, 10, false, bitmap));
  TMemoryStream empty;
  EXPECT_FALSE(filter_.LoadFromStream(empty, bitmap));
  EXPECT_EQ(PixelsOf(bitmap), std::vector<TvgColor>(4, 0xFF112233));
}

TEST_F(GdiPlusFilter, AMissingFileRaisesTheOpenError) {
  TvgBitmap bitmap;
  EXPECT_THROW(filter_.LoadFromFile(PathOf("missing.png"), 0, bitmap), EFOpenError);
  EXPECT_THROW(filter_.GetImageSize(PathOf("missing.png")), EFOpenError);
}

TEST_F(GdiPlusFilter, FileTypesListTheDecodableFormats) {
  EXPECT_EQ(filter_.GetFileTypes(), "*.bmp;*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.gif;*.ico");
}

}  // namespace
