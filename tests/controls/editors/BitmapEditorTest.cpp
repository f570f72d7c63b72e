// The bitmap editor on its streamed form: loading (also of damaged files), cropping at any scale,
// the frame kept inside the picture and dropped when the picture changes, resizing with the
// aspect ratio kept, clearing and saving.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "controls/buttons/Button.h"
#include "controls/editors/BitmapEditor.h"
#include "controls/textboxes/NumberBox.h"
#include "controls/tracks/Track.h"
#include "engine/design/Selection.h"
#include "engine/dialogs/SystemDialogs.h"
#include "engine/paint/Bitmap.h"
#include "engine/shapes/Background.h"
#include "engine/tree/Control.h"
#include "tests/controls/editors/EditorFixture.h"

namespace {

// Answers the file dialogs with the names a test gives.
class TFileAnswers : public TvgSystemDialogs {
public:
  std::string openName, saveName, offeredSaveName;
  bool OpenFile(const std::string&, std::string& fileName) override {
    fileName = openName;
    return !openName.empty();
  }
  bool SaveFile(const std::string&, const std::string&, std::string& fileName) override {
    offeredSaveName = fileName;
    fileName = saveName;
    return !saveName.empty();
  }
};

// Each pixel tells where it is: red and green the low bytes of x and y, blue their high bits.
TvgColor PixelAt(int x, int y) {
  return 0xFF000000u | uint32_t(x & 0xFF) << 16 | uint32_t(y & 0xFF) << 8 | uint32_t(x >> 8) << 4 | uint32_t(y >> 8);
}

std::unique_ptr<TvgBitmap> Picture(int width, int height) {
  auto picture = std::make_unique<TvgBitmap>(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture->GetScanline(y)[x] = PixelAt(x, y);
  return picture;
}

std::vector<TvgColor> Pixels(const TvgBitmap& bitmap) {
  return {bitmap.Bits(), bitmap.Bits() + size_t(bitmap.Width()) * size_t(bitmap.Height())};
}

// The pixels of (left, top, width, height) of a Picture.
std::vector<TvgColor> PictureRect(int left, int top, int width, int height) {
  std::vector<TvgColor> pixels;
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x) pixels.push_back(PixelAt(x, y));
  return pixels;
}

class BitmapEditorTest : public EditorTest<TvgBitmapEditor> {
protected:
  void SetUp() override {
    vgSetSystemDialogs(&dialogs);
    EditorTest::SetUp();
    editor->HandleNeeded();
  }
  void TearDown() override {
    EditorTest::TearDown();
    vgSetSystemDialogs(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  template <class T>
  T* Part(const char* name) {
    return dynamic_cast<T*>(editor->FindComponent(name));
  }
  TvgCustomTrack* Scale() { return Part<TvgCustomTrack>("trackScale"); }
  bool Editable() { return Part<TvgControl>("editControl")->Enabled(); }
  bool CanConfirm() { return Part<TvgButton>("btnOk")->Enabled(); }
  // Shows a crop frame (the crop button fits the picture), then puts it over the picture's
  // pixels (x, y, width, height) at the scale shown.
  void Frame(float x, float y, float width, float height) {
    if (!editor->CropFrame()) editor->cropButtonClick(nullptr);
    ASSERT_NE(editor->CropFrame(), nullptr);
    const float s = Scale()->Value();
    editor->CropFrame()->SetBounds(x * s, y * s, width * s, height * s);
  }
  std::unique_ptr<TvgBitmap> Stored() {
    auto result = std::make_unique<TvgBitmap>();
    editor->StoreBitmap(result.get());
    return result;
  }
  std::string FilePath(const std::string& name) {
    std::filesystem::create_directories(folder);
    return (folder / name).string();
  }

  TFileAnswers dialogs;
  // One folder per process: CTest runs the cases in parallel processes, and each removes its own.
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("bitmap_editor_test_" + std::to_string(GetCurrentProcessId()));
};

TEST_F(BitmapEditorTest, StartsEmptyWithTheEditingControlsOff) {
  EXPECT_EQ(editor->WorkingBitmap()->Width(), 1);
  EXPECT_EQ(editor->WorkingBitmap()->Height(), 1);
  EXPECT_FALSE(Editable());
  EXPECT_FALSE(CanConfirm());
  EXPECT_EQ(editor->Caption(), "Bitmap Editor");
}

struct TLoadCase {
  int width, height;
  bool editable;
};
void PrintTo(const TLoadCase& c, std::ostream* out) { *out << c.width << "x" << c.height; }

class BitmapEditorLoad : public BitmapEditorTest, public ::testing::WithParamInterface<TLoadCase> {};

TEST_P(BitmapEditorLoad, EnablesEditingOnlyForPicturesWiderThanOnePixel) {
  auto picture = Picture(GetParam().width, GetParam().height);
  editor->LoadBitmap(picture.get());
  EXPECT_EQ(Editable(), GetParam().editable);
  EXPECT_EQ(CanConfirm(), GetParam().editable);
  EXPECT_EQ(Pixels(*editor->WorkingBitmap()), Pixels(*picture));
}

INSTANTIATE_TEST_SUITE_P(BitmapEditor, BitmapEditorLoad,
                         ::testing::Values(TLoadCase{1, 5, false}, TLoadCase{1, 1, false}, TLoadCase{2, 5, true},
                                           TLoadCase{400, 300, true}));

// The frame at the same place of the picture, shown at different scales, crops the same pixels.
class BitmapEditorCropScale : public BitmapEditorTest, public ::testing::WithParamInterface<float> {};

TEST_P(BitmapEditorCropScale, CropsTheSamePixelsAtEveryScale) {
  auto picture = Picture(40, 30);
  editor->LoadBitmap(picture.get());
  Frame(4, 3, 28, 21);
  EXPECT_EQ(Pixels(*Stored()), PictureRect(4, 3, 28, 21));
  Scale()->SetValue(1);
  EXPECT_EQ(Pixels(*Stored()), PictureRect(4, 3, 28, 21));
  Scale()->SetValue(GetParam());
  const auto scaled = Stored();
  EXPECT_EQ(scaled->Width(), 28);
  EXPECT_EQ(scaled->Height(), 21);
  EXPECT_EQ(Pixels(*scaled), PictureRect(4, 3, 28, 21));
  EXPECT_FLOAT_EQ(editor->CropFrame()->Width(), 28 * Scale()->Value()) << "the frame follows the scale";
}

INSTANTIATE_TEST_SUITE_P(BitmapEditor, BitmapEditorCropScale, ::testing::Values(2.0f, 0.5f, 3.3f, 0.7f));

TEST_F(BitmapEditorTest, TheCropButtonFitsThePictureAndFramesItsMiddle) {
  auto picture = Picture(1000, 750);
  editor->LoadBitmap(picture.get());
  editor->cropButtonClick(nullptr);
  ASSERT_NE(editor->CropFrame(), nullptr);
  EXPECT_EQ(Part<TvgButton>("cropButton")->Text(), L"Full");
  const float scale = Scale()->Value();
  EXPECT_LT(scale, 1) << "fitted into the smaller preview";
  const auto cropped = Stored();
  EXPECT_NEAR(cropped->Width(), 800, 2);
  EXPECT_NEAR(cropped->Height(), 600, 2);
  // The frame's corner is a tenth in, truncated at the scale shown.
  EXPECT_NEAR(int(Pixels(*cropped)[0] >> 16 & 0xFF), 100, 2);
  EXPECT_NEAR(int(Pixels(*cropped)[0] >> 8 & 0xFF), 75, 2);
  editor->cropButtonClick(nullptr);
  EXPECT_EQ(editor->CropFrame(), nullptr);
  EXPECT_EQ(Part<TvgButton>("cropButton")->Text(), L"Crop");
  EXPECT_EQ(Stored()->Width(), 1000);
}

// A frame reaching past the picture (as its least size does over a narrow picture) crops only
// what lies inside the picture.
struct TOutsideCase {
  const char* name;
  float x, y, width, height;
  int left, top, cropWidth, cropHeight;
};
void PrintTo(const TOutsideCase& c, std::ostream* out) { *out << c.name; }

class BitmapEditorFrameOutside : public BitmapEditorTest, public ::testing::WithParamInterface<TOutsideCase> {};

TEST_P(BitmapEditorFrameOutside, IsCutToThePicture) {
  const TOutsideCase& c = GetParam();
  auto picture = Picture(3, 40);
  editor->LoadBitmap(picture.get());
  Frame(c.x, c.y, c.width, c.height);
  const auto cropped = Stored();
  EXPECT_EQ(cropped->Width(), c.cropWidth);
  EXPECT_EQ(cropped->Height(), c.cropHeight);
  EXPECT_EQ(Pixels(*cropped), PictureRect(c.left, c.top, c.cropWidth, c.cropHeight));
}

INSTANTIATE_TEST_SUITE_P(
    BitmapEditor, BitmapEditorFrameOutside,
    ::testing::Values(TOutsideCase{"WiderThanThePicture", 0, 4, 15, 15, 0, 4, 3, 15},
                      TOutsideCase{"PastTheRightAndBottom", 1, 30, 20, 20, 1, 30, 2, 10},
                      TOutsideCase{"BeforeTheLeftAndTop", -5, -5, 7, 10, 0, 0, 2, 5},
                      TOutsideCase{"AllAround", -10, -10, 100, 100, 0, 0, 3, 40}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BitmapEditorTest, TheFrameOfTheButtonStaysInsideANarrowPicture) {
  auto picture = Picture(3, 200);
  editor->LoadBitmap(picture.get());
  editor->cropButtonClick(nullptr);
  const auto cropped = Stored();
  EXPECT_GE(cropped->Width(), 1);
  EXPECT_LE(cropped->Width(), 3);
  EXPECT_LE(cropped->Height(), 200);
}

// Every change of the picture drops the frame: it framed the old picture.
struct TChangeCase {
  const char* name;
  void (*change)(BitmapEditorTest&, TvgBitmapEditor&);
  int width, height;
};
void PrintTo(const TChangeCase& c, std::ostream* out) { *out << c.name; }

class BitmapEditorPictureChange : public BitmapEditorTest, public ::testing::WithParamInterface<TChangeCase> {};

TEST_P(BitmapEditorPictureChange, DropsTheCropFrame) {
  auto picture = Picture(40, 30);
  editor->LoadBitmap(picture.get());
  Frame(10, 10, 20, 15);
  GetParam().change(*this, *editor);
  EXPECT_EQ(editor->CropFrame(), nullptr);
  EXPECT_EQ(Part<TvgButton>("cropButton")->Text(), L"Crop");
  const auto stored = Stored();
  EXPECT_EQ(stored->Width(), GetParam().width);
  EXPECT_EQ(stored->Height(), GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(
    BitmapEditor, BitmapEditorPictureChange,
    ::testing::Values(
        TChangeCase{"LoadBitmap",
                    [](BitmapEditorTest&, TvgBitmapEditor& editor) {
                      auto other = Picture(8, 6);
                      editor.LoadBitmap(other.get());
                    },
                    8, 6},
        TChangeCase{"Clear", [](BitmapEditorTest&, TvgBitmapEditor& editor) { editor.Button3Click(nullptr); }, 1, 1},
        TChangeCase{"Resize",
                    [](BitmapEditorTest&, TvgBitmapEditor& editor) {
                      editor.btnResizeClick(nullptr);
                      dynamic_cast<TvgNumberBox*>(editor.FindComponent("newWidth"))->SetValue(20);
                      dynamic_cast<TvgNumberBox*>(editor.FindComponent("newHeight"))->SetValue(10);
                      editor.Button4Click(nullptr);
                    },
                    20, 10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BitmapEditorTest, ClearThenOkGivesOnePixel) {
  auto picture = Picture(40, 30);
  editor->LoadBitmap(picture.get());
  editor->Button3Click(nullptr);
  EXPECT_FALSE(Editable());
  EXPECT_TRUE(CanConfirm());
  EXPECT_FLOAT_EQ(Scale()->Value(), 1);
  editor->btnOkClick(nullptr);
  EXPECT_EQ(editor->ModalResult(), mrOk);
  const auto stored = Stored();
  EXPECT_EQ(stored->Width(), 1);
  EXPECT_EQ(stored->Height(), 1);
}

struct TAspectCase {
  const char* name;
  const char* box;
  const wchar_t* typed;
  const char* otherBox;
  float other;
};
void PrintTo(const TAspectCase& c, std::ostream* out) { *out << c.name; }

class BitmapEditorAspect : public BitmapEditorTest, public ::testing::WithParamInterface<TAspectCase> {};

TEST_P(BitmapEditorAspect, TypingOneSideSetsTheOther) {
  auto picture = Picture(400, 300);
  editor->LoadBitmap(picture.get());
  editor->btnResizeClick(nullptr);
  EXPECT_TRUE(Part<TvgBackground>("resizeLayout")->Visible());
  EXPECT_FLOAT_EQ(Part<TvgNumberBox>("newWidth")->Value(), 400);
  EXPECT_FLOAT_EQ(Part<TvgNumberBox>("newHeight")->Value(), 300);
  auto* box = Part<TvgNumberBox>(GetParam().box);
  box->SetText(GetParam().typed);
  box->Change();
  EXPECT_FLOAT_EQ(Part<TvgNumberBox>(GetParam().otherBox)->Value(), GetParam().other);
}

INSTANTIATE_TEST_SUITE_P(BitmapEditor, BitmapEditorAspect,
                         ::testing::Values(TAspectCase{"Width200", "newWidth", L"200", "newHeight", 150},
                                           TAspectCase{"Height150", "newHeight", L"150", "newWidth", 200},
                                           TAspectCase{"Width1", "newWidth", L"1", "newHeight", 1},
                                           TAspectCase{"Width999", "newWidth", L"999", "newHeight", 749}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BitmapEditorTest, ResizeOkStretchesThePictureAndHidesThePanel) {
  auto picture = std::make_unique<TvgBitmap>(40, 30);
  picture->Clear(0xFF3060C0);
  editor->LoadBitmap(picture.get());
  editor->btnResizeClick(nullptr);
  Part<TvgNumberBox>("newWidth")->SetValue(20);
  Part<TvgNumberBox>("newHeight")->SetValue(15);
  editor->Button4Click(nullptr);
  EXPECT_FALSE(Part<TvgBackground>("resizeLayout")->Visible());
  EXPECT_EQ(editor->WorkingBitmap()->Width(), 20);
  EXPECT_EQ(editor->WorkingBitmap()->Height(), 15);
  EXPECT_EQ(editor->WorkingBitmap()->GetScanline(7)[10], 0xFF3060C0u);
}

TEST_F(BitmapEditorTest, ResizeCancelKeepsThePicture) {
  auto picture = Picture(40, 30);
  editor->LoadBitmap(picture.get());
  editor->btnResizeClick(nullptr);
  Part<TvgNumberBox>("newWidth")->SetValue(20);
  editor->Button5Click(nullptr);
  EXPECT_FALSE(Part<TvgBackground>("resizeLayout")->Visible());
  EXPECT_EQ(Pixels(*editor->WorkingBitmap()), Pixels(*picture));
}

TEST_F(BitmapEditorTest, LoadsAFileChosenInTheOpenDialogAndSavesItUnderItsName) {
  auto picture = Picture(12, 9);
  const std::string source = FilePath("source.png");
  picture->SaveToFile(source);
  dialogs.openName = source;
  editor->Button1Click(nullptr);
  EXPECT_EQ(editor->FileName(), source);
  EXPECT_TRUE(Editable());
  EXPECT_TRUE(CanConfirm());
  EXPECT_EQ(Pixels(*editor->WorkingBitmap()), Pixels(*picture));
  dialogs.saveName = FilePath("saved.png");
  editor->btnSaveClick(nullptr);
  EXPECT_EQ(dialogs.offeredSaveName, source) << "the save dialog starts with the loaded file's name";
  TvgBitmap saved;
  saved.LoadFromFile(dialogs.saveName);
  EXPECT_EQ(Pixels(saved), Pixels(*picture));
}

// A file that does not decode is reported and changes nothing.
struct TDamagedCase {
  const char* name;
  const char* extension;
  size_t keptBytes;  // of a good file of that kind; 0 for garbage
};
void PrintTo(const TDamagedCase& c, std::ostream* out) { *out << c.name; }

class BitmapEditorDamagedFile : public BitmapEditorTest, public ::testing::WithParamInterface<TDamagedCase> {};

TEST_P(BitmapEditorDamagedFile, IsReportedAndChangesNothing) {
  const TDamagedCase& c = GetParam();
  const std::string good = FilePath(std::string("good.") + c.extension);
  const std::string damaged = FilePath(std::string("damaged.") + c.extension);
  Picture(64, 48)->SaveToFile(good);
  {
    std::ifstream in(good, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), c.keptBytes);
    if (c.keptBytes) bytes.resize(c.keptBytes);
    else bytes = std::string(300, '\x5A');
    std::ofstream(damaged, std::ios::binary) << bytes;
  }
  auto picture = Picture(40, 30);
  editor->LoadBitmap(picture.get());
  Frame(4, 4, 20, 20);
  dialogs.openName = damaged;
  editor->Button1Click(nullptr);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].Text.find(L"damaged." + std::wstring(c.extension, c.extension + strlen(c.extension))),
            std::wstring::npos)
      << "the message names the file";
  EXPECT_EQ(Pixels(*editor->WorkingBitmap()), Pixels(*picture));
  EXPECT_NE(editor->CropFrame(), nullptr) << "the frame stays with the picture it frames";
  EXPECT_EQ(editor->FileName(), "");
}

INSTANTIATE_TEST_SUITE_P(BitmapEditor, BitmapEditorDamagedFile,
                         ::testing::Values(TDamagedCase{"TruncatedPng", "png", 200},
                                           TDamagedCase{"HeaderOnlyPng", "png", 40},
                                           TDamagedCase{"GarbagePng", "png", 0},
                                           TDamagedCase{"TruncatedJpeg", "jpg", 400},
                                           TDamagedCase{"TruncatedBmp", "bmp", 500},
                                           TDamagedCase{"GarbageBmp", "bmp", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
