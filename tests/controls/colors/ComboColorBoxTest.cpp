// The colour combo box on a shown form: its swatch in the content part, the pop-up with the
// colour panel, the swatch of the choice and the hex box opened and closed by presses, the colour
// chosen by dragging in the pop-up's panel and by typing a hex text, a text that is no colour
// keeping the colour, and its data.
#include "tests/controls/lists/ComboFixture.h"
//
#include <memory>
#include <string>

#include "classlib/core/TextCodec.h"
#include "controls/colors/BitmapTrackBar.h"
#include "controls/colors/ColorBox.h"
#include "controls/colors/ColorPanel.h"
#include "controls/colors/ColorQuad.h"
#include "controls/colors/ComboColorBox.h"
#include "controls/textboxes/TextBox.h"
#include "engine/paint/Bitmap.h"

namespace {

class ComboColorBoxTest : public ComboTest {
protected:
  TvgComboColorBox* ColorCombo(const std::string& color = "#FF0000FF") {
    auto* combo = Combo<TvgComboColorBox>(60);
    combo->SetColor(color);
    changes = 0;
    return combo;
  }
  static TvgColor Pixel(TvgBitmap& shot, int x, int y) { return vgUnpremultiplyColor(shot.GetScanline(y)[x]); }
  // The middle of a part of the open pop-up, in its window.
  static POINT Middle(TvgVisualObject* part) {
    const TvgRect r = part->GetAbsoluteRect();
    return {int((r.Left + r.Right) / 2), int((r.Top + r.Bottom) / 2)};
  }
  // Characters typed into the hex box, as the keyboard would, then Return.
  static void TypeHex(TvgComboColorBox* combo, const std::wstring& text) {
    TvgPopup* popup = combo->DropDownPopup();
    const POINT hex = Middle(combo->HexBox());
    ClickIn(popup, hex.x, hex.y);
    combo->HexBox()->SelectAll();
    HWND window = PopupWindow(popup);
    if (text.empty()) KeyIn(popup, VK_DELETE);
    for (wchar_t c : text) SendMessageW(window, WM_CHAR, c, 1);
    KeyIn(popup, VK_RETURN);
  }
};

TEST_F(ComboColorBoxTest, APressOpensThePopupBelowAndAnotherClosesIt) {
  auto* combo = ColorCombo();
  EXPECT_EQ(combo->Resource(), "comboboxstyle");
  EXPECT_EQ(combo->Width(), 60);
  ClickAt(50, 31);
  TvgPopup* popup = combo->DropDownPopup();
  ASSERT_TRUE(popup->IsOpen());
  const RECT r = PopupRect(popup);
  EXPECT_EQ(r.right - r.left, 240);
  EXPECT_EQ(r.bottom - r.top, 160);
  EXPECT_EQ(r.left, kFormLeft + 20);
  EXPECT_EQ(r.top, kFormTop + 20 + 22);
  EXPECT_EQ(combo->HexBox()->Text(), L"#FF0000FF") << "the hex box shows the colour";
  EXPECT_EQ(combo->Swatch()->Color(), 0xFF0000FFu);
  const TvgRect panel = combo->ColorPanel()->GetAbsoluteRect();
  const TvgRect swatch = combo->Swatch()->GetAbsoluteRect();
  const TvgRect hex = combo->HexBox()->GetAbsoluteRect();
  EXPECT_LE(panel.Right, swatch.Left) << "the swatch stands right of the panel";
  EXPECT_LE(hex.Bottom, swatch.Top) << "the hex box stands above the swatch";
  EXPECT_GE(hex.Left, panel.Right);
  combo->DropDown();
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_EQ(changes, 0) << "opening and closing chose nothing";
}

TEST_F(ComboColorBoxTest, DraggingInThePopupsPanelChoosesTheColourContinuously) {
  auto* combo = ColorCombo("#FFFF0000");
  combo->DropDown();
  TvgPopup* popup = combo->DropDownPopup();
  ASSERT_TRUE(popup->IsOpen());
  TvgColorQuad* quad = combo->ColorPanel()->Quad();
  const TvgRect q = quad->GetAbsoluteRect();  // inflated by the marker's room
  const int left = int(q.Left) + 11, top = int(q.Top) + 11;
  const int width = int(quad->Width()), height = int(quad->Height());
  HWND window = PopupWindow(popup);
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(left + width / 2, top + height / 2));
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(left + width / 2, top + height / 2));
  std::string seen = combo->Color();
  for (int step = 1; step <= 4; ++step) {
    SCOPED_TRACE(step);
    const int before = changes;
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(left + width / 2 - step * 10, top + height / 2 - step * 8));
    EXPECT_GT(changes, before) << "each move reports";
    EXPECT_NE(combo->Color(), seen);
    seen = combo->Color();
    EXPECT_EQ(WideToAnsi(combo->HexBox()->Text()), seen) << "the hex box follows";
    EXPECT_EQ(vgColorToStr(combo->Swatch()->Color()), seen) << "the swatch follows";
  }
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(left + width / 2 - 40, top + height / 2 - 32));
  EXPECT_TRUE(popup->IsOpen()) << "a drag inside the pop-up keeps it open";
  EXPECT_NEAR(quad->Sat(), 0.5f - 40.0f / float(width), 0.01f);
  EXPECT_NEAR(quad->Lum(), 0.5f + 32.0f / float(height), 0.01f);
  EXPECT_EQ(combo->GetData().ToString(), seen);
}

TEST_F(ComboColorBoxTest, AHexTextBecomesTheColourAndOneThatIsNoColourKeepsIt) {
  struct Case {
    const wchar_t* typed;
    const char* color;
    bool reported;
  } const cases[] = {
      {L"#FF00FF00", "#FF00FF00", true},
      {L"#80ff0000", "#80FF0000", true},
      {L"#ffffff", "#00FFFFFF", true},  // no alpha given: transparent
      {L"", "#00FFFFFF", false},
      {L"#", "#00FFFFFF", false},
      {L"12#34", "#00FFFFFF", false},
      {L"#FFxyz0000FF", "#FF0000FF", true},  // only hex characters are typed
      {L"##FF0000FF", "#FF0000FF", false},
      {L"#1FFFFFFFF", "#FF0000FF", false},  // beyond 32 bits
  };
  auto* combo = ColorCombo("#FF000000");
  combo->DropDown();
  ASSERT_TRUE(combo->DropDownPopup()->IsOpen());
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToAnsi(c.typed));
    changes = 0;
    TypeHex(combo, c.typed);
    EXPECT_EQ(combo->Color(), c.color);
    EXPECT_EQ(WideToAnsi(combo->HexBox()->Text()), c.color) << "the hex box shows the colour";
    EXPECT_EQ(vgColorToStr(combo->Swatch()->Color()), c.color);
    EXPECT_EQ(changes > 0, c.reported);
  }
}

TEST_F(ComboColorBoxTest, TheContentPartShowsTheColourOverACheckerboard) {
  auto* combo = ColorCombo("#FF00FF00");
  std::unique_ptr<TvgBitmap> opaque = combo->MakeScreenshot();
  const int y = opaque->Height() / 2;
  EXPECT_EQ(Pixel(*opaque, 10, y), 0xFF00FF00u);
  EXPECT_EQ(Pixel(*opaque, 16, y), 0xFF00FF00u);
  combo->SetColor("#00000000");
  std::unique_ptr<TvgBitmap> clear = combo->MakeScreenshot();
  // Cells of 5 from the part's inset corner: two cells apart in a row is one white, one grey.
  int white = 0, grey = 0;
  for (int x = 6; x < 30; ++x) {
    const TvgColor c = Pixel(*clear, x, y);
    white += c == 0xFFFFFFFFu;
    grey += c == 0xFFD3D3D3u;
  }
  EXPECT_GT(white, 4) << "the checkerboard shows through a transparent colour";
  EXPECT_GT(grey, 4);
}

TEST_F(ComboColorBoxTest, DataIsTheColourTextAndTakesTextsIntegersAndAHandler) {
  auto* combo = ColorCombo();
  combo->SetData(Variant("#FF123456"));
  EXPECT_EQ(combo->GetData().ToString(), "#FF123456");
  combo->SetData(Variant(int32_t(0x80FF0000u)));
  EXPECT_EQ(combo->Color(), "#80FF0000") << "an integer is an ARGB colour";
  combo->SetData(Variant(int64_t(0xFF00FF00u)));
  EXPECT_EQ(combo->Color(), "#FF00FF00");
  combo->SetData(Variant(2.5));
  EXPECT_EQ(combo->Color(), "#FF00FF00") << "a fraction is no colour";
  EXPECT_EQ(combo->HexBox()->Text(), L"#FF00FF00");
}

TEST_F(ComboColorBoxTest, UseAlphaHidesThePanelsAlphaBar) {
  auto* combo = ColorCombo();
  EXPECT_TRUE(combo->ColorPanel()->AlphaBar()->Visible());
  combo->SetUseAlpha(false);
  EXPECT_FALSE(combo->UseAlpha());
  EXPECT_FALSE(combo->ColorPanel()->AlphaBar()->Visible());
}

TEST_F(ComboColorBoxTest, HudCombosUseTheHudStyles) {
  auto* hud = Combo<TvgHudComboColorBox>(60);
  EXPECT_EQ(hud->Resource(), "hudcomboboxstyle");
  EXPECT_EQ(hud->DropDownPopup()->Resource(), "hudcombopopupstyle");
  EXPECT_NE(hud->StyleObject(), nullptr);
  hud->DropDown();
  EXPECT_TRUE(hud->DropDownPopup()->IsOpen());
}

}  // namespace
