// The image control: its bitmap fitted into the style's image part, opened through the file
// dialog, dropped on it as an image file or an image object, and given as data.
#include "tests/support/ControlsFixture.h"
//
#include <cstdio>
#include <memory>

#include "controls/panels/ImageControl.h"
#include "engine/dialogs/SystemDialogs.h"
#include "engine/paint/Bitmap.h"
#include "engine/scene/DragDrop.h"
#include "engine/shapes/Image.h"
#include "engine/tree/ObjectRegistry.h"

namespace {

const char* const kImageStyle =
    "object TvgRectangle\r\n"
    "  object TvgRectangle\r\n"
    "    ResourceName = 'imagecontrolstyle'\r\n"
    "    HitTest = False\r\n"
    "    object TvgImage\r\n"
    "      ResourceName = 'image'\r\n"
    "      Align = vaContents\r\n"
    "      HitTest = False\r\n"
    "    end\r\n"
    "  end\r\n"
    "end\r\n";

constexpr TvgColor kRed = 0xFFFF0000;

// Answers the open dialog with a given file, noting the filter it was shown with.
class TScriptedDialogs : public TvgSystemDialogs {
public:
  std::string answer;
  std::vector<std::string> filters;
  bool OpenFile(const std::string& filter, std::string& fileName) override {
    filters.push_back(filter);
    if (answer.empty()) return false;
    fileName = answer;
    return true;
  }
};

class ImageControlTest : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    UseStyles(kImageStyle);
    vgSetSystemDialogs(&dialogs);
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string stem = std::string(folder) + "kest_image_control_" + std::to_string(GetCurrentProcessId());
    pngFile = stem + ".png";
    textFile = stem + ".txt";
    TvgBitmap picture(8, 6);
    picture.Clear(kRed);
    picture.SaveToFile(pngFile);
    if (FILE* file = fopen(textFile.c_str(), "w")) {
      fputs("not an image", file);
      fclose(file);
    }
  }
  void TearDown() override {
    vgSetSystemDialogs(nullptr);
    remove(pngFile.c_str());
    remove(textFile.c_str());
    ControlsTest::TearDown();
  }
  static TvgBitmap* Shown(TvgImageControl* control) {
    return static_cast<TvgImage*>(control->FindResource("image"))->Bitmap();
  }
  static std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

  TScriptedDialogs dialogs;
  std::string pngFile, textFile;
};

TEST_F(ImageControlTest, TheBitmapIsFittedIntoTheImagePartAndNeverEnlarged) {
  auto* control = Add<TvgImageControl>(10, 10, 100, 50);
  int changes = 0;
  control->OnChange = [&](TObject*) { ++changes; };
  TvgBitmap wide(200, 50);
  wide.Clear(kRed);
  control->SetBitmap(&wide);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(Shown(control)->Width(), 100);
  EXPECT_EQ(Shown(control)->Height(), 25);
  EXPECT_EQ(Shown(control)->Bits()[12 * 100 + 50], kRed);

  TvgBitmap small(20, 10);
  small.Clear(kRed);
  control->SetBitmap(&small);
  EXPECT_EQ(Shown(control)->Width(), 20);
  EXPECT_EQ(Shown(control)->Height(), 10);
}

TEST_F(ImageControlTest, AClickOpensAFileOfTheImageFormatsTheToolkitReads) {
  auto* control = Add<TvgImageControl>(10, 10, 100, 50);
  dialogs.answer = pngFile;
  ClickAt(50, 30);
  ASSERT_EQ(dialogs.filters.size(), 1u);
  EXPECT_NE(dialogs.filters[0].find("*.png"), std::string::npos) << dialogs.filters[0];
  EXPECT_EQ(control->Bitmap()->Width(), 8);
  EXPECT_EQ(control->Bitmap()->Height(), 6);

  dialogs.answer.clear();  // cancelled
  ClickAt(50, 30);
  EXPECT_EQ(control->Bitmap()->Width(), 8);
  control->SetEnableOpenDialog(false);
  ClickAt(50, 30);
  EXPECT_EQ(dialogs.filters.size(), 2u);
}

TEST_F(ImageControlTest, OnlyExistingImageFilesAndImageObjectsMayBeDropped) {
  auto* control = Add<TvgImageControl>(10, 10, 100, 50);
  auto image = std::make_unique<TvgImage>(nullptr);
  struct Case {
    const char* what;
    TvgDragObject data;
    bool accepted;
  } cases[] = {
      {"an image file", {nullptr, {Wide(pngFile)}, {}}, true},
      {"a text file", {nullptr, {Wide(textFile)}, {}}, false},
      {"a missing image file", {nullptr, {Wide(pngFile + ".png")}, {}}, false},
      {"an image object", {image.get(), {}, {}}, true},
      {"a text", {nullptr, {}, Variant(L"words")}, false},
  };
  for (Case& c : cases) {
    bool accept = !c.accepted;
    control->DragOver(&c.data, {50, 30}, accept);
    EXPECT_EQ(accept, c.accepted) << c.what;
  }
}

TEST_F(ImageControlTest, ADroppedImageObjectGivesItsBitmapAndADroppedFileIsLoaded) {
  auto* control = Add<TvgImageControl>(10, 10, 100, 50);
  auto image = std::make_unique<TvgImage>(nullptr);
  image->Bitmap()->SetSize(3, 4);
  TvgDragObject fromImage{image.get(), {}, {}};
  control->DragDrop(&fromImage, {50, 30});
  EXPECT_EQ(control->Bitmap()->Width(), 3);

  TvgDragObject fromFile{nullptr, {Wide(pngFile), Wide(textFile)}, {}};
  control->DragDrop(&fromFile, {50, 30});
  EXPECT_EQ(control->Bitmap()->Width(), 8);
}

TEST_F(ImageControlTest, DataIsTheBitmapAsAReference) {
  auto* control = Add<TvgImageControl>(10, 10, 100, 50);
  EXPECT_EQ(vgVariantToObject(control->GetData()), control->Bitmap());

  TvgBitmap source(5, 5);
  control->SetData(vgObjectToVariant(&source));
  EXPECT_EQ(control->Bitmap()->Width(), 5);
  control->SetData(Variant::Null());
  EXPECT_EQ(control->Bitmap()->Width(), 1);
  control->SetData(Variant(pngFile));
  EXPECT_EQ(control->Bitmap()->Width(), 8);
  for (const Variant& unusable : {Variant(textFile), Variant("no such file.png"), Variant(7)}) {
    control->SetData(unusable);
    EXPECT_EQ(control->Bitmap()->Width(), 8);
  }
}

}  // namespace
