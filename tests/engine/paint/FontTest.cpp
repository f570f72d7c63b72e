#include "engine/paint/Font.h"

#include <gtest/gtest.h>

#include "tests/support/ValueStreaming.h"
#include "classlib/desktop/Graphics.h"

namespace {

class TFontHolder : public TComponent {
  CL_CLASS(TFontHolder, TComponent)
public:
  using TComponent::TComponent;
  TvgFont* Font() const { return font_.get(); }

private:
  std::unique_ptr<TvgFont> font_ = std::make_unique<TvgFont>();
};

}  // namespace

CL_PUBLISHED(TFontHolder) { published.Property("Font", &TFontHolder::Font); }

TEST(Font, StreamsOnlyWhatDiffersFromTheDefaults) {
  TFontHolder holder(nullptr);
  EXPECT_EQ(PropertyLines(&holder), "");
  holder.Font()->SetFamily("tahoma");
  EXPECT_EQ(PropertyLines(&holder), "  Font.Family = 'tahoma'\r\n");
  holder.Font()->SetFamily("Tahoma");
  holder.Font()->SetSize(12.5f);
  holder.Font()->SetStyle(vgFontBoldItalic);
  holder.Font()->SetClearType(false);
  EXPECT_EQ(PropertyLines(&holder),
            "  Font.Size = 12.500000000000000000\r\n  Font.Style = vgFontBoldItalic\r\n  Font.ClearType = False\r\n");
}

TEST(Font, ReadsBackWhatItWrote) {
  TFontHolder source(nullptr), copy(nullptr);
  source.Font()->SetFamily("");
  source.Font()->SetSize(9);
  source.Font()->SetStyle(vgFontStrikeout);
  LoadFromText(&copy, SaveAsText(&source));
  EXPECT_EQ(copy.Font()->Family(), "");
  EXPECT_EQ(copy.Font()->Size(), 9);
  EXPECT_EQ(copy.Font()->Style(), vgFontStrikeout);
  EXPECT_TRUE(copy.Font()->ClearType());
}

TEST(Font, RaisesOnChangedOncePerRealChange) {
  TvgFont font;
  int changes = 0;
  font.OnChanged = [&](TObject* sender) {
    EXPECT_EQ(sender, &font);
    ++changes;
  };
  font.SetSize(11);
  font.SetFamily("Tahoma");
  font.SetStyle(vgFontRegular);
  font.SetClearType(true);
  EXPECT_EQ(changes, 0);
  font.SetSize(11.5f);
  font.SetFamily("Arial");
  font.SetStyle(vgFontBold);
  font.SetClearType(false);
  EXPECT_EQ(changes, 4);
}

TEST(Font, AssignCopiesEverythingWithOneEvent) {
  TvgFont source, dest;
  source.SetFamily("Arial");
  source.SetSize(20);
  source.SetStyle(vgFontItalic);
  source.SetClearType(false);
  int changes = 0;
  dest.OnChanged = [&](TObject*) { ++changes; };
  dest.Assign(&source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(dest.Family(), "Arial");
  EXPECT_EQ(dest.Size(), 20);
  EXPECT_EQ(dest.Style(), vgFontItalic);
  EXPECT_FALSE(dest.ClearType());
  TPersistent other;
  EXPECT_THROW(dest.Assign(&other), EConvertError);
}

TEST(Font, ConvertsToTheLibraryFontWithRoundedHeight) {
  struct Case {
    float size;
    TvgFontStyle style;
    int32_t height;
    TFontStyles styles;
  } cases[] = {{11.5f, vgFontRegular, -12, {}},          {10.5f, vgFontBold, -10, {fsBold}},
               {13, vgFontItalic, -13, {fsItalic}},       {9, vgFontBoldItalic, -9, {fsBold, fsItalic}},
               {9, vgFontUnderline, -9, {fsStrikeOut}},  {9, vgFontStrikeout, -9, {fsStrikeOut}}};
  for (const Case& c : cases) {
    TvgFont font;
    font.SetFamily("Arial");
    font.SetSize(c.size);
    font.SetStyle(c.style);
    TFont library;
    library.SetStyle({fsStrikeOut});  // what the last two values leave alone
    library.Assign(&font);
    EXPECT_EQ(library.Name(), "Arial");
    EXPECT_EQ(library.Height(), c.height) << c.size;
    EXPECT_EQ(library.Style(), c.styles) << int(c.style);
  }
}

TEST(Font, TakesFamilySizeAndPlainStylesFromTheLibraryFont) {
  TFont library;
  library.SetName("Verdana");
  library.SetHeight(-13);
  library.SetStyle({fsBold});
  TvgFont font;
  font.SetClearType(false);
  int changes = 0;
  font.OnChanged = [&](TObject*) { ++changes; };
  font.Assign(&library);
  EXPECT_EQ(font.Family(), "Verdana");
  EXPECT_EQ(font.Size(), 13);
  EXPECT_EQ(font.Style(), vgFontBold);
  EXPECT_FALSE(font.ClearType());
  EXPECT_EQ(changes, 1);
  library.SetStyle({fsBold, fsUnderline});
  library.SetHeight(20);
  font.SetStyle(vgFontItalic);
  font.Assign(&library);
  EXPECT_EQ(font.Style(), vgFontItalic);
  EXPECT_EQ(font.Size(), 20);
}
