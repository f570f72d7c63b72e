// The scene and the input method, with a stand-in for IMM (Wine composes nothing without an X
// input method): the composition window at the focused text control's caret in its font, and
// finished compositions arriving as characters.
#include "tests/support/InputFixture.h"
//
#include "classlib/desktop/Screen.h"
#include "engine/paint/Font.h"
#include "engine/scene/Ime.h"

namespace {

class TScriptedIme : public TvgIme {
public:
  std::wstring result;
  LANGID language = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
  std::vector<LOGFONTW> fonts;
  std::vector<COMPOSITIONFORM> windows;

  std::wstring ResultString(HWND) override { return result; }
  void SetCompositionFont(HWND, const LOGFONTW& font) override { fonts.push_back(font); }
  void SetCompositionWindow(HWND, const COMPOSITIONFORM& form) override { windows.push_back(form); }
  LANGID KeyboardLanguage() override { return language; }
};

// A focusable object that answers for its font and caret, as the text controls do.
class TTextProbe : public TvgVisualObject, public IvgImeTarget {
public:
  TTextProbe() : TvgVisualObject(nullptr) { SetCanFocused(true); }
  TvgFont font;
  TvgPoint caret{12.7f, 3.9f};
  TvgFont* ImeFont() override { return &font; }
  TvgPoint ImeCaretOffset() override { return caret; }
};

class SceneIme : public InputTest {
protected:
  void SetUp() override {
    InputTest::SetUp();
    vgSetIme(&ime);
    text = new TTextProbe;
    text->SetName("text");
    text->SetBounds(40.6f, 30.2f, 120, 24);
    root->AddObject(text);
    LogEvents(*text, log);
    text->font.SetFamily("SimSun");
    text->font.SetSize(14.7f);
    text->SetFocus();
    log.clear();
  }
  void TearDown() override {
    vgSetIme(nullptr);
    InputTest::TearDown();
  }
  TScriptedIme ime;
  TTextProbe* text = nullptr;
};

TEST_F(SceneIme, TheCompositionWindowOpensAtTheCaretOfTheFocusedTextControl) {
  EXPECT_EQ(Send(WM_IME_STARTCOMPOSITION), 1);
  ASSERT_EQ(ime.windows.size(), 1u);
  const COMPOSITIONFORM& form = ime.windows[0];
  EXPECT_EQ(form.dwStyle, DWORD(CFS_RECT));
  EXPECT_EQ(form.ptCurrentPos.x, 40 + 12);
  EXPECT_EQ(form.ptCurrentPos.y, 30 + 3);
  EXPECT_EQ(form.rcArea, (RECT{0, 0, 300, 200}));
  ASSERT_EQ(ime.fonts.size(), 1u);
  EXPECT_EQ(ime.fonts[0].lfHeight, -MulDiv(14, Screen->PixelsPerInch(), 72));
  EXPECT_EQ(std::wstring(ime.fonts[0].lfFaceName), L"SimSun");
}

TEST_F(SceneIme, TheCompositionFontTakesWeightAndSlantFromTheStyle) {
  struct Case {
    TvgFontStyle style;
    LONG weight;
    BYTE italic;
  } const cases[] = {{vgFontRegular, 400, 0},   {vgFontBold, 700, 0},      {vgFontItalic, 400, 1},
                     {vgFontBoldItalic, 700, 1}, {vgFontUnderline, 400, 0}, {vgFontStrikeout, 400, 0}};
  for (const Case& c : cases) {
    text->font.SetStyle(c.style);
    Send(WM_IME_STARTCOMPOSITION);
    EXPECT_EQ(ime.fonts.back().lfWeight, c.weight) << int(c.style);
    EXPECT_EQ(ime.fonts.back().lfItalic, c.italic) << int(c.style);
  }
}

TEST_F(SceneIme, AKoreanCompositionAreaStartsAtTheCaretOnePixelLower) {
  ime.language = 1042;
  Send(WM_IME_STARTCOMPOSITION);
  ASSERT_EQ(ime.windows.size(), 1u);
  EXPECT_EQ(ime.windows[0].rcArea, (RECT{52, 34, 300, 200}));
  EXPECT_EQ(ime.windows[0].ptCurrentPos.x, 52);
}

TEST_F(SceneIme, WithoutAFocusedTextControlTheInputMethodIsLeftAlone) {
  TvgVisualObject* plain = Add("plain", 200, 100);
  plain->SetCanFocused(true);
  plain->SetFocus();
  EXPECT_EQ(Send(WM_IME_STARTCOMPOSITION), 1);
  EXPECT_TRUE(ime.windows.empty());
  EXPECT_TRUE(ime.fonts.empty());
}

TEST_F(SceneIme, AFinishedCompositionArrivesCharacterByCharacter) {
  ime.result = L"\u4e2d\u6587\u5b57";
  EXPECT_EQ(Send(WM_IME_COMPOSITION, 0, GCS_RESULTSTR), 0);
  EXPECT_EQ(log, (TEventLog{"text:KeyDown(0,20013)", "text:KeyDown(0,25991)", "text:KeyDown(0,23383)"}));
  MSG message;
  EXPECT_FALSE(PeekMessageW(&message, Window(), WM_IME_STARTCOMPOSITION, WM_IME_STARTCOMPOSITION, PM_REMOVE));
}

TEST_F(SceneIme, AKoreanCompositionFollowsTheCaretAfterEachResult) {
  ime.language = 1042;
  ime.result = L"\ud55c";
  Send(WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
  EXPECT_EQ(log, (TEventLog{"text:KeyDown(0,54620)"}));
  MSG message;
  EXPECT_TRUE(PeekMessageW(&message, Window(), WM_IME_STARTCOMPOSITION, WM_IME_STARTCOMPOSITION, PM_REMOVE));
}

TEST_F(SceneIme, ACompositionStillBeingTypedTypesNothing) {
  ime.result = L"x";
  Send(WM_IME_COMPOSITION, 0, GCS_COMPSTR);
  EXPECT_TRUE(log.empty());
}

}  // namespace
