// The memo's undo stack: how edits merge and chain, what one undo takes back, and a property
// test over thousands of random edit sequences on random texts.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "classlib/desktop/Clipboard.h"
#include "controls/memo/Memo.h"
#include "tests/support/ControlsFixture.h"

namespace {

class MemoUndoTest : public ControlsTest {
protected:
  TvgMemo* NewMemo(const std::wstring& text, float width = 200) {
    TvgMemo* made = Add<TvgMemo>(10, 10, width, 100);
    made->SetFocus();
    made->SetText(text);
    made->SetCaretPos(made->LinearToTextPos(int32_t(text.size())));
    return made;
  }
  static void Press(TvgMemo* memo, uint16_t key, TShiftState shift = {}) {
    wchar_t none = 0;
    memo->KeyDown(key, none, shift);
  }
  static void Type(TvgMemo* memo, const std::wstring& text) {
    for (wchar_t c : text) {
      uint16_t none = 0;
      memo->KeyDown(none, c, {});
    }
  }
};

TEST_F(MemoUndoTest, OneUndoTakesBackOneRunOfEditing) {
  struct Case {
    const char* What;
    std::wstring Text;
    void (*Edit)(TvgMemo*);
    std::wstring Undone;
    std::wstring SelectedAfterUndo;
  } cases[] = {
      {"three typed characters", L"ab", [](TvgMemo* m) { Type(m, L"xyz"); }, L"ab", L""},
      {"three Backspaces", L"abcdef",
       [](TvgMemo* m) {
         for (int i = 0; i < 3; ++i) Press(m, 8);
       },
       L"abcdef", L"def"},
      {"three Deletes at one place", L"abcdef",
       [](TvgMemo* m) {
         m->SetCaretPos({0, 1});
         for (int i = 0; i < 3; ++i) Press(m, 46);
       },
       L"abcdef", L"bcd"},
      {"a character typed over a selection", L"abcdef",
       [](TvgMemo* m) {
         m->SetSelection({0, 2}, {0, 4});
         Type(m, L"X");
       },
       L"abcdef", L"cd"},
      {"Return over a selection", L"abcdef",
       [](TvgMemo* m) {
         m->SetSelection({0, 1}, {0, 3});
         Press(m, 13);
       },
       L"abcdef", L"bc"},
      {"a Backspace over a line break", L"ab\r\ncd",
       [](TvgMemo* m) {
         m->SetCaretPos({1, 0});
         Press(m, 8);
       },
       L"ab\r\ncd", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    TvgMemo* memo = NewMemo(c.Text);
    c.Edit(memo);
    ASSERT_NE(memo->Text(), c.Text);
    memo->Undo();
    EXPECT_EQ(memo->Text(), c.Undone);
    EXPECT_EQ(memo->SelText(), c.SelectedAfterUndo);
    EXPECT_FALSE(memo->UndoStack().RollBackAction());
    memo->Free();
  }
}

// Deletions merge only when they touch: a Backspace one character further left is an edit of
// its own, so undoing it cannot put its character in the wrong place.
TEST_F(MemoUndoTest, DeletionsApartAreUndoneApart) {
  TvgMemo* memo = NewMemo(L"abcdef");
  Press(memo, 8);
  Press(memo, 37);
  Press(memo, 8);
  EXPECT_EQ(memo->Text(), L"abce");
  memo->Undo();
  EXPECT_EQ(memo->Text(), L"abcde");
  memo->Undo();
  EXPECT_EQ(memo->Text(), L"abcdef");
}

TEST_F(MemoUndoTest, RecordsMergeOnlyWhenAdjacent) {
  struct Case {
    const char* What;
    int32_t First, Second;  // 1-based starts of two one-character deletions
    int Records;
  } cases[] = {
      {"Backspace", 5, 4, 1}, {"Delete", 5, 5, 1}, {"a gap of one", 5, 3, 2}, {"behind", 5, 6, 2}, {"far", 9, 2, 2},
  };
  for (const Case& c : cases) {
    TEdtActionStack stack(nullptr);
    stack.FragmentDeleted(c.First, L"x");
    stack.FragmentDeleted(c.Second, L"y");
    EXPECT_EQ(stack.Count(), c.Records) << c.What;
  }
  TEdtActionStack overlap(nullptr);
  overlap.FragmentDeleted(5, L"abc");
  overlap.FragmentDeleted(4, L"xyz");
  EXPECT_EQ(overlap.Count(), 2) << "overlapping ranges";
  TEdtActionStack typing(nullptr);
  typing.FragmentInserted(3, 2, false);
  typing.FragmentInserted(5, 1, false);
  typing.FragmentInserted(7, 1, false);
  EXPECT_EQ(typing.Count(), 2);
  EXPECT_FALSE(typing.RollBackAction()) << "a stack without its memo does nothing";
}

TEST_F(MemoUndoTest, TextSetFromOutsideStartsANewHistory) {
  TvgMemo* memo = NewMemo(L"abcdef");
  Press(memo, 8);
  memo->SetText(L"xy");
  EXPECT_TRUE(memo->UndoStack().Empty());
  memo->Undo();
  EXPECT_EQ(memo->Text(), L"xy");

  Type(memo, L"zz");
  memo->Lines()->Insert(0, L"first");
  EXPECT_TRUE(memo->UndoStack().Empty());
  Type(memo, L"q");
  memo->Lines()->Delete(0);
  memo->Undo();
  EXPECT_EQ(memo->Text(), L"xyzzq");
}

// Random edits on random texts: every undo lands on a text the memo held before, in order back
// through the history, ending exactly at the first text; the empty stack then changes nothing.
// The incrementally kept display lines always equal a fresh split of the same text.
TEST_F(MemoUndoTest, UndoingEverythingGivesBackTheFirstText) {
  std::mt19937 random(20261211);
  auto pick = [&](int n) { return int(random() % unsigned(n)); };
  const std::wstring alphabet = L"abc xyz,-\r\n\r\n";
  auto randomText = [&](int maxLength) {
    std::wstring text;
    for (int i = pick(maxLength + 1); i > 0; --i) text += alphabet[size_t(pick(int(alphabet.size())))];
    return text;
  };
  TvgMemo* memo = NewMemo(L"", 90);
  TvgMemo* fresh = NewMemo(L"", 90);
  for (int sequence = 0; sequence < 2000; ++sequence) {
    const bool wrap = sequence % 3 == 0;
    memo->SetWordWrap(wrap);
    fresh->SetWordWrap(wrap);
    memo->SetMaxLength(sequence % 4 == 1 ? pick(30) : 0);
    const std::wstring first = randomText(40);
    memo->SetText(first);
    memo->SetCaretPos(memo->LinearToTextPos(pick(int(first.size()) + 1)));
    if (sequence % 5 == 0) Clipboard().SetAsText(randomText(8));
    std::vector<std::wstring> history = {first};
    std::string ops;
    for (int step = pick(30); step > 0; --step) {
      const int32_t length = int32_t(memo->Text().size());
      const int op = pick(9);
      ops += std::to_string(op) + "@" + std::to_string(memo->TextPosToLinear(memo->CaretPos())) + (memo->SelActive() ? "s" + std::to_string(memo->SelStart()) + "+" + std::to_string(memo->SelLength()) : "") + " ";
      switch (op) {
        case 0: case 1: Type(memo, std::wstring(1, L"ab c"[pick(4)])); break;
        case 2: Press(memo, 8); break;
        case 3: Press(memo, 46); break;
        case 4: Press(memo, 13); break;
        case 5: memo->SetSelection(memo->LinearToTextPos(pick(length + 1)), memo->LinearToTextPos(pick(length + 1))); break;
        case 6: memo->PasteFromClipboard(); break;
        case 7: Press(memo, uint16_t(33 + pick(8)), pick(2) ? TShiftState{ssShift} : TShiftState{}); break;
        case 8: memo->CutToClipboard(); break;
      }
      if (memo->Text() != history.back()) history.push_back(memo->Text());
      fresh->SetText(memo->Text());
      ASSERT_EQ(memo->LineStarts(), fresh->LineStarts()) << "sequence " << sequence;
    }
    size_t at = history.size() - 1;
    while (memo->UndoStack().RollBackAction()) {
      size_t found = at + 1;
      for (size_t i = at + 1; i-- > 0;)
        if (history[i] == memo->Text()) {
          found = i;
          break;
        }
      ASSERT_LE(found, at) << "sequence " << sequence << ": an undo gave a text never held: "
                           << testing::PrintToString(memo->Text()) << " after " << testing::PrintToString(history) << " ops " << ops;
      at = found;
      fresh->SetText(memo->Text());
      ASSERT_EQ(memo->LineStarts(), fresh->LineStarts()) << "sequence " << sequence;
    }
    ASSERT_EQ(memo->Text(), first) << "sequence " << sequence;
    memo->Undo();
    ASSERT_EQ(memo->Text(), first);
  }
}

}  // namespace
