// The word steps the text boxes and the memo share: Ctrl+Right, Ctrl+Left and the word a double
// click selects, only the space separating words.
#include <gtest/gtest.h>

#include <string>

#include "controls/text/TextWords.h"

namespace {

struct Step {
  const wchar_t* Text;
  int From, To;
};

TEST(TextWordsTest, WordRightGoesToTheNextWordsStart) {
  const Step steps[] = {
      {L"one two  three", 0, 4}, {L"one two  three", 4, 9}, {L"one two  three", 2, 4},
      {L"one two  three", 9, 14},  // no word follows: the end
      {L"  ab cd", 0, 5},          // the spaces before the first word are passed with it
      {L"ab  ", 0, 3},             // the last character is never examined
      {L"ab c", 0, 3},
  };
  for (const Step& s : steps) EXPECT_EQ(vgWordRight(s.Text, s.From), s.To) << testing::PrintToString(s.Text) << " from " << s.From;
}

TEST(TextWordsTest, WordLeftGoesToTheStartOfTheWordBefore) {
  const Step steps[] = {
      {L"one two  three", 14, 9}, {L"one two  three", 9, 4}, {L"one two  three", 6, 4},
      {L"one two  three", 2, 0},  {L"one two  three", 0, 0}, {L"   ", 3, 0},
  };
  for (const Step& s : steps) EXPECT_EQ(vgWordLeft(s.Text, s.From), s.To) << testing::PrintToString(s.Text) << " from " << s.From;
}

TEST(TextWordsTest, TheWordAroundAPositionStaysInsideTheText) {
  struct Bounds {
    int Pos, Start, End;
  } const cases[] = {{7, 6, 10}, {6, 6, 10}, {5, 0, 5}, {0, 0, 5}, {10, 6, 10}, {99, 6, 10}, {-3, 0, 5}};
  const std::wstring text = L"alpha beta";
  for (const Bounds& c : cases) {
    EXPECT_EQ(vgWordStartAt(text, c.Pos), c.Start) << "at " << c.Pos;
    EXPECT_EQ(vgWordEndAt(text, c.Pos), c.End) << "at " << c.Pos;
  }
  EXPECT_EQ(vgWordStartAt(L"", 0), 0);
  EXPECT_EQ(vgWordEndAt(L"", 0), 0);
}

}  // namespace
