// The memo: display lines and their breaks, word wrap, Lines edits, caret moves, the length
// limit, case conversion, scrolling to the caret, painting, the clipboard commands and the
// context menu, on a real memo in a real scene styled by the default style.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "classlib/desktop/Clipboard.h"
#include "classlib/desktop/Menus.h"
#include "controls/memo/Memo.h"
#include "controls/tracks/ScrollBar.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Font.h"
#include "tests/support/ControlsFixture.h"

namespace {

class MemoTest : public ControlsTest {
protected:
  TvgMemo* NewMemo(const std::wstring& text = L"", bool wordWrap = false, float width = 200, float height = 100) {
    TvgMemo* made = Add<TvgMemo>(10, 10, width, height);
    made->SetWordWrap(wordWrap);
    made->SetFocus();
    made->SetText(text);
    return made;
  }
  void PressKey(TvgMemo* memo, uint16_t key, TShiftState shift = {}) {
    wchar_t none = 0;
    memo->KeyDown(key, none, shift);
  }
  void Type(TvgMemo* memo, const std::wstring& text, TShiftState shift = {}) {
    for (wchar_t c : text) {
      uint16_t none = 0;
      memo->KeyDown(none, c, shift);
    }
  }
  static std::vector<std::wstring> LinesOf(TvgMemo* memo) {
    std::vector<std::wstring> lines;
    for (int i = 0; i < memo->Lines()->Count(); ++i) lines.push_back(memo->Lines()->Get(i));
    return lines;
  }
  static int32_t Caret(TvgMemo* memo) { return memo->TextPosToLinear(memo->CaretPos()); }
  // The memo as painted, in its own coordinates.
  void Shoot(TvgMemo* memo) { shot = memo->MakeScreenshot(); }
  TvgColor At(int x, int y) { return shot->GetScanline(y)[x]; }
  std::unique_ptr<TvgBitmap> shot;
};

using Lines = std::vector<std::wstring>;

TEST_F(MemoTest, EveryKindOfBreakEndsALineAndLinesNeverShowIt) {
  struct Case {
    std::wstring Text;
    Lines Expected;
  } cases[] = {
      {L"", {}},
      {L"one", {L"one"}},
      {L"one\r\ntwo", {L"one", L"two"}},
      {L"one\ntwo\rthree", {L"one", L"two", L"three"}},
      {L"one\r\n", {L"one", L""}},
      {L"\r\n\r\n", {L"", L"", L""}},
      {L"a\n\rb", {L"a", L"", L"b"}},
  };
  TvgMemo* memo = NewMemo();
  for (const Case& c : cases) {
    memo->SetText(c.Text);
    EXPECT_EQ(LinesOf(memo), c.Expected) << testing::PrintToString(c.Text);
    EXPECT_EQ(int(memo->LineStarts().size()), int(c.Expected.size()));
  }
}

TEST_F(MemoTest, WordWrapBreaksBeforeTheWordThatWouldOverflow) {
  TvgMemo* memo = NewMemo(L"", true, 120, 100);
  memo->SetText(L"alpha beta gamma delta epsilon zeta eta theta");
  const float width = memo->GetViewportWidth();
  ASSERT_GT(memo->Lines()->Count(), 1);
  std::wstring joined;
  for (int i = 0; i < memo->Lines()->Count(); ++i) {
    const std::wstring line = memo->Lines()->Get(i);
    joined += line;
    EXPECT_LE(memo->GetTextWidth(line), width + 1) << testing::PrintToString(line);
    if (i + 1 < memo->Lines()->Count()) {
      // the next line's first word did not fit here
      const std::wstring next = memo->Lines()->Get(i + 1);
      EXPECT_GT(memo->GetTextWidth(line + next.substr(0, next.find(L' '))), width);
    }
  }
  EXPECT_EQ(joined, memo->Text());

  memo->SetWordWrap(false);
  EXPECT_EQ(LinesOf(memo), Lines{memo->Text()});
}

TEST_F(MemoTest, AnOverLongWordKeepsALineOfItsOwnAndHyphensBreak) {
  TvgMemo* memo = NewMemo(L"", true, 120, 100);
  memo->SetText(L"ab supercalifragilisticexpialidocious cd");
  EXPECT_EQ(LinesOf(memo), (Lines{L"ab ", L"supercalifragilisticexpialidocious ", L"cd"}));
  memo->SetText(L"well-known-long-hyphenated-word");
  ASSERT_GT(memo->Lines()->Count(), 1);
  EXPECT_EQ(memo->Lines()->Get(0).back(), L'-');
}

TEST_F(MemoTest, WrappingFollowsTheWidthOfTheMemo) {
  TvgMemo* memo = NewMemo(L"one two three four five six seven eight nine ten", true, 300, 100);
  const int wide = memo->Lines()->Count();
  memo->SetWidth(120);
  memo->Realign();
  EXPECT_GT(memo->Lines()->Count(), wide);
}

TEST_F(MemoTest, LinesEditsRewriteTheText) {
  struct Case {
    const char* What;
    std::wstring Before;
    void (*Edit)(TvgWideStrings&);
    std::wstring After;
  } cases[] = {
      {"insert before a line", L"a\r\nb", [](TvgWideStrings& l) { l.Insert(1, L"x"); }, L"a\r\nx\r\nb"},
      {"insert into an empty text", L"", [](TvgWideStrings& l) { l.Insert(0, L"x"); }, L"x"},
      {"append", L"a\r\nb", [](TvgWideStrings& l) { l.Add(L"c"); }, L"a\r\nb\r\nc"},
      {"delete a middle line", L"a\r\nb\r\nc", [](TvgWideStrings& l) { l.Delete(1); }, L"a\r\nc"},
      {"delete the last line", L"a\r\nb", [](TvgWideStrings& l) { l.Delete(1); }, L"a"},
      {"delete the only line", L"a", [](TvgWideStrings& l) { l.Delete(0); }, L""},
      {"delete past the end", L"a", [](TvgWideStrings& l) { l.Delete(3); }, L"a"},
      {"put", L"a\r\nb\r\nc", [](TvgWideStrings& l) { l.Put(1, L"B"); }, L"a\r\nB\r\nc"},
      {"clear", L"a\r\nb", [](TvgWideStrings& l) { l.Clear(); }, L""},
      {"text", L"a", [](TvgWideStrings& l) { l.SetTextStr(L"x\ny\n"); }, L"x\r\ny"},
  };
  TvgMemo* memo = NewMemo();
  for (const Case& c : cases) {
    memo->SetText(c.Before);
    c.Edit(*memo->Lines());
    EXPECT_EQ(memo->Text(), c.After) << c.What;
  }
}

TEST_F(MemoTest, TypingReturnAndDeletingEdit) {
  TvgMemo* memo = NewMemo();
  Type(memo, L"hello");
  PressKey(memo, 13);
  Type(memo, L"world");
  EXPECT_EQ(memo->Text(), L"hello\r\nworld");
  EXPECT_EQ(memo->CaretPos(), (TvgTextPos{1, 5}));
  PressKey(memo, 36);  // Home
  PressKey(memo, 8);   // Backspace joins the lines, CR LF as one
  EXPECT_EQ(memo->Text(), L"helloworld");
  EXPECT_EQ(Caret(memo), 5);
  PressKey(memo, 46);  // Delete
  EXPECT_EQ(memo->Text(), L"helloorld");
  PressKey(memo, 36, TShiftState{ssCtrl});
  PressKey(memo, 8);  // nothing before the start
  EXPECT_EQ(memo->Text(), L"helloorld");
}

TEST_F(MemoTest, RealKeyMessagesReachTheFocusedMemo) {
  TvgMemo* memo = NewMemo();
  for (wchar_t c : std::wstring(L"ab")) Send(WM_CHAR, c, 0);
  Key(VK_RETURN);
  Send(WM_CHAR, L'c', 0);
  EXPECT_EQ(memo->Text(), L"ab\r\nc");
  Key(VK_LEFT);
  Key(VK_BACK);  // the break goes as one
  EXPECT_EQ(memo->Text(), L"abc");
  EXPECT_EQ(memo->CaretPos(), (TvgTextPos{0, 2}));
}

TEST_F(MemoTest, UpAndDownKeepTheCaretsHorizontalPlace) {
  TvgMemo* memo = NewMemo(L"abcdefgh\r\nab\r\nabcdefgh");
  memo->SetCaretPos({0, 6});
  PressKey(memo, 40);
  EXPECT_EQ(memo->CaretPos(), (TvgTextPos{1, 2}));
  PressKey(memo, 40);
  EXPECT_EQ(memo->CaretPos().Line, 2);
  EXPECT_NEAR(memo->CaretPos().Col, 2, 0);
  memo->SetCaretPos({2, 6});
  PressKey(memo, 38);
  EXPECT_EQ(memo->CaretPos(), (TvgTextPos{1, 2}));
  memo->SetCaretPos({0, 7});
  PressKey(memo, 34);  // Page Down to the last line, same column
  EXPECT_EQ(memo->CaretPos(), (TvgTextPos{2, 7}));
}

TEST_F(MemoTest, ShiftExtendsTheSelectionAndWordStepsStopAtWords) {
  TvgMemo* memo = NewMemo(L"one two three\r\nfour");
  memo->SetCaretPos({0, 0});
  PressKey(memo, 39, TShiftState{ssCtrl});
  EXPECT_EQ(memo->CaretPos(), (TvgTextPos{0, 4}));
  PressKey(memo, 39, TShiftState{ssCtrl, ssShift});
  EXPECT_EQ(memo->SelText(), L"two ");
  PressKey(memo, 35, TShiftState{ssShift});  // End
  EXPECT_EQ(memo->SelText(), L"two three");
  PressKey(memo, 39, TShiftState{ssCtrl});  // from a line's end to the next line's start
  EXPECT_FALSE(memo->SelActive());
  EXPECT_EQ(memo->CaretPos(), (TvgTextPos{1, 0}));
  PressKey(memo, 37, TShiftState{ssCtrl});
  EXPECT_EQ(memo->CaretPos(), (TvgTextPos{0, 13}));
  PressKey(memo, 37, TShiftState{ssCtrl});
  EXPECT_EQ(memo->CaretPos(), (TvgTextPos{0, 8}));
}

TEST_F(MemoTest, TypingOverASelectionReplacesIt) {
  TvgMemo* memo = NewMemo(L"abcdef");
  memo->SetSelection({0, 1}, {0, 4});
  Type(memo, L"X");
  EXPECT_EQ(memo->Text(), L"aXef");
  EXPECT_FALSE(memo->SelActive());
  EXPECT_EQ(Caret(memo), 2);
}

TEST_F(MemoTest, MaxLengthCutsWhatDoesNotFit) {
  TvgMemo* memo = NewMemo(L"abc");
  memo->SetMaxLength(5);
  memo->SetCaretPos({0, 3});
  Type(memo, L"defg");
  EXPECT_EQ(memo->Text(), L"abcde");
  Type(memo, L"x");
  EXPECT_EQ(memo->Text(), L"abcde");

  // one place left: a line break does not fit, and its CR alone is not inserted
  memo->SetText(L"abcd");
  memo->SetCaretPos({0, 4});
  PressKey(memo, 13);
  EXPECT_EQ(memo->Text(), L"abcd");
  memo->SetMaxLength(7);
  memo->InsertAt({0, 4}, L"x\r\ny", 0);
  EXPECT_EQ(memo->Text(), L"abcdx\r\n");
  memo->SetText(L"abcd");
  memo->SetMaxLength(6);
  memo->InsertAt({0, 4}, L"x\r\ny", 0);
  EXPECT_EQ(memo->Text(), L"abcdx");

  // a limit lowered below the text inserts nothing rather than failing
  memo->SetMaxLength(2);
  memo->SetCaretPos({0, 0});
  Type(memo, L"z");
  EXPECT_EQ(memo->Text(), L"abcdx");
}

TEST_F(MemoTest, UndoPutsBackWhatALoweredLimitWouldCut) {
  TvgMemo* memo = NewMemo(L"abcdef");
  memo->SetCaretPos({0, 6});
  PressKey(memo, 8);
  PressKey(memo, 8);
  memo->SetMaxLength(4);
  memo->Undo();
  EXPECT_EQ(memo->Text(), L"abcdef");
}

TEST_F(MemoTest, CharCaseConvertsLaterTexts) {
  TvgMemo* memo = NewMemo(L"Mixed");
  memo->SetCharCase(vgecLowerCase);
  EXPECT_EQ(memo->Text(), L"Mixed");
  memo->SetText(L"Hello ÄÖ");
  EXPECT_EQ(memo->Text(), L"hello äö");
  memo->SetCharCase(vgecUpperCase);
  memo->SetCaretPos({0, 8});
  Type(memo, L"x");
  EXPECT_EQ(memo->Text(), L"HELLO ÄÖX");
}

TEST_F(MemoTest, ReadOnlyBlocksEditsButNotCopyingOrMoving) {
  TvgMemo* memo = NewMemo(L"abc");
  memo->SetReadOnly(true);
  memo->SetCaretPos({0, 1});
  Type(memo, L"x");
  PressKey(memo, 13);
  PressKey(memo, 8);
  PressKey(memo, 46);
  EXPECT_EQ(memo->Text(), L"abc");
  PressKey(memo, 39, TShiftState{ssShift});
  memo->CopyToClipboard();
  EXPECT_EQ(Clipboard().AsText(), L"b");
  memo->CutToClipboard();
  memo->PasteFromClipboard();
  EXPECT_EQ(memo->Text(), L"abc");
}

TEST_F(MemoTest, ClipboardCommandsUseTheSystemClipboard) {
  TvgMemo* memo = NewMemo(L"one two");
  memo->SetSelection({0, 4}, {0, 7});
  memo->CutToClipboard();
  EXPECT_EQ(memo->Text(), L"one ");
  EXPECT_EQ(Clipboard().AsText(), L"two");
  memo->SetCaretPos({0, 0});
  Type(memo, L"v", TShiftState{ssCtrl});
  EXPECT_EQ(memo->Text(), L"twoone ");
  Clipboard().SetAsText(L"x\r\ny");
  memo->SelectAll();
  memo->PasteFromClipboard();
  EXPECT_EQ(memo->Text(), L"x\r\ny");
  memo->Undo();
  EXPECT_EQ(memo->Text(), L"twoone ");
}

// A block without a terminating zero is read no further than its size.
TEST_F(MemoTest, PastedTextEndsWithItsClipboardBlock) {
  const wchar_t chars[] = {L'a', L'b', L'c', L'd'};
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof chars);
  std::memcpy(GlobalLock(block), chars, sizeof chars);
  GlobalUnlock(block);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
  const size_t size = [] {
    OpenClipboard(nullptr);
    const size_t bytes = GlobalSize(GetClipboardData(CF_UNICODETEXT));
    CloseClipboard();
    return bytes;
  }();
  const std::wstring text = Clipboard().AsText();
  ASSERT_GE(text.size(), 3u);
  EXPECT_LE(text.size(), size / sizeof(wchar_t));
  EXPECT_EQ(text, std::wstring(L"abcd").substr(0, text.size()));
  TvgMemo* memo = NewMemo();
  memo->PasteFromClipboard();
  EXPECT_EQ(memo->Text(), text);
}

TEST_F(MemoTest, ScrollsToTheCaret) {
  std::wstring text;
  for (int i = 0; i < 40; ++i) text += L"line " + std::to_wstring(i) + L"\r\n";
  TvgMemo* memo = NewMemo(text, false, 200, 100);
  auto* bar = dynamic_cast<TvgScrollBar*>(memo->VScrollBar());
  ASSERT_NE(bar, nullptr);
  ASSERT_TRUE(bar->Visible());
  memo->SetCaretPos({0, 0});
  PressKey(memo, 35, TShiftState{ssCtrl});
  const float lineHeight = memo->GetLineHeight();
  const float caretBottom = (memo->CaretPos().Line + 1) * lineHeight;
  EXPECT_GT(bar->Value(), 0);
  EXPECT_LE(caretBottom, bar->Value() + memo->GetViewportHeight() + 0.5f);
  EXPECT_GE(memo->CaretPos().Line * lineHeight, bar->Value());
  PressKey(memo, 33);  // Page Up
  EXPECT_LT(memo->CaretPos().Line, 40);
  EXPECT_GE(memo->CaretPos().Line * lineHeight, bar->Value());
  PressKey(memo, 36, TShiftState{ssCtrl});
  EXPECT_EQ(bar->Value(), 0);

  // a long line scrolls sideways to the caret
  memo->SetText(std::wstring(200, L'w'));
  auto* hbar = dynamic_cast<TvgScrollBar*>(memo->HScrollBar());
  ASSERT_NE(hbar, nullptr);
  ASSERT_TRUE(hbar->Visible());
  PressKey(memo, 35);
  EXPECT_GT(hbar->Value(), 0);
  const TvgPoint caret = memo->GetPositionPoint(memo->CaretPos());
  EXPECT_LE(caret.X, memo->GetViewportRect().Right);
  EXPECT_GE(caret.X, memo->GetViewportRect().Left);
}

TEST_F(MemoTest, PaintsItsLinesAndTheSelection) {
  TvgMemo* memo = NewMemo(L"WWWW\r\n\r\nWWWW", false, 200, 100);
  Shoot(memo);
  ASSERT_NE(shot, nullptr);
  const TvgRect viewport = memo->GetViewportRect();
  const int left = int(viewport.Left), top = int(viewport.Top);
  const int lineHeight = int(memo->GetLineHeight());
  auto inked = [&](int line) {
    for (int y = top + line * lineHeight + 3; y < top + (line + 1) * lineHeight - 3; ++y)
      for (int x = left; x < left + 30; ++x)
        if (At(x, y) != At(left + 150, y)) return true;
    return false;
  };
  EXPECT_TRUE(inked(0));
  EXPECT_FALSE(inked(1));
  EXPECT_TRUE(inked(2));

  const TvgColor unselected = At(left + 80, top + lineHeight / 2);
  memo->SetSelection({0, 0}, {2, 4});
  Shoot(memo);
  const TvgColor selected = At(left + 2, top + lineHeight + lineHeight / 2);
  EXPECT_NE(selected, unselected);
  EXPECT_GT(selected & 0xFF, (unselected & 0xFF)) << "the selection's blue shows";
}

TEST_F(MemoTest, EmptyTextsAndTinyFontsAreSafe) {
  TvgMemo* memo = NewMemo();
  EXPECT_TRUE(memo->LineStarts().empty());
  EXPECT_EQ(memo->LinearToTextPos(5), (TvgTextPos{0, 0}));
  EXPECT_EQ(memo->TextPosToLinear({3, 3}), 0);
  EXPECT_EQ(memo->PointToTextPos({50, 50}), (TvgTextPos{0, 0}));
  for (uint16_t key : {8, 46, 33, 34, 35, 36, 37, 38, 39, 40}) PressKey(memo, key);
  memo->Undo();
  Shoot(memo);
  EXPECT_EQ(memo->Text(), L"");

  memo->Font()->SetSize(0.3f);
  EXPECT_EQ(memo->GetLineHeight(), 0);
  memo->SetText(L"a\r\nb");
  EXPECT_TRUE(std::isfinite(memo->GetVisibleLineCount()));
  memo->PointToTextPos({50, 50});
  for (uint16_t key : {33, 34, 40, 38}) PressKey(memo, key);
  Shoot(memo);
  EXPECT_EQ(memo->Text(), L"a\r\nb");
}

TEST_F(MemoTest, SetTextClampsTheCaretAndSelection) {
  TvgMemo* memo = NewMemo(L"one\r\ntwo\r\nthree");
  memo->SetSelection({1, 1}, {2, 4});
  memo->SetText(L"x");
  EXPECT_LE(Caret(memo), 1);
  EXPECT_LE(memo->SelStart() + memo->SelLength(), 1);
  Type(memo, L"y");
  EXPECT_EQ(memo->Text().size(), 2u);
}

TEST_F(MemoTest, DoubleClickSelectsTheWordAndDraggingSelects) {
  TvgMemo* memo = NewMemo(L"alpha beta gamma");
  const TvgRect viewport = memo->GetViewportRect();
  const TvgPoint beta = memo->GetPositionPoint({0, 8});
  const int x = int(10 + beta.X), y = int(10 + viewport.Top + memo->GetLineHeight() / 2);
  ClickAt(x, y);
  EXPECT_EQ(memo->CaretPos(), (TvgTextPos{0, 8}));
  Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
  Release(x, y);
  EXPECT_EQ(memo->SelText(), L"beta");

  const TvgPoint from = memo->GetPositionPoint({0, 0});
  Press(int(10 + from.X + 1), y);
  Release(int(10 + memo->GetPositionPoint({0, 5}).X), y);
  EXPECT_EQ(memo->SelText(), L"alpha");
}

TEST_F(MemoTest, ContextMenuOffersUndoAndCtrlZDoesNothing) {
  TvgMemo* memo = NewMemo(L"ab");
  memo->SetCaretPos({0, 2});
  Type(memo, L"c");
  Type(memo, L"z", TShiftState{ssCtrl});
  EXPECT_EQ(memo->Text(), L"abc");
  memo->UpdatePopupMenu();
  TMenuItem* undo = memo->EditMenu()->Items()->Items(0);
  ASSERT_EQ(undo->Caption(), "Undo");
  EXPECT_TRUE(undo->Enabled());
  undo->Click();
  EXPECT_EQ(memo->Text(), L"ab");
  memo->UpdatePopupMenu();
  EXPECT_FALSE(undo->Enabled());
  std::vector<std::string> captions;
  for (int i = 0; i < memo->EditMenu()->Items()->Count(); ++i)
    captions.push_back(memo->EditMenu()->Items()->Items(i)->Caption());
  EXPECT_EQ(captions, (std::vector<std::string>{"Undo", "Cut", "Copy", "Paste", "Delete", "Select All"}));
}

TEST_F(MemoTest, StreamsUnderItsCategories) {
  EXPECT_NE(FindClass("TvgMemo"), nullptr);
  EXPECT_NE(FindClass("TvgHudMemo"), nullptr);
  TvgMemo* hud = Add<TvgHudMemo>(10, 10, 120, 80);
  ASSERT_NE(hud->Viewport(), nullptr);
  EXPECT_NE(hud->TextBrush()->SolidColor(), 0xFF000000u) << "the HUD style's light text";
}

}  // namespace
