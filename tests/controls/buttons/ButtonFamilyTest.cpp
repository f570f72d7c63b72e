// The button family's own bindings: bitmap and path glyphs placed by their layouts, the corner
// button's shape, the colour button's colour and dialog, and the bitmap-per-state button.
#include "tests/support/ControlsFixture.h"
//
#include <memory>

#include "controls/buttons/BitmapButton.h"
#include "controls/buttons/BitmapStateButton.h"
#include "controls/buttons/ColorButton.h"
#include "controls/buttons/CornerButton.h"
#include "controls/buttons/PathButton.h"
#include "controls/editors/BrushDesign.h"
#include "controls/tabs/TabControl.h"
#include "engine/dialogs/SystemDialogs.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/shapes/Image.h"
#include "engine/shapes/Path.h"
#include "engine/paint/PathData.h"
#include "engine/shapes/Shapes.h"
#include "tests/support/BrushDesignDriver.h"

namespace {

const char* const kFamilyStyles =
    "object TvgRectangle\r\n"
    "  object TvgRectangle\r\n"
    "    ResourceName = 'glyphstyle'\r\n"
    "    HitTest = False\r\n"
    "    object TvgImage\r\n"
    "      ResourceName = 'image'\r\n"
    "      Align = vaLeft\r\n"
    "      HitTest = False\r\n"
    "    end\r\n"
    "    object TvgRectangle\r\n"
    "      ResourceName = 'pathowner'\r\n"
    "      Align = vaLeft\r\n"
    "      HitTest = False\r\n"
    "      object TvgPath\r\n"
    "        ResourceName = 'path'\r\n"
    "        Align = vaClient\r\n"
    "        HitTest = False\r\n"
    "      end\r\n"
    "    end\r\n"
    "    object TvgText\r\n"
    "      ResourceName = 'text'\r\n"
    "      Align = vaClient\r\n"
    "      HitTest = False\r\n"
    "    end\r\n"
    "  end\r\n"
    "  object TvgRectangle\r\n"
    "    ResourceName = 'shapestyle'\r\n"
    "    HitTest = False\r\n"
    "    object TvgRectangle\r\n"
    "      ResourceName = 'background'\r\n"
    "      Align = vaContents\r\n"
    "      HitTest = False\r\n"
    "    end\r\n"
    "    object TvgRectangle\r\n"
    "      ResourceName = 'fill'\r\n"
    "      Align = vaClient\r\n"
    "      HitTest = False\r\n"
    "    end\r\n"
    "  end\r\n"
    "end\r\n";

struct TGlyphCase {
  TvgButtonLayout layout;
  TvgAlign align;
  float width, height;  // of the glyph part; 0: left as the layout found it
  TvgRect padding;
};

// Size 24, spacing 5, padding 2.
const TGlyphCase kGlyphCases[] = {
    {vgGlyphLeft, vaLeft, 24, 0, {2, 2, 5, 2}},     {vgGlyphRight, vaRight, 24, 0, {5, 2, 2, 2}},
    {vgGlyphTop, vaTop, 0, 24, {2, 2, 2, 5}},       {vgGlyphBottom, vaBottom, 0, 24, {2, 5, 2, 2}},
    {vgGlyphCenter, vaCenter, 24, 24, {5, 5, 5, 5}},
};

void ExpectGlyph(const TvgVisualObject& part, const TGlyphCase& c) {
  EXPECT_EQ(part.Align(), c.align);
  if (c.width) EXPECT_EQ(part.Width(), c.width);
  if (c.height) EXPECT_EQ(part.Height(), c.height);
  EXPECT_EQ(part.Padding()->GetRect(), c.padding);
}

class ButtonFamilyTest : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    UseStyles(kFamilyStyles);
  }
  static TvgVisualObject* Part(TvgControl* control, const char* name) {
    TvgObject* part = control->FindResource(name);
    return part ? part->Visual() : nullptr;
  }
};

TEST_F(ButtonFamilyTest, ABitmapGlyphIsPlacedByItsLayoutBesideThePaddedText) {
  TvgBitmap glyph(16, 16);
  for (const TGlyphCase& c : kGlyphCases) {
    SCOPED_TRACE(c.layout);
    auto* button = Add<TvgBitmapButton>(10, 10, 120, 60, "glyphstyle", [&](TvgBitmapButton& b) {
      b.SetBitmap(&glyph);
      b.SetBitmapLayout(c.layout);
      b.SetBitmapSize(24);
      b.SetBitmapSpacing(5);
    });
    auto* image = dynamic_cast<TvgImage*>(Part(button, "image"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Bitmap()->Width(), 16);
    ExpectGlyph(*image, c);
    EXPECT_EQ(Part(button, "text")->Padding()->GetRect(), (TvgRect{2, 2, 2, 2}));
  }
}

TEST_F(ButtonFamilyTest, AnEmptyBitmapLeavesTheImagePartUnaligned) {
  auto* button = Add<TvgBitmapButton>(10, 10, 120, 60, "glyphstyle");
  EXPECT_EQ(Part(button, "image")->Align(), vaNone);
  TvgBitmap glyph(16, 16);
  button->SetBitmap(&glyph);
  EXPECT_EQ(Part(button, "image")->Align(), vaLeft) << "a new bitmap places the glyph again";
  button->SetBitmapPadding(4);
  EXPECT_EQ(Part(button, "text")->Padding()->GetRect(), (TvgRect{4, 4, 4, 4}));
}

TEST_F(ButtonFamilyTest, APathGlyphIsPlacedByItsLayoutAndDrawnWithTheButtonsBrushesAndStroke) {
  for (const TGlyphCase& c : kGlyphCases) {
    SCOPED_TRACE(c.layout);
    auto* button = Add<TvgPathButton>(10, 10, 120, 60, "glyphstyle", [&](TvgPathButton& b) {
      b.Path()->SetData("M 0 0 L 10 0 L 5 8 Z");
      b.SetPathLayout(c.layout);
      b.SetPathSize(24);
      b.SetPathSpacing(5);
      b.PathFill()->SetSolidColor(0xFF336699);
      b.PathStroke()->SetSolidColor(0xFF112233);
      b.SetPathStrokeThickness(2);
      b.SetPathStrokeCap(vgCapRound);
      b.SetPathStrokeJoin(vgJoinBevel);
      b.SetPathStrokeDash(vgDashDot);
    });
    auto* path = dynamic_cast<TvgPath*>(Part(button, "path"));
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(path->Data()->Count(), button->Path()->Count());
    EXPECT_EQ(path->Fill()->SolidColor(), 0xFF336699u);
    EXPECT_EQ(path->Stroke()->SolidColor(), 0xFF112233u);
    EXPECT_EQ(path->StrokeThickness(), 2);
    EXPECT_EQ(path->StrokeCap(), vgCapRound);
    EXPECT_EQ(path->StrokeJoin(), vgJoinBevel);
    EXPECT_EQ(path->StrokeDash(), vgDashDot);
    ExpectGlyph(*Part(button, "pathowner"), c);
  }
}

TEST_F(ButtonFamilyTest, AnEmptyPathLeavesItsOwnerUnalignedAndANewPathReachesThePart) {
  auto* button = Add<TvgPathButton>(10, 10, 120, 60, "glyphstyle");
  EXPECT_EQ(Part(button, "pathowner")->Align(), vaNone);
  button->Path()->SetData("M 0 0 L 4 4");
  EXPECT_EQ(Part(button, "pathowner")->Align(), vaLeft);
  EXPECT_EQ(static_cast<TvgPath*>(Part(button, "path"))->Data()->Count(), 2);
  button->PathFill()->SetSolidColor(0xFF00FF00);
  EXPECT_EQ(static_cast<TvgPath*>(Part(button, "path"))->Fill()->SolidColor(), 0xFF00FF00u);
}

TEST_F(ButtonFamilyTest, ACornerButtonShapesItsBackground) {
  auto* button = Add<TvgCornerButton>(10, 10, 120, 30, "shapestyle", [](TvgCornerButton& b) {
    b.SetXRadius(6);
    b.SetCorners(TvgCorners{vgCornerTopLeft});
  });
  auto* background = dynamic_cast<TvgRectangle*>(Part(button, "Background"));
  ASSERT_NE(background, nullptr);
  EXPECT_EQ(background->XRadius(), 6);
  EXPECT_EQ(background->YRadius(), 3);
  EXPECT_EQ(background->Corners(), TvgCorners{vgCornerTopLeft});
  button->SetCornerType(vgCornerBevel);
  button->SetSides(TvgSides{vgSideTop, vgSideBottom});
  button->SetYRadius(1);
  EXPECT_EQ(background->CornerType(), vgCornerBevel);
  EXPECT_EQ(background->Sides(), (TvgSides{vgSideTop, vgSideBottom}));
  EXPECT_EQ(background->YRadius(), 1);
}

// Answers the colour dialog with a given colour, noting the colour it was opened with.
class TScriptedColorDialog : public TvgSystemDialogs {
public:
  bool confirm = true;
  uint32_t answer = 0;
  std::vector<uint32_t> shown;
  bool PickColor(uint32_t& color) override {
    shown.push_back(color);
    if (confirm) color = answer;
    return confirm;
  }
};

TEST_F(ButtonFamilyTest, AColorButtonShowsItsColourAndTakesAnOpaqueOneFromTheDialog) {
  TScriptedColorDialog dialog;
  vgSetSystemDialogs(&dialog);
  auto* button = Add<TvgColorButton>(10, 10, 60, 22, "shapestyle", [](TvgColorButton& b) { b.SetColor("#80336699"); });
  int changes = 0;
  button->OnChange = [&](TObject*) { ++changes; };
  auto* fill = static_cast<TvgShape*>(Part(button, "fill"));
  EXPECT_EQ(fill->Fill()->SolidColor(), 0x80336699u);

  dialog.answer = 0x00332211;  // blue 0x33, green 0x22, red 0x11
  ClickAt(30, 20);
  ASSERT_EQ(dialog.shown.size(), 1u);
  EXPECT_EQ(dialog.shown[0], 0x00996633u) << "red and blue swapped, alpha dropped";
  EXPECT_EQ(button->Color(), "#FF112233");
  EXPECT_EQ(fill->Fill()->SolidColor(), 0xFF112233u);
  EXPECT_EQ(changes, 1);

  dialog.confirm = false;
  ClickAt(30, 20);
  EXPECT_EQ(button->Color(), "#FF112233");
  button->SetUseStandardDialog(false);
  TBrushDialogAnswer cancel([](TvgBrushDesign& shown, TBrushDesignDriver& driver) { driver.Click(shown.btnCancel); });
  ClickAt(30, 20);
  EXPECT_TRUE(cancel.Answered()) << "the brush dialog opens instead";
  EXPECT_EQ(dialog.shown.size(), 2u);
  vgSetSystemDialogs(nullptr);
}

TEST_F(ButtonFamilyTest, AColorButtonWithoutTheStandardDialogTakesTheBrushDialogsColour) {
  auto* button = Add<TvgColorButton>(10, 10, 60, 22, "shapestyle", [](TvgColorButton& b) {
    b.SetColor("#80336699");
    b.SetUseStandardDialog(false);
  });
  int changes = 0;
  button->OnChange = [&](TObject*) { ++changes; };
  struct Case {
    bool ok;
    const char* after;
    int changes;
  } cases[] = {{false, "#80336699", 0}, {true, "#4000FF00", 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ok ? "OK" : "Cancel");
    TBrushDialogAnswer answer([&](TvgBrushDesign& shown, TBrushDesignDriver& driver) {
      EXPECT_EQ(shown.brushTabControl->VisibleTabCount(), 1) << "only the solid style";
      EXPECT_EQ(shown.brushTabControl->SelectedTab(), shown.tabSolid);
      EXPECT_EQ(shown.textSolidHex->Text(), L"#80336699");
      driver.Type(shown.textSolidHex, L"#4000FF00");
      driver.Click(c.ok ? shown.btnOK : shown.btnCancel);
    });
    ClickAt(30, 20);
    ASSERT_TRUE(answer.Answered());
    EXPECT_EQ(button->Color(), c.after);
    EXPECT_EQ(changes, c.changes);
  }
  EXPECT_EQ(static_cast<TvgShape*>(Part(button, "fill"))->Fill()->SolidColor(), 0x4000FF00u);
}

class BitmapStateButtonTest : public ButtonFamilyTest {
protected:
  static constexpr TvgColor kRest = 0xFFFF0000, kHot = 0xFF00FF00, kDown = 0xFF0000FF;
  static void Fill(TvgBitmap* bitmap, int size, TvgColor color) {
    bitmap->SetSize(size, size);
    bitmap->Clear(color);
  }
  static TvgColor Pixel(TvgVisualObject* object, int x, int y) {
    std::unique_ptr<TvgBitmap> shot = object->MakeScreenshot();
    return shot->Bits()[y * shot->Width() + x];
  }
};

TEST_F(BitmapStateButtonTest, PaintsTheBitmapOfItsState) {
  auto* button = Add<TvgBitmapStateButton>(10, 10, 64, 64);
  Fill(button->Bitmap(), 64, kRest);
  Fill(button->BitmapHot(), 64, kHot);
  Fill(button->BitmapDown(), 64, kDown);
  EXPECT_EQ(Pixel(button, 32, 32), kRest);
  Move(42, 42);
  EXPECT_EQ(Pixel(button, 32, 32), kHot);
  Press(42, 42);
  EXPECT_EQ(Pixel(button, 32, 32), kDown);
  Release(42, 42);
  EXPECT_EQ(Pixel(button, 32, 32), kHot);
}

TEST_F(BitmapStateButtonTest, ASmallBitmapIsCentredAndALargeOneFitted) {
  auto* button = Add<TvgBitmapStateButton>(10, 10, 64, 64);
  Fill(button->Bitmap(), 10, kRest);
  EXPECT_EQ(Pixel(button, 32, 32), kRest);
  EXPECT_EQ(Pixel(button, 5, 5), 0u);
  Fill(button->Bitmap(), 128, kRest);
  EXPECT_EQ(Pixel(button, 2, 2), kRest);
  EXPECT_EQ(Pixel(button, 61, 61), kRest);
}

}  // namespace
