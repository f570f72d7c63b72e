// The text box and the system clipboard: copy, cut and paste by keys and by the menu, password
// mode keeping the clear text off the clipboard, read-only refusing what would edit, pasted text
// filtered as typed text is, and the length limit on pastes. These tests own the clipboard while
// they run (lock "kest_clipboard").
#include "tests/controls/textboxes/TextBoxFixture.h"
//
#include "classlib/desktop/Clipboard.h"
#include "classlib/desktop/Menus.h"

namespace {

class TextBoxClipboard : public TextBoxTest {
protected:
  void SetUp() override {
    TextBoxTest::SetUp();
    Clipboard().SetAsText(L"before");
  }
  void SelectRange(int start, int length) {
    box->SetSelLength(0);
    box->SetCaretPosition(start);
    for (int i = 0; i < length; ++i) KeyWith({VK_SHIFT}, VK_RIGHT);
  }
};

TEST_F(TextBoxClipboard, CopyAndCutPutTheSelectionOnTheClipboard) {
  Focused(L"one two three");
  SelectRange(4, 3);
  CtrlLetter(L'c');
  EXPECT_EQ(Clipboard().AsText(), L"two");
  EXPECT_EQ(box->Text(), L"one two three");
  SelectRange(0, 4);
  KeyWith({VK_CONTROL}, VK_INSERT);
  EXPECT_EQ(Clipboard().AsText(), L"one ");
  CtrlLetter(L'x');
  EXPECT_EQ(Clipboard().AsText(), L"one ");
  EXPECT_EQ(box->Text(), L"two three");
  SelectRange(3, 6);
  KeyWith({VK_SHIFT}, VK_DELETE);
  EXPECT_EQ(Clipboard().AsText(), L" three");
  EXPECT_EQ(box->Text(), L"two");
  box->SetSelLength(0);
  CtrlLetter(L'c');
  EXPECT_EQ(Clipboard().AsText(), L" three") << "nothing selected, nothing copied";
}

TEST_F(TextBoxClipboard, PasteReplacesTheSelectionAndReportsTyping) {
  Focused(L"abc");
  Clipboard().SetAsText(L"\u4e2d\u6587");
  SelectRange(1, 1);
  CtrlLetter(L'v');
  EXPECT_EQ(box->Text(), L"a\u4e2d\u6587c");
  EXPECT_EQ(box->CaretPosition(), 3);
  EXPECT_EQ(typings, 1);
  KeyWith({VK_SHIFT}, VK_INSERT);
  EXPECT_EQ(box->Text(), L"a\u4e2d\u6587\u4e2d\u6587c");
  EXPECT_EQ(typings, 2);
}

TEST_F(TextBoxClipboard, PastedTextIsFilteredAsTypedTextIs) {
  struct Case {
    const wchar_t* filter;
    const wchar_t* clipboard;
    const wchar_t* pasted;
  } const cases[] = {
      {L"", L"line one\r\nline\ttwo\n", L"line onelinetwo"},
      {L"0123456789", L"12a3\r\n4", L"1234"},
      {L"0123456789", L"none", L""},
  };
  Focused(L"");
  for (const Case& c : cases) {
    box->SetText(L"");
    box->SetFilterChar(c.filter);
    Clipboard().SetAsText(c.clipboard);
    KeyWith({VK_SHIFT}, VK_INSERT);
    EXPECT_EQ(box->Text(), c.pasted) << "filter of " << std::wstring(c.filter).size() << " characters";
  }
}

TEST_F(TextBoxClipboard, APasteLongerThanMaxLengthIsDroppedWhole) {
  Focused(L"ab");
  box->SetMaxLength(4);
  Key(VK_END);
  Clipboard().SetAsText(L"cde");
  CtrlLetter(L'v');
  EXPECT_EQ(box->Text(), L"ab");
  Clipboard().SetAsText(L"cd");
  CtrlLetter(L'v');
  EXPECT_EQ(box->Text(), L"abcd");
}

TEST_F(TextBoxClipboard, PasswordModeKeepsTheClearTextOffTheClipboard) {
  Focused(L"secret");
  box->SetPassword(true);
  box->SelectAll();
  CtrlLetter(L'c');
  KeyWith({VK_CONTROL}, VK_INSERT);
  CtrlLetter(L'x');
  KeyWith({VK_SHIFT}, VK_DELETE);
  box->CopyToClipboard();
  box->CutToClipboard();
  EXPECT_EQ(Clipboard().AsText(), L"before");
  EXPECT_EQ(box->Text(), L"secret") << "cutting is refused whole";
  CtrlLetter(L'v');
  EXPECT_EQ(box->Text(), L"before") << "pasting still works";
}

TEST_F(TextBoxClipboard, ReadOnlyCopiesButNeitherCutsNorPastes) {
  Focused(L"fixed");
  box->SetReadOnly(true);
  box->SelectAll();
  CtrlLetter(L'x');
  EXPECT_EQ(Clipboard().AsText(), L"before");
  CtrlLetter(L'v');
  EXPECT_EQ(box->Text(), L"fixed");
  CtrlLetter(L'c');
  EXPECT_EQ(Clipboard().AsText(), L"fixed");
}

TEST_F(TextBoxClipboard, PasteIsOfferedOnlyWithTextOnTheClipboard) {
  Focused(L"x");
  box->UpdatePopupMenu();
  TMenuItem* paste = box->TextMenu()->Items()->Items(2);
  ASSERT_EQ(paste->Caption(), "Paste");
  EXPECT_TRUE(paste->Enabled());
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  box->UpdatePopupMenu();
  EXPECT_FALSE(paste->Enabled());
}

}  // namespace
