// The text box in a scene styled by the default style, driven by the window messages the platform
// sends: typing, caret moves, selection by keys and mouse, the filter, the length limit, read-only
// and password modes, scrolling, focus and change events, the context menu's states, the input
// method. The clipboard's part is in TextBoxClipboard.cpp.
#include "tests/controls/textboxes/TextBoxFixture.h"
//
#include "classlib/desktop/Menus.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Font.h"
#include "engine/scene/Ime.h"
#include "engine/tree/Content.h"

namespace {

TMenuItem* MenuItem(TvgCustomTextBox& box, const std::string& caption) {
  for (int i = 0; i < box.TextMenu()->Items()->Count(); ++i)
    if (box.TextMenu()->Items()->Items(i)->Caption() == caption) return box.TextMenu()->Items()->Items(i);
  return nullptr;
}

TEST_F(TextBoxTest, StartsAsDesignedAndPaintsIntoTheStylesContent) {
  TvgTextBox* made = AddBox();
  EXPECT_EQ(made->Width(), 100);
  EXPECT_EQ(made->Height(), 22);
  EXPECT_TRUE(made->CanFocused());
  EXPECT_EQ(made->Cursor(), -4);
  EXPECT_EQ(made->FirstVisibleChar(), 1);
  EXPECT_EQ(made->TextAlign(), vgTextAlignNear);
  ASSERT_NE(dynamic_cast<TvgContent*>(made->FindResource("content")), nullptr);
  EXPECT_EQ(made->GetContentRect(), (TvgRect{3, 3, 97, 19}));
  EXPECT_EQ(made->TextBrush()->SolidColor(), 0xFFE8E8E8u) << "the style's foreground";
  const char* captions[] = {"Cut", "Copy", "Paste", "Delete", "Select All"};
  ASSERT_EQ(made->TextMenu()->Items()->Count(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(made->TextMenu()->Items()->Items(i)->Caption(), captions[i]);
}

TEST_F(TextBoxTest, TypedCharactersGoInAtTheCaretAndReport) {
  Focused(L"ac");
  Key(VK_HOME);
  Key(VK_RIGHT);
  Type(L"b");
  EXPECT_EQ(box->Text(), L"abc");
  EXPECT_EQ(box->CaretPosition(), 2);
  EXPECT_EQ(typings, 1);
  EXPECT_EQ(trackings, 1);
  EXPECT_TRUE(box->Modified());
  EXPECT_EQ(box->LastChar(), L'b');
  EXPECT_EQ(changes, 0) << "OnChange waits for Return or the focus leaving";
  Key(VK_RETURN);
  EXPECT_EQ(changes, 1);
}

TEST_F(TextBoxTest, FocusSelectsAllAndLeavingReportsOneChange) {
  TvgCustomTextBox* first = AddBox(L"hello");
  first->SetFocus();
  EXPECT_EQ(first->SelStart(), 0);
  EXPECT_EQ(first->SelLength(), 5);
  EXPECT_EQ(first->CaretPosition(), 5);
  EXPECT_FALSE(first->Modified());
  Type(L"x");
  EXPECT_EQ(first->Text(), L"x") << "typing replaces the selection";
  auto* other = Add<TvgTextBox>(20, 60, 100, 22);
  other->SetFocus();
  EXPECT_EQ(changes, 1);
  first->SetFocus();
  other->SetFocus();
  EXPECT_EQ(changes, 1) << "no change since the focus came back";
}

TEST_F(TextBoxTest, CaretKeysMoveByCharacterWordAndLine) {
  Focused(L"one two  three");
  struct Case {
    int from;
    std::initializer_list<int> held;
    WPARAM key;
    int to;
  } const cases[] = {
      {5, {}, VK_HOME, 0},          {5, {}, VK_END, 14},          {5, {}, VK_LEFT, 4},
      {0, {}, VK_LEFT, 0},          {14, {}, VK_RIGHT, 14},       {0, {VK_CONTROL}, VK_RIGHT, 4},
      {4, {VK_CONTROL}, VK_RIGHT, 9}, {9, {VK_CONTROL}, VK_RIGHT, 14}, {14, {VK_CONTROL}, VK_LEFT, 9},
      {9, {VK_CONTROL}, VK_LEFT, 4},  {6, {VK_CONTROL}, VK_LEFT, 4},  {2, {VK_CONTROL}, VK_LEFT, 0},
  };
  for (const Case& c : cases) {
    box->SetSelLength(0);
    box->SetCaretPosition(c.from);
    KeyWith(c.held, c.key);
    EXPECT_EQ(box->CaretPosition(), c.to) << "from " << c.from << " key " << c.key;
    EXPECT_EQ(box->SelLength(), 0);
  }
}

TEST_F(TextBoxTest, ShiftExtendsTheSelectionFromWhereItBegan) {
  Focused(L"hello world");
  box->SetSelLength(0);
  box->SetCaretPosition(5);
  KeyWith({VK_SHIFT}, VK_LEFT);
  EXPECT_EQ(box->SelStart(), 4);
  EXPECT_EQ(box->SelLength(), 1);
  KeyWith({VK_SHIFT}, VK_RIGHT);
  EXPECT_EQ(box->SelLength(), 0);
  EXPECT_EQ(box->CaretPosition(), 5);
  KeyWith({VK_SHIFT}, VK_END);
  EXPECT_EQ(box->GetSelText(), L" world");
  KeyWith({VK_SHIFT}, VK_HOME);
  EXPECT_EQ(box->GetSelText(), L"hello") << "the anchor stayed at 5";
  KeyWith({VK_SHIFT, VK_CONTROL}, VK_RIGHT);
  EXPECT_EQ(box->GetSelText(), L" ") << "past the anchor to the next word";
  KeyWith({VK_SHIFT, VK_CONTROL}, VK_RIGHT);
  EXPECT_EQ(box->GetSelText(), L" world");
  Key(VK_LEFT);
  EXPECT_EQ(box->SelLength(), 0) << "a plain move drops the selection";
}

TEST_F(TextBoxTest, BackspaceAndDeleteRemoveOneCharacterOrTheSelection) {
  Focused(L"abcd");
  box->SetSelLength(0);
  box->SetCaretPosition(2);
  Key(VK_BACK);
  EXPECT_EQ(box->Text(), L"acd");
  EXPECT_EQ(box->CaretPosition(), 1);
  Key(VK_DELETE);
  EXPECT_EQ(box->Text(), L"ad");
  EXPECT_EQ(typings, 2);
  Key(VK_HOME);
  Key(VK_BACK);
  Key(VK_END);
  Key(VK_DELETE);
  EXPECT_EQ(box->Text(), L"ad") << "nothing before the start or after the end";
  EXPECT_EQ(typings, 4) << "yet each reports typing";
  KeyWith({VK_SHIFT}, VK_HOME);
  Key(VK_DELETE);
  EXPECT_EQ(box->Text(), L"");
}

TEST_F(TextBoxTest, TheFilterLetsOnlyItsCharactersInAndControlsNothing) {
  Focused(L"");
  box->SetFilterChar(L"0123456789");
  Type(L"1a2\t3 ");
  EXPECT_EQ(box->Text(), L"123");
  CtrlLetter(L'a');
  EXPECT_EQ(box->SelLength(), 0) << "Ctrl+A's letter does not pass the filter";
  box->SetFilterChar(L"0123456789a");
  CtrlLetter(L'a');
  EXPECT_EQ(box->SelLength(), 3);
}

TEST_F(TextBoxTest, MaxLengthDropsWhatWouldNotFitAndClearsTheSelection) {
  Focused(L"abc");
  box->SetMaxLength(4);
  Key(VK_END);
  Type(L"de");
  EXPECT_EQ(box->Text(), L"abcd");
  box->SetMaxLength(2);  // lowered below the text
  Type(L"x");
  EXPECT_EQ(box->Text(), L"abcd");
  box->SelectAll();
  Type(L"y");
  EXPECT_EQ(box->Text(), L"y") << "replacing the selection fits";
  box->SelectAll();
  box->InsertText(L"xyz");
  EXPECT_EQ(box->Text(), L"y");
  EXPECT_EQ(box->SelLength(), 0);
}

TEST_F(TextBoxTest, ReadOnlyRefusesEveryEditButSelects) {
  Focused(L"keep");
  box->SetReadOnly(true);
  Type(L"x");
  Key(VK_BACK);
  Key(VK_DELETE);
  box->DeleteSelection();
  box->InsertText(L"y");
  EXPECT_EQ(box->Text(), L"keep");
  Key(VK_HOME);
  KeyWith({VK_SHIFT}, VK_RIGHT);
  EXPECT_EQ(box->GetSelText(), L"k");
}

TEST_F(TextBoxTest, SetTextKeepsCaretAndSelectionInsideTheText) {
  Focused(L"hello world");
  ASSERT_EQ(box->SelLength(), 11);
  box->SetText(L"hi");
  EXPECT_EQ(box->CaretPosition(), 2);
  EXPECT_LE(box->SelStart() + box->SelLength(), 2);
  EXPECT_EQ(box->GetSelText(), L"hi");
  box->SetText(L"");
  EXPECT_EQ(box->SelLength(), 0);
  Type(L"z");
  EXPECT_EQ(box->Text(), L"z");
}

TEST_F(TextBoxTest, PasswordModeMeasuresBulletsAndPaintsThem) {
  TvgTextBox* secret = AddBox(L"abcd");
  secret->SetPassword(true);
  const float bullet = secret->GetPasswordCharWidth();
  EXPECT_EQ(bullet, secret->Font()->Size() / 2);
  EXPECT_EQ(secret->GetCharX(2), 3 + 2 * bullet);
  EXPECT_EQ(secret->GetCharAtX(3 + 2.4f * bullet), 2);
  std::unique_ptr<TvgBitmap> shot = secret->MakeScreenshot();
  ASSERT_NE(shot, nullptr);
  // Dots: ink in the middle of each bullet cell, none between them.
  const int y = 11;
  int inked = 0;
  const auto red = [&](float x) { return (shot->Bits()[y * shot->Width() + int(x)] >> 16) & 0xFF; };
  for (int i = 0; i < 4; ++i)
    if (red(3 + i * bullet + bullet / 2 - 0.5f) > 0x90) ++inked;
  EXPECT_EQ(inked, 4) << "one light dot per character";
  EXPECT_LT(red(3 + 5 * bullet), 0x60u) << "nothing after the last dot";
}

TEST_F(TextBoxTest, AFontOfSizeZeroLeavesPositionsDefined) {
  Focused(L"abc");
  TvgFont font;
  font.SetSize(0);
  box->SetFont(&font);
  box->SetPassword(true);
  EXPECT_EQ(box->GetCharAtX(50), 0);
  Key(VK_END);
  EXPECT_EQ(box->CaretPosition(), 3);
  EXPECT_EQ(box->FirstVisibleChar(), 1);
}

TEST_F(TextBoxTest, ALongTextScrollsToKeepTheCaretInView) {
  std::wstring text;
  for (int i = 0; i < 200; ++i) text += wchar_t(L'a' + i % 26);
  Focused(text);
  Key(VK_END);
  const TvgRect content = box->GetContentRect();
  EXPECT_GT(box->FirstVisibleChar(), 150);
  EXPECT_LE(box->GetCharX(200), content.Right);
  EXPECT_GT(box->GetCharX(200), content.Right - 12) << "the caret at the right edge, not far inside";
  Key(VK_HOME);
  EXPECT_EQ(box->FirstVisibleChar(), 1);
  EXPECT_EQ(box->GetCharX(0), content.Left);
}

TEST_F(TextBoxTest, ClickingPlacesTheCaretAtTheNearestGap) {
  TvgTextBox* made = AddBox(L"iiii wwww");
  ClickAt(SceneX(40), 31);
  EXPECT_EQ(made->SelLength(), 9) << "the first click focuses and selects all";
  EXPECT_EQ(made->CaretPosition(), 9);
  for (int index : {0, 2, 5, 7, 9}) {
    const float x = made->GetCharX(index);
    ClickAt(SceneX(x + 0.4f), 31);
    EXPECT_EQ(made->CaretPosition(), index) << "just right of gap " << index;
    EXPECT_EQ(made->SelLength(), 0);
  }
}

TEST_F(TextBoxTest, DraggingSelectsAndADoubleClickSelectsTheWord) {
  TvgTextBox* made = AddBox(L"alpha beta gamma");
  made->SetFocus();
  const int y = 31;
  const int from = SceneX(made->GetCharX(6) + 0.4f), to = SceneX(made->GetCharX(10) + 0.4f);
  Press(from, y);
  Move((from + to) / 2, y, MK_LBUTTON);
  Move(to, y, MK_LBUTTON);
  Send(WM_LBUTTONUP, 0, MAKELPARAM(to, y));
  EXPECT_EQ(made->GetSelText(), L"beta");
  Press(from, y);
  Send(WM_LBUTTONUP, 0, MAKELPARAM(from, y));
  const int inGamma = SceneX(made->GetCharX(13));
  Press(inGamma, y);
  Send(WM_LBUTTONUP, 0, MAKELPARAM(inGamma, y));
  Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(inGamma, y));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(inGamma, y));
  EXPECT_EQ(made->GetSelText(), L"gamma");
}

TEST_F(TextBoxTest, AlignmentMovesNarrowTextOnly) {
  TvgTextBox* centred = AddBox(L"");
  centred->SetTextAlign(vgTextAlignCenter);
  const TvgRect content = centred->GetContentRect();
  const float width = content.Right - content.Left;
  const float a = centred->GetTextWidth(L"a");
  EXPECT_NEAR(centred->GetCharX(0), content.Left + (width - a) / 2, 0.01f) << "where a centred \"a\" begins";
  centred->SetTextAlign(vgTextAlignFar);
  centred->SetText(L"ab");
  EXPECT_NEAR(centred->GetCharX(2), content.Right, 0.01f);
  centred->SetTextAlign(vgTextAlignCenter);
  centred->SetText(std::wstring(60, L'w'));
  EXPECT_EQ(centred->GetCharX(0), content.Left) << "wider than the box: no shift";
}

TEST_F(TextBoxTest, TheContextMenuEnablesWhatApplies) {
  Focused(L"text");
  struct Case {
    bool selection, readOnly, password;
    bool cut, copy, del, selectAll;
  } const cases[] = {
      {true, false, false, true, true, true, false},  {false, false, false, false, false, false, true},
      {true, true, false, false, true, false, false}, {true, false, true, false, false, true, false},
  };
  for (const Case& c : cases) {
    box->SetReadOnly(c.readOnly);
    box->SetPassword(c.password);
    if (c.selection) box->SelectAll();
    else box->SetSelLength(0);
    box->UpdatePopupMenu();
    EXPECT_EQ(MenuItem(*box, "Cut")->Enabled(), c.cut);
    EXPECT_EQ(MenuItem(*box, "Copy")->Enabled(), c.copy);
    EXPECT_EQ(MenuItem(*box, "Delete")->Enabled(), c.del);
    EXPECT_EQ(MenuItem(*box, "Select All")->Enabled(), c.selectAll);
    if (c.readOnly) EXPECT_FALSE(MenuItem(*box, "Paste")->Enabled());
  }
  box->SetReadOnly(false);
  box->SetPassword(false);
  box->SetSelLength(0);
  box->UpdatePopupMenu();
  MenuItem(*box, "Select All")->Click();
  EXPECT_EQ(box->SelLength(), 4);
  box->UpdatePopupMenu();
  MenuItem(*box, "Delete")->Click();
  EXPECT_EQ(box->Text(), L"");
  EXPECT_EQ(typings, 0) << "menu commands are not typing";
}

TEST_F(TextBoxTest, DataIsTheTextAndAMethodBecomesOnChange) {
  TvgTextBox* made = AddBox(L"a");
  EXPECT_EQ(made->GetData().ToWideString(), L"a");
  made->SetData(Variant(int32_t(42)));
  EXPECT_EQ(made->Text(), L"42");
  made->SetData(Variant::Null());
  EXPECT_EQ(made->Text(), L"");
}

// The input method's finished composition types into the box; the composition window opens at
// the caret.
class ScriptedIme : public TvgIme {
public:
  std::wstring result;
  std::vector<COMPOSITIONFORM> windows;
  std::wstring ResultString(HWND) override { return result; }
  void SetCompositionFont(HWND, const LOGFONTW&) override {}
  void SetCompositionWindow(HWND, const COMPOSITIONFORM& form) override { windows.push_back(form); }
  LANGID KeyboardLanguage() override { return MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED); }
};

TEST_F(TextBoxTest, AChineseCompositionTypesItsCharactersAtTheCaret) {
  ScriptedIme ime;
  vgSetIme(&ime);
  Focused(L"ab");
  Key(VK_END);
  Key(VK_LEFT);
  Send(WM_IME_STARTCOMPOSITION);
  ASSERT_EQ(ime.windows.size(), 1u);
  EXPECT_EQ(ime.windows[0].ptCurrentPos.x, LONG(20 + box->GetCharX(1)));
  ime.result = L"\u4e2d\u6587";
  Send(WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
  vgSetIme(nullptr);
  EXPECT_EQ(box->Text(), L"a\u4e2d\u6587b");
  EXPECT_EQ(box->CaretPosition(), 3);
  EXPECT_EQ(typings, 2);
}

}  // namespace
