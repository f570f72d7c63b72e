#include "engine/paint/Bitmap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "classlib/core/MemoryStream.h"
#include "classlib/core/StringStream.h"
#include "engine/paint/Filter.h"
#include "engine/gdiplus/GdiPlusApi.h"
#include "engine/gdiplus/ImageFilterGdiPlus.h"
#include "engine/tree/TreeUnit.h"
#include "engine/styles/ResourceObjects.h"
#include "tests/support/ValueStreaming.h"

namespace {

// A codec with a transparent format: "FAKE", the format and parameter texts it was given, the
// size, then the pixels. It refuses anything else, short data included.
class TFakeFilter : public TvgFilter {
  CL_CLASS(TFakeFilter, TvgFilter)
public:
  static inline std::string lastFormat, lastParams;
  static inline int loads = 0;

  bool LoadFromFile(const std::string&, float, TvgBitmap&) override { return false; }
  bool LoadThumbnailFromFile(const std::string&, float, float, bool, TvgBitmap&) override { return false; }
  bool SaveToFile(const std::string&, TvgBitmap&, const std::string&) override { return false; }

  bool SaveToStream(TStream& stream, TvgBitmap& bitmap, const std::string& format,
                    const std::string& params) override {
    lastFormat = format;
    lastParams = params;
    std::string header = "FAKE" + format + ";" + params + ";";
    stream.WriteBuffer(header.data(), int64_t(header.size()));
    int32_t size[2] = {bitmap.Width(), bitmap.Height()};
    stream.WriteBuffer(size, sizeof size);
    stream.WriteBuffer(bitmap.Bits(), int64_t(bitmap.Width()) * bitmap.Height() * 4);
    return true;
  }

  bool LoadFromStream(TStream& stream, TvgBitmap& bitmap) override {
    ++loads;
    std::string data(size_t(stream.Size() - stream.Position()), '\0');
    stream.ReadBuffer(data.data(), int64_t(data.size()));
    size_t formatEnd = data.find(';');
    size_t paramsEnd = formatEnd == std::string::npos ? formatEnd : data.find(';', formatEnd + 1);
    if (data.rfind("FAKE", 0) != 0 || paramsEnd == std::string::npos) return false;
    size_t at = paramsEnd + 1;
    int32_t size[2];
    if (data.size() < at + sizeof size) return false;
    std::memcpy(size, data.data() + at, sizeof size);
    at += sizeof size;
    if (size[0] < 0 || size[1] < 0 || data.size() - at != size_t(size[0]) * size_t(size[1]) * 4) return false;
    bitmap.SetSize(size[0], size[1]);
    if (bitmap.Bits()) std::memcpy(bitmap.Bits(), data.data() + at, data.size() - at);
    return true;
  }
};
CL_PUBLISHED(TFakeFilter) {}

class TBitmapHolder : public TComponent {
  CL_CLASS(TBitmapHolder, TComponent)
public:
  TBitmapHolder() : TComponent(nullptr) {}
  TvgBitmap* Bitmap() const { return bitmap_.get(); }
  void SetBitmap(TvgBitmap* bitmap) { bitmap_->Assign(bitmap); }

private:
  std::unique_ptr<TvgBitmap> bitmap_ = std::make_unique<TvgBitmap>();
};
CL_PUBLISHED(TBitmapHolder) { published.Property("Bitmap", &TBitmapHolder::Bitmap, &TBitmapHolder::SetBitmap); }

class Bitmap : public ::testing::Test {
protected:
  void SetUp() override {
    vgInitializeTreeUnit();
    saved_ = DefaultFilterClass;
    DefaultFilterClass = TFakeFilter::StaticClass();
    TFakeFilter::loads = 0;
  }
  void TearDown() override { DefaultFilterClass = saved_; }

  static std::vector<TvgColor> Pixels(const TvgBitmap& bitmap) {
    return std::vector<TvgColor>(bitmap.Bits(), bitmap.Bits() + bitmap.Width() * bitmap.Height());
  }
  static int CountChanges(TvgBitmap& bitmap, const std::function<void()>& action) {
    int changes = 0;
    bitmap.OnChange = [&](TObject*) { ++changes; };
    action();
    bitmap.OnChange = nullptr;
    return changes;
  }

private:
  TClass saved_ = nullptr;
};

TEST_F(Bitmap, StartsTransparentAndResizesOnlyWhenTheSizeChanges) {
  TvgBitmap bitmap(3, 2);
  EXPECT_EQ(Pixels(bitmap), std::vector<TvgColor>(6, 0));
  bitmap.Clear(0xFFFF0000);
  EXPECT_EQ(CountChanges(bitmap, [&] { bitmap.SetSize(3, 2); }), 0);
  EXPECT_EQ(bitmap.Bits()[5], 0xFFFF0000u);
  EXPECT_EQ(CountChanges(bitmap, [&] { bitmap.SetSize(2, 3); }), 1);
  EXPECT_EQ(Pixels(bitmap), std::vector<TvgColor>(6, 0));
  bitmap.SetSize(-4, 5);
  EXPECT_TRUE(bitmap.IsEmpty());
  EXPECT_EQ(bitmap.Bits(), nullptr);
  EXPECT_EQ(bitmap.GetScanline(0), nullptr);
  EXPECT_EQ(CountChanges(bitmap, [&] { bitmap.Clear(0xFFFFFFFF); }), 0);
  TvgBitmap empty;
  EXPECT_TRUE(empty.IsEmpty());
}

TEST_F(Bitmap, ClearRectFillsTheTruncatedAndRoundedPixelRect) {
  struct Case {
    TvgRect rect;
    int left, top, right, bottom;
  } cases[] = {
      {{0.6f, 0.6f, 2.5f, 2.5f}, 0, 0, 2, 2},
      {{1, 1, 3.5f, 2.6f}, 1, 1, 4, 3},
      {{-5, -5, 100, 100}, 0, 0, 4, 4},
      {{3, 3, 1, 1}, 3, 3, 3, 3},
      {{9, 9, 12, 12}, 4, 4, 4, 4},
  };
  for (const auto& c : cases) {
    TvgBitmap bitmap(4, 4);
    int changes = CountChanges(bitmap, [&] { bitmap.ClearRect(c.rect, 0x80FF0000); });
    EXPECT_EQ(changes, 0);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x) {
        bool inside = x >= c.left && x < c.right && y >= c.top && y < c.bottom;
        EXPECT_EQ(bitmap.GetScanline(y)[x], inside ? 0x80800000u : 0u) << x << "," << y;
      }
  }
}

TEST_F(Bitmap, PixelOperationsKeepPremultipliedValues) {
  TvgBitmap bitmap(2, 3);
  for (int y = 0; y < 3; ++y) bitmap.GetScanline(y)[0] = bitmap.GetScanline(y)[1] = 0xFF000000u | uint32_t(y);
  EXPECT_EQ(CountChanges(bitmap, [&] { bitmap.FlipVertical(); }), 1);
  EXPECT_EQ(bitmap.GetScanline(0)[1], 0xFF000002u);
  EXPECT_EQ(bitmap.GetScanline(1)[0], 0xFF000001u);
  EXPECT_EQ(bitmap.GetScanline(2)[0], 0xFF000000u);
  EXPECT_EQ(bitmap.GetScanline(3), nullptr);
  EXPECT_EQ(bitmap.GetScanline(-1), nullptr);

  TvgBitmap pixels(4, 1);
  TvgColor* row = pixels.GetScanline(0);
  row[0] = 0;           // transparent
  row[1] = 0xFFFFFFFF;  // opaque white
  row[2] = 0x80800000;  // half red
  row[3] = 0x40000000;  // quarter black
  pixels.InvertAlpha();
  EXPECT_EQ(row[0], 0xFF000000u);
  EXPECT_EQ(row[1], 0x00000000u);
  EXPECT_EQ(row[2], 0x7F7F0000u);
  pixels.FillColor(0xFF00FF00);
  EXPECT_EQ(row[0], 0xFF00FF00u);
  EXPECT_EQ(row[1], 0u);  // no coverage, no colour
  EXPECT_EQ(row[2], 0x7F007F00u);
  std::vector<uint8_t> mask = pixels.CreateMask();
  EXPECT_EQ(mask, (std::vector<uint8_t>{0xFF, 0x00, 0x7F, 0xBF}));
}

TEST_F(Bitmap, ApplyMaskCutsCoverageWhereTheShiftedMaskIsSet) {
  TvgBitmap bitmap(3, 1);
  bitmap.Clear(0xFFFF0000);
  std::vector<uint8_t> mask{0xFF, 0x80, 0x00};
  EXPECT_EQ(CountChanges(bitmap, [&] { bitmap.ApplyMask(mask, 1, 0); }), 1);
  EXPECT_EQ(bitmap.GetScanline(0)[0], 0xFFFF0000u);  // outside the shifted mask
  EXPECT_EQ(bitmap.GetScanline(0)[1], 0u);           // mask 255: nothing left
  EXPECT_EQ(bitmap.GetScanline(0)[2], 0x7F7F0000u);  // mask 128: half left
  TvgBitmap other(3, 1);
  other.Clear(0xFFFFFFFF);
  other.ApplyMask(std::vector<uint8_t>{0xFF}, 0, 0);  // a short mask is read only as far as it goes
  EXPECT_EQ(other.GetScanline(0)[0], 0u);
  EXPECT_EQ(other.GetScanline(0)[2], 0xFFFFFFFFu);
}

TEST_F(Bitmap, StreamsPngForTranslucentPixelsAndJpegForOpaqueOnes) {
  struct Case {
    int width, height;
    TvgColor pixel;
    const char* format;
    const char* params;
  } cases[] = {{1, 1, 0x80FF0000, "png", ""}, {1, 1, 0xFFFF0000, "jpeg", "quality=100"}, {2, 1, 0, "png", ""}};
  for (const auto& c : cases) {
    TBitmapHolder holder;
    holder.Bitmap()->SetSize(c.width, c.height);
    holder.Bitmap()->Clear(c.pixel);
    std::string text = SaveAsText(&holder);
    EXPECT_NE(text.find("Bitmap.PNG = {"), std::string::npos) << text;
    EXPECT_EQ(TFakeFilter::lastFormat, c.format);
    EXPECT_EQ(TFakeFilter::lastParams, c.params);
    TBitmapHolder copy;
    LoadFromText(&copy, text);
    ASSERT_EQ(copy.Bitmap()->Width(), c.width);
    EXPECT_EQ(Pixels(*copy.Bitmap()), Pixels(*holder.Bitmap()));
  }
  TBitmapHolder empty;
  EXPECT_EQ(PropertyLines(&empty), "");
}

TEST_F(Bitmap, LoadsFromTheMiddleOfAStreamAndIgnoresDataItCannotDecode) {
  TvgBitmap source(2, 2);
  source.Clear(0x80102030);
  TMemoryStream encoded;
  source.SaveToStream(encoded);
  std::string bytes(static_cast<const char*>(encoded.Memory()), size_t(encoded.Size()));

  TStringStream stream("prefix" + bytes);
  stream.SetPosition(6);
  TvgBitmap loaded;
  EXPECT_EQ(CountChanges(loaded, [&] { loaded.LoadFromStream(stream); }), 2);  // the new size, the load
  EXPECT_EQ(Pixels(loaded), Pixels(source));

  for (size_t length : {size_t(0), size_t(3), bytes.size() / 2, bytes.size() - 1}) {
    TStringStream truncated(bytes.substr(0, length));
    TvgBitmap target(1, 1);
    EXPECT_EQ(CountChanges(target, [&] { target.LoadFromStream(truncated); }), 0) << length;
    EXPECT_EQ(target.Width(), 1);
  }
}

TEST_F(Bitmap, WithoutAFilterStreamsDoNothing) {
  DefaultFilterClass = nullptr;
  TvgBitmap bitmap(1, 1);
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  EXPECT_EQ(stream.Size(), 0);
  EXPECT_EQ(CountChanges(bitmap, [&] { bitmap.LoadFromStream(stream); }), 0);
}

TEST_F(Bitmap, MissingFilesAreIgnored) {
  TvgBitmap bitmap(1, 1);
  EXPECT_EQ(CountChanges(bitmap, [&] { bitmap.LoadFromFile("Z:\\no\\such\\file.png"); }), 0);
  EXPECT_EQ(TFakeFilter::loads, 0);
}

TEST_F(Bitmap, AssignCopiesPixelsOrTheResourceLink) {
  TComponent owner(nullptr);
  auto* resource = new TvgBitmapObject(&owner);
  resource->SetName("Logo");
  resource->Bitmap()->Clear(0xFF0000FF);

  TvgBitmap linked;
  EXPECT_EQ(CountChanges(linked, [&] { linked.SetResourceName("logo"); }), 1);
  EXPECT_EQ(linked.GetResourceBitmap(), resource->Bitmap());
  EXPECT_EQ(linked.Resource(), resource);

  TvgBitmap copy(5, 5);
  EXPECT_EQ(CountChanges(copy, [&] { copy.Assign(&linked); }), 1);
  EXPECT_EQ(copy.Resource(), resource);
  EXPECT_EQ(copy.ResourceName(), "logo");
  EXPECT_EQ(copy.Width(), 5);  // no pixels were taken

  TvgBitmap plain(2, 1);
  plain.Clear(0xFF00FF00);
  EXPECT_EQ(CountChanges(copy, [&] { copy.Assign(&plain); }), 1);
  EXPECT_EQ(copy.Resource(), nullptr);
  EXPECT_EQ(copy.ResourceName(), "");
  EXPECT_EQ(Pixels(copy), Pixels(plain));

  resource->Free();
  EXPECT_EQ(linked.Resource(), nullptr);
  EXPECT_EQ(linked.GetResourceBitmap(), nullptr);

  TvgGradientPoint notABitmap;
  EXPECT_THROW(copy.Assign(&notABitmap), EConvertError);
}

TEST_F(Bitmap, PixelBlockHelpersStayInsideTheirBlocks) {
  std::vector<uint32_t> block(4 * 3, 0);
  vgFillLongwordRect(block.data(), 4, 3, 1, 5, 9, 9, 7);  // top below the block: nothing
  EXPECT_EQ(block, std::vector<uint32_t>(12, 0));
  vgFillLongwordRect(block.data(), 4, 3, 2, 1, 9, 9, 7);
  EXPECT_EQ(block, (std::vector<uint32_t>{0, 0, 0, 0, 0, 0, 7, 7, 0, 0, 7, 7}));
  vgFillAlpha(block.data(), 2, 0x80);
  EXPECT_EQ(block[0], 0x80000000u);
  EXPECT_EQ(block[2], 0u);
  std::vector<uint32_t> line{1, 2, 3, 4, 5};
  vgMoveLongwords(line.data(), line.data() + 1, 4);
  EXPECT_EQ(line, (std::vector<uint32_t>{1, 1, 2, 3, 4}));
  vgFillLongwords(line.data(), 2, 9);
  EXPECT_EQ(line, (std::vector<uint32_t>{9, 9, 2, 3, 4}));
}

// The "PNG" property through the toolkit's own codec: the data is whatever the codec wrote, a PNG
// image for translucent pixels and a JPEG image for opaque ones, and both read back.
class BitmapPngProperty : public Bitmap {
protected:
  void SetUp() override {
    Bitmap::SetUp();
    StartupGdiplus();
    DefaultFilterClass = TvgFilterGdiPlus::StaticClass();
  }

  static std::string StreamedBytes(TvgBitmap& bitmap) {
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    return std::string(static_cast<const char*>(stream.Memory()), size_t(stream.Size()));
  }
};

TEST_F(BitmapPngProperty, AcceptsPngAndJpegData) {
  struct Case {
    TvgColor pixel;
    std::string signature;
  } cases[] = {{0x80FF0000, "\x89PNG"}, {0xFFFF0000, "\xFF\xD8\xFF"}};
  for (const auto& c : cases) {
    TBitmapHolder holder;
    holder.Bitmap()->SetSize(4, 3);
    holder.Bitmap()->Clear(c.pixel);
    EXPECT_EQ(StreamedBytes(*holder.Bitmap()).substr(0, c.signature.size()), c.signature);
    TBitmapHolder copy;
    LoadFromText(&copy, SaveAsText(&holder));
    ASSERT_EQ(copy.Bitmap()->Width(), 4);
    ASSERT_EQ(copy.Bitmap()->Height(), 3);
    TvgColor expected = holder.Bitmap()->Bits()[0];
    for (TvgColor pixel : Pixels(*copy.Bitmap())) {
      EXPECT_EQ(pixel >> 24, expected >> 24);
      EXPECT_NEAR(int((pixel >> 16) & 0xFF), int((expected >> 16) & 0xFF), 2);  // JPEG may shift a little
    }
  }
}

// Data that does not decode leaves the bitmap as it was; a decoder may still make an image of the
// part it got.
TEST_F(BitmapPngProperty, TruncatedImageDataIsRefusedOrDecodedInPart) {
  TvgBitmap source(8, 8);
  source.Clear(0x80204060);
  std::string png = StreamedBytes(source);
  source.Clear(0xFF204060);
  std::string jpeg = StreamedBytes(source);
  for (const std::string* data : {&png, &jpeg})
    for (size_t length : {size_t(0), size_t(1), size_t(8), size_t(33), data->size() / 2}) {
      TStringStream truncated(data->substr(0, length));
      TvgBitmap target(2, 2);
      target.Clear(0xFF0000FF);
      EXPECT_NO_THROW(target.LoadFromStream(truncated)) << length;
      bool untouched = target.Width() == 2 && target.Height() == 2 && target.Bits()[3] == 0xFF0000FF;
      bool decoded = target.Width() == 8 && target.Height() == 8;
      EXPECT_TRUE(untouched || decoded) << length << ": " << target.Width() << " x " << target.Height();
    }
}

}  // namespace
